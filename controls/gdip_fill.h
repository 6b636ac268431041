#pragma once
// TGDIPFill: how a smooth control fills a rectangle (solid, gradients, hatch, texture, a glossy
// lower mirror part, rounded corners, border, soft shadow, background and foreground pictures),
// and the painters built on it: TGDIPProgress (a progress bar) and TGDIPDialogButton (a glossy
// dialog button).
#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "controls/dc_smooth_gdip.h"

namespace tarvelon {

enum TDcGradientType {
    gtSolid, gtRadial, gtVertical, gtHorizontal, gtForwardDiagonal, gtBackwardDiagonal, gtAngle, gtHatch, gtPath,
    gtTexture, gtNone
};
using HatchStyle = TGPHatchStyle;
enum TFillPictureMode { pmInsideFill, pmOutsideFill };
enum TFillPicturePosition {
    ppTopLeft, ppTopCenter, ppTopRight, ppBottomLeft, ppBottomCenter, ppBottomRight, ppTiled, ppStretched,
    ppCenterLeft, ppCenterCenter, ppCenterRight, ppCustom
};
enum TFillPictureSize { psOriginal, psCustom };
enum TFillRoundingType { rtNone, rtTop, rtBottom, rtBoth, rtLeft, rtRight };

// The MIME type under which a fill is put on the clipboard.
inline constexpr const char* kGDIPFillClipboardFormat = "application/x-tarvelon-gdi-plus-fill";
// The clipboard format's name, registered when the program starts.
const std::string& GDIPFillClipboardFormatName();  // "GDI+ Fill"

// A closed path of the rectangle with the chosen corners rounded by the radius.
TGPGraphicsPath CreateRoundRectPath(const TGPRectF& rect, float radius, TFillRoundingType roundingType);

// Where a picture of size pw x ph goes in the box (ppTiled: nowhere, an empty rectangle).
TRect PlacePicture(const TRect& box, int pw, int ph, TFillPicturePosition position, int customLeft, int customTop);

class TGDIPFill {
public:
    TGDIPFill();
    TGDIPFill(const TGDIPFill&) = delete;
    TGDIPFill& operator=(const TGDIPFill&) = delete;

    TColor Color() const { return color_; }
    void SetColor(TColor v) { Store(color_, v); }
    TColor ColorTo() const { return colorTo_; }
    void SetColorTo(TColor v) { Store(colorTo_, v); }
    TColor ColorMirror() const { return colorMirror_; }
    void SetColorMirror(TColor v) { Store(colorMirror_, v); }
    TColor ColorMirrorTo() const { return colorMirrorTo_; }
    void SetColorMirrorTo(TColor v) { Store(colorMirrorTo_, v); }
    TDcGradientType GradientType() const { return gradientType_; }
    void SetGradientType(TDcGradientType v) { Store(gradientType_, v); }
    TDcGradientType GradientMirrorType() const { return gradientMirrorType_; }
    void SetGradientMirrorType(TDcGradientType v) { Store(gradientMirrorType_, v); }
    HatchStyle GetHatchStyle() const { return hatchStyle_; }
    void SetHatchStyle(HatchStyle v) { Store(hatchStyle_, v); }
    HatchStyle HatchStyleMirror() const { return hatchStyleMirror_; }
    void SetHatchStyleMirror(HatchStyle v) { Store(hatchStyleMirror_, v); }
    TFillPictureMode BackGroundPictureMode() const { return backGroundPictureMode_; }
    void SetBackGroundPictureMode(TFillPictureMode v) { Store(backGroundPictureMode_, v); }
    TDcGDIPPicture& BackGroundPicture() { return *backGroundPicture_; }
    void SetBackGroundPicture(const TDcGDIPPicture& picture);
    TFillPicturePosition BackGroundPicturePosition() const { return backGroundPicturePosition_; }
    void SetBackGroundPicturePosition(TFillPicturePosition v) { Store(backGroundPicturePosition_, v); }
    int BackGroundPictureLeft() const { return backGroundPictureLeft_; }
    void SetBackGroundPictureLeft(int v) { Store(backGroundPictureLeft_, v); }
    int BackGroundPictureTop() const { return backGroundPictureTop_; }
    void SetBackGroundPictureTop(int v) { Store(backGroundPictureTop_, v); }
    TDcGDIPPicture& Picture() { return *picture_; }
    void SetPicture(const TDcGDIPPicture& picture);
    TFillPicturePosition PicturePosition() const { return picturePosition_; }
    void SetPicturePosition(TFillPicturePosition v) { Store(picturePosition_, v); }
    int PictureLeft() const { return pictureLeft_; }
    void SetPictureLeft(int v) { Store(pictureLeft_, v); }
    int PictureTop() const { return pictureTop_; }
    void SetPictureTop(int v) { Store(pictureTop_, v); }
    TFillPictureSize PictureSize() const { return pictureSize_; }
    void SetPictureSize(TFillPictureSize v) { Store(pictureSize_, v); }
    int PictureWidth() const { return pictureWidth_; }
    void SetPictureWidth(int v) { Store(pictureWidth_, v); }
    int PictureHeight() const { return pictureHeight_; }
    void SetPictureHeight(int v) { Store(pictureHeight_, v); }
    int Opacity() const { return opacity_; }
    void SetOpacity(int v) { Store(opacity_, v & 0xFF); }
    int OpacityTo() const { return opacityTo_; }
    void SetOpacityTo(int v) { Store(opacityTo_, v & 0xFF); }
    int OpacityMirror() const { return opacityMirror_; }
    void SetOpacityMirror(int v) { Store(opacityMirror_, v & 0xFF); }
    int OpacityMirrorTo() const { return opacityMirrorTo_; }
    void SetOpacityMirrorTo(int v) { Store(opacityMirrorTo_, v & 0xFF); }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor v) { Store(borderColor_, v); }
    int BorderOpacity() const { return borderOpacity_; }
    void SetBorderOpacity(int v) { Store(borderOpacity_, v & 0xFF); }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v) { Store(borderWidth_, v); }
    int Rounding() const { return rounding_; }
    void SetRounding(int v) { Store(rounding_, v); }
    TFillRoundingType RoundingType() const { return roundingType_; }
    void SetRoundingType(TFillRoundingType v) { Store(roundingType_, v); }
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor v) { Store(shadowColor_, v); }
    int ShadowOffset() const { return shadowOffset_; }
    void SetShadowOffset(int v) { Store(shadowOffset_, v); }
    int Angle() const { return angle_; }
    void SetAngle(int v) { Store(angle_, v); }

    // The dotted focus outline drawn inside the border.
    bool Focus() const { return focus_; }
    void SetFocus(bool focus) { focus_ = focus; }
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor color) { focusColor_ = color; }
    // The inner rectangle of the last fill (inside the border).
    TGPRectF InnerRect() const { return inner_; }

    // While updating, changes fire no OnChange.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate() { updateCount_ = std::max(0, updateCount_ - 1); }

    // Copies every property through its setter (each change fires OnChange once).
    void Assign(const TGDIPFill& source);

    // Paints into `rect`; an opacity argument below 255 replaces the property's. Returns the
    // rectangle filled (without the shadow band).
    TGPRectF Fill(TGPGraphics* graphics, TGPRectF rect, int borderOpacity = 255, int opacity = 255,
                  int opacityTo = 255, int mirrorOpacity = 255, int mirrorOpacityTo = 255);

    TNotifyEvent OnChange;

