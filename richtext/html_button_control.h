#pragma once
// What the rich-text check box and radio button have in common as controls: a box in one of six
// looks beside a mini-HTML caption drawn by the text engine, anchors in the caption that open their
// links or report them, the pressed look under the mouse and the space key, transparency.
#include <memory>
#include <string>

#include "platform/forms/custom_control.h"
#include "platform/graphics/image_list.h"
#include "richtext/html_button_look.h"

namespace tarvelon {

class THTMLPictureCache;
class TPictureContainer;

class THTMLButtonControl : public TCustomControl {
public:
    explicit THTMLButtonControl(TComponent* owner);
    ~THTMLButtonControl() override;
    std::string ClassName() const override { return "THTMLButtonControl"; }

    TLeftRight Alignment() const { return alignment_; }
    void SetAlignment(TLeftRight alignment);
    TButtonType ButtonType() const { return buttonType_; }
    void SetButtonType(TButtonType type);
    TTextLayout ButtonVertAlign() const { return buttonVertAlign_; }
    void SetButtonVertAlign(TTextLayout align);
    TColor CheckColor() const { return checkColor_; }
    void SetCheckColor(TColor color);
    bool Down() const { return down_; }
    void SetDown(bool down);
    bool Ellipsis() const { return ellipsis_; }
    void SetEllipsis(bool ellipsis);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    TPictureContainer* PictureContainer() const { return pictureContainer_; }
    void SetPictureContainer(TPictureContainer* container);
    bool ReturnIsTab() const { return returnIsTab_; }
    void SetReturnIsTab(bool returnIsTab) { returnIsTab_ = returnIsTab; }
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor color);
    int ShadowOffset() const { return shadowOffset_; }
    void SetShadowOffset(int offset);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    TColor URLColor() const { return urlColor_; }
    void SetURLColor(TColor color);
    std::string Version() const { return kHTMLButtonVersion; }
    THTMLPictureCache& PictureCache() { return *pictureCache_; }

    // The caption's accelerator key was pressed (true when it was this control's).
    bool DialogChar(char32_t key);
    // The link of the anchor under a client point, empty when none.
    std::string AnchorAt(int x, int y);

    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;

    TAnchorClick OnAnchorClick;
    TAnchorClick OnAnchorEnter;
    TAnchorClick OnAnchorExit;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void KeyUp(unsigned short& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void TextChanged() override;
    void EnabledChanged() override;

    virtual void AnchorClick(const std::string& anchor);
    virtual void AnchorEnter(const std::string& anchor);
    virtual void AnchorExit(const std::string& anchor);

    // What the box shows (the base fills in the common part).
    virtual TButtonFace Face() const;
    // A press and release inside the control; the space key released; the accelerator pressed.
    virtual void ReleasedInside() = 0;
    virtual void SpaceReleased() = 0;
    virtual void Accelerated() = 0;
    // What changes with the hot and pressed looks of the themed boxes.
    virtual void InvalidateHotArea() = 0;
    bool ThemedLook() const;

private:
    // Stores a property's new value and repaints when it changed.
    template <typename T>
    void Store(T& member, const T& value)
    {
        if (member == value)
            return;
        member = value;
        Invalidate();
    }
    THTMLDrawParams CaptionParams() const;
    // Opens an address or mail link; any other link is reported.
    void FollowAnchor(const std::string& anchor);

    TLeftRight alignment_ = taLeftJustify;
    TButtonType buttonType_ = btClassic;
    TTextLayout buttonVertAlign_ = tlTop;
    TColor checkColor_ = clBlack;
    bool down_ = false;
    bool ellipsis_ = false;
    TImageList* images_ = nullptr;
    TPictureContainer* pictureContainer_ = nullptr;
    bool returnIsTab_ = false;
    TColor shadowColor_ = clGray;
    int shadowOffset_ = 1;
    bool transparent_ = false;
    TColor urlColor_ = clBlue;
    std::unique_ptr<THTMLPictureCache> pictureCache_;

    bool hot_ = false;
    // A press that came while the control had the focus (a press that only focuses never toggles).
    bool pressedByMouse_ = false;
    TCursor savedCursor_ = crDefault;
    std::string lastAnchor_;
};

}  // namespace tarvelon
