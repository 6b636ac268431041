// The tables after a matchday: ranking, the close of group phases and seasons, the pairings that
// follow, and the call-up of the computer-run national teams.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/records/cup_tie.h"
#include "core/draws/state_championship.h"
#include "core/records/history_records.h"
#include "core/matchday_rules/matchday_state.h"
#include "core/matchday_rules/national_call_up.h"
#include "core/matchday_rules/standings.h"
#include "core/rollover/season_rollover.h"
#include "tests/core/dayrules_world.h"

namespace tarvelon {
namespace {

using namespace dayrules;

// Gives club c of kind k a record: points from wins and draws, goals as given.
void Record(int c, int kind, int wins, int draws, int goalsFor, int goalsAgainst)
{
    TClub& club = Clubs[c];
    club.Won[kind] = wins;
    club.Played[kind] = wins + draws;
    club.Lost[kind] = 0;
    club.Points[kind] = 3 * wins + draws;
    club.GoalsFor[kind] = goalsFor;
    club.GoalsAgainst[kind] = goalsAgainst;
}

class Standings : public ::testing::Test {
protected:
    void SetUp() override { BuildDayWorld(40, 17); }
};

TEST_F(Standings, RowsRankByPointsWinsGoalDifferenceAndGoalsFor)
{
    auto row = [](int points, int wins, int difference, int goalsFor) {
        TStandingRow r;
        r.points = points;
        r.wins = wins;
        r.goalDifference = difference;
        r.goalsFor = goalsFor;
        return r;
    };
    EXPECT_EQ(CompareStandingRows(row(10, 1, 0, 0), row(9, 3, 9, 9)), -1);
    EXPECT_EQ(CompareStandingRows(row(9, 2, 5, 5), row(9, 3, 0, 0)), 1);
    EXPECT_EQ(CompareStandingRows(row(9, 3, 1, 9), row(9, 3, 2, 0)), 1);
    EXPECT_EQ(CompareStandingRows(row(9, 3, 2, 5), row(9, 3, 2, 4)), -1);
    EXPECT_EQ(CompareStandingRows(row(9, 3, 2, 4), row(9, 3, 2, 4)), 0);
    Record(0, 1, 1, 0, 1, 0);
    Record(1, 1, 2, 0, 5, 1);
    Record(2, 1, 1, 1, 2, 2);
    const std::vector<int> ranked = RankTable({0, -1, 1, 2}, 1);
    EXPECT_EQ(ranked, (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(Clubs[0].Place[1], 3);
    const TStandingRow drawn = StandingRowOf(2, 1);
    EXPECT_EQ(drawn.draws, 1);
    EXPECT_EQ(drawn.goalDifference, 0);
}

TEST_F(Standings, TheLastLeagueDayOfDivisionsOfTwentyPaysTheChampionSevenMillion)
{
    Game.LeagueFormat = kDivisionsOf20;
    Leagues[0].divisionCount = 1;
    for (int c = 0; c < 20; ++c) {
        Leagues[0].divisions[0][c] = c;
        Record(c, 1, c, 0, c, 0);
    }
    SeasonMatchesOver = true;
    CloseLeagueTables();
    SeasonMatchesOver = false;
    EXPECT_EQ(Leagues[0].finalOrder[0][0], 19);
    EXPECT_EQ(Clubs[19].cash, CurrencyFromUnits(7000000));
    EXPECT_EQ(ClubFinances[18].prizes, 3500000);
    EXPECT_EQ(Clubs[10].honourPoints[0], 1);  // tenth place
    EXPECT_EQ(Clubs[9].honourPoints[0], 0);
    EXPECT_EQ(ClubPlacings.size(), 20u);
    EXPECT_EQ(Coaches[19].titles[0], 1);
    EXPECT_EQ(CurrentLeague, 0);
}

TEST_F(Standings, TheWorldCupGroupsPairTheRoundOfSixteen)
{
    for (int g = 0; g < 8; ++g)
        for (int p = 0; p < 4; ++p) {
            const int club = 4 * g + p;
            Game.NationalGroups[g][p] = club;
            Clubs[club].NationalTeamCupEntry = 1;
            Record(club, kKindWorldCup, 3 - p, 0, 3 - p, 0);  // the first drawn wins its group
        }
    Game.TournamentStage = 3;
    CloseWorldCupGroups();
    EXPECT_EQ(NationalCupTies[1].firstTeam, -1);
    EXPECT_EQ(Clubs[3].Place[kKindWorldCup], 4);
    Game.TournamentStage = 4;
    CloseWorldCupGroups();
    // 1: A1 v B2, 2: C1 v D2, 3: B1 v A2, 4: D1 v C2, 5: E1 v F2, 6: G1 v H2, 7: F1 v E2, 8: H1 v G2
    const int expected[8][2] = {{0, 5}, {8, 13}, {4, 1}, {12, 9}, {16, 21}, {24, 29}, {20, 17}, {28, 25}};
    for (int t = 1; t <= 8; ++t) {
        EXPECT_EQ(NationalCupTies[t].firstTeam, expected[t - 1][0]) << "tie " << t;
        EXPECT_EQ(NationalCupTies[t].secondTeam, expected[t - 1][1]) << "tie " << t;
    }
    EXPECT_EQ(Clubs[2].NationalTeamCupEntry, 0);
    EXPECT_EQ(Clubs[1].NationalTeamCupEntry, 1);
}

TEST_F(Standings, TheCopaAmericasBestThirdsGoThrough)
{
    for (int g = 0; g < 3; ++g)
        for (int p = 0; p < 4; ++p) {
            const int club = 4 * g + p;
            Game.NationalGroups[g][p] = club;
            Clubs[club].NationalTeamCupEntry = 1;
            Record(club, kKindCopaAmerica, 3 - p, 0, 10 - p, 0);
        }
    Record(2, kKindCopaAmerica, 1, 0, 1, 0);   // the weakest third
    Record(10, kKindCopaAmerica, 1, 0, 9, 0);  // the best third by goals
    Game.TournamentStage = 4;
    CloseNationalCupGroups(kKindCopaAmerica);
    EXPECT_EQ(QualifierSlots[6], 10);
    EXPECT_EQ(QualifierSlots[7], 6);
    EXPECT_EQ(Clubs[10].NationalTeamCupEntry, 1);
    EXPECT_EQ(Clubs[2].NationalTeamCupEntry, 0);
    EXPECT_EQ(Clubs[3].NationalTeamCupEntry, 0);
    // 1: slot 1 v slot 4, 2: slot 5 v slot 8, 3: slot 3 v slot 2, 4: slot 7 v slot 6
    EXPECT_EQ(NationalCupTies[1].firstTeam, 0);
    EXPECT_EQ(NationalCupTies[1].secondTeam, 5);
    EXPECT_EQ(NationalCupTies[2].firstTeam, 8);
    EXPECT_EQ(NationalCupTies[2].secondTeam, 6);
    EXPECT_EQ(NationalCupTies[3].firstTeam, 4);
    EXPECT_EQ(NationalCupTies[3].secondTeam, 1);
    EXPECT_EQ(NationalCupTies[4].firstTeam, 10);
    EXPECT_EQ(NationalCupTies[4].secondTeam, 9);
}

class ContinentalStandings : public Standings {
protected:
    void SetUp() override
    {
        Standings::SetUp();
        Game.LeagueClubCount = 20;  // clubs 20..39 are guests of the cup
        for (auto& groups : Game.ContinentalGroups)  // no other edition is drawn
            for (auto& group : groups)
                std::fill(std::begin(group), std::end(group), -1);
        const int table = ContinentalGroupTable(kKindFirstContinentalCup, kRegionEurope);
        for (int g = 0; g < 8; ++g)
            for (int p = 0; p < 4; ++p) {
                const int club = g < 4 ? 4 * g + p : 20 + 4 * (g - 4) + p;
                Game.ContinentalGroups[table][g][p] = club;
                Clubs[club].FirstContinentalEntry = 1;
                Record(club, kKindFirstContinentalCup, 3 - p, 0, 3 - p, 0);
            }
        for (int t = 0; t < 16; ++t)
            AppendFixture(-1, -1, 4, kKindFirstContinentalCup, kRegionEurope, 1 + t % 2, -1, DayDate(20 + t % 2));
    }
};

TEST_F(ContinentalStandings, ASecondLegDayChangesNoTableAndNoMorale)
{
    Game.FirstContinentalStage = 4;
    Game.FirstContinentalLeg = 2;
    const TClub before = Clubs[0];
    CloseContinentalGroups(kKindFirstContinentalCup);
    EXPECT_EQ(Clubs[0].Place[kKindFirstContinentalCup], before.Place[kKindFirstContinentalCup]);
    EXPECT_EQ(Fixtures[0].home, -1);
}

TEST_F(ContinentalStandings, TheLastGroupDayPairsTheRoundOfSixteenAtTheRunnersUpFirst)
{
    Game.FirstContinentalStage = 4;
    Game.FirstContinentalLeg = 1;
    CloseContinentalGroups(kKindFirstContinentalCup);
    // runner-up E v winner A, and back; runner-up A v winner E, and back; ...
    EXPECT_EQ(Fixtures[0].home, 21);
    EXPECT_EQ(Fixtures[0].away, 0);
    EXPECT_EQ(Fixtures[1].home, 0);
    EXPECT_EQ(Fixtures[1].away, 21);
    EXPECT_EQ(Fixtures[2].home, 1);
    EXPECT_EQ(Fixtures[2].away, 20);
    EXPECT_EQ(Fixtures[14].home, 13);  // runner-up D v winner H
    EXPECT_EQ(Fixtures[14].away, 32);
    EXPECT_EQ(Clubs[2].FirstContinentalEntry, 0);
    EXPECT_EQ(Clubs[22].FirstContinentalEntry, 0);
    // only the league's own clubs get a placing for going out in the groups
    EXPECT_EQ(ClubPlacings.size(), 8u);
    for (const TClubPlacing& placing : ClubPlacings)
        EXPECT_LT(placing.club, 20);
}

TEST_F(Standings, TheLastStateGroupDayAppendsTheFinalAndLeavesTheOthersOut)
{
    for (int d = 1; d <= 12; ++d)
        Calendar[d * 2].dayKind = kKindStateChampionship;
    TStateChampionship& state = StateChampionships[25];
    state.active = 1;
    state.groupCount = 2;
    for (int p = 0; p < 6; ++p) {
        state.groups[0][p] = p;
        state.groups[1][p] = 6 + p;
        Clubs[p].StateEntry = Clubs[6 + p].StateEntry = 1;
        Record(p, kKindStateChampionship, 5 - p, 0, 5 - p, 0);
        Record(6 + p, kKindStateChampionship, p, 0, p, 0);
    }
    Clubs[7].Division = 0;
    Game.RegionalFourthDivision = 1;
    Game.StateStage = 6;
    const std::size_t fixtures = Fixtures.size();
    CloseStateGroups();
    ASSERT_EQ(Fixtures.size(), fixtures + 2);
    const TFixture& first = Fixtures[fixtures];
    EXPECT_EQ(first.home, 1);  // at the runner-up's ground on the 11th state day
    EXPECT_EQ(first.away, 0);
    EXPECT_EQ(first.date, DayDate(22));
    EXPECT_EQ(Fixtures[fixtures + 1].home, 0);
    EXPECT_EQ(Fixtures[fixtures + 1].date, DayDate(24));
    EXPECT_EQ(state.finalists[0], 0);
    EXPECT_EQ(Clubs[0].StateEntry, 1);
    EXPECT_EQ(Clubs[2].StateEntry, 0);
    EXPECT_EQ(Clubs[11].StateEntry, 0);
    EXPECT_EQ(ClubPlacings.size(), 4u + 6u);
    ASSERT_EQ(StateResults.size(), 1u);
    EXPECT_EQ(StateResults[0].club, 7);
    EXPECT_EQ(StateResults[0].place, 5);
    Game.StateStage = 7;
    CloseStateGroups();
    EXPECT_EQ(Fixtures.size(), fixtures + 2);
}

TEST_F(Standings, AComputerNationalTeamCallsUpItsStrongestByPositionQuotas)
{
    const int country = 77;
    const int entry = 39;
    Game.LeagueClubCount = 30;
    Game.ExtraClubCount = 0;
    for (int p = 1; p < static_cast<int>(Players.size()); ++p) {
        Players[p].nationality = p % 2 == 0 ? country : 1;
        Players[p].careerGoals = p % 5;
    }
    const int entryPlayer = [] {
        for (int p = 1; p < static_cast<int>(Players.size()); ++p)
            if (Players[p].Club == 39)
                return p;
        return 0;
    }();
    CallUpCpuNationalSquad(country, entry);
    int counts[5] = {};
    int weakestCalled[5] = {101, 101, 101, 101, 101};
    for (int p = 1; p < static_cast<int>(Players.size()); ++p)
        if (Players[p].Club == entry) {
            const int position = Players[p].Position;
            ++counts[position];
            EXPECT_EQ(Players[p].nationality, country);
            weakestCalled[position] = std::min(weakestCalled[position], Players[p].Strength);
        }
    EXPECT_EQ(counts[0], 3);
    EXPECT_EQ(counts[1], 4);
    EXPECT_EQ(counts[2], 4);
    EXPECT_EQ(counts[3], 8);
    EXPECT_EQ(counts[4], 6);
    // nobody left at his club is stronger than a called-up player of his position
    for (int p = 1; p < static_cast<int>(Players.size()); ++p) {
        const TPlayer& player = Players[p];
        if (player.nationality == country && player.Club >= 0 && player.Club < 30) {
            EXPECT_LE(player.Strength, weakestCalled[player.Position]);
        }
    }
    EXPECT_EQ(Players[entryPlayer].Club, -1);
    EXPECT_EQ(CallUps.front().player, entryPlayer);
    EXPECT_EQ(CallUps.front().club, entry);
    EXPECT_EQ(CallUps.size(), 22u + 25u);
}

// A free player goes back to no club when the tournament ends: his call-up holds -1, the "none" the
// loader takes, whatever negative club his record held (the loader refuses a call-up below -1).
TEST_F(Standings, AFreePlayerCalledUpGoesBackToNoClub)
{
    const int entry = 39;
    const int free = 1;
    const int clubbed = 2;
    Players[free].Club = -3;
    const int club = Players[clubbed].Club;
    ASSERT_GE(club, 0);
    CallUps.clear();
    CommitNationalCallUp(entry, {free, clubbed});
    ASSERT_GE(CallUps.size(), 2u);
    EXPECT_EQ(CallUps[CallUps.size() - 2].player, free);
    EXPECT_EQ(CallUps[CallUps.size() - 2].club, -1);
    EXPECT_EQ(CallUps.back().club, club);
    EXPECT_EQ(Players[free].Club, entry);
}

}  // namespace
}  // namespace tarvelon