private:
    struct PartColors {
        TDcGradientType kind;
        TColor first;
        TColor second;
        int firstAlpha;
        int secondAlpha;
        HatchStyle hatch;
    };
    template <typename T>
    void Store(T& field, T value)
    {
        if (StoreChanged(field, value))
            Changed();
    }
    void Changed();
    void AssignPicture(TDcGDIPPicture& held, const TDcGDIPPicture& picture);
    void PaintPart(TGPGraphics& graphics, const TGPRectF& rect, const PartColors& colors, bool mirror);
    void PaintRadial(TGPGraphics& graphics, const TGPRectF& rect, const PartColors& colors, TFillRoundingType rounding,
                     bool upper);
    TFillRoundingType PartRounding(bool mirror) const;
    void PaintShadow(TGPGraphics& graphics, const TGPRectF& rect);
    void PaintBorder(TGPGraphics& graphics, const TGPRectF& rect, int borderOpacity);
    void PaintFocus(TGPGraphics& graphics, int opacity);
    void PlacePictureIn(TGPGraphics& graphics, TDcGDIPPicture& picture, const TGPRectF& rect,
                        TFillPicturePosition position, int left, int top, bool ownSize);

    TColor color_ = 0xC0C0C0;
    TColor colorTo_ = 0x808080;
    TColor colorMirror_ = clNone;
    TColor colorMirrorTo_ = clNone;
    TDcGradientType gradientType_ = gtVertical;
    TDcGradientType gradientMirrorType_ = gtSolid;
    HatchStyle hatchStyle_ = HatchStyleHorizontal;
    HatchStyle hatchStyleMirror_ = HatchStyleHorizontal;
    TFillPictureMode backGroundPictureMode_ = pmOutsideFill;
    std::unique_ptr<TDcGDIPPicture> backGroundPicture_;
    TFillPicturePosition backGroundPicturePosition_ = ppTopLeft;
    int backGroundPictureLeft_ = 0;
    int backGroundPictureTop_ = 0;
    std::unique_ptr<TDcGDIPPicture> picture_;
    TFillPicturePosition picturePosition_ = ppTopLeft;
    int pictureLeft_ = 0;
    int pictureTop_ = 0;
    TFillPictureSize pictureSize_ = psOriginal;
    int pictureWidth_ = 50;
    int pictureHeight_ = 50;
    int opacity_ = 255;
    int opacityTo_ = 255;
    int opacityMirror_ = 255;
    int opacityMirrorTo_ = 255;
    TColor borderColor_ = clNone;
    int borderOpacity_ = 255;
    int borderWidth_ = 1;
    int rounding_ = 0;
    TFillRoundingType roundingType_ = rtBoth;
    TColor shadowColor_ = 0x808080;
    int shadowOffset_ = 0;
    int angle_ = 0;

    int updateCount_ = 0;
    bool focus_ = false;
    TColor focusColor_ = clBlack;
    TGPRectF inner_;
};

