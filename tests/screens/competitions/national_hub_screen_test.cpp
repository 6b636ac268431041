// The national team's hub (TForm75) on a seeded game made into a World Cup day: two human nations
// served in turn, the players' role drop-down by mouse and keys, the options menu and keys, and the
// day going on to the matchday without the hub when no human nation is still in.
#include <QApplication>

#include <filesystem>
#include <QMenu>

#include "controls/dc_glow_button.h"
#include "controls/grad_button.h"
#include "core/club_rosters.h"
#include "core/hooks.h"
#include "core/lineup/lineup_board.h"
#include "core/progression/national_invitations.h"
#include "core/progression/post_round_invitations.h"
#include "core/records/game_state.h"
#include "core/records/match_records.h"
#include "core/records/session_globals.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "core/views/national_tournament.h"
#include "grid/dg_combo_box.h"
#include "grid/dg_columns.h"
#include "grid/dg_grid.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/menus.h"
#include "screens/club/club_screens.h"
#include "screens/common/form_references.h"
#include "screens/common/navigator.h"
#include "screens/common/subjects.h"
#include "screens/competitions/national_hub_screen.h"
#include "screens/competitions/tournament_table_screen.h"
#include "screens/matchday/lineup_screen.h"
#include "screens/matchday/pitch_board.h"
#include "tests/screens/board_drags.h"
#include "tests/screens/competitions/national_team_suite.h"
#include "tests/screens/grid_columns_fit.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/player_clicks.h"
#include "tests/screens/screen_size_for_test.h"

