// The rich-text check box and radio button under real Qt mouse and key events: a click on the
// focused box toggles it and raises one click, a click that only brings the focus does not, a
// release outside changes nothing, ReadOnly boxes stay, space toggles, Enter can act as Tab, radio
// buttons of one parent and group exclude each other and follow the arrow keys, anchors in the
// caption report or open their links, and the classes come from the class registry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/class_registry.h"
#include "platform/forms/custom_control.h"
#include "platform/forms/form.h"
#include "platform/forms/keys.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/graphic_controls.h"
#include "richtext/html_check_box.h"
#include "richtext/html_controls_registration.h"
#include "richtext/html_links.h"
#include "richtext/html_radio.h"
#include "tests/richtext/checkradio_test_support.h"

namespace tarvelon {
namespace {

using test::Click;
using test::MoveMouse;
using test::PressKey;
using test::Pump;
using test::SendKey;
using test::SendMouse;

class CheckRadioInputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(50, 50, 400, 260);
        box = new THTMLCheckBox(form);
        box->SetParent(form);
        box->SetBounds(10, 10, 160, 20);
        box->SetCaption("Jogar com <B>som</B>");
        box->OnClick = [this](TObject*) { ++clicks; };
        other = new THTMLCheckBox(form);
        other->SetParent(form);
        other->SetBounds(10, 40, 160, 20);
        panel = new TCustomControl(form);
        panel->SetParent(form);
        panel->SetBounds(200, 10, 180, 200);
        for (int i = 0; i < 3; ++i) {
            radios[i] = new THTMLRadioButton(form);
            radios[i]->SetParent(panel);
            radios[i]->SetBounds(5, 5 + 25 * i, 150, 20);
            radios[i]->SetCaption("Opção " + std::to_string(i + 1));
            radios[i]->OnClick = [this, i](TObject*) { radioClicks.push_back(i); };
        }
        test::ShowActive(form);
    }
    void TearDown() override
    {
        LinkOpener() = nullptr;
        Free(form);
    }

    TForm* form = nullptr;
    THTMLCheckBox* box = nullptr;
    THTMLCheckBox* other = nullptr;
    TCustomControl* panel = nullptr;
    THTMLRadioButton* radios[3] = {};
    int clicks = 0;
    std::vector<int> radioClicks;
};

// A screen lays the rich-text boxes beside the platform's labels and check boxes: they share the
// platform's state and layout types, so one source uses both.
TEST_F(CheckRadioInputTest, RichTextAndPlatformBoxesShareTheirStateAndLayoutTypes)
{
    auto* plain = new TCheckBox(form);
    plain->SetParent(form);
    plain->SetBounds(10, 70, 160, 20);
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetLayout(tlCenter);
    box->SetState(cbChecked);
    plain->SetState(box->State());
    EXPECT_EQ(plain->State(), cbChecked);
    EXPECT_EQ(label->Layout(), tlCenter);
}

TEST_F(CheckRadioInputTest, TheFirstClickOnlyFocusesAndEachLaterClickTogglesWithOneClickEvent)
{
    other->SetFocus();
    Click(box, QPoint(6, 10));
    EXPECT_TRUE(box->Focused());
    EXPECT_EQ(box->State(), cbUnchecked);
    EXPECT_EQ(clicks, 0);
    Click(box, QPoint(6, 10));
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 1);
    Click(box, QPoint(100, 12));  // on the caption as well
    EXPECT_EQ(box->State(), cbUnchecked);
    EXPECT_EQ(clicks, 2);
}

