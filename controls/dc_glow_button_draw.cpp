#include "controls/dc_glow_button_draw.h"

#include <algorithm>
#include <cctype>

#include "controls/dc_glow_button_colors.h"
#include "controls/dc_smooth_gdip.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/font_faces.h"
#include "platform/graphics/text_draw.h"

namespace tarvelon {
namespace {

constexpr TColor kDisabledText = 0x808080;
constexpr TColor kFocusFrame = 0xE4AD89;

// ---- Borders

void AddRoundRectFigure(TGPGraphicsPath& path, float x, float y, float w, float h, float r)
{
    const float d = 2 * r;
    path.AddLine(x + r, y, x + w - r, y);
    path.AddArc(x + w - d, y, d, d, 270, 90);
    path.AddLine(x + w, y + r, x + w, y + h - r);
    path.AddArc(x + w - d, y + h - d, d, d, 0, 90);
    path.AddLine(x + w - r, y + h, x + r, y + h);
    path.AddArc(x, y + h - d, d, d, 90, 90);
    path.AddLine(x, y + h - r, x, y + r);
    path.AddArc(x, y, d, d, 180, 90);
    path.CloseFigure();
}

void StrokeRoundRect(TGPGraphics& graphics, const TGPPen& pen, int x, int y, int w, int h, int r)
{
    if (r <= 0) {
        graphics.DrawRectangle(pen, static_cast<float>(x), static_cast<float>(y), static_cast<float>(w),
                               static_cast<float>(h));
        return;
    }
    TGPGraphicsPath path;
    AddRoundRectFigure(path, static_cast<float>(x), static_cast<float>(y), static_cast<float>(w),
                       static_cast<float>(h), static_cast<float>(r));
    graphics.DrawPath(pen, path);
}

// The left edge of a button standing right of another: full and darker when emphasised, else a
// short light line.
void DrawInnerLeftEdge(TGPGraphics& graphics, TColor color, int x, int y, int h, bool emphasised)
{
    if (emphasised) {
        graphics.DrawLine(TGPPen(ColorToARGB(ChangeBrightness(color, -5))), x, y, x, y + h);
        return;
    }
    graphics.DrawLine(TGPPen(ColorToARGB(ChangeBrightness(clWhite, -10))), x, y + 2, x, y + h - 2);
}

// ---- Pictures

std::optional<TGPImage> DecodePicture(const TEncodedPicture& picture)
{
    if (!picture.HasBytes())
        return std::nullopt;
    const TBytes& bytes = picture.Bytes();
    TGPImage image = TGPImage::FromBytes(TByteView(bytes.data(), bytes.size()));
    if (image.Status() != Ok)
        return std::nullopt;
    return image;
}

// A BMP goes through a bitmap with its bottom-left colour transparent, as the classic canvas does.
bool DrawBmpOnCanvas(TCanvas& canvas, const TRect& rect, const TEncodedPicture& picture, const TGPImage& image)
{
    if (image.RawFormat() != TImageFormat::Bmp)
        return false;
    TBitmap bitmap;
    const TBytes& bytes = picture.Bytes();
    if (!bitmap.LoadFromBytes(TByteView(bytes.data(), bytes.size())))
        return true;
    bitmap.SetTransparentMode(tmAuto);
    bitmap.SetTransparent(true);
    canvas.StretchDraw(rect, bitmap);
    return true;
}

// ---- Text

// The caption goes through GDI+ only with smoothing asked for and an outline face that the screen
// has; any other font takes the classic text output.
bool UsesGdiPlusText(TCanvas& canvas, const TFont& font, TAntiAlias antiAlias)
{
    if (antiAlias == aaNone || !IsKnownFace(font.Name()))
        return false;
    const TFont saved = canvas.Font;
    canvas.Font.Assign(font);
    const bool scalable = GetTextMetrics(canvas).scalable;
    canvas.Font.Assign(saved);
    return scalable;
}

struct TTextPlan {
    TGPRectF box;       // where the caption is drawn
    TGPRectF measured;  // what it covers
    TGPRectF notes;     // what the notes cover (empty without notes)
    int glyphX = 0;
    int glyphY = 0;
};

TGPStringFormat CaptionFormat(const TGlowButtonDrawInput& in, TButtonLayout layout)
{
    TGPStringFormat format(in.wordWrap ? 0 : StringFormatFlagsNoWrap);
    format.SetAlignment(layout == blGlyphLeftAdjusted    ? StringAlignmentNear
                        : layout == blGlyphRightAdjusted ? StringAlignmentFar
                                                         : StringAlignmentCenter);
    format.SetLineAlignment(layout == blGlyphTopAdjusted      ? StringAlignmentNear
                            : layout == blGlyphBottomAdjusted ? StringAlignmentFar
                                                              : StringAlignmentCenter);
    format.SetHotkeyPrefix(HotkeyPrefixShow);
    format.SetTrimming(in.trimming);
    return format;
}

// The rows the classic output gives the caption in `box`: it centres or bottoms one line itself;
// wrapped lines are measured first and placed the same way.
struct TCaptionRows {
    int top = 0;
    int height = 0;
};

TCaptionRows ClassicCaptionRows(TCanvas& canvas, const std::string& caption, const TRect& box, unsigned flags)
{
    TRect measured = box;
    const int height = DrawText(canvas, caption, measured, flags | DT_CALCRECT);
    if (flags & DT_BOTTOM)
        return {box.Bottom - height, height};
    if (flags & DT_VCENTER)
        return {box.Top + (box.Height() - height) / 2, height};
    return {box.Top, height};
}

std::string JoinNotes(const std::vector<std::string>& notes)
{
    std::string text;
    for (const std::string& line : notes)
        text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

// Glyph and caption placement by layout (W, H the content size; text from the measured box).
void PlaceByLayout(TButtonLayout layout, int L, int T, int W, int H, int gw, int gh, int spacing, bool gdiPath,
                   TTextPlan& plan)
{
    const TGPRectF& text = plan.measured;
    TGPRectF& box = plan.box;
    const int glyphYCentred = T + std::max(0, (H - gh) / 2);
    const int glyphXCentred = L + std::max(0, (W - gw) / 2);
    switch (layout) {
    case blGlyphLeft:
    case blGlyphLeftAdjusted:
        box.X = static_cast<float>(L + 2 + gw);
        box.Width = static_cast<float>(W - 2 - gw);
        // The classic output centres blGlyphLeft's glyph with the caption itself (see the caller);
        // the adjusted layout's near-aligned caption puts the glyph at the left edge either way.
        if (!gdiPath || layout == blGlyphLeftAdjusted)
            plan.glyphX = std::max(2, RoundEven(text.X - gw / 2));
        plan.glyphY = glyphYCentred;
        break;
    case blGlyphRight:
    case blGlyphRightAdjusted:
        box.X = 2;
        box.Width = static_cast<float>(W - 4 - gw);
        if (layout == blGlyphRight) {
            plan.glyphX = std::max(0, RoundEven(box.Width - text.Width) / 2) + RoundEven(text.Width) + 4;
            if (plan.glyphX > W - gw)
                plan.glyphX = W - gw - 2;
        } else {
            plan.glyphX = W - gw - 2;
        }
        plan.glyphX += spacing;
        plan.glyphY = glyphYCentred;
        break;
    case blGlyphTop:
    case blGlyphTopAdjusted:
        box.Y = static_cast<float>(T + gh);
        box.Height = static_cast<float>(H - 2 - gh);
        plan.glyphX = glyphXCentred;
        plan.glyphY = RoundEven(box.Y) - gh;
        if (layout == blGlyphTop)
            plan.glyphY += std::max(0, RoundEven(box.Height - text.Height) / 2) - (gdiPath ? 4 : 0);
        plan.glyphY = std::max(2, plan.glyphY);
        break;
    case blGlyphBottom:
        box.Y = 2;
        box.Height = static_cast<float>(H - 2 - gh);
        plan.glyphX = glyphXCentred;
        plan.glyphY = std::max(0, RoundEven(box.Height - text.Height) / 2) + RoundEven(text.Height + (gdiPath ? 5 : 2));
        if (plan.glyphY > H - gh)
            plan.glyphY = H - gh - 2;
        break;
    case blGlyphBottomAdjusted:
        box.Y = 2;
        plan.glyphX = glyphXCentred;
        if (gdiPath) {
            box.Height = static_cast<float>(H - 4 - gh);
            plan.glyphY = H - gh - 2;
        } else {
            box.Height = static_cast<float>(H - 2 - gh);
            plan.glyphY = std::max(0, H / 2) + RoundEven(text.Height + 2);
            if (plan.glyphY > H - gh)
                plan.glyphY = H - gh - 2;
        }
        break;
    }
}

bool SidewaysLayout(TButtonLayout layout)
{
    return layout == blGlyphLeft || layout == blGlyphRight || layout == blGlyphLeftAdjusted ||
           layout == blGlyphRightAdjusted;
}

// The content size that AutoSize works from (measure-only calls).
TSize MeasuredContent(TButtonLayout layout, bool hasCaption, int gw, int gh, int spacing, const TGPRectF& caption,
                      const TGPRectF& notes)
{
    if (hasCaption) {
        if (SidewaysLayout(layout) && gw > 0)
            gw += spacing;
        if ((layout == blGlyphTop || layout == blGlyphTopAdjusted) && gh > 0)
            gh += spacing;
    }
    const int cw = RoundEven(caption.Width);
    const int ch = RoundEven(caption.Height);
    const int nw = RoundEven(notes.Width);
    const int nh = RoundEven(notes.Height);
    if (SidewaysLayout(layout))
        return TSize{std::max(cw, nw) + gw + spacing, std::max(ch + nh + spacing, gh + spacing)};
    return TSize{std::max(cw + spacing, gw + spacing), ch + gh + spacing};
}

struct TGlyph {
    int width = 0;
    int height = 0;
    bool picture = false;  // else an image of the image list (or nothing)
};

TGlyph GlyphOf(const TGlowButtonDrawInput& in)
{
    TGlyph glyph;
    if (in.picture && !in.picture->Empty()) {
        glyph = {in.picture->Width(), in.picture->Height(), true};
        if (in.forcedPictureWidth >= 1 && in.forcedPictureHeight >= 1)
            glyph = {in.forcedPictureWidth, in.forcedPictureHeight, true};
    } else if (in.imageIndex >= 0 && in.images) {
        glyph = {in.images->Width(), in.images->Height(), false};
    }
    return glyph;
}

// ---- Face

void DrawFace(TGPGraphics& graphics, const TRect& r, const TGlowButtonDrawInput& in)
{
    const int L = r.Left, T = r.Top, Rt = r.Right, B = r.Bottom, H = B - T;
    const int half = H / 2;
    if (!in.dropDownButton || !in.hotOrDown || !in.dropDownSplit) {
        DrawGlowGradient(graphics, Rect(L, T + half - 1, Rt, B), in.colorMirrorTo, in.colorMirror, in.gradientMirror,
                         false);
        DrawGlowGradient(graphics, Rect(L, T, Rt, B - half), in.color, in.colorTo, in.gradient, true);
        return;
    }
    // Split face: the part under the pointer is 10 % darker.
    auto dark = [](TColor c) { return ChangeBrightness(c, -10); };
    const bool stripActive = in.dropDownState == 2;
    const TColor mainC = stripActive ? in.color : dark(in.color);
    const TColor mainCTo = stripActive ? in.colorTo : dark(in.colorTo);
    const TColor mainM = stripActive ? in.colorMirror : dark(in.colorMirror);
    const TColor mainMTo = stripActive ? in.colorMirrorTo : dark(in.colorMirrorTo);
    const TColor stripC = stripActive ? dark(in.color) : in.color;
    const TColor stripCTo = stripActive ? dark(in.colorTo) : in.colorTo;
    const TGDIPGradient stripKind = stripActive ? in.gradient : ggRadial;
    if (in.dropDownPosition == dpRight) {
        const int s = Rt - kGlowSplitWidth;
        DrawGlowGradient(graphics, Rect(L, T + half - 1, s, B), mainMTo, mainM, in.gradientMirror, false);
        DrawGlowGradient(graphics, Rect(L, T, s, B - half), mainC, mainCTo, in.gradient, true);
        DrawGlowGradient(graphics, Rect(s, T, Rt, B - half), stripC, stripCTo, stripKind, true);
        const TColor stripM = stripActive ? dark(in.colorMirror) : in.colorMirror;
        const TColor stripMTo = stripActive ? dark(in.colorMirrorTo) : in.colorMirrorTo;
        DrawGlowGradient(graphics, Rect(s, T + half - 1, Rt, B), stripMTo, stripM, in.gradientMirror, false);
    } else {
        const int h2 = (H - kGlowSplitWidth) / 2;
        const int s = B - kGlowSplitWidth;
        DrawGlowGradient(graphics, Rect(L, T + h2 - 1, Rt, s), mainMTo, mainM, in.gradientMirror, false);
        DrawGlowGradient(graphics, Rect(L, T, Rt, s - h2), mainC, mainCTo, in.gradient, true);
        DrawGlowGradient(graphics, Rect(L, s, Rt, B), stripC, stripCTo, stripKind, true);
    }
}

void DrawBorder(TGPGraphics& graphics, const TRect& r, const TGlowButtonDrawInput& in, int radius)
{
    const int x = r.Left, y = r.Top, w = r.Right - 1, h = r.Bottom - 1;
    const bool emphasised = in.mouseInControl || in.down;
    switch (in.position) {
    case bpStandalone: DrawRoundRectBorder(graphics, in.borderColor, x, y, w, h, radius); break;
    case bpLeft: DrawLeftButtonBorder(graphics, in.borderColor, x, y, w, h, radius); break;
    case bpMiddle: DrawMiddleButtonBorder(graphics, in.borderColor, x, y, w, h, emphasised); break;
    case bpRight: DrawRightButtonBorder(graphics, in.borderColor, x, y, w, h, radius, emphasised); break;
    }
}

void DrawDropDownPart(TCanvas& canvas, const TRect& strip, const TGlowButtonDrawInput& in, bool noCaption,
                      int captionBottom)
{
    canvas.Brush.SetStyle(bsClear);
    if (in.hotOrDown && in.dropDownSplit) {
        canvas.Pen.SetColor(in.borderColor);
        canvas.Pen.SetStyle(psSolid);
        if (in.dropDownPosition == dpBottom) {
            canvas.MoveTo(strip.Left, strip.Top);
            canvas.LineTo(strip.Right, strip.Top);
        } else {
            canvas.MoveTo(strip.Left, strip.Top);
            canvas.LineTo(strip.Left, strip.Bottom);
        }
    }
    const int x = strip.Left + (strip.Width() - 5) / 2;
    const int y = (in.dropDownPosition == dpBottom || noCaption) ? strip.Top + (strip.Height() - 3) / 2 + 1
                                                                 : captionBottom - 8;
    DrawDropDownArrow(canvas, Point(x, y), in.enabled ? clBlack : kDisabledText, clWhite, in.arrowDown);
}

void DrawGlyph(TGPGraphics& graphics, TCanvas& canvas, const TGlowButtonDrawInput& in, const TGlyph& glyph,
               TPoint at)
{
    if (glyph.picture) {
        if (in.forcedPictureWidth >= 1 && in.forcedPictureHeight >= 1)
            DrawPictureStretched(graphics, canvas, Bounds(at.X, at.Y, glyph.width, glyph.height), *in.picture);
        else
            DrawPictureAt(graphics, canvas, at, *in.picture);
    } else if (in.imageIndex >= 0 && in.images) {
        in.images->Draw(canvas, at.X, at.Y, in.imageIndex, in.imageEnabled);
    }
}

}  // namespace

std::string GlowCaptionLines(const std::string& caption, bool forcedPictureSize)
{
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '\\' && i + 1 < caption.size() && std::tolower(static_cast<unsigned char>(caption[i + 1])) == 'n') {
            // Our text layout breaks a line at a CR LF pair; a lone CR after the LF would start a
            // second, empty line.
            out += forcedPictureSize ? " " : "\r\n";
            ++i;
        } else {
            out += caption[i];
        }
    }
    return out;
}

