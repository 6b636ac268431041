// The line-up a human coach sets: the board's moves, the automatic selection with its fallbacks,
// stored line-ups, "Jogar >>" and the hub's turns of several human coaches.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "core/club_rosters.h"
#include "core/lineup/auto_lineup.h"
#include "core/lineup/hub_turns.h"
#include "core/lineup/lineup_board.h"
#include "core/lineup/lineup_commit.h"
#include "core/lineup/stored_lineups.h"
#include "core/economy/between_rounds.h"
#include "core/history/season_lines.h"
#include "core/records/matchday_globals.h"
#include "core/records/session_globals.h"
#include "core/season/competition_kind.h"
#include "core/seasonloop/season_loop.h"
#include "core/records/match_records.h"
#include "core/vocab/tactics_board.h"
#include "tests/core/economy_test_world.h"

namespace tarvelon {
namespace {

class LineupRulesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testworld::Build({{29, 1}});
        club_ = 0;
        testworld::MakeHuman(club_);
        // A squad whose order is known: strength grows with the squad place, every player fit.
        int place = 0;
        for (int player : PlayersOfClub(club_)) {
            TPlayer& p = Players[player];
            p.Strength = 40 + place;
            p.Energy = 90;
            p.Side = place % 2;
            p.Role = 0;
            p.Trait1 = 4;
            p.InjuredUntil = 0;
            p.ContractEnd = TodayDate() + 300;
            squad_.push_back(player);
            ++place;
        }
        Lineups.clear();
        LineupCount = 0;
    }

    std::vector<int> PlayersAt(int position) const
    {
        std::vector<int> found;
        for (int player : squad_)
            if (Players[player].Position == position)
                found.push_back(player);
        return found;
    }

    int Strongest(int position) const
    {
        int best = -1;
        for (int player : PlayersAt(position))
            if (best < 0 || Players[player].Strength > Players[best].Strength)
                best = player;
        return best;
    }

    int club_ = 0;
    std::vector<int> squad_;
};

TEST_F(LineupRulesTest, TheAutomaticSelectionFillsElevenAndABenchOnceEachAndStoresIt)
{
    LineupBoard board = NewLineupBoard(club_, false);
    AutoSelectLineup(board, 4, club_);
    std::set<int> seen;
    for (int shirt = 1; shirt <= kShirtCount; ++shirt) {
        ASSERT_TRUE(board.HasPlayer(shirt)) << shirt;
        EXPECT_TRUE(seen.insert(board.shirts[shirt].player).second) << "twice: shirt " << shirt;
        EXPECT_EQ(board.rowCodes[board.Row(board.shirts[shirt].player)], CodeOfShirt(shirt));
    }
    EXPECT_EQ(board.shirts[1].player, Strongest(0));
    EXPECT_EQ(board.shirts[1].pitchSlot, 1);
    EXPECT_EQ(Players[board.shirts[12].player].Position, 0);  // the bench begins with a goalkeeper
    for (int shirt = 2; shirt <= kStarterShirts; ++shirt)
        EXPECT_EQ(board.shirts[shirt].pitchSlot, FormationSlots[4][shirt]);
    ASSERT_EQ(TacticsPresets.size(), 1u);
    EXPECT_EQ(TacticsPresets[0].club, club_);
    EXPECT_EQ(TacticsPresets[0].players[0], board.shirts[1].player);
    EXPECT_EQ(TacticsPresets[0].pitchSlots[3], FormationSlots[4][4]);
}

