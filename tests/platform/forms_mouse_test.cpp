// Mouse input reaches the right control: clicks, double clicks, drags with capture, the wheel,
// shift states, and mouse enter / leave, for windowed and graphic controls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/custom_control.h"
#include "platform/forms/form.h"
#include "platform/forms/graphic_control.h"
#include "platform/forms/input_state.h"
#include "platform/forms/screen.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon {
namespace {

using test::MoveMouse;
using test::SendMouse;
using test::SendWheel;

std::string ShiftText(TShiftState shift)
{
    std::string text;
    if (shift & ssShift) text += "S";
    if (shift & ssAlt) text += "A";
    if (shift & ssCtrl) text += "C";
    if (shift & ssLeft) text += "L";
    if (shift & ssRight) text += "R";
    if (shift & ssMiddle) text += "M";
    if (shift & ssDouble) text += "D";
    return text;
}

const char* ButtonText(TMouseButton button)
{
    return button == mbLeft ? "L" : button == mbRight ? "R" : "M";
}

// Records every mouse event of a control as a line: "A down L 5,5 L".
void Record(TControl* control, const std::string& name, std::vector<std::string>& log)
{
    control->OnMouseDown = [&log, name](TObject*, TMouseButton b, TShiftState s, int x, int y) {
        log.push_back(name + " down " + ButtonText(b) + " " + std::to_string(x) + "," + std::to_string(y) + " " +
                      ShiftText(s));
    };
    control->OnMouseUp = [&log, name](TObject*, TMouseButton b, TShiftState s, int x, int y) {
        log.push_back(name + " up " + ButtonText(b) + " " + std::to_string(x) + "," + std::to_string(y));
    };
    control->OnMouseMove = [&log, name](TObject*, TShiftState s, int x, int y) {
        log.push_back(name + " move " + std::to_string(x) + "," + std::to_string(y) + " " + ShiftText(s));
    };
    control->OnClick = [&log, name](TObject*) { log.push_back(name + " click"); };
    control->OnDblClick = [&log, name](TObject*) { log.push_back(name + " dblclick"); };
    control->OnMouseEnter = [&log, name](TObject*) { log.push_back(name + " enter"); };
    control->OnMouseLeave = [&log, name](TObject*) { log.push_back(name + " leave"); };
}

class MouseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(100, 100, 300, 200);
        a = new TCustomControl(form);
        a->SetParent(form);
        a->SetBounds(10, 10, 100, 80);
        b = new TCustomControl(form);
        b->SetParent(form);
        b->SetBounds(10, 120, 100, 60);
        g = new TGraphicControl(form);
        g->SetParent(form);
        g->SetBounds(150, 10, 60, 40);
        form->Show();
        test::Pump();
        Record(a, "A", log);
        Record(b, "B", log);
        Record(g, "G", log);
        Record(form, "F", log);
    }
    void TearDown() override
    {
        SetCaptureControl(nullptr);
        SetMouseControl(nullptr);
        Free(form);
    }

    std::vector<std::string> Take()
    {
        std::vector<std::string> taken;
        taken.swap(log);
        return taken;
    }

    TForm* form = nullptr;
    TCustomControl* a = nullptr;
    TCustomControl* b = nullptr;
    TGraphicControl* g = nullptr;
    std::vector<std::string> log;
};

using Lines = std::vector<std::string>;

