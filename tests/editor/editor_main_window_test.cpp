// The team editor opened from the title screen on a copy of the sample database, driven with real
// mouse and key events: the loader reads every file (one broken file is named and skipped), the
// main window lists clubs and national teams, and the regular toggle, sides, ages, deleting a
// player, deleting a club and dragging a player into his national squad are written to the files.
#include "tests/editor/editor_screens_support.h"

#include <QImage>

#include <cstdlib>

#include "controls/grad_button.h"
#include "grid/dg_grid.h"
#include "editor/model/editor_players.h"
#include "editor/model/editor_teams.h"
#include "core/hooks.h"
#include "platform/forms/keys.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/graphic_controls.h"

namespace tarvelon::test {
namespace {

using EditorMainWindowTest = EditorScreensTest;

TEST_F(EditorMainWindowTest, TheLoaderReadsEveryFileNamesABrokenOneAndOpensTheMainWindow)
{
    std::filesystem::create_symlink("teams/nada.tcf", "teams/quebrado.tcf");
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->ReadProblems().Ok()) << editor->ReadProblems().Message();
    EXPECT_FALSE(Form1->Visible());
    EXPECT_EQ(messages_, std::vector<std::string>{"Erro ao carregar o arquivo: quebrado.tcf"});

    const int clubFiles = static_cast<int>(ListClubFiles().size()) - 1;
    EXPECT_EQ(EditorClubFileCount, clubFiles + 1);
    EXPECT_EQ(static_cast<int>(EditorClubHeaders.size()), clubFiles);
    EXPECT_EQ(editor->gridtimes->RowCount(), static_cast<int>(ClubListRows().size()));
    EXPECT_GT(editor->gridtimes->RowCount(), 100);
    EXPECT_EQ(editor->gridselecoes->RowCount(), static_cast<int>(report_.nationalTeams.size()));

    // The first club is shown with its squad, goalkeepers first.
    const int club = CellInt(editor->gridtimes, "id", 0);
    EXPECT_EQ(EditorCurrentClub, club);
    EXPECT_EQ(editor->Label4->Caption(), EditorClubHeaders[club].shortName.str());
    const int players = OccupiedClubSlots(club);
    EXPECT_EQ(editor->Grid1->RowCount(), players);
    EXPECT_EQ(editor->Label13->Caption(), "Total:" + std::to_string(players) + " jogadores");
    EXPECT_EQ(editor->Label14->Caption(), std::to_string(CountClubRegulars(club)));
    EXPECT_EQ(editor->Grid1->GetCellTextByName("posicaojog", 0), "Goleiro");
    EXPECT_EQ(editor->Panel1->Color(), EditorClubHeaders[club].backColor);

    // A click on another club's row shows it.
    ClickCell(editor->gridtimes, "clube", 2);
    EXPECT_EQ(EditorCurrentClub, CellInt(editor->gridtimes, "id", 2));
    EXPECT_EQ(editor->Label1->Caption(), EditorClubHeaders[EditorCurrentClub].fullName.str());

    // The national view and back.
    Click(editor->xbt2->Widget(), Middle(editor->xbt2));
    EXPECT_TRUE(EditorNationalView);
    EXPECT_FALSE(editor->gridtimes->Visible());
    EXPECT_EQ(EditorCurrentNation, CellInt(editor->gridselecoes, "idsel", 0));
    EXPECT_EQ(editor->Grid1->RowCount(), static_cast<int>(NationalSquadRows(EditorCurrentNation).size()));
    EXPECT_EQ(editor->xbt2->ColorScheme(), csGrass);
    Click(editor->xbt1->Widget(), Middle(editor->xbt1));
    EXPECT_FALSE(EditorNationalView);
    EXPECT_EQ(EditorCurrentClub, CellInt(editor->gridtimes, "id", 0));

