#pragma once
// The per-column elements: the cell painter base of the column kinds and the mouse element. Each is
// created with its column and works on the grid's canvas in one rectangle at a time.
#include <cstdint>
#include <functional>
#include <string>

#include "grid/dg_cell_kind.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/color.h"
#include "platform/graphics/geometry.h"

namespace tarvelon {

class TDgCustomColumn;

// The value of one cell as the grid hands it to the column for painting and for its text.
struct TCellInfo {
    int Col = -1;
    int Row = -1;
    bool BoolValue = false;
    double DateValue = 0;
    double FloatValue = 0;
    std::int32_t IntValue = 0;
    class TObject* ObjectValue = nullptr;
    std::string TextValue;
};

class TVirtualColElement {
public:
    explicit TVirtualColElement(TDgCustomColumn* column) : Column(column) {}
    virtual ~TVirtualColElement() = default;
    TVirtualColElement(const TVirtualColElement&) = delete;
    TVirtualColElement& operator=(const TVirtualColElement&) = delete;

    TDgCustomColumn* Column;
    TCanvas* Canvas = nullptr;  // the grid's canvas while it paints or handles a click
    TRect Rect{};
};

class TColumnDisplay : public TVirtualColElement {
public:
    using TVirtualColElement::TVirtualColElement;

    TCellInfo Info;        // the value being painted
    bool Selected = false;

    virtual void Paint() {}
    virtual TRect GetTextRect() const { return Rect; }
    virtual int GetContentWidth() { return 0; }
    // The height the cell's content needs, for fitting a row to its cells.
    virtual int GetContentHeight() { return 0; }

    // The column's text flags (alignment, reading order, wrapping); `cellText` adds the ellipsis kinds.
    std::uint32_t TextFlags(bool cellText) const;
    // Draws the text transparently with the column's flags.
    void DrawTextRect(const std::string& text, TRect rect, bool cellText = true);
    // Width and height of the text with the same flags.
    TSize MeasureText(const std::string& text, TRect rect, bool cellText = true);
    // The red hint triangle in the top-right corner of the rectangle.
    void DrawHintSign(const TRect& rect);
    void FillRect(const TRect& rect, TColor color, bool frame = false);
};

// The mouse element of a kind: the grid copies the cell into it before a click and back after it.
class TColumnPlay : public TVirtualColElement {
public:
    using TVirtualColElement::TVirtualColElement;

    int Col = -1;
    int Row = -1;
    bool BoolValue = false;
    std::int32_t IntValue = 0;
    std::string TextValue;

    virtual void MouseDown(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {}
    virtual void MouseMove(int /*shift*/, int /*x*/, int /*y*/) {}
    virtual void MouseUp(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {}
    virtual void KeyPress(char32_t& /*key*/) {}
    // Asks the grid to open or close the element's row (the tree button).
    std::function<void(TColumnPlay*)> OnToggle;
    // Asks the grid to write the element's value back to its cell.
    std::function<void(TColumnPlay*)> OnApply;
};

}  // namespace tarvelon
