#include "core/persist/saved_game_groups.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "core/persist/saved_game_blocks.h"

namespace tarvelon {

namespace {

constexpr std::int32_t kNoClub = -1;

// The clubs met so far in one competition's groups.
class GroupPlaces {
public:
    explicit GroupPlaces(std::size_t clubCount) : seen_(clubCount, false) {}

    // False for a place outside the club table or a club met before.
    bool Take(std::int32_t club)
    {
        if (club == kNoClub) return true;
        if (club < 0 || static_cast<std::size_t>(club) >= seen_.size() || seen_[static_cast<std::size_t>(club)])
            return false;
        seen_[static_cast<std::size_t>(club)] = true;
        return true;
    }

    template <typename Places>
    bool TakeAll(const Places& places)
    {
        return std::all_of(std::begin(places), std::end(places), [this](std::int32_t club) { return Take(club); });
    }

private:
    std::vector<bool> seen_;
};

template <std::size_t Rows, std::size_t Places>
bool AllZero(const std::int32_t (&groups)[Rows][Places])
{
    return std::all_of(std::begin(groups), std::end(groups), [](const std::int32_t (&group)[Places]) {
        return std::all_of(std::begin(group), std::end(group), [](std::int32_t club) { return club == 0; });
    });
}

bool GroupTableHoldsEachClubOnce(const std::int32_t (&table)[8][4], std::size_t clubCount)
{
    if (AllZero(table)) return true;  // a game starts with these tables zeroed, before their first draw
    GroupPlaces places(clubCount);
    return std::all_of(std::begin(table), std::end(table),
                       [&places](const std::int32_t (&group)[4]) { return places.TakeAll(group); });
}

// Every state's tiers, the reserve tiers included, are one competition: a club plays in its own state.
bool StatesHoldEachClubOnce(const std::array<TStateChampionship, kStateCount>& states, std::size_t clubCount)
{
    GroupPlaces places(clubCount);
    return std::all_of(states.begin(), states.end(), [&places](const TStateChampionship& state) {
        return StateNeverDrawn(state) ||
               std::all_of(std::begin(state.groups), std::end(state.groups),
                           [&places](const std::int32_t (&tier)[kStateTierSize]) { return places.TakeAll(tier); });
    });
}

}  // namespace

bool StateNeverDrawn(const TStateChampionship& state)
{
    return state.groupCount == 0 && AllZero(state.groups);
}

bool GroupsHoldEachClubOnce(const TGameState& game, const std::array<TStateChampionship, kStateCount>& states,
                            std::size_t clubCount)
{
    const auto tableHolds = [clubCount](const std::int32_t (&table)[8][4]) {
        return GroupTableHoldsEachClubOnce(table, clubCount);
    };
    return StatesHoldEachClubOnce(states, clubCount) &&
           std::all_of(std::begin(game.ContinentalGroups), std::end(game.ContinentalGroups), tableHolds) &&
           tableHolds(game.NationalGroups);
}

bool SavedGroupsHoldEachClubOnce(const SavedGameImage& image)
{
    return GroupsHoldEachClubOnce(image.game, image.stateChampionships, image.clubs.size());
}

}  // namespace tarvelon