TEST_F(CheckRadioInputTest, APressShowsDownAndAReleaseOutsideChangesNothing)
{
    box->SetFocus();
    QWidget* widget = box->Widget();
    SendMouse(widget, QEvent::MouseButtonPress, QPoint(6, 10), Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(box->Down());
    MoveMouse(widget, QPoint(300, 10), Qt::LeftButton);
    EXPECT_FALSE(box->Down());
    MoveMouse(widget, QPoint(8, 10), Qt::LeftButton);
    EXPECT_TRUE(box->Down());
    MoveMouse(widget, QPoint(300, 10), Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, QPoint(300, 10), Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(box->Down());
    EXPECT_EQ(box->State(), cbUnchecked);
    EXPECT_EQ(clicks, 0);
}

TEST_F(CheckRadioInputTest, ReadOnlyBoxesKeepTheirStateUnderClicksAndSpace)
{
    box->SetReadOnly(true);
    box->SetState(cbGrayed);
    box->SetFocus();
    Click(box, QPoint(6, 10));
    PressKey(box->Widget(), Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_EQ(box->State(), cbGrayed);
    box->SetReadOnly(false);
    box->Toggle();  // grayed is not checked: toggling checks it
    EXPECT_EQ(box->State(), cbChecked);
}

TEST_F(CheckRadioInputTest, SpaceShowsDownWhileHeldAndTogglesOnRelease)
{
    box->SetFocus();
    SendKey(box->Widget(), QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_TRUE(box->Down());
    EXPECT_EQ(clicks, 0);
    SendKey(box->Widget(), QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_FALSE(box->Down());
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 1);
    PressKey(box->Widget(), Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);
}

TEST_F(CheckRadioInputTest, EnterMovesOnOnlyWithReturnIsTab)
{
    box->SetFocus();
    PressKey(box->Widget(), Qt::Key_Return);
    Pump(20);
    EXPECT_TRUE(box->Focused());
    box->SetReturnIsTab(true);
    PressKey(box->Widget(), Qt::Key_Return);
    EXPECT_TRUE(test::PumpUntil([&] { return other->Focused(); }));
    EXPECT_EQ(box->State(), cbUnchecked);
}

TEST_F(CheckRadioInputTest, TheAcceleratorTogglesAndFocuses)
{
    box->SetCaption("Jogar com &som");
    EXPECT_FALSE(box->DialogChar(U'x'));
    EXPECT_TRUE(box->DialogChar(U's'));
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(box->Focused());
    // "&&" is a plain ampersand, and " & " turns accelerators off.
    box->SetCaption("A&&B");
    EXPECT_FALSE(box->DialogChar(U'b'));
    box->SetCaption("Som & &música");
    EXPECT_FALSE(box->DialogChar(U'm'));
}

TEST_F(CheckRadioInputTest, CheckingARadioButtonUnchecksOnlyItsOwnGroupInItsParent)
{
    auto* elsewhere = new THTMLRadioButton(form);  // same group, other parent
    elsewhere->SetParent(form);
    elsewhere->SetBounds(10, 100, 150, 20);
    radios[2]->SetGroupIndex(1);
    elsewhere->SetChecked(true);
    radios[2]->SetChecked(true);
    radios[0]->SetChecked(true);
    EXPECT_EQ(radioClicks, (std::vector<int>{2, 0}));
    radios[1]->SetChecked(true);
    EXPECT_FALSE(radios[0]->Checked());
    EXPECT_TRUE(radios[1]->Checked());
    EXPECT_TRUE(radios[2]->Checked());
    EXPECT_TRUE(elsewhere->Checked());
    // Only the checked button of a group is a tab stop.
    EXPECT_FALSE(radios[0]->TabStop());
    EXPECT_TRUE(radios[1]->TabStop());
    // Checking again changes nothing and raises no click.
    radioClicks.clear();
    radios[1]->SetChecked(true);
    EXPECT_TRUE(radioClicks.empty());
}

TEST_F(CheckRadioInputTest, AClickOnARadioButtonFocusesAndChecksItWithOneClick)
{
    radios[0]->SetChecked(true);
    radioClicks.clear();
    Click(radios[1], QPoint(6, 10));
    EXPECT_TRUE(radios[1]->Focused());
    EXPECT_TRUE(radios[1]->Checked());
    EXPECT_FALSE(radios[0]->Checked());
    EXPECT_EQ(radioClicks, (std::vector<int>{1}));
    Click(radios[1], QPoint(6, 10));  // already checked: nothing more
    EXPECT_EQ(radioClicks, (std::vector<int>{1}));
}

TEST_F(CheckRadioInputTest, ArrowKeysWalkTheRadioButtonsAndCheckTheFocusedOne)
{
    radios[0]->SetFocus();
    EXPECT_TRUE(radios[0]->Checked());
    PressKey(radios[0]->Widget(), Qt::Key_Down);
    EXPECT_TRUE(radios[1]->Focused());
    EXPECT_TRUE(radios[1]->Checked());
    EXPECT_FALSE(radios[0]->Checked());
    PressKey(radios[1]->Widget(), Qt::Key_Right);
    EXPECT_TRUE(radios[2]->Checked());
    PressKey(radios[2]->Widget(), Qt::Key_Up);
    EXPECT_TRUE(radios[1]->Checked());
    EXPECT_FALSE(radios[2]->Checked());
    // Space on the focused radio keeps it checked.
    PressKey(radios[1]->Widget(), Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_TRUE(radios[1]->Checked());
}

TEST_F(CheckRadioInputTest, AnchorsReportOrOpenTheirLinksAndTheReleaseStillToggles)
{
    std::vector<std::string> events;
    box->SetCaption("<A href=\"regras\">Regras</A> <A href=\"http://exemplo.invalid\">site</A>");
    box->OnAnchorClick = [&](TObject*, const std::string& a) { events.push_back("click " + a); };
    box->OnAnchorEnter = [&](TObject*, const std::string& a) { events.push_back("enter " + a); };
    box->OnAnchorExit = [&](TObject*, const std::string& a) { events.push_back("exit " + a); };
    LinkOpener() = [&](const std::string& link) { events.push_back("open " + link); };
    box->SetFocus();
    QWidget* widget = box->Widget();
    MoveMouse(widget, QPoint(22, 12));
    EXPECT_EQ(box->Cursor(), crHandPoint);
    MoveMouse(widget, QPoint(150, 12));
    EXPECT_EQ(box->Cursor(), crDefault);
    // A press on a link of the focused box follows it, and the release inside toggles and clicks.
    Click(box, QPoint(22, 12));
    EXPECT_EQ(box->State(), cbChecked);
    EXPECT_EQ(clicks, 1);
    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(events[0], "enter regras");
    EXPECT_EQ(events[1], "exit regras");
    EXPECT_EQ(events.back(), "click regras");
    // The address is opened, not reported.
    events.clear();
    const int siteX = 17 + box->Canvas().TextWidth("Regras ") + 4;
    Click(box, QPoint(siteX, 12));
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), "open http://exemplo.invalid");
    EXPECT_EQ(box->State(), cbUnchecked);
    EXPECT_EQ(clicks, 2);
    // A press on a link of a box without the focus only focuses it.
    box->SetCaption("<A href=\"regras\">Regras</A>");
    other->SetFocus();
    events.clear();
    Click(box, QPoint(22, 12));
    EXPECT_TRUE(box->Focused());
    EXPECT_TRUE(events.empty() || events.back() != "click regras");
    EXPECT_EQ(box->State(), cbUnchecked);
    EXPECT_EQ(clicks, 2);
    // A radio button checks itself on the press (the focus) and clicks once; its link is reported.
    radios[2]->SetCaption("<A href=\"ajuda\">Ajuda</A>");
    std::vector<std::string> radioAnchors;
    radios[2]->OnAnchorClick = [&](TObject*, const std::string& a) { radioAnchors.push_back(a); };
    radioClicks.clear();
    Click(radios[2], QPoint(22, 10));
    EXPECT_TRUE(radios[2]->Checked());
    ASSERT_EQ(radioAnchors.size(), 1u);
    EXPECT_EQ(radioAnchors[0], "ajuda");
    EXPECT_EQ(radioClicks, std::vector<int>{2});
}

// A descendant hears each event through the operation that fires it.
class TCountingBox : public THTMLCheckBox {
public:
    using THTMLCheckBox::THTMLCheckBox;
    int toggles = 0;
    std::string anchors;
    void Toggle() override
    {
        ++toggles;
        THTMLCheckBox::Toggle();
    }

protected:
    void AnchorClick(const std::string& anchor) override { anchors += anchor; }
};

TEST_F(CheckRadioInputTest, EventsRunThroughTheirOwnOverridableOperations)
{
    auto* counting = new TCountingBox(form);
    counting->SetParent(form);
    counting->SetBounds(10, 70, 160, 20);
    counting->SetCaption("<A href=\"ajuda\">Ajuda</A>");
    counting->SetFocus();
    Click(counting, QPoint(6, 10));
    PressKey(counting->Widget(), Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_EQ(counting->toggles, 2);
    EXPECT_FALSE(counting->Checked());
    Click(counting, QPoint(22, 10));
    EXPECT_EQ(counting->anchors, "ajuda");
    EXPECT_EQ(counting->toggles, 3);
}

TEST_F(CheckRadioInputTest, TheClassesComeFromTheRegistryWithTheirDefaults)
{
    RegisterRichTextControls();
    std::unique_ptr<TComponent> made(CreateComponent("THTMLCheckBox", nullptr));
    auto* check = dynamic_cast<THTMLCheckBox*>(made.get());
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->Caption(), "THTMLCheckBox");
    EXPECT_EQ(check->Width(), 98);
    EXPECT_EQ(check->Height(), 20);
    EXPECT_EQ(check->ButtonType(), btClassic);
    EXPECT_EQ(check->ShadowOffset(), 1);
    EXPECT_EQ(check->ShadowColor(), clGray);
    EXPECT_EQ(check->URLColor(), clBlue);
    std::unique_ptr<TComponent> radio(CreateComponent("THTMLRadioButton", nullptr));
    ASSERT_NE(dynamic_cast<THTMLRadioButton*>(radio.get()), nullptr);
    EXPECT_EQ(static_cast<THTMLRadioButton*>(radio.get())->Caption(), "THTMLRadioButton");
    EXPECT_TRUE(IsClassRegistered("TRichLabel"));
}

}  // namespace
}  // namespace tarvelon
