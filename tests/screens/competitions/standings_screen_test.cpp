// The standings (TForm36) on a seeded game with some matchdays played: the national page shows the
// divisions as the game keeps them, coloured by what each place gives; the division links, the
// league and state choosers and the page buttons refill what they concern; the continental pages
// say when no group is drawn yet; Escape closes it; the results screen opens it. And the state page
// with its chooser, on a fresh game of the state championships a few days in.
#include <QTest>

#include "controls/grad_button.h"
#include "core/records/game_state.h"
#include "core/records/state_championship.h"
#include "core/season/calendar.h"
#include "core/season/competitions.h"
#include "core/seasonloop/season_loop.h"
#include "core/tables.h"
#include "core/views/standings_view.h"
#include "core/vocab/countries.h"
#include "core/vocab/players.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/game_flow.h"
#include "screens/common/screen_registry.h"
#include "screens/competitions/standings_screen.h"
#include "screens/matchday/results_screen.h"
#include "tests/screens/competitions/season_turn_suite.h"
#include "tests/screens/competitions/standings_checks.h"
#include "tests/screens/views_test_support.h"

namespace tarvelon {
namespace {

using test::ExpectTableShows;
using viewstest::ViewsScreenTest;

class StandingsScreenTest : public ViewsScreenTest {};

// A TColor as the grabbed pixel reads it (0xRRGGBB).
unsigned PixelOf(TColor colour)
{
    const unsigned c = static_cast<unsigned>(colour);
    return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

TEST_F(StandingsScreenTest, TheNationalPageShowsTheDivisionsWithTheirColoursAndLinks)
{
    Game.DayKind = 1;
    auto* form = Open<TForm36>("TForm36");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->ShownStandingsTab, 1);
    EXPECT_EQ(form->ShownLeague, FirstShownLeague());
    EXPECT_EQ(form->titles[1]->Caption(), LeagueStandingsTitle(form->ShownLeague));
    const auto colours = LeagueRowColours(form->ShownLeague);
    for (int d = 1; d <= 2; ++d)
        ExpectTableShows(form->divisionTables[d - 1], DivisionTableRows(form->ShownLeague, d));
    EXPECT_TRUE(form->divisionTables[0].Visible());
    EXPECT_TRUE(form->divisionTables[1].Visible());
    EXPECT_FALSE(form->divisionTables[2].Visible());

    // Row 1 of the first division is a continental place, its last row a relegation.
    form->Repaint();
    test::Pump();
    QWidget* widget = WidgetOf(form);
    const auto& first = form->divisionTables[0].rows.front().numbers[3];
    EXPECT_EQ(test::GrabbedPixel(widget, first->Left() + 1, first->Top() + 1), PixelOf(PositionColors[colours[0][0]]));
    EXPECT_EQ(colours[0][0], kFirstCupRow);
    const auto& last = form->divisionTables[0].rows.back().numbers[3];
    EXPECT_EQ(test::GrabbedPixel(widget, last->Left() + 1, last->Top() + 1), PixelOf(PositionColors[kRelegationRow]));
    const auto& place = form->divisionTables[0].rows.front().place;
    EXPECT_EQ(test::GrabbedPixel(widget, place->Left() + 1, place->Top() + 1), PixelOf(0xFF8000));

    // The links choose the right-hand division.
    if (Leagues[form->ShownLeague].divisionCount >= 3) {
        Click(form->divisionLinks[1]);
        EXPECT_TRUE(form->divisionTables[2].Visible());
        EXPECT_FALSE(form->divisionTables[1].Visible());
        EXPECT_EQ(form->divisionLinks[1]->ColorScheme(), csGrass);
        ExpectTableShows(form->divisionTables[2], DivisionTableRows(form->ShownLeague, 3));
        // Another page and back: the division chosen is still shown.
        ASSERT_TRUE(form->pageButtons[7]->Visible());
        Click(form->pageButtons[7]);
        Click(form->pageButtons[1]);
        EXPECT_TRUE(form->divisionTables[2].Visible());
        EXPECT_FALSE(form->divisionTables[1].Visible());
        EXPECT_EQ(form->divisionLinks[1]->ColorScheme(), csGrass);
        Click(form->divisionLinks[0]);
        EXPECT_TRUE(form->divisionTables[1].Visible());
    }
    for (TGradButton* link : form->divisionLinks) {
        EXPECT_TRUE(link->Font().Style().Contains(fsBold));
        EXPECT_TRUE(link->Font().Style().Contains(fsUnderline));
        EXPECT_EQ(link->Cursor(), crHandPoint);
    }

    // Another league from the chooser, by key.
    if (Leagues.size() >= 2) {
        const int before = form->ShownLeague;
        PressKey(form->comboboxd1, before + 1 < static_cast<int>(Leagues.size()) ? Qt::Key_Down : Qt::Key_Up);
        EXPECT_NE(form->ShownLeague, before);
        EXPECT_EQ(form->titles[1]->Caption(), LeagueStandingsTitle(form->ShownLeague));
        ExpectTableShows(form->divisionTables[0], DivisionTableRows(form->ShownLeague, 1));
    }

    PressKey(form, Qt::Key_Escape);
    EXPECT_EQ(Screen->FormCount(), 0);
}

// With the regional fourth division, a Brazilian league of three divisions offers "Ver 4ª divisão",
// greyed, only while the state championships are played; on the other days there is no such link.
TEST_F(StandingsScreenTest, TitlesInYellowAndCellsOfTheirNamedWidths)
{
    auto* form = Open<TForm36>("TForm36");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->titles[1]->Font().Color(), clYellow);
    EXPECT_EQ(form->titles[1]->Font().Size(), 10);
    EXPECT_EQ(form->combobox1->Width(), 129);
    const TStandingTable::Row& row = form->divisionTables[0].rows.front();
    EXPECT_EQ(row.name->Width(), 123);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(row.numbers[i]->Width(), i < 5 ? 20 : 25) << i;
}

// With divisions of 10 the first two tables always stand side by side; the lower two only for a
// league that has them.
TEST_F(StandingsScreenTest, DivisionsOfTenShowTheUpperTwoTablesAndTheLowerOnesThatExist)
{
    const int format = Game.LeagueFormat;
    const int league = FirstShownLeague();
    const int divisions = Leagues[league].divisionCount;
    Game.LeagueFormat = 4;
    Leagues[league].divisionCount = 1;
    auto* form = Open<TForm36>("TForm36");
    ASSERT_NE(form, nullptr);
    Click(form->pageButtons[1]);
    ASSERT_EQ(form->ShownLeague, league);
    EXPECT_TRUE(form->divisionTables[0].Visible());
    EXPECT_TRUE(form->divisionTables[1].Visible());
    EXPECT_FALSE(form->divisionTables[2].Visible());
    EXPECT_FALSE(form->divisionTables[3].Visible());
    form->Close();
    test::Pump();
    Game.LeagueFormat = format;
    Leagues[league].divisionCount = divisions;
}

TEST_F(StandingsScreenTest, TheRegionalFourthDivisionsLinkStandsGreyedOnStateDaysOnly)
{
    ASSERT_EQ(Game.LeagueFormat, kDivisionsOf20);
    const int brazil = FindLeagueByCountry(CountryBrazil);
    ASSERT_GE(brazil, 0);
    const int divisions = Leagues[brazil].divisionCount;
    const int regional = Game.RegionalFourthDivision;
    const int dayKind = Game.DayKind;
    Leagues[brazil].divisionCount = 3;
    Game.RegionalFourthDivision = 1;
    for (int kind : {1, 3}) {
        Game.DayKind = kind;
        auto* form = Open<TForm36>("TForm36");
        ASSERT_NE(form, nullptr);
        Click(form->pageButtons[1]);  // "Nacional"
        ASSERT_EQ(form->ShownLeague, brazil);
        EXPECT_TRUE(form->divisionLinks[1]->Visible()) << "day kind " << kind;
        EXPECT_EQ(form->divisionLinks[2]->Visible(), kind == 3) << "day kind " << kind;
        if (kind == 3) {
            EXPECT_FALSE(form->divisionLinks[2]->Enabled());
        }
        PressKey(form, Qt::Key_Escape);
    }
    Leagues[brazil].divisionCount = divisions;
    Game.RegionalFourthDivision = regional;
    Game.DayKind = dayKind;
}

TEST_F(StandingsScreenTest, ContinentalPagesBeforeAnyGroupIsDrawn)
{
    ASSERT_EQ(Game.Season, 1);
    auto* form = Open<TForm36>("TForm36");
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(form->pageButtons[7]->Visible());
    Click(form->pageButtons[7]);
    EXPECT_TRUE(form->ShowEuropeanEdition);
    EXPECT_EQ(form->ShownStandingsTab, 4);
    EXPECT_EQ(form->titles[4]->Caption(), "Liga dos Campeões da Europa (grupos ainda não sorteados)");
    EXPECT_TRUE(form->continentalTables[7].Visible());
    EXPECT_EQ(form->continentalTables[0].rows[0].place->Caption(), "--");
    EXPECT_EQ(form->continentalTables[0].rows[0].name->Caption(), " ");
    EXPECT_EQ(form->continentalTables[0].rows[0].numbers[0]->Caption(), "0");
    Click(form->pageButtons[1]);
    EXPECT_FALSE(form->continentalTables[0].Visible());
    EXPECT_TRUE(form->divisionTables[0].Visible());
}

TEST_F(StandingsScreenTest, TheResultsScreenOpensTheStandings)
{
    Game.DayKind = 1;
    auto* results = Open<TForm67>("TForm67");
    ASSERT_NE(results, nullptr);
    ASSERT_TRUE(results->bt2->Visible());
    const auto seen = CloseWhatOpens(Screen->FormCount());
    Click(results->bt2);
    WaitForClosed(seen);
    EXPECT_EQ(*seen, std::vector<std::string>{"TForm36"});
}

class StandingsStatePageTest : public test::SeasonTurnSuite {};

TEST_F(StandingsStatePageTest, TheStandingsStatePageAndItsChooser)
{
    NewGame();
    for (int day = 0; day < 3; ++day)
        PlayDayToNextScreen();
    auto* form = dynamic_cast<TForm36*>(CreateScreen("TForm36", Application));
    ASSERT_NE(form, nullptr);
    form->Show();
    test::Pump();
    EXPECT_EQ(form->ShownState, FirstShownState());
    ASSERT_TRUE(form->pageButtons[3]->Visible());
    QTest::mouseClick(form->pageButtons[3]->Widget(), Qt::LeftButton);
    EXPECT_EQ(form->ShownStandingsTab, 3);
    EXPECT_TRUE(form->combobox1->Visible());
    EXPECT_FALSE(form->divisionTables[0].Visible());
    auto expectGroups = [form] {
        const int groups = std::min(StateChampionships[form->ShownState].groupCount, 4);
        for (int g = 1; g <= 4; ++g) {
            EXPECT_EQ(form->stateTables[g - 1].Visible(), g <= groups) << g;
            if (g <= groups)
                ExpectTableShows(form->stateTables[g - 1], RankedTableRows(StateGroupClubs(form->ShownState, g), 3));
        }
        EXPECT_EQ(form->titles[3]->Caption(), StateStandingsTitle(form->ShownState));
    };
    expectGroups();
    const int before = form->ShownState;
    test::PressKey(form->combobox1->Widget(), Qt::Key_Down);
    test::Pump();
    if (form->StateComboStates.size() >= 2 && form->StateComboStates.front() == before) {
        EXPECT_NE(form->ShownState, before);
    }
    expectGroups();
    QTest::mouseClick(form->Button1->Widget(), Qt::LeftButton);
    test::Pump();
    EXPECT_EQ(Screen->FormCount(), 0);
}

}  // namespace
}  // namespace tarvelon