    // A click on the country heading orders the clubs by country, then level (higher first), then name.
    const TRect heading = editor->gridtimes->GetCellRect(editor->gridtimes->ColumnByName("paisnome")->Index(), 0);
    Click(editor->gridtimes->Widget(), QPoint((heading.Left + heading.Right) / 2, 8));
    for (int row = 1; row < editor->gridtimes->RowCount(); ++row) {
        const TClubHeader& a = EditorClubHeaders[CellInt(editor->gridtimes, "id", row - 1)];
        const TClubHeader& b = EditorClubHeaders[CellInt(editor->gridtimes, "id", row)];
        ASSERT_TRUE(a.country < b.country || (a.country == b.country && a.level >= b.level)) << row;
    }

    // Back to the title screen.
    Click(editor->Widget(), QPoint(editor->FindChild<TImage>("Image9")->Left() + 10, 20));
    EXPECT_TRUE(PumpUntil([] { return !Form3; }));
    EXPECT_TRUE(Form1->Visible());
}

// On a desktop of 1024 x 768 the editor, laid out for 800 x 600, grows by 1024 / 800 and still fills
// the work area: its panel reaches the right edge and the squad's columns grow with the font.
// Whether a cell of the club list holds text drawn in pure red.
bool HasRedText(TDataGrid* grid, const char* column, int row)
{
    const QImage picture = grid->Widget()->grab().toImage();
    const TDgCustomColumn* cell = grid->ColumnByName(column);
    for (int x = cell->Left() + 1; x < cell->Left() + cell->Width() - 1; ++x)
        for (int y = grid->RowTop(row) + 1; y < grid->RowTop(row) + grid->RowSize() - 1; ++y)
            if ((picture.pixel(x, y) & 0xFFFFFFu) == 0xFF0000u)
                return true;
    return false;
}

TEST_F(EditorMainWindowTest, AnUnplayableClubHasItsShortNameInRedAndTheRestOfItsRowAsUsual)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    ASSERT_GE(editor->gridtimes->RowCount(), 2);
    const int club = CellInt(editor->gridtimes, "id", 1);
    EditorClubHeaders[static_cast<std::size_t>(club)].playable = 0;
    editor->gridtimes->Invalidate();
    Pump();
    EXPECT_TRUE(HasRedText(editor->gridtimes, "clube", 1));
    EXPECT_FALSE(HasRedText(editor->gridtimes, "paisnome", 1));
    EXPECT_FALSE(HasRedText(editor->gridtimes, "nivel", 1));
    // Selected, its short name is red as well.
    ClickCell(editor->gridtimes, "paisnome", 1);
    ASSERT_EQ(editor->gridtimes->SelectedRow(), 1);
    EXPECT_TRUE(HasRedText(editor->gridtimes, "clube", 1));
    EXPECT_FALSE(HasRedText(editor->gridtimes, "paisnome", 1));
}

// Whether a label of the panel is drawn with pixels of a colour (within a small margin, for the
// letters' smoothed edges).
bool DrawsColour(TForm3* editor, const TLabel* label, TColor colour)
{
    const QImage panel = editor->Panel1->Widget()->grab().toImage();
    for (int x = label->Left(); x < label->Left() + label->Width(); ++x)
        for (int y = label->Top(); y < label->Top() + label->Height(); ++y) {
            const QColor c = panel.pixelColor(x, y);
            if (std::abs(c.red() - GetRValue(colour)) + std::abs(c.green() - GetGValue(colour)) +
                    std::abs(c.blue() - GetBValue(colour)) < 30)
                return true;
        }
    return false;
}

