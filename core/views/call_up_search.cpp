#include "core/views/call_up_search.h"

#include <algorithm>

#include "core/basics/ascii_text.h"
#include "core/basics/currency.h"
#include "core/economy/table_access.h"
#include "core/records/game_state.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

struct Bounds {
    std::int64_t low;
    std::int64_t high;
};

constexpr Bounds kStrength[5] = {{1, 10}, {11, 30}, {31, 50}, {51, 101}, {0, 101}};
constexpr Bounds kAge[4] = {{15, 25}, {26, 36}, {37, 80}, {16, 80}};
// Whole units; a value must lie strictly between.
constexpr Bounds kValue[8] = {{1000, 100000},       {101000, 500000},      {500000, 1000000},
                              {1000000, 3000000},   {3000001, 5000000},    {5000001, 10000000},
                              {10000001, 999999999}, {1000, 999999999}};
constexpr int kAnyStrength = 4;
constexpr int kAnyAge = 3;
constexpr int kAnyValue = 7;

bool Within(std::int64_t value, Bounds b) { return value >= b.low && value <= b.high; }

bool StartsWithIgnoringCase(const std::string& name, const std::string& prefix)
{
    return name.size() >= prefix.size() && SameTextIgnoringCase(std::string_view(name).substr(0, prefix.size()), prefix);
}

bool Matches(const TPlayer& p, const CallUpFilter& f, int lastClub)
{
    const std::string name = p.Name.str();
    return p.Club >= 0 && p.Club < lastClub && !name.empty() && p.nationality == f.country &&
           (f.position == kAnyPosition || p.Position == f.position) &&
           (f.strengthBand == kAnyStrength || Within(p.Strength, kStrength[std::clamp(f.strengthBand, 0, 4)])) &&
           (f.ageBand == kAnyAge || Within(p.Age, kAge[std::clamp(f.ageBand, 0, 3)])) &&
           (f.valueBand == kAnyValue ||
            (p.Value > CurrencyFromUnits(kValue[std::clamp(f.valueBand, 0, 7)].low) &&
             p.Value < CurrencyFromUnits(kValue[std::clamp(f.valueBand, 0, 7)].high))) &&
           StartsWithIgnoringCase(name, f.namePrefix) && (!f.starsOnly || p.Star == 1) &&
           (f.trait1 == kAnyTrait || p.Trait1 == f.trait1) && (f.trait2 == kAnyTrait || p.Trait2 == f.trait2);
}

bool IsGoalkeeper(int player) { return IsPlayerIndex(player) && Players[player].Position == 0; }

}  // namespace

std::vector<int> SearchCallUpPlayers(const CallUpFilter& filter)
{
    std::vector<int> found;
    const int lastClub = Game.LeagueClubCount + Game.ExtraClubCount;
    for (int p = 1; p < static_cast<int>(Players.size()); ++p)
        if (Matches(Players[p], filter, lastClub))
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
