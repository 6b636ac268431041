#include "core/match/events_by_player.h"

#include <cstdint>
#include <vector>

namespace tarvelon {

namespace {

// The events naming each player, grouped by player in table order: the players named get numbers
// 0, 1, ... in the order first named, and the events of number n are events[starts[n] ..
// starts[n + 1]). Made by counting (one pass to count, one to place) rather than by sorting pairs:
// the end of a matchday asks for every player who played, and a lookup is then three reads. The
// numbers are kept in one table by player that lives on between matchdays, and only the entries
// of the players named are set and cleared again, so a matchday's index costs the same however
// many players the game has gathered.
struct EventIndex {
    std::vector<int> named;       // the players named, by number
    std::vector<int> starts;      // by number, plus one end
    std::vector<int> events;
    std::size_t indexedEvents = 0;
    bool made = false;
};

// A player index from 0 up to this has a number in the table; others (only a damaged event holds
// one) are counted by a walk over every event.
constexpr int kIndexedPlayerLimit = 1 << 22;

bool IsIndexedPlayer(int player) { return player >= 0 && player < kIndexedPlayerLimit; }

// By player index: his number in the living index, or -1.
std::vector<int>& NumberOfPlayer()
{
    static std::vector<int> numbers;
    return numbers;
}

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

void ForgetNumbers(EventIndex& index)
{
    std::vector<int>& numbers = NumberOfPlayer();
    for (int player : index.named)
        numbers[static_cast<std::size_t>(player)] = -1;
    index.named.clear();
}

// The player's number, given on his first naming.
int NumberOf(EventIndex& index, int player)
{
    std::vector<int>& numbers = NumberOfPlayer();
    if (static_cast<std::size_t>(player) >= numbers.size())
        numbers.resize(static_cast<std::size_t>(player) + 1, -1);
    int& number = numbers[static_cast<std::size_t>(player)];
    if (number < 0) {
        number = static_cast<int>(index.named.size());
        index.named.push_back(player);
    }
    return number;
}

void MakeIndex(EventIndex& index)
{
    ForgetNumbers(index);
    index.starts.assign(1, 0);
    ForEachNaming([&](int player, int) {
        if (!IsIndexedPlayer(player))
            return;
        const auto number = static_cast<std::size_t>(NumberOf(index, player));
        if (number + 2 > index.starts.size())
            index.starts.resize(number + 2, 0);
        ++index.starts[number + 1];
    });
    for (std::size_t k = 1; k < index.starts.size(); ++k)
        index.starts[k] += index.starts[k - 1];
    index.events.resize(static_cast<std::size_t>(index.starts.back()));
    std::vector<int> next(index.starts.begin(), index.starts.end() - 1);
    const std::vector<int>& numbers = NumberOfPlayer();
    ForEachNaming([&](int player, int event) {
        if (!IsIndexedPlayer(player))
            return;
        const auto number = static_cast<std::size_t>(numbers[static_cast<std::size_t>(player)]);
        index.events[static_cast<std::size_t>(next[number]++)] = event;
    });
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
    ForgetNumbers(*living);
    delete living;
    living = nullptr;
}

std::optional<std::span<const int>> IndexedEventsNaming(int player)
{
    if (living == nullptr || !IsIndexedPlayer(player))
        return std::nullopt;
    if (!living->made || living->indexedEvents != MatchEvents.size())
        MakeIndex(*living);
    const std::vector<int>& numbers = NumberOfPlayer();
    const int number = static_cast<std::size_t>(player) < numbers.size() ? numbers[static_cast<std::size_t>(player)] : -1;
    if (number < 0)
        return std::span<const int>();
    const int from = living->starts[static_cast<std::size_t>(number)];
    const int to = living->starts[static_cast<std::size_t>(number) + 1];
    return std::span<const int>(living->events.data() + from, static_cast<std::size_t>(to - from));
}

}  // namespace tarvelon