TEST_F(LineupRulesTest, WithoutAnAvailableGoalkeeperShirtOneStaysEmptyUntilTheCoachFillsIt)
{
    for (int keeper : PlayersAt(0))
        Players[keeper].InjuredUntil = TodayDate() + 10;
    LineupBoard board = NewLineupBoard(club_, false);
    for (int keeper : PlayersAt(0))
        EXPECT_EQ(board.rowCodes[board.Row(keeper)], kCodeUnavailable);
    AutoSelectLineup(board, 4, club_);
    EXPECT_FALSE(board.HasPlayer(1));
    EXPECT_EQ(board.shirts[1].pitchSlot, 1);
    for (int shirt = 2; shirt <= kStarterShirts; ++shirt)
        EXPECT_TRUE(board.HasPlayer(shirt)) << shirt;
    EXPECT_EQ(Players[board.shirts[12].player].Position, 1);  // the first bench pick lands on shirt 12
    EXPECT_EQ(TacticsPresets[0].players[0], -1);
    // "Jogar >>" waits until the coach drags somebody onto shirt 1.
    EXPECT_FALSE(ReadyToKickOff(board));
    EXPECT_FALSE(CommitLineup(club_, board, false));
    const auto free = std::find(board.rowCodes.begin(), board.rowCodes.end(), kCodeFree);
    ASSERT_NE(free, board.rowCodes.end());
    ASSERT_TRUE(DropCandidateOnShirt(board, static_cast<int>(free - board.rowCodes.begin()), 1));
    EXPECT_TRUE(ReadyToKickOff(board));
    EXPECT_TRUE(CommitLineup(club_, board, false));
}

// The slots' own passes find nobody for the two inner centre-back places of "4-4-2" (no centre-back,
// only two full-backs, no midfielder of role 0): they stay empty and the bench is chosen by position.
TEST_F(LineupRulesTest, StarterPlacesTheSlotsCannotFillStayEmpty)
{
    std::vector<int> fullBacks = PlayersAt(1);
    std::sort(fullBacks.begin(), fullBacks.end(), [](int a, int b) { return Players[a].Strength > Players[b].Strength; });
    for (int back : PlayersAt(2))
        Players[back].InjuredUntil = TodayDate() + 10;
    for (std::size_t i = 2; i < fullBacks.size(); ++i)
        Players[fullBacks[i]].InjuredUntil = TodayDate() + 10;
    for (int m : PlayersAt(3))
        Players[m].Role = 1;
    LineupBoard board = NewLineupBoard(club_, false);
    AutoSelectLineup(board, 4, club_);
    std::set<int> seen;
    for (int shirt = 1; shirt <= kShirtCount; ++shirt)
        if (board.HasPlayer(shirt)) {
            EXPECT_TRUE(seen.insert(board.shirts[shirt].player).second) << "twice: shirt " << shirt;
        }
    // Shirts 10 and 11 stand on centre-back slots 6 and 8, empty.
    EXPECT_EQ(board.shirts[10].pitchSlot, 6);
    EXPECT_EQ(board.shirts[11].pitchSlot, 8);
    EXPECT_FALSE(board.HasPlayer(10));
    EXPECT_FALSE(board.HasPlayer(11));
    // The bench, without gaps: a goalkeeper, then (no full-back nor centre-back left) two
    // midfielders and two forwards.
    const int benchPositions[] = {0, 3, 3, 4, 4};
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(board.HasPlayer(12 + i)) << 12 + i;
        EXPECT_EQ(Players[board.shirts[12 + i].player].Position, benchPositions[i]) << 12 + i;
        EXPECT_EQ(board.rowCodes[board.Row(board.shirts[12 + i].player)], kCodeSubstitute);
    }
    EXPECT_FALSE(ReadyToKickOff(board));
}

