// The results of whole games, pinned: the final digest of tarvelon-sim after three seasons for three
// seeds, on the sample database the game folder gets by default (tarvelon-sampledata's seed 1). Work
// on the speed of the rules must leave every one of them as it is; a change of the rules themselves
// updates them on purpose. The same figures come from the command line:
//   tarvelon-sampledata DIR && tarvelon-sim --data DIR --seed N --seasons 3 [--leagues 29,11,65 --division-size 10]
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "core/settings/settings.h"
#include "tests/core/newgame_database.h"
#include "tools/sampledata/sample_database.h"
#include "tools/sim/sim_run.h"

using namespace tarvelon;

namespace {

struct PinnedGame {
    std::uint64_t seed;
    const char* digest;
};

class SimDigests : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = new testdb::GameFolder();
        sampledata::WriteSampleDatabase(folder_->path(), 1);
    }
    static void TearDownTestSuite()
    {
        delete folder_;
        SetProgramFolder({});
    }

    // Plays three seasons of each pinned seed and compares the digest the command prints last.
    static void ExpectDigests(sim::SimOptions options, const std::vector<PinnedGame>& pinned)
    {
        options.dataFolder = folder_->path().string();
        options.seasons = 3;
        for (const PinnedGame& game : pinned) {
            options.seed = game.seed;
            std::ostringstream out;
            std::ostringstream err;
            ASSERT_EQ(sim::RunSim(options, out, err), 0) << err.str();
            EXPECT_EQ(err.str(), "") << "seed " << game.seed;
            const std::string report = out.str();
            const std::size_t last = report.rfind("digest: ");
            ASSERT_NE(last, std::string::npos);
            EXPECT_EQ(report.substr(last), std::string("digest: ") + game.digest + "\n") << "seed " << game.seed;
        }
    }

    static testdb::GameFolder* folder_;
};

testdb::GameFolder* SimDigests::folder_ = nullptr;

// Brazil (with its state championships), Argentina and Spain in divisions of ten: every kind of
// competition in a game small enough for every build.
TEST_F(SimDigests, ThreeLeaguesEveryCompetition)
{
    sim::SimOptions options;
    options.leagues = {29, 11, 65};
    options.divisionSize = 10;
    ExpectDigests(options, {{1, "62e5f690f5e2cda5"}, {2, "adf9a1d560ae15aa"}, {3, "45fad6ad00fb122f"}});
}

// The command's own game: every league of the database in divisions of twenty with every
// competition on. Under the sanitizers, whose checked indexes walk the tables at every lookup, it
// takes many minutes a seed, so the sanitized builds leave it to the others.
TEST_F(SimDigests, EveryLeagueEveryCompetition)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "too slow under the sanitizers; the three-league game stands for it here";
#endif
    ExpectDigests(sim::SimOptions{}, {{1, "8c80770491e4e057"}, {2, "3509cdaaaecd55fd"}, {3, "7fe4630db9e57e7b"}});
}

}  // namespace
