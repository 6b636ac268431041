// The read-only views of the matchday screens: how an event is presented (icon, colour, text,
// minute, sound, the red-card pause), the results table's rows with their headings, the report's
// line-ups, and the live screen's layout by competition kind and stage.
#include <gtest/gtest.h>

#include <tuple>

#include "core/match/match_events_codes.h"
#include "core/records/match_records.h"
#include "core/records/appearance_records.h"
#include "core/matchday_rules/matchday_state.h"
#include "core/records/game_state.h"
#include "core/records/state_championship.h"
#include "core/records/matchday_globals.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/season/fixtures.h"
#include "core/tables.h"
#include "core/views/day_results.h"
#include "core/views/match_event_view.h"
#include "core/views/matchday_layout.h"
#include "core/vocab/countries.h"

namespace tarvelon {
namespace {

class MatchdayViews : public ::testing::Test {
protected:
    void SetUp() override
    {
        Game = TGameState{};
        Players.assign(4, TPlayer{});
        Players[1].Name = "Aldo";
        Players[2].Name = "Bené";
        Players[3].Name = "Caco";
        Clubs.assign(2, TClub{});
        Clubs[0].IsHuman = 1;
        MatchReports.clear();
        ReportEvents.clear();
        Appearances.clear();
        SubAppearances.clear();
    }
    void TearDown() override
    {
        Players.assign(1, TPlayer{});
        Clubs.clear();
        MatchReports.clear();
        Appearances.clear();
        SubAppearances.clear();
    }
    static TMatchEventEntry Event(int code, int club, int player, int second, int tick)
    {
        return {code, club, player, second, tick, 1};
    }
};

TEST_F(MatchdayViews, EachEventHasItsIconColourTextAndMinute)
{
    struct Case {
        TMatchEventEntry event;
        const char* icon;
        const char* colour;
        const char* text;
        int minute;
        int half;
    };
    const Case cases[] = {
        {Event(meGoal, 0, 1, -1, 1), "i_gol", "clwhite", "Aldo", 1, 1},
        {Event(meOwnGoal, 0, 2, -1, 40), "i_golv", "#DFDF00", "Bené (contra)", 20, 1},
        {Event(meFreeKickGoal, 1, 1, -1, 92), "i_gol", "clwhite", "Aldo (de falta)", 46, 1},
        {Event(mePenaltyGoal, 1, 1, -1, 93), "i_gol", "clwhite", "Aldo (de penalti)", 0, 2},
        {Event(mePenaltyMissed, 1, 3, -1, 120), "i_golv", "#DFDF00", "Caco (perdeu penalti)", 14, 2},
        {Event(meCard, 0, 1, ckYellow, 10), "i_ca", "clyellow", "Aldo", 5, 1},
        {Event(meCard, 0, 1, ckRed, 10), "i_cv", "clred", "Aldo", 5, 1},
        {Event(meCard, 0, 1, ckSecondYellow, 10), "i_cacv", "clred", "Aldo", 5, 1},
        {Event(meInjury, 0, 2, -1, 30), "i_ct", "clred", "Bené", 15, 1},
        {Event(meSubstitution, 0, 2, 3, 150), "i_sub", "clwhite", "(Bené) Caco", 29, 2},
        {Event(meInjurySubstitution, 0, 2, 3, 150), "i_sub", "clred", "(Bené) Caco", 29, 2},
    };
    for (const Case& c : cases) {
        const MatchEventView view = ViewOfMatchEvent(c.event);
        EXPECT_EQ(view.icon, c.icon) << c.text;
        EXPECT_EQ(view.colour, c.colour) << c.text;
        EXPECT_EQ(view.text, c.text);
        EXPECT_EQ(view.minute, c.minute) << c.text;
        EXPECT_EQ(view.half, c.half) << c.text;
        EXPECT_TRUE(IsShownEventCode(c.event.code));
    }
    EXPECT_FALSE(IsShownEventCode(mePass));
    EXPECT_EQ(MatchEventRichText(Event(meGoal, 0, 1, -1, 24), true),
              "<FONT color=\"clwhite\"  size=\"11\" face=\"Arial\"><shad><b>Aldo 12'</shad></font>");
    EXPECT_EQ(MatchEventRichText(Event(meCard, 0, 1, ckYellow, 24), false),
              "<FONT color=\"clyellow\"  size=\"11\" face=\"Arial\"><shad>Aldo 12'</shad></font>");
}

TEST_F(MatchdayViews, GoalSoundsAndTheRedCardPauseFollowTheHumanClub)
{
    // Club 0 is human, club 1 is not.
    EXPECT_EQ(GoalSoundOfEvent(Event(meGoal, 0, 1, -1, 5), 1), "gol");
    EXPECT_EQ(GoalSoundOfEvent(Event(meOwnGoal, 0, 1, -1, 5), 1), "gol");
    EXPECT_EQ(GoalSoundOfEvent(Event(meFreeKickGoal, 1, 1, -1, 5), 0), "goladv");
    EXPECT_EQ(GoalSoundOfEvent(Event(mePenaltyGoal, 0, 1, -1, 5), 1), "") << "a penalty goal plays no sound";
    EXPECT_EQ(GoalSoundOfEvent(Event(meGoal, 1, 1, -1, 5), 1), "");
    EXPECT_TRUE(IsHumanSendingOff(Event(meCard, 0, 1, ckRed, 5)));
    EXPECT_TRUE(IsHumanSendingOff(Event(meCard, 0, 1, ckSecondYellow, 5)));
    EXPECT_FALSE(IsHumanSendingOff(Event(meCard, 0, 1, ckYellow, 5)));
    EXPECT_FALSE(IsHumanSendingOff(Event(meCard, 1, 1, ckRed, 5)));
}

TEST_F(MatchdayViews, ResultRowsPutEachHeadingWhereItsBlockStartsAndNoneBeyondTheMatches)
{
    Game.DayIndex = 5;
    Calendar[5].date = 45000;
    Game.DayKind = kKindNationalLeague;
    Game.LeagueFormat = kDivisionsOf20;
    const auto addReports = [](int count, int region, int kind, double date) {
        for (int i = 0; i < count; ++i) {
            TMatchReport report{};
            report.club[0] = 1;
            report.club[1] = 1;
            report.kind = kind;
            report.region = region;
            report.date = date;
            MatchReports.push_back(report);
        }
    };
    addReports(3, 0, kKindNationalLeague, 44990);  // an earlier day
    addReports(12, 2, kKindNationalLeague, 45000);
    addReports(2, 1, kKindNationalLeague, 45000);
    MatchReports[16].club[0] = 0;                  // the human club plays in region 1
    const std::vector<TLeague> savedLeagues = Leagues;
    Leagues.assign(3, TLeague{});
    Leagues[1].humanPresent = 1;
    const ResultsDay today = TodaysResultsDay();
    EXPECT_EQ(DayResultRegions(today), (std::vector<int>{2, 1}));
    EXPECT_EQ(FirstShownRegion(today), 1);
    Leagues = savedLeagues;
    const std::vector<DayResultRow> rows = DayResultRows(today, 2);
    ASSERT_EQ(rows.size(), 14u);
    EXPECT_EQ(rows[0].heading, "1ª divisão");
    EXPECT_EQ(rows[1].report, 3);
    EXPECT_EQ(rows[11].report, -1);
    EXPECT_EQ(rows[11].heading, "2ª divisão");
    EXPECT_EQ(rows[13].report, 14);
    EXPECT_EQ(DayResultRows(today, 1).size(), 3u) << "one heading for a block of two matches";
    EXPECT_EQ(LastArchivedResultsDay().date, 45000);

    Game.DayKind = kKindStateChampionship;
    Game.StateStage = 7;
    addReports(1, 4, kKindStateChampionship, 45000);
    EXPECT_EQ(DayResultRows(TodaysResultsDay(), 4).size(), 1u) << "the final has no heading";
    MatchReports.back().shootout = 1;
    MatchReports.back().shootoutGoals[0] = 4;
    MatchReports.back().shootoutGoals[1] = 3;
    EXPECT_EQ(ShootoutText(static_cast<int>(MatchReports.size()) - 1), "(P:4x3)");
    EXPECT_EQ(ShootoutText(0), "");
}

// The results screen's box: leagues by country only when two or more are played, both editions on
// continental days, the active states on state days; the first item shown is the region listed.
TEST_F(MatchdayViews, TheResultsBoxOffersEachCompetitionOfTheDayWithItsHeading)
{
    const std::vector<TLeague> savedLeagues = Leagues;
    const auto savedStates = StateChampionships;
    MatchdayRoundText = " - 1º turno - 3ª rodada";
    Leagues.assign(1, TLeague{});
    Leagues[0].country = kStateCountry;
    EXPECT_EQ(ResultsChooserOf({45000, kKindNationalLeague}, 0).kind, ResultsChooserKind::None) << "one league: no box";
    Leagues.assign(3, TLeague{});
    Leagues[0].country = kStateCountry;
    Leagues[1].country = 1;
    Leagues[2].country = 2;
    const ResultsChooser leagues = ResultsChooserOf({45000, kKindNationalCup}, 2);
    EXPECT_EQ(leagues.kind, ResultsChooserKind::League);
    EXPECT_EQ(leagues.captions, (std::vector<std::string>{CountryNames[kStateCountry], CountryNames[1], CountryNames[2]}));
    EXPECT_EQ(leagues.regions, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(leagues.selected, 2);
    EXPECT_EQ(ResultsHeading({45000, kKindNationalLeague}, 0), "Campeonato Brasileiro - 1º turno - 3ª rodada");
    EXPECT_EQ(ResultsHeading({45000, kKindNationalCup}, 0), "Copa do Brasil - 1º turno - 3ª rodada");

    const ResultsChooser second = ResultsChooserOf({45000, kKindSecondContinentalCup}, 2);
    EXPECT_EQ(second.captions, (std::vector<std::string>{"Sul-Americana", "Liga Europa da UEFA"}));
    EXPECT_EQ(second.regions, (std::vector<int>{1, 2}));
    EXPECT_EQ(second.selected, 1);
    EXPECT_EQ(ResultsChooserOf({45000, kKindFirstContinentalCup}, 0).captions,
              (std::vector<std::string>{"Libertadores", "Liga Campeões"}));
    EXPECT_EQ(ResultsChooserOf({45000, kKindFirstContinentalCup}, 0).selected, 0) << "no region shown: the first";
    EXPECT_EQ(ResultsHeading({45000, kKindFirstContinentalCup}, 2), "Liga dos Campeões - 1º turno - 3ª rodada");

    for (TStateChampionship& state : StateChampionships)
        state.active = 0;
    StateChampionships[10].active = 1;
    StateChampionships[25].active = 1;
    const ResultsChooser states = ResultsChooserOf({45000, kKindStateChampionship}, 25);
    EXPECT_EQ(states.captions, (std::vector<std::string>{StateDemonyms[10], StateDemonyms[25]}));
    EXPECT_EQ(states.selected, 1);
    EXPECT_EQ(ResultsHeading({45000, kKindStateChampionship}, 10), std::string("Campeonato ") + StateDemonyms[10] + MatchdayRoundText);
    EXPECT_EQ(ResultsChooserOf({45000, kKindWorldCup}, 0).kind, ResultsChooserKind::None);
    Leagues = savedLeagues;
    StateChampionships = savedStates;
    MatchdayRoundText.clear();
}

// Which competition the results open on: the first league chosen for display or with a human club
// (on a cup day his league counts only while its cup is in the first two stages and has a first
// round), else the first league; the first continental edition whoever plays in the second; the
// first active state with a human club, else the state the live matchday showed last.
TEST_F(MatchdayViews, TheResultsOpenOnTheFirstLeagueShownOrPlayedTheFirstEditionAndTheHumanState)
{
    const std::vector<TLeague> savedLeagues = Leagues;
    const std::vector<TFixture> savedFixtures = Fixtures;
    const auto savedStates = StateChampionships;
    const int savedState = CurrentState;
    Leagues.assign(3, TLeague{});
    Fixtures.clear();
    EXPECT_EQ(FirstShownRegion({45000, kKindNationalLeague}), 0) << "no league followed: the first";
    Leagues[2].humanPresent = 1;
    EXPECT_EQ(FirstShownRegion({45000, kKindNationalLeague}), 2);
    Leagues[1].shown = 1;
    EXPECT_EQ(FirstShownRegion({45000, kKindNationalLeague}), 1) << "a league chosen for display comes first";
    Leagues[1].shown = 0;
    Game.NationalCupStage = 1;
    EXPECT_EQ(FirstShownRegion({45000, kKindNationalCup}), 0) << "his league's cup has no first round";
    TFixture firstRound{};
    firstRound.region = 2;
    firstRound.kind = kKindNationalCup;
    firstRound.round = 1;
    Fixtures.push_back(firstRound);
    EXPECT_EQ(FirstShownRegion({45000, kKindNationalCup}), 2);
    Game.NationalCupStage = 3;
    EXPECT_EQ(FirstShownRegion({45000, kKindNationalCup}), 0);
    Leagues.assign(1, TLeague{});
    Leagues[0].shown = 0;
    EXPECT_EQ(FirstShownRegion({45000, kKindNationalLeague}), 0);

    // A human club in the second edition: the box still opens on the first.
    TMatchReport report{};
    report.club[0] = 0;
    report.kind = kKindFirstContinentalCup;
    report.region = 2;
    report.date = 45000;
    MatchReports.push_back(report);
    EXPECT_EQ(FirstShownRegion({45000, kKindFirstContinentalCup}), 1);
    EXPECT_EQ(FirstShownRegion({45000, kKindSecondContinentalCup}), 1);

    for (TStateChampionship& state : StateChampionships)
        state = TStateChampionship{};
    CurrentState = 18;
    StateChampionships[10].active = 1;
    StateChampionships[25].humanClubPresent = 1;
    EXPECT_EQ(FirstShownRegion({45000, kKindStateChampionship}), 18) << "his state plays no championship";
    StateChampionships[25].active = 1;
    EXPECT_EQ(FirstShownRegion({45000, kKindStateChampionship}), 25);
    EXPECT_EQ(FirstShownRegion({45000, kKindWorldCup}), 0);

    Leagues = savedLeagues;
    Fixtures = savedFixtures;
    StateChampionships = savedStates;
    CurrentState = savedState;
}

TEST_F(MatchdayViews, AReportLineupListsStartersByPitchOrderWithTheirSubstitutes)
{
    TMatchReport report{};
    report.club[0] = 0;
    report.club[1] = 1;
    MatchReports.push_back(report);
    // Forward (slot 10) listed after the goalkeeper (slot 1); the forward was replaced twice.
    Appearances.push_back({0, 1, 10, 7.5f, 1, {}, 0, 0, 0});
    Appearances.push_back({0, 2, 1, 0.0f, 1, {}, 0, 0, 1});
    Appearances.push_back({0, 3, 1, 6.0f, 1, {}, 1, 0, 0});  // the other side
    SubAppearances.push_back({1, 3, 120, 7.5f, 0, 0, 0, 0});
    SubAppearances.push_back({3, 2, 160, 5.0f, 0, 0, 0, 0});
    const std::vector<ReportLineupLine> lines = ReportLineup(0, 0);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].player, 2);
    EXPECT_TRUE(lines[0].injured);
    EXPECT_EQ(RatingText(lines[0].rating), "s/n");
    EXPECT_EQ(lines[1].player, 1);
    EXPECT_EQ(RatingText(lines[1].rating), "7.5");
    ASSERT_EQ(lines[1].substitutes.size(), 2u);
    EXPECT_EQ(lines[1].substitutes[0].player, 3);
    EXPECT_EQ(lines[1].substitutes[1].tick, 160);
    EXPECT_EQ(ReportLineup(0, 1).size(), 1u);
    EXPECT_TRUE(ReportLineup(5, 0).empty());
}

TEST_F(MatchdayViews, TheLiveLayoutFollowsTheKindAndStage)
{
    Game.DayKind = kKindNationalCup;
    Game.NationalCupStage = 3;
    MatchdayLayout layout = LayoutOfToday();
    EXPECT_EQ(layout.rows, 4);
    EXPECT_EQ(layout.panelHeight, 115);
    EXPECT_EQ(layout.headings, MatchdayHeadings::None);

    Game.DayKind = kKindNationalLeague;
    Game.LeagueFormat = kDivisionsOf20;
    layout = LayoutOfToday();
    EXPECT_EQ(layout.rows, 10);
    EXPECT_EQ(layout.panels, 4);
    EXPECT_TRUE(layout.divisionsShareOnePlace);
    EXPECT_EQ(MatchdayRowTop(layout, 3), 48);

    Game.DayKind = kKindWorldCup;
    Game.TournamentStage = 2;
    layout = LayoutOfToday();
    EXPECT_EQ(layout.rows, 16);
    ASSERT_EQ(layout.groupNames.size(), 8u);
    EXPECT_EQ(layout.groupNames[7], "Grupo H");
    EXPECT_EQ(MatchdayRowTop(layout, 1), 30);
    EXPECT_EQ(MatchdayRowTop(layout, 2), 50);
    EXPECT_EQ(MatchdayRowTop(layout, 3), 90) << "a gap after each pair";

    Game.TournamentStage = 7;
    layout = LayoutOfToday();
    EXPECT_EQ(layout.headings, MatchdayHeadings::Final);
    EXPECT_EQ(MatchdayRowTop(layout, 1), 30);
    EXPECT_EQ(MatchdayRowTop(layout, 2), 70);

    Game.DayKind = kKindCopaAmerica;
    Game.TournamentStage = 1;
    EXPECT_EQ(LayoutOfToday().panelHeight, 195);
    Game.DayKind = kKindClubWorldCup;
    Game.ClubWorldCupStage = 1;
    EXPECT_EQ(LayoutOfToday().rows, 2);
}

}  // namespace
}  // namespace tarvelon

