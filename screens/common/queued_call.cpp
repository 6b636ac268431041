#include "screens/common/queued_call.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <exception>

#include "platform/forms/application.h"

namespace tarvelon {

// The one place that knows how a call is queued; once the application has its own queued call
// (Application->Queue, which also hands an exception to the application's handler) it goes here.
void RunQueued(std::function<void()> work)
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [work = std::move(work)] {
            // An exception must not cross the event loop: it goes to the application's handler.
            try {
                work();
            } catch (const std::exception& error) {
                Application->HandleException(Application, error);
            }
        },
        Qt::QueuedConnection);
}

}  // namespace tarvelon