namespace tarvelon {
namespace {

class NationalHubScreenTest : public test::NationalTeamSuite {};

// The first row whose cell in `column` reads `text`; the row count when none does.
int FirstRowWith(TDataGrid* grid, const char* column, const std::string& text)
{
    int row = 0;
    while (row < grid->RowCount() && grid->GetCellTextByName(column, std::to_string(row)) != text)
        ++row;
    return row;
}

TEST_F(NationalHubScreenTest, TheHubServesTheHumanNationsStillInOneAfterTheOther)
{
    Game.HumanNationCount = 3;
    Game.HumanNations[0] = kFirstNation + 5;  // out of the tournament: skipped
    Game.HumanNations[1] = kFirstNation;
    Game.HumanNations[2] = kFirstNation + 6;
    Clubs[kFirstNation + 5].NationalTeamCupEntry = 0;
    for (int player : SquadInListOrder(1))
        Players[player].Club = kFirstNation;  // a squad to show
    PlayerClubsChanged();
    auto* hub = Open<TForm75>("TForm75");
    ASSERT_NE(hub, nullptr);
    EXPECT_EQ(hub->NationalHubSlot, 2);
    EXPECT_EQ(Game.coachedNationalTeam, kFirstNation);
    EXPECT_EQ(hub->Label1->Caption(), Clubs[kFirstNation].name.str());
    EXPECT_EQ(hub->Label22->Caption(), "Grupo A - 1ª rodada");
    EXPECT_EQ(hub->gridview1->RowCount(), static_cast<int>(SquadInListOrder(kFirstNation).size()));
    EXPECT_GT(hub->gridview1->RowCount(), 0);
    EXPECT_EQ(hub->Label6->Caption(), "Copa do Mundo");
    EXPECT_TRUE(hub->BoundsRect() == Screen->WorkAreaRect());  // the hub fills the screen
    EXPECT_EQ(hub->gridview1->GetCellTextByName("gols", "0"), "");  // no club goals passed off as the tournament's
    // The shirt mark of an available player toggles with a click on it.
    int row = 0;
    while (row + 1 < hub->gridview1->RowCount() && hub->gridview1->GetCellTextByName("status", std::to_string(row)) != "10")
        ++row;
    ASSERT_EQ(hub->gridview1->GetCellTextByName("status", std::to_string(row)), "10");
    ClickRow(hub->gridview1, row, 14);
    EXPECT_EQ(hub->gridview1->GetCellTextByName("status", std::to_string(row)), "9");
    ClickRow(hub->gridview1, row, 14);
    EXPECT_EQ(hub->gridview1->GetCellTextByName("status", std::to_string(row)), "10");

    // "Escalar Time" opens the line-up screen for the served team; left without "Jogar >>" the
    // same team stays served.
    const auto seen = CloseWhatOpens(Screen->FormCount());
    Click(hub->btjogar);
    WaitForClosed(seen);
    ASSERT_FALSE(seen->empty());
    EXPECT_EQ(seen->front(), "TForm87");
    EXPECT_EQ(Game.CurrentHumanClub, kFirstNation);
    EXPECT_EQ(hub->NationalHubSlot, 2);

    // The line-up confirmed: the next human nation still in takes the hub.
    hub->NextHumanNationOrKickOff();
    EXPECT_EQ(hub->NationalHubSlot, 3);
    EXPECT_EQ(hub->Label1->Caption(), Clubs[kFirstNation + 6].name.str());
    EXPECT_EQ(hub->Label22->Caption(), "Grupo B - 1ª rodada");

    // The table opens from "Tabela jogos".
    const auto table = CloseWhatOpens(Screen->FormCount());
    Click(hub->Label4);
    WaitForClosed(table);
    ASSERT_FALSE(table->empty());
    EXPECT_EQ(table->front(), "TForm78");
}

// The status column pictures the row's mark, not a shirt number: a free player's white shirt, the
// eleven's red one after a click on it.
TEST_F(NationalHubScreenTest, TheStatusColumnPicturesTheMarkOfTheRow)
{
    test::GameKeptAside kept;
    auto* hub = OpenTheHubOfTheFirstNation();
    ASSERT_NE(hub, nullptr);
    TDataGrid* grid = hub->gridview1;
    const int row = FirstRowWith(grid, "status", "10");
    ASSERT_LT(row, grid->RowCount());
    const int column = grid->ColumnByName("status")->Index();
    auto redPixels = [&] {
        test::Pump();
        const QImage shown = grid->Widget()->grab().toImage();
        const TRect cell = grid->GetCellRect(column, row);
        int red = 0;
        for (int y = cell.Top; y < cell.Bottom; ++y)
            for (int x = cell.Left; x < cell.Right; ++x) {
                const QColor c = shown.pixelColor(x, y);
                red += c.red() > 150 && c.green() < 90 && c.blue() < 90;
            }
        return red;
    };
    EXPECT_LT(redPixels(), 5);
    ClickRow(grid, row, 14);
    ASSERT_EQ(grid->GetCellTextByName("status", std::to_string(row)), "9");
    EXPECT_GT(redPixels(), 40);
}

// The condition column of the day's competition: a star without trouble shows 12; a banned star 5,
// one with three cards 8, an injured player 3, all three out ("11") and their mark not toggled by a
// click. With the line-up kept, the stored marks show: the eleven's "9", the bench's "13".
TEST_F(NationalHubScreenTest, TheConditionAndTheKeptMarksShowAndAPlayerOutCannotBeMarked)
{
    test::GameKeptAside kept;
    for (int player : SquadInListOrder(1))
        Players[player].Club = kFirstNation;
    PlayerClubsChanged();
    const std::vector<int> squad = SquadInListOrder(kFirstNation);
    ASSERT_GE(squad.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        TPlayer& p = Players[squad[i]];
        p.Star = i < 3;
        p.Bans[7] = p.YellowCards[7] = 0;
        p.InjuredUntil = 0;
        p.LineupStatus = 0;
    }
    Players[squad[1]].Bans[7] = 1;
    Players[squad[2]].YellowCards[7] = 3;
    Players[squad[3]].InjuredUntil = TodayDate() + 10;
    Players[squad[4]].LineupStatus = 1;
    Players[squad[5]].LineupStatus = 2;
    Game.KeepLineup = 1;
    auto* hub = OpenTheHubOfTheFirstNation();
    ASSERT_NE(hub, nullptr);
    TDataGrid* grid = hub->gridview1;
    auto rowOf = [&](int i) { return FirstRowWith(grid, "id", std::to_string(squad[i])); };
    auto cell = [&](int i, const char* column) { return grid->GetCellTextByName(column, std::to_string(rowOf(i))); };
    EXPECT_EQ(cell(0, "condicao"), "12");
    EXPECT_EQ(cell(0, "status"), "10");
    EXPECT_EQ(cell(1, "condicao"), "5");
    EXPECT_EQ(cell(2, "condicao"), "8");
    EXPECT_EQ(cell(3, "condicao"), "3");
    for (int i : {1, 2, 3})
        EXPECT_EQ(cell(i, "status"), "11") << i;
    EXPECT_EQ(cell(4, "status"), "9");
    EXPECT_EQ(cell(5, "status"), "13");
    ClickRow(grid, rowOf(1), 14);
    EXPECT_EQ(cell(1, "status"), "11");
    ClickRow(grid, rowOf(5), 14);
    EXPECT_EQ(cell(5, "status"), "9");
}

// The autosave counts the showings of both hubs together: after two club hubs, the national hub is
// the third and saves; with season-start screens pending it neither counts nor saves; "A cada jogo"
// saves at every showing.
TEST_F(NationalHubScreenTest, TheAutosaveCountsTheNationalHubWithTheClubHub)
{
    test::GameKeptAside kept;
    std::filesystem::create_directories("sav");
    Game.saveName.set("auto.nsx");
    std::filesystem::remove("sav/auto.nsx");
    Game.autosave = 1;  // "A cada 3 jogos"
    SeasonStartPending = 1;
    AutosaveCounter = 2;
    ASSERT_NE(OpenTheHubOfTheFirstNation(), nullptr);
    EXPECT_EQ(AutosaveCounter, 2);
    EXPECT_FALSE(std::filesystem::exists("sav/auto.nsx"));
    test::CloseEveryForm();
    SeasonStartPending = 0;
    ASSERT_NE(OpenTheHubOfTheFirstNation(), nullptr);
    EXPECT_TRUE(std::filesystem::exists("sav/auto.nsx"));
    EXPECT_EQ(AutosaveCounter, 0);
    test::CloseEveryForm();
    std::filesystem::remove("sav/auto.nsx");
    ASSERT_NE(OpenTheHubOfTheFirstNation(), nullptr);
    EXPECT_FALSE(std::filesystem::exists("sav/auto.nsx"));
    EXPECT_EQ(AutosaveCounter, 1);
    test::CloseEveryForm();
    Game.autosave = 2;  // "A cada jogo"
    ASSERT_NE(OpenTheHubOfTheFirstNation(), nullptr);
    EXPECT_TRUE(std::filesystem::exists("sav/auto.nsx"));
    test::CloseEveryForm();
    Game.autosave = 0;
    std::filesystem::remove("sav/auto.nsx");
}

// Everything on the hub grows with a larger screen, the squad's text with it: whatever a column of
// the squad shows whole at 800 x 600 it shows whole at 1024 x 768 and 1280 x 1024, measured by the
// grid in its fonts at the form's scale, within the grid. The widths the larger screens ask for are
// narrower than the design's: they never narrow a column.
TEST_F(NationalHubScreenTest, OnALargerScreenTheSquadShowsWholeWhatItShowsAt800x600)
{
    auto measure = [this](int width, int height) {
        const test::ScreenSizeForTest screen(width, height);
        TForm75* hub = OpenTheHubOfTheFirstNation();
        EXPECT_NE(hub, nullptr);
        const test::GridFit fit = hub != nullptr ? test::MeasureShownSquad(*hub, *hub->gridview1) : test::GridFit{};
        test::CloseEveryForm();
        return fit;
    };
    const test::GridFit design = measure(800, 600);
    ASSERT_FALSE(design.columns.empty());
    EXPECT_TRUE(design.columns.at("nome").Whole()) << design.Describe();
    EXPECT_TRUE(design.columns.at("habilidades").Whole()) << design.Describe();
    for (const auto& [width, height] : {std::pair{1024, 768}, std::pair{1280, 1024}})
        test::ExpectWholeWhereTheDesignIsWhole(design, measure(width, height), std::to_string(width) + " x " + std::to_string(height));
}

// A click on a player's role opens a drop-down of his position's roles; the role picked shows in
// the list, and the player keeps his own.
TEST_F(NationalHubScreenTest, TheRoleDropDownOffersTheRolesOfTheRowsPosition)
{
    test::GameKeptAside kept;
    auto* hub = OpenTheHubOfTheFirstNation();
    ASSERT_NE(hub, nullptr);
    TDataGrid* grid = hub->gridview1;
    const int roleColumn = grid->ColumnByName("funcaojog")->Index();
    auto rowOf = [grid](const char* letter) {
        for (int row = 0; row < grid->RowCount(); ++row)
            if (grid->GetCellTextByName("posicaojog", std::to_string(row)) == letter)
                return row;
        return -1;
    };
    auto openRoles = [&](int row) -> TDgComboBox* {
        grid->ScrollToRow(row);
        test::Pump();
        const TRect cell = grid->GetCellRect(roleColumn, row);
        test::ClickAt(grid->Widget(), QPoint(cell.Left + 10, (cell.Top + cell.Bottom) / 2));
        auto* editor = dynamic_cast<TDgComboBox*>(grid->InplaceEditor());
        if (editor == nullptr || !editor->Visible())
            return nullptr;
        // A press on the list-only box drops its list; the press's release comes to the list.
        test::SendMouse(editor->Widget(), QEvent::MouseButtonPress, QPoint(10, editor->Height() / 2), Qt::LeftButton,
                        Qt::LeftButton);
        test::SendMouse(editor->List().Widget(), QEvent::MouseButtonRelease, QPoint(10, -5), Qt::LeftButton, Qt::NoButton);
        test::Pump();
        return editor;
    };
    auto shown = [](TDgComboBox* editor) {
        std::vector<std::string> items;
        for (int i = 0; i < editor->List().Items()->Count(); ++i)
            items.push_back(editor->List().Items()->Strings(i));
        return items;
    };

    const int fullBackRow = rowOf("L");
    ASSERT_GE(fullBackRow, 0);
    const int fullBack = std::stoi(grid->GetCellTextByName("id", std::to_string(fullBackRow)));
    const int role = Players[fullBack].Role;
    TDgComboBox* editor = openRoles(fullBackRow);
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->Dropped());
    EXPECT_EQ(shown(editor), (std::vector<std::string>{"Defensivo", "Ofensivo", "Ala"}));
    EXPECT_EQ(editor->Text(), PlayerRoleNames[1][static_cast<std::size_t>(role)]);
    EXPECT_EQ(editor->ItemIndex(), role);
    QWidget* list = editor->List().Widget();
    const QPoint third(20, 2 + 2 * editor->List().ItemHeight() + 5);
    test::SendMouse(list, QEvent::MouseButtonPress, third, Qt::LeftButton, Qt::LeftButton);
    test::SendMouse(list, QEvent::MouseButtonRelease, third, Qt::LeftButton, Qt::NoButton);
    test::Pump();
    EXPECT_FALSE(editor->Dropped());
    EXPECT_EQ(editor->Text(), "Ala");
    test::PressKey(editor->Widget(), Qt::Key_Return);
    test::Pump();
    EXPECT_FALSE(grid->Editing());
    EXPECT_EQ(grid->GetCellTextByName("funcaojog", std::to_string(fullBackRow)), "Ala");
    EXPECT_EQ(Players[fullBack].Role, role);

