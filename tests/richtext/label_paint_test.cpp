// What the rich-text label draws and how it sizes itself, probed at pixels of its parent's window:
// automatic size to the text, lines joined without a blank, shadows one pixel off, backgrounds
// (plain, gradient, the line band, transparent), bevels and borders, vertical placement.
#include <gtest/gtest.h>

#include "platform/forms/custom_control.h"
#include "platform/dfm/stored_form.h"
#include "richtext/html_check_box.h"
#include "richtext/html_controls_registration.h"
#include "richtext/html_label.h"
#include "tests/richtext/checkradio_test_support.h"

namespace tarvelon {
namespace {

using test::BoundsOf;
using test::CountPixels;
using test::IsDark;
using test::Picture;
using test::Rgb;
using test::RgbOf;

class LabelPaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(50, 50, 400, 300);
        panel = new TCustomControl(form);
        panel->SetParent(form);
        panel->SetBounds(0, 0, 400, 300);
        panel->SetColor(RGB(0, 128, 0));
        label = new TRichLabel(form);
        label->SetParent(panel);
        label->SetBounds(20, 20, 120, 40);
        label->SetColor(clWhite);
        label->Font().SetColor(clBlack);
        test::ShowActive(form);
    }
    void TearDown() override { Free(form); }

    // The label's part of the panel's picture.
    QImage LabelPicture()
    {
        return Picture(panel).copy(label->Left(), label->Top(), label->Width(), label->Height());
    }

    TForm* form = nullptr;
    TCustomControl* panel = nullptr;
    TRichLabel* label = nullptr;
};

TEST_F(LabelPaintTest, DefaultsAreThoseOfANewLabel)
{
    TRichLabel fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 120);
    EXPECT_EQ(fresh.ShadowOffset(), 2);
    EXPECT_EQ(fresh.ShadowColor(), clGray);
    EXPECT_EQ(fresh.URLColor(), clBlue);
    EXPECT_EQ(fresh.ColorTo(), clNone);
    EXPECT_EQ(fresh.LineWidth(), 2);
    EXPECT_EQ(fresh.Caption(), "");
    EXPECT_EQ(fresh.Version(), "1.6.0.0");
}

TEST_F(LabelPaintTest, AutomaticSizeIsSixMoreThanTheMeasuredTextAndGrowsWithIt)
{
    label->SetHTMLText("Gols");
    label->SetAutoSizing(true);
    Picture(panel);
    Picture(panel);
    const int oneLine = label->Height();
    EXPECT_EQ(oneLine, label->MeasuredHeight() + 6);
    EXPECT_EQ(label->Width(), 120) << "vertical sizing keeps the width";
    label->SetHTMLText("Gols<BR>Cartões<BR>Faltas");
    Picture(panel);
    Picture(panel);
    EXPECT_EQ(label->Height(), label->MeasuredHeight() + 6);
    EXPECT_GT(label->Height(), oneLine + oneLine);
    // Sideways: the width follows the text.
    label->SetAutoSizeType(asHorizontal);
    label->SetHTMLText("Campeonato");
    Picture(panel);
    Picture(panel);
    const int shortWidth = label->Width();
    EXPECT_EQ(shortWidth, label->MeasuredWidth() + 6);
    label->SetHTMLText("Campeonato Brasileiro de Futebol");
    Picture(panel);
    Picture(panel);
    EXPECT_GT(label->Width(), shortWidth + 50);
}

TEST_F(LabelPaintTest, ASidewaysSizedLabelDrawsCentredAndRightAlignedTextInsideItself)
{
    label->SetAutoSizing(true);
    label->SetAutoSizeType(asHorizontal);
    for (const std::string align : {"center", "right"}) {
        label->SetHTMLText("<P align=\"" + align + "\">Gols");
        Picture(panel);
        const QImage image = LabelPicture();
        const QRect ink = BoundsOf(image, QRect(0, 0, image.width(), image.height()), IsDark);
        EXPECT_FALSE(ink.isEmpty()) << align;
        EXPECT_EQ(label->Width(), label->MeasuredWidth() + 6) << align;
    }
}

TEST_F(LabelPaintTest, ListLinesAreJoinedWithoutABlank)
{
    label->SetHTMLText(std::vector<std::string>{"Gols", "Pro"});
    ASSERT_EQ(label->HTMLText().size(), 1u);
    EXPECT_EQ(label->HTMLText()[0], "GolsPro");
    EXPECT_EQ(label->GetDisplayText(), "GolsPro");
}

TEST_F(LabelPaintTest, TheShadowLiesOnePixelRightAndDown)
{
    label->SetShadowOffset(1);
    label->SetShadowColor(clRed);
    label->SetHTMLText("<SHAD>Gols</SHAD>");
    const QImage image = LabelPicture();
    const QRect all(0, 0, image.width(), image.height());
    const QRect ink = BoundsOf(image, all, IsDark);
    const QRect shadow = BoundsOf(image, all, [](unsigned c) {
        return (c >> 16) > 200 && ((c >> 8) & 0xFF) < 120 && (c & 0xFF) < 120;  // red, smoothed edges too
    });
    ASSERT_FALSE(ink.isEmpty());
    ASSERT_FALSE(shadow.isEmpty());
    EXPECT_EQ(shadow.right(), ink.right() + 1);
    EXPECT_EQ(shadow.top(), ink.top() + 1);
}

