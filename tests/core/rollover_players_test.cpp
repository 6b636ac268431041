// The players' and the money side of the season rollover: retirement thresholds, ageing, youth
// replacements, renewed values and wages, and the new season's money by division.
#include <gtest/gtest.h>

#include "core/basics/random.h"
#include "core/rollover/player_ageing.h"
#include "core/rollover/season_money.h"
#include "tests/core/rollover_world.h"

using namespace tarvelon;
using namespace tarvelon::rollovertest;

namespace {

constexpr int kCountry = 11;

class RolloverPlayers : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetRolloverGame(2);
        InstallStandInServices(log);
        cpuClub = AddClub(kCountry, 1, 10);
        humanClub = AddClub(kCountry, 1, 10);
        Clubs[humanClub].IsHuman = 1;
    }
    void TearDown() override { RemoveServices(); }

    int LastPlayer() const { return static_cast<int>(Players.size()) - 1; }

    ServiceLog log;
    int cpuClub = -1;
    int humanClub = -1;
};

}  // namespace

TEST(RetirementThreshold, TableByAgeForOutfieldPlayersAndGoalkeepers)
{
    const int rows[][3] = {{35, 100, 100}, {36, 50, 70}, {37, 30, 60}, {38, 30, 60}, {39, 20, 50}, {40, 20, 50},
                           {41, 10, 25},   {42, 10, 25}, {43, 5, 20},  {44, 5, 20},  {45, 4, 5},   {46, 4, 5},
                           {47, 3, 1},     {48, 3, 1},   {49, -1, -1}, {70, -1, -1}};
    for (const auto& row : rows) {
        EXPECT_EQ(RetirementThreshold(row[0], false), row[1]) << "age " << row[0];
        EXPECT_EQ(RetirementThreshold(row[0], true), row[2]) << "age " << row[0];
    }
}

TEST_F(RolloverPlayers, EveryPlayerWithAClubAgesByOne)
{
    AddPlayer(cpuClub, 20);
    AddPlayer(humanClub, 40);
    AddPlayer(-1, 30);  // a free player
    AgeAndRetirePlayers();
    EXPECT_EQ(Players[1].Age, 21);
    EXPECT_EQ(Players[2].Age, 41);
    EXPECT_EQ(Players[3].Age, 30);
    EXPECT_EQ(Players.size(), 4u);
}

TEST_F(RolloverPlayers, ComputerClubsPlayersLeaveTheListsButKeepARunningLoan)
{
    AddPlayer(cpuClub, 20);
    Players[1].ListedForSale = 1;
    Players[1].loanStatus = 1;
    AddPlayer(cpuClub, 20);
    Players[2].loanStatus = 2;
    AddPlayer(humanClub, 20);
    Players[3].ListedForSale = 1;
    Players[3].loanStatus = 1;
    AgeAndRetirePlayers();
    EXPECT_EQ(Players[1].ListedForSale, 0);
    EXPECT_EQ(Players[1].loanStatus, 0);
    EXPECT_EQ(Players[2].loanStatus, 2);
    EXPECT_EQ(Players[3].ListedForSale, 1);  // a human club decides for itself
    EXPECT_EQ(Players[3].loanStatus, 1);
}

TEST_F(RolloverPlayers, FortyNineAlwaysRetiresAndTheYouthIsNeitherAgedNorOnLoan)
{
    AddPlayer(cpuClub, 48);
    Players[1].loanStatus = 2;  // on loan at this club
    AddPlayer(humanClub, 60);   // human clubs' players never retire here
    AgeAndRetirePlayers();
    ASSERT_EQ(Players.size(), 4u);
    EXPECT_EQ(Players[1].Club, -1);
    EXPECT_EQ(Players[1].Age, 49);
    const TPlayer& youth = Players[3];
    EXPECT_EQ(youth.Club, cpuClub);
    EXPECT_EQ(youth.Age, 18);  // appended in this pass: not aged again
    EXPECT_EQ(youth.loanStatus, 0);
    EXPECT_EQ(Players[2].Club, humanClub);
    EXPECT_EQ(Players[2].Age, 61);
}

TEST_F(RolloverPlayers, RetirementDrawsAgainstTheThreshold)
{
    // One player of each age 35..48 (outfield), and the same as goalkeepers: the draws are exact.
    for (int age = 35; age <= 48; ++age) AddPlayer(cpuClub, age, 3);
    for (int age = 35; age <= 48; ++age) AddPlayer(cpuClub, age, 0);
    const int count = LastPlayer();
    RandSeed = 31337;
    std::vector<bool> expected(static_cast<std::size_t>(count) + 1, false);
    for (int p = 1; p <= count; ++p) {
        const int threshold = RetirementThreshold(Players[p].Age + 1, Players[p].Position == 0);
        if (threshold == -1) expected[static_cast<std::size_t>(p)] = true;  // no draw
        else if (threshold < 100) expected[static_cast<std::size_t>(p)] = Random(100) > threshold;
    }
    RandSeed = 31337;
    AgeAndRetirePlayers();
    for (int p = 1; p <= count; ++p) EXPECT_EQ(Players[p].Club == -1, expected[static_cast<std::size_t>(p)]) << "player " << p;
}