// A club's text colour is its ten labels' and the panel's font's, in which the squad's totals
// below the grid are written; a national team's the same on the labels its view shows.
TEST_F(EditorMainWindowTest, TheTeamsTextColourIsItsTenLabelsAndThePanelsFont)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    const int club = CellInt(editor->gridtimes, "id", 1);
    TClubHeader& header = EditorClubHeaders[static_cast<std::size_t>(club)];
    header.backColor = clBlack;
    header.textColor = clYellow;
    ClickCell(editor->gridtimes, "clube", 1);
    ASSERT_EQ(EditorCurrentClub, club);
    Pump();
    for (const char* name : {"Label1", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9", "Label10", "Label11",
                             "Label12", "Label13", "Label14", "Label15"})
        EXPECT_EQ(editor->FindChild<TLabel>(name)->Font().Color(), clYellow) << name;
    for (const char* name : {"Label13", "Label14", "Label15"})
        EXPECT_TRUE(editor->FindChild<TLabel>(name)->ParentFont()) << name << " is written in the panel's font";
    EXPECT_TRUE(DrawsColour(editor, editor->Label13, clYellow));
    EXPECT_TRUE(DrawsColour(editor, editor->Label14, clYellow));

    const int nation = CellInt(editor->gridselecoes, "idsel", 0);
    TNationalSquad& squad = EditorNationalSquads[static_cast<std::size_t>(nation)];
    squad.backColor = clYellow;
    squad.textColor = clBlack;
    Click(editor->xbt2->Widget(), Middle(editor->xbt2));
    ASSERT_EQ(EditorCurrentNation, nation);
    Pump();
    for (const char* name : {"Label4", "Label5", "Label6", "Label7", "Label8", "Label13", "Label14", "Label15"})
        EXPECT_EQ(editor->FindChild<TLabel>(name)->Font().Color(), clBlack) << name;
    EXPECT_TRUE(DrawsColour(editor, editor->Label13, clBlack));
}

// A full name of 25 wide letters is drawn smaller so that it ends inside the panel; a name that
// fits keeps the laid-out size, also after a long one was shown.
TEST_F(EditorMainWindowTest, ALongNameInThePanelIsDrawnSmallerAndShowsWhole)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    const int size = editor->Label1->Font().Height();
    const int club = CellInt(editor->gridtimes, "id", 1);
    TClubHeader& header = EditorClubHeaders[static_cast<std::size_t>(club)];
    header.fullName.set(std::string(25, 'W'));
    header.stadium.set(std::string(30, 'W'));
    ClickCell(editor->gridtimes, "clube", 1);
    ASSERT_EQ(EditorCurrentClub, club);
    for (TLabel* label : {editor->Label1, editor->Label11}) {
        EXPECT_LE(label->Left() + label->Width(), editor->Panel1->Width()) << label->Name();
        EXPECT_GT(label->Width(), 0);
    }
    EXPECT_GT(editor->Label1->Font().Height(), size);  // smaller (heights are negative)
    ClickCell(editor->gridtimes, "clube", 0);
    EXPECT_EQ(editor->Label1->Font().Height(), size);
}

TEST_F(EditorMainWindowTest, OnALargerDesktopTheEditorGrowsWithIt)
{
    const auto width = Hooks().screenWidth;
    const auto height = Hooks().screenHeight;
    Hooks().screenWidth = [] { return 1024; };
    Hooks().screenHeight = [] { return 768; };
    TForm3* editor = OpenEditorFromTitle();
    Hooks().screenWidth = width;
    Hooks().screenHeight = height;
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->BoundsRect(), Screen->WorkAreaRect());
    EXPECT_EQ(editor->Panel1->Left(), 404);                            // 316 design pixels
    EXPECT_EQ(editor->Panel1->Left() + editor->Panel1->Width(), 1014);  // 792
    EXPECT_EQ(editor->Grid1->ColumnByName("nome")->Width(), 164);      // 128
}

