// A human club's own affairs between rounds: a player retires for a junior, a player dies and
// leaves his club, shirt numbers change hands, the club's colours change.
#include <gtest/gtest.h>

#include <set>

#include "core/club_rosters.h"
#include "core/economy/loans.h"
#include "core/economy/transfers.h"
#include "core/squad/player_death.h"
#include "core/squad/retirement.h"
#include "core/squad/shirts_and_colours.h"
#include "core/season/calendar.h"
#include "tests/core/economy_test_world.h"

namespace tarvelon {
namespace {

using testworld::Build;
using testworld::MakeHuman;

class SquadAffairsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Build({{29, 2}}, 4);
        club_ = 0;
        MakeHuman(club_);
    }

    int PlayerOf(int club, int slot) const { return PlayersOfClub(club)[static_cast<std::size_t>(slot)]; }

    int club_ = 0;
};

TEST_F(SquadAffairsTest, AJuniorTakesTheRetiringPlayersPlaceButNotHisPosts)
{
    const int old = PlayerOf(club_, 3);
    Clubs[club_].Captain = old;
    Clubs[club_].SetPieceTaker = old;
    Players[old].ListedForSale = 1;
    const std::size_t squad = PlayersOfClub(club_).size();

    const int junior = RetireAndPromoteJunior(old, Players[old].Name.str(), Players[old].Position);
    ASSERT_EQ(junior, static_cast<int>(Players.size()) - 1);
    EXPECT_EQ(Players[old].Club, -1);
    EXPECT_EQ(Players[junior].Club, club_);
    EXPECT_EQ(Players[junior].Name.str(), Players[old].Name.str());
    EXPECT_EQ(Players[junior].Position, Players[old].Position);
    EXPECT_GE(Players[junior].Age, 17);
    EXPECT_LE(Players[junior].Age, 20);
    EXPECT_EQ(Players[junior].ListedForSale, 0);
    EXPECT_EQ(PlayersOfClub(club_).size(), squad);
    EXPECT_NE(Clubs[club_].Captain, old);
    EXPECT_NE(Clubs[club_].SetPieceTaker, old);
    EXPECT_EQ(Players[Clubs[club_].Captain].Club, club_);
    EXPECT_EQ(Players[Clubs[club_].SetPieceTaker].Club, club_);
}

TEST_F(SquadAffairsTest, AJuniorsNameHoldsTwentyCharactersAndMayTakeAnotherPosition)
{
    const int old = PlayerOf(club_, 0);  // a goalkeeper
    ASSERT_EQ(Players[old].Position, 0);
    const int junior = RetireAndPromoteJunior(old, "Joãozinho da Conceição Pereira", 4);
    EXPECT_EQ(Players[junior].Name.str(), "Joãozinho da Conceiç");
    EXPECT_EQ(Players[junior].Position, 4);
    EXPECT_EQ(FitPlayerName("Zé"), "Zé");
}

TEST_F(SquadAffairsTest, AnEmptyOrBlankNameRetiresNobodyAndBlanksAroundANameAreDropped)
{
    const int old = PlayerOf(club_, 2);
    const std::size_t players = Players.size();
    for (const char* name : {"", "    ", " \t "}) {
        EXPECT_EQ(RetireAndPromoteJunior(old, name, 1), 0) << '"' << name << '"';
        EXPECT_EQ(Players.size(), players);
        EXPECT_EQ(Players[old].Club, club_);
    }
    // The cut to twenty characters leaves no blank at the end either.
    const int junior = RetireAndPromoteJunior(old, "  Bartolomeu Fagundes Neto", 1);
    ASSERT_GT(junior, 0);
    EXPECT_EQ(Players[junior].Name.str(), "Bartolomeu Fagundes");
}

TEST_F(SquadAffairsTest, ADeadPlayerLeavesHisClubWithHisLoanAndPostsAndTheSquadIsRecounted)
{
    // He plays for the human club on loan from club 5.
    const int owner = 5;
    const int dead = PlayersOfClub(owner)[4];
    AddLoan(dead, owner, TodayDate() + 60);
    LoanPlayer(dead, club_, TodayDate() + 60);
    Players[dead].ShirtNumber = 9;
    Players[dead].ListedForSale = 1;
    Clubs[club_].Captain = dead;
    Clubs[club_].SetPieceTaker = dead;
    const std::int32_t squadBefore = Clubs[club_].squadSize;

    PlayerDies(dead);
    EXPECT_EQ(Players[dead].Club, -1);
    EXPECT_EQ(FindOpenLoan(dead), -1);
    EXPECT_EQ(Players[dead].ShirtNumber, 0);
    EXPECT_EQ(Players[dead].ListedForSale, 0);
    EXPECT_EQ(Players[dead].loanStatus, 0);
    for (int p : PlayersOfClub(club_))
        EXPECT_NE(p, dead);
    EXPECT_EQ(Clubs[club_].squadSize, squadBefore - 1);
    EXPECT_NE(Clubs[club_].Captain, dead);
    EXPECT_NE(Clubs[club_].SetPieceTaker, dead);
    EXPECT_EQ(Players[Clubs[club_].Captain].Club, club_);
    EXPECT_EQ(Players[Clubs[club_].SetPieceTaker].Club, club_);
}

TEST_F(SquadAffairsTest, AShirtNumberTakenFromATeamMateLeavesHimWithoutOne)
{
    const int a = PlayerOf(club_, 1);
    const int b = PlayerOf(club_, 2);
    const int stranger = PlayersOfClub(3)[0];
    GiveShirtNumber(a, 10);
    Players[stranger].ShirtNumber = 10;
    auto choices = ShirtNumberChoices(club_);
    EXPECT_EQ(choices[0], "Sem número");
    EXPECT_EQ(choices[10], "10 - " + Players[a].Name.str());
    EXPECT_EQ(choices[11], "11 - ");

    GiveShirtNumber(b, 10);
    EXPECT_EQ(Players[b].ShirtNumber, 10);
    EXPECT_EQ(Players[a].ShirtNumber, 0);
    EXPECT_EQ(Players[stranger].ShirtNumber, 10);  // another club's shirts are its own

    // "Sem número" takes only his own number away.
    GiveShirtNumber(a, 7);
    GiveShirtNumber(b, 0);
    EXPECT_EQ(Players[b].ShirtNumber, 0);
    EXPECT_EQ(Players[a].ShirtNumber, 7);
    choices = ShirtNumberChoices(club_);
    EXPECT_EQ(choices[10], "10 - ");
}

TEST_F(SquadAffairsTest, ColoursChangeOnlyWhenOneOfThemDoes)
{
    Clubs[club_].BackColor = 0x0000FF;
    Clubs[club_].TextColor = 0xFFFFFF;
    EXPECT_FALSE(ChangeClubColours(club_, 0x0000FF, 0xFFFFFF));
    EXPECT_TRUE(ChangeClubColours(club_, 0x0000FF, 0x000000));
    EXPECT_EQ(Clubs[club_].TextColor, 0x000000);
    EXPECT_EQ(Clubs[club_].BackColor, 0x0000FF);
}

}  // namespace
}  // namespace tarvelon
