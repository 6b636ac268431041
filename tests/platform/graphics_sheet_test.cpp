// Draws a sheet of every kind of primitive (kept as graphics_sheet.png, see sample_picture.h),
// and checks that each kind left ink where it was drawn.
#include <gtest/gtest.h>

#include <QImage>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/edges.h"
#include "platform/graphics/gdiplus.h"
#include "platform/graphics/image_list.h"
#include "platform/graphics/text_draw.h"
#include "platform/graphics/themes.h"
#include "tests/support/sample_picture.h"

namespace tarvelon {
namespace {

bool HasInk(const QImage& image, const TRect& area, QRgb background)
{
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (background & 0xFFFFFF))
                return true;
    return false;
}

void Caption(TCanvas& canvas, int x, int y, const std::string& text)
{
    canvas.Font.SetName("Tahoma");
    canvas.Font.SetSize(8);
    canvas.Font.SetColor(clBlack);
    canvas.SetBkMode(TRANSPARENT);
    canvas.TextOut(x, y, text);
}

void DrawClassicRow(TCanvas& canvas)
{
    Caption(canvas, 10, 4, "Classic canvas");
    canvas.Pen.SetColor(clNavy);
    canvas.Brush.SetColor(clYellow);
    canvas.Rectangle(10, 20, 60, 60);
    canvas.Brush.SetColor(clAqua);
    canvas.Ellipse(70, 20, 120, 60);
    canvas.Brush.SetColor(clLime);
    canvas.RoundRect(130, 20, 180, 60, 16, 16);
    canvas.Brush.SetColor(clFuchsia);
    canvas.Polygon({{190, 60}, {215, 20}, {240, 60}});
    canvas.Brush.SetColor(clRed);
    canvas.Brush.SetStyle(bsDiagCross);
    canvas.SetBkColor(clWhite);
    canvas.FillRect(Rect(250, 20, 300, 60));
    canvas.Brush.SetStyle(bsSolid);
    const TPenStyle styles[] = {psSolid, psDash, psDot, psDashDot, psDashDotDot};
    for (int i = 0; i < 5; ++i) {
        canvas.Pen.SetStyle(styles[i]);
        canvas.MoveTo(310, 22 + i * 8);
        canvas.LineTo(400, 22 + i * 8);
    }
    canvas.Pen.SetStyle(psSolid);
    canvas.Pen.SetWidth(3);
    canvas.MoveTo(410, 20);
    canvas.LineTo(460, 60);
    canvas.Pen.SetWidth(1);
    canvas.Pen.SetMode(pmXor);
    canvas.Pen.SetColor(clWhite);
    for (int x = 470; x < 520; x += 3) {
        canvas.MoveTo(x, 20);
        canvas.LineTo(x, 60);
    }
    canvas.Pen.SetMode(pmCopy);
    canvas.Pen.SetColor(clBlack);
    canvas.DrawFocusRect(Rect(530, 20, 590, 60));
    canvas.Brush.SetColor(clBlue);
    canvas.SetClipRegion(TRegion::FromEllipse(Rect(600, 20, 680, 60)));
    canvas.FillRect(Rect(590, 10, 690, 70));
    canvas.ResetClip();
    canvas.Brush.SetColor(clWhite);
}

void DrawTextRow(TCanvas& canvas)
{
    Caption(canvas, 10, 70, "DrawText");
    canvas.Font.SetName("Arial");
    canvas.Font.SetSize(10);
    canvas.Brush.SetColor(clBtnFace);
    const struct {
        TRect rect;
        const char* text;
        unsigned flags;
    } samples[] = {
        {Rect(10, 86, 130, 126), "&Arquivo && mais", DT_SINGLELINE | DT_VCENTER | DT_CENTER},
        {Rect(140, 86, 260, 126), "À direita", DT_SINGLELINE | DT_BOTTOM | DT_RIGHT},
        {Rect(270, 86, 350, 126), "Campeonato Brasileiro da Série A", DT_SINGLELINE | DT_END_ELLIPSIS},
        {Rect(360, 86, 460, 146), "O time venceu o campeonato estadual", DT_WORDBREAK | DT_CENTER},
        {Rect(470, 86, 570, 126), "c:/jogos/times/escudos/flamengo.png", DT_SINGLELINE | DT_PATH_ELLIPSIS},
    };
    for (const auto& sample : samples) {
        canvas.FillRect(sample.rect);
        TRect rect = sample.rect;
        canvas.SetBkMode(TRANSPARENT);
        DrawText(canvas, sample.text, rect, sample.flags);
    }
    canvas.Font.SetOrientation(900);
    canvas.TextOut(585, 140, "Vertical");
    canvas.Font.SetOrientation(0);
}

void DrawEdgesRow(TCanvas& canvas)
{
    Caption(canvas, 10, 150, "Edges and frame controls (classic)");
    const unsigned edges[] = {EDGE_RAISED, EDGE_SUNKEN, EDGE_ETCHED, EDGE_BUMP, BDR_RAISEDINNER, BDR_SUNKENOUTER};
    canvas.Brush.SetColor(clBtnFace);
    for (int i = 0; i < 6; ++i) {
        TRect rect = Rect(10 + i * 40, 166, 44 + i * 40, 196);
        canvas.FillRect(rect);
        DrawEdge(canvas, rect, edges[i], BF_RECT);
    }
    int x = 260;
    auto frame = [&](unsigned kind, unsigned state, int width = 17, int height = 17) {
        TRect rect = Bounds(x, 170, width, height);
        DrawFrameControl(canvas, rect, kind, state);
        x += width + 6;
    };
    frame(DFC_BUTTON, DFCS_BUTTONPUSH, 40, 22);
    frame(DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED, 40, 22);
    frame(DFC_BUTTON, DFCS_BUTTONCHECK, 13, 13);
    frame(DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED, 13, 13);
    frame(DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE, 13, 13);
    frame(DFC_BUTTON, DFCS_BUTTONRADIO, 13, 13);
    frame(DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED, 13, 13);
    frame(DFC_SCROLL, DFCS_SCROLLUP);
    frame(DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_PUSHED);
    frame(DFC_SCROLL, DFCS_SCROLLLEFT | DFCS_INACTIVE);
    frame(DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    frame(DFC_CAPTION, DFCS_CAPTIONCLOSE);
    frame(DFC_CAPTION, DFCS_CAPTIONMAX);
    frame(DFC_CAPTION, DFCS_CAPTIONHELP);
}

void DrawThemedRow(TCanvas& canvas)
{
    Caption(canvas, 10, 204, "Themed parts");
    int x = 10;
    auto part = [&](const char* themeClass, int which, int state, int width = 17, int height = 17) {
        DrawThemeBackground(canvas, themeClass, which, state, Bounds(x, 220, width, height));
        x += width + 5;
    };
    part("scrollbar", SBP_ARROWBTN, ABS_UPNORMAL);
    part("scrollbar", SBP_ARROWBTN, ABS_DOWNHOT);
    part("scrollbar", SBP_LOWERTRACKVERT, SCRBS_NORMAL, 17, 30);
    part("scrollbar", SBP_THUMBBTNVERT, SCRBS_PRESSED, 17, 30);
    part("button", BP_PUSHBUTTON, PBS_NORMAL, 50, 24);
    part("button", BP_PUSHBUTTON, PBS_PRESSED, 50, 24);
    part("button", BP_CHECKBOX, CBS_CHECKEDNORMAL, 13, 13);
    part("button", BP_CHECKBOX, CBS_UNCHECKEDDISABLED, 13, 13);
    part("button", BP_RADIOBUTTON, CBS_CHECKEDHOT, 13, 13);
    part("combobox", CP_DROPDOWNBUTTON, CBXS_NORMAL, 17, 21);
    part("spin", SPNP_UP, TS_NORMAL, 17, 10);
    part("spin", SPNP_DOWN, TS_PRESSED, 17, 10);
    part("edit", EP_EDITTEXT, 0, 60, 21);
    part("header", HP_HEADERITEM, HIS_NORMAL, 60, 18);
    part("header", HP_HEADERITEM, HIS_HOT, 60, 18);
    part("treeview", TVP_GLYPH, GLPS_CLOSED, 12, 12);
    part("treeview", TVP_GLYPH, GLPS_OPENED, 12, 12);
    part("listview", LVP_LISTITEM, LISS_SELECTED, 60, 18);
    part("listview", LVP_LISTITEM, 0, 40, 30);
}

void DrawGdiplusRow(TCanvas& canvas)
{
    Caption(canvas, 10, 260, "Anti-aliased: hatches, gradients, paths, pens, text, images");
    TGPGraphics graphics(canvas);
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    for (int style = 0; style < HatchStyleTotal; ++style) {
        const float x = 10 + (style % 27) * 26.0f, y = 276 + (style / 27) * 26.0f;
        graphics.FillRectangle(TGPHatchBrush(static_cast<TGPHatchStyle>(style), MakeARGB(255, 0, 0, 128),
                                             MakeARGB(255, 255, 255, 200)),
                               x, y, 22, 22);
    }
    const ARGB from = MakeARGB(255, 200, 30, 30), to = MakeARGB(255, 30, 30, 200);
    const TGPLinearGradientMode modes[] = {LinearGradientModeHorizontal, LinearGradientModeVertical,
                                           LinearGradientModeForwardDiagonal, LinearGradientModeBackwardDiagonal};
    for (int i = 0; i < 4; ++i)
        graphics.FillRectangle(TGPLinearGradientBrush({10.0f + i * 70, 334, 60, 40}, from, to, modes[i]), 10.0f + i * 70, 334, 60, 40);
    TGPLinearGradientBrush angled({290, 334, 60, 40}, from, to, 30.0f, false);
    angled.SetGammaCorrection(true);
    graphics.FillRectangle(angled, 290, 334, 60, 40);

    TGPGraphicsPath rounded;
    rounded.AddArc(370, 334, 16, 16, 180, 90);
    rounded.AddArc(454, 334, 16, 16, 270, 90);
    rounded.AddArc(454, 358, 16, 16, 0, 90);
    rounded.AddArc(370, 358, 16, 16, 90, 90);
    rounded.CloseFigure();
    TGPPathGradientBrush radial(rounded);
    radial.SetCenterColor(MakeARGB(255, 255, 255, 255));
    radial.SetSurroundColors({MakeARGB(255, 0, 120, 60)});
    graphics.FillPath(radial, rounded);
    graphics.DrawPath(TGPPen(MakeARGB(255, 0, 60, 30), 1.5f), rounded);

    TGPGraphicsPath star;
    star.AddLines({{520, 334}, {530, 364}, {500, 346}, {540, 346}, {510, 364}});
    star.CloseFigure();
    graphics.FillPath(TGPSolidBrush(MakeARGB(160, 255, 160, 0)), star);
    TGPPen dashed(MakeARGB(255, 0, 0, 0), 2);
    dashed.SetDashStyle(DashStyleDashDot);
    graphics.DrawBezier(dashed, {560, 370}, {580, 320}, {620, 390}, {640, 334});
    graphics.DrawEllipse(TGPPen(MakeARGB(255, 200, 0, 0), 3), 650, 334, 40, 40);

    TGPFont font("Segoe UI", 11, FontStyleBold);
    TGPStringFormat format;
    format.SetAlignment(StringAlignmentCenter);
    format.SetLineAlignment(StringAlignmentCenter);
    format.SetHotkeyPrefix(HotkeyPrefixShow);
    graphics.FillRectangle(TGPSolidBrush(MakeARGB(255, 230, 230, 240)), 10, 384, 160, 30);
    graphics.DrawString("&Jogar >>", font, {10, 384, 160, 30}, format, TGPSolidBrush(MakeARGB(255, 0, 0, 0)));
    TGPStringFormat trimmed(StringFormatFlagsNoWrap);
    trimmed.SetTrimming(StringTrimmingEllipsisCharacter);
    graphics.DrawString("Voltar ao jogo depois do intervalo", TGPFont("Verdana", 9), {180, 390, 150, 20}, trimmed,
                        TGPSolidBrush(MakeARGB(255, 0, 0, 0)));

    TGPBitmap picture(24, 24);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            picture.SetPixel(x, y, (x / 6 + y / 6) % 2 ? MakeARGB(255, 255, 0, 255) : MakeARGB(120 + x * 5, 0, 90, 200));
    graphics.DrawImage(picture, 350, 388);
    TGPImageAttributes key;
    key.SetColorKey(MakeARGB(255, 255, 0, 255), MakeARGB(255, 255, 0, 255));
    graphics.DrawImage(picture, {380, 388, 24, 24}, 0, 0, 24, 24, UnitPixel, &key);
    TGPImageAttributes faded;
    faded.SetOpacity(0.4f);
    graphics.DrawImage(picture, {410, 388, 48, 24}, 0, 0, 24, 24, UnitPixel, &faded);
}

void DrawPicturesRow(TCanvas& canvas)
{
    Caption(canvas, 480, 384, "Bitmaps, image list");
    TBitmap bitmap(20, 20);
    bitmap.Canvas().Brush.SetColor(clFuchsia);
    bitmap.Canvas().FillRect(Rect(0, 0, 20, 20));
    bitmap.Canvas().Brush.SetColor(clGreen);
    bitmap.Canvas().Ellipse(2, 2, 18, 18);
    canvas.Draw(480, 400, bitmap);
    bitmap.SetTransparent(true);
    canvas.Draw(504, 400, bitmap);
    canvas.StretchDraw(Rect(528, 400, 568, 420), bitmap);
    TImageList list(20, 20);
    list.AddMasked(bitmap, clDefault);
    list.Draw(canvas, 572, 400, 0, true);
    list.Draw(canvas, 596, 400, 0, false);
}

TEST(GraphicsSheet, EveryPrimitiveDrawsAndTheSheetIsSaved)
{
    QImage sheet(700, 430, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    TCanvas canvas(&sheet);
    int changes = 0;
    canvas.OnChange = [&] { ++changes; };
    DrawClassicRow(canvas);
    DrawTextRow(canvas);
    DrawEdgesRow(canvas);
    DrawThemedRow(canvas);
    DrawGdiplusRow(canvas);
    DrawPicturesRow(canvas);
    EXPECT_GT(changes, 50);
    const QRgb white = qRgb(255, 255, 255);
    EXPECT_TRUE(HasInk(sheet, Rect(10, 20, 300, 60), white));
    EXPECT_TRUE(HasInk(sheet, Rect(360, 86, 460, 146), white));
    EXPECT_TRUE(HasInk(sheet, Rect(260, 170, 700, 195), white));
    EXPECT_TRUE(HasInk(sheet, Rect(10, 220, 40, 240), white));
    EXPECT_TRUE(HasInk(sheet, Rect(560, 320, 640, 390), white));
    EXPECT_TRUE(HasInk(sheet, Rect(596, 400, 616, 420), white));
    // The clip kept the ellipse's corners white.
    EXPECT_EQ(sheet.pixel(601, 21) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(sheet.pixel(640, 40) & 0xFFFFFF, 0x0000FFu);
    EXPECT_TRUE(tarvelon::testing::KeepSamplePicture(sheet, "graphics_sheet.png"));
}

}  // namespace
}  // namespace tarvelon
