// The glossy button's Paint: from its state (and the running fade) to the colours, gradients,
// glyph and flags that DrawGlowButton paints.
#include "controls/dc_glow_button.h"
#include "controls/dc_glow_button_colors.h"

namespace tarvelon {
namespace {

// One look: the two halves' colours, the border and the two gradient kinds.
struct TGlowLook {
    TColor color, colorTo, mirror, mirrorTo, border;
    TGDIPGradient gradient, gradientMirror;
};

TGlowLook NormalLook(const TGlowButtonAppearance& a)
{
    return {a.Color(), a.ColorTo(), a.ColorMirror(), a.ColorMirrorTo(), a.BorderColor(), a.Gradient(), a.GradientMirror()};
}

TGlowLook HotLook(const TGlowButtonAppearance& a)
{
    return {a.ColorHot(),    a.ColorHotTo(),  a.ColorMirrorHot(),    a.ColorMirrorHotTo(),
            a.BorderColorHot(), a.GradientHot(), a.GradientMirrorHot()};
}

TGlowLook DownLook(const TGlowButtonAppearance& a)
{
    return {a.ColorDown(),    a.ColorDownTo(),  a.ColorMirrorDown(),    a.ColorMirrorDownTo(),
            a.BorderColorDown(), a.GradientDown(), a.GradientMirrorDown()};
}

TGlowLook CheckedLook(const TGlowButtonAppearance& a)
{
    return {a.ColorChecked(),    a.ColorCheckedTo(),  a.ColorMirrorChecked(),    a.ColorMirrorCheckedTo(),
            a.BorderColorChecked(), a.GradientChecked(), a.GradientMirrorChecked()};
}

TGlowLook DisabledLook(const TGlowButtonAppearance& a)
{
    return {a.ColorDisabled(),    a.ColorDisabledTo(),  a.ColorMirrorDisabled(),    a.ColorMirrorDisabledTo(),
            a.BorderColorDisabled(), a.GradientDisabled(), a.GradientMirrorDisabled()};
}

// The four face colours (and the border when withBorder) blended from `from` toward `to` by level;
// the gradient kinds stay those of `base`.
TGlowLook Blend(const TGlowLook& base, const TGlowLook& from, const TGlowLook& to, int level, bool withBorder)
{
    TGlowLook look = base;
    look.color = BlendColor(from.color, to.color, level);
    look.colorTo = BlendColor(from.colorTo, to.colorTo, level);
    look.mirror = BlendColor(from.mirror, to.mirror, level);
    look.mirrorTo = BlendColor(from.mirrorTo, to.mirrorTo, level);
    if (withBorder)
        look.border = BlendColor(from.border, to.border, level);
    return look;
}

// The corner pixels where the parent shows through a rounded button.
TRegion CornerPixels(TButtonPosition position, int width, int height)
{
    TRegion region;
    auto add = [&region](int x, int y) { region.Combine(region, TRegion::FromRect(Rect(x, y, x + 1, y + 1)), RGN_OR); };
    const bool left = position == bpStandalone || position == bpLeft;
    const bool right = position == bpStandalone || position == bpRight;
    if (left) {
        add(0, 0);
        add(0, height - 1);
    }
    if (right) {
        add(width - 1, 0);
        add(width - 1, height - 1);
    }
    return region;
}

}  // namespace

void TDcCustomGlowButton::PaintParentInto(const TRegion& clip)
{
    TCanvas& canvas = Canvas();
    const bool wasClipped = canvas.IsClipped();
    const TRegion saved = canvas.ClipRegion();
    canvas.IntersectClipRegion(clip);
    DrawParentBackground(ClientRect());
    if (wasClipped)
        canvas.SetClipRegion(saved);
    else
        canvas.ResetClip();
}

void TDcCustomGlowButton::RepaintParentCorners()
{
    if (!Parent() || !rounded_)
        return;
    if (transparent_ && !mouseInControl_ && buttonState_ != glowDown && !hot_)
        return;
    const TRegion corners = CornerPixels(position_, Width(), Height());
    if (!corners.IsEmpty())
        PaintParentInto(corners);
}

void TDcCustomGlowButton::Paint()
{
    if (painting_)
        return;
    painting_ = true;
    TCanvas& canvas = Canvas();
    if (transparent_ && !mouseInControl_)
        PaintParentInto(TRegion::FromRect(ClientRect()));

    // The state follows Enabled.
    if (Enabled()) {
        if (buttonState_ == glowDisabled)
            buttonState_ = (down_ && groupIndex_ != 0) ? glowExclusive : glowUp;
    } else {
        buttonState_ = glowDisabled;
        mouseDownInside_ = false;
    }
    if (style_ == bsCheck && down_)
        buttonState_ = glowDown;

    const TGlowButtonAppearance& a = *appearance_;
    const bool disabledLook = (buttonState_ == glowDisabled || !Enabled()) && showDisabled_;
    const bool checkedLike = buttonState_ == glowExclusive || (style_ == bsCheck && down_);
    TGlowLook look;
    bool hotOrDown = false;
    if (disabledLook) {
        look = DisabledLook(a);
    } else if (buttonState_ == glowDown && style_ == bsButton) {
        look = DownLook(a);
        hotOrDown = true;
    } else if (!checkedLike) {
        look = hot_ ? HotLook(a) : NormalLook(a);
        hotOrDown = hot_;
    } else {
        look = CheckedLook(a);
        if (fading_ && (trackingFlag_ || (style_ == bsButton && !(groupIndex_ > 0 && buttonState_ != glowDown))))
            look = Blend(look, look, DownLook(a), downLevel_, false);
    }

    if (fading_) {
        if (!pressed_ && !transparent_ && buttonState_ != glowExclusive && !(style_ == bsCheck && buttonState_ == glowDown))
            look = Blend(look, HotLook(a), NormalLook(a), hotLevel_, true);
        else if (style_ == bsButton && pressed_ && buttonState_ != glowExclusive)
            look = Blend(look, DownLook(a), HotLook(a), downLevel_, true);
        else if (style_ == bsCheck && pressed_)
            look = Blend(look, DownLook(a), CheckedLook(a), downLevel_, false);
    }

    TGlowButtonDrawInput in;
    // Image list and picture of the state.
    bool imageEnabled = Enabled();
    TCustomImageList* list = images_;
    if (!Enabled() && disabledImages_) {
        list = disabledImages_;
        imageEnabled = true;
    } else if (hot_ && hotImages_) {
        list = hotImages_;
    }
    in.images = list;
    in.imageEnabled = imageEnabled;
    in.imageIndex = imageIndex_;
    in.picture = picture_.get();
    if (!Enabled() && !disabledPicture_->Empty())
        in.picture = disabledPicture_.get();
    else if (hot_ && !hotPicture_->Empty())
        in.picture = hotPicture_.get();
    in.caption = showCaption_ ? Caption() : std::string();
    in.dropDownState = (trackingFlag_ || buttonHeld_) && dropDownButton_ ? (dropDownHot_ ? 2 : 1) : 0;
    if (position_ != bpStandalone && buttonHeld_)
        look.border = a.BorderColor();
    if (disabledLook)
        look = DisabledLook(a);
    const bool hotFocus = focused_ && (focusType_ == ftHot || focusType_ == ftHotBorder);
    if (hotFocus && !pressed_) {
        look = HotLook(a);
        hotOrDown = true;
    }
    in.focusBorder = focused_ && (focusType_ == ftBorder || focusType_ == ftHotBorder);

    TFont font;
    font.Assign(Font());
    if (!ParentFont() && a.SystemFont())
        font.SetName(IsLocaleInfoExAvailable() ? "Segoe UI" : "Tahoma");
    in.font = &font;
    in.skipFace = transparent_ && !mouseInControl_ && !hotFocus && buttonState_ != glowDown;
    if (autoSize_ && sizeState_ < bsLarge) {
        in.forcedPictureWidth = in.forcedPictureHeight = 16;
        if (in.images && imageIndex_ >= 0)
            in.picture = nullptr;
        if (sizeState_ == bsGlyph)
            in.caption.clear();
    }

    in.color = look.color;
    in.colorTo = look.colorTo;
    in.colorMirror = look.mirror;
    in.colorMirrorTo = look.mirrorTo;
    in.borderColor = look.border;
    in.gradient = look.gradient;
    in.gradientMirror = look.gradientMirror;
    in.layout = layout_;
    in.dropDownButton = dropDownButton_;
    in.hotOrDown = hotOrDown;
    in.enabled = Enabled();
    in.dropDownPosition = dropDownPosition_;
    in.antiAlias = antiAlias_;
    in.mouseInControl = mouseInControl_;
    in.position = position_;
    in.dropDownSplit = dropDownSplit_;
    in.drawBorder = borderStyle_ == bsSingle;
    in.wordWrap = wordWrap_;
    in.rounded = rounded_;
    in.arrowDown = dropDownDirection_ == ddDown;
    in.spacing = spacing_;
    in.trimming = trimming_;
    in.notes = notes_.ToVector();
    in.notesFont = notesFont_.get();
    in.down = down_;

    if ((sizePending_ || initialSizePending_) && autoSize_) {
        in.measureOnly = true;
        const TSize content = DrawGlowButton(canvas, ClientRect(), in);
        in.measureOnly = false;
        ApplyMeasuredSize(content);
    }
    sizePending_ = false;
    initialSizePending_ = false;
    DrawGlowButton(canvas, ClientRect(), in);
    AfterPaint();
    if (OnDrawButton)
        OnDrawButton(this, canvas, ClientRect(), buttonState_ == glowDown ? 2 : mouseInControl_ ? 1 : 0);
    RepaintParentCorners();
    painting_ = false;
}

}  // namespace tarvelon
