// The stored form descriptions put the drawn controls where the game's screens use them: the glossy
// push buttons, the flat combos (dark green on the line-up screen) and the background gradients.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>
#include <string>

#include "controls/dc_combo.h"
#include "controls/dc_glow_button.h"
#include "controls/gradient.h"
#include "platform/dfm/stored_form.h"
#include "screens/screens_registration.h"

namespace tarvelon {
namespace {

constexpr TColor kButtonText = 0x313131;
constexpr TColor kDarkGreen = 3379527;

class DrawnControlsInFormsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterGameScreens(); }

    // The form as stored, without its screen code (its handlers stay unbound).
    static std::unique_ptr<TStoredForm> Stored(const std::string& formClass)
    {
        auto form = std::make_unique<TStoredForm>(nullptr);
        form->ReadDescription(formClass);
        return form;
    }
};

void ExpectGlossy(const TStoredForm& form, const std::string& name, TColor textColor, TCursor cursor)
{
    SCOPED_TRACE(form.Name() + "." + name);
    const auto* button = dynamic_cast<const TDcGlowButton*>(form.FindComponent(name));
    ASSERT_NE(button, nullptr) << "not a glossy button";
    EXPECT_EQ(button->Position(), bpLeft);
    EXPECT_EQ(button->Layout(), blGlyphLeft);
    EXPECT_TRUE(button->Rounded());
    EXPECT_EQ(button->Font().Name(), "Arial");
    EXPECT_TRUE(button->Font().Style().Contains(fsBold));
    EXPECT_EQ(button->Font().Color(), textColor);
    EXPECT_EQ(button->Cursor(), cursor);
}

// The form's background gradient fills the whole client area.
void ExpectFullGradient(const TStoredForm& form, TGradientStyle style, TColor begin, TColor end, bool reverse)
{
    SCOPED_TRACE(form.Name());
    const auto* gradient = dynamic_cast<const TGradient*>(form.FindComponent("Gradient1"));
    ASSERT_NE(gradient, nullptr);
    EXPECT_EQ(gradient->Align(), alClient);
    EXPECT_EQ(gradient->BoundsRect(), form.ClientRect());
    EXPECT_EQ(gradient->Style(), style);
    EXPECT_EQ(gradient->ColorBegin(), begin);
    EXPECT_EQ(gradient->ColorEnd(), end);
    EXPECT_EQ(gradient->Reverse(), reverse);
}

TEST_F(DrawnControlsInFormsTest, FormsUseGlossyButtonsFlatCombosAndFullGradients)
{
    const auto hub = Stored("TForm13");
    for (const char* name : {"btjogar", "btvender", "btalterasal", "btaposenta", "Button4"})
        ExpectGlossy(*hub, name, kButtonText, crHandPoint);
    const auto nationalHub = Stored("TForm75");
    ExpectGlossy(*nationalHub, "btjogar", kButtonText, crHandPoint);
    const auto lineup = Stored("TForm87");
    for (const char* name : {"bt_voltar", "bt_irprojogo"})
        ExpectGlossy(*lineup, name, kButtonText, crHandPoint);
    const auto playerEdit = Stored("TForm6");
    for (const char* name : {"DcGlowButton1", "DcGlowButton2"})
        ExpectGlossy(*playerEdit, name, clBlack, crDefault);

    for (const char* name : {"combtat", "comboej", "combo_cataq", "combomarc", "combo2", "combo1"}) {
        SCOPED_TRACE(name);
        const auto* combo = dynamic_cast<const TDcComboBox*>(lineup->FindComponent(name));
        ASSERT_NE(combo, nullptr);
        EXPECT_TRUE(combo->Flat());
        EXPECT_EQ(combo->Color(), kDarkGreen);
        EXPECT_EQ(combo->FocusColor(), kDarkGreen);
        EXPECT_EQ(combo->FocusBorderColor(), kDarkGreen);
        EXPECT_EQ(combo->FlatLineColor(), kDarkGreen);
        EXPECT_EQ(combo->Font().Color(), clYellow);
    }

    const auto results = Stored("TForm67");
    for (const char* name : {"combo1", "combopais", "Combolib"}) {
        const auto* combo = dynamic_cast<const TDcComboBox*>(results->FindComponent(name));
        ASSERT_NE(combo, nullptr) << name;
        EXPECT_TRUE(combo->Flat()) << name;
    }

    ExpectFullGradient(*hub, gsRadialBL, clBlue, clBlack, true);
    ExpectFullGradient(*lineup, gsRadialBR, clYellow, clGray, false);
}

