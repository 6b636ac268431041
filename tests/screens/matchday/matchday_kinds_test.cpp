// Every kind of matchday played live on the matchday screen of a seeded game, in instant play,
// through to the results: a national cup day, the state championships' day (one screen per state
// shown), a continental day and a national-team day. Each day is reached by playing the days
// before it without a window, as the headless season does.
#include <gtest/gtest.h>

#include <QTest>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "controls/dc_combo.h"
#include "controls/grad_button.h"
#include "core/records/appearance_records.h"
#include "core/records/game_state.h"
#include "grid/dg_grid.h"
#include "core/records/match_records.h"
#include "core/records/state_championship.h"
#include "core/economy/friendly_booking.h"
#include "core/format/names.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/season/fixtures.h"
#include "core/seasonloop/season_loop.h"
#include "core/tables.h"
#include "core/views/day_results.h"
#include "core/vocab/countries.h"
#include "richtext/html_label.h"
#include "platform/forms/screen.h"
#include "platform/graphics/bitmap.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/common/form_references.h"
#include "screens/common/navigator.h"
#include "screens/matchday/matchday_screen.h"
#include "screens/matchday/results_screen.h"
#include "platform/forms/timer.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/in_match_answerer.h"
#include "tests/screens/quick_clock.h"
#include "tests/screens/seeded_matchday_suite.h"
#include "tests/screens/tables_fingerprint.h"

namespace tarvelon {
namespace {

// What the matchday screen showed while a day was played on it, and the results it reached.
struct LiveDay {
    std::set<std::string> headings;  // one per shown league, state or stage
    int daysShown = 0;
    int maxRows = 0;                 // the most match rows filled at once
    int venuesUnderCrests = 0;       // rows whose venue's text reaches under the home crest
    std::set<std::string> homeClubs; // the home clubs' names the rows showed
    TForm67* results = nullptr;
};

class MatchdayKindsTest : public test::SeededMatchdaySuite {
protected:
    static int TodaysKind() { return Calendar[Game.DayIndex].dayKind; }

    // Plays the days before the next day of this kind without a window; false when the season
    // ends first.
    static bool PlayHeadlessUntil(int kind)
    {
        while (TodaysKind() != kind) {
            if (Game.DayIndex >= kCalendarDays)
                return false;
            PlayDayToNextScreen();
        }
        return true;
    }

    // Today played in instant play from the navigator, as the hub's play does, watched until the
    // results open.
    static LiveDay PlayTodayLive()
    {
        Game.InstantPlay = 1;
        LiveDay live;
        TBitmap measure;
        OpenTodaysMatchday();
        test::PumpUntil(
            [&] {
                if (TForm46* screen = Matchday()) {
                    live.headings.insert(screen->lcamp->Caption());
                    live.daysShown = std::max(live.daysShown, screen->DaysShown());
                    int rows = 0;
                    for (const TMatchRow& row : screen->rows) {
                        rows += row.labt1 != nullptr ? 1 : 0;
                        if (row.labt1 && !row.labt1->Caption().empty())
                            live.homeClubs.insert(row.labt1->Caption());
                        if (row.est && row.esc1 && !row.est->Caption().empty()) {
                            measure.Canvas().Font.Assign(row.est->Font());
                            if (row.est->Left() + measure.Canvas().TextWidth(row.est->Caption()) > row.esc1->Left())
                                ++live.venuesUnderCrests;
                        }
                    }
                    live.maxRows = std::max(live.maxRows, rows);
                }
                return Results() != nullptr;
            },
            60000);
        live.results = Results();
        if (live.results)
            live.results->Timer1->SetEnabled(false);
        return live;
    }

    // The results list the day's matches, every one of today's kind.
    static void ExpectResultsOfKind(TForm67* results, int kind)
    {
        TDataGrid* grid = results->grid1;
        const int reportColumn = grid->ColumnByName("colreport")->Index();
        int matches = 0;
        for (int r = 0; r < grid->RowCount(); ++r) {
            const int report = std::stoi(grid->GetCellText(reportColumn, r));
            if (report < 0)
                continue;
            ++matches;
            EXPECT_EQ(MatchReports[report].kind, kind) << "row " << r;
        }
        EXPECT_GT(matches, 0);
    }

