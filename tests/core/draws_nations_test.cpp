#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <set>
#include <vector>

#include "core/draws/national_tournaments.h"
#include "core/season/calendar.h"
#include "core/vocab/countries.h"
#include "tests/core/draws_world.h"

namespace tarvelon {
namespace {

using namespace drawtest;

// The drawn sides of the first `groups` groups: real, each once, marked with group and place.
std::set<int> CheckNationalGroups(int groups)
{
    std::set<int> drawn;
    for (int g = 0; g < groups; ++g) {
        for (int p = 0; p < 4; ++p) {
            const int side = Game.NationalGroups[g][p];
            if (side == -1)
                continue;
            EXPECT_TRUE(IsRealClub(side));
            EXPECT_GE(side, Game.LeagueClubCount + Game.ExtraClubCount) << "only national teams are drawn";
            EXPECT_TRUE(drawn.insert(side).second) << "side " << side << " drawn twice";
            EXPECT_EQ(Clubs[side].NationalTeamGroup, g + 1);
            EXPECT_EQ(Clubs[side].nationalTeamGroupPlace, p + 1);
            EXPECT_TRUE(Clubs[side].NationalTeamCupEntry);
        }
    }
    for (int g = groups; g < 8; ++g)
        for (int side : Game.NationalGroups[g])
            EXPECT_EQ(side, -1);
    return drawn;
}

// The tournament rows of `Game` after a draw: the drawn sides, each once, eight a row from the
// first, higher levels first; the slots beyond them keep what they held. Returns them in row order.
std::vector<int> CheckTournamentRows(const std::set<int>& drawn)
{
    std::vector<int> rows;
    for (const auto& row : Game.tournamentRows)
        rows.insert(rows.end(), std::begin(row), std::end(row));
    const auto filled = rows.begin() + static_cast<std::ptrdiff_t>(drawn.size());
    EXPECT_EQ(std::set<int>(rows.begin(), filled), drawn);
    for (auto slot = filled; slot != rows.end(); ++slot)
        EXPECT_EQ(*slot, 0) << "slot " << slot - rows.begin() << " beyond the drawn sides was written";
    rows.erase(filled, rows.end());
    for (std::size_t i = 1; i < rows.size(); ++i)
        EXPECT_GE(Clubs[rows[i - 1]].Level, Clubs[rows[i]].Level) << "slot " << i;
    return rows;
}

void ExpectFreshTournamentState()
{
    EXPECT_EQ(Game.TournamentStage, 1);
    EXPECT_EQ(Game.tournamentLeg, 1);
    EXPECT_EQ(Game.HumanNationCount, 0);
    for (int slot : Game.HumanNations)
        EXPECT_EQ(slot, -1);
}

int Confederation(int side)
{
    return NationalTeams[Clubs[side].State].confederation;
}

TEST(DrawsNations, WorldCupHostsCycleForEver)
{
    EXPECT_EQ(WorldCupHostNumber(0), 1);
    EXPECT_EQ(WorldCupHostNumber(10), 11);
    EXPECT_EQ(WorldCupHostNumber(11), 1);
    EXPECT_EQ(WorldCupHostNumber(12), 2);
    EXPECT_EQ(WorldCupHostNumber(20), 10);
    EXPECT_EQ(WorldCupHostNumber(21), 1);
    EXPECT_EQ(WorldCupHostNumber(50), 10);
    // After fifty editions the host still comes from the host rows, never row 0.
    for (int editions = 51; editions < 500; ++editions) {
        EXPECT_GE(WorldCupHostNumber(editions), 1);
        EXPECT_LE(WorldCupHostNumber(editions), 10);
    }
    EXPECT_EQ(WorldCupHostNumber(51), 1);

    ResetWorld();
    BuildNationalTeams();
    Game.worldCupEditions = 10;
    WorldCupHost host = ChooseWorldCupHost();
    EXPECT_EQ(host.country, CountryGermany);
    EXPECT_TRUE(host.hasTeam);
    EXPECT_EQ(Game.TournamentHost, 11);
    Game.worldCupEditions = 12;
    EXPECT_EQ(ChooseWorldCupHost().country, CountryBrazil);
    Game.worldCupEditions = 21;
    host = ChooseWorldCupHost();
    EXPECT_EQ(host.country, CountrySouthAfrica);
    EXPECT_TRUE(host.hasTeam);
    Game.worldCupEditions = 1000;
    host = ChooseWorldCupHost();
    EXPECT_EQ(Game.TournamentHost, WorldCupHostNumber(1000));
    EXPECT_EQ(host.country, WorldCupHosts[Game.TournamentHost]);

    EXPECT_EQ(ContinentalHostNumber(0), 1);
    EXPECT_EQ(ContinentalHostNumber(8), 2);
    EXPECT_EQ(ContinentalHostNumber(55), 7);
    EXPECT_EQ(ContinentalHostNumber(56), 1);
}

TEST(DrawsNations, WorldCupDrawsThirtyTwoTeamsByConfederation)
{
    for (std::uint32_t seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        RandSeed = seed;
        BuildWorld(1);
        ASSERT_TRUE(IsWorldCupYear());
        Game.worldCupOn = 1;
        Game.TournamentStage = 5;
        SetupWorldCup();
        ExpectFreshTournamentState();
        ASSERT_TRUE(Game.worldCupOn) << "seed " << seed;
        const std::set<int> drawn = CheckNationalGroups(8);
        EXPECT_EQ(drawn.size(), 32u);
        CheckTournamentRows(drawn);

        const int host = FindNationalTeamClub(WorldCupHosts[Game.TournamentHost]);
        EXPECT_TRUE(drawn.count(host));
        int perConfederation[6] = {};
        for (int side : drawn)
            ++perConfederation[Confederation(side)];
        // Europe 13 and the host (South Africa here), South America 4 or 5, Oceania 1 or 0.
        EXPECT_EQ(perConfederation[0], 13);
        EXPECT_EQ(perConfederation[1] + perConfederation[5], 5);
        EXPECT_EQ(perConfederation[2], 6);
        EXPECT_EQ(perConfederation[3], 5);
        EXPECT_EQ(perConfederation[4], 3);
        // Every seed heads its group: a European side or the host or a South American one.
        for (int g = 0; g < 8; ++g) {
            const int seedSide = Game.NationalGroups[g][0];
            EXPECT_TRUE(Confederation(seedSide) <= 1 || seedSide == host);
        }
    }
}

TEST(DrawsNations, WorldCupIsSwitchedOffWhenGroupsCannotBeFilled)
{
    RandSeed = 9;
    ResetWorld(1);
    for (int country : {97, 65, 104, 3, 72, 29, 11})
        AppendNationalTeam(country, 20);
    Game.worldCupOn = 1;
    SetupWorldCup();
    EXPECT_FALSE(Game.worldCupOn);
    for (const TClub& club : Clubs)
        EXPECT_FALSE(club.NationalTeamCupEntry);
}

TEST(DrawsNations, FixedWorldCupUsesItsGroupsOnceAndRanksThemInTheRows)
{
    RandSeed = 10;
    BuildWorld(1);
    const std::uint32_t beforeDraw = RandSeed;
    Game.worldCupOn = 1;
    Game.thirtyTwoTeamDraw = 1;
    SetupWorldCup();
    EXPECT_FALSE(Game.thirtyTwoTeamDraw);
    EXPECT_EQ(Game.TournamentHost, 1);
    EXPECT_EQ(Game.NationalGroups[0][0], FindNationalTeamClub(CountrySouthAfrica));
    EXPECT_EQ(Game.NationalGroups[6][0], FindNationalTeamClub(CountryBrazil));
    EXPECT_EQ(Game.NationalGroups[3][3], FindNationalTeamClub(75));  // Gana
    const std::set<int> drawn = CheckNationalGroups(8);
    ASSERT_EQ(drawn.size(), 32u);

    // The rows are those of a drawn World Cup: each side, in group order, draws a key of 0..99 and
    // the sides of one level stand by the higher key first. Those 32 keys are all that the draw
    // takes from the generator.
    const std::uint32_t afterDraw = RandSeed;
    RandSeed = beforeDraw;
    std::map<int, int> key;
    for (const auto& group : Game.NationalGroups)
        for (int side : group)
            key[side] = Random(100);
    EXPECT_EQ(RandSeed, afterDraw);
    const std::vector<int> rows = CheckTournamentRows(drawn);
    int ties = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (Clubs[rows[i - 1]].Level != Clubs[rows[i]].Level)
            continue;
        ++ties;
        EXPECT_GE(key[rows[i - 1]], key[rows[i]]) << "slot " << i;
    }
    EXPECT_GT(ties, 10) << "the seed gives the keys little to order";
}

TEST(DrawsNations, CopaAmericaDrawsOneOfItsLayouts)
{
    RandSeed = 20;
    BuildWorld(2);
    ASSERT_TRUE(IsCopaAmericaYear());
    Game.copaAmericaOn = 1;
    Game.copaAmericaEditions = 8;
    DrawCopaAmerica();
    ExpectFreshTournamentState();
    EXPECT_EQ(Game.TournamentHost, 2);
    const std::set<int> drawn = CheckNationalGroups(3);
    // Costa Rica and EUA are in play; every layout is then complete.
    EXPECT_EQ(drawn.size(), 12u);
    for (int side : drawn)
        EXPECT_TRUE(Confederation(side) == 1 || Confederation(side) == 4);
    // Tournament rows: the eight strongest, then the other four.
    CheckTournamentRows(drawn);
}

TEST(DrawsNations, EurocopaDrawsFourGroupsFromThreePots)
{
    RandSeed = 30;
    BuildWorld(3);
    ASSERT_TRUE(IsEurocopaYear());
    Game.eurocopaOn = 1;
    DrawEurocopa();
    ExpectFreshTournamentState();
    const std::set<int> drawn = CheckNationalGroups(4);
    EXPECT_EQ(drawn.size(), 16u);
    const std::set<int> pot1 = {3, 97, 65, 104, 72, 85, 154, 159};
    const std::set<int> pot3 = {160, 142, 171, 31, 63, 180, 21, 100};
    for (int g = 0; g < 4; ++g) {
        EXPECT_TRUE(pot1.count(Clubs[Game.NationalGroups[g][0]].Country));
        EXPECT_TRUE(pot1.count(Clubs[Game.NationalGroups[g][1]].Country));
        EXPECT_EQ(pot3.count(Clubs[Game.NationalGroups[g][3]].Country), g >= 2 ? 1u : 0u);
    }
}

TEST(DrawsNations, AMissingNationLeavesItsPlaceEmpty)
{
    RandSeed = 31;
    ResetWorld(3);
    for (int country : {3, 97, 65, 104, 72, 85, 154, 159, 78, 162, 179, 192})
        AppendNationalTeam(country, 15);
    DrawEurocopa();
    const std::set<int> drawn = CheckNationalGroups(4);
    EXPECT_LT(drawn.size(), 16u);
    int empty = 0;
    for (int g = 0; g < 4; ++g)
        for (int side : Game.NationalGroups[g])
            empty += side == -1;
    EXPECT_EQ(static_cast<int>(drawn.size()) + empty, 16);
}

TEST(DrawsNations, NationalPlayerStrengthByLevelAndSeason)
{
    ResetWorld(3);
    Players.resize(3);
    Players[1].LineupStatus = 1;
    Players[1].Star = 1;
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        RandSeed = seed;
        const int strength = ComputeNationalPlayerStrength(1, 25);
        EXPECT_GE(strength, 98);
        EXPECT_LE(strength, 103);
    }
    Game.Season = 2;
    RandSeed = 5;
    const int plain = ComputeNationalPlayerStrength(2, 11);
    EXPECT_GE(plain, 15);
    EXPECT_LE(plain, 20);
    EXPECT_LE(ComputeNationalPlayerStrength(2, 26), 5);  // a level outside 1..25 has no base
}

TEST(DrawsNations, TheSameSeedDrawsTheSameTournaments)
{
    auto drawAll = [] {
        RandSeed = 4242;
        BuildWorld(1);
        Game.worldCupOn = 1;
        SetupWorldCup();
        std::string bytes = DrawSnapshot();
        DrawCopaAmerica();
        bytes += DrawSnapshot();
        DrawEurocopa();
        return bytes + DrawSnapshot();
    };
    EXPECT_EQ(drawAll(), drawAll());
}

}  // namespace
}  // namespace tarvelon