TEST_F(LineupRulesTest, JogarWaitsForAFullElevenUnlessNobodyIsLeftToComplete)
{
    // An empty starter shirt while fit players sit on the list: refused.
    LineupBoard empty = NewLineupBoard(club_, false);
    PlaceFormation(empty, 5);
    EXPECT_FALSE(ReadyToKickOff(empty));
    EXPECT_FALSE(CommitLineup(club_, empty, false));
    EXPECT_TRUE(Lineups.empty());

    // Ten fit players, all dragged onto starter shirts: the side plays one short.
    for (std::size_t i = 10; i < squad_.size(); ++i)
        Players[squad_[i]].InjuredUntil = TodayDate() + 10;
    LineupBoard board = NewLineupBoard(club_, false);
    PlaceFormation(board, 5);
    for (std::size_t i = 0; i < 10; ++i)
        ASSERT_TRUE(DropCandidateOnShirt(board, board.Row(squad_[i]), static_cast<int>(i) + 1));
    EXPECT_FALSE(StartersComplete(board));
    EXPECT_TRUE(ReadyToKickOff(board));
    ASSERT_TRUE(CommitLineup(club_, board, false));
    const TLineup& L = Lineups[Clubs[club_].LineupIndex];
    int starters = 0;
    for (int place = 0; place < kStarterShirts; ++place)
        starters += L.starters[place] > 0 ? 1 : 0;
    EXPECT_EQ(starters, 10);
}

// Players whose contracts ran out come back with a renewal: a squad short of fit players only for
// want of contracts does not kick off short (with nobody at all, when every contract ran out).
TEST_F(LineupRulesTest, ASideShortOnlyForRunOutContractsWaitsForRenewals)
{
    for (std::size_t i = 10; i < squad_.size(); ++i)
        Players[squad_[i]].ContractEnd = TodayDate() - 1;
    LineupBoard board = NewLineupBoard(club_, false);
    PlaceFormation(board, 5);
    for (std::size_t i = 0; i < 10; ++i)
        ASSERT_TRUE(DropCandidateOnShirt(board, board.Row(squad_[i]), static_cast<int>(i) + 1));
    EXPECT_FALSE(ReadyToKickOff(board));
    EXPECT_FALSE(CommitLineup(club_, board, false));

    // A player bought this round is only blocked for the day: the side then plays short.
    for (std::size_t i = 10; i < squad_.size(); ++i) {
        Players[squad_[i]].ContractEnd = TodayDate() + 100;
        Players[squad_[i]].BlockedThisRound = 1;
    }
    LineupBoard bought = NewLineupBoard(club_, false);
    PlaceFormation(bought, 5);
    for (std::size_t i = 0; i < 10; ++i)
        ASSERT_TRUE(DropCandidateOnShirt(bought, bought.Row(squad_[i]), static_cast<int>(i) + 1));
    EXPECT_TRUE(ReadyToKickOff(bought));

    // Every contract run out: nobody can play, and nobody kicks off.
    for (int player : squad_)
        Players[player].ContractEnd = TodayDate() - 1;
    LineupBoard none = NewLineupBoard(club_, false);
    PlaceFormation(none, 5);
    EXPECT_FALSE(ReadyToKickOff(none));
}

TEST_F(LineupRulesTest, ACentreBackOfTheOtherSideComesBeforeAnyMidfielder)
{
    // 3-5-2 asks a left-sided centre-back on slot 6: none is left-sided.
    for (int back : PlayersAt(2))
        Players[back].Side = 0;
    LineupBoard board = NewLineupBoard(club_, false);
    std::vector<AutoCandidate> candidates = CollectAutoCandidates(board);
    const SlotRole wish = PitchSlotRoles[6];
    ASSERT_EQ(wish.side, 1);
    const int pick = PickForSlot(board, candidates, wish.position, wish.side, wish.role, 6);
    EXPECT_EQ(pick, Strongest(2));
    EXPECT_EQ(board.rowCodes[board.Row(pick)], kCodeStarter);
    // A bench place takes by position alone and marks the row as a substitute.
    const int keeper = PickForSlot(board, candidates, 0, -1, 12, -1);
    EXPECT_EQ(keeper, Strongest(0));
    EXPECT_EQ(board.rowCodes[board.Row(keeper)], kCodeSubstitute);
    // Forward slots ask role 1: with no forward of that role a midfielder of role 1 is taken.
    for (int m : PlayersAt(3))
        Players[m].Role = 1;
    LineupBoard again = NewLineupBoard(club_, false);
    std::vector<AutoCandidate> fresh = CollectAutoCandidates(again);
    EXPECT_EQ(Players[PickForSlot(again, fresh, 4, -1, -1, 20)].Position, 4);  // level 3 of pass 1
}

