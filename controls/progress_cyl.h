#pragma once
// TProgressCyl: an integer progress bar shaded like a lit cylinder, rendered pixel by pixel into a
// 24-bit buffer: each row (each column when vertical) takes a brightness from its distance to a
// highlight line; bevels, a frame and a percentage text with a shadow or an inverting effect are
// drawn over it.
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "controls/dc_smooth_gdip.h"
#include "platform/forms/graphic_control.h"
#include "platform/stdctrls/containers.h"  // TBevelCut
#include "platform/graphics/bitmap.h"

namespace tarvelon {

// The shading parameters of one part of the bar.
class TPCColorStyle {
public:
    int IntensityRGB() const { return intensityRGB_; }
    void SetIntensityRGB(int v) { Store(intensityRGB_, v); }
    float Intensity() const { return intensity_; }
    void SetIntensity(float v) { if (v != 0) Store(intensity_, v); }
    float IntensityFactor() const { return intensityFactor_; }
    void SetIntensityFactor(float v) { Store(intensityFactor_, v); }
    int RangeRGB() const { return rangeRGB_; }
    void SetRangeRGB(int v) { if (v != 0) Store(rangeRGB_, v); }
    int ColorRGB() const { return colorRGB_; }
    void SetColorRGB(int v) { Store(colorRGB_, v); }
    float ColorFactor() const { return colorFactor_; }
    void SetColorFactor(float v) { Store(colorFactor_, v); }
    float LightAngle() const { return lightAngle_; }
    void SetLightAngle(float v) { if (v != 0) Store(lightAngle_, v); }

    // The seven values one by one, through the setters.
    void Assign(const TPCColorStyle& source);

    std::function<void()> OnChange;

private:
    template <typename T>
    void Store(T& field, T value)
    {
        if (StoreChanged(field, value) && OnChange)
            OnChange();
    }

    int intensityRGB_ = 255;
    float intensity_ = 4.0f;
    float intensityFactor_ = -1.0f;
    int rangeRGB_ = 255;
    int colorRGB_ = 255;
    float colorFactor_ = -1.0f;
    float lightAngle_ = -3.0f;
};

enum TProgressBarOrientation { pbHorizontal, pbVertical };
enum TCylinderEffect { ceFlat, ceUltraLow, ceLow, ceMedium, ceHigh, ceMaximum };
enum TFontEffect { feNone, feInvert, feShadowTopLeft, feShadowBottomRight };
enum TFontOrientation { foLeftToRight, foTopToBottom, foBottomToTop };
enum TProEffect { peCustom };

// Per channel (blue, green, red) the factor of a colour's channel value.
using TChannelFactors = std::array<float, 3>;
TChannelFactors CylinderColorFactors(TColor color, const TPCColorStyle& style);
// One channel of a shaded pixel: clamp(trunc((|counter| x step x ColorFactor + ColorRGB) x k), 0, 255).
int CylinderShade(int counter, int step, const TPCColorStyle& style, float k);

class TProgressCyl : public TGraphicControl {
public:
    explicit TProgressCyl(TComponent* owner);
    ~TProgressCyl() override;
    std::string ClassName() const override { return "TProgressCyl"; }

    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Position() const { return position_; }
    void SetPosition(int value);
    int Step() const { return step_; }
    void SetStep(int value) { step_ = value; }
    bool StopAtMax() const { return stopAtMax_; }
    void SetStopAtMax(bool value) { stopAtMax_ = value; }
    TProgressBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TProgressBarOrientation value);
    TColor ForeColor() const { return foreColor_; }
    void SetForeColor(TColor color);
    TColor ForeLineColor() const { return foreLineColor_; }
    void SetForeLineColor(TColor color);
    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor color);
    TColor BackBorderColor() const { return backBorderColor_; }
    void SetBackBorderColor(TColor color);
    TColor BevelColor() const { return bevelColor_; }
    void SetBevelColor(TColor color);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut cut);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut cut);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    TCylinderEffect CylinderEffect() const { return cylinderEffect_; }
    void SetCylinderEffect(TCylinderEffect effect);
    TPCColorStyle& ForeStyle() { return foreStyle_; }
    void SetForeStyle(const TPCColorStyle& style) { foreStyle_.Assign(style); }
    TPCColorStyle& BackStyle() { return backStyle_; }
    void SetBackStyle(const TPCColorStyle& style) { backStyle_.Assign(style); }
    bool ShowText() const { return showText_; }
    void SetShowText(bool show);
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    const std::string& TextDone() const { return textDone_; }
    void SetTextDone(const std::string& text);
    TFontEffect FontEffect() const { return fontEffect_; }
    void SetFontEffect(TFontEffect effect);
    TColor FontShadowColor() const { return fontShadowColor_; }
    void SetFontShadowColor(TColor color);
    TFontOrientation FontOrientation() const { return fontOrientation_; }
    void SetFontOrientation(TFontOrientation orientation);
    TProEffect ProEffect() const { return peCustom; }
    void SetProEffect(TProEffect) {}

    // Derived state.
    int Percentage() const { return percentage_; }
    int FillEdge() const { return fillEdge_; }
    int ShadeStep() const { return shadeStep_; }
    // The text shown ("42%", or TextDone at 100 %).
    std::string ShownText() const;
    // A system colour change: every derived colour again.
    void SysColorChange();
    // How many times the bar was painted.
    int PaintCount() const { return paints_; }

    TNotifyEvent OnProgressDone;

protected:
    void Paint() override;
    void Resize() override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    struct BevelPair {
        TColor topLeft;
        TColor bottomRight;
    };
    int Level() const;
    int Offset() const { return 2 * bevelWidth_ + borderWidth_; }
    bool BarAreaFits(int bevelWidth, int borderWidth) const;
    void ComputeFactors();
    void ComputeBevelColors();
    void ComputeGeometry();
    // Percentage and fill edge again; true when either changed.
    bool ComputeProgress();
    void PrepareFontEffect();
    void Shade(TBitmap& buffer);
    void DrawFrames(TCanvas& canvas);
    void DrawProgressText(TBitmap& buffer);
    template <typename T>
    void StoreAndRepaint(T& field, T value)
    {
        if (StoreChanged(field, value))
            Invalidate();
    }

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int step_ = 1;
    bool stopAtMax_ = true;
    TProgressBarOrientation orientation_ = pbHorizontal;
    TColor foreColor_ = clWhite;
    TColor foreLineColor_ = clHighlight;
    TColor backColor_ = clBtnFace;
    TColor backBorderColor_ = clBlack;
    TColor bevelColor_ = clBtnFace;
    TBevelCut bevelInner_ = bvRaised;
    TBevelCut bevelOuter_ = bvLowered;
    int bevelWidth_ = 1;
    int borderWidth_ = 2;
    TCylinderEffect cylinderEffect_ = ceMaximum;
    TPCColorStyle foreStyle_;
    TPCColorStyle backStyle_;
    bool showText_ = true;
    std::string text_ = "%";
    std::string textDone_;
    TFontEffect fontEffect_ = feShadowBottomRight;
    TColor fontShadowColor_ = clBtnFace;
    TFontOrientation fontOrientation_ = foLeftToRight;

    TChannelFactors foreFactors_{};
    TChannelFactors lineFactors_{};
    TChannelFactors backFactors_{};
    BevelPair innerPair_{};
    BevelPair outerPair_{};
    int shadeStep_ = 0;
    int percentage_ = 0;
    int fillEdge_ = 0;
    int shadowOffset_ = 1;
    bool mouseInside_ = false;
    int paints_ = 0;
};

}  // namespace tarvelon