    // A centre-back's list has his two roles, the goalkeeper's one.
    const std::pair<const char*, std::vector<std::string>> others[] = {{"G", {"Normal"}}, {"Z", {"Normal", "Líbero"}}};
    for (const auto& [letter, roles] : others) {
        const int row = rowOf(letter);
        ASSERT_GE(row, 0) << letter;
        TDgComboBox* box = openRoles(row);
        ASSERT_NE(box, nullptr) << letter;
        EXPECT_TRUE(box->Dropped()) << letter;
        EXPECT_EQ(shown(box), roles) << letter;
        const std::string shownRole = grid->GetCellTextByName("funcaojog", std::to_string(row));
        EXPECT_EQ(box->Text(), shownRole) << letter;
        // The list marks the role the cell shows, not the one picked on another row.
        const auto at = std::find(roles.begin(), roles.end(), shownRole);
        EXPECT_EQ(box->ItemIndex(), at == roles.end() ? -1 : static_cast<int>(at - roles.begin())) << letter;
        EXPECT_EQ(box->List().ItemIndex(), box->ItemIndex()) << letter;
        test::PressKey(box->Widget(), Qt::Key_Escape, Qt::NoModifier, QString(QChar(27)));
        test::Pump();
        EXPECT_FALSE(box->Dropped()) << letter;
        EXPECT_FALSE(grid->Editing()) << letter;
    }
}

// The role drop-down follows the selected row also from the keyboard: after the goalkeepers, the
// arrow down to the first full-back and a typed letter choose among the full-back's roles.
TEST_F(NationalHubScreenTest, TheRoleDropDownFollowsTheRowReachedWithTheKeys)
{
    test::GameKeptAside kept;
    auto* hub = OpenTheHubOfTheFirstNation();
    ASSERT_NE(hub, nullptr);
    TDataGrid* grid = hub->gridview1;
    const int fullBackRow = FirstRowWith(grid, "posicaojog", "L");
    ASSERT_GT(fullBackRow, 0);
    ASSERT_LT(fullBackRow, grid->RowCount());
    ASSERT_EQ(grid->GetCellTextByName("posicaojog", std::to_string(fullBackRow - 1)), "G");
    const TRect cell = grid->GetCellRect(grid->ColumnByName("funcaojog")->Index(), fullBackRow - 1);
    test::ClickAt(grid->Widget(), QPoint(cell.Left + 10, (cell.Top + cell.Bottom) / 2));
    ASSERT_TRUE(grid->Editing());
    test::PressKey(grid->InplaceEditor()->Widget(), Qt::Key_Escape, Qt::NoModifier, QString(QChar(27)));
    test::Pump();
    ASSERT_FALSE(grid->Editing());
    PressKey(grid, Qt::Key_Down);
    ASSERT_EQ(grid->SelectedRow(), fullBackRow);
    test::PressKey(grid->Widget(), Qt::Key_O, Qt::NoModifier, "o");
    test::Pump();
    ASSERT_TRUE(grid->Editing());
    EXPECT_EQ(grid->EditRow(), fullBackRow);
    EXPECT_EQ(grid->InplaceEditor()->Text(), "Ofensivo");
}

TEST_F(NationalHubScreenTest, TheHubsOptionsMenuAndKeysOpenTheOptionsAndSave)
{
    Game.HumanNationCount = 1;
    Game.HumanNations[0] = kFirstNation;
    auto* hub = Open<TForm75>("TForm75");
    ASSERT_NE(hub, nullptr);
    // "Opções" pops up the menu; its entry "Opções" opens the options.
    Click(hub->Label13);
    ASSERT_NE(hub->PopupMenu2->ShownMenu(), nullptr);
    QStringList entries;
    for (QAction* action : hub->PopupMenu2->ShownMenu()->actions())
        entries << action->text();
    EXPECT_EQ(entries, (QStringList{"Salvar jogo", "Opções", "Sair do jogo"}));
    hub->PopupMenu2->ShownMenu()->close();
    test::Pump();
    auto seen = CloseWhatOpens(Screen->FormCount());
    hub->FindChild<TMenuItem>("opcoes")->Click();
    WaitForClosed(seen);
    ASSERT_FALSE(seen->empty());
    EXPECT_EQ(seen->front(), "TForm32");
    // F3: the options; F2: a game without a name asks for one first.
    seen = CloseWhatOpens(Screen->FormCount());
    PressKey(hub, Qt::Key_F3);
    WaitForClosed(seen);
    ASSERT_FALSE(seen->empty());
    EXPECT_EQ(seen->front(), "TForm32");
    InstallClubScreenHooks();
    Game.saveName.set("");
    seen = CloseWhatOpens(Screen->FormCount());
    PressKey(hub, Qt::Key_F2);
    WaitForClosed(seen);
    ASSERT_FALSE(seen->empty());
    EXPECT_EQ(seen->front(), "TForm40");
}

// "Jogar >>" of the last nation still in passes over the knocked-out ones after it: each becomes
// the coached nation in turn, the last of the list stays it, and the matchday starts.
TEST_F(NationalHubScreenTest, TheNationsPassedOverAfterTheLastTurnLeaveTheLastListedOneCoached)
{
    Game.HumanNationCount = 3;
    Game.HumanNations[0] = kFirstNation;
    Game.HumanNations[1] = kFirstNation + 3;
    Game.HumanNations[2] = kFirstNation + 5;
    Clubs[kFirstNation + 3].NationalTeamCupEntry = 0;
    Clubs[kFirstNation + 5].NationalTeamCupEntry = 0;
    for (int player : SquadInListOrder(1))
        Players[player].Club = kFirstNation;
    PlayerClubsChanged();
    auto* hub = Open<TForm75>("TForm75");
    ASSERT_NE(hub, nullptr);
    EXPECT_EQ(Game.coachedNationalTeam, kFirstNation);
    test::WhenLineupOpens([](TForm87& lineup) { test::PickFormationAndPlay(lineup, test::kAcceptedFormation); });
    Click(hub->btjogar);
    ASSERT_TRUE(test::PumpUntil([] { return Form75.Get() == nullptr; }, 5000));
    EXPECT_EQ(LastOpenedScreen(), "TForm46");
    EXPECT_EQ(Game.coachedNationalTeam, kFirstNation + 5);
}

// The traits' cell names both traits in its hint, also when they are the same trait.
TEST_F(NationalHubScreenTest, TheTraitsHintNamesBothTraitsAlsoWhenTheyAreEqual)
{
    Game.HumanNationCount = 1;
    Game.HumanNations[0] = kFirstNation;
    for (int player : SquadInListOrder(1))
        Players[player].Club = kFirstNation;
    PlayerClubsChanged();
    const std::vector<int> squad = SquadInListOrder(kFirstNation);
    ASSERT_GE(squad.size(), 2u);
    Players[squad[0]].Trait1 = Players[squad[0]].Trait2 = 5;
    Players[squad[1]].Trait1 = 5;
    Players[squad[1]].Trait2 = 7;
    auto* hub = Open<TForm75>("TForm75");
    ASSERT_NE(hub, nullptr);
    const TDgCustomColumn* traits = hub->gridview1->ColumnByName("habilidades");
    ASSERT_NE(traits, nullptr);
    auto hintOf = [hub, traits](int player) {
        const int row = FirstRowWith(hub->gridview1, "id", std::to_string(player));
        return row < hub->gridview1->RowCount() ? hub->gridview1->GetCell(traits->Index(), row)->Hint() : std::string("?");
    };
    EXPECT_EQ(hub->gridview1->GetCellTextByName("habilidades", std::to_string(FirstRowWith(hub->gridview1, "id", std::to_string(squad[0])))),
              TraitNames[5]);
    EXPECT_EQ(hintOf(squad[0]), std::string(TraitNames[5]) + "/" + TraitNames[5]);
    EXPECT_EQ(hintOf(squad[1]), std::string(TraitNames[5]) + "/" + TraitNames[7]);
}

// "Escalar Time" shows the line-up beside the hub, not modally: the click returns with the line-up
// up, a second press opens no second one, and its "Jogar >>" hands the hub to the next nation and
// closes the line-up.
TEST_F(NationalHubScreenTest, TheLineUpStandsBesideTheHubAndTheHubClosesIt)
{
    Game.HumanNationCount = 2;
    Game.HumanNations[0] = kFirstNation;
    Game.HumanNations[1] = kFirstNation + 6;
    for (int player : SquadInListOrder(1))
        Players[player].Club = kFirstNation;
    PlayerClubsChanged();
    auto* hub = Open<TForm75>("TForm75");
    ASSERT_NE(hub, nullptr);
    Click(hub->btjogar);
    auto* lineup = dynamic_cast<TForm87*>(Form87.Get());
    ASSERT_NE(lineup, nullptr);
    EXPECT_TRUE(lineup->Visible());
    EXPECT_FALSE(lineup->Modal());
    EXPECT_EQ(Form75.Get(), hub);
    // The hub put in front of it, a second press brings the same line-up back to the front.
    hub->Show();
    test::Pump();
    ASSERT_EQ(QApplication::activeWindow(), hub->Widget()->window());
    const int forms = Screen->FormCount();
    Click(hub->btjogar);
    test::Pump();
    EXPECT_EQ(Screen->FormCount(), forms);
    EXPECT_EQ(Form87.Get(), lineup);
    EXPECT_EQ(QApplication::activeWindow(), lineup->Widget()->window());

    test::PickFormationAndPlay(*lineup, test::kAcceptedFormation);
    ASSERT_TRUE(test::PumpUntil([] { return Form87.Get() == nullptr; }, 3000));
    EXPECT_EQ(Form75.Get(), hub);
    EXPECT_EQ(hub->NationalHubSlot, 2);
    EXPECT_EQ(Game.coachedNationalTeam, kFirstNation + 6);
    EXPECT_EQ(hub->Label1->Caption(), Clubs[kFirstNation + 6].name.str());
}

// With every human nation knocked out the hub shows the first of them and waits for "Escalar
// Time"; its line-up played, the matchday starts.
TEST_F(NationalHubScreenTest, WithEveryHumanNationOutTheHubWaitsForEscalarTime)
{
    Game.HumanNationCount = 1;
    Game.HumanNations[0] = kFirstNation;
    Game.coachedNationalTeam = kFirstNation;
    Clubs[kFirstNation].NationalTeamCupEntry = 0;
    for (int player : SquadInListOrder(1))
        Players[player].Club = kFirstNation;
    PlayerClubsChanged();
    auto* hub = Open<TForm75>("TForm75");
    ASSERT_NE(hub, nullptr);
    test::Pump(300);
    ASSERT_EQ(Form75.Get(), hub);
    EXPECT_EQ(hub->NationalHubSlot, 1);
    EXPECT_EQ(hub->Label1->Caption(), Clubs[kFirstNation].name.str());
    test::WhenLineupOpens([](TForm87& lineup) { test::PickFormationAndPlay(lineup, test::kAcceptedFormation); });
    Click(hub->btjogar);
    ASSERT_TRUE(test::PumpUntil([] { return Form75.Get() == nullptr; }, 5000));
    EXPECT_EQ(LastOpenedScreen(), "TForm46");
}

// A tournament day of a game whose coaches lead no national team has nothing for the hub to show.
TEST_F(NationalHubScreenTest, WithNoHumanNationAtAllTheDayGoesOnToTheMatchday)
{
    Game.HumanNationCount = 0;
    auto* hub = Open<TForm75>("TForm75");
    ASSERT_NE(hub, nullptr);
    test::PumpUntil([] { return Form75.Get() == nullptr && LastOpenedScreen() == "TForm46"; }, 3000);
    EXPECT_EQ(Form75.Get(), nullptr);
    EXPECT_EQ(LastOpenedScreen(), "TForm46");
}

}  // namespace
}  // namespace tarvelon
