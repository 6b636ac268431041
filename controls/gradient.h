#pragma once
// TGradient: a graphic control filled with a two-colour gradient of one of 24 shapes, drawn by
// stretching a small pattern bitmap (at most 512 x 512) built from a 256-colour ramp.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/forms/graphic_control.h"
#include "platform/graphics/bitmap.h"

namespace tarvelon {

enum TGradientStyle {
    gsCustom, gsRadialC, gsRadialT, gsRadialB, gsRadialL, gsRadialR, gsRadialTL, gsRadialTR, gsRadialBL, gsRadialBR,
    gsLinearH, gsLinearV, gsReflectedH, gsReflectedV, gsDiagonalLF, gsDiagonalLB, gsDiagonalRF, gsDiagonalRB,
    gsArrowL, gsArrowR, gsArrowU, gsArrowD, gsDiamond, gsButterfly, gsRadialRect
};

// One ramp entry: blue, green, red, 0.
struct TGradientColor {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t reserved = 0;
    bool operator==(const TGradientColor&) const = default;
};
using TGradientColors = std::array<TGradientColor, 256>;
using TCustomGradientEvent = std::function<void(TObject* sender, const TGradientColors& colors, TBitmap& pattern)>;

// The start and end colours of the ramp: RGB, swapped for Reverse, moved by Shift.
struct TGradientEnds {
    TGradientColor start;
    TGradientColor end;
};
TGradientEnds GradientEnds(TColor begin, TColor end, bool reverse, int shift);
TGradientColors BuildGradientRamp(const TGradientEnds& ends, int rotation);
// The pattern of a style over a ramp (gsCustom without a handler: a 2 x 2 checker of the ends).
void BuildGradientPattern(TGradientStyle style, const TGradientColors& colors, const TGradientEnds& ends,
                          TBitmap& pattern);

class TGradient : public TGraphicControl {
public:
    explicit TGradient(TComponent* owner);
    ~TGradient() override;
    std::string ClassName() const override { return "TGradient"; }

    TColor ColorBegin() const { return colorBegin_; }
    void SetColorBegin(TColor color);
    TColor ColorEnd() const { return colorEnd_; }
    void SetColorEnd(TColor color);
    TGradientStyle Style() const { return style_; }
    void SetStyle(TGradientStyle style);
    int Shift() const { return shift_; }
    void SetShift(int shift);
    int Rotation() const { return rotation_; }
    void SetRotation(int rotation);
    bool Reverse() const { return reverse_; }
    void SetReverse(bool reverse);
    bool UseSysColors() const { return useSysColors_; }
    void SetUseSysColors(bool use);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);

    TCustomGradientEvent OnCustom;

    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    virtual void UpdatePattern();
    virtual void UpdateSysColors();
    // The system's colours changed (they are reloaded when UseSysColors is on).
    void SysColorChange();
    void Loaded() override;

    const TGradientColors& Colors() const { return colors_; }
    TBitmap& Pattern() { return *pattern_; }
    // How many times the pattern was built (for checking that updates are batched).
    int PatternBuilds() const { return builds_; }

protected:
    void Paint() override;

private:
    void ColorChanging(TColor& field, TColor color);

    TColor colorBegin_ = clWhite;
    TColor colorEnd_ = clBtnFace;
    TGradientStyle style_ = gsRadialC;
    int shift_ = 0;
    int rotation_ = 0;
    bool reverse_ = false;
    bool useSysColors_ = false;
    TColor borderColor_ = clWindowFrame;
    int borderWidth_ = 0;
    std::unique_ptr<TBitmap> pattern_;
    TGradientColors colors_{};
    int updateCount_ = 0;
    bool dirty_ = false;
    bool paintingPattern_ = false;
    int builds_ = 0;
};

}  // namespace tarvelon
