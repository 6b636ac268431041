// The smooth panel: its fill, caption and rule, the HTML block and its anchors under real mouse
// events, the placing rules and copying of settings.
#include <gtest/gtest.h>

#include <QColor>
#include <vector>

#include "controls/dc_smooth_panel.h"
#include "controls/gdip_picture_container.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/forms/form.h"
#include "tests/controls/controls_test_support.h"

namespace tarvelon {
namespace {

using test::SendMouse;

class SmoothPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(100, 100, 400, 260);
        form->SetColor(clWhite);
        panel = new TDcSmoothPanel(form);
        panel->SetParent(form);
        panel->SetBounds(10, 10, 300, 200);
        TGDIPFill& fill = panel->Fill();
        fill.SetGradientType(gtSolid);
        fill.SetColor(0xFF0000);  // blue
        fill.SetBorderColor(clNone);
        fill.SetShadowColor(clNone);
        fill.SetRounding(0);
        form->Show();
        test::Pump();
    }
    void TearDown() override { Free(form); }
    QImage Picture()
    {
        panel->Repaint();
        return panel->BackingImage().copy();
    }
    QWidget* W() { return panel->Widget(); }
    TForm* form = nullptr;
    TDcSmoothPanel* panel = nullptr;
};

TEST_F(SmoothPanelTest, Defaults)
{
    TDcSmoothPanel fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 256);
    EXPECT_EQ(fresh.Height(), 128);
    EXPECT_EQ(fresh.Version(), "1.0.6.0");
    EXPECT_EQ(fresh.Caption().Location(), plTopLeft);
    EXPECT_EQ(fresh.Caption().Font().Name(), "Tahoma");
    EXPECT_EQ(fresh.Caption().Font().Size(), 12);
    EXPECT_EQ(fresh.Caption().ColorStart(), clWhite);
    EXPECT_EQ(fresh.Caption().ColorEnd(), clSilver);
    EXPECT_EQ(fresh.Caption().GradientType(), gtVertical);
    EXPECT_TRUE(fresh.Caption().Line());
    EXPECT_EQ(fresh.Caption().LineColor(), TColor(11563548));
    EXPECT_EQ(fresh.Caption().HTMLLocation(), plCenterCenter);
    EXPECT_EQ(fresh.Caption().HTMLURLColor(), clBlue);
    EXPECT_EQ(fresh.Caption().HTMLShadowColor(), clGray);
    EXPECT_EQ(fresh.Caption().HTMLShadowOffset(), 5);
}

bool Reddish(QRgb p) { return qRed(p) > 180 && qGreen(p) < 90 && qBlue(p) < 90; }

TEST_F(SmoothPanelTest, FillCaptionAndRule)
{
    EXPECT_PIXEL(Picture(), 150, 100, 0x0000FF, 3);
    TDcSmoothPanelCaption& caption = panel->Caption();
    caption.SetText("Elenco");
    caption.SetGradientType(gtSolid);
    caption.SetColorStart(clRed);
    caption.SetLineColor(clLime);
    const QImage image = Picture();
    int red = 0;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 90; ++x)
            red += Reddish(image.pixel(x, y)) ? 1 : 0;
    EXPECT_GT(red, 20);
    // The rule runs under the text from x 2 to the width less 2.
    int ruleY = -1;
    for (int y = 5; y < 50 && ruleY < 0; ++y)
        if (qGreen(image.pixel(150, y)) > 100)
            ruleY = y;
    ASSERT_GT(ruleY, 10);
    EXPECT_LT(qGreen(image.pixel(299, ruleY)), 100);
    // The text below the rule is the fill.
    EXPECT_PIXEL(image, 150, ruleY + 10, 0x0000FF, 3);
}

TEST_F(SmoothPanelTest, RadialCaptionDrawsNoTextButKeepsTheRule)
{
    TDcSmoothPanelCaption& caption = panel->Caption();
    caption.SetText("Elenco");
    caption.SetGradientType(gtRadial);
    caption.SetColorStart(clRed);
    caption.SetLineColor(clLime);
    const QImage image = Picture();
    int red = 0, lime = 0;
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 90; ++x)
            red += Reddish(image.pixel(x, y)) ? 1 : 0;
        lime += qGreen(image.pixel(150, y)) > 100 ? 1 : 0;
    }
    EXPECT_EQ(red, 0);
    EXPECT_GT(lime, 0);
}

