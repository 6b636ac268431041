// The glossy button, the flat combo and the smooth label read from a stored form description as
// the game's screens store them, and a sample sheet of their looks (controls_glossy.png, see
// tests/support/sample_picture.h).
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "controls/dc_combo.h"
#include "controls/dc_glow_button.h"
#include "controls/dc_smooth_label.h"
#include "platform/dfm/stored_form.h"
#include "tests/controls/glow_support.h"
#include "tests/support/sample_picture.h"

namespace tarvelon {
namespace {

class StoredFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterDcGlowButton();
        RegisterDcComboBox();
        RegisterDcSmoothLabel();
    }
    void TearDown() override { delete form; }
    TStoredForm* form = new TStoredForm(nullptr);
};

TEST_F(StoredFormTest, ControlsComeWithTheirStoredLooks)
{
    int played = 0;
    form->BindHandler("btjogarClick", TNotifyEvent([&played](TObject*) { ++played; }));
    const TReadResult& result = form->ReadDescriptionText(
        "object Form87: TForm87\n"
        "  ClientWidth = 420\n"
        "  ClientHeight = 200\n"
        "  Color = 3379527\n"
        "  object btjogar: TDcGlowButton\n"
        "    Left = 300\n"
        "    Top = 150\n"
        "    Width = 110\n"
        "    Height = 33\n"
        "    Caption = 'Jogar >>'\n"
        "    Font.Name = 'Arial'\n"
        "    Font.Color = 3223857\n"
        "    Font.Style = [fsBold]\n"
        "    ParentFont = False\n"
        "    Position = bpLeft\n"
        "    Layout = blGlyphLeft\n"
        "    Appearance.BorderColorHot = clGreen\n"
        "    Appearance.BorderColorDown = clGreen\n"
        "    Appearance.ColorDown = 16111818\n"
        "    Appearance.GradientHot = ggRadial\n"
        "    Appearance.SystemFont = False\n"
        "    OnClick = btjogarClick\n"
        "  end\n"
        "  object cbtatica: TDcComboBox\n"
        "    Left = 20\n"
        "    Top = 20\n"
        "    Width = 150\n"
        "    Style = csDropDownList\n"
        "    Color = 3379527\n"
        "    Flat = True\n"
        "    FocusColor = 3379527\n"
        "    FocusBorderColor = 3379527\n"
        "    FlatLineColor = 3379527\n"
        "    Font.Color = clYellow\n"
        "    ItemIndex = 1\n"
        "    Items.Strings = (\n"
        "      '4-4-2'\n"
        "      '4-3-3')\n"
        "  end\n"
        "  object lbclube: TDcSmoothLabel\n"
        "    Left = 20\n"
        "    Top = 60\n"
        "    Width = 300\n"
        "    Height = 40\n"
        "    Caption.Text = 'Clube Aurora'\n"
        "    Caption.ColorStart = clWhite\n"
        "    Caption.ColorEnd = clSilver\n"
        "    Caption.Font.Name = 'Arial'\n"
        "    Caption.Font.Style = [fsBold]\n"
        "    Caption.Location = plCenterLeft\n"
        "  end\n"
        "end\n",
        "TForm87.dfm");
    ASSERT_TRUE(result.Ok()) << result.Message();
    auto* button = form->FindChild<TDcGlowButton>("btjogar");
    auto* combo = form->FindChild<TDcComboBox>("cbtatica");
    auto* label = form->FindChild<TDcSmoothLabel>("lbclube");
    ASSERT_TRUE(button && combo && label);
    EXPECT_EQ(button->Position(), bpLeft);
    EXPECT_EQ(button->Appearance().BorderColorHot(), clGreen);
    EXPECT_EQ(button->Appearance().ColorDown(), 16111818);
    EXPECT_FALSE(button->Appearance().SystemFont());
    EXPECT_EQ(button->Font().Color(), 3223857);
    EXPECT_TRUE(combo->Flat());
    EXPECT_EQ(combo->Color(), 3379527);  // the normal colour, not the parent's
    EXPECT_EQ(combo->Text(), "4-3-3");
    EXPECT_EQ(label->Caption().Text(), "Clube Aurora");
    EXPECT_EQ(label->Caption().Location(), plCenterLeft);
    form->Show();
    test::Pump();
    test::SendMouse(button->Widget(), QEvent::MouseButtonPress, QPoint(20, 10), Qt::LeftButton, Qt::LeftButton);
    test::SendMouse(button->Widget(), QEvent::MouseButtonRelease, QPoint(20, 10), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(played, 1);
}

// One button drawn in a state, onto the sheet.
void Stamp(QPainter& painter, TWinControl* control, int x, int y)
{
    control->Update();
    painter.drawImage(x, y, control->BackingImage());
}

TEST_F(StoredFormTest, SampleSheetOfTheLooks)
{
    form->SetBounds(0, 0, 640, 360);
    form->SetColor(3379527);
    std::vector<TDcGlowButton*> buttons;
    const char* captions[] = {"Escalar Time", "vender", "contrato", "aposentar", "OK", "Cancel", "<< Voltar ao início", "Fechar >>"};
    for (int i = 0; i < 8; ++i) {
        auto* b = new TDcGlowButton(form);
        b->SetParent(form);
        b->SetBounds(10 + (i % 4) * 155, 10 + (i / 4) * 50, 145, 41);
        b->SetCaption(captions[i]);
        b->SetParentFont(false);
        b->Font().SetName("Arial");
        b->Font().SetStyle(TFontStyles{fsBold});
        b->Font().SetColor(0x313131);
        b->SetPosition(bpLeft);
        buttons.push_back(b);
    }
    buttons[4]->SetPosition(bpStandalone);
    buttons[5]->SetPosition(bpMiddle);
    buttons[6]->SetPosition(bpRight);
    buttons[7]->Appearance().SetBorderColorHot(clGreen);
    buttons[7]->Appearance().SetBorderColorDown(clGreen);
    buttons[3]->SetEnabled(false);
    buttons[2]->SetDropDownButton(true);
    auto* combo = new TDcComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(10, 120, 150, 21);
    combo->SetStyle(csDropDownList);
    combo->SetFlat(true);
    combo->SetColor(3379527);
    combo->SetFlatLineColor(3379527);
    combo->Font().SetColor(clYellow);
    combo->Items().Assign({"4-4-2", "4-3-3"});
    combo->SetItemIndex(0);
    auto* plain = new TDcComboBox(form);
    plain->SetParent(form);
    plain->SetBounds(170, 120, 150, 21);
    plain->SetStyle(csDropDownList);
    plain->Items().Assign({"Ferroviário Lunar"});
    plain->SetItemIndex(0);
    auto* shadow = new TDcSmoothLabel(form);
    shadow->SetParent(form);
    shadow->SetBounds(12, 162, 400, 50);
    shadow->Caption().SetText("Clube Aurora 3 x 1");
    shadow->Caption().SetGradientType(gtSolid);
    shadow->Caption().SetColorStart(clBlack);
    shadow->Caption().Font().SetName("Arial");
    shadow->Caption().Font().SetStyle(TFontStyles{fsBold});
    auto* label = new TDcSmoothLabel(form);
    label->SetParent(form);
    label->SetBounds(10, 160, 400, 50);
    label->Caption().SetText("Clube Aurora 3 x 1");
    label->Caption().Font().SetName("Arial");
    label->Caption().Font().SetStyle(TFontStyles{fsBold});
    form->Show();
    test::Pump();

    // States: hot (after the fade), pressed, focused.
    test::MoveMouse(buttons[1]->Widget(), QPoint(20, 20));
    for (int i = 0; i < 6; ++i)
        buttons[1]->FadeTick();
    test::MoveMouse(buttons[7]->Widget(), QPoint(20, 20));
    test::SendMouse(buttons[7]->Widget(), QEvent::MouseButtonPress, QPoint(20, 20), Qt::LeftButton, Qt::LeftButton);
    for (int i = 0; i < 6; ++i)
        buttons[7]->FadeTick();
    buttons[0]->SetTabStop(true);
    buttons[0]->SetFocus();
    test::Pump();

    form->Update();
    QImage sheet = form->BackingImage().copy();
    QPainter painter(&sheet);
    for (TDcGlowButton* b : buttons)
        Stamp(painter, b, b->Left(), b->Top());
    Stamp(painter, combo, combo->Left(), combo->Top());
    Stamp(painter, plain, plain->Left(), plain->Top());
    painter.end();
    EXPECT_TRUE(tarvelon::testing::KeepSamplePicture(sheet, "controls_glossy.png"));
    test::SendMouse(buttons[7]->Widget(), QEvent::MouseButtonRelease, QPoint(20, 20), Qt::LeftButton, Qt::NoButton);
}

}  // namespace
}  // namespace tarvelon
