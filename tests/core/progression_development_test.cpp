// Player development after a round: growth and decline fractions, the division caps and which
// players a pass covers.
#include <gtest/gtest.h>

#include "core/match/played_today.h"
#include "core/matchday_rules/end_of_matchday.h"
#include "core/progression/player_development.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/tables.h"
#include "tests/core/matchday_world.h"

namespace tarvelon {
namespace {

class DevelopmentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGameState();
        ResetGameTables();
        Game.DayKind = kKindNationalLeague;
        Game.LeagueFormat = kDivisionsOf20;
        Game.StateChampionshipsOn = 1;
        Game.LeagueClubCount = 2;
        Clubs.assign(3, TClub{});  // club 2: a national team's entry
        for (TClub& club : Clubs) {
            club.Division = 1;
            club.Level = 18;
        }
    }

    int AddPlayer(int club, int age, int strength)
    {
        TPlayer p{};
        p.Club = club;
        p.Age = age;
        p.Strength = strength;
        p.Morale = 2;
        Players.push_back(p);
        return static_cast<int>(Players.size()) - 1;
    }
};

TEST_F(DevelopmentTest, HumanClubGrowsAtTheSlowestRateWithBonusesAndBand)
{
    Clubs[0].IsHuman = 1;
    const int p = AddPlayer(0, 17, 60);
    Players[p].PlayedThisRound = 1;
    PostMatchRecovery(p);  // the recovery after his match clears his flag; the day keeps that he played
    EXPECT_EQ(Players[p].PlayedThisRound, 0);
    PlayerGrowthStep(p);
    const float expected = static_cast<float>(11.0 / 43 + 0.05 - 0.04);
    EXPECT_FLOAT_EQ(Players[p].DevelopmentAccumulator, expected);
    EXPECT_EQ(Players[p].Strength, 60);
    // The next day he has not played: no bonus.
    ++Game.DayIndex;
    PlayerGrowthStep(p);
    EXPECT_FLOAT_EQ(Players[p].DevelopmentAccumulator, static_cast<float>(expected + 11.0 / 43 - 0.04));
    --Game.DayIndex;

    // A top computer club with the morale bonus: 11 / 35 + 0.01 - 0.04 per round; the first whole
    // point comes in the fourth round and the fraction left carries on.
    Clubs[1].Level = 21;
    const int q = AddPlayer(1, 17, 60);
    Players[q].Morale = 3;
    for (int round = 1; round <= 3; ++round)
        PlayerGrowthStep(q);
    EXPECT_EQ(Players[q].Strength, 60);
    PlayerGrowthStep(q);
    EXPECT_EQ(Players[q].Strength, 61);
    const double g = 11.0 / 35 + 0.01 - 0.04;
    EXPECT_NEAR(Players[q].DevelopmentAccumulator, 4 * g - 1, 1e-5);
}

TEST_F(DevelopmentTest, SixteenYearOldGetsOnlyBonusesAndAtLeastAHundredth)
{
    const int p = AddPlayer(0, 16, 35);  // N = 0, band 30..40 takes 0.02
    PlayerGrowthStep(p);
    EXPECT_FLOAT_EQ(Players[p].DevelopmentAccumulator, 0.01f);
    NotePlayedToday(p);
    PlayerGrowthStep(p);
    EXPECT_FLOAT_EQ(Players[p].DevelopmentAccumulator, static_cast<float>(0.01f + (0.05 - 0.02)));
}

TEST_F(DevelopmentTest, DivisorsFollowFormatAndStateChampionships)
{
    // Level 19 computer club, age 20 (N = 8 for level 18+), strength 20 (no band).
    Clubs[0].Level = 19;
    const struct {
        int format;
        bool states;
        int divisor;
    } cases[] = {{kDivisionsOf20, true, 37}, {kDivisionsOf10, true, 24}, {kDivisionsOf20, false, 30}, {kDivisionsOf10, false, 18}};
    for (const auto& c : cases) {
        Game.LeagueFormat = c.format;
        Game.StateChampionshipsOn = c.states;
        const int p = AddPlayer(0, 20, 20);
        PlayerGrowthStep(p);
        EXPECT_FLOAT_EQ(Players[p].DevelopmentAccumulator, static_cast<float>(8.0 / c.divisor)) << c.divisor;
    }
}