    // Every substitute of the day's matches is listed in his side's line-up with his own rating.
    static void ExpectSubstitutesWithTheirOwnRatings(TForm67* results)
    {
        const int firstReport = static_cast<int>(MatchReports.size()) - MatchCount;
        int checked = 0;
        for (const TSubAppearance& sub : SubAppearances) {
            if (sub.report < firstReport || sub.second <= 0)
                continue;
            results->ShowMatchReport(sub.report);
            const TMatchReport& report = MatchReports[sub.report];
            const TRichLabel* lineup = sub.club == report.club[0] ? results->escalacao1 : results->escalacao2;
            std::string html;
            for (const std::string& line : lineup->HTMLText())
                html += line;
            EXPECT_NE(html.find(Players[sub.second].Name.str() + "<IND x=\"165\">" + RatingText(sub.rating)),
                      std::string::npos)
                << Players[sub.second].Name.str();
            ++checked;
        }
        EXPECT_GT(checked, 0) << "a substitution in the day";
    }

    // The box clicked open and its item `item` clicked when the open list shows it; false (the
    // list closed again) when it would have to be scrolled to.
    static bool PickItem(TDcComboBox* box, int item)
    {
        QTest::mouseClick(box->Widget(), Qt::LeftButton, {}, QPoint(20, 10));
        EXPECT_TRUE(box->DroppedDown());
        TDcComboList* list = box->List();
        if (!box->DroppedDown() || !list)
            return false;
        const int shown = item - list->TopIndex();
        if (shown < 0 || shown >= list->VisibleCount()) {
            QTest::mouseClick(box->Widget(), Qt::LeftButton, {}, QPoint(20, 10));
            return false;
        }
        const int row = list->ItemHeight();
        const QPoint at(30, 1 + shown * row + row / 2);
        test::MoveMouse(list->Widget(), at);
        QTest::mouseClick(list->Widget(), Qt::LeftButton, {}, at);
        test::Pump();
        return true;
    }

    // The match reports the results grid lists now, in order.
    static std::vector<int> ListedReports(TForm67* results)
    {
        std::vector<int> reports;
        for (int row = 0; row < results->grid1->RowCount(); ++row)
            if (const int report = std::stoi(results->grid1->GetCellTextByName("colreport", row)); report >= 0)
                reports.push_back(report);
        return reports;
    }

    // Every competition with matches today is an item of the day's box; picking the items with the
    // mouse (those the open list shows without scrolling) lists each one's matches under its heading.
    // Returns how many items were picked.
    static int ExpectTheBoxListsEveryCompetition(TForm67* results)
    {
        TDcComboBox* box = results->Chooser();
        if (box == nullptr || !box->Visible()) {
            ADD_FAILURE() << "no box of the day's competitions";
            return 0;
        }
        const ResultsDay day = TodaysResultsDay();
        const ResultsChooser chooser = ResultsChooserOf(day, results->ShownRegion());
        for (int region : DayResultRegions(day))
            EXPECT_NE(std::find(chooser.regions.begin(), chooser.regions.end(), region), chooser.regions.end())
                << "region " << region;
        EXPECT_EQ(box->Items().Count(), static_cast<int>(chooser.captions.size()));
        EXPECT_EQ(DayReportsOfRegion(day, results->ShownRegion()), ListedReports(results));
        int picked = 0;
        for (int item = 0; item < box->Items().Count(); ++item) {
            const int region = chooser.regions[static_cast<std::size_t>(item)];
            const std::vector<int> reports = DayReportsOfRegion(day, region);
            if (item == box->ItemIndex() || reports.empty() || !PickItem(box, item))
                continue;
            EXPECT_EQ(box->ItemIndex(), item);
            EXPECT_EQ(results->ShownRegion(), region);
            EXPECT_EQ(ListedReports(results), reports) << box->Items().Strings(item);
            EXPECT_EQ(results->ShownReport(), reports.front()) << "the first match's report beside them";
            EXPECT_EQ(results->lcamp->Caption(), ResultsHeading(day, region));
            ++picked;
        }
        return picked;
    }

    // "Continuar >>" clicked: the calendar moves on.
    static void Continue(TForm67* results)
    {
        QTest::mouseClick(results->bt3->Widget(), Qt::LeftButton);
        test::Pump();
    }

