#include "richtext/html_button_look.h"

#include <cctype>

#include "platform/graphics/edges.h"
#include "platform/graphics/themes.h"
#include "richtext/html_button_bitmaps.h"

namespace tarvelon {
namespace {

constexpr int kBoxSize = 13;

// The top of a drawn box: 4 from the top, centred, or `bottomGap` above the bottom.
int BoxTop(TTextLayout vertAlign, int clientHeight, int bottomGap)
{
    switch (vertAlign) {
    case tlCenter: return clientHeight / 2 - 6;
    case tlBottom: return clientHeight - bottomGap;
    default: return 4;
    }
}

int BoxLeft(TLeftRight alignment, int clientWidth, int leftInset, int width)
{
    return alignment == taRightJustify ? clientWidth - leftInset - width : leftInset;
}

TRect DrawClassicBox(TCanvas& canvas, TButtonType type, TLeftRight alignment, TTextLayout vertAlign, TSize client,
                     const TButtonFace& face)
{
    const int left = BoxLeft(alignment, client.cx, 0, kBoxSize);
    TRect box = Bounds(left, BoxTop(vertAlign, client.cy, 17), kBoxSize, kBoxSize);
    unsigned state = face.radio ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
    if (!face.enabled || face.grayed)
        state |= DFCS_INACTIVE;
    if (face.checked)
        state |= DFCS_CHECKED;
    if (type == btFlat)
        state |= DFCS_FLAT;
    TRect drawn = box;
    DrawFrameControl(canvas, drawn, DFC_BUTTON, state);
    return box;
}

void DruskEdges(TCanvas& canvas, const TRect& box, bool down)
{
    const TColor light = down ? clBtnShadow : clBtnHighlight;
    const TColor shadow = down ? clBtnHighlight : clBtnShadow;
    canvas.Pen.SetStyle(psSolid);
    canvas.Pen.SetWidth(1);
    canvas.Pen.SetColor(light);
    canvas.MoveTo(box.Left, box.Bottom - 1);
    canvas.LineTo(box.Left, box.Top);
    canvas.LineTo(box.Right - 1, box.Top);
    canvas.Pen.SetColor(shadow);
    canvas.LineTo(box.Right - 1, box.Bottom - 1);
    canvas.LineTo(box.Left - 1, box.Bottom - 1);
}

void DruskTick(TCanvas& canvas, const TRect& box, TColor colour)
{
    canvas.Pen.SetColor(colour);
    for (int stroke = 0; stroke < 2; ++stroke) {
        const int y = box.Top + 5 + stroke;
        canvas.MoveTo(box.Left + 3, y);
        canvas.LineTo(box.Left + 5, y + 2);
        canvas.LineTo(box.Left + 10, y - 3);
    }
}

void DruskCheck(TCanvas& canvas, const TRect& box, const TButtonFace& face)
{
    canvas.Brush.SetStyle(bsSolid);
    canvas.Brush.SetColor(clBtnFace);
    canvas.FillRect(box);
    DruskEdges(canvas, box, face.down);
    if (face.checked)
        DruskTick(canvas, box, face.enabled ? face.checkColor : clGray);
    else if (face.grayed) {
        canvas.Brush.SetColor(clBtnShadow);
        canvas.FillRect(Rect(box.Left + 3, box.Top + 3, box.Right - 3, box.Bottom - 3));
    }
}

void DruskDiamond(TCanvas& canvas, const TRect& box, const TButtonFace& face)
{
    const int cx = box.Left + 6;
    const int cy = box.Top + 6;
    canvas.Pen.SetStyle(psSolid);
    canvas.Pen.SetWidth(1);
    canvas.Pen.SetColor(clBtnFace);
    canvas.Brush.SetStyle(bsSolid);
    canvas.Brush.SetColor(clBtnFace);
    canvas.Polygon({Point(cx, cy - 6), Point(cx + 6, cy), Point(cx, cy + 6), Point(cx - 6, cy)});
    // Upper edges gray and lower silver (all black while pressed).
    canvas.Pen.SetColor(face.down ? clBlack : clGray);
    canvas.MoveTo(cx - 6, cy);
    canvas.LineTo(cx, cy - 6);
    canvas.LineTo(cx + 6, cy);
    canvas.Pen.SetColor(face.down ? clBlack : clSilver);
    canvas.LineTo(cx, cy + 6);
    canvas.LineTo(cx - 6, cy);
    if (face.checked) {
        const TColor mark = face.enabled ? face.checkColor : clGray;
        canvas.Pen.SetColor(mark);
        canvas.Brush.SetColor(mark);
        canvas.Polygon({Point(cx, cy - 2), Point(cx + 2, cy), Point(cx, cy + 2), Point(cx - 2, cy)});
    }
}

TRect DrawDruskBox(TCanvas& canvas, TLeftRight alignment, TTextLayout vertAlign, TSize client,
                   const TButtonFace& face)
{
    const TRect box = Bounds(BoxLeft(alignment, client.cx, 1, 12), BoxTop(vertAlign, client.cy, 16), 12, 12);
    if (face.radio)
        DruskDiamond(canvas, box, face);
    else
        DruskCheck(canvas, box, face);
    return box;
}

TRect DrawBitmapBox(TCanvas& canvas, bool desktop, TLeftRight alignment, TTextLayout vertAlign, TSize client,
                    const TButtonFace& face)
{
    const TBitmap& bitmap = ButtonBitmap(ButtonBitmapName(face.radio, desktop, face.checked, face.enabled));
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    int top = desktop ? 2 : 0;
    if (vertAlign == tlCenter)
        top = client.cy / 2 - height / 2;
    else if (vertAlign == tlBottom)
        top = client.cy - height;
    const TRect box = Bounds(BoxLeft(alignment, client.cx, 0, width), top, width, height);
    canvas.Draw(box.Left, box.Top, bitmap);
    return box;
}

int ThemeState(const TButtonFace& face)
{
    int first = CBS_UNCHECKEDNORMAL;
    if (face.checked)
        first = CBS_CHECKEDNORMAL;
    else if (face.grayed && !face.radio)
        first = CBS_MIXEDNORMAL;
    if (!face.enabled)
        return first + 3;
    if (face.down)
        return first + 2;
    if (face.hot)
        return first + 1;
    return first;
}

TRect DrawThemedBox(TCanvas& canvas, TLeftRight alignment, TTextLayout vertAlign, TSize client,
                    const TButtonFace& face)
{
    const int height = face.radio ? kBoxSize : 14;
    const TRect box =
        Bounds(BoxLeft(alignment, client.cx, 0, kBoxSize), BoxTop(vertAlign, client.cy, 14), kBoxSize, height);
    DrawThemeBackground(canvas, "button", face.radio ? BP_RADIOBUTTON : BP_CHECKBOX, ThemeState(face), box);
    return box;
}

}  // namespace

bool ThemesAvailable()
{
    return IsThemed();
}

TButtonType EffectiveButtonType(TButtonType type)
{
    if (type != btTheme)
        return type;
    return ThemesAvailable() ? btWinXP : btClassic;
}

std::string ButtonBitmapName(bool radio, bool desktop, bool checked, bool enabled)
{
    int number = 0;
    if (radio)
        number = checked ? (enabled ? 1 : 3) : (enabled ? 2 : 4);
    else
        number = checked ? (enabled ? 1 : 2) : (enabled ? 3 : 4);
    if (desktop)
        number += 4;
    return std::string(radio ? "HTMBRAD0" : "HTMBCHK0") + char('0' + number);
}

TButtonBox DrawButtonBox(TCanvas& canvas, TButtonType type, TLeftRight alignment, TTextLayout vertAlign,
                         TSize client, const TButtonFace& face)
{
    switch (EffectiveButtonType(type)) {
    case btDrusk: return {DrawDruskBox(canvas, alignment, vertAlign, client, face), false};
    case btVelmar: return {DrawBitmapBox(canvas, false, alignment, vertAlign, client, face), true};
    case btWinXP:
        if (ThemesAvailable())
            return {DrawThemedBox(canvas, alignment, vertAlign, client, face), false};
        return {DrawBitmapBox(canvas, true, alignment, vertAlign, client, face), true};
    default: return {DrawClassicBox(canvas, type, alignment, vertAlign, client, face), false};
    }
}

TRect ButtonCaptionRect(const TButtonBox& box, TLeftRight alignment, TSize client)
{
    const int gap = box.bitmap ? 10 : 5;
    TRect rect = Rect(box.rect.Left + 12 + gap, box.rect.Top + 4, client.cx, client.cy);
    if (alignment == taRightJustify) {
        rect.Left = 0;
        rect.Right = box.rect.Right - 12 - gap;
    }
    return rect;
}

TRect ButtonHitRect(TButtonType type, TSize client)
{
    return Rect(type == btVelmar ? 22 : 17, 4, client.cx, client.cy);
}

THTMLDrawResult DrawButtonCaption(TCanvas& canvas, const std::string& caption, const TRect& rect,
                                  THTMLDrawParams params, bool enabled)
{
    THTMLDrawResult result;
    if (enabled) {
        HTMLDrawGDI(canvas, caption, rect, params, result);
        return result;
    }
    const TColor fontColor = canvas.Font.Color();
    TRect raised = rect;
    OffsetRect(raised, 1, 1);
    canvas.Font.SetColor(clWhite);
    params.URLColor = clWhite;
    HTMLDrawGDI(canvas, caption, raised, params, result);
    canvas.Font.SetColor(clGray);
    params.URLColor = clGray;
    result = THTMLDrawResult();
    HTMLDrawGDI(canvas, caption, rect, params, result);
    canvas.Font.SetColor(fontColor);
    return result;
}

char32_t CaptionAccelerator(const std::string& caption)
{
    // " & " anywhere turns mnemonics off, as the text output does.
    if (caption.find(" & ") != std::string::npos)
        return 0;
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char32_t>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
    }
    return 0;
}

}  // namespace tarvelon
