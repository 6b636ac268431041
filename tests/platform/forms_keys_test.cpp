// Keys reach the focused control with their shift state; a form with KeyPreview sees them first and
// may swallow them; Tab walks the tab order; Escape and Enter reach the form's buttons; Alt+F4
// closes a form unless the form swallows it; wrapped Qt widgets go through the same pipeline.
#include <gtest/gtest.h>

#include <QLineEdit>

#include <string>
#include <vector>

#include "platform/forms/custom_control.h"
#include "platform/forms/form.h"
#include "platform/forms/keys.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon {
namespace {

using test::PressKey;
using test::Pump;
using Lines = std::vector<std::string>;

std::string KeyText(unsigned short key, TShiftState shift)
{
    std::string text = std::to_string(key);
    if (shift & ssShift) text += "+S";
    if (shift & ssAlt) text += "+A";
    if (shift & ssCtrl) text += "+C";
    return text;
}

void Record(TWinControl* control, const std::string& name, Lines& log)
{
    control->OnKeyDown = [&log, name](TObject*, unsigned short& key, TShiftState shift) {
        log.push_back(name + " down " + KeyText(key, shift));
    };
    control->OnKeyUp = [&log, name](TObject*, unsigned short& key, TShiftState shift) {
        log.push_back(name + " up " + KeyText(key, shift));
    };
    control->OnKeyPress = [&log, name](TObject*, char32_t& key) {
        log.push_back(name + " press " + std::to_string(static_cast<unsigned>(key)));
    };
}

// Takes Escape (the Cancel button of a dialog does so).
class TCancelProbe : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int escapes = 0;
    bool DialogKey(unsigned short key, TShiftState shift) override
    {
        if (key != VK_ESCAPE)
            return false;
        ++escapes;
        return true;
    }
};

// Wants Tab for itself (an editor with WantTabs).
class TTabEater : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    unsigned DialogCode() const override { return DLGC_WANTTAB; }
};

// A Qt line edit under the form library's key pipeline, as the standard edit controls wrap it.
class TLineEditProbe : public TWinControl {
public:
    using TWinControl::TWinControl;
    QLineEdit* Edit() { return static_cast<QLineEdit*>(Widget()); }

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override { return new QLineEdit(parentWidget); }
};

// A frame around a line edit, as a combo box holds its editor: the editor's input counts as the
// control's.
class TFramedEditProbe : public TWinControl {
public:
    using TWinControl::TWinControl;
    QLineEdit* edit = nullptr;

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override
    {
        auto* frame = new QWidget(parentWidget);
        edit = new QLineEdit(frame);
        edit->setGeometry(20, 2, 100, 20);
        return frame;
    }
    void CreateWnd() override
    {
        TWinControl::CreateWnd();
        AdoptSubWidget(edit);
    }
};

class KeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(10, 10, 300, 200);
        first = MakeControl(0);
        second = MakeControl(1);
        untabbed = MakeControl(2);
        untabbed->SetTabStop(false);
        first->SetTabOrder(1);  // second comes first in the tab order now
        form->Show();
        Pump();
        Record(first, "1", log);
        Record(second, "2", log);
        Record(form, "F", log);
    }
    void TearDown() override { Free(form); }

    TCustomControl* MakeControl(int index)
    {
        auto* control = new TCustomControl(form);
        control->SetParent(form);
        control->SetBounds(10 + 60 * index, 10, 50, 50);
        control->SetTabStop(true);
        return control;
    }

    Lines Take()
    {
        Lines taken;
        taken.swap(log);
        return taken;
    }

    TForm* form = nullptr;
    TCustomControl* first = nullptr;
    TCustomControl* second = nullptr;
    TCustomControl* untabbed = nullptr;
    Lines log;
};

