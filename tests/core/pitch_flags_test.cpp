// The pitch flags after a matchday: the players put on the pitch get theirs cleared without a walk
// over every player, and a table that changed under the list (a loaded game, players added, clubs
// changed in bulk) is cleared in full.
#include <gtest/gtest.h>

#include "core/club_rosters.h"
#include "core/match/pitch_flags.h"
#include "core/tables.h"
#include "tests/core/test_world.h"

namespace tarvelon {
namespace {

class PitchFlagsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testbuild::StartEmptyGame(1, 2);
        const int club = testbuild::AppendClub(29, 1, 1);
        for (int i = 0; i < 6; ++i)
            testbuild::AppendPlayer(testbuild::NumberedPlayer(club, 3));
        ClearPitchFlags();
    }

    static bool AnyFlagSet()
    {
        for (const TPlayer& p : Players)
            if (p.OnPitch != 0 || p.MatchFlag != 0)
                return true;
        return false;
    }
};

TEST_F(PitchFlagsTest, PlayersPutOnThePitchAreClearedAfterTheDay)
{
    PutOnPitch(2);
    PutOnPitch(5);
    PutOnPitch(2);  // off and on again
    EXPECT_EQ(Players[2].OnPitch, 1);
    EXPECT_EQ(Players[5].OnPitch, 1);
    Players[5].Club = -1;  // released before the day ended: still cleared
    PlayerClubChanged(5, 0);
    ClearPitchFlags();
    EXPECT_FALSE(AnyFlagSet());
}

TEST_F(PitchFlagsTest, FlagsFromOutsideTheListAreClearedWhenTheTableChanged)
{
    // As a loaded game brings them: flags on players nobody put on the pitch.
    Players[3].OnPitch = 1;
    Players[4].MatchFlag = 7;
    PlayerClubsChanged();
    ClearPitchFlags();
    EXPECT_FALSE(AnyFlagSet());
    // Players added: the copy of a flagged player keeps his flag until the full clear.
    Players[1].OnPitch = 1;
    testbuild::AppendPlayer(Players[1]);
    ClearPitchFlags();
    EXPECT_FALSE(AnyFlagSet());
}

}  // namespace
}  // namespace tarvelon