TEST_F(LineupRulesTest, DropsSwapsAndPitchMovesKeepOnePlayerPerShirtAndOneShirtPerSlot)
{
    LineupBoard board = NewLineupBoard(club_, false);
    PlaceFormation(board, 4);
    const int row = 3;
    const int player = board.rowPlayers[row];
    ASSERT_TRUE(DropCandidateOnShirt(board, row, 5));
    EXPECT_EQ(board.rowCodes[row], kCodeStarter);
    ASSERT_TRUE(DropCandidateOnShirt(board, row, 14));  // from shirt 5 to the bench
    EXPECT_FALSE(board.HasPlayer(5));
    EXPECT_EQ(FindShirtOfPlayer(board, player), 14);
    EXPECT_EQ(board.rowCodes[row], kCodeSubstitute);
    // A second player dropped on shirt 14 sends the first back to the list.
    ASSERT_TRUE(DropCandidateOnShirt(board, 4, 14));
    EXPECT_EQ(board.rowCodes[row], kCodeFree);
    // Unavailable players are refused.
    board.rowCodes[6] = kCodeBlocked;
    EXPECT_FALSE(DropCandidateOnShirt(board, 6, 3));
    EXPECT_FALSE(board.HasPlayer(3));
    // Swapping a bench shirt with an empty starter shirt.
    SwapShirts(board, 14, 3);
    EXPECT_EQ(board.shirts[3].player, board.rowPlayers[4]);
    EXPECT_FALSE(board.HasPlayer(14));
    EXPECT_EQ(board.rowCodes[4], kCodeStarter);
    // Shirt 2 moved onto shirt 3's slot: shirt 3 takes shirt 2's old slot.
    const int slot2 = board.shirts[2].pitchSlot;
    const int slot3 = board.shirts[3].pitchSlot;
    EXPECT_TRUE(MoveShirtToPitchSlot(board, 2, slot3));
    EXPECT_EQ(board.shirts[2].pitchSlot, slot3);
    EXPECT_EQ(board.shirts[3].pitchSlot, slot2);
    EXPECT_FALSE(MoveShirtToPitchSlot(board, 1, 5));   // the goalkeeper stays in goal
    EXPECT_FALSE(MoveShirtToPitchSlot(board, 12, 5));  // the bench is not on the pitch
    EXPECT_FALSE(MoveShirtToPitchSlot(board, 4, 1));   // nobody takes the goalkeeper's place
}

TEST_F(LineupRulesTest, PitchSlotsAreFoundByTheirSquaresAndPositionsJudged)
{
    EXPECT_EQ(PitchSlotAt(PitchSlotX[1] + 1, PitchSlotY[1] + 1), 1);
    EXPECT_EQ(PitchSlotAt(PitchSlotX[20] + 41, PitchSlotY[20] + 41) > 0, true);
    EXPECT_EQ(PitchSlotAt(-50, -50), 0);
    EXPECT_EQ(PitchSlotAt(PitchSlotX[7] + 41, PitchSlotY[7]), 7);
    // Where two squares overlap the lower slot number wins.
    for (int a = 1; a <= PitchSlotCount; ++a)
        for (int b = a + 1; b <= PitchSlotCount; ++b)
            if (std::abs(PitchSlotX[a] - PitchSlotX[b]) < 42 && std::abs(PitchSlotY[a] - PitchSlotY[b]) < 42) {
                const int x = std::max(PitchSlotX[a], PitchSlotX[b]);
                const int y = std::max(PitchSlotY[a], PitchSlotY[b]);
                EXPECT_EQ(PitchSlotAt(x, y), a);
            }
    const int midfielder = PlayersAt(3).front();
    const int fullBack = PlayersAt(1).front();
    EXPECT_FALSE(PlaysOutOfPosition(midfielder, 10));
    EXPECT_FALSE(PlaysOutOfPosition(midfielder, 17));
    EXPECT_FALSE(PlaysOutOfPosition(midfielder, 12));
    EXPECT_TRUE(PlaysOutOfPosition(fullBack, 12));
    EXPECT_FALSE(PlaysOutOfPosition(fullBack, 2));
}

