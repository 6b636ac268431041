#include "richtext/html_button_control.h"

#include <cctype>

#include "platform/forms/class_registry.h"
#include "platform/forms/keys.h"
#include "richtext/html_links.h"
#include "richtext/picture_store.h"

namespace tarvelon {

THTMLButtonControl::THTMLButtonControl(TComponent* owner)
    : TCustomControl(owner), pictureCache_(std::make_unique<THTMLPictureCache>())
{
    // The control raises its click itself, and captures the mouse only off anchors.
    clickEvents_ = false;
    captureMouse_ = false;
    SetParentColor(true);
    SetBounds(Left(), Top(), 98, 20);
}

THTMLButtonControl::~THTMLButtonControl() = default;

void THTMLButtonControl::SetAlignment(TLeftRight alignment)
{
    Store(alignment_, alignment);
}

void THTMLButtonControl::SetButtonType(TButtonType type)
{
    Store(buttonType_, type);
}

void THTMLButtonControl::SetButtonVertAlign(TTextLayout align)
{
    Store(buttonVertAlign_, align);
}

void THTMLButtonControl::SetCheckColor(TColor color)
{
    Store(checkColor_, color);
}

void THTMLButtonControl::SetDown(bool down)
{
    Store(down_, down);
}

void THTMLButtonControl::SetEllipsis(bool ellipsis)
{
    Store(ellipsis_, ellipsis);
}

void THTMLButtonControl::SetImages(TImageList* images)
{
    images_ = images;
    Invalidate();
}

void THTMLButtonControl::SetPictureContainer(TPictureContainer* container)
{
    if (pictureContainer_)
        pictureContainer_->RemoveFreeNotification(this);
    pictureContainer_ = container;
    if (container)
        container->FreeNotification(this);
    Invalidate();
}

void THTMLButtonControl::SetShadowColor(TColor color)
{
    Store(shadowColor_, color);
}

void THTMLButtonControl::SetShadowOffset(int offset)
{
    Store(shadowOffset_, offset);
}

void THTMLButtonControl::SetTransparent(bool transparent)
{
    if (transparent_ == transparent)
        return;
    transparent_ = transparent;
    eraseBackground_ = !transparent;
    Invalidate();
}

void THTMLButtonControl::SetURLColor(TColor color)
{
    Store(urlColor_, color);
}

bool THTMLButtonControl::DialogChar(char32_t key)
{
    const char32_t accelerator = CaptionAccelerator(Caption());
    if (accelerator == 0 || accelerator != static_cast<char32_t>(std::toupper(static_cast<int>(key))) || !CanFocus())
        return false;
    Accelerated();
    if (TabStop())
        SetFocus();
    return true;
}

void THTMLButtonControl::SetBounds(int left, int top, int width, int height)
{
    TCustomControl::SetBounds(left, top, width, height);
    // A see-through box shows what the parent has at its new place.
    if (transparent_)
        Invalidate();
}

void THTMLButtonControl::Loaded()
{
    TCustomControl::Loaded();
    savedCursor_ = Cursor();
}

void THTMLButtonControl::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && component == pictureContainer_)
        pictureContainer_ = nullptr;
}

THTMLDrawParams THTMLButtonControl::CaptionParams() const
{
    THTMLDrawParams params;
    params.Images = images_;
    params.FocusLink = -1;
    params.HoverLink = -1;
    params.ShadowOffset = shadowOffset_;
    params.WordWrap = !ellipsis_;
    params.ResFactor = 1.0;
    params.URLColor = urlColor_;
    params.ShadowColor = shadowColor_;
    params.PictureCache = pictureCache_.get();
    params.PictureContainer = pictureContainer_;
    params.LineSpacing = 0;
    return params;
}

TButtonFace THTMLButtonControl::Face() const
{
    TButtonFace face;
    face.enabled = Enabled();
    face.down = down_;
    face.hot = hot_;
    face.checkColor = checkColor_;
    return face;
}

bool THTMLButtonControl::ThemedLook() const
{
    return buttonType_ == btWinXP || buttonType_ == btTheme;
}

void THTMLButtonControl::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Font = Font();
    if (transparent_)
        DrawParentBackground(ClientRect());
    const TSize client{ClientWidth(), ClientHeight()};
    const TButtonBox box = DrawButtonBox(canvas, buttonType_, alignment_, buttonVertAlign_, client, Face());
    const TRect captionRect = ButtonCaptionRect(box, alignment_, client);
    const THTMLDrawResult result = DrawButtonCaption(canvas, Caption(), captionRect, CaptionParams(), Enabled());
    if (Focused())
        canvas.DrawFocusRect(Rect(captionRect.Left, captionRect.Top, captionRect.Left + result.MeasuredWidth + 3,
                                  captionRect.Top + result.MeasuredHeight + 1));
}

