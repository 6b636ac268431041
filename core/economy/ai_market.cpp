#include "core/economy/ai_market.h"

#include <vector>

#include "core/basics/random.h"
#include "core/basics/rounding.h"
#include "core/club_rosters.h"
#include "core/economy/table_access.h"
#include "core/economy/transfers.h"
#include "core/season/competitions.h"

namespace tarvelon {

namespace {

struct ClubRange {
    int first = 0;
    int last = -1;
};

int DrawBetween(int first, int last)
{
    return first + Random(last - first + 1);
}

int FirstLeagueClubOfCountry(int country)
{
    for (int c = 0; c < Game.LeagueClubCount && c < static_cast<int>(Clubs.size()); ++c) {
        if (Clubs[c].Country == country)
            return c;
    }
    return -1;
}

// The league's own clubs: they stand together from its first club on, so the range ends with its
// last club (its stored count when there is one, else where the country's clubs end).
ClubRange LeagueClubRange(int league)
{
    const int country = Leagues[league].country;
    ClubRange range;
    range.first = FirstLeagueClubOfCountry(country);
    if (range.first < 0)
        return ClubRange{0, -1};
    const int leagueEnd = Game.LeagueClubCount < static_cast<int>(Clubs.size()) ? Game.LeagueClubCount : static_cast<int>(Clubs.size());
    range.last = range.first;
    while (range.last + 1 < leagueEnd && Clubs[range.last + 1].Country == country)
        ++range.last;
    const int stored = Leagues[league].clubCount;
    if (stored > 0 && range.first + stored - 1 < range.last)
        range.last = range.first + stored - 1;
    return range;
}

bool IsCpuClubInDivisions(const TClub& club)
{
    return !club.IsHuman && club.Division >= 1;
}

// With no country: the first club from `start` that has a full squad.
int FirstFullSquadSeller(int start, int last)
{
    for (int c = start; c <= last; ++c) {
        const TClub& club = Clubs[c];
        if (IsCpuClubInDivisions(club) && club.squadSize >= 24 && club.AvailablePlayers >= 12)
            return c;
    }
    return -1;
}

int DrawSeller(int first, int last)
{
    for (int draw = 0; draw < 500; ++draw) {
        const int c = DrawBetween(first, last);
        const TClub& club = Clubs[c];
        if (IsCpuClubInDivisions(club) && club.AvailablePlayers >= 17 && club.Level >= 7)
            return c;
    }
    return -1;
}

// A position where the seller has at least 4 players, and his first of them not out on loan.
int DrawPlayerToSell(int seller)
{
    for (int draw = 0; draw < 250; ++draw) {
        const int position = Random(5);
        if (Clubs[seller].playersPerPosition[position] < 4)
            continue;
        // The seller's roster holds his players in table order: the first found is a walk's first.
        for (int p : PlayersOfClub(seller)) {
            if (Players[p].Position == position && Players[p].loanStatus < 2)
                return p;
        }
    }
    return 0;
}

bool AcceptsAsBuyer(int candidate, int seller, const TPlayer& player)
{
    const TClub& buyer = Clubs[candidate];
    const TClub& from = Clubs[seller];
    if (candidate == seller || !IsCpuClubInDivisions(buyer) || buyer.AvailablePlayers >= 22)
        return false;
    if (buyer.Level < from.Level - 1 || buyer.Level > from.Level + 3)
        return false;
    if (buyer.playersPerPosition[player.Position] >= MaxPlayersPerPosition[player.Position])
        return false;
    // A European club sells only within Europe or to the player's own country.
    return ConfederationOfCountry(from.Country) != kConfEurope || ConfederationOfCountry(buyer.Country) == kConfEurope ||
           buyer.Country == player.nationality;
}

int DrawBuyer(int first, int last, int seller, const TPlayer& player)
{
    for (int draw = 0; draw < 500; ++draw) {
        const int c = DrawBetween(first, last);
        if (AcceptsAsBuyer(c, seller, player))
            return c;
    }
    return -1;
}

// A club that can spare a player of the position: a computer club with more than 2 goalkeepers,
// or more than 1 player of another position.
bool CanSparePosition(int club, int position)
{
    if (!IsClubIndex(club) || Clubs[club].IsHuman)
        return false;
    return Clubs[club].playersPerPosition[position] > (position == 0 ? 2 : 1);
}

template <typename Fits>
std::vector<int> CollectSimilarPlayers(int buyer, int position, std::size_t most, Fits fits)
{
    std::vector<int> found;
    for (int i = 1; i < static_cast<int>(Players.size()) && found.size() < most; ++i) {
        const TPlayer& p = Players[i];
        // Never his own player, nor one who is only on loan at the seller.
        if (p.Position != position || p.Club == buyer || p.loanStatus == 2)
            continue;
        if (CanSparePosition(p.Club, position) && fits(p))
            found.push_back(i);
    }
    return found;
}

}  // namespace

void MakeAiTransfer(int country)
{
    if (country != -1 && FindLeagueByCountry(country) < 0)
        country = -1;
    const int last = LeagueAndExtraClubCount() - 1;
    if (last < 0 || last >= static_cast<int>(Clubs.size()))
        return;

    int start = 0;
    int end = last;
    if (country != -1) {
        const ClubRange range = LeagueClubRange(FindLeagueByCountry(country));
        start = range.first;
        end = range.last;
    } else if (Leagues.size() >= 2) {
        const ClubRange range = LeagueClubRange(Random(static_cast<int>(Leagues.size())));
        start = range.last >= 0 ? range.first : 0;
    }
    if (end < start)
        return;

    int seller = country == -1 ? FirstFullSquadSeller(start, last) : -1;
    if (seller < 0)
        seller = DrawSeller(start, country != -1 ? end : last);
    if (seller < 0)
        return;
    const int player = DrawPlayerToSell(seller);
    if (player < 1)
        return;
    const int buyer = DrawBuyer(start, last, seller, Players[player]);
    if (buyer >= 0)
        TransferPlayer(player, buyer, RoundedUnits(Players[player].Value));
}

void BuySimilarPlayer(int buyer, int position, int strength, std::int64_t budget)
{
    if (!IsClubIndex(buyer) || position < 0 || position >= PositionCount)
        return;
    const int lowest = strength <= 10 ? 5 : strength - 10;
    const Currency budgetMoney = CurrencyFromUnits(budget);
    std::vector<int> found = CollectSimilarPlayers(buyer, position, 50, [&](const TPlayer& p) {
        return p.Strength >= lowest && p.Strength <= strength + 10 && p.Value <= budgetMoney;
    });
    if (found.empty()) {
        found = CollectSimilarPlayers(buyer, position, 30, [&](const TPlayer& p) { return p.Value <= 3 * budgetMoney; });
    }
    if (found.empty())
        return;
    const int chosen = found[Random(static_cast<int>(found.size()))];
    TransferPlayer(chosen, buyer, RoundedUnits(Players[chosen].Value));
}

}  // namespace tarvelon
