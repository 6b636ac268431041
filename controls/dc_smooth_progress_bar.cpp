// The smooth progress bar: glide and glow animations over the progress painter.
#include "controls/dc_smooth_progress_bar.h"

#include <algorithm>
#include <cmath>

namespace tarvelon {

TDcSmoothProgressBar::TDcSmoothProgressBar(TComponent* owner)
    : TCustomControl(owner), appearance_(std::make_unique<TGDIPProgress>())
{
    SetBounds(Left(), Top(), 150, 17);
    SetTabStop(true);
    eraseBackground_ = false;
    appearance_->OnChange = [this](TObject*) { Invalidate(); };
    timer_ = new TTimer(this);
    timer_->SetInterval(10);
    timer_->OnTimer = [this](TObject*) { AnimationTick(); };
    timer_->SetEnabled(true);
}

TDcSmoothProgressBar::~TDcSmoothProgressBar() = default;

void TDcSmoothProgressBar::FirePositionChanged()
{
    if (OnPositionChanged)
        OnPositionChanged(this, position_);
}

void TDcSmoothProgressBar::SetPosition(double value)
{
    const double previousTarget = target_;
    target_ = std::min(maximum_, std::max(value, minimum_));
    const bool animated = ProgressAnimationActive();
    if (animated && std::abs(shown_ - previousTarget) >= 0.001) {
        // A glide still running ends at once at the new value.
        position_ = shown_ = target_;
        Repaint();
    }
    if (animated) {
        animating_ = true;
        return;
    }
    position_ = shown_ = target_;
    FirePositionChanged();
    Repaint();
}

void TDcSmoothProgressBar::SetMaximum(double value)
{
    if (maximum_ == value)
        return;
    maximum_ = value;
    if (maximum_ < position_) {
        target_ = maximum_;
        if (!ProgressAnimationActive())
            position_ = shown_ = target_;
    }
    Repaint();
}

void TDcSmoothProgressBar::SetMinimum(double value)
{
    if (minimum_ == value)
        return;
    minimum_ = value;
    if (minimum_ > position_) {
        target_ = minimum_;
        if (!ProgressAnimationActive())
            position_ = shown_ = target_;
    }
    Repaint();
}

void TDcSmoothProgressBar::SetStep(double value)
{
    if (step_ == value)
        return;
    step_ = value;
    Repaint();
}

void TDcSmoothProgressBar::SetProgressAnimation(bool on)
{
    if (progressAnimation_ != on) {
        progressAnimation_ = on;
        Repaint();
    }
    if (!progressAnimation_)
        SetPosition(target_);
}

void TDcSmoothProgressBar::SetGlowAnimation(bool on)
{
    if (glowAnimation_ == on)
        return;
    glowAnimation_ = on;
    Repaint();
}

void TDcSmoothProgressBar::SetAppearance(const TGDIPProgress& appearance)
{
    appearance_->Assign(appearance);
    Repaint();
}

void TDcSmoothProgressBar::Assign(const TDcSmoothProgressBar& source)
{
    if (&source == this)
        return;
    SetStep(source.step_);
    SetMinimum(source.minimum_);
    SetMaximum(source.maximum_);
    SetPosition(source.position_);
    SetProgressAnimation(source.progressAnimation_);
    SetGlowAnimation(source.glowAnimation_);
    SetAppearance(*source.appearance_);
}

void TDcSmoothProgressBar::AnimationTick()
{
    if ((ProgressAnimationActive() && animating_) || shown_ != target_) {
        const double step = std::abs(target_ - shown_) / 15;
        if (std::abs(shown_ - target_) < 1e-6) {
            shown_ = target_;
            animating_ = false;
        } else {
            const double move = std::max(step, 1e-6);
            shown_ += shown_ < target_ ? move : -move;
        }
        position_ = shown_;
        FirePositionChanged();
        Repaint();
    }
    if (GlowAnimationActive() && position_ > minimum_) {
        if (glowClock_ >= 1500)
            glowPosition_ += 3;
        const TGPRectF done = appearance_->ProgressRect(ClientRect(), minimum_, maximum_, position_);
        if (glowPosition_ > done.Width) {
            glowClock_ = 0;
            glowPosition_ = -60;
        } else {
            glowClock_ += 10;
        }
        Repaint();
    }
}

bool TDcSmoothProgressBar::NeedsParentBackground()
{
    const TGDIPFill& back = appearance_->BackGroundFill();
    const bool opaque = back.Opacity() == 255 && back.OpacityTo() == 255 && back.OpacityMirror() == 255 &&
                        back.OpacityMirrorTo() == 255;
    return appearance_->Transparent() || !opaque;
}

void TDcSmoothProgressBar::Paint()
{
    if (NeedsParentBackground())
        DrawParentBackground(ClientRect());
    TGPGraphics graphics(Canvas());
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    graphics.SetTextRenderingHint(TextRenderingHintClearTypeGridFit);
    const TRect whole = Rect(0, 0, Width(), Height());
    appearance_->Draw(graphics, whole, minimum_, maximum_, position_);
    if (!GlowAnimationActive() || position_ <= 0)
        return;
    const TGPRectF done = appearance_->ProgressRect(whole, minimum_, maximum_, position_);
    const TRect inside = appearance_->InsideRect(whole);
    graphics.SetClip(done);
    const float g = float(glowPosition_);
    const float top = float(inside.Top);
    const float height = float(inside.Height());
    const TGPRectF rising{g - 30, top, 30, height};
    const TGPRectF falling{g, top, 30, height};
    auto grown = [](const TGPRectF& r) { return TGPRectF{r.X - 1, r.Y - 1, r.Width + 2, r.Height + 2}; };
    graphics.FillRectangle(TGPLinearGradientBrush(grown(rising), MakeARGB(0, 255, 255, 255),
                                                  MakeARGB(120, 255, 255, 255), LinearGradientModeHorizontal),
                           rising);
    graphics.FillRectangle(TGPLinearGradientBrush(grown(falling), MakeARGB(120, 255, 255, 255),
                                                  MakeARGB(0, 255, 255, 255), LinearGradientModeHorizontal),
                           falling);
    graphics.ResetClip();
}

void TDcSmoothProgressBar::Resize()
{
    TCustomControl::Resize();
    Invalidate();
}

}  // namespace tarvelon
