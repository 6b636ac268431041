// A whole league season played without a window: each day's matches set up and booked by the day's
// rules, the progression after every matchday, and the calendar advance from one day to the next,
// until the season ends.
#include <gtest/gtest.h>

#include "core/draws/national_cup.h"
#include "core/draws/cup_tie.h"
#include "core/draws/state_championship.h"
#include "core/history/history_records.h"
#include "core/match/match_flags.h"
#include "core/matchday/matchday_globals.h"
#include "core/matchday_rules/end_of_matchday.h"
#include "core/matchday_rules/matchday_setup.h"
#include "core/matchday_rules/matchday_state.h"
#include "core/matchday_rules/standings.h"
#include "core/progression/calendar_advance.h"
#include "core/progression/cup_prizes.h"
#include "core/progression/day_progression.h"
#include "core/progression/knockout_ties.h"
#include "core/progression/progression_services.h"
#include "core/progression/state_finals.h"
#include "core/rollover/season_rollover.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "tests/core/matchday_world.h"

namespace tarvelon {
namespace {

constexpr int kClubs = 20;

// One league of two divisions of ten, with or without its national cup of sixteen clubs.
void BuildLeagueSeason(std::uint32_t seed, bool withCup)
{
    testworld::BuildWorld(kClubs, seed);
    Progression() = ProgressionServices{};
    Game.LeagueFormat = kDivisionsOf10;
    Game.DayIndex = 0;
    Game.DayKind = -1;
    Game.nationalCupOn = withCup;
    for (int slot = 0; slot < 6; ++slot)  // no human coach, club or national team
        Game.HumanClubs[slot] = Game.HumanCoachSlots[slot] = Game.HumanNations[slot] = -1;
    BuildCalendar();
    TLeague& league = Leagues[0];
    league.divisionCount = 2;
    league.clubCount = kClubs;
    for (int c = 0; c < kClubs; ++c) {
        league.divisions[c / 10][c % 10] = c;
        Clubs[c].Division = 1 + c / 10;
        Clubs[c].Place[kKindNationalLeague] = 0;
    }
    Competitions.assign(1, TCompetition{});
    Competitions.push_back(TCompetition{kKindNationalLeague, testworld::kCountry, 1});
    Competitions.push_back(TCompetition{kKindNationalLeague, testworld::kCountry, 2});
    Competitions.push_back(TCompetition{kKindNationalCup, testworld::kCountry, -1});
    Fixtures.clear();
    BuildCompetitionFixtures(kKindNationalLeague, 0);
    if (withCup) {
        BuildCompetitionFixtures(kKindNationalCup, 0);
        DrawNationalCup(0);
    }
    Game.NationalCupStage = 1;
    Game.NationalCupLeg = 1;
    Game.nationalCupRound = 1;
    SeasonMatchesOver = false;
}

// Plays every league of the day, as the matchday screen and the progression hand it on; then what
// the results screen does when it opens on a league day.
void PlayOne()
{
    const int kind = Game.DayKind;
    if (kind == kKindStateChampionship) {
        SimulateStateMatchdaySilent(ResolveKnockoutStage);
    } else if (kind == kKindNationalLeague || kind == kKindNationalCup || kind == kKindFirstContinentalCup ||
               kind == kKindSecondContinentalCup) {
        SimulateMatchdayInstant(kind, ResolveKnockoutStage);
    } else {
        SetupMatchdayOfToday();  // the matchday screen's set-up, played to its last tick
        for (int tick = 1; tick <= kLastMatchdayTick; ++tick)
            PlayMatchdayTick(tick);
        EndOfMatchday(ResolveKnockoutStage);
    }
}

void PlayDay()
{
    SilentMatchday = true;
    MatchdayDayIndex = Game.DayIndex;
    PlayOne();
    for (NextMatchday next = ProgressAfterMatchday(); next != NextMatchday::Results; next = ProgressAfterMatchday()) {
        ClearMatchday();
        PlayOne();
    }
    if (Game.DayKind == kKindNationalLeague)
        CloseLeagueTables();
    else if (Game.DayKind == kKindWorldCup)
        CloseWorldCupGroups();
}

int CountChampions(int kind)
{
    int champions = 0;
    for (const TClubPlacing& p : ClubPlacings)
        champions += p.kind == kind && p.place == 1 ? 1 : 0;
    return champions;
}

TEST(HeadlessSeason, LeagueSeasonPlayedDayByDayToTheSeasonEnd)
{
    BuildLeagueSeason(8080, false);
    int leagueDays = 0;
    for (int d = 1; d <= kCalendarDays; ++d)
        leagueDays += Calendar[d].dayKind == kKindNationalLeague ? 1 : 0;
    ASSERT_EQ(leagueDays, 18);

    CalendarExit exit = AdvanceCalendar();
    int days = 0;
    while (exit == CalendarExit::NextMatchday && days < 40) {
        ASSERT_EQ(Game.DayKind, kKindNationalLeague);
        PlayDay();
        ++days;
        for (const TClub& club : Clubs) {
            ASSERT_GE(club.boardConfidence, 0);
            ASSERT_LE(club.boardConfidence, 100);
        }
        exit = AdvanceCalendar();
    }
    EXPECT_EQ(exit, CalendarExit::SeasonEnd);
    EXPECT_EQ(days, 18);
    EXPECT_TRUE(SeasonMatchesOver);
    EXPECT_EQ(Game.LeagueTurn, 2);
    for (const TFixture& f : Fixtures)
        EXPECT_EQ(f.played, 1);
    for (int c = 0; c < kClubs; ++c) {
        EXPECT_EQ(Clubs[c].Played[kKindNationalLeague], 18) << c;
        EXPECT_EQ(Clubs[c].Won[kKindNationalLeague] + Clubs[c].Lost[kKindNationalLeague] <= 18, true);
    }
    int goalsFor = 0;
    int goalsAgainst = 0;
    for (const TClub& club : Clubs) {
        goalsFor += club.GoalsFor[kKindNationalLeague];
        goalsAgainst += club.GoalsAgainst[kKindNationalLeague];
    }
    EXPECT_EQ(goalsFor, goalsAgainst);
    EXPECT_EQ(MatchReports.size(), 180u);
    EXPECT_EQ(CountChampions(kKindNationalLeague), 2);  // one per division, recorded once
}

}  // namespace
}  // namespace tarvelon