TEST_F(KeysTest, KeysReachTheFocusedControlWithTheirShiftState)
{
    first->SetFocus();
    ASSERT_TRUE(first->Focused());
    PressKey(first->Widget(), Qt::Key_A, Qt::ShiftModifier, "A");
    EXPECT_EQ(Take(), (Lines{"1 down 65+S", "1 press 65", "1 up 65+S"}));
    // QTest presses the modifier keys as a keyboard does: they come as keys of their own.
    QTest::keyClick(first->Widget(), Qt::Key_F5, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(Take(), (Lines{"1 down 17+C", "1 down 18+A+C", "1 down 116+A+C", "1 up 116+A+C", "1 up 18+C",
                             "1 up 17"}));
}

TEST_F(KeysTest, KeyPreviewLetsTheFormSeeAndSwallowKeysFirst)
{
    form->SetKeyPreview(true);
    form->OnKeyDown = [this](TObject*, unsigned short& key, TShiftState) {
        log.push_back("F down " + std::to_string(key));
        if (key == VK_F5)
            key = 0;
    };
    form->OnKeyPress = [this](TObject*, char32_t& key) {
        log.push_back("F press " + std::to_string(static_cast<unsigned>(key)));
        if (key == U'a')
            key = U'b';
    };
    first->SetFocus();
    PressKey(first->Widget(), Qt::Key_F5);
    PressKey(first->Widget(), Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_EQ(Take(), (Lines{"F down 116", "F up 116", "1 up 116", "F down 65", "1 down 65", "F press 97",
                             "1 press 98", "F up 65", "1 up 65"}));
    form->SetKeyPreview(false);
    PressKey(first->Widget(), Qt::Key_F5);
    EXPECT_EQ(Take(), (Lines{"1 down 116", "1 up 116"}));
}

TEST_F(KeysTest, TabWalksTheTabOrderAndSkipsControlsWithoutTabStop)
{
    second->SetFocus();
    PressKey(second->Widget(), Qt::Key_Tab);
    EXPECT_TRUE(first->Focused());
    PressKey(first->Widget(), Qt::Key_Tab);
    EXPECT_TRUE(second->Focused());
    PressKey(second->Widget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(first->Focused());
    EXPECT_EQ(form->ActiveControl(), first);
}

TEST_F(KeysTest, FocusMovesFireExitThenEnter)
{
    second->SetFocus();
    first->OnEnter = [this](TObject*) { log.push_back("1 enter"); };
    first->OnExit = [this](TObject*) { log.push_back("1 exit"); };
    second->OnEnter = [this](TObject*) { log.push_back("2 enter"); };
    second->OnExit = [this](TObject*) { log.push_back("2 exit"); };
    PressKey(second->Widget(), Qt::Key_Tab);
    EXPECT_EQ(Take(), (Lines{"2 down 9", "2 exit", "1 enter", "2 up 9"}));  // the release was sent to 2
}

TEST(FocusTest, FocusThatComesWithTheWindowsActivationEntersTheControlOnce)
{
    TForm form(nullptr);
    auto* edit = new TCustomControl(&form);
    edit->SetParent(&form);
    edit->SetBounds(10, 10, 50, 20);
    edit->SetTabStop(true);
    int enters = 0;
    int exits = 0;
    edit->OnEnter = [&](TObject*) { ++enters; };
    edit->OnExit = [&](TObject*) { ++exits; };
    form.Show();
    ASSERT_TRUE(test::PumpUntil([&] { return edit->Focused(); }));
    EXPECT_EQ(enters, 1);
    // Another window takes the activation and gives it back: the control was never left.
    TForm other(nullptr);
    other.Show();
    ASSERT_TRUE(test::PumpUntil([&] { return other.Active(); }));
    other.Hide();
    form.Show();
    ASSERT_TRUE(test::PumpUntil([&] { return edit->Focused(); }));
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(exits, 0);
}

TEST_F(KeysTest, PostedTabMovesOnOnceTheEventsAreHandled)
{
    second->SetFocus();
    form->PostKeyDown(VK_TAB);
    EXPECT_TRUE(second->Focused());
    Pump();
    EXPECT_TRUE(first->Focused());
}

TEST_F(KeysTest, ControlThatWantsTabKeepsIt)
{
    auto* eater = new TTabEater(form);
    eater->SetParent(form);
    eater->SetTabStop(true);
    eater->SetBounds(200, 100, 20, 20);
    Record(eater, "E", log);
    eater->SetFocus();
    PressKey(eater->Widget(), Qt::Key_Tab, Qt::NoModifier, "\t");
    EXPECT_TRUE(eater->Focused());
    EXPECT_EQ(Take(), (Lines{"E down 9", "E press 9", "E up 9"}));
}

TEST_F(KeysTest, EscapeNobodyTookGoesToTheFormsButtons)
{
    auto* cancel = new TCancelProbe(form);
    cancel->SetParent(form);
    cancel->SetBounds(200, 150, 20, 20);
    first->SetFocus();
    PressKey(first->Widget(), Qt::Key_Escape, Qt::NoModifier, "\x1b");
    EXPECT_EQ(cancel->escapes, 1);
    // A control whose OnKeyDown swallows Escape keeps it from the buttons.
    first->OnKeyDown = [](TObject*, unsigned short& key, TShiftState) { key = 0; };
    PressKey(first->Widget(), Qt::Key_Escape, Qt::NoModifier, "\x1b");
    EXPECT_EQ(cancel->escapes, 1);
}

TEST_F(KeysTest, AltF4ClosesTheFormUnlessItSwallowsTheKey)
{
    form->SetKeyPreview(true);
    form->OnKeyDown = [](TObject*, unsigned short& key, TShiftState shift) {
        if (key == VK_F4 && (shift & ssAlt))
            key = 0;
    };
    int closes = 0;
    form->OnClose = [&](TObject*, TCloseAction&) { ++closes; };
    first->SetFocus();
    PressKey(first->Widget(), Qt::Key_F4, Qt::AltModifier);
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(closes, 0);
    form->OnKeyDown = nullptr;
    PressKey(first->Widget(), Qt::Key_F4, Qt::AltModifier);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(form->Visible());
}

TEST_F(KeysTest, WrappedQtWidgetGetsTheKeysTheHandlersLeaveOrChange)
{
    auto* edit = new TLineEditProbe(form);
    edit->SetParent(form);
    edit->SetBounds(10, 100, 150, 24);
    edit->OnKeyPress = [](TObject*, char32_t& key) {
        if (key >= U'a' && key <= U'z')
            key = key - U'a' + U'A';
        if (key == U'x')
            key = 0;
    };
    edit->OnKeyDown = [](TObject*, unsigned short& key, TShiftState) {
        if (key == '7')
            key = 0;
    };
    edit->SetFocus();
    QTest::keyClicks(edit->Edit(), "ab7c");
    EXPECT_EQ(edit->Edit()->text(), "ABC");
}

TEST_F(KeysTest, AdoptedSubWidgetRunsTheControlsEvents)
{
    auto* framed = new TFramedEditProbe(form);
    framed->SetParent(form);
    framed->SetBounds(10, 120, 150, 24);
    framed->OnKeyPress = [](TObject*, char32_t& key) {
        if (key == U'q')
            key = 0;
    };
    std::string where;
    framed->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
        where = std::to_string(x) + "," + std::to_string(y);
    };
    framed->Widget();
    QTest::mouseClick(framed->edit, Qt::LeftButton, Qt::NoModifier, QPoint(5, 3));
    EXPECT_EQ(where, "25,5");  // the editor stands at (20, 2) in the control
    framed->edit->setFocus();
    QTest::keyClicks(framed->edit, "aqb");
    EXPECT_EQ(framed->edit->text(), "ab");
}

}  // namespace
}  // namespace tarvelon