TEST_F(EditorMainWindowTest, RegularsSidesAgesAndDeletingAPlayerAreWrittenToTheClubFile)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    const int club = EditorCurrentClub;
    TDataGrid* grid = editor->Grid1;

    // Toggle until eleven regulars; then a non-regular stays out; a regular steps down and saves.
    for (int row = 0; row < grid->RowCount() && CountClubRegulars(club) < kMaxRegulars; ++row) {
        if (grid->GetCellTextByName("status", row) == "0")
            ClickCell(grid, "status", row);
    }
    ASSERT_EQ(CountClubRegulars(club), kMaxRegulars);
    int outsider = -1;
    for (int row = 0; row < grid->RowCount() && outsider < 0; ++row)
        outsider = grid->GetCellTextByName("status", row) == "0" ? row : -1;
    ASSERT_GE(outsider, 0);
    ClickCell(grid, "status", outsider);
    EXPECT_EQ(grid->GetCellTextByName("status", outsider), "0");
    int regular = 0;
    while (grid->GetCellTextByName("status", regular) != "1")
        ++regular;
    const int regularSlot = CellInt(grid, "idjog", regular);
    ClickCell(grid, "status", regular);
    EXPECT_EQ(ReadBack(club).squad.status[regularSlot - 1], 0);
    EXPECT_EQ(editor->Label14->Caption(), "10");

    // F8 left, F9 right, F5 a year older: each written at once.
    ClickCell(grid, "nome", 1);
    const int slot = editor->SelectedSlot();
    const int age = EditorClubSquads[club].age[slot - 1];
    PressKey(grid->Widget(), Qt::Key_F8);
    EXPECT_EQ(ReadBack(club).squad.side[slot - 1], 1);
    EXPECT_EQ(grid->GetCellTextByName("collado", 1), "E");
    PressKey(grid->Widget(), Qt::Key_F9);
    EXPECT_EQ(ReadBack(club).squad.side[slot - 1], 0);
    PressKey(grid->Widget(), Qt::Key_F5);
    EXPECT_EQ(ReadBack(club).squad.age[slot - 1], std::min(age + 1, kMaxPlayerAge));

    // Delete: the slot becomes free, its other bytes stay.
    const int rows = grid->RowCount();
    PressKey(grid->Widget(), Qt::Key_Delete);
    const ClubFile after = ReadBack(club);
    EXPECT_EQ(after.squad.names[slot - 1].raw(), kFreeSlotName);
    EXPECT_EQ(after.squad.age[slot - 1], std::min(age + 1, kMaxPlayerAge));
    EXPECT_EQ(grid->RowCount(), rows - 1);
    EXPECT_EQ(editor->Label13->Caption(), "Total:" + std::to_string(rows - 1) + " jogadores");
}

// The squad grid's row of a slot; -1 when the slot is not listed.
int RowOfSlot(TDataGrid* grid, int slot)
{
    for (int row = 0; row < grid->RowCount(); ++row)
        if (grid->GetCellTextByName("idjog", row) == std::to_string(slot))
            return row;
    return -1;
}