TEST_F(DevelopmentTest, DivisionCapHoldsTheFractionUntilPromotion)
{
    Clubs[0].Division = 2;
    const int p = AddPlayer(0, 18, 81);
    Players[p].DevelopmentAccumulator = 0.99f;
    PlayerGrowthStep(p);
    EXPECT_EQ(Players[p].Strength, 81);
    EXPECT_GT(Players[p].DevelopmentAccumulator, 1.0f);
    EXPECT_FALSE(BelowDivisionCap(p));
    Clubs[0].Division = 1;
    PlayerGrowthStep(p);
    EXPECT_EQ(Players[p].Strength, 82);

    const struct {
        int division;
        int strength;
        bool below;
    } caps[] = {{2, 80, true}, {3, 61, false}, {3, 60, true}, {4, 41, false}, {5, 31, false}, {5, 30, true}, {1, 99, true}};
    for (const auto& c : caps) {
        Clubs[1].Division = c.division;
        EXPECT_EQ(BelowDivisionCap(AddPlayer(1, 20, c.strength)), c.below) << c.division << " " << c.strength;
    }
}

TEST_F(DevelopmentTest, DeclineFromThirtyThreeAndProtectedWeakPlayers)
{
    Game.StateChampionshipsOn = 0;
    const int p32 = AddPlayer(0, 32, 50);  // d = 0.8 < 1: nothing
    PlayerDeclineStep(p32);
    EXPECT_FLOAT_EQ(Players[p32].DevelopmentAccumulator, 0.0f);

    const int p33 = AddPlayer(0, 33, 80);  // d = 2 x 1.5 = 3, over 60 rounds
    PlayerDeclineStep(p33);
    EXPECT_FLOAT_EQ(Players[p33].DevelopmentAccumulator, static_cast<float>(3.0 / 60));
    Players[p33].DevelopmentAccumulator = 0.99f;
    PlayerDeclineStep(p33);
    EXPECT_EQ(Players[p33].Strength, 79);
    EXPECT_NEAR(Players[p33].DevelopmentAccumulator, 0.99 + 0.05 - 1, 1e-6);

    Game.LeagueFormat = kDivisionsOf10;
    Game.StateChampionshipsOn = 1;
    const int p40 = AddPlayer(0, 40, 60);  // d = 9 x 1.2, over 50 rounds
    PlayerDeclineStep(p40);
    EXPECT_FLOAT_EQ(Players[p40].DevelopmentAccumulator, static_cast<float>(9 * 1.2 / 50));

    const int weak = AddPlayer(0, 40, 30);  // division 1 below 31: no decline
    PlayerDeclineStep(weak);
    EXPECT_FLOAT_EQ(Players[weak].DevelopmentAccumulator, 0.0f);
}

TEST_F(DevelopmentTest, PassCoversLeagueClubsOnLeagueAndStateDaysOnly)
{
    Clubs[1].Division = 0;
    const int inDivision = AddPlayer(0, 20, 20);
    const int regional = AddPlayer(1, 20, 20);
    const int national = AddPlayer(2, 20, 20);
    const int free = AddPlayer(-1, 20, 20);

    Game.DayKind = kKindNationalCup;
    PlayerDevelopmentPass();
    EXPECT_FLOAT_EQ(Players[inDivision].DevelopmentAccumulator, 0.0f);

    Game.DayKind = kKindNationalLeague;
    PlayerDevelopmentPass();
    EXPECT_GT(Players[inDivision].DevelopmentAccumulator, 0.0f);
    EXPECT_FLOAT_EQ(Players[regional].DevelopmentAccumulator, 0.0f);

    Game.DayKind = kKindStateChampionship;
    PlayerDevelopmentPass();
    EXPECT_GT(Players[regional].DevelopmentAccumulator, 0.0f);
    EXPECT_FLOAT_EQ(Players[national].DevelopmentAccumulator, 0.0f);
    EXPECT_FLOAT_EQ(Players[free].DevelopmentAccumulator, 0.0f);
}

TEST_F(DevelopmentTest, SeededSeasonOfRoundsMovesEachPlayerAtMostOnePointPerRound)
{
    matchdaytest::BuildWorld(20, 4242);
    Game.DayKind = kKindNationalLeague;
    Game.LeagueFormat = kDivisionsOf20;
    for (int round = 0; round < 38; ++round) {
        std::vector<int> before;
        for (const TPlayer& p : Players)
            before.push_back(p.Strength);
        PlayerDevelopmentPass();
        for (std::size_t i = 1; i < Players.size(); ++i) {
            EXPECT_LE(std::abs(Players[i].Strength - before[i]), 1);
            EXPECT_GE(Players[i].Strength, 1);
            EXPECT_LE(Players[i].Strength, 100);
            EXPECT_GE(Players[i].DevelopmentAccumulator, 0.0f);
        }
    }
    // Pinned: the same seed gives the same squads after a season of rounds.
    matchdaytest::Digest digest;
    for (const TPlayer& p : Players) {
        digest.add(p.Strength);
        digest.add(static_cast<std::int64_t>(p.DevelopmentAccumulator * 1e6f));
    }
    EXPECT_EQ(digest.value, 1146825557660494622ull);
}

}  // namespace
}  // namespace tarvelon
