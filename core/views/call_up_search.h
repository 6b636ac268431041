#pragma once
// The national-team coach's search for players to call up, and the call-up list he fills: players of
// the team's nationality at the league clubs, at most 3 goalkeepers and 20 outfield players.
#include <string>
#include <vector>

#include "core/views/player_search.h"

namespace tarvelon {

// The players of `country` (none for -1) at the league clubs that match the filters (their
// nationality and club country aside), in table order.
std::vector<int> SearchCallUpPlayers(int country, const PlayerSearchFilters& filters);

inline constexpr int kCallUpGoalkeepers = 3;
inline constexpr int kCallUpOutfield = 20;

// The call-up list: its players in order and the count of each kind.
class CallUpSquad {
public:
    bool Contains(int player) const;
    // Not in the list yet and his kind has room left.
    bool CanAdd(int player) const;
    bool Add(int player);
    bool Remove(int player);
    // At least 2 goalkeepers and 20 outfield players.
    bool Complete() const;

    const std::vector<int>& Players() const { return players_; }
    int Goalkeepers() const { return goalkeepers_; }
    int Outfield() const { return outfield_; }

private:
    std::vector<int> players_;
    int goalkeepers_ = 0;
    int outfield_ = 0;
};

}  // namespace tarvelon