namespace tarvelon {
namespace {

TEST(HeadlessSeason, LeagueAndNationalCupToTheirChampions)
{
    BuildLeagueSeason(9090, true);
    int cupDays = 0;
    for (int d = 1; d <= kCalendarDays; ++d)
        cupDays += Calendar[d].dayKind == kKindNationalCup ? 1 : 0;
    ASSERT_EQ(cupDays, 10);
    CalendarExit exit = AdvanceCalendar();
    int days = 0;
    while (exit == CalendarExit::NextMatchday && days < 60) {
        PlayDay();
        ++days;
        exit = AdvanceCalendar();
    }
    EXPECT_EQ(exit, CalendarExit::SeasonEnd);
    EXPECT_EQ(days, 28);
    EXPECT_TRUE(SeasonMatchesOver);
    // The cup: stage 1 is skipped (a cup of sixteen), stages 2 to 5 played to one champion.
    EXPECT_EQ(Game.NationalCupStage, 6);
    EXPECT_EQ(Game.nationalCupRound, 11);
    EXPECT_EQ(CountChampions(kKindNationalCup), 1);
    EXPECT_EQ(CountChampions(kKindNationalLeague), 2);
    for (const TFixture& f : Fixtures) {
        EXPECT_EQ(f.played, 1) << f.kind << " " << f.round;
        EXPECT_GE(f.home, 0);
    }
    int entries = 0;
    for (const TClub& club : Clubs)
        entries += club.nationalCupEntry;
    EXPECT_EQ(entries, 0);
}

}  // namespace
}  // namespace tarvelon

