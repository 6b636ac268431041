// The editor's national-team dialog, transfer dialog and picture picker driven with real events on
// a copy of the sample database: a national team added (its checks in order) and edited, a player
// added to it, a club player moved to another club from the squad's pop-up menu, and a crest
// picked (and a cancelled pick changing nothing). Each change is read back from its file.
#include "tests/editor/editor_screens_support.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

#include <functional>

#include "controls/grad_button.h"
#include "editor/model/editor_players.h"
#include "editor/model/editor_teams.h"
#include "editor/national_dialog.h"
#include "editor/picture_picker.h"
#include "editor/player_dialogs.h"
#include "editor/transfer_dialog.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/menus.h"

namespace tarvelon::test {
namespace {

class EditorTeamsTest : public EditorScreensTest {
protected:
    static void Press(TControl* button) { Click(dynamic_cast<TWinControl*>(button)->Widget(), QPoint(10, 10)); }

    // A letter whose first country has (or lacks) a national team.
    static char LetterOfCountry(bool present)
    {
        for (char key = 'A'; key <= 'Z'; ++key) {
            const int country = CountryForKey(key);
            if (country >= 0 && IsNationPresent(country) == present)
                return key;
        }
        return 0;
    }
};

TEST_F(EditorTeamsTest, ANationalTeamIsAddedEditedAndGetsAPlayer)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    Click(editor->xbt2->Widget(), Middle(editor->xbt2));
    const char present = LetterOfCountry(true);
    const char absent = LetterOfCountry(false);
    ASSERT_NE(present, 0);
    ASSERT_NE(absent, 0);
    const int country = CountryForKey(absent);
    const int rows = editor->gridselecoes->RowCount();

    WhenOpen("TForm73", [present, absent](TGameForm* form) {
        auto* dialog = static_cast<TForm73*>(form);
        dialog->combo1->SetFocus();
        PressKey(dialog->combo1->Widget(), Qt::Key_A + (present - 'A'));
        Press(dialog->FindChild<TControl>("BitBtn1"));  // that country has a team
        PressKey(dialog->combo1->Widget(), Qt::Key_A + (absent - 'A'));
        Press(dialog->FindChild<TControl>("BitBtn1"));  // no coach yet
        Type(dialog->Edit3, "Tecnico Novo");
        Press(dialog->FindChild<TControl>("BitBtn1"));
    });
    Click(editor->Widget(), QPoint(editor->FindChild<TImage>("Image5")->Left() + 10, 20));
    ASSERT_EQ(seen_, std::vector<std::string>{"TForm73"});
    EXPECT_EQ(messages_, (std::vector<std::string>{kNationExistsText, kNoNationCoachText}));

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

TEST_F(EditorTeamsTest, APlayerMovesToTheClubChosenInTheTransferDialog)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    const int from = EditorCurrentClub;
    ClickCell(editor->Grid1, "nome", 3);
    const int slot = editor->SelectedSlot();
    const std::string name = EditorClubSquads[from].names[slot - 1].str();
    EditorClubSquads[from].status[slot - 1] = 1;

    // The squad's pop-up menu, entry "Transferir jogador".
    auto* menu = editor->FindChild<TPopupMenu>("PopupMenu1");
    QTimer::singleShot(50, [menu] {
        if (QMenu* shown = menu->ShownMenu()) {
            for (QAction* action : shown->actions()) {
                if (action->text().contains("Transferir"))
                    action->trigger();
            }
            shown->close();
        }
    });
    const QPoint at = CellPoint(editor->Grid1, "nome", 3);
    SendMouse(editor->Grid1->Widget(), QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
    SendMouse(editor->Grid1->Widget(), QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton);
    QContextMenuEvent context(QContextMenuEvent::Mouse, at, editor->Grid1->Widget()->mapToGlobal(at));
    QApplication::sendEvent(editor->Grid1->Widget(), &context);
    ASSERT_TRUE(PumpUntil([] { return Screen->Forms(Screen->FormCount() - 1)->ClassName() == "TForm79"; }));
    auto* dialog = static_cast<TForm79*>(Screen->Forms(Screen->FormCount() - 1));
    EXPECT_EQ(dialog->FindChild<TLabel>("Label2")->Caption(), name + " para o clube:");
    EXPECT_FALSE(dialog->GradButton1->Enabled());  // no club chosen yet

    int row = 1;
    while (OccupiedClubSlots(CellInt(dialog->grid1, "idtr", row)) >= kClubSquadSlots)
        ++row;
    const int to = CellInt(dialog->grid1, "idtr", row);
    const int target = FirstFreeClubSlot(to);
    ClickCell(dialog->grid1, "clube", row);
    EXPECT_TRUE(dialog->GradButton1->Enabled());
    Click(dialog->GradButton1->Widget(), Middle(dialog->GradButton1));
    EXPECT_TRUE(PumpUntil([] { return Screen->Forms(Screen->FormCount() - 1)->ClassName() != "TForm79"; }));

    const ClubFile moved = ReadBack(to);
    EXPECT_EQ(moved.squad.names[target - 1].str(), name);
    EXPECT_EQ(moved.squad.status[target - 1], 0);
    EXPECT_EQ(ReadBack(from).squad.names[slot - 1].raw(), kFreeSlotName);
}

TEST_F(EditorTeamsTest, ACrestIsPickedFromTheCrestFolderAndACancelledPickChangesNothing)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    const int club = EditorCurrentClub;
    const std::string crest = ReadBack(club).header.crestName.str();
    const std::vector<std::string> files = ListPictureFiles(kCrestFolder);
    ASSERT_GT(files.size(), 3u);
    auto openPicker = [editor] {
        const QPoint at(editor->Image1->Left() + 20, editor->Image1->Top() + 20);
        SendMouse(editor->Panel1->Widget(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        SendMouse(editor->Panel1->Widget(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        Pump();
    };

    ChosenImageName = "antes";
    WhenOpen("Tform43", [](TGameForm* form) {
        auto* picker = static_cast<Tform43*>(form);
        EXPECT_FALSE(picker->BitBtn1->Enabled());
        ClickCell(picker->list1, "arquivo", 2);
        EXPECT_TRUE(picker->BitBtn1->Enabled());
        Press(picker->FindChild<TControl>("BitBtn2"));
    });
    openPicker();
    ASSERT_EQ(seen_, std::vector<std::string>{"Tform43"});
    EXPECT_EQ(ReadBack(club).header.crestName.str(), crest);
    EXPECT_EQ(ChosenImageName, "antes");

    WhenOpen("Tform43", [](TGameForm* form) {
        auto* picker = static_cast<Tform43*>(form);
        ClickCell(picker->list1, "arquivo", 2);
        EXPECT_FALSE(picker->Image1->Picture().Empty());
        Press(picker->BitBtn1);
    });
    openPicker();
    EXPECT_EQ(ReadBack(club).header.crestName.str(), PictureBaseName(files[2]));
    EXPECT_FALSE(editor->Image1->Picture().Empty());
}

}  // namespace
}  // namespace tarvelon::test