void DrawGlowGradient(TGPGraphics& graphics, const TRect& rect, TColor first, TColor second, TGDIPGradient kind,
                      bool upperHalf)
{
    const float L = static_cast<float>(rect.Left), T = static_cast<float>(rect.Top);
    const float Rt = static_cast<float>(rect.Right), B = static_cast<float>(rect.Bottom);
    const int w = rect.Width(), h = rect.Height();
    // The right and bottom coordinates serve as extents, as the button always did.
    graphics.FillRectangle(TGPSolidBrush(ColorToARGB(upperHalf ? first : second)), L, T, Rt, B);
    if (kind == ggRadial) {
        TGPGraphicsPath path;
        path.AddEllipse(L, upperHalf ? T - static_cast<float>(h / 2) + 2 : T, Rt, B);
        TGPPathGradientBrush brush(path);
        brush.SetCenterPoint(TGPPointF{L + static_cast<float>(w / 2), upperHalf ? T : B});
        brush.SetCenterColor(ColorToARGB(upperHalf ? second : first));
        brush.SetSurroundColors({ColorToARGB(upperHalf ? first : second)});
        graphics.FillRectangle(brush, L, T, Rt, B);
        return;
    }
    const TGPLinearGradientMode mode = kind == ggVertical          ? LinearGradientModeVertical
                                       : kind == ggDiagonalForward ? LinearGradientModeForwardDiagonal
                                                                   : LinearGradientModeBackwardDiagonal;
    TGPLinearGradientBrush brush(TGPRectF{L, T, static_cast<float>(w), static_cast<float>(h)}, ColorToARGB(first),
                                 ColorToARGB(second), mode);
    graphics.FillRectangle(brush, L, T, Rt, B);
}