    const test::QuickClock quickTicks_{test::kShortWaits};  // the match clock runs without waiting
};

TEST_F(MatchdayKindsTest, ANationalCupDayPlaysLiveAndBooksWhatTheHeadlessDayBooks)
{
    NewSeededGame(0);
    ASSERT_TRUE(PlayHeadlessUntil(kKindNationalCup));
    const int day = Game.DayIndex;
    Game.InstantPlay = 1;
    PlayDayToNextScreen();
    const std::uint64_t headless = test::TablesFingerprint();

    NewSeededGame(0);
    ASSERT_TRUE(PlayHeadlessUntil(kKindNationalCup));
    ASSERT_EQ(Game.DayIndex, day);
    const LiveDay live = PlayTodayLive();
    ASSERT_NE(live.results, nullptr);
    EXPECT_GE(live.daysShown, 1);
    EXPECT_EQ(static_cast<int>(live.headings.size()), live.daysShown) << "each shown league under its own heading";
    EXPECT_GT(live.maxRows, 0);
    ExpectResultsOfKind(live.results, kKindNationalCup);
    ExpectSubstitutesWithTheirOwnRatings(live.results);
    if (DayResultRegions(TodaysResultsDay()).size() > 1) {
        EXPECT_GT(ExpectTheBoxListsEveryCompetition(live.results), 0);
    }
    Continue(live.results);
    EXPECT_EQ(test::TablesFingerprint(), headless);
    EXPECT_GT(Game.DayIndex, day);
}

TEST_F(MatchdayKindsTest, TheStateChampionshipsDayShowsOneScreenPerState)
{
    NewSeededGame(0, true);
    ASSERT_TRUE(PlayHeadlessUntil(kKindStateChampionship));
    const int day = Game.DayIndex;
    // A state is shown when a human club plays in it: a second one, as a second coach's club would.
    int marked = 0;
    for (TStateChampionship& state : StateChampionships)
        if (state.active && !state.humanClubPresent && marked == 0) {
            state.humanClubPresent = 1;
            ++marked;
        }
    ASSERT_EQ(marked, 1);
    const LiveDay live = PlayTodayLive();
    ASSERT_NE(live.results, nullptr);
    EXPECT_GT(live.daysShown, 1) << "each state plays on a screen of its own";
    EXPECT_EQ(static_cast<int>(live.headings.size()), live.daysShown) << "each state under its own heading";
    ExpectResultsOfKind(live.results, kKindStateChampionship);
    // The results are headed by the state whose matches they list, not by the last state played.
    int firstReport = -1;
    for (int row = 0; row < live.results->grid1->RowCount() && firstReport < 0; ++row)
        firstReport = std::stoi(live.results->grid1->GetCellTextByName("colreport", row));
    ASSERT_GE(firstReport, 0);
    const int listedState = MatchReports[static_cast<std::size_t>(firstReport)].region;
    const std::string heading = live.results->lcamp->Caption();
    EXPECT_NE(heading.find(std::string("Campeonato ") + StateDemonyms[static_cast<std::size_t>(listedState)]),
              std::string::npos) << heading;
    // The box names the states by their championships' adjective; every played state can be looked at.
    ASSERT_EQ(live.results->Chooser(), live.results->combo1);
    // The states' list is a little taller, above the states' box.
    EXPECT_EQ(live.results->grid1->Height(), 480);
    EXPECT_LE(live.results->grid1->Top() + live.results->grid1->Height(), live.results->combo1->Top());
    EXPECT_EQ(live.results->combo1->Text(), StateDemonyms[static_cast<std::size_t>(listedState)]);
    EXPECT_FALSE(live.results->combopais->Visible());
    EXPECT_GT(ExpectTheBoxListsEveryCompetition(live.results), 0);
    Continue(live.results);
    EXPECT_GT(Game.DayIndex, day);
}

TEST_F(MatchdayKindsTest, AContinentalDayOfTheSecondSeasonPlaysLive)
{
    NewSeededGame(0, false, 1);
    ASSERT_EQ(Game.Season, 2);
    ASSERT_TRUE(PlayHeadlessUntil(kKindFirstContinentalCup));
    const int day = Game.DayIndex;
    const LiveDay live = PlayTodayLive();
    ASSERT_NE(live.results, nullptr);
    EXPECT_GE(live.daysShown, 1);
    EXPECT_GT(live.maxRows, 0);
    EXPECT_EQ(live.venuesUnderCrests, 0) << "a long venue name is cut before the crest";
    ExpectResultsOfKind(live.results, kKindFirstContinentalCup);
    ASSERT_EQ(live.results->Chooser(), live.results->Combolib);
    ASSERT_EQ(live.results->Combolib->Items().Count(), 2);
    EXPECT_EQ(live.results->Combolib->Items().Strings(0), "Libertadores");
    EXPECT_EQ(live.results->Combolib->Items().Strings(1), "Liga Campeões");
    if (DayResultRegions(TodaysResultsDay()).size() > 1) {
        EXPECT_EQ(ExpectTheBoxListsEveryCompetition(live.results), 1);
    }
    Continue(live.results);
    EXPECT_GT(Game.DayIndex, day);
}

TEST_F(MatchdayKindsTest, AWorldCupDayPlaysLive)
{
    NewSeededGame(0);
    ASSERT_TRUE(PlayHeadlessUntil(kKindWorldCup));
    const int day = Game.DayIndex;
    const LiveDay live = PlayTodayLive();
    ASSERT_NE(live.results, nullptr);
    EXPECT_EQ(live.daysShown, 1);
    EXPECT_GT(live.maxRows, 0);
    ExpectResultsOfKind(live.results, kKindWorldCup);
    EXPECT_EQ(live.results->Chooser(), nullptr) << "one tournament, no box";
    Continue(live.results);
    EXPECT_GT(Game.DayIndex, day);
}

// With every league unticked under "Visualização ligas" only the human club's league is watched:
// the day's first league, another country's, is played at once like the others, on the league's
// day and on the national cup's.
TEST_F(MatchdayKindsTest, UntickedLeaguesArePlayedWithoutDisplay)
{
    for (const int kind : {kKindNationalLeague, kKindNationalCup}) {
        NewSeededGame(0);
        const int human = Game.HumanClubs[0];
        ASSERT_GE(human, 0);
        const int country = Clubs[human].Country;
        ASSERT_GT(Leagues.size(), 1u);
        ASSERT_NE(Leagues[0].country, country) << "the day's first league is another country's";
        for (TLeague& league : Leagues)
            league.shown = 0;
        ASSERT_TRUE(PlayHeadlessUntil(kind));
        const LiveDay live = PlayTodayLive();
        ASSERT_NE(live.results, nullptr);
        const std::string name = kind == kKindNationalLeague ? "Campeonato " + NationalityName(country)
                                                             : "Copa " + CountryPhrase(country);
        EXPECT_EQ(live.daysShown, 1) << kind;
        for (const std::string& heading : live.headings)
            EXPECT_EQ(heading.rfind(name, 0), 0u) << heading;
        ExpectResultsOfKind(live.results, kind);
        EXPECT_GT(DayResultRegions(TodaysResultsDay()).size(), 1u) << "every league played";
        live.results->Close();
        test::Pump();
    }
}

// A national cup day on which no league has a first-stage tie to play shows nothing: the results
// follow at once.
TEST_F(MatchdayKindsTest, ACupDayWithNothingToShowGoesStraightToTheResults)
{
    NewSeededGame(0);
    ASSERT_TRUE(PlayHeadlessUntil(kKindNationalCup));
    ASSERT_EQ(Game.NationalCupStage, 1);
    for (TFixture& f : Fixtures)
        if (f.kind == kKindNationalCup && f.round == 1)
            f.round = 9;
    const LiveDay live = PlayTodayLive();
    ASSERT_NE(live.results, nullptr);
    EXPECT_EQ(live.daysShown, 0);
    EXPECT_EQ(Matchday(), nullptr);
}

TEST_F(MatchdayKindsTest, AFriendlyOfTheHumanClubPlaysLiveOnItsRow)
{
    NewSeededGame(0);
    const int club = Game.HumanClubs[0];
    ASSERT_GE(club, 0);
    const FriendlyDates dates = FreeFriendlyDates(club, false);
    ASSERT_FALSE(dates.days.empty());
    const int day = dates.days.front();
    const std::vector<std::pair<std::string, int>> opponents = FriendlyOpponents(club);
    ASSERT_FALSE(opponents.empty());
    const int opponent = opponents.front().second;
    BookFriendly(club, opponent, day, true, 0);
    while (Game.DayIndex < day)
        PlayDayToNextScreen();
    ASSERT_EQ(Game.DayIndex, day);
    ASSERT_EQ(TodaysKind(), kKindFriendlies);
    const LiveDay live = PlayTodayLive();
    ASSERT_NE(live.results, nullptr);
    EXPECT_EQ(live.headings.count("Amistosos"), 1u);
    EXPECT_GE(live.maxRows, 1) << "the friendly has its row";
    EXPECT_EQ(live.homeClubs.count(" " + Clubs[club].name.str()), 1u) << "the row names the home club";
    ExpectResultsOfKind(live.results, kKindFriendlies);
    Continue(live.results);
    EXPECT_GT(Game.DayIndex, day);
}

}  // namespace
}  // namespace tarvelon
