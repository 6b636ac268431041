// Whole matchdays of every competition kind: set up from the season's tables, played by the engine
// through the driver and booked; what each kind's day leaves behind.
#include <gtest/gtest.h>

#include <map>

#include "core/records/cup_tie.h"
#include "core/draws/state_championship.h"
#include "core/matchday_rules/end_of_matchday.h"
#include "core/matchday_rules/matchday_setup.h"
#include "core/matchday_rules/matchday_state.h"
#include "core/matchday_rules/standings.h"
#include "core/rollover/season_rollover.h"
#include "core/season/competitions.h"
#include "tests/core/dayrules_world.h"

namespace tarvelon {
namespace {

using namespace dayrules;

// Sector attendance within the stadium, attendance the sum of the sectors, gate the sum of the
// sectors' takings, for every match of the day.
void ExpectCrowdsWithinStadiums()
{
    for (int m = 1; m <= MatchCount; ++m) {
        const jogos& match = Matches[m];
        const TClub& home = Clubs[match.club[0]];
        std::int64_t gate = 0;
        for (int s = 0; s < 4; ++s) {
            EXPECT_LE(match.sectorAttendance[s], home.SectorSeats[s]);
            gate += static_cast<std::int64_t>(match.sectorAttendance[s]) * home.SectorPrices[s];
        }
        EXPECT_EQ(match.attendance, match.sectorAttendance[0] + match.sectorAttendance[1] +
                                        match.sectorAttendance[2] + match.sectorAttendance[3]);
        EXPECT_EQ(match.gate, gate);
        EXPECT_EQ(MatchVenues[m], home.Stadium.str());
    }
}

class Matchday : public ::testing::Test {
protected:
    void SetUp() override { BuildDayWorld(40, 20100103); }

    // Sets up, plays and books a day; the money booked is the day's gates less the wages paid.
    void PlayDay(const std::function<void()>& setup)
    {
        matchdaytest::PrepareLineups();
        setup();
        PlayAllTicks();
        std::int64_t takings = 0;
        for (int m = 1; m <= MatchCount; ++m) {
            const int gate = Matches[m].gate;
            takings += Game.DayKind == kKindNationalCup ? 2 * (gate / 2) : Game.DayKind >= kKindWorldCup ? 0 : gate;
        }
        const Currency cash = TotalCash();
        const std::int64_t wages = WagesPaid();
        EndOfMatchday();
        EXPECT_EQ(TotalCash() - cash, CurrencyFromUnits(takings - (WagesPaid() - wages)));
    }