TEST_F(RolloverPlayers, AboutHalfTheOutfieldPlayersTurningThirtySixRetire)
{
    for (int i = 0; i < 2000; ++i) AddPlayer(cpuClub, 35, 3);
    for (int i = 0; i < 2000; ++i) AddPlayer(cpuClub, 35, 0);
    RandSeed = 99;
    AgeAndRetirePlayers();
    int outfield = 0, keepers = 0;
    for (int p = 1; p <= 4000; ++p)
        if (Players[p].Club == -1) ++(Players[p].Position == 0 ? keepers : outfield);
    EXPECT_NEAR(outfield / 2000.0, 0.49, 0.04);
    EXPECT_NEAR(keepers / 2000.0, 0.29, 0.04);
    EXPECT_EQ(Players.size(), 4001u + outfield + keepers);
}

TEST_F(RolloverPlayers, WithoutYouthReplacementsNobodyIsRemoved)
{
    Rollover().createYouthReplacement = nullptr;
    AddPlayer(cpuClub, 55);
    AgeAndRetirePlayers();
    EXPECT_EQ(Players[1].Club, cpuClub);
    EXPECT_EQ(Players.size(), 2u);
}

TEST_F(RolloverPlayers, RenewalClearsCardsRestoresEnergyAndRevalues)
{
    AddPlayer(cpuClub, 25);
    AddPlayer(humanClub, 25);
    AddPlayer(humanClub, 25);
    AddPlayer(-1, 25);
    for (TPlayer& p : Players) {
        std::fill(std::begin(p.YellowCards), std::end(p.YellowCards), 2);
        std::fill(std::begin(p.Bans), std::end(p.Bans), 1);
        p.Energy = 40;
        p.wage = 7;
        p.Value = 7;
    }
    const TDateTime seasonEnd = Calendar[148].date;
    Players[2].ContractEnd = seasonEnd - 1;  // runs out before the season's last day: new wage
    Players[3].ContractEnd = seasonEnd;      // runs to the end: keeps his wage
    RenewPlayersForNewSeason();
    for (int p = 1; p <= 3; ++p) {
        EXPECT_EQ(Players[p].YellowCards[0], 2);  // friendlies' cards stay
        EXPECT_EQ(Players[p].Bans[0], 1);
        for (int kind = 1; kind < 10; ++kind) {
            EXPECT_EQ(Players[p].YellowCards[kind], 0);
            EXPECT_EQ(Players[p].Bans[kind], 0);
        }
        EXPECT_EQ(Players[p].Energy, 100);
        EXPECT_EQ(Players[p].Value, (1000 + p) * 10000LL);
    }
    EXPECT_EQ(Players[1].wage, 501 * 10000LL);
    EXPECT_EQ(Players[2].wage, 502 * 10000LL);
    EXPECT_EQ(Players[3].wage, 7);
    EXPECT_EQ(Players[4].Energy, 40);  // no club: untouched
}

TEST_F(RolloverPlayers, SeasonMoneyByDivisionAndControl)
{
    const int regionalCpu = AddClub(kCountry, 0, 5);
    const int regionalHuman = AddClub(kCountry, 0, 5);
    Clubs[regionalHuman].IsHuman = 1;
    const int cpu4 = AddClub(kCountry, 4, 5);
    const int human2 = AddClub(kCountry, 2, 5);
    Clubs[human2].IsHuman = 1;
    TClub nation{};
    nation.cash = 123;
    Clubs.push_back(nation);  // a national team entry: no season money
    for (TClub& club : Clubs) club.cash = CurrencyFromUnits(1000);

    for (bool states : {true, false}) {
        Game.StateChampionshipsOn = states;
        for (TClub& club : Clubs) club.cash = CurrencyFromUnits(1000);
        for (TClubFinance& f : ClubFinances) f.sponsorship = 0;
        RandSeed = 2024;
        // The draws in club order: computer clubs only.
        const std::int64_t div1 = Random(1'000'000) + (states ? 12'000'000 : 10'000'000);
        const std::int64_t regional = Random(200'000) + 200'000;
        const std::int64_t div4 = Random(500'000) + (states ? 1'000'000 : 500'000);
        RandSeed = 2024;
        PayNewSeasonMoney();
        EXPECT_EQ(Clubs[cpuClub].cash, CurrencyFromUnits(div1));
        EXPECT_EQ(Clubs[humanClub].cash, CurrencyFromUnits(1000 + 3'000'000));
        EXPECT_EQ(ClubFinances[humanClub].sponsorship, 3'000'000);
        EXPECT_EQ(Clubs[regionalCpu].cash, CurrencyFromUnits(regional));
        EXPECT_EQ(Clubs[regionalHuman].cash, CurrencyFromUnits(1000));
        EXPECT_EQ(ClubFinances[regionalHuman].sponsorship, 0);
        EXPECT_EQ(Clubs[cpu4].cash, CurrencyFromUnits(div4));
        EXPECT_EQ(Clubs[human2].cash, CurrencyFromUnits(1000 + 1'500'000));
        EXPECT_EQ(Clubs.back().cash, CurrencyFromUnits(1000));
    }
}
