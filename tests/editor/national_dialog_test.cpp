// The editor's national-team dialog (TForm73) driven with real events on a copy of the sample
// database: a national team added (its checks in order) and edited, and a player added to it. Each
// change is read back from its file.
#include <QAction>
#include <QImage>
#include <QMenu>
#include <QTimer>

#include <functional>

#include "controls/grad_button.h"
#include "editor/model/editor_players.h"
#include "editor/model/editor_teams.h"
#include "editor/national_dialog.h"
#include "editor/picture_picker.h"
#include "editor/player_dialogs.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/menus.h"
#include "tests/editor/editor_teams_suite.h"

namespace tarvelon::test {
namespace {

class NationalDialogTest : public EditorTeamsSuite {};

TEST_F(NationalDialogTest, ANationalTeamIsAddedEditedAndGetsAPlayer)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    Click(editor->xbt2->Widget(), Middle(editor->xbt2));
    int present = 0;
    while (!IsNationPresent(present))
        ++present;
    int country = 0;
    while (IsNationPresent(country))
        ++country;
    const int rows = editor->gridselecoes->RowCount();

    // This list has the plain list's keys only: the letter keys of the club and player dialogs'
    // country lists do not pick a country here.
    WhenOpen("TForm73", [present, country](TGameForm* form) {
        auto* dialog = static_cast<TForm73*>(form);
        dialog->combo1->SetFocus();
        const int before = dialog->combo1->ItemIndex();
        PressKey(dialog->combo1->Widget(), Qt::Key_M);
        EXPECT_EQ(dialog->combo1->ItemIndex(), before);
        auto pick = [dialog](int index) {
            PressKey(dialog->combo1->Widget(), Qt::Key_Home);
            for (int i = 0; i < index; ++i)
                PressKey(dialog->combo1->Widget(), Qt::Key_Down);
            Pump();
            EXPECT_EQ(dialog->combo1->ItemIndex(), index);
        };
        pick(present);
        Press(dialog->FindChild<TControl>("BitBtn1"));  // that country has a team
        pick(country);
        Press(dialog->FindChild<TControl>("BitBtn1"));  // no coach yet
        Type(dialog->Edit3, "   ");
        Press(dialog->FindChild<TControl>("BitBtn1"));  // blanks alone are no coach either
        Type(dialog->Edit3, "Tecnico Novo");
        Press(dialog->FindChild<TControl>("BitBtn1"));
    });
    Click(editor->Widget(), QPoint(editor->FindChild<TImage>("Image5")->Left() + 10, 20));
    ASSERT_EQ(seen_, std::vector<std::string>{"TForm73"});
    EXPECT_EQ(messages_, (std::vector<std::string>{kNationExistsText, kNoNationCoachText, kNoNationCoachText}));

    TNationalSquad squad;
    ASSERT_EQ(ReadNationalSquadFile(NationalSquadFilePath(country), squad), DatabaseFileError::None);
    EXPECT_EQ(squad.country, country);
    EXPECT_EQ(squad.coach.str(), "Tecnico Novo");
    EXPECT_EQ(squad.level, 15);
    EXPECT_EQ(squad.formatValue, kDatabaseFormatValue);
    EXPECT_EQ(squad.playable, 0);
    EXPECT_EQ(editor->gridselecoes->RowCount(), rows + 1);
    EXPECT_EQ(CellInt(editor->gridselecoes, "idsel", editor->gridselecoes->SelectedRow()), country);
    EXPECT_EQ(EditorCurrentNation, country);

    // Edited: the country cannot change, the coach does.
    WhenOpen("TForm73", [](TGameForm* form) {
        auto* dialog = static_cast<TForm73*>(form);
        EXPECT_FALSE(dialog->combo1->Enabled());
        dialog->Edit3->SetFocus();
        QTest::keyClick(dialog->Edit3->Widget(), Qt::Key_End);
        Type(dialog->Edit3, " Filho");
        Press(dialog->FindChild<TControl>("BitBtn1"));
    });
    Click(editor->Widget(), QPoint(editor->FindChild<TImage>("Image6")->Left() + 10, 20));
    ASSERT_EQ(ReadNationalSquadFile(NationalSquadFilePath(country), squad), DatabaseFileError::None);
    EXPECT_EQ(squad.coach.str(), "Tecnico Novo Filho");

