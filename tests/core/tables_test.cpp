// The global tables: a new or loaded game starts from empty tables, and the tables numbered from 1
// keep an empty element 0.
#include <gtest/gtest.h>

#include "core/tables.h"

using namespace tarvelon;

namespace {

// The player table as the program has it before any test (nor any game) ran: taken once, before
// the first test, so that it does not matter which tests run before the one that reads it.
class ProgramStartPlayers : public ::testing::Environment {
public:
    void SetUp() override { taken() = Players; }
    static std::vector<TPlayer>& taken()
    {
        static std::vector<TPlayer> players;
        return players;
    }
};
::testing::Environment* const programStart = ::testing::AddGlobalTestEnvironment(new ProgramStartPlayers);

std::vector<int> OtherSubjectTable;
const GameTableReset otherSubjectReset([] { OtherSubjectTable.assign(1, 0); });

void FillEveryTable()
{
    Clubs.resize(3);
    Players.resize(10);
    Players[0].Club = 5;
    Players[0].Name.set("Intruso");
    Leagues.resize(1);
    Coaches.resize(2);
    NationalTeams.resize(2);
    ClubFinances.resize(3);
    TicketPrices = DefaultTicketPrices;
    Transfers.resize(1);
    Loans.resize(1);
    MailMessages.resize(1);
    StadiumWorks.resize(1);
    TacticsPresets.resize(1);
    CoachHirings.resize(1);
    CallUps.resize(1);
    StateResults.resize(1);
    OtherSubjectTable = {1, 2, 3};
}

}  // namespace

TEST(Tables, PlayersStartWithTheEmptyElementZero)
{
    const std::vector<TPlayer>& players = ProgramStartPlayers::taken();
    ASSERT_EQ(players.size(), 1u);
    EXPECT_EQ(players[0].Club, -1);
    EXPECT_TRUE(players[0].Name.empty());
    EXPECT_EQ(players[0].Strength, 0);
}

TEST(Tables, ResetEmptiesEveryTableAndKeepsElementZero)
{
    FillEveryTable();
    ResetGameTables();
    EXPECT_TRUE(Clubs.empty());
    ASSERT_EQ(Players.size(), 1u);
    EXPECT_EQ(Players[0].Club, -1);
    EXPECT_TRUE(Players[0].Name.empty());
    EXPECT_TRUE(Leagues.empty());
    EXPECT_TRUE(Coaches.empty());
    EXPECT_TRUE(NationalTeams.empty());
    EXPECT_TRUE(ClubFinances.empty());
    for (const TTicketPriceRow& row : TicketPrices) {
        for (int price : row.sectors) {
            EXPECT_EQ(price, 0);
        }
    }
    EXPECT_TRUE(Transfers.empty());
    EXPECT_TRUE(Loans.empty());
    EXPECT_TRUE(MailMessages.empty());
    EXPECT_TRUE(StadiumWorks.empty());
    EXPECT_TRUE(TacticsPresets.empty());
    EXPECT_TRUE(CoachHirings.empty());
    EXPECT_TRUE(CallUps.empty());
    EXPECT_TRUE(StateResults.empty());
    // A table of another subject registered its own reset.
    EXPECT_EQ(OtherSubjectTable, std::vector<int>{0});
}

TEST(Tables, ALoadedPlayerTableGetsItsElementZeroBack)
{
    // A saved game whose player block was empty.
    Players.clear();
    EnsurePlayerElementZero();
    ASSERT_EQ(Players.size(), 1u);
    EXPECT_EQ(Players[0].Club, -1);

    // One whose element 0 claimed a club: it stays as stored but belongs to nobody.
    Players.assign(3, TPlayer{});
    Players[0].Club = 4;
    Players[0].Strength = 50;
    Players[1].Club = 4;
    EnsurePlayerElementZero();
    EXPECT_EQ(Players[0].Club, -1);
    EXPECT_EQ(Players[0].Strength, 50);
    EXPECT_EQ(Players[1].Club, 4);
    EXPECT_EQ(Players.size(), 3u);
}

TEST(Tables, TheHiringTableAnswersToBothNames)
{
    ResetGameTables();
    CoachHires.push_back(TCoachHire{3, 2, 7});
    ASSERT_EQ(CoachHirings.size(), 1u);
    EXPECT_EQ(CoachHirings[0].club, 7);
}

TEST(Tables, TheGameStateIsResetApart)
{
    Game.Season = 4;
    Game.saveName.set("jogo.nsx");
    ResetGameTables();
    EXPECT_EQ(Game.Season, 4);  // the new-game screens fill Game before the tables are built
    ResetGameState();
    EXPECT_EQ(Game.Season, 0);
    EXPECT_TRUE(Game.saveName.empty());
}
