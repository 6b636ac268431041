#include "core/players_to_settle.h"

#include <cstdio>
#include <cstdlib>

#include "core/basics/index_check.h"
#include "core/player_marks.h"
#include "core/records/table_reset.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

PlayerMarks toSettle;

const GameTableReset markEveryoneAtStart([] { toSettle.MarkEveryone(); });

bool HasAClub(int player) { return Players[static_cast<std::size_t>(player)].Club >= 0; }

[[maybe_unused]] void CheckNobodyLeftOut(const std::function<bool(int)>& stillNeeded)
{
    for (std::size_t p = 1; p < Players.size(); ++p) {
        if (!toSettle.IsMarked(static_cast<int>(p)) && stillNeeded(static_cast<int>(p))) {
            std::fprintf(stderr, "player %zu needs the matchday's settling but was not marked for it\n", p);
            std::abort();
        }
    }
}

}  // namespace

void MarkToSettle(int player) { toSettle.Mark(player); }

void MarkEveryoneToSettle() { toSettle.MarkEveryone(); }

void SettleMarkedPlayers(const std::function<void(int)>& settle, const std::function<bool(int)>& stillNeeded)
{
#ifdef TARVELON_CHECK_INDEXES
    if (SampledIndexCheck())
        CheckNobodyLeftOut(stillNeeded);
#endif
    toSettle.Visit(
        [&settle](int p) {
            if (HasAClub(p))
                settle(p);
        },
        stillNeeded);
}

}  // namespace tarvelon