std::string THTMLButtonControl::AnchorAt(int x, int y)
{
    TCanvas& canvas = Canvas();
    canvas.Font = Font();
    THTMLDrawParams params = CaptionParams();
    params.X = x;
    params.Y = y;
    params.NoDraw = true;
    THTMLDrawResult result;
    if (!HTMLDrawGDI(canvas, Caption(), ButtonHitRect(buttonType_, {ClientWidth(), ClientHeight()}), params, result))
        return {};
    return result.AnchorValue;
}

void THTMLButtonControl::FollowAnchor(const std::string& anchor)
{
    if (IsOpenableLink(anchor))
        OpenLink(anchor);
    else
        AnchorClick(anchor);
}

void THTMLButtonControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button != mbLeft) {
        TCustomControl::MouseDown(button, shift, x, y);
        return;
    }
    // A press on an anchor of the focused control follows the link; any other press goes down on
    // the button. Only a press that came while the control had the focus, on a link or not, can
    // end in a click: released inside, it toggles (or checks) and clicks.
    std::string anchor;
    const bool hadFocus = Focused();
    if (hadFocus)
        anchor = AnchorAt(x, y);
    else if (CanFocus())
        SetFocus();
    pressedByMouse_ = hadFocus;
    if (!anchor.empty()) {
        FollowAnchor(anchor);
    } else {
        TCustomControl::MouseDown(button, shift, x, y);
        SetMouseCapture(true);
        SetDown(true);
    }
    if (ThemedLook())
        InvalidateHotArea();
}

void THTMLButtonControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button != mbLeft) {
        TCustomControl::MouseUp(button, shift, x, y);
        return;
    }
    SetMouseCapture(false);
    SetDown(false);
    const bool pressed = pressedByMouse_;
    pressedByMouse_ = false;
    if (pressed && Focused() && PtInRect(ClientRect(), Point(x, y)))
        ReleasedInside();
    TCustomControl::MouseUp(button, shift, x, y);
    if (ThemedLook())
        InvalidateHotArea();
}

void THTMLButtonControl::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    if (MouseCapture())
        SetDown(PtInRect(ClientRect(), Point(x, y)));
    const std::string anchor = AnchorAt(x, y);
    if (!anchor.empty() && anchor != lastAnchor_) {
        lastAnchor_ = anchor;
        SetCursor(crHandPoint);
        AnchorEnter(anchor);
    } else if (anchor.empty() && Cursor() == crHandPoint) {
        const std::string left = lastAnchor_;
        lastAnchor_.clear();
        SetCursor(savedCursor_);
        AnchorExit(left);
    }
}

void THTMLButtonControl::MouseEnter()
{
    hot_ = true;
    if (ThemedLook())
        InvalidateHotArea();
    TCustomControl::MouseEnter();
}

void THTMLButtonControl::MouseLeave()
{
    hot_ = false;
    if (ThemedLook())
        InvalidateHotArea();
    TCustomControl::MouseLeave();
}

void THTMLButtonControl::KeyDown(unsigned short& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    if (key == VK_RETURN && returnIsTab_) {
        key = 0;
        PostKeyDown(VK_TAB);
    } else if (key == VK_SPACE) {
        SetDown(true);
    }
}

void THTMLButtonControl::KeyUp(unsigned short& key, TShiftState shift)
{
    TCustomControl::KeyUp(key, shift);
    if (key != VK_SPACE)
        return;
    SetDown(false);
    SpaceReleased();
}

void THTMLButtonControl::DoEnter()
{
    Invalidate();
    TCustomControl::DoEnter();
}

void THTMLButtonControl::DoExit()
{
    Invalidate();
    TCustomControl::DoExit();
}

void THTMLButtonControl::TextChanged()
{
    TCustomControl::TextChanged();
    Invalidate();
}

void THTMLButtonControl::EnabledChanged()
{
    TCustomControl::EnabledChanged();
    Invalidate();
}

void THTMLButtonControl::AnchorClick(const std::string& anchor)
{
    if (OnAnchorClick)
        OnAnchorClick(this, anchor);
}

void THTMLButtonControl::AnchorEnter(const std::string& anchor)
{
    if (OnAnchorEnter)
        OnAnchorEnter(this, anchor);
}

void THTMLButtonControl::AnchorExit(const std::string& anchor)
{
    if (OnAnchorExit)
        OnAnchorExit(this, anchor);
}

}  // namespace tarvelon