TEST_F(LineupRulesTest, AStoredLineupComesBackWithoutPlayersWhoLeftOrCannotPlayAndEachOnce)
{
    LineupBoard board = NewLineupBoard(club_, false);
    AutoSelectLineup(board, 9, club_);
    const int sold = board.shirts[5].player;
    const int injured = board.shirts[13].player;
    Players[sold].Club = 3;
    Players[injured].InjuredUntil = TodayDate() + 7;
    PlayerClubsChanged();
    TacticsPresets[0].players[16] = -1;      // empty places as older saves hold them
    TacticsPresets[0].players[17] = 999999;  // beyond the player table
    TacticsPresets[0].players[2] = board.shirts[2].player;  // one player on shirts 2 and 3 of an edited file
    LineupBoard reopened = NewLineupBoard(club_, false);
    PlaceFormation(reopened, 4);
    ASSERT_TRUE(LoadLineup(club_, reopened));
    EXPECT_FALSE(reopened.HasPlayer(5));
    EXPECT_FALSE(reopened.HasPlayer(13));
    EXPECT_FALSE(reopened.HasPlayer(17));
    EXPECT_FALSE(reopened.HasPlayer(18));
    EXPECT_FALSE(reopened.HasPlayer(3));
    EXPECT_EQ(reopened.shirts[2].player, board.shirts[2].player);
    EXPECT_EQ(TacticsPresets[0].players[4], 0);
    EXPECT_EQ(reopened.shirts[1].player, board.shirts[1].player);
    for (int shirt = 1; shirt <= kStarterShirts; ++shirt)
        EXPECT_EQ(reopened.shirts[shirt].pitchSlot, FormationSlots[9][shirt]);
    EXPECT_EQ(reopened.rowCodes[reopened.Row(board.shirts[2].player)], kCodeStarter);
    EXPECT_EQ(reopened.Row(sold), -1);
    EXPECT_FALSE(LoadLineup(club_ + 1, reopened));
}

TEST_F(LineupRulesTest, JogarBuildsTheClubsLineupAndWarnsAboutTiredStarters)
{
    LineupBoard board = NewLineupBoard(club_, false);
    AutoSelectLineup(board, 4, club_);
    const int tired = board.shirts[7].player;
    Players[tired].Energy = 10;
    const std::size_t mails = MailMessages.size();
    ASSERT_TRUE(CommitLineup(club_, board, false));
    ASSERT_EQ(Lineups.size(), 1u);
    const TLineup& L = Lineups[Clubs[club_].LineupIndex];
    EXPECT_EQ(L.starters[10], board.shirts[1].player);
    EXPECT_EQ(L.pitchSlots[10], 1);
    for (int shirt = 2; shirt <= kStarterShirts; ++shirt) {
        EXPECT_EQ(L.starters[shirt - 2], board.shirts[shirt].player);
        EXPECT_EQ(L.pitchSlots[shirt - 2], board.shirts[shirt].pitchSlot);
        EXPECT_EQ(Players[board.shirts[shirt].player].OnPitch, 1);
    }
    for (int shirt = 12; shirt <= kShirtCount; ++shirt) {
        EXPECT_EQ(L.bench[shirt - 12], board.shirts[shirt].player);
        EXPECT_EQ(Players[board.shirts[shirt].player].LineupStatus, 2);
    }
    EXPECT_GT(L.keeper, 0);
    EXPECT_EQ(Players[tired].Morale, 1);
    EXPECT_EQ(Players[tired].TiredWarning, 1);
    ASSERT_EQ(MailMessages.size(), mails + 1);
    EXPECT_EQ(MailMessages.back().player, tired);  // the mail names the tired player
    EXPECT_EQ(MailMessages.back().recipientClub, club_);
}

