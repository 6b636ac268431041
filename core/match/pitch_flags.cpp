#include "core/match/pitch_flags.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/basics/index_check.h"
#include "core/club_rosters.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

// Every player's flags were 0 after the clear that saw this table; the players put on the pitch since.
struct PitchFlagList {
    bool cleared = false;
    const TPlayer* table = nullptr;
    std::size_t playerCount = 0;
    std::uint64_t clubChanges = 0;
    std::vector<int> putOn;
};

PitchFlagList& List()
{
    static PitchFlagList list;
    return list;
}

bool ListStillHolds(const PitchFlagList& list)
{
    return list.cleared && list.table == Players.data() && list.playerCount == Players.size() &&
           list.clubChanges == PlayerClubsChangeCount();
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
    List().putOn.push_back(player);
}

void ClearPitchFlags()
{
    PitchFlagList& list = List();
    if (ListStillHolds(list)) {
        for (const int player : list.putOn)
            if (player >= 0 && player < static_cast<int>(Players.size()))
                ClearFlagsOf(Players[player]);
    } else {
        for (TPlayer& player : Players)
            ClearFlagsOf(player);
    }
#ifdef TARVELON_CHECK_INDEXES
    if (SampledIndexCheck())
        CheckEveryFlagCleared();
#endif
    list.putOn.clear();
    list.cleared = true;
    list.table = Players.data();
    list.playerCount = Players.size();
    list.clubChanges = PlayerClubsChangeCount();
}

}  // namespace tarvelon
