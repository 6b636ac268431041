// The updates of a human club between rounds: listed players sold, morale and mood, contract
// warnings, stadium works, and that they run once per round.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/basics/random.h"
#include "core/economy/between_rounds.h"
#include "core/club_rosters.h"
#include "core/economy/squad_rules.h"
#include "core/economy/stadium.h"
#include "core/persist/saved_game.h"
#include "core/persist/saved_game_image.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "tests/core/economy_test_world.h"

namespace tarvelon {
namespace {

using testworld::Build;
using testworld::MakeHuman;

int PlayersOfClubFirst(int club)
{
    for (int p = 1; p < static_cast<int>(Players.size()); ++p)
        if (Players[p].Club == club)
            return p;
    return 0;
}

// Brazil-like league of three divisions of 10; the human club is the first of division 2.
int HumanWorld(std::uint32_t seed = 777)
{
    Build({{29, 3}}, 4, seed, true);
    const int club = Leagues[0].divisions[1][0];
    MakeHuman(club);
    return club;
}

TEST(BetweenRoundsSales, ListedAtValueSellsToAClubOfItsDivision)
{
    const int club = HumanWorld();
    const int p = PlayersOfClubFirst(club);
    const std::int64_t value = CurrencyUnits(Players[p].Value);
    Players[p].ListedForSale = 1;
    Players[p].AskingPrice = Players[p].Value;
    const std::int64_t cashBefore = CurrencyUnits(Clubs[club].cash);
    std::vector<Currency> buyersCash;
    for (const TClub& c : Clubs)
        buyersCash.push_back(c.cash);
    SellListedPlayers(club);
    const int buyer = Players[p].Club;
    ASSERT_NE(buyer, club);
    // The buyer pays the price, as its accounts book it.
    EXPECT_EQ(Clubs[buyer].cash - buyersCash[static_cast<std::size_t>(buyer)], -CurrencyFromUnits(value));
    EXPECT_EQ(ClubFinances[static_cast<std::size_t>(buyer)].playerPurchases, value);
    EXPECT_EQ(Clubs[buyer].Division, 2);
    EXPECT_FALSE(Clubs[buyer].IsHuman);
    EXPECT_EQ(CurrencyUnits(Players[p].Value), value);
    EXPECT_GT(CurrencyUnits(Clubs[club].cash), cashBefore);
    EXPECT_EQ(MailMessages.back().recipientClub, club);
    EXPECT_EQ(MailMessages.back().player, p);
}

TEST(BetweenRoundsSales, SixtyPercentAboveValueNeverSells)
{
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        const int club = HumanWorld(testworld::MixedSeed(seed));
        const int p = PlayersOfClubFirst(club);
        Players[p].ListedForSale = 1;
        Players[p].AskingPrice = Players[p].Value + Players[p].Value * 6 / 10;
        SellListedPlayers(club);
        EXPECT_EQ(Players[p].Club, club) << seed;
    }
}

TEST(BetweenRoundsSales, RegionalClubSellsToTheLastDivisionAndEmptyPlacesAreSkipped)
{
    HumanWorld();
    const int regional = Game.LeagueClubCount - 1;
    ASSERT_EQ(Clubs[regional].Division, 0);
    // Only one place of the last division is taken: every draw of an empty place is skipped.
    TLeague& league = Leagues[0];
    const int only = league.divisions[2][7];
    Clubs[only].squadSize = 20;
    for (int s = 0; s < kClubsPerDivision; ++s)
        if (s != 7)
            league.divisions[2][s] = -1;
    bool sold = false;
    for (std::uint32_t seed = 1; seed <= 20 && !sold; ++seed) {
        RandSeed = testworld::MixedSeed(seed);
        const int p = PlayersOfClubFirst(regional);
        Players[p].ListedForSale = 1;
        Players[p].AskingPrice = Players[p].Value;
        SellListedPlayers(regional);
        if (Players[p].Club != regional) {
            EXPECT_EQ(Players[p].Club, only);
            sold = true;
        }
    }
    EXPECT_TRUE(sold);
}

TEST(BetweenRoundsSales, NoBuyerWhenTheDivisionIsHumanOrFull)
{
    const int club = HumanWorld();
    for (int s = 0; s < 10; ++s) {
        const int other = Leagues[0].divisions[1][s];
        if (other != club)
            Clubs[other].squadSize = s % 2 == 0 ? 23 : Clubs[other].squadSize;
        if (s % 2 == 1)
            Clubs[other].IsHuman = 1;
    }
    const int p = PlayersOfClubFirst(club);
    Players[p].ListedForSale = 1;
    Players[p].AskingPrice = Players[p].Value;
    SellListedPlayers(club);
    EXPECT_EQ(Players[p].Club, club);
}

TEST(BetweenRoundsMood, SquadMoodFollowsTheMoraleCounts)
{
    const int club = HumanWorld();
    MoraleCounts = {5, 0, 6};  // six excellent, five bad: good, not excellent
    EXPECT_EQ(UpdateTeamMorale(club), 2);
    MoraleCounts = {1, 2, 6};
    EXPECT_EQ(UpdateTeamMorale(club), 3);
    MoraleCounts = {6, 2, 1};
    EXPECT_EQ(UpdateTeamMorale(club), 1);
    // A lowered mood comes back when its countdown ends.
    Clubs[club].moodCountdown = 2;
    MoraleCounts = {6, 2, 1};
    EXPECT_EQ(UpdateTeamMorale(club), 2);
    EXPECT_EQ(Clubs[club].moodCountdown, 0);
}

TEST(BetweenRoundsMood, MoraleCountdownsAndComplaints)
{
    const int club = HumanWorld();
    const int p = PlayersOfClubFirst(club);
    Players[p].Morale = 1;
    Players[p].moraleCountdown = 1;
    Clubs[club].SupportersMood = 100;
    UpdatePlayerMorale(club);
    EXPECT_GE(Players[p].Morale, 1);
    EXPECT_LE(Players[p].Morale, 3);
    EXPECT_EQ(Players[p].moraleCountdown == 0 || Players[p].moraleCountdown == 4, true);
    int counted = MoraleCounts[0] + MoraleCounts[1] + MoraleCounts[2];
    EXPECT_EQ(counted, Clubs[club].squadSize);
}

// The supporters' pressure needs one player, not two as a quarrel does.
TEST(BetweenRoundsMood, SupportersPressureFallsOnASquadOfOnePlayer)
{
    const int club = HumanWorld();
    const std::vector<int> squad = PlayersOfClub(club);
    ASSERT_GE(squad.size(), 2u);
    for (std::size_t i = 1; i < squad.size(); ++i)
        Players[squad[i]].Club = -1;
    PlayerClubsChanged();
    const int p = squad[0];
    Players[p].Morale = 3;
    Players[p].moraleCountdown = 0;
    Players[p].playingTimeCounter = 0;
    Clubs[club].SupportersMood = 10;
    std::uint32_t seed = 1;
    for (; seed < 1000; ++seed) {
        RandSeed = seed;
        if (Random(30) == 1)
            break;
    }
    ASSERT_LT(seed, 1000u);
    RandSeed = seed;
    const std::size_t mails = MailMessages.size();
    UpdatePlayerMorale(club);
    EXPECT_EQ(Players[p].Morale, 1);
    EXPECT_EQ(Players[p].moraleCountdown, 4);
    ASSERT_EQ(MailMessages.size(), mails + 1);
    EXPECT_EQ(MailMessages.back().player, p);
    EXPECT_EQ(MoraleCounts[0], 1);
}

TEST(BetweenRoundsOnce, UpdatesRunOncePerRound)
{
    const int club = HumanWorld();
    EXPECT_TRUE(RunRoundUpdates(club));
    EXPECT_FALSE(RunRoundUpdates(club));  // the hub made again in the same round
    Game.DayIndex += 1;
    EXPECT_TRUE(RunRoundUpdates(club));
}

// The day the updates ran is saved with the club: a game loaded on that day does not run them again.
TEST(BetweenRoundsOnce, ALoadedGameKnowsTheRoundItsSaveHadDone)
{
    const int club = HumanWorld();
    EXPECT_TRUE(RunRoundUpdates(club));
    auto image = std::make_unique<SavedGameImage>();
    ASSERT_EQ(ReadSavedGameImage(WriteSavedGameImage(), *image), SavedGameCheck::kValid);
    StartLoadedGame(*image);
    EXPECT_FALSE(RunRoundUpdates(club));
    Game.DayIndex += 1;
    EXPECT_TRUE(RunRoundUpdates(club));
}

TEST(BetweenRoundsOnce, ANewGameOnTheSameDayHasDoneNoneOfItsRounds)
{
    const int club = HumanWorld();
    EXPECT_TRUE(RunRoundUpdates(club));
    // The same world started again: its club is numbered alike and its day is the same.
    EXPECT_EQ(HumanWorld(), club);
    EXPECT_TRUE(RunRoundUpdates(club));
}

TEST(BetweenRoundsWorks, TwoFinishedExpansionsCompleteOnTwoCalls)
{
    const int club = HumanWorld();
    const int seats = Clubs[club].SectorSeats[1];
    for (int added : {1000, 500}) {
        TStadiumWork w{};
        w.club = club;
        w.endDate = TodayDate() - 1;
        w.seatsAdded[1] = added;
        w.inProgress = 1;
        StadiumWorks.push_back(w);
    }
    CompleteStadiumWorks(club, TodayDate());
    EXPECT_EQ(Clubs[club].SectorSeats[1], seats + 1000);
    CompleteStadiumWorks(club, TodayDate());
    EXPECT_EQ(Clubs[club].SectorSeats[1], seats + 1500);
    CompleteStadiumWorks(club, TodayDate());
    EXPECT_EQ(Clubs[club].SectorSeats[1], seats + 1500);
}

TEST(BetweenRoundsContracts, WarningsOnceAndExtensionByOption)
{
    const int club = HumanWorld();
    for (int p : PlayersOfClub(club))
        Players[p].ContractEnd = TodayDate() + 200;
    const int soon = PlayersOfClubFirst(club);
    Players[soon].ContractEnd = TodayDate() + 10;
    Game.contractNotices = 0;
    const std::size_t mails = MailMessages.size();
    ContractWarnings(club, PlayersOfClub(club));
    ContractWarnings(club, PlayersOfClub(club));
    EXPECT_EQ(MailMessages.size(), mails + 1);
    EXPECT_EQ(Players[soon].contractWarning, 1);
    Game.autoContractExtension = 1;
    Players[soon].ContractEnd = TodayDate() - 1;
    ContractWarnings(club, PlayersOfClub(club));
    EXPECT_DOUBLE_EQ(Players[soon].ContractEnd, TodayDate() + 84);
}

}  // namespace
}  // namespace tarvelon
