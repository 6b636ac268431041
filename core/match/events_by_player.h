#pragma once
// A player's events of the day found without walking every event: the end of a matchday counts
// the goals, cards and minutes of every player who played, and each count walked the whole
// MatchEvents. While a MatchEventsByPlayer lives, the counts read an index of the events by the
// players they name, made once (and again whenever the number of events changed); otherwise they
// walk, as any code may change MatchEvents between two matchdays. Builds with
// TARVELON_CHECK_INDEXES compare every indexed count with a walk.
#include <optional>
#include <span>

#include "core/match/match_events_codes.h"
#include "core/records/match_records.h"

namespace tarvelon {

// The codes whose second field names a player (not a card kind or a penalty outcome).
constexpr bool SecondIsPlayer(int code)
{
    return code == meInjury || code == meSubstitution || code == meInjurySubstitution;
}

class MatchEventsByPlayer {
public:
    MatchEventsByPlayer();
    ~MatchEventsByPlayer();
    MatchEventsByPlayer(const MatchEventsByPlayer&) = delete;
    MatchEventsByPlayer& operator=(const MatchEventsByPlayer&) = delete;

private:
    bool first_;  // an inner one leaves the index to the outer one
};

// The indexes into MatchEvents of the events naming `player` (as their player, or as the second
// of a code naming a player there), ascending; nullopt when no MatchEventsByPlayer lives.
std::optional<std::span<const int>> IndexedEventsNaming(int player);

// Calls f(event) for the events of MatchEvents that may name `player`, in their order: those of
// the index while one lives, else every event (f tells them apart itself).
template <typename F>
void ForEachEventNaming(int player, F&& f)
{
    if (const auto indexed = IndexedEventsNaming(player)) {
        for (int i : *indexed)
            f(MatchEvents[static_cast<std::size_t>(i)]);
        return;
    }
    for (const TMatchEventEntry& e : MatchEvents)
        f(e);
}

}  // namespace tarvelon