#include "core/views/match_report_view.h"

namespace tarvelon {
namespace {

TEST_F(MatchdayViews, TheReportShowsFormationEventsAndStatistics)
{
    TMatchReport report{};
    report.club[0] = 0;
    report.club[1] = 1;
    const int slots[11] = {2, 3, 4, 5, 10, 11, 12, 13, 18, 19, 1};
    for (int k = 0; k < 11; ++k)
        report.startingSlots[0][k] = slots[k];
    MatchReports.push_back(report);
    EXPECT_EQ(FormatReportFormation(0, 1), "4-4-2");
    EXPECT_EQ(FormatReportFormation(0, 2), "0-0-0");

    ReportEvents.clear();
    ReportEvents.push_back({meOwnGoal, 1, 2, -1, 30, 0});  // credited to the away club
    ReportEvents.push_back({meGoal, 0, 1, -1, 100, 0});
    EXPECT_EQ(ReportEventLine(0, 0, 0, 1),
              "<P align=\"right\"><FONT color=\"#DFDF00\"  size=\"8\" face=\"Arial\"><B><shad>0x1 - Bené - 15' - 1º (contra) "
              "</shad><IMG src=\"i_golv\"></b></font></p>");
    std::string html = ReportEventsHtml(0);
    EXPECT_NE(html.find("1x1 - Aldo - 4' - 2º"), std::string::npos) << html;
    EXPECT_EQ(html.find("..."), std::string::npos);
    for (int i = 0; i < 13; ++i)
        ReportEvents.push_back({meCard, 0, 3, ckYellow, 10 + i, 0});
    html = ReportEventsHtml(0);
    EXPECT_NE(html.find("..."), std::string::npos) << "15 events: 14 lines, then ...";
    int lines = 0;
    for (std::size_t at = html.find("<P align"); at != std::string::npos; at = html.find("<P align", at + 1))
        ++lines;
    EXPECT_EQ(lines, kReportEventLines);
    ReportEvents.clear();

    // Neither side had the ball: 50 % each.
    EXPECT_EQ(ReportStatsHtml(0).substr(0, 14), "<shad>50%<IND ");
    MatchReports[0].stats[0][rsPossession] = 30;
    MatchReports[0].stats[1][rsPossession] = 10;
    EXPECT_EQ(ReportStatsHtml(0).substr(0, 14), "<shad>75%<IND ");
    // Two thirds of the ball: the report's box cuts the share down, the results screen rounds it.
    MatchReports[0].stats[0][rsPossession] = 20;
    EXPECT_EQ(ReportStatsHtml(0).substr(0, 14), "<shad>66%<IND ");
    EXPECT_NE(ReportStatsHtml(0).find("34%</shad>"), std::string::npos);
    EXPECT_EQ(ReportStatLines(0)[0].home, "67%");
}

TEST_F(MatchdayViews, TheResultsHeadingNamesEachContinentalEditionAndKeepsTheLiveOneOnOtherDays)
{
    MatchdayHeading = "Copa do Mundo - Grupo A";
    MatchdayRoundText = " - Oitavas de Final - 1º jogo";
    EXPECT_EQ(ResultsHeading({45000, kKindFirstContinentalCup}, 1), "Taça libertadores - Oitavas de Final - 1º jogo");
    EXPECT_EQ(ResultsHeading({45000, kKindSecondContinentalCup}, 1), "Copa Sul-Americana - Oitavas de Final - 1º jogo");
    EXPECT_EQ(ResultsHeading({45000, kKindSecondContinentalCup}, 2), "Liga Europa da UEFA - Oitavas de Final - 1º jogo");
    EXPECT_EQ(ResultsHeading({45000, kKindWorldCup}, 0), MatchdayHeading);
    MatchdayHeading.clear();
    MatchdayRoundText.clear();
}

TEST_F(MatchdayViews, AReportGivesItsVenueCrowdStatisticsAndTactics)
{
    Clubs[0].Stadium = "Estádio Central";
    TMatchReport report{};
    report.club[0] = 0;
    report.club[1] = 1;
    report.kind = kKindNationalLeague;
    report.attendance = 26380;
    report.sectorAttendance[0] = 20000;
    report.sectorAttendance[1] = 5000;
    report.sectorAttendance[2] = 1000;
    report.sectorAttendance[3] = 380;
    report.gate = 1234567;
    report.stats[0][rsShots] = 12;
    report.stats[1][rsFouls] = 17;
    report.playingStyle[0] = 2;
    report.attackSide[0] = 1;
    report.marking[0] = 2;
    report.playingStyle[1] = 9;  // out of range: the nearest style
    MatchReports.push_back(report);

    EXPECT_EQ(ResultsVenue(0), "Estádio Central");
    MatchReports[0].kind = kKindClubWorldCup;
    EXPECT_EQ(ResultsVenue(0), "Emirados Árabes") << "the club world cup's venue, as the live screen names it";
    EXPECT_EQ(ResultsVenue(1), "");
    for (int kind : {kKindFriendlies, kKindNationalLeague, kKindNationalCup, kKindStateChampionship, kKindFirstContinentalCup,
                     kKindSecondContinentalCup})
        EXPECT_TRUE(KindHasPayingCrowd(kind)) << kind;
    for (int kind : {kKindClubWorldCup, kKindWorldCup, kKindCopaAmerica, kKindEurocopa})
        EXPECT_FALSE(KindHasPayingCrowd(kind)) << kind;

    const CrowdTexts crowd = ReportCrowdTexts(0);
    EXPECT_EQ(crowd.attendance, "26 380 pagantes");
    EXPECT_EQ(crowd.sectors, "(G:20 000 A:5 000 Cd:1 000 Cm:380)");
    EXPECT_EQ(crowd.gate, "$1 234 567");

    const std::vector<ReportStatLine> stats = ReportStatLines(0);
    ASSERT_EQ(stats.size(), 5u);
    EXPECT_EQ(stats[0].home + stats[0].label + stats[0].away, "50%Posse de Bola50%");
    EXPECT_EQ(stats[1].home + stats[1].label + stats[1].away, "12Finalizações0");
    EXPECT_EQ(stats[2].label, "Roubadas bola");
    EXPECT_EQ(stats[3].label, "Passes errados");
    EXPECT_EQ(stats[4].home + stats[4].label + stats[4].away, "0Faltas cometidas17");

    const ReportTactics home = ReportSideTactics(0, 1);
    EXPECT_EQ(home.style + "/" + home.attackFocus + "/" + home.marking, "Contra-ataque/Pelas laterais/Muito Pesada");
    const ReportTactics away = ReportSideTactics(0, 2);
    EXPECT_EQ(away.style + "/" + away.attackFocus + "/" + away.marking, "Contra-ataque/Pelo meio/Leve");
    EXPECT_EQ(ReportSideTactics(0, 3).style, "");
}

}  // namespace
}  // namespace tarvelon

