// The stored form descriptions put the drawn controls where the game's screens use them: the glossy
// push buttons, the flat combos (dark green on the line-up screen) and the background gradients.
#include <gtest/gtest.h>

#include <memory>
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

}  // namespace
}  // namespace tarvelon
