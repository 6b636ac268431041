#pragma once
// TFont: a font as the forms describe it. Size is in points, Height in pixels at the fixed 96 dots
// per inch of the game (a negative Height is the character height without internal leading, as the
// forms store it; a positive one the whole cell height). The faces the game names resolve to
// installed metric-compatible faces (see font_faces.h).
#include <string>

#include "platform/graphics/color.h"
#include "platform/graphics/enum_set.h"
#include "platform/graphics/graphics_object.h"

class QFont;

namespace tarvelon {

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

enum TFontPitch { fpDefault, fpVariable, fpFixed };

enum : int { ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, SYMBOL_CHARSET = 2 };

inline constexpr int kScreenDpi = 96;

// Pixel height (negative) of a size in points, and back, rounding half away from zero.
int FontHeightOfSize(int points);
int FontSizeOfHeight(int height);

class TFont : public TGraphicsObject {
public:
    TFont();
    TFont(const TFont& other);
    TFont& operator=(const TFont& other);

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    int Size() const { return FontSizeOfHeight(height_); }
    void SetSize(int points);
    int Height() const { return height_; }
    void SetHeight(int pixels);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    // Angle of the baseline in tenths of degrees, counter-clockwise.
    int Orientation() const { return orientation_; }
    void SetOrientation(int tenths);
    int Charset() const { return charset_; }
    void SetCharset(int charset);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch pitch);

    // Copies every property (not OnChange) and reports one change.
    void Assign(const TFont& source);
    bool SameAs(const TFont& other) const;

    // The Qt font of these properties (pixel sized, without the rotation).
    QFont ToQFont() const;

private:
    std::string name_ = "Tahoma";
    int height_ = -11;
    TColor color_ = clWindowText;
    TFontStyles style_;
    int orientation_ = 0;
    int charset_ = DEFAULT_CHARSET;
    TFontPitch pitch_ = fpDefault;
};

}  // namespace tarvelon