void DrawRoundRectBorder(TGPGraphics& graphics, TColor color, int x, int y, int w, int h, int r)
{
    StrokeRoundRect(graphics, TGPPen(ColorToARGB(color)), x, y, w, h, r);
}

void DrawDottedRoundRect(TGPGraphics& graphics, TColor color, int x, int y, int w, int h, int r)
{
    TGPPen pen(ColorToARGB(color));
    pen.SetDashStyle(DashStyleDot);
    StrokeRoundRect(graphics, pen, x, y, w, h, r);
}

void DrawLeftButtonBorder(TGPGraphics& graphics, TColor color, int x, int y, int w, int h, int r)
{
    const float X = static_cast<float>(x), Y = static_cast<float>(y), W = static_cast<float>(w),
                H = static_cast<float>(h), R = static_cast<float>(r), d = 2 * R;
    TGPGraphicsPath path;
    path.AddLine(X + W, Y + H, X + R, Y + H);
    path.AddArc(X, Y + H - d, d, d, 90, 90);
    path.AddLine(X, Y + H - R, X, Y + R);
    path.AddArc(X, Y, d, d, 180, 90);
    path.AddLine(X + R, Y, X + W, Y);
    graphics.DrawPath(TGPPen(ColorToARGB(color)), path);
    graphics.DrawLine(TGPPen(ColorToARGB(ChangeBrightness(color, -5))), X + W, Y, X + W, Y + H);
}

