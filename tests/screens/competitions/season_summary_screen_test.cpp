// The season's turn on screen, on a seeded game of every league with the Brazilian state
// championships: the end-of-season summary (TForm26) and its "Continuar >>" into the next season,
// three seasons long, each season ending and starting as the headless seasons do, with the state
// champions shown once a season and the standings showing the game's tables. Also the summary's
// guards: one new season however often "Continuar" is pressed, each mini crest once in its image
// list.
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

#include <filesystem>
#include <memory>

#include "controls/grad_button.h"
#include "core/basics/random.h"
#include "core/hooks.h"
#include "core/persist/saved_game_image.h"
#include "core/progression/state_finals.h"
#include "core/records/game_state.h"
#include "core/records/state_championship.h"
#include "core/rollover/season_rollover.h"
#include "core/season/calendar.h"
#include "core/seasonloop/season_loop.h"
#include "core/seasonloop/season_turn.h"
#include "core/tables.h"
#include "core/views/season_summary.h"
#include "core/views/standings_view.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/forms/timer.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/lists.h"
#include "screens/club/friendly_screens.h"
#include "screens/common/game_flow.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/competitions/competition_screens.h"
#include "screens/competitions/season_summary_screen.h"
#include "screens/competitions/standings_screen.h"
#include "screens/history/state_champions_screen.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/competitions/season_turn_suite.h"
#include "tests/screens/competitions/standings_checks.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/quick_clock.h"
#include "tests/screens/tables_fingerprint.h"
#include "tools/gallery/gallery_game.h"

