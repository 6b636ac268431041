#include "core/match/events_by_player.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tarvelon {

namespace {

// (player, event index) for every player an event names, sorted: each player's events are one
// run, in table order.
struct EventIndex {
    std::vector<int> players;
    std::vector<int> events;
    std::size_t indexedEvents = 0;
    bool made = false;
};

EventIndex* living = nullptr;

void MakeIndex(EventIndex& index)
{
    std::vector<std::pair<int, int>> pairs;
    pairs.reserve(MatchEvents.size() + MatchEvents.size() / 4);
    for (std::size_t i = 0; i < MatchEvents.size(); ++i) {
        const TMatchEventEntry& e = MatchEvents[i];
        pairs.emplace_back(e.player, static_cast<int>(i));
        if (SecondIsPlayer(e.code) && e.second != e.player)
            pairs.emplace_back(e.second, static_cast<int>(i));
    }
    std::sort(pairs.begin(), pairs.end());
    index.players.resize(pairs.size());
    index.events.resize(pairs.size());
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        index.players[k] = pairs[k].first;
        index.events[k] = pairs[k].second;
    }
    index.indexedEvents = MatchEvents.size();
    index.made = true;
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
    const auto [first, last] = std::equal_range(living->players.begin(), living->players.end(), player);
    const std::size_t from = static_cast<std::size_t>(first - living->players.begin());
    return std::span<const int>(living->events.data() + from, static_cast<std::size_t>(last - first));
}

}  // namespace tarvelon