// A club lists every slot but the placeholder ones, an empty name too; the status cell of a club
// shows "1" or "0"; the toggle turns only "0" into "1" and "1" into "0", and a national row
// showing another value keeps it; "edit" in the national view needs no selected row.
TEST_F(EditorMainWindowTest, TheSquadListsEveryClubSlotButThePlaceholderAndTheToggleFlipsOnlyZeroAndOne)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    ASSERT_GE(editor->gridtimes->RowCount(), 2);
    const int club = EditorCurrentClub;
    TClubSquad& squad = EditorClubSquads[static_cast<std::size_t>(club)];
    const int rows = editor->Grid1->RowCount();
    ASSERT_LT(rows, kClubSquadSlots);
    int empty = 1;
    while (squad.names[empty - 1].raw() != kFreeSlotName)
        ++empty;
    squad.names[empty - 1].set("");
    squad.position[empty - 1] = 2;
    squad.status[empty - 1] = 0;
    const int odd = CellInt(editor->Grid1, "idjog", 0);
    squad.status[odd - 1] = 2;
    ClickCell(editor->gridtimes, "clube", 1);
    ClickCell(editor->gridtimes, "clube", 0);
    ASSERT_EQ(EditorCurrentClub, club);
    EXPECT_EQ(editor->Grid1->RowCount(), rows + 1);
    const int emptyRow = RowOfSlot(editor->Grid1, empty);
    ASSERT_GE(emptyRow, 0);
    EXPECT_EQ(editor->Grid1->GetCellTextByName("nome", emptyRow), "");
    EXPECT_EQ(editor->Label13->Caption(), "Total:" + std::to_string(rows + 1) + " jogadores");
    EXPECT_EQ(editor->Grid1->GetCellTextByName("status", RowOfSlot(editor->Grid1, odd)), "0");
    ClickCell(editor->Grid1, "status", emptyRow);
    EXPECT_EQ(editor->Grid1->GetCellTextByName("status", emptyRow), "1");
    EXPECT_EQ(ReadBack(club).squad.status[empty - 1], 1);

    // A national row whose stored flag is 2 shows "2" and keeps it when clicked.
    Click(editor->xbt2->Widget(), Middle(editor->xbt2));
    ASSERT_GE(editor->gridselecoes->RowCount(), 2);
    const int nation = EditorCurrentNation;
    TNationalSquad& national = EditorNationalSquads[static_cast<std::size_t>(nation)];
    int slot = 1;
    while (IsFreeSlot(national.names[slot - 1]))
        ++slot;
    national.status[slot - 1] = 2;
    ClickCell(editor->gridselecoes, "selnome", 1);
    ClickCell(editor->gridselecoes, "selnome", 0);
    ASSERT_EQ(EditorCurrentNation, nation);
    const int row = RowOfSlot(editor->Grid1, slot);
    ASSERT_GE(row, 0);
    EXPECT_EQ(editor->Grid1->GetCellTextByName("status", row), "2");
    ClickCell(editor->Grid1, "status", row);
    EXPECT_EQ(editor->Grid1->GetCellTextByName("status", row), "2");
    TNationalSquad onDisk;
    ASSERT_EQ(ReadNationalSquadFile(NationalSquadFilePath(nation), onDisk), DatabaseFileError::None);
    EXPECT_EQ(onDisk.status[slot - 1], 2);

    // With no national row selected, "edit" opens the shown team's dialog all the same.
    editor->gridselecoes->SetSelectedRow(-1);
    ASSERT_LT(editor->gridselecoes->SelectedRow(), 0);
    std::string title;
    WhenOpen("TForm73", [&title](TGameForm* form) {
        title = form->FindChild<TLabel>("Label12")->Caption();
        form->Close();
    });
    Click(editor->Widget(), QPoint(editor->FindChild<TImage>("Image6")->Left() + 10, 20));
    Pump();
    EXPECT_EQ(title, "Editar Seleção");
}

TEST_F(EditorMainWindowTest, DeletingAClubRemovesItsFileAfterTheQuestion)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    const int club = EditorCurrentClub;
    const std::string path = EditorClubPaths[club];
    const int rows = editor->gridtimes->RowCount();
    TImage* deleteButton = editor->FindChild<TImage>("Image7");
    answer_ = mrNo;
    Click(editor->Widget(), QPoint(deleteButton->Left() + 10, deleteButton->Top() + 10));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], "Quer mesmo excluir o time " + EditorClubHeaders[club].shortName.str() +
                                ". Campeonatos podem deixar de funcionar corretamente por isso.");
    EXPECT_TRUE(std::filesystem::exists(path));
    answer_ = mrYes;
    Click(editor->Widget(), QPoint(deleteButton->Left() + 10, deleteButton->Top() + 10));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(editor->gridtimes->RowCount(), rows - 1);
    EXPECT_NE(EditorCurrentClub, club);
    // F2 writes the shown club, never the deleted one again.
    PressKey(editor->Widget(), Qt::Key_F2);
    EXPECT_FALSE(std::filesystem::exists(path));

    // A write that fails is reported and leaves the old file whole.
    const int shown = EditorCurrentClub;
    const std::string shownPath = EditorClubPaths[shown];
    const ClubFile before = ReadBack(shown);
    std::filesystem::create_directory("teams/bloqueado.tcf");
    EditorClubPaths[shown] = "teams/bloqueado.tcf";
    EditorClubSquads[shown].age[0] = 40;
    messages_.clear();
    PressKey(editor->Widget(), Qt::Key_F2);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], std::string(kFileWriteErrorText) + " teams/bloqueado.tcf");
    EXPECT_TRUE(std::filesystem::is_directory("teams/bloqueado.tcf"));
    ClubFile after;
    ASSERT_EQ(ReadClubFile(shownPath, after), DatabaseFileError::None);
    EXPECT_EQ(SerializeClubFile(after), SerializeClubFile(before));
}

