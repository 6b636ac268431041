#include "platform/forms/timer.h"

#include <QCoreApplication>
#include <QTimer>

#include <exception>

#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/forms/waits.h"

namespace tarvelon {

TTimer::TTimer(TComponent* owner) : TComponent(owner)
{
    UpdateTimer();
}

TTimer::~TTimer()
{
    if (!freedWhileFiring_) {
        delete timer_;
        return;
    }
    // Freed by its own handler: the Qt timer is still delivering that tick.
    *freedWhileFiring_ = true;
    QObject::disconnect(timer_, nullptr, nullptr, nullptr);
    timer_->stop();
    timer_->deleteLater();
}

void TTimer::SetInterval(int milliseconds)
{
    if (interval_ == milliseconds)
        return;
    interval_ = milliseconds;
    UpdateTimer();
}

void TTimer::SetEnabled(bool enabled)
{
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    UpdateTimer();
}

void TTimer::Loaded()
{
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::Timer()
{
    // A copy: the handler stays whole even when it frees the timer (and with it OnTimer).
    if (const TNotifyEvent handler = OnTimer)
        handler(this);
}

void TTimer::Fire()
{
    if (Application->Pausing())
        return;  // the game stands still during a pause: the tick is skipped
    bool freed = false;
    {
        const TFormHandlerScope busy(this);
        firing_ = true;
        freedWhileFiring_ = &freed;
        try {
            Timer();
        } catch (const std::exception& error) {
            Application->HandleException(freed ? nullptr : this, error);
        }
    }
    if (freed)
        return;
    firing_ = false;
    freedWhileFiring_ = nullptr;
    if (restartAfterHandler_) {
        restartAfterHandler_ = false;
        UpdateTimer();
    }
}

void TTimer::UpdateTimer()
{
    if (!QCoreApplication::instance())
        return;
    if (!timer_) {
        timer_ = new QTimer;
        QObject::connect(timer_, &QTimer::timeout, timer_, [this] { Fire(); });
    }
    timer_->stop();
    if (firing_) {
        // Qt never nests a tick of the running timer, but one started anew could tick at once.
        restartAfterHandler_ = true;
        return;
    }
    if (enabled_ && interval_ > 0 && !Loading())
        timer_->start(WaitTime(interval_));
}

}  // namespace tarvelon