// Confirmed again the same day (a game loaded at a later coach's turn serves the coaches before him
// once more), a line-up counts the game, and warns of tiredness, only for starters not counted yet:
// a substitute brought in is counted, the starters kept are not counted twice.
TEST_F(LineupRulesTest, ALineupConfirmedAgainTheSameDayCountsEachStartersGameOnce)
{
    LineupBoard board = NewLineupBoard(club_, false);
    AutoSelectLineup(board, 4, club_);
    const int tired = board.shirts[7].player;
    Players[tired].Energy = 10;
    const int dropped = board.shirts[3].player;
    const auto seasonGames = [this](int player) {
        const int line = FindSeasonLine(player, Game.Season, club_);
        return line < 0 ? -1 : PlayerSeasonStats[static_cast<std::size_t>(line)].games;  // -1: no line
    };
    const int droppedSeasonGames = seasonGames(dropped);
    ASSERT_TRUE(CommitLineup(club_, board, false));
    const std::size_t mails = MailMessages.size();
    const int brought = board.shirts[12].player;
    ASSERT_EQ(Players[brought].careerGames, 0);
    std::map<int, int> games;
    for (int shirt = 1; shirt <= kShirtCount; ++shirt)
        games[board.shirts[shirt].player] = Players[board.shirts[shirt].player].careerGames;

    SwapShirts(board, 3, 12);
    ASSERT_TRUE(CommitLineup(club_, board, false));
    for (const auto& [player, counted] : games)
        EXPECT_EQ(Players[player].careerGames, counted + (player == brought) - (player == dropped)) << "player " << player;
    EXPECT_EQ(Players[dropped].OnPitch, 0);
    EXPECT_EQ(Players[dropped].PlayedThisRound, 0) << "he rests as a player who did not play";
    EXPECT_EQ(Players[brought].OnPitch, 1);
    // His season line is as before the first confirmation: a line it opened for him is gone.
    EXPECT_EQ(seasonGames(dropped), droppedSeasonGames);
    EXPECT_EQ(seasonGames(brought), 1);
    EXPECT_EQ(MailMessages.size(), mails);  // the tired starter was warned at the first confirmation
}

TEST_F(LineupRulesTest, TheHubServesOnlyUsedSlotsWhoseClubsPlayToday)
{
    testworld::MakeHuman(4);
    testworld::MakeHuman(7);
    Game.DayKind = 2;
    Game.NationalCupStage = 2;
    for (int club : {0, 4, 7})
        Clubs[club].nationalCupEntry = 0;
    Clubs[4].nationalCupEntry = 1;
    ASSERT_TRUE(ChooseFirstHumanTurn());
    EXPECT_EQ(CurrentHumanTurn, 2);
    EXPECT_EQ(Game.CurrentHumanClub, 4);
    EXPECT_EQ(Game.CurrentHumanCoach, Clubs[4].coach);
    EXPECT_FALSE(NextHumanTurn());  // the third does not play: the matchday follows

    Game.DayKind = 1;
    ASSERT_TRUE(ChooseFirstHumanTurn());
    EXPECT_EQ(Game.CurrentHumanClub, 0);
    ASSERT_TRUE(NextHumanTurn());
    EXPECT_EQ(Game.CurrentHumanClub, 4);
    ASSERT_TRUE(NextHumanTurn());
    EXPECT_EQ(Game.CurrentHumanClub, 7);
    EXPECT_FALSE(NextHumanTurn());

    // A cup day on which only the first plays: the slots passed over are scanned as current clubs.
    Game.DayKind = 2;
    Clubs[0].nationalCupEntry = 1;
    Clubs[4].nationalCupEntry = 0;
    ASSERT_TRUE(ChooseFirstHumanTurn());
    EXPECT_FALSE(NextHumanTurn());
    EXPECT_EQ(CurrentHumanTurn, 3);
    EXPECT_EQ(Game.CurrentHumanClub, 7);
    EXPECT_EQ(Game.CurrentHumanCoach, Clubs[0].coach);
    Game.DayKind = 1;

    // An unused first slot is never served, on a league day neither.
    Game.HumanClubs[0] = -1;
    ASSERT_TRUE(ChooseFirstHumanTurn());
    EXPECT_EQ(CurrentHumanTurn, 2);
    Game.HumanClubCount = 0;
    EXPECT_FALSE(ChooseFirstHumanTurn());
    EXPECT_FALSE(ClubPlaysToday(1, -1));
    EXPECT_FALSE(ClubPlaysToday(7, 4));
}

