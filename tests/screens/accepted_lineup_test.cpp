// The line-up of a coach who accepts the automatic choice, as the season and play-through tests
// play it on the hub's two-coach game: the "4-4-2" the line-up screen opens with, filled by the
// automatic selection, is the eleven the match engine gets.
#include <QTest>
#include <gtest/gtest.h>

#include <string>

#include "controls/grad_button.h"
#include "core/lineup/auto_lineup.h"
#include "core/lineup/hub_turns.h"
#include "core/lineup/lineup_board.h"
#include "core/match/lineup_ratings.h"
#include "core/records/game_state.h"
#include "core/records/match_records.h"
#include "core/records/session_globals.h"
#include "core/tables.h"
#include "core/vocab/tactics_board.h"
#include "screens/common/navigator.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/hub_game_suite.h"

namespace tarvelon {
namespace {

constexpr int kFourFourTwo = 4;  // "4-4-2" of the formation box

class AcceptedLineupTest : public test::HubGameSuite {};

TEST_F(AcceptedLineupTest, TheCoachWhoAcceptsTheAutomaticChoicePlaysTheFourFourTwoTheScreenOpensWith)
{
    ASSERT_TRUE(ready_);
    const FirstScreen first = test::HubGame::StartTwoCoachGame();
    ASSERT_EQ(first, FirstScreen::Hub);
    Game.autosave = 0;
    AutosaveCounter = 0;
    OpenFirstScreenOfNewGame(first);
    // The round's notices come first (the club screens answer them), then the coach's turn.
    ASSERT_TRUE(test::PumpUntil([] { return test::OpenHub() != nullptr && !PostRoundPending; }));
    TForm13* hub = test::OpenHub();
    const int club = Game.CurrentHumanClub;
    ASSERT_TRUE(ClubPlaysToday(Game.DayKind, club));
    // What the screen's automatic selection makes of the squad in "4-4-2" (the choice is stored
    // again by the screen, so the stored line-up does not matter).
    LineupBoard expected = NewLineupBoard(club, false);
    AutoSelectLineup(expected, kFourFourTwo, club);
    ASSERT_TRUE(StartersComplete(expected));

    std::string leftShort;
    test::WhenLineupOpens([&leftShort](TForm87& lineup) { test::PlayAFullEleven(lineup, leftShort); });
    QTest::mouseClick(hub->btjogar->Widget(), Qt::LeftButton);
    ASSERT_TRUE(leftShort.empty()) << leftShort;
    // The first coach's "Jogar >>" built his club's line-up; the hub serves the second coach.
    ASSERT_TRUE(test::PumpUntil([club] { return Game.CurrentHumanClub != club; }));
    const int index = Clubs[static_cast<std::size_t>(club)].LineupIndex;
    ASSERT_GE(index, 0);
    ASSERT_LT(index, static_cast<int>(Lineups.size()));
    EXPECT_EQ(FormatFormation(index), "4-4-2");
    const TLineup& played = Lineups[static_cast<std::size_t>(index)];
    EXPECT_EQ(played.starters[10], expected.shirts[1].player) << "the goalkeeper";
    for (int shirt = 2; shirt <= kStarterShirts; ++shirt) {
        const int player = expected.shirts[static_cast<std::size_t>(shirt)].player;
        EXPECT_EQ(played.starters[shirt - 2], player) << "shirt " << shirt;
        EXPECT_EQ(played.pitchSlots[shirt - 2], FormationSlots[kFourFourTwo][shirt]) << "shirt " << shirt;
    }
}

}  // namespace
}  // namespace tarvelon
