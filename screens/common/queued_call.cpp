#include "screens/common/queued_call.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace tarvelon {

// The one place that knows how a call is queued; once the application has its own queued call
// (Application->Queue, which also hands an exception to the application's handler) it goes here.
void RunQueued(std::function<void()> work)
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [work = std::move(work)] { work(); }, Qt::QueuedConnection);
}

}  // namespace tarvelon
