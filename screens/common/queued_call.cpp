#include "screens/common/queued_call.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace tarvelon {

// The one place that knows how a call is queued; the application's own queued call replaces it.
void RunQueued(std::function<void()> work)
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [work = std::move(work)] { work(); }, Qt::QueuedConnection);
}

void RunQueuedCalls()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

}  // namespace tarvelon
