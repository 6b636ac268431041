#pragma once
// Fonts and string formats of the anti-aliased drawing layer, and the layout of a string in a
// box (shared by DrawString and MeasureString).
#include <QFont>
#include <QPointF>
#include <string>
#include <vector>

#include "platform/graphics/font.h"
#include "platform/graphics/gdiplus_types.h"
#include "platform/graphics/text_layout.h"

namespace tarvelon {

class TGPFontFamily {
public:
    // A family the game can draw: one of the faces it names (font_faces.h) or an installed one;
    // otherwise Status() is FontFamilyNotFound.
    explicit TGPFontFamily(const std::string& name);
    TGPStatus Status() const { return status_; }
    const std::string& Name() const { return name_; }

private:
    std::string name_;
    TGPStatus status_;
};

class TGPFont {
public:
    // `emSize` in `unit` (points are 96/72 pixels); style bits of TGPFontStyle.
    TGPFont(const TGPFontFamily& family, float emSize, int style = FontStyleRegular, TGPUnit unit = UnitPoint);
    TGPFont(const std::string& familyName, float emSize, int style = FontStyleRegular, TGPUnit unit = UnitPoint);
    // The same face, size (points) and style as a canvas font.
    explicit TGPFont(const TFont& font);

    TGPStatus Status() const { return status_; }
    float SizeInPixels() const { return pixels_; }
    int Style() const { return style_; }
    const QFont& ToQFont() const { return font_; }

private:
    void Build(const std::string& name, float emSize, int style, TGPUnit unit);

    QFont font_;
    float pixels_ = 0;
    int style_ = FontStyleRegular;
    TGPStatus status_ = Ok;
};

class TGPStringFormat {
public:
    explicit TGPStringFormat(int flags = 0) : flags_(flags) {}
    // Default: a small margin of a sixth of the font size on each side of a line, trimming at a
    // character. Typographic: no margin, no trimming.
    static TGPStringFormat GenericDefault();
    static TGPStringFormat GenericTypographic();

    int Flags() const { return flags_; }
    void SetFormatFlags(int flags) { flags_ = flags; }
    TGPStringAlignment Alignment() const { return alignment_; }
    void SetAlignment(TGPStringAlignment alignment) { alignment_ = alignment; }
    TGPStringAlignment LineAlignment() const { return lineAlignment_; }
    void SetLineAlignment(TGPStringAlignment alignment) { lineAlignment_ = alignment; }
    TGPStringTrimming Trimming() const { return trimming_; }
    void SetTrimming(TGPStringTrimming trimming) { trimming_ = trimming; }
    TGPHotkeyPrefix HotkeyPrefix() const { return prefix_; }
    void SetHotkeyPrefix(TGPHotkeyPrefix prefix) { prefix_ = prefix; }
    bool Typographic() const { return typographic_; }

private:
    int flags_ = 0;
    TGPStringAlignment alignment_ = StringAlignmentNear;
    TGPStringAlignment lineAlignment_ = StringAlignmentNear;
    TGPStringTrimming trimming_ = StringTrimmingCharacter;
    TGPHotkeyPrefix prefix_ = HotkeyPrefixNone;
    bool typographic_ = false;
};

// A string laid out in a box: its lines with their places.
struct TStringLayout {
    struct Line {
        QString text;
        int underline = -1;
        QPointF origin;  // top-left of the line's text
        double width = 0;
    };
    std::vector<Line> lines;
    TGPRectF bounds;        // what MeasureString reports (margins included)
    int charactersFitted = 0;
    int linesFilled = 0;
    double lineHeight = 0;
};

// A box of width or height 0 has no limit in that direction.
TStringLayout LayoutString(const std::string& text, const TGPFont& font, const TGPRectF& box, const TGPStringFormat& format);

}  // namespace tarvelon
