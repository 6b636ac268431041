#include "core/economy/squad_rules.h"

#include <utility>
#include <vector>

#include "core/basics/random.h"
#include "core/basics/rounding.h"
#include "core/club_rosters.h"
#include "core/economy/player_value.h"
#include "core/match/computer_lineups.h"
#include "core/match/lineup_access.h"
#include "core/economy/table_access.h"
#include "core/season/calendar.h"
#include "core/sort/record_sort.h"

namespace tarvelon {

namespace {

struct ListEntry {
    int player;
    int key;
    int strength;
    int energy;
};

int CompareListEntries(const ListEntry& a, const ListEntry& b)
{
    if (a.key != b.key) return a.key < b.key ? -1 : 1;
    if (a.strength != b.strength) return a.strength < b.strength ? -1 : 1;
    if (a.energy != b.energy) return a.energy < b.energy ? -1 : 1;
    return 0;
}

}  // namespace

std::vector<int> SquadInListOrder(int club)
{
    std::vector<ListEntry> entries;
    for (int player : PlayersOfClub(club)) {
        const TPlayer* p = PlayerAt(player);
        if (p != nullptr && p->Club == club)
            entries.push_back({player, PositionSortKey(player), p->Strength, p->Energy});
    }
    if (!entries.empty())
        SortRecords(entries.data(), 0, static_cast<int>(entries.size()) - 1, CompareListEntries);
    std::vector<int> order;
    order.reserve(entries.size());
    for (const ListEntry& e : entries)
        order.push_back(e.player);
    return order;
}

namespace {

// Players a club keeps of each position before it lists one.
constexpr int kSurplusLimit[PositionCount] = {2, 3, 3, 5, 3};

// The club's players who are not out on loan, in index order, then shuffled.
std::vector<int> ShuffledSurplusCandidates(int club)
{
    std::vector<int> candidates;
    ForEachPlayerOfClub(club, [&](int index, const TPlayer& p) {
        if (p.loanStatus < 2)
            candidates.push_back(index);
    });
    const int n = static_cast<int>(candidates.size());
    for (int i = 0; i < n; ++i)
        std::swap(candidates[i], candidates[Random(n)]);
    return candidates;
}

void ListOneSurplusPlayer(const std::vector<int>& candidates, int position)
{
    for (int index : candidates) {
        TPlayer& p = Players[index];
        if (p.Position != position || p.Star || p.LineupStatus == 1)
            continue;
        p.ListedForSale = 1;
        p.AskingPrice = p.Value;
        if (position != 0) {
            const int needed = position == 3 ? 40 : 30;
            if (Random(100) > needed && p.Strength < 40)
                p.loanStatus = 1;
        }
        return;
    }
}

// Calls f(player) for every player of the club's squad (PlayersOfSquad).
template <typename F>
void ForEachPlayerOfSquad(int club, F&& f)
{
    for (int p : PlayersOfSquad(club))
        f(Players[p]);
}

}  // namespace

std::int64_t BilledWage(const TPlayer& p) { return RoundedUnits(p.wage); }

void MoveWageBetweenBills(const TPlayer& p, int from, int to)
{
    const std::int64_t wage = BilledWage(p);
    for (const auto& [club, change] : {std::pair{to, wage}, std::pair{from, -wage}}) {
        if (club < 0 || club >= static_cast<int>(ClubFinances.size()))
            continue;
        // A bill held at its limit no longer tells what the squad earns: it is summed anew.
        if (HeldAtItsLimit(ClubFinances[club].weeklyWageBill))
            RecalcClubWageBill(club);
        else
            AddToAccount(ClubFinances[club].weeklyWageBill, change);
    }
}

std::vector<int> PlayersOfSquad(int club)
{
    std::vector<int> squad = PlayersOfClub(club);
    for (const TCallUp& callUp : CallUps)
        if (callUp.club == club && IsPlayerIndex(callUp.player) && Players[callUp.player].Club != club)
            squad.push_back(callUp.player);
    return squad;
}

// "The sum over all players of club c" would leave off the players away with a national team (their
// club is the national team's entry until the tournament ends): a bill summed while they are away
// (a contract renewed) would not pay them after their return either, since coming back moves no
// wage. They stay on their club's bill, as they stay in its squad.
std::int64_t SquadWageBill(int club)
{
    std::int64_t bill = 0;
    if (IsClubIndex(club))
        ForEachPlayerOfSquad(club, [&](const TPlayer& p) { bill += BilledWage(p); });
    return bill;
}

void RecalcClubWageBill(int club)
{
    if (!IsClubIndex(club) || club >= static_cast<int>(ClubFinances.size()))
        return;
    ClubFinances[club].weeklyWageBill = HeldIn32Bits(SquadWageBill(club));
}

std::int64_t WeeklyWagesDue(int club)
{
    if (club < 0 || club >= static_cast<int>(ClubFinances.size()))
        return 0;
    const std::int32_t bill = ClubFinances[club].weeklyWageBill;
    return HeldAtItsLimit(bill) ? SquadWageBill(club) : bill;
}

void RecountSquad(int club)
{
    if (!IsClubIndex(club))
        return;
    TClub& c = Clubs[club];
    c.squadSize = 0;
    for (int& count : c.playersPerPosition)
        count = 0;
    ForEachPlayerOfSquad(club, [&c](const TPlayer& p) {
        ++c.squadSize;
        if (p.Position >= 0 && p.Position < PositionCount)
            ++c.playersPerPosition[p.Position];
    });
    CountAvailablePlayers(0, club);
}

void ListSurplusPlayers(int club)
{
    if (!IsClubIndex(club) || Clubs[club].IsHuman)
        return;
    const std::vector<int> candidates = ShuffledSurplusCandidates(club);
    for (int position = 0; position < PositionCount; ++position) {
        if (Clubs[club].playersPerPosition[position] > kSurplusLimit[position])
            ListOneSurplusPlayer(candidates, position);
    }
}

std::vector<int> PlayersOfNationality(int country)
{
    std::vector<int> found;
    for (int i = 1; i < static_cast<int>(Players.size()); ++i)
        if (Players[i].nationality == country)
            found.push_back(i);
    return found;
}

bool CanFormNationalSquad(int country) { return CanFormNationalSquad(country, PlayersOfNationality(country)); }

bool CanFormNationalSquad(int country, const std::vector<int>& players)
{
    const int clubLimit = LeagueAndExtraClubCount();
    const TDateTime today = TodayDate();
    int goalkeepers = 0;
    int others = 0;
    for (const int i : players) {
        const TPlayer& p = Players[i];
        if (p.nationality != country || p.Club >= clubLimit || p.InjuredUntil > today)
            continue;
        if (p.Position == 0)
            ++goalkeepers;
        else
            ++others;
    }
    return goalkeepers >= 2 && others >= 20;
}

}  // namespace tarvelon
