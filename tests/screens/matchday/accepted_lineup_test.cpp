// The line-up of a coach who accepts the automatic choice, as the season and play-through tests
// play it on the hub's two-coach game: the "4-4-2" the line-up screen opens with, filled by the
// automatic selection, is the eleven the match engine gets; a squad short of fit players kicks
// off short in it.
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <string>

#include "controls/grad_button.h"
#include "core/club_rosters.h"
#include "core/lineup/auto_lineup.h"
#include "core/lineup/hub_turns.h"
#include "core/lineup/lineup_board.h"
#include "core/match/lineup_ratings.h"
#include "core/records/game_state.h"
#include "core/records/match_records.h"
#include "core/records/session_globals.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "core/vocab/tactics_board.h"
#include "screens/common/navigator.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/hub_game_suite.h"

namespace tarvelon {
namespace {

constexpr int kFourFourTwo = 4;  // "4-4-2" of the formation box

class AcceptedLineupTest : public test::HubGameSuite {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ready_);
        first_ = test::HubGame::StartTwoCoachGame();
        ASSERT_EQ(first_, FirstScreen::Hub);
        Game.autosave = 0;
        AutosaveCounter = 0;
    }

    // The first coach's turn on the hub, his line-up chosen by PlayTheAutomaticEleven; the club's
    // line-up built by his "Jogar >>" (null when none was). `leftShort` tells why the line-up
    // screen was left without one.
    const TLineup* PlayTheFirstTurn(int club, std::string& leftShort)
    {
        OpenFirstScreenOfNewGame(first_);
        // The round's notices come first (the club screens answer them), then the coach's turn.
        EXPECT_TRUE(test::PumpUntil([] { return test::OpenHub() != nullptr && !PostRoundPending; }));
        TForm13* hub = test::OpenHub();
        if (hub == nullptr || Game.CurrentHumanClub != club)
            return nullptr;
        const int linedUp = static_cast<int>(Lineups.size());
        test::WhenLineupOpens([&leftShort](TForm87& lineup) { test::PlayTheAutomaticEleven(lineup, leftShort); });
        QTest::mouseClick(hub->btjogar->Widget(), Qt::LeftButton);
        // "Jogar >>" built the club's line-up; the hub serves the second coach.
        test::PumpUntil([club] { return Game.CurrentHumanClub != club; });
        const int index = Clubs[static_cast<std::size_t>(club)].LineupIndex;
        return index >= linedUp && index < static_cast<int>(Lineups.size()) ? &Lineups[static_cast<std::size_t>(index)]
                                                                            : nullptr;
    }

    FirstScreen first_ = FirstScreen::None;
};

void ExpectFourFourTwoPitchSlots(const TLineup& played)
{
    EXPECT_EQ(played.pitchSlots[10], FormationSlots[kFourFourTwo][1]) << "the goalkeeper";
    for (int shirt = 2; shirt <= kStarterShirts; ++shirt)
        EXPECT_EQ(played.pitchSlots[shirt - 2], FormationSlots[kFourFourTwo][shirt]) << "shirt " << shirt;
}

TEST_F(AcceptedLineupTest, TheCoachPlaysTheAutomaticFourFourTwoTheScreenOpensWith)
{
    const int club = Game.HumanClubs[0];
    // What the screen's automatic selection makes of the squad in "4-4-2" (the screen stores its
    // choice again, so the stored line-up does not matter).
    LineupBoard expected = NewLineupBoard(club, false);
    AutoSelectLineup(expected, kFourFourTwo, club);
    ASSERT_TRUE(StartersComplete(expected));
    std::map<int, int> gamesBefore;
    for (const int player : SquadInListOrder(club))
        gamesBefore[player] = Players[static_cast<std::size_t>(player)].careerGames;

    std::string leftShort;
    const TLineup* played = PlayTheFirstTurn(club, leftShort);
    ASSERT_TRUE(leftShort.empty()) << leftShort;
    ASSERT_NE(played, nullptr);
    // Each starter's game is counted once, the bench's not yet.
    for (const auto& [player, games] : gamesBefore) {
        const bool starts = std::count(std::begin(played->starters), std::end(played->starters), player) > 0;
        EXPECT_EQ(Players[static_cast<std::size_t>(player)].careerGames, games + (starts ? 1 : 0)) << "player " << player;
    }
    EXPECT_EQ(FormatFormation(static_cast<int>(played - Lineups.data())), "4-4-2");
    EXPECT_EQ(played->starters[10], expected.shirts[1].player) << "the goalkeeper";
    for (int shirt = 2; shirt <= kStarterShirts; ++shirt) {
        const int player = expected.shirts[static_cast<std::size_t>(shirt)].player;
        EXPECT_EQ(played->starters[shirt - 2], player) << "shirt " << shirt;
    }
    ExpectFourFourTwoPitchSlots(*played);
}

TEST_F(AcceptedLineupTest, ASquadWithNineFitPlayersKicksOffShortInTheFourFourTwo)
{
    const int club = Game.HumanClubs[0];
    // All but nine of the squad injured for a month: no formation can fill the eleven.
    const TDateTime today = TodayDate();
    int fit = 0;
    for (const int player : SquadInListOrder(club))
        if (++fit > 9)
            Players[static_cast<std::size_t>(player)].InjuredUntil = today + 30;
    ASSERT_GT(fit, kStarterShirts);

    std::string leftShort;
    const TLineup* played = PlayTheFirstTurn(club, leftShort);
    ASSERT_TRUE(leftShort.empty()) << leftShort;
    ASSERT_NE(played, nullptr);
    int starters = 0;
    for (const int player : played->starters)
        starters += player > 0 ? 1 : 0;
    EXPECT_EQ(starters, 9);
    ExpectFourFourTwoPitchSlots(*played);
}

}  // namespace
}  // namespace tarvelon
