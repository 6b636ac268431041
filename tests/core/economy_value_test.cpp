#include <gtest/gtest.h>

#include "core/basics/random.h"
#include "core/economy/loans.h"
#include "core/economy/player_value.h"
#include "core/economy/squad_rules.h"
#include "core/economy/youth.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "tests/core/economy_test_world.h"

namespace tarvelon {
namespace {

using testworld::Build;

// One club of its own at the end of the world, with one player to value.
struct Subject {
    int club;
    int player;
};

Subject MakeSubject(int country, int division, int level, int age, int strength, int position = 3)
{
    const int club = testworld::AddClub(country, division, level);
    TPlayer p{};
    p.Club = club;
    p.Age = age;
    p.Strength = strength;
    p.Position = position;
    Players.push_back(p);
    return {club, static_cast<int>(Players.size()) - 1};
}

class EconomyValueTest : public ::testing::Test {
protected:
    void SetUp() override { Build({{104, 1}}, 4); }
};

TEST_F(EconomyValueTest, ValueOfKnownPlayers)
{
    // 24, strength 50, European level-15 club: base 400 + 8 x 28.
    Subject a = MakeSubject(3, 1, 15, 24, 50);
    EXPECT_EQ(ComputePlayerValue(a.player), 6'240'000);

    // Outside Europe the young get 20 a year: 366 + 8 x 20.
    Subject b = MakeSubject(29, 1, 15, 24, 50);
    EXPECT_EQ(ComputePlayerValue(b.player), 10'000 * (366 + 160));

    // Star at a level-22 European club (tripled), regular (+20 %), 30 years, 20.5 goals a season
    // (rounds to 20 by ties to even): 2730 x 160^2 x 1.2.
    Subject c = MakeSubject(65, 1, 22, 30, 80);
    Players[c.player].Star = 1;
    Players[c.player].LineupStatus = 1;
    Players[c.player].careerGoals = 41;
    Game.Season = 2;
    EXPECT_EQ(ComputePlayerValue(c.player), 69'888'000 + 13'977'600);

    // Star elsewhere gets base + 60 %: 326 + 196 = 522, age 19: + 13 x 27.
    Subject d = MakeSubject(107, 1, 10, 19, 10);
    Players[d.player].Star = 1;
    EXPECT_EQ(ComputePlayerValue(d.player), 400 * (522 + 351));
}

TEST_F(EconomyValueTest, OldPlayersLoseValueDownToTheFloor)
{
    Subject a = MakeSubject(3, 1, 15, 35, 50);  // 400 - 200
    EXPECT_EQ(ComputePlayerValue(a.player), 10'000 * 200);
    Subject b = MakeSubject(3, 1, 15, 36, 50);  // 400 - 400 falls below 1: 100
    EXPECT_EQ(ComputePlayerValue(b.player), 10'000 * 100);
    Subject c = MakeSubject(3, 1, 15, 33, 50);  // 400 + 2 x 50
    EXPECT_EQ(ComputePlayerValue(c.player), 10'000 * 500);
}

TEST_F(EconomyValueTest, ValueProductIsA32BitFigure)
{
    Subject a = MakeSubject(3, 1, 22, 30, 500);
    Players[a.player].Star = 1;
    Players[a.player].LineupStatus = 1;
    // 1000^2 x 2730 = 2,730,000,000 wraps in 32 bits.
    EXPECT_EQ(ComputePlayerValue(a.player), 2'730'000'000LL - 4'294'967'296LL);
}

TEST_F(EconomyValueTest, WageOfKnownPlayers)
{
    // Star forward, 33, first division of Itália, level 20, 5,000,000 cash: 80 x 800 - 300 + 20,000.
    Subject a = MakeSubject(104, 1, 20, 33, 80, 4);
    Players[a.player].Star = 1;
    EXPECT_EQ(ComputePlayerWage(a.player), 83'700);

    // Second division elsewhere with more than 20,000,000 cash and level 21, a centre back:
    // (500 + 100 + 50 - 40) x 60.
    Subject b = MakeSubject(29, 2, 21, 25, 60, 2);
    Clubs[b.club].cash = CurrencyFromUnits(20'000'001);
    EXPECT_EQ(ComputePlayerWage(b.player), 610 * 60);

    // Between 10 and 20 million: + 50; regional club: 400.
    Subject c = MakeSubject(29, 0, 5, 25, 10, 3);
    Clubs[c.club].cash = CurrencyFromUnits(10'000'001);
    EXPECT_EQ(ComputePlayerWage(c.player), 450 * 10);

    // A weak goalkeeper earns the minimum.
    Subject d = MakeSubject(29, 3, 5, 25, 1, 0);
    EXPECT_EQ(ComputePlayerWage(d.player), 500);
}

TEST_F(EconomyValueTest, FreePlayerKeepsValueAndWageInsteadOfReadingOutsideTheClubs)
{
    Subject a = MakeSubject(3, 1, 15, 24, 50);
    Players[a.player].Value = CurrencyFromUnits(1234);
    Players[a.player].wage = CurrencyFromUnits(777);
    Players[a.player].Club = -1;
    EXPECT_EQ(ComputePlayerValue(a.player), 1234);
    EXPECT_EQ(ComputePlayerWage(a.player), 777);
    Players[a.player].Club = static_cast<int>(Clubs.size());
    EXPECT_EQ(ComputePlayerValue(a.player), 1234);
    EXPECT_EQ(ComputePlayerValue(0), 0);
    EXPECT_EQ(ComputePlayerWage(-3), 0);
}

TEST_F(EconomyValueTest, PositionKeysAndTopCountries)
{
    Subject a = MakeSubject(3, 1, 15, 24, 50, 1);
    const int keys[5][3] = {{0, 0, 0}, {2, 3, 6}, {4, 5, 4}, {7, 8, 6}, {9, 10, 11}};
    for (int position = 0; position < 5; ++position) {
        for (int role = 0; role < 3; ++role) {
            Players[a.player].Position = position;
            Players[a.player].Role = role;
            EXPECT_EQ(PositionSortKey(a.player), keys[position][role]);
        }
    }
    Players[a.player].Role = 3;
    EXPECT_EQ(PositionSortKey(a.player), 0);
    for (int country : {3, 65, 97, 104, 154})
        EXPECT_TRUE(IsTopEuropeanCountry(country));
    EXPECT_FALSE(IsTopEuropeanCountry(72));
    EXPECT_FALSE(IsTopEuropeanCountry(29));
}

TEST_F(EconomyValueTest, ContractsRunFromTodayAndRestartTheWarnings)
{
    Game.DayIndex = 30;
    Players[5].contractWarning = 2;
    SetContractWeeks(4, 5);
    EXPECT_DOUBLE_EQ(Players[5].ContractEnd, TodayDate() + 28);
    EXPECT_EQ(Players[5].contractWarning, 0);
    RenewContractWeeks(12, 6);
    EXPECT_DOUBLE_EQ(Players[6].ContractEnd, TodayDate() + 84);
}

TEST_F(EconomyValueTest, SquadFiguresAndWageBill)
{
    const int club = 3;
    RecountSquad(club);
    EXPECT_EQ(Clubs[club].squadSize, 25);
    const int expected[5] = {3, 5, 5, 7, 5};
    for (int position = 0; position < 5; ++position)
        EXPECT_EQ(Clubs[club].playersPerPosition[position], expected[position]);
    EXPECT_EQ(Clubs[club].AvailablePlayers, 25);

    // Each wage rounds to whole units, half a unit to even: 1000.5 and 1001.5 give 1000 and 1002.
    Players[1].wage = CurrencyFromUnits(1000) + 5000;
    Players[2].wage = CurrencyFromUnits(1001) + 5000;
    const int first = Players[1].Club;
    std::int64_t bill = 1000 + 1002;
    for (std::size_t p = 3; p < Players.size(); ++p) {
        if (Players[p].Club == first)
            bill += Players[p].wage / 10000;
    }
    RecalcClubWageBill(first);
    EXPECT_EQ(ClubFinances[first].weeklyWageBill, bill);
}

TEST_F(EconomyValueTest, SurplusListingKeepsTheLimitsAndLeavesHumanClubsAlone)
{
    const int club = 2;
    // 7 midfielders and 5 of every outfield position: one listed for each of those; 3 keepers: one.
    RandSeed = 99;
    ListSurplusPlayers(club);
    int listed[5] = {};
    for (std::size_t p = 1; p < Players.size(); ++p) {
        const TPlayer& player = Players[p];
        if (player.Club != club || !player.ListedForSale)
            continue;
        ++listed[player.Position];
        EXPECT_FALSE(player.Star);
        EXPECT_NE(player.LineupStatus, 1);
        EXPECT_EQ(player.AskingPrice, player.Value);
        if (player.loanStatus == 1) {
            EXPECT_LT(player.Strength, 40);
        }
    }
    for (int position = 0; position < 5; ++position)
        EXPECT_EQ(listed[position], 1) << position;

    // Exactly 5 midfielders: none listed; 6: one.
    Clubs[club].playersPerPosition[3] = 5;
    for (std::size_t p = 1; p < Players.size(); ++p)
        Players[p].ListedForSale = 0;
    ListSurplusPlayers(club);
    int midfielders = 0;
    for (std::size_t p = 1; p < Players.size(); ++p)
        midfielders += Players[p].Club == club && Players[p].Position == 3 && Players[p].ListedForSale;
    EXPECT_EQ(midfielders, 0);

    testworld::MakeHuman(4);
    ListSurplusPlayers(4);
    for (std::size_t p = 1; p < Players.size(); ++p)
        EXPECT_FALSE(Players[p].Club == 4 && Players[p].ListedForSale);
}

TEST_F(EconomyValueTest, NationalSquadNeedsTwoFitKeepersAndTwentyOthers)
{
    // 104's clubs have plenty; a country with exactly 2 keepers and 20 others can, one fewer cannot.
    EXPECT_TRUE(CanFormNationalSquad(104));
    const int country = 150;
    int made = 0;
    for (std::size_t p = 1; p < Players.size() && made < 22; ++p) {
        if (Players[p].Position == 0 && made < 2) {
            Players[p].nationality = country;
            ++made;
        } else if (Players[p].Position != 0 && made >= 2) {
            Players[p].nationality = country;
            ++made;
        }
    }
    EXPECT_TRUE(CanFormNationalSquad(country));
    // An injured one (past today) no longer counts; a free player does.
    int injured = 0;
    for (std::size_t p = 1; p < Players.size(); ++p) {
        if (Players[p].nationality == country && Players[p].Position != 0) {
            Players[p].InjuredUntil = TodayDate() + 1;
            injured = static_cast<int>(p);
            break;
        }
    }
    EXPECT_FALSE(CanFormNationalSquad(country));
    Players[injured].InjuredUntil = TodayDate();
    Players[injured].Club = -1;
    EXPECT_TRUE(CanFormNationalSquad(country));
}

// The youth draws in their order: age, strength band and step, legacy bonus, star.
TEST_F(EconomyValueTest, YouthReplacementDrawsInOrder)
{
    const int old = 10;
    TPlayer& before = Players[old];
    const int club = before.Club;
    Clubs[club].Level = 20;  // a big computer club
    before.Strength = 75;
    before.Star = 0;
    before.careerGoals = 300;
    before.loanStatus = 2;
    AddLoan(old, 1, TodayDate() + 30);
    const std::size_t count = Players.size();

    RandSeed = 4242;
    const int ageDraw = Random(100);
    const int band = Random(100) + 1;
    int strength = 0;
    if (band <= 10) strength = 10 + Random(2);
    else if (band <= 30) strength = 10 + Random(4);
    else if (band <= 40) strength = 12 + Random(4);
    else if (band <= 60) strength = 14 + Random(4);
    else if (band <= 80) strength = 15 + Random(4);
    else if (band <= 99) strength = 15 + Random(5);
    else strength = 20 + Random(7);
    const int bonus[3] = {20, 15, 10};
    strength += bonus[Random(3)];
    const bool star = Random(70) == 1;
    if (star)
        strength += 10 + Random(10);
    const int age = ageDraw < 35 ? 20 : ageDraw < 75 ? 19 : ageDraw < 89 ? 18 : 17;
    const std::uint32_t after = RandSeed;

    RandSeed = 4242;
    CreateYouthReplacement(old, "Novato de Nome Muito Comprido", -1);
    EXPECT_EQ(RandSeed, after);
    ASSERT_EQ(Players.size(), count + 1);
    TPlayer& youth = Players.back();
    EXPECT_EQ(Players[old].Club, -1);
    EXPECT_EQ(youth.Club, club);
    EXPECT_EQ(youth.Age, age);
    EXPECT_EQ(youth.Strength, strength);
    EXPECT_EQ(youth.Star, star ? 1 : 0);
    EXPECT_EQ(youth.Name.str(), "Novato de Nome Muito");
    EXPECT_EQ(youth.careerGoals, 0);
    // He is valued before his career is cleared, on the 300 goals copied from the old player.
    const int index = static_cast<int>(Players.size()) - 1;
    const std::int64_t valueWithoutGoals = ComputePlayerValue(index);
    youth.careerGoals = 300;
    EXPECT_EQ(youth.Value, CurrencyFromUnits(ComputePlayerValue(index)));
    EXPECT_GT(youth.Value, CurrencyFromUnits(valueWithoutGoals));
    youth.careerGoals = 0;
    EXPECT_DOUBLE_EQ(youth.ContractEnd, TodayDate() + 28);
    EXPECT_EQ(youth.Morale, 3);
    EXPECT_EQ(youth.Energy, 100);
    // The retired player's loan ends; the youngster has none.
    EXPECT_EQ(youth.loanStatus, 0);
    EXPECT_EQ(FindOpenLoan(old), -1);
}

TEST_F(EconomyValueTest, YouthReplacementTakesAGivenPositionWithItsTraits)
{
    for (std::uint32_t seed = 1; seed < 40; ++seed) {
        RandSeed = seed;
        CreateYouthReplacement(static_cast<int>(seed) + 1, "", 0);
        const TPlayer& youth = Players.back();
        EXPECT_EQ(youth.Position, 0);
        const bool known = (youth.Trait1 == 0 && youth.Trait2 == 2) || (youth.Trait1 == 2 && youth.Trait2 == 3) ||
                           (youth.Trait1 == 3 && youth.Trait2 == 0);
        EXPECT_TRUE(known) << youth.Trait1 << "/" << youth.Trait2;
        EXPECT_GE(youth.Age, 17);
        EXPECT_LE(youth.Age, 20);
        for (int kind = 0; kind < kCompetitionKinds; ++kind)
            EXPECT_EQ(youth.YellowCards[kind] + youth.Bans[kind], 0);
    }
}

TEST_F(EconomyValueTest, YouthOfAFreePlayerStaysInsideTheTables)
{
    Players[7].Club = -1;
    RandSeed = 5;
    CreateYouthReplacement(7, "", -1);
    EXPECT_EQ(Players.back().Club, -1);
    EXPECT_LE(Players.back().Strength, 14 + 30 + 19);
    CreateYouthReplacement(0, "", -1);
    CreateYouthReplacement(static_cast<int>(Players.size()), "", -1);
}

}  // namespace
}  // namespace tarvelon