namespace tarvelon {
namespace {

// 36 Brazilian clubs: two divisions of ten and sixteen regional clubs; São Paulo's 24 clubs play
// four tiers, Minas Gerais' 12 two.
TEST(HeadlessSeason, StateChampionshipsToTheirFinalsDecidedOnce)
{
    testworld::BuildWorld(36, 6060);
    Progression() = ProgressionServices{};
    Progression().closeStateGroups = CloseStateGroups;
    Game.LeagueFormat = kDivisionsOf10;
    Game.DayIndex = 0;
    Game.DayKind = -1;
    Game.StateChampionshipsOn = 1;
    Game.StateTurn = 1;
    Game.StateStage = 1;
    for (int slot = 0; slot < 6; ++slot)
        Game.HumanClubs[slot] = Game.HumanCoachSlots[slot] = Game.HumanNations[slot] = -1;
    BuildCalendar();
    TLeague& league = Leagues[0];
    league.divisionCount = 2;
    league.clubCount = 36;
    for (int c = 0; c < 36; ++c) {
        Clubs[c].Division = c < 20 ? 1 + c / 10 : 0;
        Clubs[c].State = c % 3 == 0 ? 10 : 25;
        if (c < 20)
            league.divisions[c / 10][c % 10] = c;
    }
    DrawStateChampionships();
    ASSERT_TRUE(StateChampionships[25].active);
    ASSERT_EQ(StateChampionships[25].groupCount, 4);
    ASSERT_EQ(StateChampionships[10].groupCount, 2);
    Competitions.assign(1, TCompetition{});
    Competitions.push_back(TCompetition{kKindNationalLeague, testworld::kCountry, 1});
    Competitions.push_back(TCompetition{kKindNationalLeague, testworld::kCountry, 2});
    for (int state : {10, 25})
        for (int tier = 1; tier <= StateChampionships[state].groupCount; ++tier)
            Competitions.push_back(TCompetition{kKindStateChampionship, state, tier});
    Fixtures.clear();
    BuildCompetitionFixtures(kKindNationalLeague, 0);
    for (int state : {10, 25})
        BuildCompetitionFixtures(kKindStateChampionship, state);
    SeasonMatchesOver = false;

    int stateDays = 0;
    int shown = 0;
    Progression().showStateChampions = [&shown] { ++shown; };
    CalendarExit exit = AdvanceCalendar();
    while (exit == CalendarExit::NextMatchday && stateDays + 18 < 60) {
        stateDays += Game.DayKind == kKindStateChampionship ? 1 : 0;
        PlayDay();
        exit = AdvanceCalendar();
    }
    EXPECT_EQ(exit, CalendarExit::SeasonEnd);
    EXPECT_EQ(stateDays, 12);
    EXPECT_EQ(Game.StateStage, 8);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(Game.stateFinalsSeason, Game.Season);
    ASSERT_EQ(StateChampionRows.size(), 2u);
    int stateChampions = 0;
    for (const TClub& club : Clubs)
        stateChampions += club.stateTitles;
    EXPECT_EQ(stateChampions, 2);
    for (const TFixture& f : Fixtures)
        EXPECT_EQ(f.played, 1) << f.kind << " " << f.round;
    // Asked again (the screen opened a second time), nothing is decided or paid twice.
    EXPECT_FALSE(DecideStateFinals());
    stateChampions = 0;
    for (const TClub& club : Clubs)
        stateChampions += club.stateTitles;
    EXPECT_EQ(stateChampions, 2);
}

}  // namespace
}  // namespace tarvelon

namespace tarvelon {
namespace {

// 32 national teams in eight groups: three group days, then the last sixteen to the final.
TEST(HeadlessSeason, WorldCupFromTheGroupsToItsChampion)
{
    testworld::BuildWorld(32, 7070);
    Progression() = ProgressionServices{};
    Game.LeagueFormat = kDivisionsOf10;
    Game.LeagueClubCount = 0;  // the 32 entries are national teams
    Game.DayIndex = 0;
    Game.DayKind = -1;
    Game.worldCupOn = 1;
    Game.TournamentStage = 1;
    Game.TournamentHost = 1;
    for (int slot = 0; slot < 6; ++slot)
        Game.HumanClubs[slot] = Game.HumanCoachSlots[slot] = Game.HumanNations[slot] = -1;
    BuildCalendar();
    Competitions.assign(1, TCompetition{});
    Competitions.push_back(TCompetition{kKindWorldCup, -1, -1});
    Fixtures.clear();
    ClearCupTieTeams(NationalCupTies);
    for (int c = 0; c < 32; ++c) {
        Clubs[c].Country = 100 + c;
        Clubs[c].Division = 0;
        Clubs[c].NationalTeamCupEntry = 1;
        Clubs[c].NationalTeamGroup = 1 + c / 4;
        Game.NationalGroups[c / 4][c % 4] = c;
    }
    TournamentJustEnded = false;

    int days = 0;
    CalendarExit exit = AdvanceCalendar();
    while (exit == CalendarExit::NextMatchday && days < 60) {
        if (Game.DayKind == kKindWorldCup)
            ++days;
        PlayDay();
        if (TournamentJustEnded)
            break;
        exit = AdvanceCalendar();
    }
    EXPECT_EQ(days, 7);
    EXPECT_EQ(Game.TournamentStage, 8);
    EXPECT_EQ(Game.tournamentOver, 1);
    EXPECT_EQ(Game.worldCupEditions, 1);
    for (int t = 1; t <= 16; ++t) {
        const TCupTie& tie = NationalCupTies[t];
        EXPECT_TRUE(tie.winner >= 0 && (tie.winner == tie.firstTeam || tie.winner == tie.secondTeam)) << t;
    }
    int placings = 0;
    for (const TPlacing& p : Placings)
        placings += p.competition == 1 ? 1 : 0;
    EXPECT_EQ(placings, 4);
    EXPECT_EQ(Placings.front().club, NationalCupTies[15].winner);
    // Four teams were still in for the last day: the finalists and the third-place teams.
    int stillIn = 0;
    for (int c = 0; c < 32; ++c)
        stillIn += Clubs[c].NationalTeamCupEntry;
    EXPECT_EQ(stillIn, 4);
    int goals = 0;
    for (const TMatchReport& r : MatchReports)
        goals += r.goals[0] + r.goals[1];
    EXPECT_EQ(MatchReports.size(), 64u);  // 48 group matches and 16 ties
    EXPECT_GT(goals, 64);
    AdvanceCalendar();
    EXPECT_FALSE(TournamentJustEnded);
}

}  // namespace
}  // namespace tarvelon

