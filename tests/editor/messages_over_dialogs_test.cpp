// The add-club dialog and the picture picker stay on top of the editor: every message they open, and
// the colour dialog, is the real one, stands above them, and is answered by a click of the mouse on
// its button; the dialog under it answers the mouse again afterwards.
#include <fstream>
#include <memory>

#include "editor/club_dialogs.h"
#include "editor/picture_picker.h"
#include "platform/forms/standard_texts.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/graphic_controls.h"
#include "tests/editor/editor_dialogs_suite.h"
#include "tests/platform/shown_dialogs.h"

namespace tarvelon::test {
namespace {

class MessagesOverDialogsTest : public EditorDialogsSuite {
protected:
    void SetUp() override
    {
        EditorDialogsSuite::SetUp();
        SetMessageBoxAnswerer({});  // the real boxes, as the player sees them
        UseQtTextsInPortuguese();   // as the game does at start-up
        Application->ExceptionBoxesOffscreen = true;
    }
    void TearDown() override
    {
        Application->ExceptionBoxesOffscreen = false;
        EditorDialogsSuite::TearDown();
    }

    // Clicks `at` on `widget` once the dialog it opens has been answered with `answer`.
    static std::shared_ptr<TShownDialog> ClickAndAnswer(QWidget* widget, QPoint at, const QString& answer)
    {
        auto shown = std::make_shared<TShownDialog>();
        ClickDialogButtonWhenShown(answer, shown);
        Click(widget, at);
        return shown;
    }
};

TEST_F(MessagesOverDialogsTest, TheAddClubDialogsMessagesAndThePickersStandAboveThemAndAnswerTheMouse)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    { std::ofstream("teams/escudos/aaa_quebrado.png") << "isto nao e uma imagem"; }
    std::vector<std::shared_ptr<TShownDialog>> shown;
    std::vector<QWindow*> openers;
    bool pickerAnswered = false;
    WhenOpen("TForm7", [&](TGameForm* form) {
        auto* dialog = static_cast<TForm7*>(form);
        auto* add = dialog->FindChild<TBitBtn>("BitBtn1");
        openers.assign(2, dialog->Widget()->windowHandle());
        // Every field empty, then a file name that leaves the teams folder.
        shown.push_back(ClickAndAnswer(add->Widget(), Middle(add), QStringLiteral("OK")));
        Type(dialog->Edit1, "Clube Novo da Silva");
        Type(dialog->Edit2, "Clube Novo");
        Type(dialog->Edit3, "Treinador");
        Type(dialog->stadiumEdit, "Arena Nova");
        Type(dialog->Edit4, "../x");
        shown.push_back(ClickAndAnswer(add->Widget(), Middle(add), QStringLiteral("OK")));
        // The background colour's dialog, cancelled.
        openers.push_back(dialog->Widget()->windowHandle());
        shown.push_back(ClickAndAnswer(dialog->Widget(), QPoint(dialog->Shape1->Left() + 5, dialog->Shape1->Top() + 5),
                                       QStringLiteral("Cancelar")));
        // The picker, over it, with a picture it cannot read.
        WhenOpen("Tform43", [&](TGameForm* pickerForm) {
            auto* picker = static_cast<Tform43*>(pickerForm);
            openers.push_back(picker->Widget()->windowHandle());
            shown.push_back(ClickAndAnswer(picker->list1->Widget(), CellPoint(picker->list1, "arquivo", 0),
                                           QStringLiteral("OK")));
            auto* cancel = picker->FindChild<TBitBtn>("BitBtn2");
            Click(cancel->Widget(), Middle(cancel));
            pickerAnswered = true;
        });
        Click(dialog->Widget(), QPoint(dialog->Image1->Left() + 10, dialog->Image1->Top() + 10));
        auto* cancel = dialog->FindChild<TBitBtn>("BitBtn2");
        Click(cancel->Widget(), Middle(cancel));
    });
    Click(editor->Widget(), QPoint(editor->FindChild<TImage>("Image5")->Left() + 10, 20));
    ASSERT_EQ(seen_, (std::vector<std::string>{"TForm7", "Tform43"}));
    EXPECT_TRUE(pickerAnswered);
    EXPECT_FALSE(Screen->ActiveForm() && Screen->ActiveForm()->ClassName() == "TForm7" &&
                 Screen->ActiveForm()->Visible());  // "Cancelar" closed the dialog
    ASSERT_EQ(shown.size(), 4u);
    const std::vector<std::string> texts = {"Nome completo não informado", "inválido", "", "Não foi possível ler a imagem"};
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_NE(shown[i]->text.find(texts[i]), std::string::npos) << shown[i]->text;
        EXPECT_TRUE(shown[i]->clicked) << i;
        EXPECT_TRUE(shown[i]->onTop) << i;
        EXPECT_EQ(shown[i]->opener, openers[i]) << i;
    }
}

}  // namespace
}  // namespace tarvelon::test