TDcGlowButton& Glossy(const TStoredForm& form, const std::string& name)
{
    return dynamic_cast<TDcGlowButton&>(*form.FindComponent(name));
}

// The glossy buttons' own looks: the match report and the in-match screen go back with a button like
// the others; the buttons that lead to the match have green borders (the line-up's "Jogar >>" a
// green face too) and a ball, the editor's OK and Cancel a tick and a cross, and the hub's four
// small buttons keep Arial instead of the system face.
TEST_F(DrawnControlsInFormsTest, GlossyButtonsCarryTheirBordersPicturesAndFaces)
{
    const auto report = Stored("TForm52");
    ExpectGlossy(*report, "bt_irprojogo", kButtonText, crHandPoint);
    const auto inMatch = Stored("TForm88");
    ExpectGlossy(*inMatch, "bt_irprojogo", kButtonText, crHandPoint);
    const auto hub = Stored("TForm13");
    const auto nationalHub = Stored("TForm75");
    const auto lineup = Stored("TForm87");
    const auto playerEdit = Stored("TForm6");
    struct TNamed {
        std::string formClass;
        const TStoredForm* form;
        std::string name;
    };
    const std::vector<TNamed> all = {
        {"TForm13", hub.get(), "btjogar"}, {"TForm13", hub.get(), "btvender"}, {"TForm13", hub.get(), "btalterasal"},
        {"TForm13", hub.get(), "btaposenta"}, {"TForm13", hub.get(), "Button4"},
        {"TForm75", nationalHub.get(), "btjogar"}, {"TForm87", lineup.get(), "bt_voltar"},
        {"TForm87", lineup.get(), "bt_irprojogo"}, {"TForm6", playerEdit.get(), "DcGlowButton1"},
        {"TForm6", playerEdit.get(), "DcGlowButton2"}, {"TForm52", report.get(), "bt_irprojogo"},
        {"TForm88", inMatch.get(), "bt_irprojogo"}};
    const std::set<std::string> toTheMatch = {"TForm13.btjogar", "TForm75.btjogar", "TForm87.bt_irprojogo"};
    const std::set<std::string> pictured = {"TForm13.btjogar", "TForm75.btjogar", "TForm87.bt_irprojogo",
                                            "TForm6.DcGlowButton1", "TForm6.DcGlowButton2"};
    const std::set<std::string> arial = {"TForm13.btvender", "TForm13.btalterasal", "TForm13.btaposenta",
                                         "TForm13.Button4"};
    for (const TNamed& named : all) {
        const std::string key = named.formClass + "." + named.name;
        SCOPED_TRACE(key);
        TDcGlowButton& button = Glossy(*named.form, named.name);
        const TGlowButtonAppearance& a = button.Appearance();
        const TColor border = toTheMatch.count(key) ? clGreen : TColor(0xFF0000);
        EXPECT_EQ(a.BorderColorHot(), border);
        EXPECT_EQ(a.BorderColorChecked(), border);
        EXPECT_EQ(a.BorderColorDown(), toTheMatch.count(key) ? clGreen : TColor(0x800000));
        EXPECT_EQ(a.Color(), key == "TForm87.bt_irprojogo" ? TColor(0xEEFDEE) : TColor(0xFFFFFF));
        EXPECT_EQ(button.Picture().Empty(), !pictured.count(key));
        EXPECT_EQ(a.SystemFont(), !arial.count(key));
        EXPECT_EQ(button.Position(), bpLeft);
        EXPECT_EQ(button.Layout(), blGlyphLeft);
        EXPECT_EQ(button.AntiAlias(), aaClearType);
        EXPECT_EQ(button.BorderStyle(), bsSingle);
    }
    // The pictures are small enough to stand left of the caption.
    TGDIPPicture& ball = Glossy(*lineup, "bt_irprojogo").Picture();
    EXPECT_EQ(ball.Width(), 16);
    EXPECT_EQ(ball.Height(), 16);
}

}  // namespace
}  // namespace tarvelon
