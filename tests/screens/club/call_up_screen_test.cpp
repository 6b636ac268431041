// The national squad's call-up (TForm77) driven by real clicks on the gallery's seeded game: the squad
// called up goes back to its clubs after the tournament.
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "controls/grad_button.h"
#include "core/career/human_coaches.h"
#include "core/club_rosters.h"
#include "core/economy/friendly_booking.h"
#include "core/format/money_format.h"
#include "core/progression/calendar_advance.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/season/fixtures.h"
#include "core/tables.h"
#include "core/vocab/countries.h"
#include "core/vocab/players.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/forms/win_control.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/list_view.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/message_box.h"
#include "richtext/html_label.h"
#include "screens/club/call_up_screen.h"
#include "screens/common/game_flow.h"
#include "screens/common/screen_registry.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/club/club_administration_suite.h"
#include "tests/tools/sim_checks.h"

namespace tarvelon {
namespace {

class CallUpScreenTest : public test::ClubAdministrationSuite {
protected:
    // Brazil's national team's club entry, or -1.
    static int BrazilEntry()
    {
        int entry = -1;
        for (const TNationalTeam& team : NationalTeams)
            if (team.country == CountryBrazil)
                entry = team.clubEntry;
        return entry;
    }

    // Searches the players of one position (the entry of the position list) and calls up the
    // first `count` found, by clicks.
    static void CallUpFirstFound(TForm77* form, int position, int count)
    {
        ChooseEntry(form->c2, position);
        Click(form->GradButton3);
        ASSERT_GE(form->gfind->RowCount(), count);
        for (int row = 0; row < count; ++row) {
            ClickRow(form->gfind, row);
            Click(form->GradButton1);
        }
    }

    // While it lives, the national team of `entry` is the game's one human national team.
    class SoleHumanNation {
    public:
        explicit SoleHumanNation(int entry) : count_(Game.HumanNationCount), first_(Game.HumanNations[0])
        {
            Game.HumanNationCount = 1;
            Game.HumanNations[0] = entry;
        }
        ~SoleHumanNation()
        {
            Game.HumanNationCount = count_;
            Game.HumanNations[0] = first_;
        }
        SoleHumanNation(const SoleHumanNation&) = delete;
        SoleHumanNation& operator=(const SoleHumanNation&) = delete;

