#pragma once
// TRichLabel: a label whose text is mini-HTML drawn by the text engine, on a plain or gradient
// background with bevels and a border, with shadows, anchors (hover colours, hand cursor, hints)
// and automatic sizing to its text. It has no window of its own: it draws on its parent.
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/form.h"
#include "platform/forms/graphic_control.h"
#include "platform/graphics/image_list.h"
#include "platform/stdctrls/bevel_cut.h"
#include "richtext/html_draw_gdi.h"

namespace tarvelon {

class THTMLPictureCache;
class TPictureContainer;

enum TAutoSizeType { asVertical, asHorizontal, asBoth };
using TPanelBevel = TBevelCut;  // the panels' own bevels
// bsNone or bsSingle, the values of the forms' border style.
using TBorderStyle = TFormBorderStyle;
enum TGradientType { gtFullHorizontal, gtFullVertical, gtBottomLine, gtCenterLine, gtTopLine };
enum TVAlignment { tvaTop, tvaCenter, tvaBottom };

using TRichAnchorEvent = std::function<void(TObject* sender, const std::string& anchor)>;
using TRichAnchorHintEvent = std::function<void(TObject* sender, std::string& anchor)>;

class TRichLabel : public TGraphicControl {
public:
    explicit TRichLabel(TComponent* owner);
    ~TRichLabel() override;
    std::string ClassName() const override { return "TRichLabel"; }

    // The text as lines; setting it joins them with every CR and LF removed (lines that should
    // break carry <BR>).
    const std::vector<std::string>& HTMLText() const { return htmlText_; }
    void SetHTMLText(const std::vector<std::string>& lines);
    void SetHTMLText(const std::string& text);

    bool AnchorHint() const { return anchorHint_; }
    void SetAnchorHint(bool anchorHint) { anchorHint_ = anchorHint; }
    bool AutoSizing() const { return autoSizing_; }
    void SetAutoSizing(bool autoSizing);
    TAutoSizeType AutoSizeType() const { return autoSizeType_; }
    void SetAutoSizeType(TAutoSizeType type);
    TPanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel bevel);
    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel bevel);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color);
    TColor ColorTo() const { return colorTo_; }
    void SetColorTo(TColor color);
    TGradientType GradientType() const { return gradientType_; }
    void SetGradientType(TGradientType type);
    int LineWidth() const { return lineWidth_; }
    void SetLineWidth(int width);
    bool Ellipsis() const { return ellipsis_; }
    void SetEllipsis(bool ellipsis);
    bool HintShowFull() const { return hintShowFull_; }
    void SetHintShowFull(bool full) { hintShowFull_ = full; }
    bool HTMLHint() const { return htmlHint_; }
    void SetHTMLHint(bool html) { htmlHint_ = html; }
    bool Hover() const { return hover_; }
    void SetHover(bool hover) { hover_ = hover; }
    TColor HoverColor() const { return hoverColor_; }
    void SetHoverColor(TColor color) { hoverColor_ = color; }
    TColor HoverFontColor() const { return hoverFontColor_; }
    void SetHoverFontColor(TColor color) { hoverFontColor_ = color; }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    int LineSpacing() const { return lineSpacing_; }
    void SetLineSpacing(int spacing);
    TPictureContainer* PictureContainer() const { return pictureContainer_; }
    void SetPictureContainer(TPictureContainer* container);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor color);
    int ShadowOffset() const { return shadowOffset_; }
    void SetShadowOffset(int offset);
    TColor URLColor() const { return urlColor_; }
    void SetURLColor(TColor color);
    TVAlignment VAlignment() const { return vAlignment_; }
    void SetVAlignment(TVAlignment alignment);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    std::string Version() const { return "1.6.0.0"; }
    THTMLPictureCache& PictureCache() { return *pictureCache_; }

    // While above 0, painting draws no frames (BeginUpdate / EndUpdate).
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();

    // The lines of HTMLText joined with one blank.
    virtual std::string GetDisplayText() const;
    // Calls the text engine with the label's settings; keeps the measured size.
    virtual bool HTMLPaint(TCanvas& canvas, const std::string& text, const TRect& rect, int x, int y,
                           int hoverLink, bool noDraw, THTMLDrawResult& result);
    // The link of the anchor under a client point (empty when none) and its rectangle.
    std::string IsAnchor(int x, int y, TRect& anchorRect, int& anchorNumber);
    int MeasuredWidth() const { return measuredWidth_; }
    int MeasuredHeight() const { return measuredHeight_; }
    int HoveredAnchor() const { return hoverAnchor_; }

    void Loaded() override;

    TRichAnchorEvent OnAnchorClick;
    TRichAnchorEvent OnAnchorEnter;
    TRichAnchorEvent OnAnchorExit;
    TRichAnchorHintEvent OnAnchorHint;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void Paint() override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;
    bool HintShow(THintInfo& info) override;

    virtual void AnchorClick(const std::string& anchor);
    virtual void AnchorEnter(const std::string& anchor);
    virtual void AnchorExit(const std::string& anchor);
    virtual void AnchorHintText(std::string& anchor);

private:
    void Changed();
    void PaintBackground(TCanvas& canvas, const TRect& client);
    void PaintLineGradient(TCanvas& canvas, const TRect& client);
    TRect PaintFrames(TCanvas& canvas, TRect rect);
    void PaintLabel(TCanvas& canvas);
    bool GrowsHorizontally() const;
    bool GrowsVertically() const;
    void InvalidateOnParent(const TRect& rect);
    void InvalidateAnchor(const TRect& rect);
    std::string PlainHint() const;

    std::vector<std::string> htmlText_;
    bool anchorHint_ = false;
    bool autoSizing_ = false;
    TAutoSizeType autoSizeType_ = asVertical;
    TPanelBevel bevelInner_ = bvNone;
    TPanelBevel bevelOuter_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TBorderStyle borderStyle_ = bsNone;
    TColor borderColor_ = clBlack;
    TColor colorTo_ = clNone;
    TGradientType gradientType_ = gtFullHorizontal;
    int lineWidth_ = 2;
    bool ellipsis_ = false;
    bool hintShowFull_ = false;
    bool htmlHint_ = false;
    bool hover_ = false;
    TColor hoverColor_ = clNone;
    TColor hoverFontColor_ = clNone;
    TImageList* images_ = nullptr;
    int lineSpacing_ = 0;
    TPictureContainer* pictureContainer_ = nullptr;
    TColor shadowColor_ = clGray;
    int shadowOffset_ = 2;
    TColor urlColor_ = clBlue;
    TVAlignment vAlignment_ = tvaTop;
    bool transparent_ = false;
    std::unique_ptr<THTMLPictureCache> pictureCache_;

    std::string hoverLink_;
    int hoverAnchor_ = -1;
    TRect hoverRect_;
    int measuredWidth_ = 0;
    int measuredHeight_ = 0;
    int updateCount_ = 0;
};

}  // namespace tarvelon