    // Its symbol picked from the national folder while editing it is written at once.
    const std::vector<std::string> symbols = ListPictureFiles(kSymbolFolder);
    ASSERT_GT(symbols.size(), 1u);
    WhenOpen("TForm73", [this](TGameForm* form) {
        auto* dialog = static_cast<TForm73*>(form);
        WhenOpen("Tform43", [](TGameForm* picker) {
            ClickCell(static_cast<Tform43*>(picker)->list1, "arquivo", 1);
            Press(static_cast<Tform43*>(picker)->BitBtn1);
        });
        SendMouse(dialog->Widget(), QEvent::MouseButtonPress, QPoint(dialog->image1->Left() + 10, dialog->image1->Top() + 10),
                  Qt::LeftButton, Qt::LeftButton);
        SendMouse(dialog->Widget(), QEvent::MouseButtonRelease,
                  QPoint(dialog->image1->Left() + 10, dialog->image1->Top() + 10), Qt::LeftButton, Qt::NoButton);
        Pump();
        EXPECT_FALSE(dialog->image1->Picture().Empty());
        Press(dialog->FindChild<TControl>("BitBtn2"));
    });
    Click(editor->Widget(), QPoint(editor->FindChild<TImage>("Image6")->Left() + 10, 20));
    ASSERT_EQ(ReadNationalSquadFile(NationalSquadFilePath(country), squad), DatabaseFileError::None);
    EXPECT_EQ(squad.symbolName.str(), PictureBaseName(symbols[1]));

    // A player added to the national squad carries no nationality choice.
    WhenOpen("TForm5", [](TGameForm* form) {
        auto* dialog = static_cast<TForm5*>(form);
        EXPECT_FALSE(dialog->combo1->Visible());
        Type(dialog->Edit1, "Convocado");
        PressKey(dialog->Edit1->Widget(), Qt::Key_Return);
    });
    PressKey(editor->Widget(), Qt::Key_F1);
    ASSERT_EQ(ReadNationalSquadFile(NationalSquadFilePath(country), squad), DatabaseFileError::None);
    EXPECT_EQ(squad.playerCount, 1);
    EXPECT_EQ(squad.names[0].str(), "Convocado");
    EXPECT_EQ(editor->Grid1->RowCount(), 1);
}

// On opening for editing, the dialog shows a stored symbol from its ".gif" or ".bmp" file only.
TEST_F(NationalDialogTest, TheEditDialogPreviewsAStoredSymbolFromItsGifOrBmpOnly)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    Click(editor->xbt2->Widget(), Middle(editor->xbt2));
    ASSERT_GT(editor->gridselecoes->RowCount(), 0);
    EditorNationalSquads[static_cast<std::size_t>(EditorCurrentNation)].symbolName.set("simbolo_previa");
    QImage symbol(18, 18, QImage::Format_RGB32);
    symbol.fill(Qt::red);
    ASSERT_TRUE(symbol.save(QString(kSymbolFolder) + "/simbolo_previa.png", "PNG"));
    bool shown = true;
    bool openAfterEscape = false;
    const auto openAndLook = [this, editor, &shown, &openAfterEscape] {
        WhenOpen("TForm73", [&shown, &openAfterEscape](TGameForm* form) {
            auto* dialog = static_cast<TForm73*>(form);
            shown = !dialog->image1->Picture().Empty();
            // The dialog has no keys of its own: Escape leaves it open.
            PressKey(dialog->Edit3->Widget(), Qt::Key_Escape);
            openAfterEscape = form->Visible() && form->ModalResult() == mrNone;
            Press(dialog->FindChild<TControl>("BitBtn2"));
        });
        Click(editor->Widget(), QPoint(editor->FindChild<TImage>("Image6")->Left() + 10, 20));
    };
    openAndLook();
    EXPECT_FALSE(shown);
    EXPECT_TRUE(openAfterEscape);
    ASSERT_TRUE(symbol.save(QString(kSymbolFolder) + "/simbolo_previa.bmp", "BMP"));
    openAndLook();
    EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace tarvelon::test
