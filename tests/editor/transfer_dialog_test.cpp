// The editor's transfer dialog (TForm79) driven with real events on a copy of the sample database: a
// club player moved to another club from the squad's pop-up menu, read back from the files.
#include <QAction>
#include <QMenu>
#include <QTest>

#include "controls/grad_button.h"
#include "editor/model/editor_players.h"
#include "editor/model/editor_teams.h"
#include "editor/player_dialogs.h"
#include "editor/transfer_dialog.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/menus.h"
#include "tests/editor/editor_teams_suite.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon::test {
namespace {

class TransferDialogTest : public EditorTeamsSuite {
protected:
    // Opens the transfer dialog on the squad row `row` through the squad's pop-up menu, entry
    // "Transferir jogador".
    TForm79* OpenTransferOnRow(TForm3* editor, int row)
    {
        auto* menu = editor->FindChild<TPopupMenu>("PopupMenu1");
        // Waits for the menu to show, then picks its entry.
        AnswerFound<QMenu>(
            [menu]() -> QMenu* {
                QMenu* shown = menu->ShownMenu();
                return shown && shown->isVisible() ? shown : nullptr;
            },
            [](QMenu& shown) {
                for (QAction* action : shown.actions()) {
                    if (action->text().contains("Transferir"))
                        action->trigger();
                }
                shown.close();
            },
            "squad pop-up menu");
        QTest::qWait(QApplication::doubleClickInterval() + 50);  // a press, not a double click
        const QPoint at = CellPoint(editor->Grid1, "nome", row);
        SendMouse(editor->Grid1->Widget(), QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
        SendMouse(editor->Grid1->Widget(), QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton);
        QContextMenuEvent context(QContextMenuEvent::Mouse, at, editor->Grid1->Widget()->mapToGlobal(at));
        QApplication::sendEvent(editor->Grid1->Widget(), &context);
        if (!PumpUntil([] { return Screen->Forms(Screen->FormCount() - 1)->ClassName() == "TForm79"; }))
            return nullptr;
        return static_cast<TForm79*>(Screen->Forms(Screen->FormCount() - 1));
    }

    // The first row of the transfer dialog, from `row` on, whose club has a free slot.
    int RowWithRoom(TForm79* dialog, int row)
    {
        while (OccupiedClubSlots(CellInt(dialog->grid1, "idtr", row)) >= kClubSquadSlots)
            ++row;
        return row;
    }

    // Deletes the club `club` in the main window, answering "Sim".
    void DeleteClubInMainWindow(TForm3* editor, int club)
    {
        int row = 0;
        while (CellInt(editor->gridtimes, "id", row) != club)
            ++row;
        ClickCell(editor->gridtimes, "clube", row);
        TImage* deleteButton = editor->FindChild<TImage>("Image7");
        Click(editor->Widget(), QPoint(deleteButton->Left() + 10, deleteButton->Top() + 10));
    }
};

TEST_F(TransferDialogTest, APlayerMovesToTheClubChosenInTheTransferDialog)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    const int from = EditorCurrentClub;
    ClickCell(editor->Grid1, "nome", 3);
    const int slot = editor->SelectedSlot();
    const std::string name = EditorClubSquads[from].names[slot - 1].str();
    EditorClubSquads[from].status[slot - 1] = 1;

    TForm79* dialog = OpenTransferOnRow(editor, 3);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->FindChild<TLabel>("Label2")->Caption(), name + " para o clube:");
    EXPECT_FALSE(dialog->GradButton1->Enabled());  // no club chosen yet

    const int row = RowWithRoom(dialog, 1);
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

// The dialog stays open beside the main window, where the player may delete a club meanwhile: a
// deleted club takes nobody, and the player stays in his own club and file.
TEST_F(TransferDialogTest, AClubDeletedWhileTheTransferDialogIsOpenTakesNobody)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    const int from = EditorCurrentClub;
    ClickCell(editor->Grid1, "nome", 2);
    const int slot = editor->SelectedSlot();
    const std::string name = EditorClubSquads[from].names[slot - 1].str();
    answer_ = mrYes;

    TForm79* dialog = OpenTransferOnRow(editor, 2);
    ASSERT_NE(dialog, nullptr);
    const int rowA = RowWithRoom(dialog, 1);
    const int rowB = RowWithRoom(dialog, rowA + 1);
    const int clubA = CellInt(dialog->grid1, "idtr", rowA);
    const int clubB = CellInt(dialog->grid1, "idtr", rowB);
    ClickCell(dialog->grid1, "clube", rowA);
    ASSERT_TRUE(dialog->GradButton1->Enabled());

