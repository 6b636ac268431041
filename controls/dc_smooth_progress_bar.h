#pragma once
// TDcSmoothProgressBar: a progress bar painted by a TGDIPProgress, whose shown value glides toward
// a new position and over whose filled part a soft glow sweeps, both driven by one 10 ms timer.
#include <functional>
#include <memory>

#include "controls/gdip_fill.h"
#include "platform/forms/custom_control.h"
#include "platform/forms/timer.h"

namespace tarvelon {

using TDcSmoothProgressBarPositionChanged = std::function<void(TObject* sender, double value)>;

class TDcSmoothProgressBar : public TCustomControl {
public:
    explicit TDcSmoothProgressBar(TComponent* owner);
    ~TDcSmoothProgressBar() override;
    std::string ClassName() const override { return "TDcSmoothProgressBar"; }

    double Minimum() const { return minimum_; }
    void SetMinimum(double value);
    double Maximum() const { return maximum_; }
    void SetMaximum(double value);
    // While a glide runs, the value shown.
    double Position() const { return position_; }
    void SetPosition(double value);
    double Step() const { return step_; }
    void SetStep(double value);
    bool ProgressAnimation() const { return progressAnimation_; }
    void SetProgressAnimation(bool on);
    bool GlowAnimation() const { return glowAnimation_; }
    void SetGlowAnimation(bool on);
    TGDIPProgress& Appearance() { return *appearance_; }
    void SetAppearance(const TGDIPProgress& appearance);
    std::string Version() const { return "1.0.4.2"; }

    void Assign(const TDcSmoothProgressBar& source);

    // The value the bar is heading for, and the glow's place and clock.
    double Target() const { return target_; }
    bool Animating() const { return animating_; }
    double GlowPosition() const { return glowPosition_; }
    int GlowClock() const { return glowClock_; }
    // One step of the 10 ms animation timer.
    void AnimationTick();

    TNotifyEvent OnChange;
    TDcSmoothProgressBarPositionChanged OnPositionChanged;

protected:
    void Paint() override;
    void Resize() override;

private:
    bool ProgressAnimationActive() const { return progressAnimation_ && !Loading(); }
    bool GlowAnimationActive() const { return glowAnimation_ && !Loading(); }
    bool NeedsParentBackground();
    void FirePositionChanged();

    double minimum_ = 0;
    double maximum_ = 100;
    double position_ = 0;
    double step_ = 10;
    bool progressAnimation_ = true;
    bool glowAnimation_ = true;
    std::unique_ptr<TGDIPProgress> appearance_;
    double target_ = 0;
    double shown_ = 0;
    bool animating_ = false;
    double glowPosition_ = -40;
    int glowClock_ = 3000;
    TTimer* timer_ = nullptr;
};

}  // namespace tarvelon