void DrawMiddleButtonBorder(TGPGraphics& graphics, TColor color, int x, int y, int w, int h, bool emphasised)
{
    const TGPPen pen(ColorToARGB(color));
    graphics.DrawLine(pen, x - 1, y + h, x + w, y + h);
    graphics.DrawLine(pen, x - 1, y, x + w, y);
    graphics.DrawLine(TGPPen(ColorToARGB(ChangeBrightness(color, -5))), x + w, y, x + w, y + h);
    DrawInnerLeftEdge(graphics, color, x, y, h, emphasised);
}

void DrawRightButtonBorder(TGPGraphics& graphics, TColor color, int x, int y, int w, int h, int r, bool emphasised)
{
    const float X = static_cast<float>(x), Y = static_cast<float>(y), W = static_cast<float>(w),
                H = static_cast<float>(h), R = static_cast<float>(r), d = 2 * R;
    TGPGraphicsPath path;
    path.AddLine(X, Y, X + W - d, Y);
    path.AddArc(X + W - d, Y, d, d, 270, 90);
    path.AddLine(X + W, Y + R, X + W, Y + H - d);
    path.AddArc(X + W - d, Y + H - d, d, d, 0, 90);
    path.AddLine(X + W, Y + H, X, Y + H);
    graphics.DrawPath(TGPPen(ColorToARGB(color)), path);
    DrawInnerLeftEdge(graphics, color, x, y, h, emphasised);
}

