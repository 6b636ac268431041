#include "platform/forms/free_watch.h"

namespace tarvelon {

void TFreeWatch::Watch(TComponent* component)
{
    if (component == watched_)
        return;
    if (watched_)
        RemoveFreeNotification(watched_);
    watched_ = component;
    if (watched_)
        FreeNotification(watched_);
}

void TFreeWatch::Notification(TComponent* component, TOperation operation)
{
    if (operation == opRemove && component == watched_)
        watched_ = nullptr;
    TComponent::Notification(component, operation);
}

}  // namespace tarvelon
