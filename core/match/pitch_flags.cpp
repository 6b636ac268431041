#include "core/match/pitch_flags.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "core/basics/index_check.h"
#include "core/club_rosters.h"
#include "core/player_marks.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

// The players put on the pitch since the last clear; a change the list cannot follow (another table
// in its place, players added, players moved by PlayerClubsChanged()) has every player visited once.
struct PitchFlagList {
    const TPlayer* table = nullptr;
    std::size_t playerCount = 0;
    std::uint64_t clubChanges = 0;
    PlayerMarks putOn;
};

PitchFlagList& List()
{
    static PitchFlagList list;
    return list;
}

void ClearFlagsOf(TPlayer& player)
{
    player.OnPitch = 0;
    player.MatchFlag = 0;
}

[[maybe_unused]] void CheckEveryFlagCleared()
{
    for (const TPlayer& player : Players) {
        if (player.OnPitch != 0 || player.MatchFlag != 0) {
            std::fprintf(stderr, "a pitch flag outlived the matchday: a player was put on the pitch other than by PutOnPitch\n");
            std::abort();
        }
    }
}

}  // namespace

void PutOnPitch(int player)
{
    Players[player].OnPitch = 1;
    List().putOn.Mark(player);
}

void ClearPitchFlags()
{
    PitchFlagList& list = List();
    if (list.table != Players.data() || list.playerCount != Players.size() ||
        list.clubChanges != PlayerClubsChangeCount())
        list.putOn.MarkEveryone();
    list.putOn.Visit([](int player) { ClearFlagsOf(Players[static_cast<std::size_t>(player)]); },
                     [](int) { return false; });
    if (!Players.empty())
        ClearFlagsOf(Players[0]);  // the empty element zero is no player to mark
#ifdef TARVELON_CHECK_INDEXES
    if (SampledIndexCheck())
        CheckEveryFlagCleared();
#endif
    list.table = Players.data();
    list.playerCount = Players.size();
    list.clubChanges = PlayerClubsChangeCount();
}

}  // namespace tarvelon