namespace tarvelon {
namespace {

using test::TAnswerer;
using test::TGameSnapshot;

constexpr int kSeasons = 3;

class SeasonSummaryScreenTest : public test::SeasonTurnSuite {};

void ExpectGridHolds(TDataGrid& grid, const std::vector<SummaryRow>& rows, const char* icon, const char* text)
{
    ASSERT_EQ(grid.RowCount(), static_cast<int>(rows.size()));
    for (int i = 0; i < grid.RowCount(); ++i) {
        EXPECT_EQ(grid.GetCellTextByName(icon, std::to_string(i)), std::to_string(rows[i].icon)) << i;
        EXPECT_EQ(grid.GetCellTextByName(text, std::to_string(i)), rows[i].text) << i;
    }
}

// Every table of the standings against the game's: divisions in the kept order, state groups and
// continental groups as the matchday ranked them (each club's place of that kind).
void ExpectStandingsShowTheGame(TForm36& form)
{
    for (int league = 0; league < static_cast<int>(Leagues.size()); ++league) {
        if (Leagues.size() >= 2) {
            form.comboboxd1->SetItemIndex(league);
            form.comboboxd1->OnChange(form.comboboxd1);
        }
        for (int d = 1; d <= Leagues[league].divisionCount; ++d) {
            const TStandingTable& table = form.divisionTables[d - 1];
            for (int r = 0; r < DivisionRows(); ++r) {
                const int club = Leagues[league].finalOrder[d - 1][r];
                if (club < 0)
                    continue;
                EXPECT_EQ(table.rows[r].name->Caption(), " " + Clubs[club].name.str()) << league << "/" << d << "/" << r;
                EXPECT_EQ(table.rows[r].numbers[0]->Caption(), std::to_string(Clubs[club].Points[1]));
            }
        }
    }
    for (std::size_t item = 0; item < form.StateComboStates.size(); ++item) {
        form.combobox1->SetItemIndex(static_cast<int>(item));
        form.combobox1->OnChange(form.combobox1);
        const int state = form.StateComboStates[item];
        for (int g = 1; g <= std::min(StateChampionships[state].groupCount, 4); ++g) {
            const TStandingTable& table = form.stateTables[g - 1];
            for (int club : StateGroupClubs(state, g)) {
                if (club < 0)
                    continue;
                const int place = Clubs[club].Place[3];
                ASSERT_GE(place, 1);
                // Level clubs may stand either way round; their numbers are the same.
                EXPECT_EQ(table.rows[place - 1].numbers[0]->Caption(), std::to_string(Clubs[club].Points[3]));
            }
        }
    }
}

TEST_F(SeasonSummaryScreenTest, ThreeSeasonsOnScreenEndAndStartAsTheHeadlessSeasons)
{
    NewGame();
    InstallCompetitionScreenHooks();
    TAnswerer answerer;
    int championsShown = 0;
    answerer.onStateChampions = [&championsShown](TForm66& form) {
        ++championsShown;
        EXPECT_EQ(form.gcamp->RowCount(), static_cast<int>(StateChampionRows.size()));
        EXPECT_EQ(form.Label1->Caption(), StateChampionsTitle());
    };
    for (int season = 0; season < kSeasons; ++season) {
        bool lookedAtStandings = false;
        PlayToSeasonEnd([&lookedAtStandings, season] {
            if (season == 0)
                KeepBoardsFaith();
            if (lookedAtStandings || Game.DayKind != 1)
                return;
            auto* standings = dynamic_cast<TForm36*>(CreateScreen("TForm36", Application));
            ASSERT_NE(standings, nullptr);
            standings->Show();
            ExpectStandingsShowTheGame(*standings);
            standings->Close();
            test::Pump();
            lookedAtStandings = true;
        });
        EXPECT_TRUE(lookedAtStandings);
        EXPECT_EQ(championsShown, season + 1);
        const TGameSnapshot seasonEnd;
        if (season == 0 && !firstSeasonEnd_)
            firstSeasonEnd_ = std::make_unique<TGameSnapshot>(seasonEnd);

        // On screen: the summary, answered by Enter.
        TForm26* summary = OpenSummary();
        ASSERT_NE(summary, nullptr);
        EXPECT_EQ(SummarySeason, season + 1);
        ExpectGridHolds(*summary->gridc, DivisionChampionRows(SummaryLeague, SummarySeason), "colimg1", "colinfo1");
        EXPECT_EQ(summary->gridi->Visible(), season > 0);
        if (season > 0)
            ExpectGridHolds(*summary->gridi, SeasonChampionRows(SummarySeason), "colimg1i", "colinfo1i");
        QTest::keyClick(summary->Widget(), Qt::Key_Return);
        const std::uint64_t onScreen = test::SeasonFingerprint();
        const int firstDay = Game.DayIndex;
        ASSERT_TRUE(test::PumpUntil([] { return LastOpenedScreen() != "TForm26"; }, 5000));
        for (int i = Screen->FormCount() - 1; i >= 0; --i)
            delete Screen->Forms(i);
        test::Pump();

        // Headless from the same season end: the same new season.
        seasonEnd.Restore();
        TurnToNewSeason();
        EXPECT_EQ(test::SeasonFingerprint(), onScreen) << "season " << season + 1;
        EXPECT_EQ(Game.DayIndex, firstDay);
    }
    EXPECT_EQ(Game.Season, kSeasons + 1);
}

TEST_F(SeasonSummaryScreenTest, ContinuarStartsTheNewSeasonOnceAndCrestsJoinTheListOnce)
{
    RestoreFirstSeasonEnd();
    ASSERT_GT(Game.HumanClubCount, 0);
    TForm26* summary = OpenSummary();
    ASSERT_NE(summary, nullptr);
    ASSERT_GE(Leagues.size(), 2u);
    // The form fills the window; its 800 x 600 panel stands centred across it, from the top.
    const TRect area = Screen->WorkAreaRect();
    EXPECT_TRUE(summary->BoundsRect() == area) << area.Right - area.Left << " x " << area.Bottom - area.Top;
    ASSERT_NE(summary->Panel1, nullptr);
    EXPECT_EQ(summary->Panel1->Width(), 800);
    EXPECT_EQ(summary->Panel1->Left(), (summary->ClientWidth() - 800) / 2);
    EXPECT_EQ(summary->Panel1->Top(), 0);
    EXPECT_EQ(summary->gridc->Parent(), summary->Panel1);
    const int crests = summary->ImageList2->Count();
    const int first = summary->combopais->ItemIndex();
    const int other = first == 0 ? 1 : first - 1;
    test::PressKey(summary->combopais->Widget(), first == 0 ? Qt::Key_Down : Qt::Key_Up);
    test::Pump();
    EXPECT_EQ(SummaryLeague, other);
    ExpectGridHolds(*summary->gridc, DivisionChampionRows(other, SummarySeason), "colimg1", "colinfo1");
    const int withOther = summary->ImageList2->Count();
    EXPECT_GE(withOther, crests);
    test::PressKey(summary->combopais->Widget(), first == 0 ? Qt::Key_Up : Qt::Key_Down);
    test::PressKey(summary->combopais->Widget(), first == 0 ? Qt::Key_Down : Qt::Key_Up);
    test::Pump();
    EXPECT_EQ(summary->ImageList2->Count(), withOther);

    // The friendlies prompt is up while Enter and the instant-play timer press "Continuar" again.
    TAnswerer answerer;
    int prompts = 0;
    answerer.onDialog = [&prompts, summary](TGameForm& form) {
        if (form.FormClass() != "TForm85")
            return;
        ++prompts;
        test::PressKey(summary->Widget(), Qt::Key_Return);
        summary->Timer1->OnTimer(summary->Timer1);
    };
    const int season = Game.Season;
    OfferPreseasonFriendlies = OfferPreseasonFriendliesOnScreen;
    QTest::mouseClick(summary->bt3->Widget(), Qt::LeftButton);
    OfferPreseasonFriendlies = {};
    EXPECT_EQ(prompts, 1);
    EXPECT_EQ(Game.Season, season);
    ASSERT_TRUE(test::PumpUntil([] { return LastOpenedScreen() != "TForm26"; }, 5000));
    EXPECT_TRUE(LastOpenedScreen() == "TForm13" || LastOpenedScreen() == "TForm46");
}

}  // namespace
}  // namespace tarvelon
