// Whole seasons played without a window: each day's matches set up and booked by the day's rules,
// the progression after every matchday, what the results screen does when it opens, and the
// calendar advance from one day to the next, until the season (or the competition) ends.
#include <gtest/gtest.h>

#include "core/club_rosters.h"
#include "core/records/cup_tie.h"
#include "core/draws/national_cup.h"
#include "core/draws/state_championship.h"
#include "core/records/history_records.h"
#include "core/hooks.h"
#include "core/match/match_flags.h"
#include "core/records/matchday_globals.h"
#include "core/matchday_rules/day_rules_services.h"
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
#include "core/services/rule_services.h"
#include "tests/core/matchday_world.h"

namespace tarvelon {
namespace {

// `clubs` clubs with full squads, no human side, the day before the season's first day, no
// competition built yet (the calendar is built by each test after its switches).
void StartHeadlessWorld(int clubs, std::uint32_t seed, int season = 1)
{
    matchdaytest::BuildWorld(clubs, seed);
    Progression() = ProgressionServices{};
    Hooks().showStateChampions = nullptr;
    InstallRuleServices();  // the real shoot-outs, group close-outs and national squads
    Game.Season = season;
    Game.LeagueFormat = kDivisionsOf10;
    Game.DayIndex = 0;
    Game.DayKind = -1;
    for (int slot = 0; slot < 6; ++slot)
        Game.HumanClubs[slot] = Game.HumanCoachSlots[slot] = Game.HumanNations[slot] = -1;
    Competitions.assign(1, TCompetition{});
    Fixtures.clear();
    SeasonMatchesOver = false;
    TournamentJustEnded = false;
}

// Clubs 0..19 in two divisions of ten of the one league.
void DealLeagueDivisions(int leagueClubs)
{
    TLeague& league = Leagues[0];
    league.divisionCount = 2;
    league.clubCount = leagueClubs;
    for (int c = 0; c < static_cast<int>(Clubs.size()); ++c) {
        Clubs[c].Division = c < 20 ? 1 + c / 10 : 0;
        Clubs[c].Place[kKindNationalLeague] = 0;
        if (c < 20)
            league.divisions[c / 10][c % 10] = c;
    }
    Competitions.push_back(TCompetition{kKindNationalLeague, matchdaytest::kCountry, 1});
    Competitions.push_back(TCompetition{kKindNationalLeague, matchdaytest::kCountry, 2});
    BuildCompetitionFixtures(kKindNationalLeague, 0);
}

// One matchday of the current league or state: the day's rules set it up, play it and book it.
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

// Every league or state of the day as the progression hands them on, then the results screen's
// close-out of the league and World Cup tables.
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

struct SeasonRun {
    CalendarExit exit = CalendarExit::Hub;
    int daysOfKind = 0;
    int days = 0;
};

// Day after day until the calendar leaves the run of computer matchdays (the season's end), or a
// national-team tournament has just ended when asked to stop there; boards stay within bounds.
SeasonRun PlaySeason(int kind, bool stopAtTournamentEnd = false)
{
    SeasonRun run;
    run.exit = AdvanceCalendar();
    while (run.exit == CalendarExit::NextMatchday && run.days < kCalendarDays) {
        run.daysOfKind += Game.DayKind == kind ? 1 : 0;
        ++run.days;
        PlayDay();
        for (const TClub& club : Clubs) {
            EXPECT_GE(club.boardConfidence, 0);
            EXPECT_LE(club.boardConfidence, 100);
        }
        if (stopAtTournamentEnd && TournamentJustEnded)
            break;
        run.exit = AdvanceCalendar();
    }
    return run;
}

int CountChampions(int kind)
{
    int champions = 0;
    for (const TClubPlacing& p : ClubPlacings)
        champions += p.kind == kind && p.place == 1 ? 1 : 0;
    return champions;
}

int CountEntries(std::uint8_t TClub::*flag)
{
    int entries = 0;
    for (const TClub& club : Clubs)
        entries += club.*flag;
    return entries;
}

void ExpectEveryFixturePlayed(int kind)
{
    for (const TFixture& f : Fixtures)
        if (f.kind == kind) {
            EXPECT_EQ(f.played, 1) << f.kind << " " << f.round << " " << f.region;
        }
}

TEST(HeadlessSeason, LeagueSeasonPlayedDayByDayToTheSeasonEnd)
{
    StartHeadlessWorld(20, 8080);
    BuildCalendar();
    DealLeagueDivisions(20);
    const SeasonRun run = PlaySeason(kKindNationalLeague);
    EXPECT_EQ(run.exit, CalendarExit::SeasonEnd);
    EXPECT_EQ(run.daysOfKind, 18);
    EXPECT_EQ(run.days, 18);
    EXPECT_TRUE(SeasonMatchesOver);
    EXPECT_EQ(Game.LeagueTurn, 2);
    ExpectEveryFixturePlayed(kKindNationalLeague);
    int goalsFor = 0;
    int goalsAgainst = 0;
    for (const TClub& club : Clubs) {
        EXPECT_EQ(club.Played[kKindNationalLeague], 18);
        goalsFor += club.GoalsFor[kKindNationalLeague];
        goalsAgainst += club.GoalsAgainst[kKindNationalLeague];
    }
    EXPECT_EQ(goalsFor, goalsAgainst);
    EXPECT_EQ(MatchReports.size(), 180u);
    EXPECT_EQ(CountChampions(kKindNationalLeague), 2);  // one per division, recorded once
}

TEST(HeadlessSeason, LeagueAndNationalCupToTheirChampions)
{
    StartHeadlessWorld(20, 9090);
    Game.nationalCupOn = 1;
    BuildCalendar();
    DealLeagueDivisions(20);
    Competitions.push_back(TCompetition{kKindNationalCup, matchdaytest::kCountry, -1});
    BuildCompetitionFixtures(kKindNationalCup, 0);
    DrawNationalCup(0);
    Game.NationalCupStage = 1;
    Game.NationalCupLeg = 1;
    Game.nationalCupRound = 1;
    const SeasonRun run = PlaySeason(kKindNationalCup);
    EXPECT_EQ(run.exit, CalendarExit::SeasonEnd);
    EXPECT_EQ(run.daysOfKind, 10);
    EXPECT_EQ(run.days, 28);
    EXPECT_TRUE(SeasonMatchesOver);
    // A cup of sixteen: stage 1 passes without matches, stages 2 to 5 are played to one champion.
    EXPECT_EQ(Game.NationalCupStage, 6);
    EXPECT_EQ(Game.nationalCupRound, 11);
    EXPECT_EQ(CountChampions(kKindNationalCup), 1);
    EXPECT_EQ(CountChampions(kKindNationalLeague), 2);
    ExpectEveryFixturePlayed(kKindNationalCup);
    ExpectEveryFixturePlayed(kKindNationalLeague);
    EXPECT_EQ(CountEntries(&TClub::nationalCupEntry), 0);
}

// 36 Brazilian clubs: two divisions of ten and sixteen regional clubs; São Paulo's 24 clubs play
// four tiers, Minas Gerais' 12 two.
TEST(HeadlessSeason, StateChampionshipsToTheirFinalsDecidedOnce)
{
    StartHeadlessWorld(36, 6060);
    int shown = 0;
    Hooks().showStateChampions = [&shown] { ++shown; };
    Game.StateChampionshipsOn = 1;
    Game.StateTurn = 1;
    Game.StateStage = 1;
    BuildCalendar();
    for (int c = 0; c < 36; ++c)
        Clubs[c].State = c % 3 == 0 ? 10 : 25;
    DealLeagueDivisions(36);
    DrawStateChampionships();
    ASSERT_EQ(StateChampionships[25].groupCount, 4);
    ASSERT_EQ(StateChampionships[10].groupCount, 2);
    for (int state : {10, 25}) {
        for (int tier = 1; tier <= StateChampionships[state].groupCount; ++tier)
            Competitions.push_back(TCompetition{kKindStateChampionship, state, tier});
        BuildCompetitionFixtures(kKindStateChampionship, state);
    }

    const SeasonRun run = PlaySeason(kKindStateChampionship);
    EXPECT_EQ(run.exit, CalendarExit::SeasonEnd);
    EXPECT_EQ(run.daysOfKind, 12);  // ten group days and the two legs of the finals
    EXPECT_EQ(Game.StateStage, 8);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(Game.stateFinalsSeason, Game.Season);
    ASSERT_EQ(StateChampionRows.size(), 2u);
    ExpectEveryFixturePlayed(kKindStateChampionship);
    auto titles = [] {
        int n = 0;
        for (const TClub& club : Clubs)
            n += club.stateTitles;
        return n;
    };
    EXPECT_EQ(titles(), 2);
    // Asked again (the screen opened a second time), nothing is decided or paid twice.
    EXPECT_FALSE(DecideStateFinals());
    EXPECT_EQ(titles(), 2);
}

// 32 national teams in eight groups: three group days, then the last sixteen to the final.
// 32 national teams drawn into the World Cup's eight groups, the calendar built for it.
void StartWorldCup(std::uint32_t seed)
{
    StartHeadlessWorld(32, seed);
    Game.LeagueClubCount = 0;  // the 32 entries are national teams
    Game.worldCupOn = 1;
    Game.TournamentStage = 1;
    Game.TournamentHost = 1;
    BuildCalendar();
    Competitions.push_back(TCompetition{kKindWorldCup, -1, -1});
    ClearCupTieTeams(NationalCupTies);
    for (int c = 0; c < 32; ++c) {
        Clubs[c].Country = 100 + c;
        Clubs[c].Division = 0;
        Clubs[c].NationalTeamCupEntry = 1;
        Clubs[c].NationalTeamGroup = 1 + c / 4;
        Game.NationalGroups[c / 4][c % 4] = c;
    }
}

TEST(HeadlessSeason, WorldCupFromTheGroupsToItsChampion)
{
    StartWorldCup(7070);

    const SeasonRun run = PlaySeason(kKindWorldCup, true);
    EXPECT_EQ(run.daysOfKind, 7);
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
    // The finalists and the third-place teams were still in for the last day.
    EXPECT_EQ(CountEntries(&TClub::NationalTeamCupEntry), 4);
    int goals = 0;
    for (const TMatchReport& r : MatchReports)
        goals += r.goals[0] + r.goals[1];
    EXPECT_EQ(MatchReports.size(), 64u);  // 48 group matches and 16 ties
    EXPECT_GT(goals, 64);
    AdvanceCalendar();
    EXPECT_FALSE(TournamentJustEnded);
}

// A national squad file is taken whatever its players: a team without players, one of six and one
// without a goalkeeper play their World Cup matches like the others, to the champion.
TEST(HeadlessSeason, AWorldCupPlaysWithNationalTeamsShortOfPlayers)
{
    StartWorldCup(7071);
    int keptOfTeam1 = 0;
    for (TPlayer& p : Players) {
        if (p.Club == 0 || (p.Club == 1 && ++keptOfTeam1 > 6) || (p.Club == 2 && p.Position == 0))
            p.Club = -1;
    }
    PlayerClubsChanged();
    const SeasonRun run = PlaySeason(kKindWorldCup, true);
    EXPECT_EQ(run.daysOfKind, 7);
    EXPECT_EQ(Game.tournamentOver, 1);
    EXPECT_EQ(MatchReports.size(), 64u);
    for (int team = 0; team < 3; ++team)
        EXPECT_EQ(Clubs[team].Played[kKindWorldCup], 3) << "team " << team;
}

// The South American edition of the first continental cup with 32 clubs: six group days, the groups
// closed into the last sixteen, then two legs a stage to the champion.
TEST(HeadlessSeason, ContinentalCupFromTheGroupsToItsChampion)
{
    StartHeadlessWorld(32, 5050, 2);  // the continental cups are played from the second season
    Game.firstContinentalPairOn = 1;
    Game.ClubWorldCupStage = 2;  // no club world cup draw in this world
    Game.FirstContinentalTurn = 1;
    Game.FirstContinentalStage = 1;
    Game.FirstContinentalLeg = 1;
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
    Competitions.push_back(TCompetition{kKindFirstContinentalCup, -1, kConfSouthAmerica});
    BuildCompetitionFixtures(kKindFirstContinentalCup, 0);

    const SeasonRun run = PlaySeason(kKindFirstContinentalCup);
    EXPECT_EQ(run.daysOfKind, 14);
    EXPECT_EQ(Game.FirstContinentalStage, 8);
    EXPECT_EQ(CountChampions(kKindFirstContinentalCup), 1);
    EXPECT_EQ(CountEntries(&TClub::FirstContinentalEntry), 0);
    for (const TFixture& f : Fixtures)
        if (f.kind == kKindFirstContinentalCup && f.region == 1) {
            EXPECT_EQ(f.played, 1) << f.round;
        }
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