    private:
        int count_;
        int first_;
    };
};

// The longest names fit their columns: a player's in both lists, his club's in the search.
TEST_F(CallUpScreenTest, TheLongestPlayerAndClubNamesAreShownWhole)
{
    const int entry = BrazilEntry();
    ASSERT_GE(entry, 0);
    const std::vector<TPlayer> players = Players;
    const std::vector<TClub> clubs = Clubs;
    for (TPlayer& p : Players)
        if (p.nationality == CountryBrazil && p.Position == 0 && p.Club >= 0 && p.Club < static_cast<int>(Clubs.size())) {
            p.Name = "Maximiliano Wanderlé";
            Clubs[p.Club].name = "Ferroviário Jaculândia";
        }
    CallUpNationEntry = entry;
    auto* form = Show<TForm77>("TForm77");
    ASSERT_NE(form, nullptr);
    CallUpFirstFound(form, 0, 2);  // "Goleiro"
    ASSERT_EQ(form->gsel->RowCount(), 2);
    TCanvas& canvas = form->Canvas();
    canvas.Font.Assign(form->gfind->Font());
    const auto fits = [&canvas](TDataGrid* grid, const char* column) {
        const std::string text = grid->GetCellTextByName(column, 0);
        EXPECT_LE(canvas.TextWidth(text) + 6, grid->ColumnByName(column)->Width()) << column << " " << text;
    };
    fits(form->gfind, "colnome");
    fits(form->gfind, "colclube");
    fits(form->gsel, "colnome2");
    // The columns still fit their grids.
    for (TDataGrid* grid : {form->gfind, form->gsel})
        EXPECT_LE(grid->Columns().TotalWidth() + 20, grid->Width()) << grid->Name();
    form->Close();
    test::Pump();
    Players = players;
    Clubs = clubs;
}

// The name is compared as typed, blanks included: "Jo " finds "Jo Neto", not "Joao Neto"; blanks
// alone mean any name.
TEST_F(CallUpScreenTest, TheNameIsComparedAsTypedBlanksIncluded)
{
    const int entry = BrazilEntry();
    ASSERT_GE(entry, 0);
    const std::vector<TPlayer> players = Players;
    std::vector<int> brazilians;
    for (int p = 1; p < static_cast<int>(Players.size()) && brazilians.size() < 2; ++p)
        if (Players[p].nationality == CountryBrazil && Players[p].Club >= 0 && Players[p].Club < entry)
            brazilians.push_back(p);
    ASSERT_EQ(brazilians.size(), 2u);
    Players[brazilians[0]].Name = "Joao Neto";
    Players[brazilians[1]].Name = "Jo Neto";
    CallUpNationEntry = entry;
    auto* form = Show<TForm77>("TForm77");
    ASSERT_NE(form, nullptr);
    const auto search = [form](const char* typed) {
        form->Edit1->SetFocus();
        QTest::keyClick(form->Edit1->Widget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(form->Edit1->Widget(), Qt::Key_Backspace);
        QTest::keyClicks(form->Edit1->Widget(), typed);
        Click(form->GradButton3);
        std::vector<std::string> names;
        for (int row = 0; row < form->gfind->RowCount(); ++row)
            names.push_back(form->gfind->GetCellTextByName("colnome", row));
        return names;
    };
    auto holds = [](const std::vector<std::string>& names, const char* name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    std::vector<std::string> found = search("Jo ");
    EXPECT_TRUE(holds(found, "Jo Neto"));
    EXPECT_FALSE(holds(found, "Joao Neto"));
    found = search("jo");
    EXPECT_TRUE(holds(found, "Jo Neto"));
    EXPECT_TRUE(holds(found, "Joao Neto"));
    found = search("  ");
    EXPECT_TRUE(holds(found, "Jo Neto"));
    EXPECT_GT(found.size(), 2u);
    form->Close();
    test::Pump();
    Players = players;
}

TEST_F(CallUpScreenTest, ANationalSquadIsCalledUpAndGoesBackToItsClubsAfterTheTournament)
{
    const int entry = BrazilEntry();
    ASSERT_GE(entry, 0);
    // Core's call-up question opens the screen on the human national team it names.
    const SoleHumanNation human(entry);
    CallUpNationEntry = -1;
    std::string shownTeam;
    WhenOpen("TForm77", [&shownTeam](TForm* callUp) {
        shownTeam = static_cast<TForm77*>(callUp)->Label16->Caption();
        callUp->Close();
    });
    ShowNationalCallUpOnScreen(1);
    EXPECT_EQ(shownTeam, Clubs[entry].name.str());
    const std::vector<int> ownSquad = PlayersOfClub(entry);
    auto* form = Show<TForm77>("TForm77");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Label16->Caption(), Clubs[entry].name.str());
    EXPECT_FALSE(form->bt2->Enabled());

    ChooseEntry(form->c2, 0);  // "Goleiro"
    Click(form->GradButton3);
    const int keepers = form->gfind->RowCount();
    ASSERT_GE(keepers, 4);
    EXPECT_EQ(form->Label9->Caption(), std::to_string(keepers) + " jogadores encontrados");
    for (int row = 0; row < keepers; ++row) {
        const int player = std::stoi(form->gfind->GetCellTextByName("colid", row));
        EXPECT_EQ(Players[player].nationality, CountryBrazil);
        EXPECT_EQ(Players[player].Position, 0);
        EXPECT_LT(Players[player].Club, Game.LeagueClubCount + Game.ExtraClubCount);
    }
    // The traits' names are the hint of their abbreviations.
    const std::string traits = form->gfind->GetCell(form->gfind->ColumnByName("colhabilidade")->Index(), 0)->Hint();
    const TPlayer& first = Players[std::stoi(form->gfind->GetCellTextByName("colid", 0))];
    EXPECT_EQ(traits, std::string(TraitNames[first.Trait1]) + "/" + TraitNames[first.Trait2]);
    for (int row = 0; row < 3; ++row) {
        ClickRow(form->gfind, row);
        EXPECT_TRUE(form->GradButton1->Enabled());
        Click(form->GradButton1);
        // ">>" stays as the selection left it; pressed again for a called player it adds nobody.
        EXPECT_TRUE(form->GradButton1->Enabled());
        Click(form->GradButton1);
        EXPECT_EQ(form->gsel->RowCount(), row + 1);
    }
    ClickRow(form->gfind, 3);
    EXPECT_FALSE(form->GradButton1->Enabled());  // a fourth goalkeeper cannot come

    ChooseEntry(form->c2, 3);  // "Meio Campo"
    Click(form->GradButton3);
    ASSERT_GE(form->gfind->RowCount(), 14);
    for (int row = 0; row < 14; ++row) {
        ClickRow(form->gfind, row);
        Click(form->GradButton1);
    }
    ChooseEntry(form->c2, 4);  // "Atacante"
    Click(form->GradButton3);
    ASSERT_GE(form->gfind->RowCount(), 7);
    for (int row = 0; row < 7; ++row) {
        ClickRow(form->gfind, row);
        if (row < 6) Click(form->GradButton1);
    }
    EXPECT_FALSE(form->GradButton1->Enabled());  // a twenty-first outfield player cannot come
    EXPECT_EQ(form->gsel->RowCount(), 23);
    EXPECT_TRUE(form->bt2->Enabled());

    ClickRow(form->gsel, 3);
    Click(form->GradButton2);  // "<<": one midfielder less
    EXPECT_FALSE(form->bt2->Enabled());
    EXPECT_EQ(form->Label15->Caption(), "19");  // the counter alone, beside its caption
    EXPECT_EQ(form->Label10->Caption(), "3");
    ClickRow(form->gfind, 6);
    Click(form->GradButton1);
    ASSERT_TRUE(form->bt2->Enabled());

    const std::vector<int> called = form->Squad().Players();
    std::vector<int> homes;
    for (int p : called) homes.push_back(Players[p].Club);
    Click(form->bt2);
    EXPECT_EQ(Screen->FormCount(), 0);
    std::vector<int> sorted = called;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(PlayersOfClub(entry), sorted);
    for (int p : ownSquad) EXPECT_EQ(Players[p].Club, -1);
    for (std::size_t i = 0; i < called.size(); ++i) {
        const auto& squad = PlayersOfClub(homes[i]);
        EXPECT_EQ(std::count(squad.begin(), squad.end(), called[i]), 0);
    }

    EndTournamentCallUps();
    for (std::size_t i = 0; i < called.size(); ++i)
        EXPECT_EQ(Players[called[i]].Club, homes[i]);
    EXPECT_EQ(PlayersOfClub(entry), ownSquad);
}

// "<<" takes the highlighted player off the list; the player who takes his row is then the one
// highlighted, and the next "<<" takes him.
TEST_F(CallUpScreenTest, AfterARemovalThePlayerShownSelectedIsTheOneTheNextRemovalTakes)
{
    const int entry = BrazilEntry();
    ASSERT_GE(entry, 0);
    const SoleHumanNation human(entry);
    CallUpNationEntry = entry;
    auto* form = Show<TForm77>("TForm77");
    ASSERT_NE(form, nullptr);
    CallUpFirstFound(form, 3, 4);  // "Meio Campo"
    TDataGrid* gsel = form->gsel;
    ASSERT_EQ(gsel->RowCount(), 4);
    TDgCustomColumn* name = gsel->ColumnByName("colnome2");
    // In the selection's colour: the grid's own while it has the focus, the inactive one once "<<" took it.
    const auto shownSelected = [&](int row) {
        gsel->Update();
        const QRgb pixel = gsel->BackingImage().pixel(gsel->ColumnScreenLeft(name) + name->Width() - 2, gsel->RowTop(row) + 2);
        const TColor selection = gsel->GridFocused() ? gsel->SelectionColor() : gsel->InactiveSelectionColor();
        return (pixel & 0xFFFFFFu) == (ToQColor(ColorToRGB(selection)).rgb() & 0xFFFFFFu);
    };
    const auto playerAt = [&](int row) { return std::stoi(gsel->GetCellTextByName("colid2", row)); };
    const auto called = [&](int player) {
        const std::vector<int> squad = form->Squad().Players();
        return std::count(squad.begin(), squad.end(), player) > 0;
    };

    ClickRow(gsel, 1);
    ASSERT_TRUE(shownSelected(1));
    const int second = playerAt(1);
    const int third = playerAt(2);
    Click(form->GradButton2);
    EXPECT_FALSE(called(second));
    ASSERT_EQ(gsel->RowCount(), 3);
    EXPECT_EQ(playerAt(gsel->SelectedRow()), third);
    EXPECT_TRUE(shownSelected(1));
    EXPECT_FALSE(shownSelected(0));
    EXPECT_FALSE(shownSelected(2));
    EXPECT_TRUE(form->GradButton2->Enabled());
    Click(form->GradButton2);
    EXPECT_FALSE(called(third));
    ASSERT_EQ(gsel->RowCount(), 2);

    // The last row goes: the row above it is the one shown selected and taken next.
    ClickRow(gsel, 1);
    Click(form->GradButton2);
    ASSERT_EQ(gsel->RowCount(), 1);
    EXPECT_EQ(gsel->SelectedRow(), 0);
    EXPECT_TRUE(shownSelected(0));
    const int first = playerAt(0);
    Click(form->GradButton2);
    EXPECT_FALSE(called(first));
    EXPECT_EQ(gsel->RowCount(), 0);
    EXPECT_TRUE(form->GradButton2->Enabled());  // "<<" with no row left takes nobody
    Click(form->GradButton2);
    EXPECT_EQ(form->Squad().Players().size(), 0u);
    form->Close();
}

// Alt+F4 closes the call-up unconfirmed: nobody moves and the national team keeps its own squad.
TEST_F(CallUpScreenTest, AltF4ClosesTheCallUpAndTheTeamKeepsItsOwnSquad)
{
    const int entry = BrazilEntry();
    ASSERT_GE(entry, 0);
    const SoleHumanNation human(entry);
    const std::vector<int> ownSquad = PlayersOfClub(entry);
    const std::size_t callUpsBefore = CallUps.size();
    bool closedByAltF4 = false;
    WhenOpen("TForm77", [&closedByAltF4](TForm* callUp) {
        test::PressKey(callUp->Widget(), Qt::Key_F4, Qt::AltModifier);
        closedByAltF4 = callUp->ModalResult() != mrNone;
        if (!closedByAltF4)
            callUp->Close();
    });
    ShowNationalCallUpOnScreen(1);
    EXPECT_TRUE(closedByAltF4);
    EXPECT_EQ(CallUps.size(), callUpsBefore);
    EXPECT_EQ(PlayersOfClub(entry), ownSquad);
}

}  // namespace
}  // namespace tarvelon
