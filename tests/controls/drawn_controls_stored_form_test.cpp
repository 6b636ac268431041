// The drawn controls read from a stored form description: classes by name, their properties and
// a button's click bound to the form's handler.
#include <gtest/gtest.h>

#include "controls/controls_registration.h"
#include "controls/dc_smooth_message_dialog.h"
#include "controls/dc_smooth_progress_bar.h"
#include "controls/grad_button.h"
#include "controls/gradient.h"
#include "controls/progress_cyl.h"
#include "platform/dfm/stored_form.h"

namespace tarvelon {
namespace {

TEST(DrawnControlsStoredForm, ClassesAndPropertiesAreRead)
{
    RegisterDrawnControls();
    const std::string text = R"(object FormTeste: TForm
  ClientWidth = 400
  ClientHeight = 300
  object Gradient1: TGradient
    Left = 0
    Top = 0
    Width = 400
    Height = 300
    Style = gsRadialBL
    ColorBegin = clBlue
    ColorEnd = clBlack
    Reverse = True
  end
  object GradButton1: TGradButton
    Left = 300
    Top = 260
    Caption = 'Continuar >>'
    ColorScheme = csNeoSky
    Layout = blGlyphTop
    ModalResult = 1
    Default = True
    OnClick = GradButton1Click
  end
  object bar1: TDcSmoothProgressBar
    Left = 10
    Top = 10
    Maximum = 100
    GlowAnimation = False
    ProgressAnimation = False
    Position = 35
  end
  object gp1: TProgressCyl
    Left = 10
    Top = 40
    Height = 22
    Text = '%'
    FontEffect = feShadowBottomRight
    BevelInner = bvLowered
    Position = 60
  end
end
)";
    TStoredForm form(nullptr);
    int clicks = 0;
    form.BindHandler("GradButton1Click", [&](TObject*) { ++clicks; });
    const TReadResult& result = form.ReadDescriptionText(text, "teste.dfm");
    ASSERT_TRUE(result.Ok()) << result.Message();
    auto* gradient = form.FindChild<TGradient>("Gradient1");
    ASSERT_NE(gradient, nullptr);
    EXPECT_EQ(gradient->Style(), gsRadialBL);
    EXPECT_EQ(gradient->ColorBegin(), clBlue);
    EXPECT_TRUE(gradient->Reverse());
    auto* button = form.FindChild<TGradButton>("GradButton1");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->ColorScheme(), csNeoSky);
    EXPECT_EQ(button->ColorFace(), 0xFFEEDD);
    EXPECT_EQ(button->Layout(), TGradButton::blGlyphTop);
    EXPECT_EQ(button->ModalResult(), mrOk);
    EXPECT_TRUE(button->Default());
    button->Click();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form.ModalResult(), mrOk);
    auto* bar = form.FindChild<TDcSmoothProgressBar>("bar1");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Position(), 35);
    auto* cylinder = form.FindChild<TProgressCyl>("gp1");
    ASSERT_NE(cylinder, nullptr);
    EXPECT_EQ(cylinder->Position(), 60);
    EXPECT_EQ(cylinder->BevelInner(), bvLowered);
}

TEST(DrawnControlsStoredForm, CHButtonIsTheGradientPushButton)
{
    RegisterDrawnControls();
    const std::string text = R"(object FormTeste: TForm
  object CHButton1: CHButton
    Left = 20
    Top = 20
    Caption = 'Oferecer'
    ColorScheme = csNeoGrass
    OnClick = CHButton1Click
  end
end
)";
    TStoredForm form(nullptr);
    int clicks = 0;
    form.BindHandler("CHButton1Click", [&](TObject*) { ++clicks; });
    const TReadResult& result = form.ReadDescriptionText(text, "teste.dfm");
    ASSERT_TRUE(result.Ok()) << result.Message();
    auto* button = form.FindChild<TGradButton>("CHButton1");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Caption(), "Oferecer");
    EXPECT_EQ(button->ColorScheme(), csNeoGrass);
    button->Click();
    EXPECT_EQ(clicks, 1);
}

TEST(DrawnControlsStoredForm, AMessageDialogTakesItsTextShadowFromTheForm)
{
    RegisterDrawnControls();
    const std::string text = R"(object FormTeste: TForm
  object dlg_st: TDcSmoothMessageDialog
    HTMLText.ShadowColor = clBlack
    HTMLText.ShadowOffset = 1
    Caption = 'Estat'#237'sticas'
    Margin = 20
  end
end
)";
    TStoredForm form(nullptr);
    const TReadResult& result = form.ReadDescriptionText(text, "teste.dfm");
    ASSERT_TRUE(result.Ok()) << result.Message();
    auto* dialog = form.FindChild<TDcSmoothMessageDialog>("dlg_st");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->HTMLText().ShadowColor, clBlack);
    EXPECT_EQ(dialog->HTMLText().ShadowOffset, 1);
    EXPECT_EQ(dialog->Margin, 20);
}

}  // namespace
}  // namespace tarvelon
