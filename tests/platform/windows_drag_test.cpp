// Drag and drop of the form library: a drag starts at once or after the mouse moved far enough,
// the control under the mouse is asked whether it accepts, the cursor says so, a drop reaches the
// target that accepts and the source hears how the drag ended.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/custom_control.h"
#include "platform/forms/drag_drop.h"
#include "platform/forms/form.h"
#include "platform/forms/graphic_control.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon {
namespace {

using test::MoveMouse;
using test::Pump;
using test::SendMouse;
using Lines = std::vector<std::string>;

class DragTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(100, 100, 400, 200);
        form->SetName("form");
        shirt = Make<TCustomControl>("shirt", 10, 10);
        pitch = Make<TCustomControl>("pitch", 150, 10);
        bench = Make<TGraphicControl>("bench", 290, 10);
        shirt->SetDragCursor(crHandPoint);
        shirt->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) {
            log.push_back("shirt down");
            shirt->BeginDrag(true);
        };
        shirt->OnStartDrag = [this](TObject*, TObject*&) { log.push_back("start"); };
        shirt->OnEndDrag = [this](TObject*, TObject* target, int x, int y) {
            log.push_back("end " + NameOf(target) + " " + std::to_string(x) + "," + std::to_string(y));
        };
        pitch->OnDragOver = [this](TObject*, TObject* source, int x, int y, TDragState state, bool& accept) {
            accept = source == shirt;
            if (state != dsDragMove)
                log.push_back(std::string(state == dsDragEnter ? "enter " : "leave ") + NameOf(source));
        };
        pitch->OnDragDrop = [this](TObject*, TObject* source, int x, int y) {
            log.push_back("drop " + NameOf(source) + " " + std::to_string(x) + "," + std::to_string(y));
        };
        form->Show();
        Pump(10);
    }
    void TearDown() override
    {
        DragManager().Cancel();
        Free(form);
    }

    template <typename T>
    T* Make(const std::string& name, int left, int top)
    {
        auto* control = new T(form);
        control->SetName(name);
        control->SetParent(form);
        control->SetBounds(left, top, 100, 100);
        return control;
    }

    static std::string NameOf(TObject* object)
    {
        auto* component = dynamic_cast<TComponent*>(object);
        return component ? component->Name() : "none";
    }

    // A move over the form at a form point, as the window system gives it to the pressed widget.
    void MoveOverForm(QPoint formPoint)
    {
        QWidget* pressed = shirt->Widget();
        MoveMouse(pressed, pressed->mapFromGlobal(form->Widget()->mapToGlobal(formPoint)), Qt::LeftButton);
    }
    void ReleaseOverForm(QPoint formPoint)
    {
        QWidget* pressed = shirt->Widget();
        SendMouse(pressed, QEvent::MouseButtonRelease, pressed->mapFromGlobal(form->Widget()->mapToGlobal(formPoint)),
                  Qt::LeftButton, Qt::NoButton);
    }
    Qt::CursorShape DragCursorShape() const
    {
        return QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor;
    }

    TForm* form = nullptr;
    TCustomControl* shirt = nullptr;
    TCustomControl* pitch = nullptr;
    TGraphicControl* bench = nullptr;
    Lines log;
};

TEST_F(DragTest, DropOnAControlThatAcceptsReachesItAndTheSource)
{
    QTest::mousePress(shirt->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(shirt->Dragging());
    EXPECT_EQ(DragCursorShape(), Qt::ForbiddenCursor);  // over the shirt itself, which accepts nothing
    MoveOverForm(QPoint(170, 40));
    EXPECT_TRUE(DragManager().Accepted());
    EXPECT_EQ(DragCursorShape(), Qt::PointingHandCursor);
    ReleaseOverForm(QPoint(175, 45));
    EXPECT_FALSE(shirt->Dragging());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(log, (Lines{"shirt down", "start", "enter shirt", "drop shirt 25,35", "end pitch 25,35"}));
}

TEST_F(DragTest, DropWhereNobodyAcceptsEndsWithoutATarget)
{
    QTest::mousePress(shirt->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    MoveOverForm(QPoint(170, 40));
    MoveOverForm(QPoint(300, 40));  // the bench (a graphic control) has no OnDragOver
    EXPECT_FALSE(DragManager().Accepted());
    EXPECT_EQ(DragManager().Target(), bench);
    ReleaseOverForm(QPoint(300, 40));
    EXPECT_EQ(log, (Lines{"shirt down", "start", "enter shirt", "leave shirt", "end none 0,0"}));
}

TEST_F(DragTest, EscapeCancelsTheDrag)
{
    QTest::mousePress(shirt->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    MoveOverForm(QPoint(170, 40));
    test::PressKey(shirt->Widget(), Qt::Key_Escape);
    EXPECT_FALSE(shirt->Dragging());
    EXPECT_EQ(log.back(), "end none 0,0");
}

TEST_F(DragTest, AutomaticDragStartsOnlyAfterTheMouseMovedFarEnough)
{
    shirt->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { log.push_back("shirt down"); };
    shirt->SetDragMode(dmAutomatic);
    QTest::mousePress(shirt->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(DragManager().Active());
    MoveMouse(shirt->Widget(), QPoint(8, 7), Qt::LeftButton);
    EXPECT_FALSE(DragManager().Active());
    MoveOverForm(QPoint(170, 40));
    EXPECT_TRUE(DragManager().Active());
    ReleaseOverForm(QPoint(170, 40));
    // The press of an automatic drag is not a mouse-down of the control.
    EXPECT_EQ(log, (Lines{"start", "enter shirt", "drop shirt 20,30", "end pitch 20,30"}));
}

}  // namespace
}  // namespace tarvelon
