// The game played through its screens from the title, on the second of three seeds (play_through.h);
// each seed is a test file of its own so that the three run side by side.
#include <gtest/gtest.h>

#include "tests/screens/play_through.h"

namespace tarvelon {
namespace {

TEST(PlayThroughSecondSeed, FromTheTitleThroughASeasonASaveAWorldCupAndIntoTheNext)
{
    test::PlayThrough(5).Run();
}

}  // namespace
}  // namespace tarvelon
