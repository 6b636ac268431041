#pragma once
// The national-team coach's search for players to call up, and the call-up list he fills: players of
// the team's nationality at the league clubs, at most 3 goalkeepers and 20 outfield players.
#include <string>
#include <vector>

#include "core/views/player_search.h"

namespace tarvelon {

// The filters; each "any" choice is the last item of its list. They mean what they mean in the
// player search (player_search.h).
struct CallUpFilter {
    int country = -1;           // the national team's country
    int position = 5;           // 0..4, 5 any
    int strengthBand = 4;       // "1..10", "11..30", "31..50", "51..100", any
    int ageBand = 3;            // "16..25", "26..36", "37>", any
    int valueBand = 7;          // the seven value bands, any
    std::string namePrefix;     // the start of the name, any letter case
    int trait1 = 14;            // 0..13, 14 any
    int trait2 = 14;
    bool starsOnly = false;
};

// The players that match, in table order.
std::vector<int> SearchCallUpPlayers(const CallUpFilter& filter);

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