TEST_F(SmoothPanelTest, AnchorsAreClickedWithTheMouse)
{
    std::vector<std::string> clicked;
    panel->OnAnchorClick = [&](TObject*, const std::string& anchor) { clicked.push_back(anchor); };
    TDcSmoothPanelCaption& caption = panel->Caption();
    caption.SetHTMLLocation(plTopLeft);
    caption.SetHTMLText("<FONT size=\"12\"><A href=\"jogador:12\">Ver ficha</A></FONT>");
    Picture();
    const TRect r = panel->HTMLRect();
    ASSERT_GT(r.Width(), 20);
    const QPoint on(r.Left + 15, r.Top + r.Height() / 2);
    test::MoveMouse(W(), on);
    EXPECT_EQ(panel->IsAnchor(on.x(), on.y()), "jogador:12");
    SendMouse(W(), QEvent::MouseButtonPress, on, Qt::LeftButton, Qt::LeftButton);
    SendMouse(W(), QEvent::MouseButtonRelease, on, Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(clicked.size(), 1u);
    EXPECT_EQ(clicked[0], "jogador:12");
    // Away from the text nothing is clicked.
    const QPoint off(250, 150);
    test::MoveMouse(W(), off);
    SendMouse(W(), QEvent::MouseButtonPress, off, Qt::LeftButton, Qt::LeftButton);
    SendMouse(W(), QEvent::MouseButtonRelease, off, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(clicked.size(), 1u);
}

TEST_F(SmoothPanelTest, TextAsHighAsThePanelIsNotDrawnNorClickable)
{
    std::string text = "<A href=\"x\">";
    for (int i = 0; i < 30; ++i)
        text += "linha<BR>";
    text += "</A>";
    panel->Caption().SetHTMLFont(TFont());
    panel->Caption().HTMLFont().SetColor(clRed);
    panel->Caption().SetHTMLURLColor(clRed);
    panel->Caption().SetHTMLText(text);
    const QImage image = Picture();
    int red = 0;
    for (int y = 0; y < 200; y += 2)
        for (int x = 0; x < 300; x += 2)
            red += Reddish(image.pixel(x, y)) ? 1 : 0;
    EXPECT_EQ(red, 0);
    EXPECT_EQ(panel->IsAnchor(150, 100), "");
}

TEST_F(SmoothPanelTest, FreedImageListAndPictureContainerAreForgotten)
{
    auto* images = new TCustomImageList(form);
    QImage square(16, 16, QImage::Format_ARGB32);
    square.fill(QColor(255, 0, 0));
    images->AddImage(square);
    auto* container = new TGDIPPictureContainer(form);
    panel->SetImages(images);
    panel->SetPictureContainer(container);
    panel->Caption().SetHTMLLocation(plTopLeft);
    panel->Caption().SetHTMLText("<IMG src=\"idx:0\">");
    const QImage before = Picture();
    int red = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            red += Reddish(before.pixel(x, y)) ? 1 : 0;
    EXPECT_GT(red, 0);
    delete images;
    delete container;
    EXPECT_EQ(panel->Images(), nullptr);
    EXPECT_EQ(panel->PictureContainer(), nullptr);
    // Painted again, the text finds no list and draws no picture.
    const QImage after = Picture();
    red = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            red += Reddish(after.pixel(x, y)) ? 1 : 0;
    EXPECT_EQ(red, 0);
}

TEST_F(SmoothPanelTest, TinyPanelDrawsNothingButStillCallsOnDraw)
{
    int draws = 0;
    panel->OnDraw = [&](TObject*, TCanvas&, const TRect& rect) {
        ++draws;
        EXPECT_EQ(rect.Width(), 1);
    };
    panel->SetBounds(10, 10, 1, 40);
    panel->Repaint();
    EXPECT_GE(draws, 1);
}

TEST(SmoothPanelPlacing, CentreColumnHalvesTheLargerOfStartAndRoom)
{
    int x = -1, y = -1;
    GetTextPosition(plTopCenter, 40, 10, TGPRectF{0, 5, 100, 50}, x, y);
    EXPECT_EQ(x, 30);
    EXPECT_EQ(y, 5);
    GetTextPosition(plTopCenter, 40, 10, TGPRectF{80, 0, 100, 50}, x, y);
    EXPECT_EQ(x, 40);
    GetTextPosition(plCenterRight, 40, 10, TGPRectF{0, 30, 100, 50}, x, y);
    EXPECT_EQ(x, 60);
    EXPECT_EQ(y, 20);  // the centre row ignores the rectangle's top
    GetTextPosition(plBottomLeft, 40, 10, TGPRectF{7, 30, 100, 50}, x, y);
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 40);
    x = 3, y = 4;
    GetTextPosition(plCustom, 40, 10, TGPRectF{7, 30, 100, 50}, x, y);
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 4);
}

TEST(SmoothPanelAssign, CopiesValuesIntoItsOwnCaption)
{
    TDcSmoothPanel a(nullptr), b(nullptr);
    a.Caption().SetText("Tática");
    a.Caption().SetHTMLText("<B>4-4-2</B>");
    a.Caption().SetLineColor(clRed);
    a.Caption().Font().SetSize(20);
    a.Fill().SetColor(clGreen);
    b.Assign(a);
    EXPECT_EQ(b.Caption().Text(), "Tática");
    EXPECT_EQ(b.Caption().HTMLText(), "<B>4-4-2</B>");
    EXPECT_EQ(b.Caption().Font().Size(), 20);
    EXPECT_EQ(b.Caption().LineColor(), TColor(11563548));  // the rule colour is not copied
    EXPECT_EQ(b.Fill().Color(), clGreen);
    a.Caption().SetText("Outro");
    EXPECT_EQ(b.Caption().Text(), "Tática");
    EXPECT_NE(&a.Caption(), &b.Caption());
}

}  // namespace
}  // namespace tarvelon
