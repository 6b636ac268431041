#include "platform/forms/timer.h"

#include <QCoreApplication>
#include <QTimer>

#include <exception>

#include "platform/forms/application.h"

namespace tarvelon {

TTimer::TTimer(TComponent* owner) : TComponent(owner)
{
    UpdateTimer();
}

TTimer::~TTimer()
{
    delete timer_;
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
    if (OnTimer)
        OnTimer(this);
}

void TTimer::UpdateTimer()
{
    if (!QCoreApplication::instance())
        return;
    if (!timer_) {
        timer_ = new QTimer;
        QObject::connect(timer_, &QTimer::timeout, timer_, [this] {
            try {
                Timer();
            } catch (const std::exception& error) {
                Application->HandleException(this, error);
            }
        });
    }
    timer_->stop();
    if (enabled_ && interval_ > 0 && !Loading())
        timer_->start(interval_);
}

}  // namespace tarvelon