    static std::int64_t WagesPaid()
    {
        std::int64_t total = 0;
        for (const TClubFinance& finance : ClubFinances)
            total += finance.wagesPaid;
        return total;
    }
};

TEST_F(Matchday, ALeagueSeasonPlaysEveryFixtureOnceAndItsTablesAddUp)
{
    Leagues[0].divisionCount = 2;  // clubs 0..19; clubs 20..39 stay out of the league
    for (int d = 1; d <= 18; ++d)
        Calendar[d].dayKind = kKindNationalLeague;
    BuildCompetitionFixtures(kKindNationalLeague, 0);
    ASSERT_EQ(Fixtures.size(), 2u * 18 * 5);
    Clubs[0].IsHuman = 1;
    Game.HumanClubCount = 1;
    Game.HumanClubs[0] = 0;
    const Currency cashBefore = TotalCash();
    std::int64_t gates = 0;
    for (int day = 1; day <= 18; ++day) {
        SetToday(day, kKindNationalLeague);
        Game.LeagueTurn = day <= 9 ? 1 : 2;
        Game.LeagueRound = day <= 9 ? day : day - 9;
        PlayDay([] {
            ResetMatchdayState();
            SetupLeagueCupMatchday(kKindNationalLeague);
        });
        EXPECT_EQ(HumanMatchCount, 1);
        EXPECT_EQ(MatchdayTickInterval, 800);
        EXPECT_EQ(MatchdayRoundText, day == 1 ? " - 1º turno - 1ª rodada" : MatchdayRoundText);
        for (const TFixture& f : Fixtures)
            EXPECT_EQ(f.played != 0, f.date <= TodayDate());
        for (int m = 1; m <= MatchCount; ++m)
            gates += Matches[m].gate;
        CloseLeagueTables();
    }
    int reports = 0;
    for (const TMatchReport& report : MatchReports)
        reports += report.kind == kKindNationalLeague;
    EXPECT_EQ(reports, 180);
    EXPECT_EQ(PastMatches.size(), 180u);
    ExpectTableAddsUp(kKindNationalLeague);
    int goals = 0;
    for (int c = 0; c < 20; ++c)
        goals += Clubs[c].GoalsFor[kKindNationalLeague];
    EXPECT_GT(goals, 180);  // the engine played real matches
    std::int64_t wages = 0;
    for (int c = 0; c < 20; ++c) {
        EXPECT_EQ(Clubs[c].Played[kKindNationalLeague], 18);
        wages += ClubFinances[c].wagesPaid;
        EXPECT_EQ(ClubFinances[c].wagesPaid, 18 * ClubFinances[c].weeklyWageBill);  // every day a Sunday
    }
    std::int64_t income = 0;
    for (const TClubFinance& finance : ClubFinances)
        income += finance.ticketIncome;
    EXPECT_EQ(income, gates);
    EXPECT_EQ(TotalCash() - cashBefore, CurrencyFromUnits(gates - wages));
    // the final order of each division is its table
    for (int d = 1; d <= 2; ++d)
        for (int place = 1; place <= 10; ++place)
            EXPECT_EQ(Clubs[Leagues[0].finalOrder[d - 1][place - 1]].Place[kKindNationalLeague], place);
    // the season's close: a ten-club first division's champion earns 5,000,000
    const int champion = Leagues[0].finalOrder[0][0];
    const Currency before = Clubs[champion].cash;
    SeasonMatchesOver = true;
    CloseLeagueTables();
    SeasonMatchesOver = false;
    EXPECT_EQ(Clubs[champion].cash - before, CurrencyFromUnits(5000000));
    EXPECT_EQ(Coaches[champion].titles[0], 1);
    EXPECT_EQ(Clubs[champion].honourPoints[0], 12);
}

TEST_F(Matchday, ALeagueDayOfTwoLeaguesKeepsTheSecondLeaguesLineups)
{
    Leagues.push_back(Leagues[0]);
    Leagues[1].country = 11;
    SetToday(1, kKindNationalLeague);
    Game.LeagueRound = 2;
    for (int c = 0; c < 10; c += 2)
        AddFixtureToday(c, c + 1, kKindNationalLeague, 0);
    for (int c = 20; c < 30; c += 2)
        AddFixtureToday(c, c + 1, kKindNationalLeague, 1);
    matchdaytest::PrepareLineups();
    for (int league = 0; league < 2; ++league) {
        CurrentLeague = league;
        ClearMatchday();
        SimulateMatchdayInstant(kKindNationalLeague);
        for (int m = 1; m <= 5; ++m)
            for (int s = 0; s < 2; ++s)
                EXPECT_GT(MatchReports.back().startingEleven[s][m % 11], 0);
    }
    for (const TFixture& f : Fixtures)
        EXPECT_EQ(f.played, 1);
    EXPECT_EQ(MatchReports.size(), 10u);
    ExpectTableAddsUp(kKindNationalLeague);
}

TEST_F(Matchday, ANationalCupSecondLegSplitsTheGateAndDecidesTheTiesBeforeTheArchive)
{
    SetToday(3, kKindNationalCup);
    Game.NationalCupStage = 1;
    Game.NationalCupLeg = 2;
    for (int c = 0; c < 10; c += 2)
        AddFixtureToday(c, c + 1, kKindNationalCup, 0);
    int resolved = 0;
    std::size_t reportsWhenResolved = 99;
    matchdaytest::PrepareLineups();
    SetupLeagueCupMatchday(kKindNationalCup);
    ExpectCrowdsWithinStadiums();
    std::vector<int> gates;
    for (int m = 1; m <= MatchCount; ++m)
        gates.push_back(Matches[m].gate);
    PlayAllTicks();
    EndOfMatchday([&] {
        ++resolved;
        reportsWhenResolved = MatchReports.size();
    });
    EXPECT_EQ(resolved, 1);
    EXPECT_EQ(reportsWhenResolved, 0u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(ClubFinances[2 * i].ticketIncome, gates[i] / 2);
        EXPECT_EQ(ClubFinances[2 * i + 1].ticketIncome, gates[i] / 2);
        EXPECT_EQ(Clubs[2 * i].cash, CurrencyFromUnits(gates[i] / 2));  // no wages on cup days
        EXPECT_EQ(Clubs[2 * i].Played[kKindNationalCup], 0);           // no table in the cup
    }
    // a first leg decides nothing
    Game.NationalCupLeg = 1;
    SetToday(4, kKindNationalCup);
    AddFixtureToday(0, 1, kKindNationalCup, 0);
    PlayDay([] { SetupLeagueCupMatchday(kKindNationalCup); });
    EXPECT_EQ(resolved, 1);
}

TEST_F(Matchday, AStateDayPlaysTheFirstActiveStateWhenNoneWasChosen)
{
    TStateChampionship& sp = StateChampionships[25];
    sp.active = 1;
    sp.groupCount = 1;
    for (int p = 0; p < 6; ++p)
        sp.groups[0][p] = p * 3;  // the clubs of state 25
    StateChampionships[18].active = 1;
    SetToday(2, kKindStateChampionship);
    Game.StateTurn = 1;
    Game.StateStage = 2;
    Game.StateChampionshipsOn = 1;
    AddFixtureToday(0, 3, kKindStateChampionship, 25);
    AddFixtureToday(6, 9, kKindStateChampionship, 25);
    AddFixtureToday(12, 15, kKindStateChampionship, 25);
    AddFixtureToday(1, 2, kKindStateChampionship, 18);
    PlayDay([] { SetupStateMatchday(); });
    EXPECT_EQ(CurrentState, 25);
    EXPECT_EQ(sp.roundDone, 1);
    EXPECT_EQ(MatchdayHeading, "Campeonato Paulista - 1º turno - 2ª rodada");
    EXPECT_EQ(Fixtures[3].played, 0);
    EXPECT_EQ(Clubs[0].Played[kKindStateChampionship], 1);
    ExpectTableAddsUp(kKindStateChampionship);
    // the final's legs count in no table
    Game.StateStage = 6;
    SetToday(3, kKindStateChampionship);
    AddFixtureToday(0, 3, kKindStateChampionship, 25);
    PlayDay([] { SetupStateMatchday(); });
    EXPECT_EQ(MatchdayHeading, "Campeonato Paulista - Final - 1º jogo");
    EXPECT_EQ(Clubs[0].Played[kKindStateChampionship], 1);
}

TEST_F(Matchday, ContinentalCupDaysCountGroupsButNotKnockoutTies)
{
    CurrentLeague = kRegionSouthAmerica;
    SetToday(5, kKindFirstContinentalCup);
    Game.FirstContinentalTurn = 1;
    Game.FirstContinentalStage = 2;
    Game.FirstContinentalLeg = 1;
    AddFixtureToday(0, 1, kKindFirstContinentalCup, kRegionSouthAmerica);
    AddFixtureToday(2, 3, kKindFirstContinentalCup, kRegionEurope);  // the other edition's day
    PlayDay([] { SetupLeagueCupMatchday(kKindFirstContinentalCup); });
    EXPECT_EQ(MatchdayHeading, "Taça Libertadores - 1º turno - 2ª rodada");
    EXPECT_EQ(Fixtures[0].played, 1);
    EXPECT_EQ(Fixtures[1].played, 0);
    EXPECT_EQ(Clubs[0].Played[kKindFirstContinentalCup], 1);
    ExpectTableAddsUp(kKindFirstContinentalCup);

    Game.SecondContinentalStage = 5;
    Game.SecondContinentalLeg = 1;
    CurrentLeague = kRegionEurope;
    SetToday(6, kKindSecondContinentalCup);
    AddFixtureToday(4, 5, kKindSecondContinentalCup, kRegionEurope);
    PlayDay([] { SetupLeagueCupMatchday(kKindSecondContinentalCup); });
    EXPECT_EQ(MatchdayHeading, "Liga Europa da UEFA - Quartas de final - 1º jogo");
    EXPECT_EQ(Clubs[4].Played[kKindSecondContinentalCup], 0);
    EXPECT_GT(Fixtures[2].attendance, 0);
    EXPECT_EQ(CoachSeasons.size(), 4u);
}

TEST_F(Matchday, TheClubWorldCupHasNoCrowdAndSkipsATieStillToBeDrawn)
{
    SetToday(7, kKindClubWorldCup);
    Game.ClubWorldCupStage = 2;
    ClubWorldCupTies[3].firstTeam = 0;
    ClubWorldCupTies[3].secondTeam = 1;
    ClubWorldCupTies[4].firstTeam = 2;
    ClubWorldCupTies[4].secondTeam = -1;
    matchdaytest::PrepareLineups();
    SetupClubWorldCupMatchday();
    ASSERT_EQ(MatchCount, 1);
    EXPECT_EQ(MatchdayHeading, "Mundial Interclubes - Semi-final");
    EXPECT_EQ(MatchVenues[1], "Emirados Árabes");
    EXPECT_EQ(Matches[1].attendance, 0);
    EXPECT_EQ(Matches[1].gate, 0);
    PlayAllTicks();
    EndOfMatchday();
    EXPECT_EQ(Clubs[0].cash, 0);
    EXPECT_EQ(PastMatches.size(), 1u);
}

// National teams of a tournament: clubs 0..31 drawn into eight groups of four.
void DrawGroups(int groups)
{
    for (int g = 0; g < groups; ++g)
        for (int p = 0; p < 4; ++p) {
            Game.NationalGroups[g][p] = 4 * g + p;
            Clubs[4 * g + p].NationalTeamGroup = g + 1;
        }
}

TEST_F(Matchday, AWorldCupGroupDayIsPlayedInItsGroupsCities)
{
    DrawGroups(8);
    Game.TournamentHost = 2;
    Game.TournamentStage = 1;
    SetToday(8, kKindWorldCup);
    PlayDay([] {
        SetupWorldCupMatchday();
        ASSERT_EQ(MatchCount, 16);
        EXPECT_EQ(MatchdayHeading, "Copa do Mundo - 1ª rodada");
        EXPECT_EQ(MatchVenues[1], "Salvador");  // group A plays in cities 5 and 6
        EXPECT_EQ(MatchVenues[2], "Porto Alegre");
        EXPECT_EQ(MatchVenues[3], "Manaus");  // group B: the first of cities 7 and 8 in the first round
        EXPECT_EQ(Matches[1].club[0], 0);
        EXPECT_EQ(Matches[1].club[1], 1);
        EXPECT_EQ(Matches[2].club[0], 2);
        EXPECT_EQ(Matches[1].attendance, 0);
    });
    ExpectTableAddsUp(kKindWorldCup);
    EXPECT_EQ(Clubs[0].Played[kKindWorldCup], 1);
    // the round of sixteen: city m of the host, no table
    Game.TournamentStage = 2;
    EXPECT_EQ(TournamentVenue(2, 1, 1), "Porto Alegre");
    Game.TournamentStage = 4;
    for (int t = 1; t <= 8; ++t) {
        NationalCupTies[t].firstTeam = 4 * (t - 1);
        NationalCupTies[t].secondTeam = 4 * (t - 1) + 1;
    }
    SetToday(9, kKindWorldCup);
    PlayDay([] {
        SetupWorldCupMatchday();
        ASSERT_EQ(MatchCount, 8);
        EXPECT_EQ(MatchVenues[8], "Cuiabá");
    });
    EXPECT_EQ(Clubs[0].Played[kKindWorldCup], 1);
}

TEST_F(Matchday, CopaAmericaAndEurocopaGroupDays)
{
    DrawGroups(4);
    Game.TournamentHost = 6;
    Game.TournamentStage = 2;
    SetToday(10, kKindCopaAmerica);
    PlayDay([] {
        SetupContinentalTournamentMatchday();
        ASSERT_EQ(MatchCount, 6);
        EXPECT_EQ(MatchdayHeading, "Copa América - 2ª rodada");
        EXPECT_EQ(MatchVenues[1], "São Paulo");
        EXPECT_EQ(MatchVenues[3], "Belo Horizonte");  // group 2 in cities 3 and 4
        EXPECT_EQ(MatchVenues[4], "Porto Alegre");
    });
    ExpectTableAddsUp(kKindCopaAmerica);
    SetToday(11, kKindEurocopa);
    Game.TournamentStage = 5;
    for (int t = 5; t <= 6; ++t) {
        NationalCupTies[t].firstTeam = t;
        NationalCupTies[t].secondTeam = t + 10;
    }
    PlayDay([] {
        SetupContinentalTournamentMatchday();
        ASSERT_EQ(MatchCount, 2);
        EXPECT_EQ(MatchdayHeading, "Eurocopa - Semi-final");
        EXPECT_EQ(MatchVenues[2], "Porto");
    });
}

TEST_F(Matchday, AFriendlyBooksOnlyIntoItsOwnFixture)
{
    SetToday(2, kKindFriendlies);
    const int league = AddFixtureToday(0, 1, kKindNationalLeague, 0);  // another competition's match today
    Friendlies.push_back(TFriendly{2, 3, 0, {}, TodayDate()});
    Friendlies.push_back(TFriendly{4, 5, 0, {}, TodayDate()});
    Friendlies.push_back(TFriendly{6, 7, 0, {}, TodayDate() + 7});
    const int own = AppendFixture(4, 5, -1, kKindFriendlies, -1, -1, -1, TodayDate());
    PlayDay([] {
        SetupFriendliesMatchday();
        ASSERT_EQ(MatchCount, 2);
        EXPECT_EQ(Matches[1].subsLeft[0], 5);
        EXPECT_EQ(Matches[2].subsLeft[1], 5);
        EXPECT_EQ(FixtureOfMatch(1), -1);  // the first friendly has no fixture of its own
        EXPECT_EQ(MatchdayTickInterval, 800);
        ExpectCrowdsWithinStadiums();
    });
    EXPECT_EQ(Fixtures[league].played, 0);
    EXPECT_EQ(Fixtures[own].played, 1);
    EXPECT_EQ(Friendlies[0].done, 1);
    EXPECT_EQ(Friendlies[2].done, 0);
    EXPECT_EQ(Clubs[0].Played[kKindFriendlies], 0);
    EXPECT_EQ(PastMatches.back().kind, kKindFriendlies);
}

}  // namespace
}  // namespace tarvelon
