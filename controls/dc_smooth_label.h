#pragma once
// TDcSmoothLabel: a windowless label drawing one caption with an anti-aliased brush (solid,
// gradient over the text's own box, hatch or texture), over an optional fill, with an optional
// shadow caption drawn first at an offset.
#include <memory>
#include <string>

#include "controls/gdip_fill.h"
#include "platform/forms/graphic_control.h"

namespace tarvelon {

enum TDcSmoothLabelLocation {
    plTopLeft, plTopCenter, plTopRight, plCenterLeft, plCenterCenter, plCenterRight, plBottomLeft, plBottomCenter,
    plBottomRight, plCustom
};
enum TTextRenderingHint { tAntiAlias, tClearType };

// Stores a property's new value and signals the change, only when it differs.
template <typename T, typename Changed>
void StoreChange(T& field, const T& value, Changed changed)
{
    if (field == value)
        return;
    field = value;
    changed();
}

class TDcSmoothLabelCaption {
public:
    TDcSmoothLabelCaption();
    TDcSmoothLabelCaption(const TDcSmoothLabelCaption&) = delete;
    TDcSmoothLabelCaption& operator=(const TDcSmoothLabelCaption&) = delete;
    ~TDcSmoothLabelCaption();

    // Copies everything but the font, then signals one change.
    void Assign(const TDcSmoothLabelCaption& source);

    const std::string& Text() const { return text_; }
    void SetText(const std::string& value) { Store(text_, value); }
    TDcSmoothLabelLocation Location() const { return location_; }
    void SetLocation(TDcSmoothLabelLocation value) { Store(location_, value); }
    int Left() const { return left_; }
    void SetLeft(int value) { Store(left_, value); }
    int Top() const { return top_; }
    void SetTop(int value) { Store(top_, value); }
    TFont& Font() { return *font_; }
    const TFont& Font() const { return *font_; }
    void SetFont(const TFont& font) { font_->Assign(font); }
    TColor ColorStart() const { return colorStart_; }
    void SetColorStart(TColor value) { Store(colorStart_, value); }
    TColor ColorEnd() const { return colorEnd_; }
    void SetColorEnd(TColor value) { Store(colorEnd_, value); }
    int OpacityStart() const { return opacityStart_; }
    void SetOpacityStart(int value) { Store(opacityStart_, value & 0xFF); }
    int OpacityEnd() const { return opacityEnd_; }
    void SetOpacityEnd(int value) { Store(opacityEnd_, value & 0xFF); }
    TDcGradientType GradientType() const { return gradientType_; }
    void SetGradientType(TDcGradientType value) { Store(gradientType_, value); }
    HatchStyle GetHatchStyle() const { return hatchStyle_; }
    void SetHatchStyle(HatchStyle value) { Store(hatchStyle_, value); }
    TDcGDIPPicture& Picture() { return *picture_; }
    const TDcGDIPPicture& Picture() const { return *picture_; }
    void SetPicture(const TDcGDIPPicture& picture) { picture_->Assign(&picture); }

    TNotifyEvent OnChange;

private:
    template <typename T>
    void Store(T& field, const T& value)
    {
        StoreChange(field, value, [this] { Changed(); });
    }
    void Changed()
    {
        if (OnChange)
            OnChange(nullptr);
    }

    std::string text_;
    TDcSmoothLabelLocation location_ = plCenterCenter;
    int left_ = 0;
    int top_ = 0;
    std::unique_ptr<TFont> font_;
    TColor colorStart_ = 0xFFE09F;
    TColor colorEnd_ = 0x754F00;
    int opacityStart_ = 255;
    int opacityEnd_ = 255;
    TDcGradientType gradientType_ = gtVertical;
    HatchStyle hatchStyle_ = HatchStyleHorizontal;
    std::unique_ptr<TDcGDIPPicture> picture_;
};

class TDcSmoothLabel : public TGraphicControl {
public:
    explicit TDcSmoothLabel(TComponent* owner);
    ~TDcSmoothLabel() override;
    std::string ClassName() const override { return "TDcSmoothLabel"; }

    // From another smooth label: fill, both captions, switches and offsets; then one change.
    void Assign(const TDcSmoothLabel& source);

    TDcSmoothLabelCaption& Caption() { return *caption_; }
    void SetCaption(const TDcSmoothLabelCaption& value) { caption_->Assign(value); }
    TDcSmoothLabelCaption& CaptionShadow() { return *captionShadow_; }
    void SetCaptionShadow(const TDcSmoothLabelCaption& value) { captionShadow_->Assign(value); }
    bool CaptionShadowVisible() const { return shadowVisible_; }
    void SetCaptionShadowVisible(bool value) { Store(shadowVisible_, value); }
    int CaptionShadowOffsetLeft() const { return shadowLeft_; }
    void SetCaptionShadowOffsetLeft(int value) { Store(shadowLeft_, value); }
    int CaptionShadowOffsetTop() const { return shadowTop_; }
    void SetCaptionShadowOffsetTop(int value) { Store(shadowTop_, value); }
    TGDIPFill& Fill() { return *fill_; }
    void SetFill(const TGDIPFill& value) { fill_->Assign(value); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value) { Store(transparent_, value); }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value) { Store(wordWrap_, value); }
    TTextRenderingHint TextRendering() const { return textRendering_; }
    void SetTextRendering(TTextRenderingHint value) { Store(textRendering_, value); }
    std::string Version() const { return "1.5.0.0"; }
    void SetVersion(const std::string&) {}

    // Fired after every change (and its repaint).
    TNotifyEvent OnChange;

protected:
    void Paint() override;

private:
    template <typename T>
    void Store(T& field, const T& value)
    {
        StoreChange(field, value, [this] { Changed(); });
    }
    void Changed();
    void DrawCaption(TGPGraphics& graphics, const TDcSmoothLabelCaption& caption, const TGPRectF& r, int dx, int dy);

    std::unique_ptr<TDcSmoothLabelCaption> caption_;
    std::unique_ptr<TDcSmoothLabelCaption> captionShadow_;
    std::unique_ptr<TGDIPFill> fill_;
    bool shadowVisible_ = false;
    int shadowLeft_ = 1;
    int shadowTop_ = 1;
    bool transparent_ = true;
    bool wordWrap_ = false;
    TTextRenderingHint textRendering_ = tAntiAlias;
};

// Registers TDcSmoothLabel and its stored properties for the form descriptions.
void RegisterDcSmoothLabel();

}  // namespace tarvelon
