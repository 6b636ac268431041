// The plain look of the grid's frame parts and the layout of captions, glyphs and sort arrows that
// every look shares.
#include "grid/dg_style_display.h"

#include "grid/dg_columns.h"
#include "grid/dg_custom_grid_control.h"
#include "grid/dg_shared_common.h"
#include "grid/dg_sysutils.h"
#include "platform/graphics/text_draw.h"

namespace tarvelon {

TStyleDisplay::TStyleDisplay(TDgCustomGridControl* owner) : Owner(owner) {}

void TStyleDisplay::Assign(const TStyleDisplay& source)
{
    RightToLeft = source.RightToLeft;
    Canvas = source.Canvas;
    ShowSortArrow = source.ShowSortArrow;
    PaintBackground = source.PaintBackground;
    Themed = source.Themed;
}

int TStyleDisplay::GetContentMargin(TDgCustomColumn* column) const
{
    if (!ShowSortArrow || !PaintBackground)
        return 0;
    return Themed && column->Header().DisplayMode() == dmTextOnly ? 11 : 2;
}

// ---- Small drawing helpers ------------------------------------------------------------------

void TStyleDisplay::Line(int x1, int y1, int x2, int y2, TColor color)
{
    C().Pen.SetColor(color);
    C().Pen.SetStyle(psSolid);
    C().Pen.SetWidth(1);
    C().MoveTo(x1, y1);
    C().LineTo(x2, y2);
}

void TStyleDisplay::Fill(const TRect& rect, TColor color)
{
    C().Brush.SetStyle(bsSolid);
    C().Brush.SetColor(color);
    C().FillRect(rect);
}

void TStyleDisplay::RaisedFrame(const TRect& r, TColor light, TColor dark)
{
    Line(r.Left, r.Top, r.Right, r.Top, light);
    Line(r.Left, r.Top, r.Left, r.Bottom, light);
    Line(r.Left, r.Bottom - 1, r.Right, r.Bottom - 1, dark);
    Line(r.Right - 1, r.Top, r.Right - 1, r.Bottom, dark);
}

bool TStyleDisplay::IsPressed(TDgCustomColumn* column) const
{
    return Owner != nullptr && Owner->PressedHeaderColumn() == column;
}

bool TStyleDisplay::IsHot(TDgCustomColumn* column) const
{
    return Owner != nullptr && Owner->HotHeaderColumn() == column;
}

bool TStyleDisplay::IsOnlyVisible(TDgCustomColumn* column) const
{
    return column->Columns() != nullptr && column->Columns()->VisibleCount() == 1 && column->VisibleIndex() == 0;
}

bool TStyleDisplay::IsFirstVisible(TDgCustomColumn* column) const
{
    return column->VisibleIndex() == 0;
}

bool TStyleDisplay::IsLastVisible(TDgCustomColumn* column) const
{
    return column->Columns() != nullptr && column->VisibleIndex() == column->Columns()->VisibleCount() - 1;
}

// ---- Shared content layout ------------------------------------------------------------------

void TStyleDisplay::DrawCaption(TDgCustomColumn*, const std::string& text, TRect rect, int alignment,
                                bool multiLine, bool vertical)
{
    C().Brush.SetStyle(bsClear);
    if (vertical) {
        DrawVerticalText(C(), rect, text);
    } else {
        // A multi-line caption breaks at its own line breaks only, never between words.
        unsigned flags = DT_END_ELLIPSIS | DT_NOPREFIX | DT_VCENTER | DT_EXTERNALLEADING;
        if (!multiLine)
            flags |= DT_SINGLELINE;
        if (RightToLeft)
            flags |= DT_RTLREADING;
        (void)alignment;
        DrawText(C(), PlatformText(text), rect, flags);
    }
    C().Brush.SetStyle(bsSolid);
}

namespace {

std::string FooterText(TColumnFooter& footer)
{
    const std::string& caption = footer.Caption();
    if (footer.FormatMask().empty())
        return caption;
    double value = 0;
    if (footer.FormatMaskKind() == mkText) {
        // The footer's value as a number, formatted by the mask.
        if (!TryStrToFloat(caption, value))
            return caption;
        return FormatFloat(footer.FormatMask(), value);
    }
    TDateTime date = 0;
    if (!TryStrToDateTime(caption, date)) {
        if (!TryStrToFloat(caption, value))
            return caption;
        date = value;
    }
    return FormatDateTime(footer.FormatMask(), date);
}

// The width of the widest line of a caption that breaks at its own line breaks.
int MultiLineTextWidth(TCanvas& canvas, const std::string& text)
{
    TRect measured = Rect(0, 0, 0, 0);
    DrawText(canvas, PlatformText(text), measured, DT_CALCRECT | DT_NOPREFIX | DT_EXTERNALLEADING);
    return measured.Width();
}

}  // namespace

void TStyleDisplay::DrawPartContent(TDgCustomColumn* column, const TRect& rect, bool header)
{
    TColumnPart& part = header ? static_cast<TColumnPart&>(column->Header()) : column->Footer();
    std::string text = header ? part.Caption() : FooterText(column->Footer());
    bool multiLine = header && column->Header().MultiLine();
    bool vertical = header && column->Header().Orientation() == hoVertical;
    TAlignment alignment = header ? column->Header().Alignment() : column->Footer().Alignment();
    TDisplayMode mode = part.DisplayMode();
    C().Font.Assign(column->Font());
    int w = 0;
    if (mode != dmImageOnly) {
        if (vertical)
            w = WideTextHeight(C(), text);
        else if (multiLine)
            w = MultiLineTextWidth(C(), text);
        else
            w = WideTextWidth(C(), text);
        w += 2;
    }
    int middleX = (rect.Left + rect.Right) / 2;
    int textLeft = 0;
    TBitmap* glyph = &part.Glyph();
    bool hasGlyph = glyph != nullptr && !glyph->Empty() && mode != dmTextOnly;
    if (hasGlyph) {
        int gw = glyph->Width();
        int gy = (rect.Top + rect.Bottom) / 2 - glyph->Height() / 2;
        int gx = rect.Left + 3;
        if (alignment == taRightJustify)
            gx = rect.Right - gw - w - (column->Sorted() ? 33 : 2);
        else if (alignment == taCenter)
            gx = middleX - (gw + w) / 2;
        C().Draw(gx, gy, *glyph);
        textLeft = gx + gw + 2;
    } else {
        textLeft = rect.Left + 2;
        if (alignment == taRightJustify)
            textLeft = rect.Right - w - (column->Sorted() ? 31 : 0);
        else if (alignment == taCenter)
            textLeft = middleX - w / 2;
    }
    if (mode != dmImageOnly) {
        TRect textRect = Rect(textLeft, rect.Top, rect.Right, rect.Bottom);
        AdjustCaptionRect(textRect);
        DrawCaption(column, text, textRect, alignment, multiLine, vertical);
    }
    if (!header)
        return;
    if (ShowSortArrow && column->Sorted() && (GetStyleFeatures() & sfDrawsOwnArrow) == 0) {
        int x = textLeft + w + 19;
        int y = (rect.Top + rect.Bottom) / 2 - 4;
        if (x + 8 < rect.Right || !column->Header().HideArrow())
            DrawSortArrow(x, y, column->SortKind() == skAscending);
    }
    if (IsPressed(column) && (GetStyleFeatures() & sfInvertsPressed) != 0) {
        TRect inverted = rect;
        if (IsOnlyVisible(column)) {
            inverted.Left -= 1;
            inverted.Top -= 1;
        } else {
            inverted.Right -= 1;
        }
        C().InvertRect(inverted);
    }
}

void TStyleDisplay::DrawHeaderContent(TDgCustomColumn* column, const TRect& rect)
{
    DrawPartContent(column, rect, true);
}

void TStyleDisplay::DrawFooterContent(TDgCustomColumn* column, const TRect& rect)
{
    DrawPartContent(column, rect, false);
}

int TStyleDisplay::HeaderContentWidth(TDgCustomColumn* column)
{
    TColumnHeader& header = column->Header();
    C().Font.Assign(column->Font());
    int w = header.Orientation() == hoVertical ? WideTextHeight(C(), header.Caption())
                                               : WideTextWidth(C(), header.Caption());
    TBitmap* glyph = &header.Glyph();
    int g = glyph != nullptr && !glyph->Empty() ? glyph->Width() : 0;
    switch (header.DisplayMode()) {
    case dmImageOnly:
        return g;
    case dmTextAndImage:
        return g + w + 2;
    default:
        return w;
    }
}

// ---- Parts --------------------------------------------------------------------------------

void TStyleDisplay::DrawSortArrow(int x, int y, bool ascending)
{
    if (Themed) {
        C().Pen.SetColor(clGrayText);
        C().Brush.SetStyle(bsSolid);
        C().Brush.SetColor(clGrayText);
        if (ascending)
            C().Polygon({Point(x, y + 4), Point(x + 4, y), Point(x + 8, y + 4)});
        else
            C().Polygon({Point(x, y), Point(x + 4, y + 4), Point(x + 8, y)});
        return;
    }
    // Classic: a 3D outline, the shadow edge on the left slope, the lit edge on the right and base.
    if (ascending) {
        Line(x, y + 4, x + 4, y, clBtnShadow);
        Line(x + 4, y, x + 5, y, clBtnShadow);
        Line(x + 4, y, x + 8, y + 4, clBtnHighlight);
        Line(x, y + 4, x + 9, y + 4, clBtnHighlight);
    } else {
        Line(x, y, x + 9, y, clBtnShadow);
        Line(x, y, x + 4, y + 4, clBtnShadow);
        Line(x + 4, y + 4, x + 8, y, clBtnHighlight);
    }
}

void TStyleDisplay::DrawHeaderBackground(const TRect& rect, int)
{
    Fill(rect, Owner->Color());
}

void TStyleDisplay::DrawFooter(TDgCustomColumn* column, const TRect& rect, bool focused)
{
    C().Font.Assign(column->Font());
    TColor color = column->Footer().Color();
    if (focused) {
        Fill(Rect(rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1), color);
        Line(rect.Right - 1, rect.Top, rect.Right - 1, rect.Bottom, clBtnFace);
        Line(rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom - 1, clBtnFace);
    } else {
        Fill(rect, color);
    }
    TRect oldClip = C().ClipRect();
    C().IntersectClipRect(rect);
    DrawFooterContent(column, rect);
    C().ResetClip();
    C().IntersectClipRect(oldClip);
}

void TStyleDisplay::DrawHeader(TDgCustomColumn* column, const TRect& rect)
{
    if (PaintBackground)
        DrawHeaderItem(column, rect);
    DrawHeaderContent(column, rect);
}

void TStyleDisplay::DrawIndicatorCell(const TRect& r, int n)
{
    Fill(Rect(r.Left + 1, r.Top + 1, r.Right, r.Bottom), clBtnFace);
    Line(r.Left, r.Top, r.Left, r.Bottom, clBtnHighlight);
    if (n < 1) {
        Line(r.Left + 1, r.Top, r.Right, r.Top, clBtnHighlight);
    } else {
        Line(r.Left + 2, r.Top, r.Right - 2, r.Top, clBtnHighlight);
        Pixel(r.Left + 1, r.Top, clBtnFace);
        Pixel(r.Right - 2, r.Top, clBtnFace);
    }
    Line(r.Right - 1, r.Top, r.Right - 1, r.Bottom, clBtnShadow);
    Line(r.Left + 2, r.Bottom - 1, r.Right - 2, r.Bottom - 1, clBtnShadow);
    Pixel(r.Left + 1, r.Bottom - 1, clBtnFace);
    Pixel(r.Right - 2, r.Bottom - 1, clBtnFace);
}

void TStyleDisplay::DrawIndicatorGlyph(const TRect& r, bool current, bool inverted)
{
    if (current) {
        int x = (r.Left + r.Right) / 2 - 3;
        int y = (r.Top + r.Bottom) / 2 - 5;
        C().Pen.SetColor(clWindowText);
        C().Brush.SetStyle(bsSolid);
        C().Brush.SetColor(clWindowText);
        C().Polygon({Point(x, y), Point(x + 5, y + 5), Point(x, y + 10)});
    }
    if (inverted)
        C().InvertRect(r);
}

void TStyleDisplay::DrawInputCell(TDgCustomColumn* column, const TRect& rect, bool selected, bool active,
                                  bool focused)
{
    C().Font.Assign(column->Font());
    // Behind the editor of the input line the cell is only framed.
    bool locked = Owner != nullptr && Owner->InputEditingColumn() == column;
    TColor back = column->Color();
    TColor text = clGrayText;
    if (active && !locked) {
        if (Owner != nullptr && Owner->SelectedColumn() == column->Index()) {
            back = column->Color();
            text = clGrayText;
        } else {
            back = selected ? clHighlight : clBtnFace;
            text = clHighlightText;
        }
    }
    C().Font.SetColor(text);
    if (locked) {
        C().Brush.SetColor(back);
        C().FrameRect(rect);
    } else if (active && focused) {
        Fill(Rect(rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1), back);
        Line(rect.Right - 1, rect.Top, rect.Right - 1, rect.Bottom, clHighlight);
        Line(rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom - 1, clHighlight);
    } else {
        Fill(rect, back);
    }
    TRect textRect = Rect(rect.Left + 2, rect.Top, rect.Right - 1, rect.Bottom - 1);
    C().Brush.SetStyle(bsClear);
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    std::string value = column->GetInputValue();
    if (value.empty()) {
        DrawText(C(), PlatformText(column->InputCaption()), textRect, flags | DT_CENTER);
    } else {
        if (column->Alignment() == taRightJustify)
            flags |= DT_RIGHT;
        else if (column->Alignment() == taCenter)
            flags |= DT_CENTER;
        DrawText(C(), PlatformText(value), textRect, flags);
    }
    C().Brush.SetStyle(bsSolid);
}

void TStyleDisplay::DrawIndicatorFill(const TRect& rect)
{
    Fill(rect, Owner->Color());
}

}  // namespace tarvelon