void DrawDropDownArrow(TCanvas& canvas, TPoint o, TColor color, TColor highlight, bool down)
{
    canvas.Pen.SetStyle(psSolid);
    canvas.Pen.SetColor(color);
    const int x = o.X, y = o.Y;
    if (down) {
        canvas.MoveTo(x, y);
        canvas.LineTo(x + 5, y);
        canvas.MoveTo(x + 1, y + 1);
        canvas.LineTo(x + 4, y + 1);
        canvas.SetPixel(x + 2, y + 2, color);
        for (TPoint p : {Point(x, y + 1), Point(x + 4, y + 1), Point(x + 1, y + 2), Point(x + 3, y + 2), Point(x + 2, y + 3)})
            canvas.SetPixel(p.X, p.Y, highlight);
        return;
    }
    canvas.MoveTo(x, y);
    canvas.LineTo(x, y + 5);
    canvas.MoveTo(x + 1, y + 1);
    canvas.LineTo(x + 1, y + 4);
    canvas.SetPixel(x + 2, y + 2, color);
    for (TPoint p : {Point(x + 2, y + 1), Point(x + 1, y + 4), Point(x + 3, y + 2)})
        canvas.SetPixel(p.X, p.Y, highlight);
}

void DrawPictureStretched(TGPGraphics& graphics, TCanvas& canvas, const TRect& rect, const TEncodedPicture& picture)
{
    const std::optional<TGPImage> image = DecodePicture(picture);
    if (!image || DrawBmpOnCanvas(canvas, rect, picture, *image))
        return;
    graphics.DrawImage(*image, static_cast<float>(rect.Left), static_cast<float>(rect.Top),
                       static_cast<float>(rect.Width()), static_cast<float>(rect.Height()));
}

