#include <gtest/gtest.h>

#include <map>

#include "core/draws/draw_candidates.h"
#include "tests/core/draws_world.h"

namespace tarvelon {
namespace {

using namespace drawtest;

// Tier of every club of the state championships; a club in two places fails the test.
std::map<int, std::pair<int, int>> TierOfClubs()
{
    std::map<int, std::pair<int, int>> tierOf;
    for (int s = 0; s < kStateCount; ++s) {
        for (int t = 0; t < kStateTierCount; ++t) {
            for (int club : StateChampionships[s].groups[t]) {
                if (club < 0)
                    continue;
                EXPECT_TRUE(IsRealClub(club));
                EXPECT_EQ(tierOf.count(club), 0u) << "club " << club << " drawn twice";
                tierOf[club] = {s, t + 1};
            }
        }
    }
    return tierOf;
}

int FilledPlaces(const TStateChampionship& state, int tier)
{
    int filled = 0;
    for (int club : state.groups[tier - 1])
        filled += club >= 0;
    return filled;
}

void DrawBrazilianStates(std::uint32_t seed)
{
    RandSeed = seed;
    ResetWorld();
    Game.StateChampionshipsOn = 1;
    BuildLeagues();
    BuildNationalTeams();  // a Brazilian national team must not be taken for a state club
    DrawStateChampionships();
}

TEST(DrawsState, ComparatorsRankByLevelThenKey)
{
    const DrawCandidate high{1, 20, 50}, lowKey{2, 10, 3}, highKey{3, 10, 40};
    EXPECT_LT(CompareStateCandidates(&high, &lowKey), 0);
    EXPECT_LT(CompareStateCandidates(&lowKey, &highKey), 0);
    EXPECT_GT(CompareStateCandidates(&highKey, &lowKey), 0);
    EXPECT_EQ(CompareStateCandidates(&lowKey, &lowKey), 0);
    EXPECT_LT(CompareClubsByLevel(&lowKey, &highKey), 0);
}

TEST(DrawsState, TierCountsFollowTheStatesClubs)
{
    EXPECT_EQ(StateTierCountFor(5), 0);
    EXPECT_EQ(StateTierCountFor(6), 1);
    EXPECT_EQ(StateTierCountFor(11), 1);
    EXPECT_EQ(StateTierCountFor(12), 2);
    EXPECT_EQ(StateTierCountFor(17), 2);
    EXPECT_EQ(StateTierCountFor(18), 3);
    EXPECT_EQ(StateTierCountFor(24), 4);
    EXPECT_EQ(StateTierCountFor(10000), 4);
}

TEST(DrawsState, BrazilianStatesAreDealtIntoTiers)
{
    DrawBrazilianStates(42);
    EXPECT_TRUE(Game.StateChampionshipsOn);

    // São Paulo, 30 clubs: four tiers of six and a full reserve tier.
    const TStateChampionship& sp = StateChampionships[25];
    EXPECT_TRUE(sp.active);
    EXPECT_EQ(sp.groupCount, 4);
    for (int t = 1; t <= 5; ++t)
        EXPECT_EQ(FilledPlaces(sp, t), 6);
    // Rio de Janeiro, 13 clubs: two tiers, the 13th alone in the reserve tier.
    const TStateChampionship& rj = StateChampionships[18];
    EXPECT_EQ(rj.groupCount, 2);
    EXPECT_EQ(FilledPlaces(rj, 3), 1);
    EXPECT_EQ(FilledPlaces(rj, 4), 0);
    // Minas Gerais, 5 clubs: no championship.
    EXPECT_FALSE(StateChampionships[10].active);
    EXPECT_EQ(StateChampionships[10].groupCount, 0);
    EXPECT_EQ(FilledPlaces(StateChampionships[10], 1), 0);

    for (const auto& [club, where] : TierOfClubs()) {
        EXPECT_EQ(Clubs[club].Country, kBrazil);
        EXPECT_LT(club, Game.LeagueClubCount);
        EXPECT_EQ(Clubs[club].State, where.first);
        EXPECT_EQ(Clubs[club].stateGroup, where.second);
        EXPECT_TRUE(Clubs[club].StateEntry);
    }
}

TEST(DrawsState, HigherTiersHoldTheStrongerClubs)
{
    DrawBrazilianStates(7);
    for (const TStateChampionship& state : StateChampionships) {
        for (int t = 1; t < state.groupCount + 1; ++t) {
            int weakestAbove = 99;
            for (int club : state.groups[t - 1])
                if (club >= 0)
                    weakestAbove = std::min(weakestAbove, Clubs[club].Level);
            for (int club : state.groups[t])
                if (club >= 0) {
                    EXPECT_LE(Clubs[club].Level, weakestAbove);
                }
        }
    }
}

TEST(DrawsState, HumanClubMarksItsState)
{
    RandSeed = 3;
    ResetWorld();
    Game.StateChampionshipsOn = 1;
    BuildLeagues();
    Clubs[40].IsHuman = 1;  // a club of Rio de Janeiro
    DrawStateChampionships();
    EXPECT_EQ(StateChampionships[18].humanClubPresent, 1);
    EXPECT_EQ(StateChampionships[25].humanClubPresent, 0);
}

TEST(DrawsState, NoStateChampionshipsWithoutTheBrazilianLeague)
{
    RandSeed = 11;
    ResetWorld();
    Game.StateChampionshipsOn = 1;
    for (int i = 0; i < 45; ++i)
        Catalogue(MakeHeader(kArgentina, 10, 0, "A" + std::to_string(i)), "a.tcf");
    AddCountryClubs(AddLeague(kArgentina), kArgentina);
    AppendGuestClubs(kBrazil, 14);  // Brazilian guests of the continental cups, all of state 0
    DrawStateChampionships();
    EXPECT_FALSE(Game.StateChampionshipsOn);
    for (const TStateChampionship& state : StateChampionships) {
        EXPECT_FALSE(state.active);
        EXPECT_EQ(FilledPlaces(state, 1), 0);
    }
    for (const TClub& club : Clubs)
        EXPECT_FALSE(club.StateEntry);
}

TEST(DrawsState, FourthDivisionNeedsThirtyTwoRegionalClubsInPlayedTiers)
{
    DrawBrazilianStates(21);
    int regionalInPlay = 0;
    for (const TStateChampionship& state : StateChampionships)
        for (int t = 0; t < state.groupCount; ++t)
            for (int club : state.groups[t])
                regionalInPlay += club > 0 && Clubs[club].Division == 0;
    EXPECT_EQ(HasStateClubsForFourthDivision(), regionalInPlay >= 32);

    // Push clubs out of their divisions until 32 regional clubs play.
    int needed = 32 - regionalInPlay;
    for (int s = 0; s < kStateCount && needed > 0; ++s)
        for (int t = 0; t < StateChampionships[s].groupCount && needed > 0; ++t)
            for (int club : StateChampionships[s].groups[t])
                if (club > 0 && Clubs[club].Division != 0 && needed > 0) {
                    Clubs[club].Division = 0;
                    --needed;
                }
    EXPECT_TRUE(HasStateClubsForFourthDivision());
}

// The count takes the places holding a club index above 0: club 0, drawn into a played tier and
// without a division, is not one of the 32.
TEST(DrawsState, OnlyClubIndexesAboveZeroCountForTheFourthDivision)
{
    DrawBrazilianStates(8);
    Clubs[0].Level = 30;  // club 0 now heads São Paulo's first tier
    DrawStateChampionships();
    for (TClub& club : Clubs)
        club.Division = 1;
    Clubs[0].Division = 0;
    ASSERT_GT(Clubs[0].StateEntry, 0);
    ASSERT_LE(Clubs[0].stateGroup, StateChampionships[Clubs[0].State].groupCount);
    // Club 0 and 31 others without a division: 31 count.
    auto takeOutOfDivisions = [](int wanted) {
        int taken = 0;
        for (int s = 0; s < kStateCount; ++s)
            for (int t = 0; t < StateChampionships[s].groupCount; ++t)
                for (int club : StateChampionships[s].groups[t])
                    if (club > 0 && Clubs[club].Division != 0 && taken < wanted) {
                        Clubs[club].Division = 0;
                        ++taken;
                    }
        return taken;
    };
    ASSERT_EQ(takeOutOfDivisions(31), 31);
    EXPECT_FALSE(HasStateClubsForFourthDivision());
    ASSERT_EQ(takeOutOfDivisions(1), 1);
    EXPECT_TRUE(HasStateClubsForFourthDivision());
}

TEST(DrawsState, SwapMovesTheLastUpAndTheFirstDown)
{
    DrawBrazilianStates(13);
    TStateChampionship& rj = StateChampionships[18];
    // Final tables of the two played tiers: places 1..6 in list order.
    for (int t = 0; t < 2; ++t)
        for (int p = 0; p < 6; ++p)
            Clubs[rj.groups[t][p]].Place[3] = p + 1;
    const int lastOfTier1 = rj.groups[0][5];
    const int winnerOfTier2 = rj.groups[1][0];
    const int lastOfTier2 = rj.groups[1][5];
    int reserveFirst = -1;
    for (int club : rj.groups[2])
        if (club >= 0 && reserveFirst < 0)
            reserveFirst = club;
    ASSERT_EQ(rj.groups[2][0], reserveFirst) << "the reserve tier's only club sits in its first place";

    std::vector<std::pair<int, int>> hired;
    Draws().hireCoach = [&hired](int club, int coach) { hired.push_back({club, coach}); };
    SwapStateChampionshipTiers();

    EXPECT_EQ(Clubs[lastOfTier1].stateGroup, 2);
    EXPECT_EQ(Clubs[winnerOfTier2].stateGroup, 1);
    EXPECT_EQ(Clubs[lastOfTier2].stateGroup, 3);
    EXPECT_EQ(Clubs[reserveFirst].stateGroup, 2);
    EXPECT_EQ(Clubs[lastOfTier1].Place[3], 0);
    EXPECT_EQ(Clubs[winnerOfTier2].Place[3], 0);
    EXPECT_EQ(FilledPlaces(rj, 1), 6);
    EXPECT_EQ(FilledPlaces(rj, 2), 6);
    EXPECT_EQ(FilledPlaces(rj, 3), 1);
    TierOfClubs();  // still every club in one place only
    // No coach is free in this world: nobody is hired.
    EXPECT_TRUE(hired.empty());
}

TEST(DrawsState, SwapHiresTheLastFreeCoachForAClubWithout)
{
    DrawBrazilianStates(14);
    const int club = StateChampionships[25].groups[0][0];
    for (TClub& c : Clubs)
        c.coach = 0;
    Clubs[club].coach = -1;
    Coaches.resize(4);
    for (TCoach& coach : Coaches) {
        coach.name.set("Técnico");
        coach.club = -1;
        coach.division = 3;
    }
    Coaches[3].human = 1;   // the last is human, the one before has a club: the second is taken
    Coaches[2].club = 7;
    std::vector<std::pair<int, int>> hired;
    Draws().hireCoach = [&hired](int c, int coach) { hired.push_back({c, coach}); };
    SwapStateChampionshipTiers();
    ASSERT_EQ(hired.size(), 1u);
    EXPECT_EQ(hired[0], std::make_pair(club, 1));
}

TEST(DrawsState, TheSameSeedDrawsTheSameStates)
{
    DrawBrazilianStates(555);
    const std::string first = DrawSnapshot();
    DrawBrazilianStates(555);
    EXPECT_EQ(DrawSnapshot(), first);
}

}  // namespace
}  // namespace tarvelon
