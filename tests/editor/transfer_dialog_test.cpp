// The editor's transfer dialog (TForm79) driven with real events on a copy of the sample database: a
// club player moved to another club from the squad's pop-up menu, read back from the files.
#include <QAction>
#include <QMenu>
#include <QTimer>

#include <functional>

#include "controls/grad_button.h"
#include "editor/model/editor_players.h"
#include "editor/model/editor_teams.h"
#include "editor/transfer_dialog.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/menus.h"
#include "tests/editor/editor_teams_suite.h"

namespace tarvelon::test {
namespace {

class TransferDialogTest : public EditorTeamsSuite {};

TEST_F(TransferDialogTest, APlayerMovesToTheClubChosenInTheTransferDialog)
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

}  // namespace
}  // namespace tarvelon::test
