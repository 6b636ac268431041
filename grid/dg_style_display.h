#pragma once
// The looks of the grid's frame parts: column headers, the corner above the indicator, footers,
// indicator cells, sort arrows and the input line. TStyleDisplay draws the plain look; each
// subclass is one HeaderStyle of the grid.
#include <string>

#include "platform/graphics/canvas.h"
#include "platform/graphics/color.h"
#include "platform/graphics/geometry.h"

namespace tarvelon {

class TDgCustomGridControl;
class TDgCustomColumn;

// StyleFeatures bits.
enum : int { sfTracksMouse = 1, sfInvertsPressed = 2, sfDrawsOwnArrow = 4 };

class TStyleDisplay {
public:
    explicit TStyleDisplay(TDgCustomGridControl* owner);
    virtual ~TStyleDisplay() = default;

    virtual void Assign(const TStyleDisplay& source);
    virtual int GetContentMargin(TDgCustomColumn* column) const;
    virtual int GetStyleFeatures() const { return 0; }
    virtual void AdjustCaptionRect(TRect& rect) const {}
    virtual void DrawSortArrow(int x, int y, bool ascending);
    virtual void DrawFooterContent(TDgCustomColumn* column, const TRect& rect);
    virtual void DrawHeaderContent(TDgCustomColumn* column, const TRect& rect);
    virtual void DrawHeaderFill(const TRect& rect) { DrawHeaderBackground(rect, 0); }
    // state: 0 normal, 1 pressed.
    virtual void DrawHeaderBackground(const TRect& rect, int state);
    virtual void DrawFooter(TDgCustomColumn* column, const TRect& rect, bool focused);
    void DrawHeader(TDgCustomColumn* column, const TRect& rect);
    virtual void DrawHeaderItem(TDgCustomColumn* column, const TRect& rect) {}
    virtual void DrawIndicatorCell(const TRect& rect, int n);
    virtual void DrawIndicatorGlyph(const TRect& rect, bool current, bool inverted);
    virtual void DrawInputCell(TDgCustomColumn* column, const TRect& rect, bool selected, bool active,
                               bool focused);
    virtual void DrawIndicatorFill(const TRect& rect);
    // Width of a header's content, for fitting a column to its header.
    int HeaderContentWidth(TDgCustomColumn* column);

    bool RightToLeft = false;
    TCanvas* Canvas = nullptr;
    bool ShowSortArrow = true;
    bool PaintBackground = true;
    bool Themed = false;
    TDgCustomGridControl* Owner = nullptr;

protected:
    TCanvas& C() { return *Canvas; }
    void Line(int x1, int y1, int x2, int y2, TColor color);
    void Fill(const TRect& rect, TColor color);
    void Pixel(int x, int y, TColor color) { C().SetPixel(x, y, color); }
    // The one-pixel raised frame: highlight top and left, shadow bottom and right.
    void RaisedFrame(const TRect& rect, TColor light, TColor dark);
    bool IsPressed(TDgCustomColumn* column) const;
    bool IsHot(TDgCustomColumn* column) const;
    // Place of the column among the visible ones.
    bool IsOnlyVisible(TDgCustomColumn* column) const;
    bool IsFirstVisible(TDgCustomColumn* column) const;
    bool IsLastVisible(TDgCustomColumn* column) const;
    void DrawCaption(TDgCustomColumn* column, const std::string& text, TRect rect, int alignment, bool multiLine,
                     bool vertical);
    // The shared glyph, caption and arrow layout of headers and footers.
    void DrawPartContent(TDgCustomColumn* column, const TRect& rect, bool header);
};

class TDefaultStyleDisplay : public TStyleDisplay {
public:
    using TStyleDisplay::TStyleDisplay;
    int GetStyleFeatures() const override { return Themed ? sfTracksMouse : sfInvertsPressed; }
    void DrawHeaderBackground(const TRect& rect, int state) override;
    void DrawHeaderItem(TDgCustomColumn* column, const TRect& rect) override;
    void DrawIndicatorFill(const TRect& rect) override;
    virtual void DrawHeaderItemClassic(TDgCustomColumn* column, const TRect& rect);
    virtual void DrawHeaderItemThemed(TDgCustomColumn* column, const TRect& rect);
};

class TFlatStyleDisplay : public TStyleDisplay {
public:
    using TStyleDisplay::TStyleDisplay;
    void DrawHeaderBackground(const TRect& rect, int state) override;
    void DrawHeaderFill(const TRect& rect) override;
    void DrawHeaderItem(TDgCustomColumn* column, const TRect& rect) override { DrawHeaderItemClassic(column, rect); }
    void DrawIndicatorCell(const TRect& rect, int n) override;
    virtual void DrawHeaderItemClassic(TDgCustomColumn* column, const TRect& rect);
};

class TOldStyleDisplay : public TStyleDisplay {
public:
    using TStyleDisplay::TStyleDisplay;
    int GetStyleFeatures() const override { return sfInvertsPressed; }
    void DrawHeaderBackground(const TRect& rect, int state) override;
    void DrawHeaderItem(TDgCustomColumn* column, const TRect& rect) override;
    void DrawIndicatorCell(const TRect& rect, int n) override;
};

class TOutlookStyleDisplay : public TStyleDisplay {
public:
    using TStyleDisplay::TStyleDisplay;
    int GetStyleFeatures() const override { return sfInvertsPressed; }
    void AdjustCaptionRect(TRect& rect) const override { rect.Bottom -= 3; }
    void DrawHeaderBackground(const TRect& rect, int state) override;
    void DrawHeaderFill(const TRect& rect) override;
    void DrawHeaderItem(TDgCustomColumn* column, const TRect& rect) override { DrawHeaderItemClassic(column, rect); }
    virtual void DrawHeaderItemClassic(TDgCustomColumn* column, const TRect& rect);

private:
    void BlendedBottom(const TRect& rect, TColor into);
};

class TVistaStyleDisplay : public TStyleDisplay {
public:
    using TStyleDisplay::TStyleDisplay;
    int GetStyleFeatures() const override { return sfDrawsOwnArrow; }
    void AdjustCaptionRect(TRect& rect) const override { rect.Left += 2; }
    void DrawHeaderItem(TDgCustomColumn* column, const TRect& rect) override { DrawHeaderItemClassic(column, rect); }
    void DrawIndicatorCell(const TRect& rect, int n) override;
    virtual void DrawHeaderItemClassic(TDgCustomColumn* column, const TRect& rect);
};

}  // namespace tarvelon