// A league day serves the first slot's club whatever its league (one whose country plays no league
// today included); a day on which no slot's club plays keeps the club shown last.
TEST_F(LineupRulesTest, ALeagueDayServesTheFirstSlotAndADayWithoutHumanMatchesKeepsTheClub)
{
    testworld::MakeHuman(4);
    Clubs[club_].Country = 77;  // no league of its own
    Game.DayKind = kKindNationalLeague;
    Game.CurrentHumanClub = 4;
    ASSERT_TRUE(ChooseFirstHumanTurn());
    EXPECT_EQ(CurrentHumanTurn, 1);
    EXPECT_EQ(Game.CurrentHumanClub, club_);

    Game.DayKind = kKindFirstContinentalCup;
    Clubs[club_].FirstContinentalEntry = 0;
    Clubs[4].FirstContinentalEntry = 0;
    CurrentHumanTurn = 2;
    EXPECT_FALSE(ChooseFirstHumanTurn());
    EXPECT_EQ(CurrentHumanTurn, 1);
    EXPECT_EQ(Game.CurrentHumanClub, club_);
}

// On a state day the state shown first is the first coach's: the hand-over to the next coach and
// the kick-off keep it.
TEST_F(LineupRulesTest, TheStateShownIsTheFirstCoachsForTheWholeDay)
{
    testworld::MakeHuman(4);
    Game.DayKind = kKindStateChampionship;
    Clubs[club_].StateEntry = 1;
    Clubs[club_].State = 5;
    Clubs[4].StateEntry = 1;
    Clubs[4].State = 9;
    CurrentState = 0;
    ASSERT_TRUE(ChooseFirstHumanTurn());
    EXPECT_EQ(CurrentState, 5);
    ASSERT_TRUE(NextHumanTurn());
    EXPECT_EQ(Game.CurrentHumanClub, 4);
    EXPECT_EQ(CurrentState, 5);
    KickOffMatchday();
    EXPECT_EQ(CurrentState, 5);
}

// The hub passed by coaches who let everything go by: at a season's start the first coach's round
// updates and questions are skipped, the second's run (the first's questions closed the season's
// start); a day on which no human club plays still has the shown club's round.
TEST_F(LineupRulesTest, TheHubPassedAutomaticallyServesTheSecondCoachAtASeasonsStart)
{
    testworld::MakeHuman(4);
    Game.DayKind = kKindNationalLeague;
    ForgetRoundUpdates();
    SeasonStartPending = 1;
    PassHubAutomatically();
    EXPECT_EQ(SeasonStartPending, 0);
    EXPECT_TRUE(RunRoundUpdates(club_)) << "skipped for the first coach";
    EXPECT_FALSE(RunRoundUpdates(4)) << "ran for the second";

    Game.DayKind = kKindFriendlies;  // none booked
    Game.CurrentHumanClub = 4;
    SeasonStartPending = 1;
    PassHubAutomatically();
    EXPECT_EQ(Game.CurrentHumanClub, 4);
    EXPECT_EQ(SeasonStartPending, 0) << "the shown club's round went by";
}

}  // namespace
}  // namespace tarvelon