namespace tarvelon {
namespace {

// The South American edition of the first continental cup with 32 league clubs: six group days,
// the groups closed into the last sixteen, then two legs a stage to the champion.
TEST(HeadlessSeason, ContinentalCupFromTheGroupsToItsChampion)
{
    testworld::BuildWorld(32, 5050);
    Progression() = ProgressionServices{};
    Progression().closeContinentalGroups = CloseContinentalGroups;
    Game.LeagueFormat = kDivisionsOf10;
    Game.DayIndex = 0;
    Game.DayKind = -1;
    Game.Season = 2;  // the continental cups are played from the second season
    Game.firstContinentalPairOn = 1;
    Game.ClubWorldCupStage = 2;  // no club world cup draw in this world
    Game.FirstContinentalTurn = 1;
    Game.FirstContinentalStage = 1;
    Game.FirstContinentalLeg = 1;
    for (int slot = 0; slot < 6; ++slot)
        Game.HumanClubs[slot] = Game.HumanCoachSlots[slot] = Game.HumanNations[slot] = -1;
    BuildCalendar();
    for (auto& table : Game.ContinentalGroups)
        for (auto& group : table)
            for (auto& place : group)
                place = -1;
    const int table = ContinentalGroupTable(kKindFirstContinentalCup, 1);
    for (int c = 0; c < 32; ++c) {
        Clubs[c].Division = 0;
        Clubs[c].FirstContinentalEntry = 1;
        Clubs[c].firstContinentalGroup = 1 + c / 4;
        Game.ContinentalGroups[table][c / 4][c % 4] = c;
    }
    Competitions.assign(1, TCompetition{});
    Competitions.push_back(TCompetition{kKindFirstContinentalCup, -1, kConfSouthAmerica});
    Fixtures.clear();
    BuildCompetitionFixtures(kKindFirstContinentalCup, 0);

    int days = 0;
    CalendarExit exit = AdvanceCalendar();
    while (exit == CalendarExit::NextMatchday && days < 40) {
        if (Game.DayKind == kKindFirstContinentalCup)
            ++days;
        PlayDay();
        exit = AdvanceCalendar();
    }
    EXPECT_EQ(days, 14);
    EXPECT_EQ(Game.FirstContinentalStage, 8);
    EXPECT_EQ(CountChampions(kKindFirstContinentalCup), 1);
    int entries = 0;
    for (const TClub& club : Clubs)
        entries += club.FirstContinentalEntry;
    EXPECT_EQ(entries, 0);
    for (const TFixture& f : Fixtures)
        if (f.kind == kKindFirstContinentalCup && f.region == 1)
            EXPECT_EQ(f.played, 1) << f.round;
    // The money of the cup: gates to the home clubs, prizes to the finalists; nothing else moved.
    long long prizes = 0;
    for (std::size_t c = 0; c < Clubs.size(); ++c) {
        const TClubFinance& money = ClubFinances[c];
        EXPECT_EQ(Clubs[c].cash, CurrencyFromUnits(static_cast<long long>(money.prizes) + money.ticketIncome)) << c;
        prizes += money.prizes;
    }
    EXPECT_GE(prizes, 8000000);  // 5,000,000 and 3,000,000 (and the top scorer's club's prize, if any)
}

}  // namespace
}  // namespace tarvelon