    // Deleted while the dialog is open, then chosen in it: "Transferir" stays disabled.
    DeleteClubInMainWindow(editor, clubB);
    ASSERT_FALSE(std::filesystem::exists(EditorClubPaths[clubB]));
    ClickCell(dialog->grid1, "clube", rowB);
    EXPECT_FALSE(dialog->GradButton1->Enabled());

    // Chosen in the dialog, then deleted, then "Transferir": nobody moves.
    ClickCell(dialog->grid1, "clube", rowA);
    ASSERT_TRUE(dialog->GradButton1->Enabled());
    DeleteClubInMainWindow(editor, clubA);
    ASSERT_FALSE(std::filesystem::exists(EditorClubPaths[clubA]));
    ASSERT_EQ(EditorCurrentClub, from);
    messages_.clear();
    Click(dialog->GradButton1->Widget(), Middle(dialog->GradButton1));
    Pump();
    EXPECT_TRUE(messages_.empty());  // no failed write of the deleted club
    EXPECT_EQ(EditorClubSquads[from].names[slot - 1].str(), name);
    EXPECT_EQ(ReadBack(from).squad.names[slot - 1].str(), name);
    EXPECT_FALSE(std::filesystem::exists(EditorClubPaths[clubA]));
}

// The player named by the open dialog may be deleted in the main window and his slot taken by a
// new player: "Transferir" then moves nobody, never the newcomer.
TEST_F(TransferDialogTest, TheDialogMovesOnlyThePlayerItNames)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    const int club = EditorCurrentClub;
    ClickCell(editor->Grid1, "nome", 1);
    const int slot = editor->SelectedSlot();
    TForm79* dialog = OpenTransferOnRow(editor, 1);
    ASSERT_NE(dialog, nullptr);
    const int row = RowWithRoom(dialog, 1);
    const int to = CellInt(dialog->grid1, "idtr", row);

    // Deleted with the Delete key in the squad, then a new player takes his slot.
    editor->Grid1->SetFocus();
    PressKey(editor->Grid1->Widget(), Qt::Key_Delete);
    ASSERT_EQ(EditorClubSquads[club].names[slot - 1].raw(), kFreeSlotName);
    ASSERT_EQ(FirstFreeClubSlot(club), slot);
    WhenOpen("TForm5", [](TGameForm* form) {
        auto* add = static_cast<TForm5*>(form);
        Type(add->Edit1, "Jogador Novo");
        PressKey(add->Edit1->Widget(), Qt::Key_Return);
    });
    PressKey(editor->Widget(), Qt::Key_F1);
    ASSERT_EQ(EditorClubSquads[club].names[slot - 1].str(), "Jogador Novo");

    const ClubFile before = ReadBack(to);
    ClickCell(dialog->grid1, "clube", row);
    Click(dialog->GradButton1->Widget(), Middle(dialog->GradButton1));
    Pump();
    EXPECT_EQ(EditorClubSquads[club].names[slot - 1].str(), "Jogador Novo");
    EXPECT_EQ(ReadBack(club).squad.names[slot - 1].str(), "Jogador Novo");
    EXPECT_EQ(SerializeClubFile(ReadBack(to)), SerializeClubFile(before));
}

// The dialog belongs to the editor: leaving the editor for the title screen closes it too, so no
// player can be moved from the title screen with the tables of an editor that is gone.
TEST_F(TransferDialogTest, LeavingTheEditorClosesTheTransferDialog)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    ClickCell(editor->Grid1, "nome", 1);
    editor->FindChild<TMenuItem>("N6")->Click();  // "Transferir jogador"
    ASSERT_TRUE(PumpUntil([] { return Screen->Forms(Screen->FormCount() - 1)->ClassName() == "TForm79"; }));
    Click(editor->Widget(), QPoint(editor->FindChild<TImage>("Image9")->Left() + 10, 20));
    ASSERT_TRUE(PumpUntil([] { return !Form3; }));
    Pump();
    for (int i = 0; i < Screen->FormCount(); ++i)
        EXPECT_NE(Screen->Forms(i)->ClassName(), "TForm79");
}

}  // namespace
}  // namespace tarvelon::test
