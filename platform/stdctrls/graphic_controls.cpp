#include "platform/stdctrls/graphic_controls.h"

#include <algorithm>

#include "platform/forms/win_control.h"
#include "platform/graphics/text_draw.h"

namespace tarvelon {
namespace {

// A canvas for measuring text outside any painting.
TCanvas& MeasureCanvas()
{
    static QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    static TCanvas canvas(&image);
    return canvas;
}

}  // namespace

// ---- TLabel

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner)
{
    SetParentColor(true);
    SetBounds(0, 0, 65, 13);
}

void TLabel::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout layout)
{
    layout_ = layout;
    Invalidate();
}

void TLabel::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    AdjustBounds();
}

void TLabel::SetWordWrap(bool wordWrap)
{
    wordWrap_ = wordWrap;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetTransparent(bool transparent)
{
    transparent_ = transparent;
    Invalidate();
}

void TLabel::SetShowAccelChar(bool show)
{
    showAccelChar_ = show;
    AdjustBounds();
    Invalidate();
}

void TLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

unsigned TLabel::TextFlags() const
{
    unsigned flags = DT_EXPANDTABS;
    if (alignment_ == taCenter)
        flags |= DT_CENTER;
    else if (alignment_ == taRightJustify)
        flags |= DT_RIGHT;
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    else if (layout_ != tlTop)
        flags |= DT_SINGLELINE | (layout_ == tlCenter ? DT_VCENTER : DT_BOTTOM);
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    return flags;
}

void TLabel::AdjustBounds()
{
    if (!autoSize_ || Loading())
        return;
    TCanvas& canvas = MeasureCanvas();
    canvas.Font.Assign(Font());
    TRect rect = Rect(0, 0, wordWrap_ ? Width() : 0, 0);
    DrawText(canvas, Caption().empty() ? " " : Caption(), rect, (TextFlags() & ~(DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT);
    int left = Left();
    if (!wordWrap_ && alignment_ == taRightJustify)
        left += Width() - rect.Width();
    else if (!wordWrap_ && alignment_ == taCenter)
        left += (Width() - rect.Width()) / 2;
    SetBounds(left, Top(), wordWrap_ ? Width() : rect.Width(), rect.Height());
}

void TLabel::TextChanged()
{
    AdjustBounds();
    TGraphicControl::TextChanged();
}

void TLabel::FontChanged()
{
    TGraphicControl::FontChanged();
    AdjustBounds();
}

void TLabel::Paint()
{
    TCanvas& canvas = Canvas();
    if (!transparent_) {
        canvas.Brush.SetStyle(bsSolid);
        canvas.Brush.SetColor(Color());
        canvas.FillRect(ClientRect());
    }
    canvas.Brush.SetStyle(bsClear);
    canvas.Font.Assign(Font());
    TRect rect = ClientRect();
    if (!Enabled()) {
        canvas.Font.SetColor(clBtnHighlight);
        TRect shadow = rect;
        OffsetRect(shadow, 1, 1);
        DrawText(canvas, Caption(), shadow, TextFlags());
        canvas.Font.SetColor(clBtnShadow);
    }
    DrawText(canvas, Caption(), rect, TextFlags());
}

// ---- TImage

TImage::TImage(TComponent* owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, 105, 105);
    picture_.OnChange = [this] { PictureChanged(); };
}

void TImage::PictureChanged()
{
    if (TGraphic* graphic = picture_.Graphic(); graphic && transparent_ && !graphic->Transparent())
        graphic->SetTransparent(true);  // comes back here once
    if (autoSize_ && !picture_.Empty())
        SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    Invalidate();
}

void TImage::SetStretch(bool stretch)
{
    stretch_ = stretch;
    Invalidate();
}

void TImage::SetCenter(bool center)
{
    center_ = center;
    Invalidate();
}

void TImage::SetProportional(bool proportional)
{
    proportional_ = proportional;
    Invalidate();
}

void TImage::SetTransparent(bool transparent)
{
    transparent_ = transparent;
    if (TGraphic* graphic = picture_.Graphic(); graphic && graphic->Transparent() != transparent)
        graphic->SetTransparent(transparent);
    Invalidate();
}

void TImage::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    PictureChanged();
}

TRect TImage::DestRect() const
{
    int w = picture_.Width();
    int h = picture_.Height();
    const int cw = ClientWidth();
    const int ch = ClientHeight();
    if (stretch_ || (proportional_ && (w > cw || h > ch))) {
        if (proportional_ && w > 0 && h > 0) {
            if (static_cast<long long>(cw) * h > static_cast<long long>(ch) * w) {
                w = w * ch / h;
                h = ch;
            } else {
                h = h * cw / w;
                w = cw;
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    if (center_)
        return Bounds((cw - w) / 2, (ch - h) / 2, w, h);
    return Bounds(0, 0, w, h);
}

void TImage::Paint()
{
    TGraphic* graphic = picture_.Graphic();
    if (!graphic || graphic->Empty())
        return;
    const TRect dest = DestRect();
    if (dest.Width() == graphic->Width() && dest.Height() == graphic->Height())
        Canvas().Draw(dest.Left, dest.Top, *graphic);
    else
        Canvas().StretchDraw(dest, *graphic);
}

// ---- TShape

TShape::TShape(TComponent* owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, 65, 65);
    pen_.OnChange = [this] { Invalidate(); };
    brush_.OnChange = [this] { Invalidate(); };
}

void TShape::SetShape(TShapeType shape)
{
    shape_ = shape;
    Invalidate();
}

void TShape::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Pen.Assign(pen_);
    canvas.Brush.Assign(brush_);
    const int penWidth = pen_.Width();
    int x = penWidth / 2;
    int y = x;
    int w = Width() - penWidth + 1;
    int h = Height() - penWidth + 1;
    if (penWidth == 0) {
        w -= 1;
        h -= 1;
    }
    if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
        const int side = std::min(w, h);
        x += (w - side) / 2;
        y += (h - side) / 2;
        w = h = side;
    }
    switch (shape_) {
    case stRectangle:
    case stSquare:
        canvas.Rectangle(x, y, x + w, y + h);
        break;
    case stRoundRect:
    case stRoundSquare:
        canvas.RoundRect(x, y, x + w, y + h, std::min(w, h) / 4, std::min(w, h) / 4);
        break;
    case stEllipse:
    case stCircle:
        canvas.Ellipse(x, y, x + w, y + h);
        break;
    }
}

// ---- TBevel

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape shape)
{
    shape_ = shape;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle style)
{
    style_ = style;
    Invalidate();
}