#include "core/season/fixtures.h"
#include "core/views/in_match_view.h"

namespace tarvelon {
namespace {

TEST_F(MatchdayViews, ASecondLegNamesItsFirstLegAndOtherMatchesDoNot)
{
    Clubs[0].name = "Ajax";
    Clubs[1].name = "Porto";
    const auto fixture = [](int kind, int round, int leg, int home, int away) {
        TFixture f;
        f.kind = kind;
        f.round = round;
        f.leg = leg;
        f.home = home;
        f.away = away;
        return f;
    };
    Fixtures.assign(1, TFixture{});
    for (const auto& [kind, round] : {std::pair{kKindNationalCup, 3}, std::pair{kKindStateChampionship, 8},
                                      std::pair{kKindFirstContinentalCup, 5}}) {
        Fixtures.push_back(fixture(kind, round, 1, 0, 1));
        Fixtures.back().homeGoals = 2;
        Fixtures.back().awayGoals = 1;
        Fixtures.back().played = 1;
        Fixtures.push_back(fixture(kind, round, 2, 1, 0));
        const int second = static_cast<int>(Fixtures.size()) - 1;
        EXPECT_EQ(FirstLegText(second), "Primeiro Jogo: Ajax 2 x 1 Porto") << kind;
        EXPECT_EQ(FirstLegText(second - 1), "") << "a first leg has none before it";
    }
    // A league's return match and a continental group match are no ties; nor is a tie whose first leg
    // is not played yet, or the state championship before its final.
    for (const auto& [kind, round, leg] : {std::tuple{kKindNationalLeague, 3, 2}, std::tuple{kKindSecondContinentalCup, 2, 2},
                                           std::tuple{kKindStateChampionship, 7, 2}}) {
        Fixtures.push_back(fixture(kind, round, 1, 0, 1));
        Fixtures.back().played = 1;
        Fixtures.push_back(fixture(kind, round, leg, 1, 0));
        EXPECT_EQ(FirstLegText(static_cast<int>(Fixtures.size()) - 1), "") << kind;
    }
    Fixtures.push_back(fixture(kKindNationalCup, 4, 1, 0, 1));
    Fixtures.push_back(fixture(kKindNationalCup, 4, 2, 1, 0));
    EXPECT_EQ(FirstLegText(static_cast<int>(Fixtures.size()) - 1), "");
    Fixtures[Fixtures.size() - 2].played = 1;
    Clubs[1].name = "Sociedade Esportiva Palm";  // a long name is written whole
    EXPECT_EQ(FirstLegText(static_cast<int>(Fixtures.size()) - 1), "Primeiro Jogo: Ajax 0 x 0 Sociedade Esportiva Palm");
    EXPECT_EQ(FirstLegText(-1), "");
    EXPECT_EQ(FirstLegText(static_cast<int>(Fixtures.size())), "");
    Fixtures.clear();
}

}  // namespace
}  // namespace tarvelon
