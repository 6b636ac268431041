// The editor's player dialogs (TForm6 to edit, TForm5 to add) driven with real mouse and key events
// on a copy of the sample database: a player's name and traits edited (digits typed into the name
// stay there, his row kept until the squad is listed again) and a player added with its checks and
// trait keys. Each change is read back from its file with core's reader.
#include <QTimer>

#include <functional>

#include "core/basics/typed_text.h"
#include "core/draws/club_catalogue.h"
#include "core/newgame/builder_tables.h"
#include "core/newgame/new_game_setup.h"
#include "editor/model/editor_players.h"
#include "editor/model/editor_teams.h"
#include "editor/player_dialogs.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/dialogs.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "tests/editor/editor_dialogs_suite.h"

namespace tarvelon::test {
namespace {

class PlayerDialogsTest : public EditorDialogsSuite {};

TEST_F(PlayerDialogsTest, EditingAPlayerWritesHisNameAndTraitsAndDigitsStayInTheName)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    const int club = EditorCurrentClub;
    const int row = std::min(editor->Grid1->RowCount() - 1, 12);  // an outfield player in sight
    const int slot = CellInt(editor->Grid1, "idjog", row);
    const int position = EditorClubSquads[club].position[slot - 1];
    ASSERT_GT(position, 0);
    const int trait2 = EditorClubSquads[club].trait2[slot - 1];

    WhenOpen("TForm6", [](TGameForm* form) {
        auto* dialog = static_cast<TForm6*>(form);
        SelectAllAndErase(dialog->Edit1);
        Type(dialog->Edit1, "Novo Nome 7");
        PressKey(dialog->Edit1->Widget(), Qt::Key_F3);
        PressKey(dialog->Edit1->Widget(), Qt::Key_Return);
    });
    DoubleClick(editor->Grid1->Widget(), CellPoint(editor->Grid1, "nome", row));
    ASSERT_EQ(seen_, std::vector<std::string>{"TForm6"});

    const ClubFile file = ReadBack(club);
    EXPECT_EQ(file.squad.names[slot - 1].str(), "Novo Nome 7");
    EXPECT_EQ(file.squad.trait1[slot - 1], TraitCode(position, 2));
    EXPECT_EQ(file.squad.trait2[slot - 1], trait2);
    EXPECT_EQ(editor->Grid1->GetCellTextByName("nome", editor->Grid1->SelectedRow()), "Novo Nome 7");

    // Cancel changes nothing; an emptied name keeps the old one and still saves the rest.
    WhenOpen("TForm6", [](TGameForm* form) {
        auto* dialog = static_cast<TForm6*>(form);
        SelectAllAndErase(dialog->Edit1);
        PressKey(dialog->Edit1->Widget(), Qt::Key_Escape);
    });
    DoubleClick(editor->Grid1->Widget(), CellPoint(editor->Grid1, "nome", editor->Grid1->SelectedRow()));
    WhenOpen("TForm6", [](TGameForm* form) {
        auto* dialog = static_cast<TForm6*>(form);
        SelectAllAndErase(dialog->Edit1);
        dialog->CheckBox1->SetFocus();
        PressKey(dialog->CheckBox1->Widget(), Qt::Key_5);  // the second trait, item 5
        PressKey(dialog->CheckBox1->Widget(), Qt::Key_Return);
    });
    DoubleClick(editor->Grid1->Widget(), CellPoint(editor->Grid1, "nome", editor->Grid1->SelectedRow()));
    EXPECT_EQ(seen_.size(), 3u);
    EXPECT_EQ(ReadBack(club).squad.names[slot - 1].str(), "Novo Nome 7");
    EXPECT_EQ(ReadBack(club).squad.trait2[slot - 1], TraitCode(position, 5));
}

// A character the club file cannot hold is refused where it is typed, with the message every name
// field gives, and the name is written as the coach kept it: never with a "?" in its place.
TEST_F(PlayerDialogsTest, ACharacterTheClubFileCannotHoldIsRefusedInTheName)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    const int club = EditorCurrentClub;
    const int row = std::min(editor->Grid1->RowCount() - 1, 12);
    const int slot = CellInt(editor->Grid1, "idjog", row);
    WhenOpen("TForm6", [](TGameForm* form) {
        auto* dialog = static_cast<TForm6*>(form);
        SelectAllAndErase(dialog->Edit1);
        dialog->Edit1->SetFocus();
        TypeCharacters(dialog->Edit1->Widget(), QString::fromUtf8("NovoЯő Zé"));
        PressKey(dialog->Edit1->Widget(), Qt::Key_Return);
    });
    DoubleClick(editor->Grid1->Widget(), CellPoint(editor->Grid1, "nome", row));
    EXPECT_EQ(messages_, std::vector<std::string>(2, kCharacterNotHeldMessage));
    EXPECT_EQ(ReadBack(club).squad.names[slot - 1].str(), "Novo Zé");
}

