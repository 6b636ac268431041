#pragma once
// TDcSmoothPanel: a container painted with the anti-aliased surface: a TGDIPFill background, an
// optional caption line drawn with a gradient, hatch or texture brush and a rule under (or over) it,
// and an optional block of mini-HTML text whose anchors can be clicked.
#include <functional>
#include <memory>
#include <string>

#include "controls/gdip_fill.h"
#include "controls/html_draw_gdip.h"
#include "platform/forms/custom_control.h"

namespace tarvelon {

class TCustomImageList;
class TGDIPPictureContainer;
class TDcSmoothPanel;

enum TDcSmoothPanelLocation {
    plTopLeft, plTopCenter, plTopRight, plCenterLeft, plCenterCenter, plCenterRight, plBottomLeft, plBottomCenter,
    plBottomRight, plCustom
};

using TDcSmoothPanelAnchorClickEvent = std::function<void(TObject* sender, const std::string& anchor)>;
using TDcSmoothPanelDrawEvent = std::function<void(TObject* sender, TCanvas& canvas, const TRect& rect)>;

class TDcSmoothPanelCaption {
public:
    explicit TDcSmoothPanelCaption(TDcSmoothPanel* owner);
    TDcSmoothPanelCaption(const TDcSmoothPanelCaption&) = delete;
    TDcSmoothPanelCaption& operator=(const TDcSmoothPanelCaption&) = delete;

    const std::string& Text() const { return text_; }
    void SetText(const std::string& v) { Store(text_, v); }
    TDcSmoothPanelLocation Location() const { return location_; }
    void SetLocation(TDcSmoothPanelLocation v) { Store(location_, v); }
    int Left() const { return left_; }
    void SetLeft(int v) { Store(left_, v); }
    int Top() const { return top_; }
    void SetTop(int v) { Store(top_, v); }
    TFont& Font() { return *font_; }
    void SetFont(const TFont& font) { font_->Assign(font); }
    TColor ColorStart() const { return colorStart_; }
    void SetColorStart(TColor v) { Store(colorStart_, v); }
    TColor ColorEnd() const { return colorEnd_; }
    void SetColorEnd(TColor v) { Store(colorEnd_, v); }
    int OpacityStart() const { return opacityStart_; }
    void SetOpacityStart(int v) { Store(opacityStart_, v & 0xFF); }
    int OpacityEnd() const { return opacityEnd_; }
    void SetOpacityEnd(int v) { Store(opacityEnd_, v & 0xFF); }
    TDcGradientType GradientType() const { return gradientType_; }
    void SetGradientType(TDcGradientType v) { Store(gradientType_, v); }
    HatchStyle GetHatchStyle() const { return hatchStyle_; }
    void SetHatchStyle(HatchStyle v) { Store(hatchStyle_, v); }
    TDcGDIPPicture& Picture() { return *picture_; }
    void SetPicture(const TDcGDIPPicture& picture) { picture_->Assign(&picture); }
    bool Line() const { return line_; }
    void SetLine(bool v) { Store(line_, v); }
    TColor LineColor() const { return lineColor_; }
    void SetLineColor(TColor v) { Store(lineColor_, v); }
    const std::string& HTMLText() const { return htmlText_; }
    void SetHTMLText(const std::string& v) { Store(htmlText_, v); }
    TFont& HTMLFont() { return *htmlFont_; }
    void SetHTMLFont(const TFont& font) { htmlFont_->Assign(font); }
    TDcSmoothPanelLocation HTMLLocation() const { return htmlLocation_; }
    void SetHTMLLocation(TDcSmoothPanelLocation v) { Store(htmlLocation_, v); }
    int HTMLLeft() const { return htmlLeft_; }
    void SetHTMLLeft(int v) { Store(htmlLeft_, v); }
    int HTMLTop() const { return htmlTop_; }
    void SetHTMLTop(int v) { Store(htmlTop_, v); }
    TColor HTMLURLColor() const { return htmlURLColor_; }
    void SetHTMLURLColor(TColor v) { Store(htmlURLColor_, v); }
    TColor HTMLShadowColor() const { return htmlShadowColor_; }
    void SetHTMLShadowColor(TColor v) { Store(htmlShadowColor_, v); }
    int HTMLShadowOffset() const { return htmlShadowOffset_; }
    void SetHTMLShadowOffset(int v) { Store(htmlShadowOffset_, v); }