TEST_F(EditorMainWindowTest, APlayerDraggedOntoTheNationalButtonJoinsHisNationalSquadOnce)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    // A club whose first listed player's nation has a team with room.
    int row = 0;
    for (; row < editor->gridtimes->RowCount(); ++row) {
        ClickCell(editor->gridtimes, "clube", row);
        const int nation = EditorClubSquads[EditorCurrentClub].country[CellInt(editor->Grid1, "idjog", 0) - 1];
        if (IsNationPresent(nation) && EditorNationalSquads[nation].playerCount < kNationalSquadSlots)
            break;
    }
    ASSERT_LT(row, editor->gridtimes->RowCount());
    TDataGrid* grid = editor->Grid1;
    const int slot = CellInt(grid, "idjog", 0);
    const int nation = EditorClubSquads[EditorCurrentClub].country[slot - 1];
    const int count = EditorNationalSquads[nation].playerCount;
    const std::string name = EditorClubSquads[EditorCurrentClub].names[slot - 1].str();

    auto drag = [&](int row = 0) {
        const QPoint start = CellPoint(grid, "nome", row);
        SendMouse(grid->Widget(), QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        const QPoint target = grid->Widget()->mapFromGlobal(
            editor->xbt2->Widget()->mapToGlobal(Middle(editor->xbt2)));
        MoveMouse(grid->Widget(), start + QPoint(10, 0), Qt::LeftButton);
        MoveMouse(grid->Widget(), target, Qt::LeftButton);
        SendMouse(grid->Widget(), QEvent::MouseButtonRelease, target, Qt::LeftButton, Qt::NoButton);
        Pump();
    };
    drag();
    EXPECT_EQ(EditorCurrentNation, nation);
    EXPECT_EQ(EditorNationalSquads[nation].playerCount, count + 1);
    TNationalSquad onDisk;
    ASSERT_EQ(ReadNationalSquadFile(NationalSquadFilePath(nation), onDisk), DatabaseFileError::None);
    int copies = 0;
    for (const auto& player : onDisk.names)
        copies += player.str() == name ? 1 : 0;
    EXPECT_EQ(copies, 1);
    drag();  // already in the squad: not added twice
    EXPECT_EQ(EditorNationalSquads[nation].playerCount, count + 1);
    EXPECT_FALSE(EditorNationalView);

    // In the national view a dragged national player copies nobody, not the shown club's player
    // of the same slot number.
    const int club = EditorCurrentClub;
    const int other = CellInt(grid, "idjog", 1);
    const int otherNation = EditorClubSquads[club].country[other - 1];
    Click(editor->xbt2->Widget(), Middle(editor->xbt2));
    int shown = 0;
    while (shown < editor->gridselecoes->RowCount()) {
        ClickCell(editor->gridselecoes, "selnome", shown);
        if (RowOfSlot(grid, other) >= 0)
            break;
        ++shown;
    }
    ASSERT_LT(shown, editor->gridselecoes->RowCount());
    // The club's player of that slot could join his nation's squad: a team with room, his name new.
    if (!IsNationPresent(otherNation))
        AddEditorNation(otherNation, {"Treinador", 15, 0xFFFFFF, 0, ""});
    EditorClubSquads[club].names[other - 1].set("Ninguem Arrastou");
    EditorNationalSquads[otherNation].names[kNationalSquadSlots - 1].setRaw(kFreeSlotName);
    EditorNationalSquads[otherNation].playerCount = 0;
    ClickCell(grid, "nome", RowOfSlot(grid, other));
    drag(RowOfSlot(grid, other));
    EXPECT_EQ(EditorNationalSquads[otherNation].playerCount, 0);
}

}  // namespace
}  // namespace tarvelon::test