// ---- progress painter -------------------------------------------------------------------------

enum TGDIPProgressValueType { vtPercentage, vtAbsolute };
enum TGDIPProgressValuePosition { vpProgressCenter, vpProgressRight, vpCenter, vpLeft, vpRight, vpCustom };

// The value text: `format` with one number (printf-style, one floating-point conversion and "%%");
// a format of any other shape is shown as it is.
std::string FormatProgressValue(const std::string& format, double value);

class TGDIPProgress {
public:
    TGDIPProgress();
    TGDIPProgress(const TGDIPProgress&) = delete;
    TGDIPProgress& operator=(const TGDIPProgress&) = delete;

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { Store(transparent_, v); }
    TGDIPFill& BackGroundFill() { return *backGroundFill_; }
    void SetBackGroundFill(const TGDIPFill& fill);
    TGDIPFill& ProgressFill() { return *progressFill_; }
    void SetProgressFill(const TGDIPFill& fill);
    TFont& Font() { return *font_; }
    void SetFont(const TFont& font);
    TFont& ProgressFont() { return *progressFont_; }
    void SetProgressFont(const TFont& font);
    const std::string& ValueFormat() const { return valueFormat_; }
    void SetValueFormat(const std::string& v) { Store(valueFormat_, v); }
    TGDIPProgressValueType ValueType() const { return valueType_; }
    void SetValueType(TGDIPProgressValueType v) { Store(valueType_, v); }
    TGDIPProgressValuePosition ValuePosition() const { return valuePosition_; }
    void SetValuePosition(TGDIPProgressValuePosition v) { Store(valuePosition_, v); }
    int ValuePositionLeft() const { return valuePositionLeft_; }
    void SetValuePositionLeft(int v) { Store(valuePositionLeft_, v); }
    int ValuePositionTop() const { return valuePositionTop_; }
    void SetValuePositionTop(int v) { Store(valuePositionTop_, v); }
    bool ValueVisible() const { return valueVisible_; }
    void SetValueVisible(bool v) { Store(valueVisible_, v); }

    void Assign(const TGDIPProgress& source);

    // The bar inside the background's border, and its done part for a value.
    TRect InsideRect(const TRect& rect) const;
    TGPRectF ProgressRect(const TRect& rect, double minimum, double maximum, double value) const;
    // The value text as shown for a value.
    std::string ValueText(double minimum, double maximum, double value) const;

    void Draw(TGPGraphics& graphics, const TRect& rect, double minimum, double maximum, double value);

    TNotifyEvent OnChange;

private:
    template <typename T>
    void Store(T& field, T value)
    {
        if (StoreChanged(field, value))
            Changed();
    }
    void Changed();
    void DrawValue(TGPGraphics& graphics, const TRect& rect, double minimum, double maximum, double value);

    bool transparent_ = false;
    std::unique_ptr<TGDIPFill> backGroundFill_;
    std::unique_ptr<TGDIPFill> progressFill_;
    std::unique_ptr<TFont> font_;
    std::unique_ptr<TFont> progressFont_;
    std::string valueFormat_ = "%.0f%%";
    TGDIPProgressValueType valueType_ = vtAbsolute;
    TGDIPProgressValuePosition valuePosition_ = vpCenter;
    int valuePositionLeft_ = 0;
    int valuePositionTop_ = 0;
    bool valueVisible_ = false;
};

// The darker ends of a bar (10 pixels each side) and its glass highlight.
void DrawEndShading(TGPGraphics& graphics, const TGPRectF& rect);
void DrawGlass(TGPGraphics& graphics, const TRect& inside);

// ---- dialog button painter -------------------------------------------------------------------

enum TGDIPButtonLayout { blPictureLeft, blPictureRight, blPictureBottom, blPictureTop, blNone };

class TGDIPDialogButton {
public:
    TGDIPDialogButton();
    virtual ~TGDIPDialogButton() = default;
    TGDIPDialogButton(const TGDIPDialogButton&) = delete;
    TGDIPDialogButton& operator=(const TGDIPDialogButton&) = delete;

    TFont& Font() { return *font_; }
    void SetFont(const TFont& font);
    TGDIPButtonLayout Layout() const { return layout_; }
    void SetLayout(TGDIPButtonLayout v);
    int Spacing() const { return spacing_; }
    void SetSpacing(int v);

    void Assign(const TGDIPDialogButton& source);

    void Draw(TGPGraphics& graphics, const std::string& caption, int left, int top, int width, int height,
              TColor color, TColor focusColor, int focusWidth, int focusAlpha, int colorAlpha, bool focused,
              bool pressed, TDcGDIPPicture* picture, bool drawInRect);

    TNotifyEvent OnChange;

private:
    void Changed();

    std::unique_ptr<TFont> font_;
    TGDIPButtonLayout layout_ = blPictureLeft;
    int spacing_ = 3;
};

}  // namespace tarvelon
