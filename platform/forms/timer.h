#pragma once
// TTimer: calls OnTimer every Interval milliseconds while Enabled, also while a modal form runs its
// own loop. A handler that runs long does not pile up ticks, and a tick never nests inside the
// timer's own handler: one that enables the timer again (itself, or from a dialog it shows) starts
// the count only once it has returned. A handler may free its own timer.
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
    void Fire();

    int interval_ = 1000;
    bool enabled_ = true;
    QTimer* timer_ = nullptr;
    bool firing_ = false;
    bool restartAfterHandler_ = false;
    bool* freedWhileFiring_ = nullptr;  // told by the destructor when the handler frees the timer
};

}  // namespace tarvelon
