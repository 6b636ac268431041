// Popup windows (drop-downs, flyouts, hints) float over the forms at screen coordinates and never
// take the focus from the control that opened them; hints show after the hint pause.
#include <gtest/gtest.h>

#include "platform/forms/application.h"
#include "platform/forms/custom_control.h"
#include "platform/forms/form.h"
#include "platform/forms/hint_window.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon {
namespace {

using test::MoveMouse;
using test::Pump;
using test::PumpUntil;

class TDropDown : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int clicks = 0;
    // Closes when the program loses the activation, as a drop-down does.
    void ApplicationActivated(bool active) override
    {
        if (!active)
            Hide();
    }

protected:
    void CreateParams(TCreateParams& params) override
    {
        params.popup = true;
        params.topMost = true;
    }
    void Paint() override
    {
        Canvas().Brush.SetColor(clYellow);
        Canvas().FillRect(ClientRect());
    }
    void Click() override { ++clicks; }
};

class TAnchorLabel : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    bool HintShow(THintInfo& info) override
    {
        info.HintStr = "http://tarvelon.example";
        info.HintPos = ClientToScreen(Point(info.CursorPos.X + 10, info.CursorPos.Y - 10));
        return true;
    }
};

class PopupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(100, 100, 300, 200);
        editor = new TCustomControl(form);
        editor->SetParent(form);
        editor->SetBounds(10, 10, 120, 20);
        editor->SetTabStop(true);
        form->Show();
        Pump(10);
        editor->SetFocus();
        ASSERT_TRUE(editor->Focused());
    }
    void TearDown() override { Free(form); }

    TForm* form = nullptr;
    TCustomControl* editor = nullptr;
};

TEST_F(PopupTest, DropDownOpensBelowItsEditorWithoutTakingTheFocus)
{
    QWidget* activeBefore = QApplication::activeWindow();
    auto* dropDown = new TDropDown(form);
    dropDown->SetParent(form);
    const TPoint below = editor->ClientToScreen(Point(0, editor->Height()));
    dropDown->SetBounds(below.X, below.Y, 80, 50);
    dropDown->Show();
    Pump(10);
    QWidget* window = dropDown->Widget();
    EXPECT_TRUE(window->isWindow());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(window->pos(), QPoint(below.X, below.Y));
    EXPECT_TRUE(editor->Focused());
    EXPECT_EQ(QApplication::focusWidget(), editor->Widget());
    EXPECT_EQ(QApplication::activeWindow(), activeBefore);
    // Clicking in it picks without moving the focus either.
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(dropDown->clicks, 1);
    EXPECT_TRUE(editor->Focused());
    dropDown->Update();
    EXPECT_EQ(test::GrabbedPixel(window, 5, 5), 0xFFFF00u);
    // Its client origin is where it stands on the screen.
    EXPECT_EQ(dropDown->ClientOrigin(), below);
}

TEST_F(PopupTest, DropDownHearsThatTheProgramLostTheActivation)
{
    auto* dropDown = new TDropDown(form);
    dropDown->SetParent(form);
    dropDown->SetBounds(0, 0, 50, 50);
    dropDown->Show();
    int deactivations = 0;
    Application->OnDeactivate = [&](TObject*) { ++deactivations; };
    Application->ActivationChanged(false);
    EXPECT_FALSE(dropDown->Visible());
    EXPECT_EQ(deactivations, 1);
    Application->ActivationChanged(false);  // no change, no news
    EXPECT_EQ(deactivations, 1);
    Application->ActivationChanged(true);
    Application->OnDeactivate = nullptr;
}

TEST_F(PopupTest, HintShowsAfterThePauseWithTheShortHintAndGoesWhenTheMouseLeaves)
{
    editor->SetHint("Salvar o jogo|Grava o jogo na pasta sav");
    editor->SetShowHint(true);
    Application->HintPause = 30;
    MoveMouse(editor->Widget(), QPoint(5, 5));
    EXPECT_EQ(Application->HintControl(), editor);
    ASSERT_TRUE(PumpUntil([] { return Application->HintWindow() && Application->HintWindow()->Visible(); }));
    THintWindow* hint = Application->HintWindow();
    EXPECT_EQ(hint->Caption(), "Salvar o jogo");
    EXPECT_TRUE(hint->Widget()->isWindow());
    EXPECT_TRUE(editor->Focused());
    // Moving onto the form (no hint) takes it away.
    MoveMouse(form->Widget(), QPoint(250, 150));
    EXPECT_FALSE(hint->Visible());
    Application->CancelHint();
}

TEST_F(PopupTest, ControlMayRewriteItsHintAndPlaceIt)
{
    auto* label = new TAnchorLabel(form);
    label->SetParent(form);
    label->SetBounds(10, 100, 100, 20);
    label->SetHint("x");
    label->SetShowHint(true);
    Application->HintPause = 10;
    MoveMouse(label->Widget(), QPoint(20, 5));
    ASSERT_TRUE(PumpUntil([] { return Application->HintWindow() && Application->HintWindow()->Visible(); }));
    THintWindow* hint = Application->HintWindow();
    EXPECT_EQ(hint->Caption(), "http://tarvelon.example");
    const TPoint expected = label->ClientToScreen(Point(30, -5));
    EXPECT_EQ(hint->Left(), expected.X);
    EXPECT_EQ(hint->Top(), expected.Y);
    Application->CancelHint();
    EXPECT_FALSE(hint->Visible());
}

TEST_F(PopupTest, NoHintWithoutShowHint)
{
    editor->SetHint("Sair");
    Application->HintPause = 5;
    MoveMouse(editor->Widget(), QPoint(5, 5));
    Pump(40);
    EXPECT_TRUE(!Application->HintWindow() || !Application->HintWindow()->Visible());
}

}  // namespace
}  // namespace tarvelon
