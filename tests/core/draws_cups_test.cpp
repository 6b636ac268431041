#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "core/draws/national_cup.h"
#include "core/hooks.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "tests/core/draws_world.h"

namespace tarvelon {
namespace {

using namespace drawtest;

// A world in `season` with the cups on, its calendar and its league and national cup fixtures.
void PrepareSeason(int season, std::uint32_t seed)
{
    RandSeed = seed;
    BuildWorld(season);
    Game.nationalCupOn = 1;
    Game.firstContinentalPairOn = 1;
    Game.secondContinentalPairOn = 1;
    BuildCalendar();
    for (int l = 0; l < static_cast<int>(Leagues.size()); ++l)
        BuildCompetitionFixtures(kKindNationalCup, l);
}

// The clubs of the drawn ties of a league's cup; every side must be a real club or the whole tie undrawn.
std::vector<int> DrawnCupClubs(int league)
{
    std::vector<int> clubs;
    for (const TFixture& f : Fixtures) {
        if (f.kind != kKindNationalCup || f.region != league)
            continue;
        EXPECT_TRUE((f.home == -1) == (f.away == -1)) << "a half-drawn cup tie";
        EXPECT_TRUE(f.home == -1 || IsRealClub(f.home));
        EXPECT_TRUE(f.away == -1 || IsRealClub(f.away));
        if (f.home >= 0 && f.leg >= 1)
            clubs.push_back(f.home);
    }
    return clubs;
}

TEST(DrawsNationalCup, BrazilStartsWithThirtyTwoClubsOfTheTopDivisions)
{
    PrepareSeason(1, 31);
    const int brazil = FindLeagueByCountry(kBrazil);
    ASSERT_EQ(NationalCupFirstStage(brazil), 1);
    DrawNationalCup(brazil);

    const int first = FindFixture(brazil, kKindNationalCup, 1);
    ASSERT_GE(first, 0);
    std::set<int> drawn;
    const std::set<int> division1(Leagues[brazil].divisions[0], Leagues[brazil].divisions[0] + 20);
    for (int tie = 0; tie < 16; ++tie) {
        const TFixture& leg1 = Fixtures[first + 2 * tie];
        const TFixture& leg2 = Fixtures[first + 2 * tie + 1];
        ASSERT_TRUE(IsRealClub(leg1.home));
        ASSERT_TRUE(IsRealClub(leg1.away));
        EXPECT_EQ(leg2.home, leg1.away);
        EXPECT_EQ(leg2.away, leg1.home);
        // The first sixteen of division 1 are the home sides of the first legs.
        EXPECT_TRUE(division1.count(leg1.home));
        EXPECT_EQ(Clubs[leg1.home].Division, 1);
        EXPECT_TRUE(drawn.insert(leg1.home).second);
        EXPECT_TRUE(drawn.insert(leg1.away).second);
    }
    EXPECT_EQ(drawn.size(), 32u);
    for (int club : drawn)
        EXPECT_TRUE(Clubs[club].nationalCupEntry);
    // The later stages wait for the results.
    EXPECT_EQ(Fixtures[FindFixture(brazil, kKindNationalCup, 2)].home, -1);
    DrawnCupClubs(brazil);
}

TEST(DrawsNationalCup, BrazilFromSeasonTwoLeavesOutTheContinentalClubs)
{
    PrepareSeason(2, 32);
    const int brazil = FindLeagueByCountry(kBrazil);
    std::set<int> continental;
    for (int s = 0; s < 8; ++s) {
        const int club = Leagues[brazil].divisions[0][s];
        Clubs[club].FirstContinentalEntry = 1;
        continental.insert(club);
    }
    DrawNationalCup(brazil);
    const std::vector<int> clubs = DrawnCupClubs(brazil);
    ASSERT_EQ(clubs.size(), 32u);
    for (int club : clubs) {
        EXPECT_FALSE(continental.count(club));
        EXPECT_TRUE(Clubs[club].Division == 1 || Clubs[club].Division == 2);
    }
}

TEST(DrawsNationalCup, OneDivisionStartsAtStageTwoWithHumanClubsFirst)
{
    RandSeed = 40;
    ResetWorld();
    Game.nationalCupOn = 1;
    for (int i = 0; i < 30; ++i)
        Catalogue(MakeHeader(kArgentina, 25 - i % 25, 0, "A" + std::to_string(i)), "a.tcf");
    const int league = AddLeague(kArgentina);
    AddCountryClubs(league, kArgentina);
    ASSERT_EQ(Leagues[league].divisionCount, 1);
    const int human = Leagues[league].divisions[0][19];  // the last of the division
    Clubs[human].IsHuman = 1;
    BuildCalendar();
    BuildCompetitionFixtures(kKindNationalCup, league);
    ASSERT_EQ(NationalCupFirstStage(league), 2);
    EXPECT_EQ(FindFixture(league, kKindNationalCup, 1), -1);

    DrawNationalCup(league);
    const std::vector<int> clubs = DrawnCupClubs(league);
    ASSERT_EQ(clubs.size(), 16u);
    EXPECT_TRUE(std::count(clubs.begin(), clubs.end(), human));
    // The other fifteen are the first fifteen computer clubs of the division.
    for (int s = 0; s < 15; ++s)
        EXPECT_TRUE(std::count(clubs.begin(), clubs.end(), Leagues[league].divisions[0][s]));
}

TEST(DrawsNationalCup, AShortListNeverPutsAnEmptyPlaceIntoAFixture)
{
    RandSeed = 41;
    ResetWorld(1, 4);
    Game.nationalCupOn = 1;
    for (int i = 0; i < 12; ++i)
        Catalogue(MakeHeader(kArgentina, 10, 0, "A" + std::to_string(i)), "a.tcf");
    const int league = AddLeague(kArgentina);
    AddCountryClubs(league, kArgentina);
    BuildCalendar();
    BuildCompetitionFixtures(kKindNationalCup, league);
    DrawNationalCup(league);
    const std::vector<int> clubs = DrawnCupClubs(league);  // checks that no tie is half drawn
    EXPECT_LE(clubs.size(), 12u);
    for (int club : clubs)
        EXPECT_TRUE(Clubs[club].nationalCupEntry);
}

TEST(DrawsQualifiers, CupWinnerTakesThePriorityPlace)
{
    PrepareSeason(1, 50);
    const int brazil = FindLeagueByCountry(kBrazil);
    const TLeague& league = Leagues[brazil];
    const int cupWinner = league.finalOrder[1][3];  // from division 2
    Draws().findChampion = [cupWinner](int kind, int country, int) {
        return kind == kKindNationalCup && country == kBrazil ? cupWinner : -1;
    };
    BuildCountryTables(1, false);
    const QualifierRow& row = QualifierRows[brazil];
    EXPECT_EQ(row[0], league.finalOrder[0][0]);
    EXPECT_EQ(row[1], cupWinner);
    for (int e = 2; e <= 8; ++e)
        EXPECT_EQ(row[e], league.finalOrder[0][e - 1]);
    EXPECT_EQ(row[9], -1);
    EXPECT_EQ(row[10], 8);

    // A cup winner that is also the champion takes no second entry.
    Draws().findChampion = [&league](int, int, int) { return league.finalOrder[0][0]; };
    BuildCountryTables(1, false);
    for (int e = 0; e < 8; ++e)
        EXPECT_EQ(QualifierRows[brazil][e], league.finalOrder[0][e]);
    EXPECT_EQ(QualifierRows[brazil][8], -1);
}

TEST(DrawsQualifiers, CountryWithoutLeagueSendsItsBestClubs)
{
    PrepareSeason(1, 51);
    QualifierRow row;
    PickCountryTopClubs(195, row);  // Uruguai: twelve guests
    EXPECT_EQ(row[10], 10);
    for (int e = 0; e < 10; ++e) {
        ASSERT_TRUE(IsRealClub(row[e]));
        EXPECT_EQ(Clubs[row[e]].Country, 195);
    }
    // Season 1: ranked by the level bunched into 20, 18 and 17 at the top.
    auto key = [](int level) { return level >= 20 ? 20 : level >= 18 ? 18 : level >= 16 ? 17 : level; };
    for (int e = 1; e < 10; ++e)
        EXPECT_GE(key(Clubs[row[e - 1]].Level), key(Clubs[row[e]].Level));
    PickCountryTopClubs(7, row);  // a country with no clubs at all
    EXPECT_EQ(row[0], -1);
    EXPECT_EQ(row[10], 0);
}

// Every club of the four continental group tables: real, in one place only, marked with its group.
void CheckContinentalGroups(bool secondCupOn)
{
    std::set<int> seen;
    for (int table = 0; table < 4; ++table) {
        const bool first = table == 0 || table == 2;
        for (int g = 0; g < 8; ++g) {
            for (int club : Game.ContinentalGroups[table][g]) {
                if (!secondCupOn && !first) {
                    EXPECT_EQ(club, 0) << "the second cup stays undrawn when it is off";
                    continue;
                }
                ASSERT_TRUE(club == -1 || IsRealClub(club));
                if (club < 0)
                    continue;
                EXPECT_TRUE(seen.insert(club).second) << "club " << club << " drawn twice";
                EXPECT_EQ(first ? Clubs[club].firstContinentalGroup : Clubs[club].secondContinentalGroup, g + 1);
                EXPECT_TRUE(first ? Clubs[club].FirstContinentalEntry : Clubs[club].SecondContinentalEntry);
                const int confederation = ConfederationOfCountry(Clubs[club].Country);
                EXPECT_EQ(confederation, table < 2 ? 1 : 0);
            }
        }
    }
}

TEST(DrawsContinental, BothCupsAreDrawnInBothEditions)
{
    PrepareSeason(2, 60);
    BuildCountryTables(1, true);
    CheckContinentalGroups(true);
    // Brazil's and Argentina's four best seed the South American first cup.
    const std::set<int> seeds = {QualifierRows[0][0], QualifierRows[0][1], QualifierRows[0][2], QualifierRows[0][3],
                                 QualifierRows[1][0], QualifierRows[1][1], QualifierRows[1][2], QualifierRows[1][3]};
    for (int g = 0; g < 8; ++g)
        EXPECT_TRUE(seeds.count(Game.ContinentalGroups[ContinentalGroupTable(4, 1)][g][0]));
    EXPECT_EQ(Game.FirstContinentalStage, 1);
    EXPECT_EQ(Game.ClubWorldCupStage, 1);
    // Group fixtures exist and no side of them is an empty place.
    int groupMatches = 0;
    for (const TFixture& f : Fixtures) {
        if (f.kind != kKindFirstContinentalCup && f.kind != kKindSecondContinentalCup)
            continue;
        if (f.round <= 3) {
            ++groupMatches;
            EXPECT_TRUE(IsRealClub(f.home) && IsRealClub(f.away));
        }
    }
    EXPECT_GT(groupMatches, 0);
}

TEST(DrawsContinental, WithTheSecondCupOffOnlyTheFirstIsDrawn)
{
    PrepareSeason(2, 61);
    Game.secondContinentalPairOn = 0;
    BuildCountryTables(1, true);
    CheckContinentalGroups(false);
    for (const TFixture& f : Fixtures)
        EXPECT_NE(f.kind, kKindSecondContinentalCup);
}

TEST(DrawsContinental, AHumanClubTakesTheOpenEuropeanPlace)
{
    PrepareSeason(2, 62);
    // Dinamarca (row 26) is not among the fixed places; its best club is human-run.
    QualifierRow row;
    PickCountryTopClubs(54, row);
    const int danish = row[0];
    for (int club = 0; club < Game.LeagueClubCount + Game.ExtraClubCount; ++club)
        if (Clubs[club].Country == 54)
            Clubs[club].Level = club == danish ? 25 : 1;
    Clubs[danish].IsHuman = 1;
    BuildCountryTables(1, true);
    EXPECT_TRUE(Clubs[danish].FirstContinentalEntry);
}

TEST(DrawsClubWorldCup, SixEntrantsFillTheBracket)
{
    PrepareSeason(2, 70);
    BuildCountryTables(1, true);
    const int southAmerica = Game.ContinentalGroups[0][0][0];
    const int europe = Game.ContinentalGroups[2][0][0];
    Draws().findChampion = [=](int kind, int country, int) {
        if (kind != kKindFirstContinentalCup)
            return -1;
        return ConfederationOfCountry(country) == 1 ? southAmerica : europe;
    };
    ASSERT_TRUE(DrawClubWorldCup());
    std::set<int> entrants;
    for (int tie = 1; tie <= 4; ++tie) {
        ASSERT_TRUE(IsRealClub(ClubWorldCupTies[tie].firstTeam));
        entrants.insert(ClubWorldCupTies[tie].firstTeam);
    }
    for (int tie = 1; tie <= 2; ++tie) {
        ASSERT_TRUE(IsRealClub(ClubWorldCupTies[tie].secondTeam));
        entrants.insert(ClubWorldCupTies[tie].secondTeam);
    }
    EXPECT_EQ(ClubWorldCupTies[3].secondTeam, -1);
    EXPECT_EQ(ClubWorldCupTies[5].firstTeam, -1);
    EXPECT_EQ(entrants.size(), 6u);
    EXPECT_TRUE(entrants.count(southAmerica) && entrants.count(europe));
    const std::set<int> semiFinalists = {ClubWorldCupTies[3].firstTeam, ClubWorldCupTies[4].firstTeam};
    EXPECT_EQ(semiFinalists, (std::set<int>{southAmerica, europe}));
    for (int club : entrants)
        EXPECT_TRUE(Clubs[club].clubWorldCupEntry);
    // Ties are numbered 1..6: a number outside the bracket is refused, never read next door.
    EXPECT_THROW(ClubWorldCupTies[7], std::out_of_range);
    EXPECT_THROW(ClubWorldCupTies[0], std::out_of_range);
}

TEST(DrawsClubWorldCup, AMissingChampionStopsTheDraw)
{
    PrepareSeason(2, 71);
    std::string shown;
    Hooks().showMessage = [&shown](const std::string& text) { shown = text; };
    EXPECT_FALSE(DrawClubWorldCup());
    EXPECT_EQ(shown, "Erro no jogo, reinstale os times");
    for (int tie = 1; tie <= 6; ++tie)
        EXPECT_EQ(ClubWorldCupTies[tie].firstTeam, -1);
    Hooks().showMessage = nullptr;
}

TEST(DrawsCups, TheSameSeedDrawsTheSameCups)
{
    auto drawAll = [] {
        PrepareSeason(2, 90);
        Draws().findChampion = [](int kind, int country, int) {
            return kind == kKindFirstContinentalCup ? (ConfederationOfCountry(country) == 1 ? 0 : 300) : -1;
        };
        BuildCountryTables(1, true);
        for (int l = 0; l < static_cast<int>(Leagues.size()); ++l)
            DrawNationalCup(l);
        EXPECT_TRUE(DrawClubWorldCup());
        return DrawSnapshot();
    };
    const std::string first = drawAll();
    EXPECT_EQ(drawAll(), first);
}

}  // namespace
}  // namespace tarvelon