// The edited player's row changes in place: a goalkeeper made a forward keeps his row (and the
// selection) until the squad is listed again, where he then stands among the forwards.
TEST_F(PlayerDialogsTest, AnEditedPlayerKeepsHisRowUntilTheSquadIsListedAgain)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    const int club = EditorCurrentClub;
    const int slot = CellInt(editor->Grid1, "idjog", 0);
    ASSERT_EQ(EditorClubSquads[club].position[slot - 1], 0);
    const int rows = editor->Grid1->RowCount();

    WhenOpen("TForm6", [](TGameForm* form) {
        auto* dialog = static_cast<TForm6*>(form);
        dialog->ComboBox1->SetFocus();
        PressKey(dialog->ComboBox1->Widget(), Qt::Key_End);  // "Atacante"
        Pump();
        PressKey(dialog->ComboBox1->Widget(), Qt::Key_Return);
    });
    DoubleClick(editor->Grid1->Widget(), CellPoint(editor->Grid1, "nome", 0));
    ASSERT_EQ(seen_, std::vector<std::string>{"TForm6"});
    EXPECT_EQ(ReadBack(club).squad.position[slot - 1], 4);
    EXPECT_EQ(editor->Grid1->RowCount(), rows);
    EXPECT_EQ(editor->Grid1->SelectedRow(), 0);
    EXPECT_EQ(CellInt(editor->Grid1, "idjog", 0), slot);
    EXPECT_EQ(editor->Grid1->GetCellTextByName("posicaojog", 0), PositionNames[4]);
    EXPECT_EQ(editor->Grid1->GetCellTextByName("habilidadejog", 0),
              TraitsText(EditorClubSquads[club].trait1[slot - 1], EditorClubSquads[club].trait2[slot - 1]));

    editor->listtime(club);
    int listed = -1;
    for (int row = 0; row < editor->Grid1->RowCount(); ++row)
        listed = CellInt(editor->Grid1, "idjog", row) == slot ? row : listed;
    EXPECT_GT(listed, 0);
    EXPECT_EQ(editor->Grid1->GetCellTextByName("posicaojog", listed), PositionNames[4]);
}

TEST_F(PlayerDialogsTest, AddingAPlayerChecksTheNameAndStoresTheChosenGoalkeeperTrait)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    const int club = EditorCurrentClub;
    const int rows = editor->Grid1->RowCount();
    const int slot = FirstFreeClubSlot(club);
    ASSERT_GT(slot, 0);

    WhenOpen("TForm5", [](TGameForm* form) {
        auto* dialog = static_cast<TForm5*>(form);
        PressKey(dialog->Edit1->Widget(), Qt::Key_Return);  // no name yet: refused
        Type(dialog->Edit1, "   ");
        PressKey(dialog->Edit1->Widget(), Qt::Key_Return);  // blanks alone are no name: refused
        Type(dialog->Edit1, "Goleiro Novo");
        PressKey(dialog->Edit1->Widget(), Qt::Key_F7);  // past the goalkeeper list: ignored
        EXPECT_EQ(dialog->ComboBox2->ItemIndex(), 0);
        PressKey(dialog->Edit1->Widget(), Qt::Key_F3);
        PressKey(dialog->Edit1->Widget(), Qt::Key_Return);
    });
    PressKey(editor->Widget(), Qt::Key_F1);
    ASSERT_EQ(seen_, std::vector<std::string>{"TForm5"});
    EXPECT_EQ(messages_, (std::vector<std::string>{kBlankPlayerNameText, kBlankPlayerNameText}));

    const ClubFile file = ReadBack(club);
    EXPECT_EQ(file.squad.names[slot - 1].str(), "Goleiro Novo");
    EXPECT_EQ(file.squad.position[slot - 1], 0);
    EXPECT_EQ(file.squad.trait1[slot - 1], 2);
    EXPECT_EQ(file.squad.status[slot - 1], 0);
    EXPECT_EQ(file.squad.age[slot - 1], 25);
    EXPECT_EQ(file.squad.country[slot - 1], 29);
    EXPECT_EQ(editor->Grid1->RowCount(), rows + 1);
}


// A double click opens the player from any column, the regular-starter column too; a stored
// nationality that the country list does not hold is kept, with no word about traits.
TEST_F(PlayerDialogsTest, TheStatusColumnOpensThePlayerAndAnUnlistedNationalityIsKept)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    const int club = EditorCurrentClub;
    const int row = std::min(editor->Grid1->RowCount() - 1, 12);
    const int slot = CellInt(editor->Grid1, "idjog", row);
    const int position = EditorClubSquads[club].position[slot - 1];
    EditorClubSquads[club].country[slot - 1] = 240;

    WhenOpen("TForm6", [](TGameForm* form) {
        auto* dialog = static_cast<TForm6*>(form);
        EXPECT_EQ(dialog->combo1->ItemIndex(), -1);
        PressKey(dialog->Edit1->Widget(), Qt::Key_F2);
        PressKey(dialog->Edit1->Widget(), Qt::Key_Return);
    });
    DoubleClick(editor->Grid1->Widget(), CellPoint(editor->Grid1, "status", row));
    ASSERT_EQ(seen_, std::vector<std::string>{"TForm6"});
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(EditorClubSquads[club].country[slot - 1], 240);
    EXPECT_EQ(EditorClubSquads[club].trait1[slot - 1], TraitCode(position, 1));
}

}  // namespace
}  // namespace tarvelon::test
