// The line-up screen's automatic selection on the squads of a played season: on every club of the
// sample game's league, a few rounds apart, each formation never puts one player on two shirts and
// leaves a starter place empty (for the coach to fill) only when no fit player of its own position
// is left.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/club_rosters.h"
#include "core/hooks.h"
#include "core/lineup/auto_lineup.h"
#include "core/lineup/lineup_board.h"
#include "core/records/game_state.h"
#include "core/seasonloop/season_loop.h"
#include "core/services/rule_services.h"
#include "core/settings/settings.h"
#include "core/tables.h"
#include "core/vocab/tactics_board.h"
#include "tests/core/newgame_database.h"
#include "tools/sampledata/sample_database.h"
#include "tools/sim/sim_run.h"

using namespace tarvelon;

namespace {

constexpr std::uint64_t kSeed = 11;

// Whether a fit player of `position` is left off the eleven (free or on the bench).
bool FitPlayerOfPositionOffTheEleven(const LineupBoard& board, int position)
{
    for (std::size_t row = 0; row < board.rowPlayers.size(); ++row) {
        const int code = board.rowCodes[row];
        if ((code == kCodeFree || code == kCodeSubstitute) && Players[board.rowPlayers[row]].Position == position)
            return true;
    }
    return false;
}

// Every formation's automatic selection for every league club: nobody twice, and a starter place
// is left empty only when no fit player of its own position is left for it.
void ExpectPlacesFilledWherePlayersAre(int day)
{
    for (int club = 0; club < Game.LeagueClubCount; ++club) {
        for (int formation = 1; formation <= FormationCount; ++formation) {
            LineupBoard board = NewLineupBoard(club, false);
            AutoSelectLineup(board, formation, club);
            const std::string where = Clubs[club].name.str() + " (club " + std::to_string(club) + "), formation " +
                                      std::to_string(formation) + ", calendar day " + std::to_string(day);
            std::set<int> worn;
            for (int shirt = 1; shirt <= kShirtCount; ++shirt)
                if (board.HasPlayer(shirt)) {
                    ASSERT_TRUE(worn.insert(board.shirts[shirt].player).second) << where;
                }
            for (int shirt = 1; shirt <= kStarterShirts; ++shirt) {
                const int position = PitchSlotRoles[board.shirts[shirt].pitchSlot].position;
                if (!board.HasPlayer(shirt)) {
                    ASSERT_FALSE(FitPlayerOfPositionOffTheEleven(board, position)) << where << ", shirt " << shirt;
                }
            }
        }
    }
}

TEST(AutoLineupSeason, EveryFormationLeavesAPlaceEmptyOnlyWithoutAFitPlayerOfItsPosition)
{
    testdb::GameFolder folder;
    sampledata::WriteSampleDatabase(folder.path(), kSeed);
    SetProgramFolder(folder.path());
    StartRules({kSeed});
    Hooks().showMessage = [](const std::string&) {};
    sim::SimOptions options;
    options.leagues = {29};
    options.seed = kSeed;
    std::string message;
    ASSERT_TRUE(sim::StartSimGame(options, message)) << message;
    for (int round = 0; round < 3; ++round) {
        for (int day = 0; day < 10; ++day)
            ASSERT_EQ(PlayDay(), DayOutcome::Played);
        ExpectPlacesFilledWherePlayersAre(Game.DayIndex);
    }
}

}  // namespace
