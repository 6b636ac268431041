#include "core/views/call_up_search.h"

#include <algorithm>

#include "core/economy/table_access.h"
#include "core/records/game_state.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kNoNationality = -1;  // no player's: a team without a country calls nobody up

bool IsGoalkeeper(int player) { return IsPlayerIndex(player) && Players[player].Position == 0; }

}  // namespace

std::vector<int> SearchCallUpPlayers(int country, const PlayerSearchFilters& filters)
{
    std::vector<int> found;
    PlayerSearchFilters search = filters;
    search.nationality = country >= 0 ? country : kNoNationality;
    const int lastClub = Game.LeagueClubCount + Game.ExtraClubCount;
    for (int p = 1; p < static_cast<int>(Players.size()); ++p)
        if (Players[p].Club >= 0 && Players[p].Club < lastClub && PlayerMatchesFilters(p, search))
            found.push_back(p);
    return found;
}

bool CallUpSquad::Contains(int player) const
{
    return std::find(players_.begin(), players_.end(), player) != players_.end();
}

bool CallUpSquad::CanAdd(int player) const
{
    if (!IsPlayerIndex(player) || Contains(player))
        return false;
    return IsGoalkeeper(player) ? goalkeepers_ < kCallUpGoalkeepers : outfield_ < kCallUpOutfield;
}

bool CallUpSquad::Add(int player)
{
    if (!CanAdd(player))
        return false;
    players_.push_back(player);
    (IsGoalkeeper(player) ? goalkeepers_ : outfield_) += 1;
    return true;
}

bool CallUpSquad::Remove(int player)
{
    const auto it = std::find(players_.begin(), players_.end(), player);
    if (it == players_.end())
        return false;
    players_.erase(it);
    (IsGoalkeeper(player) ? goalkeepers_ : outfield_) -= 1;
    return true;
}

bool CallUpSquad::Complete() const { return goalkeepers_ >= 2 && outfield_ >= kCallUpOutfield; }

}  // namespace tarvelon
