// The button editor: its button stands at the right edge and keeps the text clear of it, a click on
// it fires OnButtonClick, and the typing and paste limits hold.
#include <gtest/gtest.h>

#include <QClipboard>

#include "grid/dg_button_edit.h"
#include "platform/forms/form.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon {
namespace {

using test::Pump;

class ButtonEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(60, 60, 300, 120);
        editor = new TDgCustomButtonEdit(form);
        editor->SetParent(form);
        editor->SetBounds(10, 10, 150, 22);
        editor->SetTabStop(true);
        form->Show();
        Pump(10);
    }
    void TearDown() override { Free(form); }

    TForm* form = nullptr;
    TDgCustomButtonEdit* editor = nullptr;
};

TEST_F(ButtonEditTest, TheButtonSitsAtTheRightAndFiresOnRelease)
{
    TDgSmallButton& button = editor->Button();
    EXPECT_EQ(button.ClassName(), "TDgExecuteButton");
    EXPECT_EQ(button.Width(), 21);
    EXPECT_EQ(button.Left() + button.Width(), editor->DisplayClientRect().Right);
    EXPECT_EQ(editor->TextMarginRight(), 21);
    int clicks = 0;
    editor->OnButtonClick = [&](TObject*) { ++clicks; };
    QWidget* widget = button.Widget();
    test::SendMouse(widget, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(button.Down());
    EXPECT_TRUE(editor->Focused());
    EXPECT_EQ(clicks, 0);
    test::SendMouse(widget, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(button.Down());
    EXPECT_EQ(clicks, 1);
    editor->SetBounds(10, 10, 200, 22);
    EXPECT_EQ(button.Left() + button.Width(), editor->DisplayClientRect().Right);
}

TEST_F(ButtonEditTest, TypingAndPastingCanBeSwitchedOff)
{
    editor->SetText("ab");
    editor->SetSelStart(2);
    editor->SetOptions(TDgEditOptions{epDisableTyping});
    test::PressKey(editor->Widget(), Qt::Key_C, Qt::NoModifier, "c");
    test::PressKey(editor->Widget(), Qt::Key_Backspace);
    test::PressKey(editor->Widget(), Qt::Key_Delete);
    EXPECT_EQ(editor->Text(), "ab");
    editor->SetOptions(TDgEditOptions{epDisablePaste});
    QApplication::clipboard()->setText("xyz");
    editor->PasteFromClipboard();
    EXPECT_EQ(editor->Text(), "ab");
    editor->SetOptions(TDgEditOptions{});
    editor->SetSelStart(2);
    editor->PasteFromClipboard();
    EXPECT_EQ(editor->Text(), "abxyz");
}

TEST_F(ButtonEditTest, TheMouseOverTheEditorLightsTheButton)
{
    test::MoveMouse(editor->Widget(), QPoint(20, 5));
    EXPECT_TRUE(editor->Button().Hover());
    // The button lies inside the editor: the mouse on it, or back on the text, is still over the editor.
    test::MoveMouse(editor->Button().Widget(), QPoint(5, 5));
    EXPECT_TRUE(editor->Button().Hover());
    test::MoveMouse(editor->Widget(), QPoint(30, 5));
    EXPECT_TRUE(editor->Button().Hover());
    test::MoveMouse(form->Widget(), QPoint(250, 90));
    EXPECT_FALSE(editor->Button().Hover());
}

}  // namespace
}  // namespace tarvelon