    // Every setting but LineColor, then one change.
    void Assign(const TDcSmoothPanelCaption& source);

    TNotifyEvent OnChange;

private:
    template <typename T>
    void Store(T& field, const T& value)
    {
        if (StoreChanged(field, value))
            Changed();
    }
    void Changed();

    TDcSmoothPanel* owner_;
    std::string text_;
    TDcSmoothPanelLocation location_ = plTopLeft;
    int left_ = 0;
    int top_ = 0;
    std::unique_ptr<TFont> font_;
    TColor colorStart_ = clWhite;
    TColor colorEnd_ = clSilver;
    int opacityStart_ = 255;
    int opacityEnd_ = 255;
    TDcGradientType gradientType_ = gtVertical;
    HatchStyle hatchStyle_ = HatchStyleHorizontal;
    std::unique_ptr<TDcGDIPPicture> picture_;
    bool line_ = true;
    TColor lineColor_ = TColor(11563548);  // $B0721C
    std::string htmlText_;
    std::unique_ptr<TFont> htmlFont_;
    TDcSmoothPanelLocation htmlLocation_ = plCenterCenter;
    int htmlLeft_ = 0;
    int htmlTop_ = 0;
    TColor htmlURLColor_ = clBlue;
    TColor htmlShadowColor_ = clGray;
    int htmlShadowOffset_ = 5;
};

// Where a block of tw x th goes in R by the location (plCustom: the given x and y are kept). The
// centre and bottom rows measure from 0, not from R's top, as the panels were laid out.
void GetTextPosition(TDcSmoothPanelLocation location, int tw, int th, const TGPRectF& R, int& x, int& y);

class TDcSmoothPanel : public TCustomControl {
public:
    explicit TDcSmoothPanel(TComponent* owner);
    ~TDcSmoothPanel() override;
    std::string ClassName() const override { return "TDcSmoothPanel"; }

    TDcSmoothPanelCaption& Caption() { return *caption_; }
    void SetCaption(const TDcSmoothPanelCaption& caption) { caption_->Assign(caption); }
    TGDIPFill& Fill() { return *fill_; }
    void SetFill(const TGDIPFill& fill) { fill_->Assign(fill); }
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* images);
    TGDIPPictureContainer* PictureContainer() const { return pictureContainer_; }
    void SetPictureContainer(TGDIPPictureContainer* container);
    std::string Version() const { return "1.0.6.0"; }
    void SetVersion(const std::string&) {}
    // The cursor away from anchors (over an anchor the hand shows).
    TCursor PanelCursor() const { return storedCursor_; }
    void SetPanelCursor(TCursor cursor);

    void Assign(const TDcSmoothPanel& source);
    // The target of the HTML anchor at the client point, or empty.
    std::string IsAnchor(int x, int y);
    // The rectangle of the HTML text as last painted.
    TRect HTMLRect() const { return htmlRect_; }

    // The whole drawing.
    virtual void DrawPanel(TGPGraphics& graphics);

    TDcSmoothPanelAnchorClickEvent OnAnchorClick;
    TDcSmoothPanelDrawEvent OnDraw;

protected:
    void Paint() override;
    void Resize() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    TCursor CursorAt(int x, int y) const override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TDcSmoothPanelCaption;
    void Changed() { Invalidate(); }
    // Caption line; gives the caption's height (0 when there is none).
    float DrawCaptionText(TGPGraphics& graphics, const TGPRectF& content, int shadow);
    void DrawHTMLText(TGPGraphics& graphics, TGPRectF content, float captionHeight, int shadow);
    THTMLDrawGDIPParams TextParams() const;

    std::unique_ptr<TGDIPFill> fill_;
    std::unique_ptr<TDcSmoothPanelCaption> caption_;
    TCustomImageList* images_ = nullptr;
    TGDIPPictureContainer* pictureContainer_ = nullptr;
    TRect htmlRect_;
    bool htmlDrawn_ = false;  // a text too high for the panel is neither shown nor clickable
    bool overAnchor_ = false;
    TCursor storedCursor_ = crDefault;
};

}  // namespace tarvelon
