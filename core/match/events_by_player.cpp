#include "core/match/events_by_player.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace tarvelon {

namespace {

// The events naming each player, grouped by player in table order: the events of player p are
// events[starts[p - lowest] .. starts[p - lowest + 1]). Made by counting (one pass to count, one to
// place) rather than by sorting pairs: the end of a matchday asks for every player who played, and
// a lookup is then two reads.
struct EventIndex {
    int lowest = 0;               // the lowest player named
    std::vector<int> starts;      // by player - lowest, plus one end
    std::vector<int> events;
    std::size_t indexedEvents = 0;
    bool made = false;
    bool usable = false;          // false: the players named lie too far apart for a table by player
};

constexpr std::int64_t kMostPlayersSpanned = std::int64_t{1} << 22;

EventIndex* living = nullptr;

// Calls f(player, event index) for every player an event names, in table order.
template <typename F>
void ForEachNaming(F&& f)
{
    for (std::size_t i = 0; i < MatchEvents.size(); ++i) {
        const TMatchEventEntry& e = MatchEvents[i];
        f(e.player, static_cast<int>(i));
        if (SecondIsPlayer(e.code) && e.second != e.player)
            f(e.second, static_cast<int>(i));
    }
}

void MakeIndex(EventIndex& index)
{
    int lowest = 0;
    int highest = -1;
    bool any = false;
    ForEachNaming([&](int player, int) {
        lowest = any ? std::min(lowest, player) : player;
        highest = any ? std::max(highest, player) : player;
        any = true;
    });
    index.lowest = lowest;
    index.indexedEvents = MatchEvents.size();
    index.made = true;
    const std::int64_t spanned = any ? static_cast<std::int64_t>(highest) - lowest + 1 : 0;
    index.usable = spanned <= kMostPlayersSpanned;
    if (!index.usable)
        return;
    const auto span = static_cast<std::size_t>(spanned);
    index.starts.assign(span + 1, 0);
    ForEachNaming([&](int player, int) { ++index.starts[static_cast<std::size_t>(player - lowest) + 1]; });
    for (std::size_t k = 1; k < index.starts.size(); ++k)
        index.starts[k] += index.starts[k - 1];
    index.events.resize(static_cast<std::size_t>(index.starts.back()));
    std::vector<int> next(index.starts.begin(), index.starts.end() - 1);
    ForEachNaming([&](int player, int event) {
        index.events[static_cast<std::size_t>(next[static_cast<std::size_t>(player - lowest)]++)] = event;
    });
}

}  // namespace

MatchEventsByPlayer::MatchEventsByPlayer() : first_(living == nullptr)
{
    if (first_)
        living = new EventIndex();
}

MatchEventsByPlayer::~MatchEventsByPlayer()
{
    if (!first_)
        return;
    delete living;
    living = nullptr;
}

std::optional<std::span<const int>> IndexedEventsNaming(int player)
{
    if (living == nullptr)
        return std::nullopt;
    if (!living->made || living->indexedEvents != MatchEvents.size())
        MakeIndex(*living);
    const EventIndex& index = *living;
    if (!index.usable)
        return std::nullopt;
    const std::int64_t slot = static_cast<std::int64_t>(player) - index.lowest;
    if (slot < 0 || slot + 1 >= static_cast<std::int64_t>(index.starts.size()))
        return std::span<const int>();
    const int from = index.starts[static_cast<std::size_t>(slot)];
    const int to = index.starts[static_cast<std::size_t>(slot) + 1];
    return std::span<const int>(index.events.data() + from, static_cast<std::size_t>(to - from));
}

}  // namespace tarvelon
