// The grid's paint: rows of cells with their grid lines and colours, the header, input line,
// footer and indicator parts, the slides layout, the empty grid's caption and the focus rectangle.
#include <algorithm>

#include "grid/dg_column_painters.h"
#include "grid/dg_columns.h"
#include "grid/dg_edit.h"
#include "grid/dg_custom_grid_control.h"
#include "grid/dg_shared_common.h"
#include "grid/dg_shared_draw.h"
#include "grid/dg_style_display.h"
#include "grid/dg_themes_support.h"
#include "platform/graphics/text_draw.h"

namespace tarvelon {

namespace {

TColor Darker(TColor color, int amount)
{
    TColor c = ColorToRGB(color);
    auto channel = [amount](int v) { return std::max(0, v - amount); };
    return RGB(channel(GetRValue(c)), channel(GetGValue(c)), channel(GetBValue(c)));
}

}  // namespace

bool TDgCustomGridControl::StylesInUse() const
{
    return enableVisualStyles_ && IsThemed();
}

void TDgCustomGridControl::PaintWindowFrame(TCanvas& canvas)
{
    if (StylesInUse() && borderStyle_ == bsSingle)
        ThemeRect(this, canvas, Rect(0, 0, Width(), Height()), "listview", LVP_LISTITEM, 0);
}

// ---- Colours ----------------------------------------------------------------------------------

TColor TDgCustomGridControl::GetCellColorBase(int aCol, int)
{
    return columns_->Items(aCol)->Color();
}

TColor TDgCustomGridControl::GetCellColor(int aCol, int aRow)
{
    TDgCustomColumn* column = columns_->Items(aCol);
    TColor color = GetCellColorBase(aCol, aRow);
    if (column->Sorted() && appearanceOptions_.Contains(aoIndicateSortedColumn))
        color = Darker(color, 10);
    if (IsCellSelected(aCol, aRow)) {
        if (GridFocused()) {
            color = appearanceOptions_.Contains(aoAlphaBlendedSelection)
                        ? TGraphicsProvider::MixColors(color, clHighlight, 0.25)
                        : selectionColor_;
        } else {
            color = inactiveSelectionColor_;
        }
    }
    return color;
}

TColor TDgCustomGridControl::GetCellTextColor(int aCol, int aRow)
{
    TDgCustomColumn* column = columns_->Items(aCol);
    if (IsCellSelected(aCol, aRow) && GridFocused())
        return highlightedTextColor_;
    return column->Font().Color();
}

bool TDgCustomGridControl::PrepareCellFont(int aCol, int aRow, TCellState state)
{
    TDgCustomColumn* column = columns_->Items(aCol);
    TCanvas& canvas = Canvas();
    canvas.Font.Assign(column->Font());
    canvas.Font.SetColor(Enabled() ? GetCellTextColor(aCol, aRow) : clGrayText);
    if (state.Contains(csBoldTextSelection))
        canvas.Font.SetStyle(canvas.Font.Style() + TFontStyles{fsBold});
    return false;
}

void TDgCustomGridControl::GetCellHint(int aCol, int aRow, std::string& hint)
{
    if (OnCellHint)
        OnCellHint(this, aCol, aRow, hint);
}

// ---- Paint --------------------------------------------------------------------------------------

void TDgCustomGridControl::Paint()
{
    TDgScrollControl::Paint();
    if (StorageGone())
        return;
    for (auto& display : displays_) {
        display->Canvas = &Canvas();
        display->Themed = StylesInUse();
    }
    TRect body = BodyRect();
    if (gridStyle_ == gsReport) {
        HorzClipRect = (Rect(FixedEdge(), 0, ClientWidth(), ClientHeight()));
        VertClipRect = (Rect(0, body.Top, ClientWidth(), body.Bottom));
        PaintRows();
        PaintColumnParts();
        PaintFreeArea();
    } else {
        if (options_.Contains(goHeader) && StylesInUse() && headerStyle_ == hsAuto) {
            int right = IndicatorWidth() + columns_->TotalWidth();
            display_->DrawHeaderFill(Rect(right, 0, ClientWidth(), headerSize_));
        }
        HorzClipRect = (ClientRect());
        VertClipRect = (body);
        PaintSlidesHeader();
        PaintSlides();
    }
    if (RowCount() == 0)
        PaintCaption();
    DoPostDraw();
}

void TDgCustomGridControl::PaintFreeArea()
{
    int right = IndicatorWidth() + columns_->TotalWidth() - HorzPosition();
    if (right >= ClientWidth())
        return;
    TCanvas& canvas = Canvas();
    canvas.Brush.SetStyle(bsSolid);
    canvas.Brush.SetColor(Color());
    int top = 0;
    if (StylesInUse() && headerStyle_ == hsAuto && options_.Contains(goHeader)) {
        display_->DrawHeaderFill(Rect(right, 0, ClientWidth(), headerSize_));
        top = headerSize_;
    }
    canvas.Brush.SetColor(Color());
    canvas.FillRect(Rect(right, top, ClientWidth(), ClientHeight()));
}

void TDgCustomGridControl::PaintCaption()
{
    TCanvas& canvas = Canvas();
    canvas.Font.Assign(Font());
    if (!Enabled())
        canvas.Font.SetColor(clGrayText);
    int lineHeight = canvas.TextHeight("Wg");
    TRect body = BodyRect();
    int h = HorzPosition();
    TRect rect = Rect(body.Left - h, body.Top + 4, ClientWidth() - h, body.Top + 4 + lineHeight);
    canvas.Brush.SetStyle(bsClear);
    DrawText(canvas, PlatformText(Caption()), rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    canvas.Brush.SetStyle(bsSolid);
}

void TDgCustomGridControl::PaintRows()
{
    TRect body = BodyRect();
    int y = body.Top;
    int row = topRow_;
    int count = RowCount();
    int width = ClientWidth();
    lastPaintedRow_ = topRow_;
    while (y < body.Bottom) {
        if (row < count && !RowVisible(row)) {
            ++row;
            continue;
        }
        bool data = row < count;
        for (int p = 0; p < columns_->Count(); ++p) {
            TDgCustomColumn* column = columns_->ByPosition(p);
            if (!column->Visible())
                continue;
            int left = ColumnScreenLeft(column);
            if (IsScrollingColumn(column) && left + column->Width() <= FixedEdge())
                continue;
            if (left >= width)
                continue;
            if (data)
                DrawCell(column->Index(), row);
            else
                PaintEmptyCell(column->Index(), row, y + LineTop());
        }
        if (options_.Contains(goIndicator)) {
            bool current = data && row == selectedRow_ && !inputSelected_;
            bool selected = data && (Selected(row) || row == selectedRow_) && !inputSelected_;
            DrawIndicatorCell(row, selected, current);
        }
        if (data)
            lastPaintedRow_ = row;
        y += (data ? GetRowHeight(row) : rowSize_) + LineSpacing();
        ++row;
    }
    if (options_.Contains(goSelectFullRow))
        DrawFocusRectangle();
}

void TDgCustomGridControl::PaintColumnParts()
{
    TCanvas& canvas = Canvas();
    bool focused = GridFocused();
    int width = ClientWidth();
    int lastRight = IndicatorWidth();
    for (int p = 0; p < columns_->Count(); ++p) {
        TDgCustomColumn* column = columns_->ByPosition(p);
        if (!column->Visible())
            continue;
        int left = ColumnScreenLeft(column);
        int right = left + column->Width();
        lastRight = std::max(lastRight, right);
        if ((IsScrollingColumn(column) && right <= FixedEdge()) || left >= width)
            continue;
        TClipKeeper keeper(canvas);
        if (IsScrollingColumn(column))
            canvas.IntersectClipRect(Rect(FixedEdge(), 0, width, ClientHeight()));
        if (options_.Contains(goHeader))
            display_->DrawHeader(column, Rect(left, 0, right, headerSize_));
        if (options_.Contains(goInput)) {
            TRect input = RegionRect(grInput);
            display_->DrawInputCell(column, Rect(left, input.Top, right, input.Bottom), inputSelected_,
                                    inputSelected_, focused);
        }
        if (options_.Contains(goFooter)) {
            TRect footer = RegionRect(grFooter);
            display_->DrawFooter(column, Rect(left, footer.Top, right, footer.Bottom), false);
        }
    }
    canvas.Brush.SetStyle(bsSolid);
    canvas.Brush.SetColor(Color());
    if (options_.Contains(goInput)) {
        TRect input = RegionRect(grInput);
        canvas.FillRect(Rect(lastRight, input.Top, width, input.Bottom));
    }
    if (options_.Contains(goFooter)) {
        TRect footer = RegionRect(grFooter);
        canvas.FillRect(Rect(lastRight, footer.Top, width, footer.Bottom));
    }
    if (options_.Contains(goIndicator)) {
        if (options_.Contains(goInput)) {
            TRect input = RegionRect(grInput);
            display_->DrawIndicatorCell(Rect(0, input.Top, 12, input.Bottom), 0);
        }
        if (options_.Contains(goFooter)) {
            TRect footer = RegionRect(grFooter);
            display_->DrawIndicatorFill(Rect(0, footer.Top, 12, footer.Bottom));
        }
        if (options_.Contains(goHeader))
            display_->DrawHeaderBackground(Rect(0, 0, 12, headerSize_), 0);
    }
}

// ---- Cells ----------------------------------------------------------------------------------------

TCellState TDgCustomGridControl::CellPaintState(int aCol, int aRow)
{
    TCellState state;
    if (IsCellSelected(aCol, aRow)) {
        state.Include(csSelected);
        if (appearanceOptions_.Contains(aoBoldTextSelection))
            state.Include(csBoldTextSelection);
    }
    if (GridFocused() && !appearanceOptions_.Contains(aoHideFocus))
        state.Include(csFocused);
    return state;
}

void TDgCustomGridControl::ClipToCell(const TRect& rect, const TDgCustomColumn* column)
{
    Canvas().IntersectClipRect(rect);
    if (gridStyle_ == gsReport && IsScrollingColumn(column))
        Canvas().IntersectClipRect(Rect(FixedEdge(), 0, ClientWidth(), ClientHeight()));
}

void TDgCustomGridControl::PrepareCellPainter(int aCol, int aRow, TColumnDisplay& painter, const TRect& rect)
{
    painter.Canvas = &Canvas();
    painter.Rect = rect;
    if (auto* tree = dynamic_cast<TTreeColumnDisplay*>(&painter)) {
        tree->Window = this;
        tree->ChildCount = RowChildCount(aRow);
        tree->Expanded = RowExpanded(aRow);
        tree->Level = RowLevel(aRow);
        tree->ButtonHot = ExpandButtonHot(aCol, aRow);
    }
    painter.Info = TCellInfo{};
    painter.Info.Col = aCol;
    painter.Info.Row = aRow;
    PrepareDisplay(aCol, aRow, painter);
}

void TDgCustomGridControl::DrawCell(int aCol, int aRow)
{
    TDgCustomColumn* column = columns_->Items(aCol);
    if (!column->Visible())
        return;
    TRect rect = GetCellRect(aCol, aRow);
    TCanvas& canvas = Canvas();
    TRect clipBox = canvas.ClipRect();
    TRect meet;
    TRect withLines = Rect(rect.Left, rect.Top - LineTop(), rect.Right, rect.Bottom + LineBottom());
    if (!IntersectRect(meet, withLines, clipBox))
        return;
    canvas.Font.Assign(column->Font());
    TColor cellColor = GetCellColor(aCol, aRow);
    TColor gridColor = gridLinesColor_;
    TCellState state = CellPaintState(aCol, aRow);
    TColumnDisplay* painter = column->Display();
    if (painter != nullptr)
        painter->Selected = state.Contains(csSelected);
    DoCellColoring(aCol, aRow, cellColor, gridColor, state);
    if (column->Sorted() && !state.Contains(csSelected)) {
        if (sortedStyle_ == soDarker)
            cellColor = Darker(cellColor, 10);
        else if (sortedStyle_ == soWhite)
            cellColor = 0xFFFFFF;
    }
    TClipKeeper keeper(canvas);
    ClipToCell(withLines, column);
    if (options_.Contains(goGrid) && gridStyle_ == gsReport) {
        bool lastColumn = column == columns_->LastVisible();
        DrawCellLines(rect, gridColor, aRow == lastVisibleRow_, lastColumn, true);
    }
    rect.Left += LineLeft();
    rect.Right -= LineRight();
    bool fill = !appearanceOptions_.Contains(aoDontFillCells) && column->DrawingOptions() != doCustomOnly;
    DoDrawCellBackground(aCol, aRow, rect, state, fill);
    if (painter != nullptr) {
        PrepareCellPainter(aCol, aRow, *painter, rect);
        if (Editing() && editCol_ == aCol && editRow_ == aRow && inplaceEdit_ != nullptr) {
            TRect editor = inplaceEdit_->BoundsRect();
            InflateRect(editor, -1, -1);
            canvas.ExcludeClipRect(editor);
        }
        if (fill)
            painter->FillRect(rect, cellColor);
        bool normal = column->DrawingOptions() == doNormal || column->DrawingOptions() == doCustom;
        if (normal && !OwnDrawing(aCol, aRow) && PrepareCellFont(aCol, aRow, state)) {
            TRect content = Rect(rect.Left + column->Padding(), rect.Top, rect.Right - column->Padding(), rect.Bottom);
            painter->Rect = content;
            painter->Paint();
            painter->Rect = rect;
        }
        if (appearanceOptions_.Contains(aoHintMarks)) {
            std::string hint;
            GetCellHint(aCol, aRow, hint);
            if (!hint.empty())
                painter->DrawHintSign(rect);
        }
    } else if (fill) {
        canvas.Brush.SetStyle(bsSolid);
        canvas.Brush.SetColor(cellColor);
        canvas.FillRect(rect);
    }
    if (column->DrawingOptions() != doNormal)
        DoCustomDrawCell(aCol, aRow, rect, state);
    keeper.Restore();
    if (!options_.Contains(goSelectFullRow) && aCol == selectedColumn_ && aRow == selectedRow_)
        DrawFocusRectangle();
}

void TDgCustomGridControl::PaintEmptyCell(int aCol, int aRow, int top)
{
    TDgCustomColumn* column = columns_->Items(aCol);
    TColor cellColor = Color();
    if (column->Sorted() && appearanceOptions_.Contains(aoIndicateSortedColumn))
        cellColor = Darker(cellColor, 10);
    TColor gridColor =
        (gridLinesStyle_ == lsActiveRows || gridLinesStyle_ == lsActiveHorzOnly) ? cellColor : gridLinesColor_;
    TCellState state{csEmpty};
    int left = ColumnScreenLeft(column);
    TRect rect = Rect(left, top, left + column->Width(), top + rowSize_);
    TCanvas& canvas = Canvas();
    TClipKeeper keeper(canvas);
    ClipToCell(Rect(rect.Left, rect.Top - LineTop(), rect.Right, rect.Bottom + LineBottom()), column);
    DoCellColoring(aCol, aRow, cellColor, gridColor, state);
    if (options_.Contains(goGrid))
        DrawCellLines(rect, gridColor, false, column == columns_->LastVisible(), false);
    rect.Left += LineLeft();
    rect.Right -= LineRight();
    bool fill = !appearanceOptions_.Contains(aoDontFillCells);
    DoDrawCellBackground(aCol, aRow, rect, state, fill);
    if (fill) {
        canvas.Brush.SetStyle(bsSolid);
        canvas.Brush.SetColor(cellColor);
        canvas.FillRect(rect);
    }
}

void TDgCustomGridControl::DrawCellLines(const TRect& rect, TColor gridColor, bool lastRow, bool lastColumn,
                                         bool insideData)
{
    TCanvas& canvas = Canvas();
    canvas.Pen.SetStyle(psSolid);
    canvas.Pen.SetWidth(1);
    canvas.Pen.SetMode(pmCopy);
    bool framed = gridLinesStyle_ == lsFramed;
    if (LineBottom() > 0) {
        canvas.Pen.SetColor(framed && lastRow && insideData ? clBlack : gridColor);
        canvas.MoveTo(rect.Left, rect.Bottom);
        canvas.LineTo(rect.Right + 1, rect.Bottom);
    }
    if (LineTop() > 0) {
        canvas.Pen.SetColor(clBtnHighlight);
        canvas.MoveTo(rect.Left, rect.Top - 1);
        canvas.LineTo(rect.Right, rect.Top - 1);
    }
    if (LineLeft() > 0) {
        canvas.Pen.SetColor(clBtnHighlight);
        canvas.MoveTo(rect.Left, rect.Top);
        canvas.LineTo(rect.Left, rect.Bottom);
    }
    if (LineRight() > 0) {
        canvas.Pen.SetColor(framed && lastColumn && insideData ? clBlack : gridColor);
        canvas.MoveTo(rect.Right - 1, rect.Top - 1);
        canvas.LineTo(rect.Right - 1, rect.Bottom + 1);
    }
}

void TDgCustomGridControl::DrawIndicatorCell(int row, bool selected, bool current)
{
    int top = RowTop(row);
    int height = row < RowCount() ? GetRowHeight(row) : rowSize_;
    TRect rect = Rect(0, top - LineTop(), 12, top + height + LineBottom());
    TClipKeeper keeper(Canvas());
    Canvas().IntersectClipRect(rect);
    display_->DrawIndicatorCell(rect, row);
    display_->DrawIndicatorGlyph(rect, current, selected && !current);
}

// ---- Focus rectangle ------------------------------------------------------------------------------

TRect TDgCustomGridControl::FocusRect() const
{
    TRect cell = GetCellRect(selectedColumn_, selectedRow_);
    if (options_.Contains(goSelectFullRow)) {
        TRect body = BodyRect();
        cell.Left = body.Left - HorzPosition();
        cell.Right = cell.Left + columns_->TotalWidth();
    }
    cell.Left += LineLeft();
    cell.Right -= LineRight();
    return cell;
}

void TDgCustomGridControl::DrawFocusRectangle()
{
    if (selectedColumn_ < 0 || selectedColumn_ >= columns_->Count() || selectedRow_ < 0 ||
        selectedRow_ >= RowCount() || selectedRow_ < topRow_)
        return;
    if (!GridFocused() || inputSelected_ || appearanceOptions_.Contains(aoHideFocus))
        return;
    TRect rect = FocusRect();
    TRect meet;
    if (!IntersectRect(meet, rect, BodyRect()))
        return;
    TCanvas& canvas = Canvas();
    TClipKeeper keeper(canvas);
    canvas.IntersectClipRect(BodyRect());
    ClipToCell(rect, columns_->Items(selectedColumn_));
    TGraphicsProvider::DrawFocus(canvas, rect, appearanceOptions_.Contains(aoAlphaBlendedSelection));
}

// ---- Slides ------------------------------------------------------------------------------------

void TDgCustomGridControl::PaintSlidesHeader()
{
    if (!options_.Contains(goHeader))
        return;
    int x = BodyRect().Left + IndicatorWidth();
    for (int p = 0; p < columns_->Count(); ++p) {
        TDgCustomColumn* column = columns_->ByPosition(p);
        if (!column->Visible())
            continue;
        display_->DrawHeader(column, Rect(x, 0, x + column->Width(), headerSize_));
        x += column->Width();
    }
    Canvas().Brush.SetStyle(bsSolid);
    Canvas().Brush.SetColor(Color());
    if (x < ClientWidth() && !(StylesInUse() && headerStyle_ == hsAuto))
        Canvas().FillRect(Rect(x, 0, ClientWidth(), headerSize_));
    if (options_.Contains(goIndicator))
        display_->DrawHeaderBackground(Rect(0, 0, 12, headerSize_), 0);
}

void TDgCustomGridControl::PaintSlide(int row, int top)
{
    TCanvas& canvas = Canvas();
    TRect slide = Rect(0, top, ClientWidth(), top + slideSize_ + LineBottom());
    if (appearanceOptions_.Contains(ao3DGridLines)) {
        canvas.Pen.SetColor(Color());
        canvas.MoveTo(0, top - 1);
        canvas.LineTo(ClientWidth(), top - 1);
    }
    TClipKeeper keeper(canvas);
    canvas.IntersectClipRect(slide);
    bool focused = GridFocused();
    TColor slideColor = Color();
    if (Selected(row) && !slidesOptions_.Contains(soHideSelection))
        slideColor = focused ? slideSelectionColor_ : clBtnFace;
    TSlideState state;
    if (row == selectedRow_) {
        state.Include(stSelected);
        if (slidesOptions_.Contains(soFrame))
            state.Include(stFocused);
    }
    TColor gridColor = gridLinesColor_;
    DoSlideColoring(row, slideColor, gridColor, state);
    canvas.Brush.SetStyle(bsSolid);
    canvas.Brush.SetColor(slideColor);
    canvas.FillRect(slide);
    for (int i = 0; i < columns_->Count(); ++i) {
        TDgCustomColumn* column = columns_->Items(i);
        if (!column->Visible())
            continue;
        DrawCell(i, row);
        TDgSlideBounds& b = column->SlideBounds();
        canvas.Font.Assign(column->Font());
        canvas.Font.SetColor(slideCaptionColor_);
        canvas.Brush.SetStyle(bsClear);
        TRect captionRect = column->SlideCaptionLocation() == clLeft
                                ? Rect(0, top + b.Top(), b.Left(), top + b.Top() + b.Height())
                                : Rect(b.Left(), top, b.Left() + b.Width(), top + b.Top());
        DrawText(canvas, PlatformText(column->SlideCaption()), captionRect,
                 DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        canvas.Brush.SetStyle(bsSolid);
    }
    if (state.Contains(stFocused)) {
        canvas.Brush.SetColor(focused ? selectionColor_ : inactiveSelectionColor_);
        TRect frame = Rect(slide.Left, slide.Top, slide.Right, top + slideSize_);
        canvas.FrameRect(frame);
        InflateRect(frame, -1, -1);
        canvas.FrameRect(frame);
    }
}

void TDgCustomGridControl::PaintSlides()
{
    TRect body = BodyRect();
    int y = body.Top;
    int row = topRow_;
    lastPaintedRow_ = topRow_;
    while (row < RowCount() && y < ClientHeight()) {
        if (!RowVisible(row)) {
            ++row;
            continue;
        }
        y += LineTop();
        PaintSlide(row, y);
        lastPaintedRow_ = row;
        y += slideSize_ + LineBottom();
        if (options_.Contains(goGrid)) {
            Canvas().Pen.SetColor(gridLinesColor_);
            Canvas().MoveTo(0, y - 1);
            Canvas().LineTo(ClientWidth(), y - 1);
        }
        ++row;
    }
    if (y < ClientHeight()) {
        Canvas().Brush.SetStyle(bsSolid);
        Canvas().Brush.SetColor(Color());
        Canvas().FillRect(Rect(0, y, ClientWidth(), ClientHeight()));
    }
}

}  // namespace tarvelon