void DrawPictureAt(TGPGraphics& graphics, TCanvas& canvas, TPoint point, const TEncodedPicture& picture)
{
    const std::optional<TGPImage> image = DecodePicture(picture);
    if (!image || DrawBmpOnCanvas(canvas, Bounds(point.X, point.Y, image->Width(), image->Height()), picture, *image))
        return;
    graphics.DrawImage(*image, static_cast<float>(point.X), static_cast<float>(point.Y));
}

TSize DrawGlowButton(TCanvas& canvas, const TRect& client, const TGlowButtonDrawInput& in)
{
    const int radius = in.rounded ? 3 : 0;
    const TButtonLayout layout = in.notes.empty() ? in.layout : blGlyphLeftAdjusted;
    TRect strip;
    TRect content = client;
    if (in.dropDownPosition == dpBottom) {
        strip = Rect(client.Left, client.Bottom - kGlowDropDownWidth, client.Right, client.Bottom);
        if (in.dropDownButton)
            content.Bottom = strip.Top;
    } else {
        strip = Rect(client.Right - kGlowDropDownWidth, client.Top, client.Right, client.Bottom);
        if (in.dropDownButton)
            content.Right = strip.Left;
    }
    TGPGraphics graphics(canvas);
    if (!in.measureOnly && !in.skipFace)
        DrawFace(graphics, client, in);
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    if (!in.measureOnly) {
        if (!in.skipFace && in.drawBorder)
            DrawBorder(graphics, client, in, radius);
        if (in.focusBorder) {
            DrawRoundRectBorder(graphics, kFocusFrame, client.Left + 1, client.Top + 1, client.Right - 3,
                                client.Bottom - 3, radius);
            DrawDottedRoundRect(graphics, kDisabledText, client.Left + 2, client.Top + 2, client.Right - 5,
                                client.Bottom - 5, radius);
        }
    }

    TFont font;
    if (in.font)
        font.Assign(*in.font);
    TFont notesFont;
    if (in.notesFont)
        notesFont.Assign(*in.notesFont);
    const TGlyph glyph = GlyphOf(in);
    const int gw = glyph.width, gh = glyph.height;
    const bool forced = in.forcedPictureWidth >= 1 && in.forcedPictureHeight >= 1;
    const std::string caption = in.showCaption ? GlowCaptionLines(in.caption, forced) : std::string();
    const std::string notes = JoinNotes(in.notes);
    const int L = content.Left, T = content.Top, W = content.Width(), H = content.Height();
    const bool gdiPath = !UsesGdiPlusText(canvas, font, in.antiAlias);

    TTextPlan plan;
    plan.box = in.measureOnly ? TGPRectF{static_cast<float>(L), static_cast<float>(T), 4096, 4096}
                              : TGPRectF{static_cast<float>(L), static_cast<float>(T), static_cast<float>(W),
                                         static_cast<float>(H)};
    const TGPStringFormat format = CaptionFormat(in, layout);
    const auto gpFont = CreateGPFont(font);
    const auto gpNotesFont = CreateGPFont(notesFont);
    if (gdiPath) {
        canvas.Font.Assign(font);
        if (!in.enabled)
            canvas.Font.SetColor(kDisabledText);
        TRect calc = Rect(0, 0, in.wordWrap ? 4096 : 2, 0);
        DrawText(canvas, caption, calc, DT_CALCRECT | (in.wordWrap ? DT_WORDBREAK : DT_SINGLELINE));
        plan.measured = TGPRectF{0, 0, static_cast<float>(calc.Width()), static_cast<float>(calc.Height())};
        plan.glyphX = std::max(2, (W - calc.Width() - gw) / 2);
    } else {
        TGPRectF measureBox = plan.box;
        if (gw > 0 && !in.measureOnly)
            measureBox.Width -= static_cast<float>(gw + in.spacing);
        graphics.MeasureString(caption, *gpFont, measureBox, format, &plan.measured);
    }
    if (!notes.empty())
        graphics.MeasureString(notes, *gpNotesFont, plan.box, format, &plan.notes);
    if (in.measureOnly)
        return MeasuredContent(layout, !caption.empty(), gw, gh, in.spacing, plan.measured, plan.notes);

    PlaceByLayout(layout, L, T, W, H, gw, gh, in.spacing, gdiPath, plan);
    int captionBottom = 0;
    if (!caption.empty()) {
        if (gdiPath) {
            const TRect box = Rect(RoundEven(plan.box.X), RoundEven(plan.box.Y), RoundEven(plan.box.Right()),
                                   RoundEven(plan.box.Bottom()));
            unsigned flags = in.wordWrap ? DT_WORDBREAK : DT_SINGLELINE;
            switch (layout) {
            case blGlyphTop:
            case blGlyphTopAdjusted: flags |= DT_CENTER; break;
            case blGlyphLeftAdjusted: flags |= DT_VCENTER; break;
            case blGlyphRightAdjusted: flags |= DT_RIGHT | DT_VCENTER; break;
            case blGlyphBottomAdjusted: flags |= DT_BOTTOM | DT_CENTER; break;
            default: flags |= DT_CENTER | DT_VCENTER; break;
            }
            canvas.Brush.SetStyle(bsClear);
            const TCaptionRows rows = ClassicCaptionRows(canvas, caption, box, flags);
            TRect drawBox = box;
            if (in.wordWrap)
                drawBox.Top = rows.top;
            DrawText(canvas, caption, drawBox, flags);
            captionBottom = (RoundEven(plan.measured.Height) + box.Height()) / 2;
            if (!notes.empty()) {
                // The notes follow the caption, one line each (wrapped with the caption's rule).
                canvas.Font.Assign(notesFont);
                TRect notesBox = Rect(box.Left, rows.top + rows.height, box.Right, box.Bottom);
                DrawText(canvas, notes, notesBox, flags & (DT_WORDBREAK | DT_CENTER | DT_RIGHT));
            }
        } else {
            graphics.SetTextRenderingHint(in.antiAlias == aaClearType ? TextRenderingHintClearTypeGridFit
                                                                      : TextRenderingHintAntiAliasGridFit);
            TGPStringFormat drawFormat = format;
            TGPRectF box = plan.box;
            if (!notes.empty()) {
                drawFormat.SetLineAlignment(StringAlignmentNear);
                box.Y += (box.Height - (plan.measured.Height + plan.notes.Height)) / 2;
            }
            const TGPSolidBrush brush(ColorToARGB(in.enabled ? font.Color() : kDisabledText));
            graphics.DrawString(caption, *gpFont, box, drawFormat, brush);
            TGPRectF where;
            graphics.MeasureString(caption, *gpFont, box, drawFormat, &where);
            captionBottom = RoundEven(where.Y + where.Height);
            if (!notes.empty()) {
                TGPRectF notesBox = box;
                notesBox.Y = where.Y + where.Height;
                graphics.DrawString(notes, *gpNotesFont, notesBox, drawFormat,
                                    TGPSolidBrush(ColorToARGB(notesFont.Color())));
            }
        }
    }
    if (in.showPicture && (gw > 0 || gh > 0)) {
        int contentW = W, contentH = H;
        if (in.dropDownButton)
            (in.dropDownPosition == dpRight ? contentW : contentH) -= 8;
        TPoint at = Point(plan.glyphX, plan.glyphY);
        if (caption.empty())
            at = Point(L + std::max(0, (contentW - gw) / 2), T + std::max(0, (contentH - gh) / 2));
        DrawGlyph(graphics, canvas, in, glyph, at);
    }
    if (in.dropDownButton)
        DrawDropDownPart(canvas, strip, in, caption.empty(), captionBottom);
    return TSize{W, H};
}

}  // namespace tarvelon
