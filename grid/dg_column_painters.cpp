// What each column kind draws in its cells.
#include "grid/dg_column_painters.h"

#include <algorithm>
#include <cmath>

#include "core/basics/rounding.h"
#include "grid/dg_column_classes.h"
#include "grid/dg_shared_common.h"
#include "grid/dg_themes_support.h"
#include "platform/graphics/image_list.h"

namespace tarvelon {

namespace {

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2, TColor color)
{
    canvas.Pen.SetStyle(psSolid);
    canvas.Pen.SetWidth(1);
    canvas.Pen.SetColor(color);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

int ImageWidth(TCustomImageList* images)
{
    return images != nullptr ? images->Width() : 0;
}

}  // namespace

// ---- Value painters ---------------------------------------------------------------------------

TRect TTextColumnDisplay::GetTextRect() const
{
    return tarvelon::Rect(Rect.Left + 2, Rect.Top, Rect.Right - 2, Rect.Bottom);
}

void TTextColumnDisplay::Paint()
{
    DrawTextRect(Column->GetDrawText(Info), GetTextRect());
}

int TTextColumnDisplay::GetContentWidth()
{
    return MeasureText(Column->GetDrawText(Info), GetTextRect()).cx;
}

int TTextColumnDisplay::GetContentHeight()
{
    return MeasureText(Column->GetDrawText(Info), GetTextRect()).cy;
}

// ---- Image painter ----------------------------------------------------------------------------

void TImageColumnDisplay::Paint()
{
    auto* column = dynamic_cast<TDgImageColumn*>(Column);
    TCustomImageList* images = column != nullptr ? column->Images() : nullptr;
    if (images == nullptr || Info.IntValue < 0 || Info.IntValue >= images->Count())
        return;
    TPoint at = TCalcProvider::PlaceInRect(images->Width(), images->Height(), Rect, Column->Alignment(),
                                           Column->VerticalAlignment(), 2);
    images->Draw(*Canvas, at.X, at.Y, Info.IntValue, true);
}

int TImageColumnDisplay::GetContentWidth()
{
    auto* column = dynamic_cast<TDgImageColumn*>(Column);
    return column != nullptr ? ImageWidth(column->Images()) : 0;
}

int TImageColumnDisplay::GetContentHeight()
{
    auto* column = dynamic_cast<TDgImageColumn*>(Column);
    return column != nullptr && column->Images() != nullptr ? column->Images()->Height() : 0;
}

// ---- Progress painter -------------------------------------------------------------------------

TRect TProgressColumnDisplay::FrameRect() const
{
    auto* column = static_cast<TDgProgressColumn*>(Column);
    int margin = column->Margin();
    TRect frame = tarvelon::Rect(Rect.Left + margin, Rect.Top + margin, Rect.Right - margin, Rect.Bottom - margin);
    int height = column->ProgressHeight();
    if (height > 0) {
        switch (Column->VerticalAlignment()) {
        case taAlignTop:
            break;
        case taAlignBottom:
            frame.Top = frame.Bottom - height;
            break;
        case taVerticalCenter:
            frame.Top = (frame.Top + frame.Bottom) / 2 - height / 2;
            break;
        }
        frame.Bottom = frame.Top + height;
    }
    if (column->ShowText() && column->TextPosition() == tpBeside)
        frame.Left += 30;
    return frame;
}

void TProgressColumnDisplay::DrawBar(const TRect& bar, TColor color)
{
    auto* column = static_cast<TDgProgressColumn*>(Column);
    TCanvas& canvas = *Canvas;
    canvas.Brush.SetStyle(bsSolid);
    switch (column->ProgressStyle()) {
    case TProgressStyle::psSolid:
        canvas.Brush.SetColor(color);
        canvas.FillRect(bar);
        break;
    case TProgressStyle::psBoxes: {
        int box = Round(bar.Height() / 1.5);
        canvas.Brush.SetColor(color);
        // Only whole boxes: a box that would pass the bar's end is left out.
        for (int x = bar.Left; box > 0 && x + box <= bar.Right; x += box + 2)
            canvas.FillRect(tarvelon::Rect(x, bar.Top, x + box, bar.Bottom));
        break;
    }
    case TProgressStyle::psGradient:
        TGraphicsProvider::DrawGradientV(canvas, bar, color, Column->Color());
        break;
    case TProgressStyle::psCylinder: {
        int middle = (bar.Top + bar.Bottom) / 2;
        TGraphicsProvider::DrawGradientV(canvas, tarvelon::Rect(bar.Left, bar.Top, bar.Right, middle),
                                         Column->Color(), color);
        TGraphicsProvider::DrawGradientV(canvas, tarvelon::Rect(bar.Left, middle, bar.Right, bar.Bottom), color,
                                         Column->Color());
        break;
    }
    }
}

void TProgressColumnDisplay::Paint()
{
    auto* column = static_cast<TDgProgressColumn*>(Column);
    double value = Info.FloatValue;
    if (value == 0 && column->HideWhenEmpty())
        return;
    double percent = column->Max() != 0 ? value / column->Max() * 100 : 0;
    TCanvas& canvas = *Canvas;
    TRect frame = FrameRect();
    canvas.Pen.SetStyle(psSolid);
    canvas.Pen.SetWidth(1);
    canvas.Pen.SetColor(column->BorderColor());
    if (column->Transparent()) {
        canvas.Brush.SetStyle(bsClear);
    } else {
        canvas.Brush.SetStyle(bsSolid);
        canvas.Brush.SetColor(Column->Color());
    }
    if (column->RoundCorners())
        canvas.RoundRect(frame.Left, frame.Top, frame.Right, frame.Bottom, 4, 4);
    else
        canvas.Rectangle(frame);
    canvas.Brush.SetStyle(bsSolid);
    TRect inner = tarvelon::Rect(frame.Left + 2, frame.Top + 2, frame.Right - 2, frame.Bottom - 2);
    int width = Round(inner.Width() * percent / 100);
    TRect bar = inner;
    bar.Right = std::min(inner.Right, inner.Left + std::max(0, width));
    TColor color = column->ProgressColor();
    if (value >= column->HighValueBound())
        color = column->HighValueColor();
    else if (value <= column->LowValueBound())
        color = column->LowValueColor();
    if (bar.Right > bar.Left && bar.Bottom > bar.Top)
        DrawBar(bar, color);
    if (column->ShowText()) {
        if (column->TextPosition() == tpInside)
            canvas.Font.SetColor(Column->Font().Color());
        std::string text = std::to_string(static_cast<long long>(Round(percent))) + "%";
        DrawTextRect(text, GetTextRect());
    }
}

// ---- Tree painter -----------------------------------------------------------------------------

TRect TTreeColumnDisplay::ButtonBox(int level, int cellHeight)
{
    int x = level * LevelIndent + 2;
    int y = cellHeight / 2 - 5;
    return tarvelon::Rect(x, y, x + 9, y + 9);
}

TRect TTreeColumnDisplay::GetTextRect() const
{
    TRect rect = TTextColumnDisplay::GetTextRect();
    rect.Left += Level * LevelIndent + 16;
    return rect;
}

int TTreeColumnDisplay::GetContentWidth()
{
    return TTextColumnDisplay::GetContentWidth() + Level * LevelIndent + 16;
}

void TTreeColumnDisplay::DrawLines()
{
    TCanvas& canvas = *Canvas;
    for (int i = 0; i < Level; ++i) {
        int x = Rect.Left + i * LevelIndent + 6;
        Line(canvas, x, Rect.Top, x, Rect.Bottom, clGrayText);
    }
    if (Level > 0) {
        int x = Rect.Left + (Level - 1) * LevelIndent + 6;
        int y = Round(Rect.Top + Rect.Height() / 2.0) - 1;
        Line(canvas, x, y, x + 15, y, clGrayText);
    }
}

void TTreeColumnDisplay::DrawButton()
{
    auto* column = static_cast<TDgTreeColumn*>(Column);
    TCanvas& canvas = *Canvas;
    TRect box = ButtonBox(Level, Rect.Height());
    OffsetRect(box, Rect.Left, Rect.Top);
    int x = box.Left;
    int y = box.Top;
    if (column->ShowLines() && Expanded)
        Line(canvas, x + 4, box.Bottom, x + 4, Rect.Bottom, clGrayText);
    if (!column->ShowButtons())
        return;
    if (IsThemed()) {
        ThemeRect(Window, canvas, box, "treeview", TVP_GLYPH, Expanded ? GLPS_OPENED : GLPS_CLOSED);
        return;
    }
    bool hot = ButtonHot && column->HighlightButton();
    TColor frame = hot ? clHighlightText : clGrayText;
    TColor sign = hot ? clHighlightText : clBlack;
    canvas.Brush.SetStyle(bsSolid);
    canvas.Brush.SetColor(frame);
    canvas.FrameRect(box);
    Line(canvas, x + 2, y + 4, x + 7, y + 4, sign);
    if (!Expanded)
        Line(canvas, x + 4, y + 2, x + 4, y + 7, sign);
}

void TTreeColumnDisplay::Paint()
{
    auto* column = static_cast<TDgTreeColumn*>(Column);
    if (column->ShowLines())
        DrawLines();
    if (ChildCount > 0)
        DrawButton();
    TTextColumnDisplay::Paint();
}

// ---- Strings painter --------------------------------------------------------------------------

void TCustomStringsColumnDisplay::Paint()
{
    auto* column = static_cast<TDgStringsColumn*>(Column);
    TDisplayMode mode = column->DisplayMode();
    if (mode != dmImageOnly)
        DrawTextRect(Column->GetDrawText(Info), GetTextRect());
    TCustomImageList* images = column->Images();
    if (mode != dmTextOnly && images != nullptr && Info.IntValue >= 0 && Info.IntValue < images->Count()) {
        int y = (Rect.Top + Rect.Bottom) / 2 - images->Height() / 2;
        images->Draw(*Canvas, Rect.Left + 2, y, Info.IntValue, true);
    }
}

TRect TStringsColumnDisplay::GetTextRect() const
{
    auto* column = static_cast<TDgStringsColumn*>(Column);
    TRect rect = TTextColumnDisplay::GetTextRect();
    if (column->Images() != nullptr && column->DisplayMode() != dmTextOnly)
        rect.Left += column->Images()->Width() + 4;
    return rect;
}

int TStringsColumnDisplay::GetContentWidth()
{
    auto* column = static_cast<TDgStringsColumn*>(Column);
    int imageWidth = ImageWidth(column->Images());
    int textWidth = MeasureText(Column->GetDrawText(Info), TTextColumnDisplay::GetTextRect()).cx;
    switch (column->DisplayMode()) {
    case dmImageOnly:
        return imageWidth;
    case dmTextAndImage:
        return textWidth + imageWidth + 4;
    default:
        return textWidth;
    }
}

// ---- Tree mouse element -----------------------------------------------------------------------

bool TTreeColumnPlay::Locked() const
{
    return static_cast<TDgTreeColumn*>(Column)->ExpandLock();
}

void TTreeColumnPlay::KeyPress(char32_t& key)
{
    if (Locked() || (key != U'+' && key != U'-'))
        return;
    if (OnToggle)
        OnToggle(this);
}

void TTreeColumnPlay::MouseUp(int, int, int x, int y)
{
    if (Locked())
        return;
    TRect box = TTreeColumnDisplay::ButtonBox(Level, Rect.Height());
    if (PtInRect(box, Point(x, y)) && OnToggle)
        OnToggle(this);
}

}  // namespace tarvelon
