#pragma once
// TTimer: calls OnTimer every Interval milliseconds while Enabled, also while a modal form runs its
// own loop. A handler that runs long does not pile up ticks.
#include "platform/forms/component.h"

class QTimer;

namespace tarvelon {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    std::string ClassName() const override { return "TTimer"; }

    int Interval() const { return interval_; }
    // Restarts the count when it changes.
    void SetInterval(int milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    TNotifyEvent OnTimer;

    void Loaded() override;

protected:
    // Fires OnTimer.
    virtual void Timer();

private:
    void UpdateTimer();

    int interval_ = 1000;
    bool enabled_ = true;
    QTimer* timer_ = nullptr;
};

}  // namespace tarvelon
