// The tactics a coach chose stay his own: days go by through the screens from the hub (his own
// matchdays with "Jogar >>", the days he does not play opening the matchday by themselves, the
// half-time window off) and his club's style, attack focus and marking read what he set.
#include <gtest/gtest.h>

#include "core/match/lineup_access.h"
#include "core/records/game_state.h"
#include "screens/common/navigator.h"
#include "tests/screens/gallery_game_suite.h"
#include "tests/screens/in_match_answerer.h"
#include "tests/screens/season_from_hub.h"

namespace tarvelon {
namespace {

class CoachTacticsKeptTest : public test::GalleryGameSuite {
protected:
    static void SetUpTestSuite() { PrepareGame(9, 0); }
};

TEST_F(CoachTacticsKeptTest, DaysHisClubDoesNotPlayLeaveHisTacticsAsHeSetThem)
{
    test::GameKeptAside kept;
    ASSERT_EQ(Game.HumanClubCount, 1);
    TClub& club = Clubs[Game.HumanClubs[0]];
    club.PlayingStyle = 1;  // "Ataque total"
    club.AttackFocus = 0;   // "Pelo meio"
    club.Pressing = 1;      // "Pesada"
    Game.InstantPlay = 1;
    Game.autosave = 0;
    Game.HalfTimeScreen = 0;
    test::InMatchAnswerer answerer;
    OpenScreen("TForm13");

    int days = 0;
    test::SeasonFromHubDriving driving;
    driving.afterDay = [&] { return ++days < 12; };
    const test::SeasonFromHubTally tally = test::PlayToSeasonEnd(driving);
    Game.InstantPlay = 0;
    test::CloseEveryForm();

    ASSERT_TRUE(tally.failure.empty() || days == 12) << tally.failure;
    ASSERT_GT(tally.days, tally.hubTurns) << "some day of these went by without his club";
    EXPECT_EQ(club.PlayingStyle, 1);
    EXPECT_EQ(club.AttackFocus, 0);
    EXPECT_EQ(club.Pressing, 1);
}

}  // namespace
}  // namespace tarvelon