TEST_F(LabelPaintTest, BackgroundsPlainGradientAndTransparent)
{
    label->SetHTMLText("");
    EXPECT_EQ(Rgb(LabelPicture(), 60, 20), 0xFFFFFFu);
    label->SetColorTo(clBlack);
    QImage image = LabelPicture();
    EXPECT_GT(Rgb(image, 1, 20) & 0xFF, 0xE0u) << "starts at Color";
    EXPECT_LT(Rgb(image, 118, 20) & 0xFF, 0x20u) << "ends at ColorTo";
    // A line band: only the bottom rows carry the gradient, over the plain colour elsewhere.
    label->SetGradientType(gtBottomLine);
    label->SetLineWidth(3);
    image = LabelPicture();
    EXPECT_EQ(Rgb(image, 118, 20), 0xFFFFFFu);
    EXPECT_LT(Rgb(image, 118, 38) & 0xFF, 0x20u);
    // Transparent: the parent shows, only the band is drawn.
    label->SetTransparent(true);
    image = LabelPicture();
    EXPECT_EQ(Rgb(image, 60, 20), 0x008000u);
    EXPECT_LT(Rgb(image, 118, 38) & 0xFF, 0x20u);
    EXPECT_EQ(Rgb(image, 118, 36), 0x008000u);
}

TEST_F(LabelPaintTest, BevelsAndTheSingleBorderFrameTheText)
{
    label->SetHTMLText("");
    label->SetBevelOuter(bvRaised);
    QImage image = LabelPicture();
    EXPECT_EQ(Rgb(image, 0, 0), RgbOf(clBtnHighlight));
    EXPECT_EQ(Rgb(image, 119, 39), RgbOf(clBtnShadow));
    label->SetBevelOuter(bvLowered);
    image = LabelPicture();
    EXPECT_EQ(Rgb(image, 0, 0), RgbOf(clBtnShadow));
    // Any bevel but none draws its frame; all but lowered in the raised colours.
    label->SetBevelOuter(bvSpace);
    image = LabelPicture();
    EXPECT_EQ(Rgb(image, 0, 0), RgbOf(clBtnHighlight));
    EXPECT_EQ(Rgb(image, 119, 39), RgbOf(clBtnShadow));
    label->SetBevelOuter(bvNone);
    label->SetBorderStyle(bsSingle);
    label->SetBorderWidth(2);
    label->SetBorderColor(clRed);
    image = LabelPicture();
    // The frame in Color (2 pixels), then the red border (2 pixels) inside it.
    EXPECT_EQ(Rgb(image, 1, 1), 0xFFFFFFu);
    EXPECT_EQ(Rgb(image, 2, 2), 0xFF0000u);
    EXPECT_EQ(Rgb(image, 3, 20), 0xFF0000u);
    EXPECT_EQ(Rgb(image, 4, 20), 0xFFFFFFu);
    // The text starts inside the frames.
    label->SetHTMLText("Gols");
    image = LabelPicture();
    const QRect ink = BoundsOf(image, QRect(0, 0, 120, 40), IsDark);
    EXPECT_GE(ink.left(), 4);
    EXPECT_GE(ink.top(), 4);
}

TEST_F(LabelPaintTest, VerticalAlignmentPlacesTheText)
{
    label->SetHTMLText("Gols");
    const QRect top = BoundsOf(LabelPicture(), QRect(0, 0, 120, 40), IsDark);
    label->SetVAlignment(tvaBottom);
    const QRect bottom = BoundsOf(LabelPicture(), QRect(0, 0, 120, 40), IsDark);
    label->SetVAlignment(tvaCenter);
    const QRect centre = BoundsOf(LabelPicture(), QRect(0, 0, 120, 40), IsDark);
    ASSERT_FALSE(top.isEmpty());
    EXPECT_LT(top.top(), 4);
    EXPECT_GT(bottom.bottom(), 33);
    EXPECT_GT(centre.top(), top.top() + 5);
    EXPECT_LT(centre.bottom(), bottom.bottom() - 5);
}

TEST_F(LabelPaintTest, AnEmptyLabelPaintsNothing)
{
    label->SetHTMLText("Gols");
    label->SetBounds(20, 20, 0, 0);
    const QImage image = Picture(panel);
    EXPECT_EQ(Rgb(image, 20, 20), 0x008000u);
}

// A stored form gives its rich texts the shadow that suits their ground.
TEST(StoredRichLabel, TheShadowComesFromTheFormDescription)
{
    RegisterRichTextControls();
    const std::string text = R"(object FormTeste: TForm
  object info1: TRichLabel
    Left = 10
    Top = 10
    ShadowColor = clBlack
    ShadowOffset = 1
  end
  object ck1: THTMLCheckBox
    Left = 10
    Top = 40
    ShadowColor = clWhite
    ShadowOffset = 3
  end
end
)";
    TStoredForm form(nullptr);
    const TReadResult& result = form.ReadDescriptionText(text, "teste.dfm");
    ASSERT_TRUE(result.Ok()) << result.Message();
    auto* label = form.FindChild<TRichLabel>("info1");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->ShadowColor(), clBlack);
    EXPECT_EQ(label->ShadowOffset(), 1);
    auto* check = form.FindChild<THTMLCheckBox>("ck1");
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->ShadowColor(), clWhite);
    EXPECT_EQ(check->ShadowOffset(), 3);
}

}  // namespace
}  // namespace tarvelon