TEST_F(MouseTest, ClickOnWindowedControlFiresDownClickUpInThatOrder)
{
    QTest::mouseClick(a->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
    EXPECT_EQ(Take(), (Lines{"A down L 5,6 L", "A click", "A up L 5,6"}));
}

TEST_F(MouseTest, ClickOnGraphicControlReachesItInItsOwnCoordinates)
{
    QWidget* window = form->Widget();
    SendMouse(window, QEvent::MouseButtonPress, QPoint(155, 17), Qt::LeftButton, Qt::LeftButton);
    SendMouse(window, QEvent::MouseButtonRelease, QPoint(155, 17), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(Take(), (Lines{"G down L 5,7 L", "G click", "G up L 5,7"}));
    // The form itself gets a click beside it.
    SendMouse(window, QEvent::MouseButtonPress, QPoint(250, 100), Qt::LeftButton, Qt::LeftButton);
    SendMouse(window, QEvent::MouseButtonRelease, QPoint(250, 100), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(Take(), (Lines{"F down L 250,100 L", "F click", "F up L 250,100"}));
}

TEST_F(MouseTest, DoubleClickAsQtDeliversItFiresOneClickThenDblClick)
{
    // Qt 6 delivers a double click as press, release, press, double click, release.
    const QPoint at(20, 20);
    QTest::mouseClick(a->Widget(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mousePress(a->Widget(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(a->Widget(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(a->Widget(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(Take(), (Lines{"A down L 20,20 L", "A click", "A up L 20,20", "A down L 20,20 L", "A dblclick",
                             "A up L 20,20"}));
}

TEST_F(MouseTest, DoubleClickWhoseFirstClickHitAnotherWindowIsAPlainPress)
{
    // A fast double click on a button that opens the next screen: the second click lands on that
    // screen, which takes it as a plain press, whether its press came before the double click or
    // was lost while the screen was being made.
    const QPoint at(20, 20);
    QTest::mouseClick(a->Widget(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mousePress(b->Widget(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(b->Widget(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(b->Widget(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(Take(), (Lines{"A down L 20,20 L", "A click", "A up L 20,20", "B down L 20,20 L", "B click",
                             "B up L 20,20"}));
    QTest::mouseClick(a->Widget(), Qt::LeftButton, Qt::NoModifier, at);
    SendMouse(b->Widget(), QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    SendMouse(b->Widget(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(Take(), (Lines{"A down L 20,20 L", "A click", "A up L 20,20", "B down L 20,20 L", "B click",
                             "B up L 20,20"}));
}

TEST_F(MouseTest, DoubleClickMessageAfterReleaseCarriesDoubleInShift)
{
    QWidget* widget = a->Widget();
    SendMouse(widget, QEvent::MouseButtonPress, QPoint(3, 3), Qt::LeftButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, QPoint(3, 3), Qt::LeftButton, Qt::NoButton);
    SendMouse(widget, QEvent::MouseButtonDblClick, QPoint(3, 3), Qt::LeftButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, QPoint(3, 3), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(Take(), (Lines{"A down L 3,3 L", "A click", "A up L 3,3", "A dblclick", "A down L 3,3 LD",
                             "A up L 3,3"}));
}

TEST_F(MouseTest, DragOutsideKeepsReachingThePressedControlAndReleasingOutsideIsNoClick)
{
    QWidget* widget = a->Widget();
    SendMouse(widget, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(a->MouseCapture());
    // Qt holds the mouse for the pressed widget: the moves outside come to it.
    MoveMouse(widget, QPoint(250, 150), Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, QPoint(250, 150), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(Take(), (Lines{"A down L 5,5 L", "A move 250,150 L", "A up L 250,150"}));
    EXPECT_FALSE(a->MouseCapture());
}

TEST_F(MouseTest, GraphicControlKeepsTheMouseWhileDragged)
{
    QWidget* window = form->Widget();
    SendMouse(window, QEvent::MouseButtonPress, QPoint(160, 20), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(GetCaptureControl(), g);
    MoveMouse(window, QPoint(20, 190), Qt::LeftButton);  // over the form, far from the graphic control
    SendMouse(window, QEvent::MouseButtonRelease, QPoint(20, 190), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(Take(), (Lines{"G down L 10,10 L", "G move -130,180 L", "G up L -130,180"}));
}

TEST_F(MouseTest, ExplicitCaptureRedirectsEventsOfOtherWindows)
{
    a->SetMouseCapture(true);
    MoveMouse(b->Widget(), QPoint(5, 5));
    // b stands 110 pixels below a.
    EXPECT_EQ(Take(), (Lines{"A move 5,115 "}));
    a->SetMouseCapture(false);
    MoveMouse(b->Widget(), QPoint(6, 6));
    const Lines lines = Take();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "B move 6,6 ");
}

TEST_F(MouseTest, ShiftStatesCarryKeysAndButtons)
{
    QWidget* widget = a->Widget();
    SendMouse(widget, QEvent::MouseButtonPress, QPoint(1, 2), Qt::RightButton, Qt::RightButton,
              Qt::ShiftModifier | Qt::ControlModifier);
    SendMouse(widget, QEvent::MouseButtonRelease, QPoint(1, 2), Qt::RightButton, Qt::NoButton);
    SendMouse(widget, QEvent::MouseButtonPress, QPoint(1, 2), Qt::MiddleButton, Qt::MiddleButton, Qt::AltModifier);
    SendMouse(widget, QEvent::MouseButtonRelease, QPoint(1, 2), Qt::MiddleButton, Qt::NoButton);
    // Neither the right nor the middle button clicks.
    EXPECT_EQ(Take(), (Lines{"A down R 1,2 SCR", "A up R 1,2", "A down M 1,2 AM", "A up M 1,2"}));
}

TEST_F(MouseTest, WheelGoesToTheHandlerThenToUpDownPerNotchThenToTheParent)
{
    std::vector<std::string> wheel;
    a->OnMouseWheel = [&](TObject*, TShiftState shift, int delta, TPoint, bool& handled) {
        wheel.push_back("wheel " + std::to_string(delta) + " " + ShiftText(shift));
        handled = delta > 0;
    };
    a->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& handled) {
        wheel.push_back("down");
        handled = false;
    };
    form->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& handled) {
        wheel.push_back("form down");
        handled = true;
    };
    SendWheel(a->Widget(), QPoint(10, 10), 120, Qt::ControlModifier);
    SendWheel(a->Widget(), QPoint(10, 10), -240);
    EXPECT_EQ(wheel, (Lines{"wheel 120 C", "wheel -240 ", "down", "down", "form down"}));
}

TEST_F(MouseTest, EnterAndLeaveFollowTheMouseAcrossControls)
{
    MoveMouse(a->Widget(), QPoint(5, 5));
    MoveMouse(form->Widget(), QPoint(250, 150));
    MoveMouse(form->Widget(), QPoint(155, 15));
    MoveMouse(form->Widget(), QPoint(156, 15));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(form->Widget(), &leave);
    Lines events;
    for (const std::string& line : Take()) {
        if (line.find("enter") != std::string::npos || line.find("leave") != std::string::npos)
            events.push_back(line);
    }
    EXPECT_EQ(events, (Lines{"A enter", "A leave", "F enter", "F leave", "G enter", "G leave"}));
}

TEST_F(MouseTest, DisabledGraphicControlLetsTheParentHaveTheMouse)
{
    g->SetEnabled(false);
    QWidget* window = form->Widget();
    SendMouse(window, QEvent::MouseButtonPress, QPoint(155, 15), Qt::LeftButton, Qt::LeftButton);
    SendMouse(window, QEvent::MouseButtonRelease, QPoint(155, 15), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(Take(), (Lines{"F down L 155,15 L", "F click", "F up L 155,15"}));
}

// A disabled windowed control takes no click, ever: a click on it is its parent's, as over a
// disabled graphic control, and a control disabled while it is pressed (by the handler of its press,
// or by another control's leaving the focus) gets neither the release nor the click.
TEST_F(MouseTest, ADisabledWindowedControlTakesNoClick)
{
    a->SetEnabled(false);
    QTest::mouseClick(a->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
    EXPECT_EQ(Take(), (Lines{"F down L 15,16 L", "F click", "F up L 15,16"}));
    QTest::mouseClick(a->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
    EXPECT_EQ(Take(), (Lines{"F down L 15,16 L", "F click", "F up L 15,16"}));
    a->SetEnabled(true);
    b->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) {
        log.push_back("B down");
        b->SetEnabled(false);
    };
    QTest::mouseClick(b->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
    EXPECT_EQ(Take(), (Lines{"B down"}));
    EXPECT_EQ(GetCaptureControl(), nullptr);
    // Enabled again, it clicks as before.
    b->SetEnabled(true);
    Record(b, "B", log);
    QTest::mouseClick(b->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
    EXPECT_EQ(Take(), (Lines{"B down L 5,6 L", "B click", "B up L 5,6"}));
}

TEST_F(MouseTest, CursorFollowsTheControlUnderTheMouse)
{
    g->SetCursor(crHandPoint);
    a->SetCursor(crCross);
    MoveMouse(form->Widget(), QPoint(155, 15));
    EXPECT_EQ(form->Widget()->cursor().shape(), Qt::PointingHandCursor);
    MoveMouse(form->Widget(), QPoint(250, 150));
    EXPECT_EQ(form->Widget()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(a->Widget()->cursor().shape(), Qt::CrossCursor);
}

TEST_F(MouseTest, HiddenControlGivesUpTheCapture)
{
    a->SetMouseCapture(true);
    a->Hide();
    MoveMouse(b->Widget(), QPoint(5, 5));
    EXPECT_EQ(GetCaptureControl(), nullptr);
    const Lines lines = Take();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "B move 5,5 ");
}

TEST_F(MouseTest, RightClickPopsUpTheMenuOfTheControlOrOfItsParent)
{
    auto* menu = new TComponent(form);
    form->SetPopupMenu(menu);
    std::vector<std::string> shown;
    TControl::ShowPopupMenu = [&](TComponent* shownMenu, TControl* control, TPoint at) {
        shown.push_back(std::string(shownMenu == menu ? "menu" : "?") + (control == a ? " on A " : " ") +
                        std::to_string(at.X) + "," + std::to_string(at.Y));
    };
    QTest::mouseClick(a->Widget(), Qt::RightButton, Qt::NoModifier, QPoint(4, 6));
    const TPoint screen = a->ClientToScreen(Point(4, 6));
    EXPECT_EQ(shown, (Lines{"menu on A " + std::to_string(screen.X) + "," + std::to_string(screen.Y)}));
    a->OnContextPopup = [](TObject*, TPoint, bool& handled) { handled = true; };
    QTest::mouseClick(a->Widget(), Qt::RightButton, Qt::NoModifier, QPoint(4, 6));
    EXPECT_EQ(shown.size(), 1u);
    Free(menu);
    EXPECT_EQ(form->PopupMenu(), nullptr);
    TControl::ShowPopupMenu = nullptr;
}

TEST_F(MouseTest, CursorPositionAndTheControlUnderAPoint)
{
    MoveMouse(a->Widget(), QPoint(5, 7));
    EXPECT_EQ(GetCursorPos(), a->ClientToScreen(Point(5, 7)));
    EXPECT_EQ(FindControlAtPos(g->ClientToScreen(Point(1, 1))), g);
    EXPECT_EQ(FindControlAtPos(b->ClientToScreen(Point(1, 1))), b);
    EXPECT_EQ(FindControlAtPos(form->ClientToScreen(Point(250, 150))), form);
    EXPECT_EQ(FindControlAtPos(Point(-5000, -5000)), nullptr);
}

TEST(ScreenCursorTest, CursorTableHoldsTheProgramsOwnCursors)
{
    EXPECT_EQ(Screen->CursorShape(crHandPoint).shape(), Qt::PointingHandCursor);
    EXPECT_EQ(Screen->CursorShape(4003).shape(), Qt::ArrowCursor);  // unknown: the arrow
    EXPECT_FALSE(Screen->HasCursor(4003));
    Screen->SetCursors(4003, QCursor(Qt::SizeAllCursor));
    EXPECT_TRUE(Screen->HasCursor(4003));
    EXPECT_EQ(Screen->CursorShape(4003).shape(), Qt::SizeAllCursor);
    Screen->SetCursor(crHourGlass);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Screen->SetCursor(crDefault);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace tarvelon