void TBevel::Paint()
{
    TCanvas& canvas = Canvas();
    const TColor first = style_ == bsLowered ? clBtnShadow : clBtnHighlight;
    const TColor second = style_ == bsLowered ? clBtnHighlight : clBtnShadow;
    const int w = Width();
    const int h = Height();
    const auto line = [&canvas](TColor color, int x1, int y1, int x2, int y2) {
        canvas.Pen.SetColor(color);
        canvas.Pen.SetWidth(1);
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    };
    switch (shape_) {
    case bsBox:
        line(first, 0, h - 1, 0, 0);
        line(first, 0, 0, w - 1, 0);
        line(second, w - 1, 0, w - 1, h - 1);
        line(second, w - 1, h - 1, -1, h - 1);
        break;
    case bsFrame:
        canvas.Brush.SetStyle(bsClear);
        canvas.Pen.SetColor(first);
        canvas.Rectangle(0, 0, w - 1, h - 1);
        canvas.Pen.SetColor(second);
        canvas.Rectangle(1, 1, w, h);
        break;
    case bsTopLine:
        line(first, 0, 0, w, 0);
        line(second, 0, 1, w, 1);
        break;
    case bsBottomLine:
        line(first, 0, h - 2, w, h - 2);
        line(second, 0, h - 1, w, h - 1);
        break;
    case bsLeftLine:
        line(first, 0, 0, 0, h);
        line(second, 1, 0, 1, h);
        break;
    case bsRightLine:
        line(first, w - 2, 0, w - 2, h);
        line(second, w - 1, 0, w - 1, h);
        break;
    case bsSpacer:
        break;
    }
}

}  // namespace tarvelon
