#include "core/economy/incoming_offers.h"

#include <vector>

#include "core/basics/random.h"
#include "core/basics/rounding.h"
#include "core/club_rosters.h"
#include "core/economy/between_rounds.h"
#include "core/economy/loans.h"
#include "core/economy/transfers.h"
#include "core/match/lineup_access.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/season/competitions.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kLoanDays = 180;

bool BuyerQualifies(int buyer, const TClub& seller, bool sameDivision)
{
    const TClub* b = ClubAt(buyer);
    if (b == nullptr || b->IsHuman || b->squadSize >= 23 || b->Division <= 0 || b->Division < seller.Division ||
        b->Level <= 8)
        return false;
    return !sameDivision || b->Division == seller.Division;
}

std::int64_t OfferCap(int buyer)
{
    const int division = Clubs[buyer].Division;
    return division >= 1 && division <= 4 ? MaxOfferValueByDivision[static_cast<std::size_t>(division)] : 0;
}

// The division a loan request comes from; 0 for none.
int LoanRequestDivision(const TClub& c, int divisions, const TPlayer& p)
{
    const int d = c.Division;
    if (d == 0)
        return c.stateGroup > 0 ? 3 : 0;
    if (d == divisions)
        return d;
    if (d == 1) {
        int t = Random(2) != 0 ? 2 : 1;
        if (divisions >= 3 && p.Strength < 21)
            t = 3;
        if (divisions >= 4 && p.Strength < 16)
            t = 3;
        return t;
    }
    return Random(3) != 0 ? d - 1 : d;
}

}  // namespace

ClubPlayerDeal DrawPurchaseOffer(int club)
{
    const TClub* c = ClubAt(club);
    if (c == nullptr || c->squadSize < 15)
        return {};
    const int candidates = Random(100) < 31 ? Game.LeagueClubCount + Game.ExtraClubCount : Game.LeagueClubCount;
    if (Random(25) != 1)
        return {};
    std::vector<int> free;
    for (int p : PlayersOfClub(club))
        if (Players[p].loanStatus == 0)
            free.push_back(p);
    const bool sameDivision = Random(100) > 50;
    int buyer = -1;
    for (int draw = 0; draw < 200 && buyer < 0; ++draw) {
        const int b = Random(candidates - 1);
        if (BuyerQualifies(b, *c, sameDivision))
            buyer = b;
    }
    if (buyer < 0 || free.empty())
        return {};
    for (int draw = 0; draw < 28; ++draw) {
        const int p = free[static_cast<std::size_t>(Random(static_cast<int>(free.size())))];
        if (Players[p].Value < CurrencyFromUnits(OfferCap(buyer)))
            return {buyer, p};
    }
    return {};
}

std::int64_t PurchaseOfferAmount(int player)
{
    const TPlayer* p = PlayerAt(player);
    if (p == nullptr)
        return 0;
    const std::int64_t v = CurrencyUnits(p->Value);
    const int r = Random(100);
    const double share = r <= 40 ? 0.25 : r <= 70 ? 0.35 : r <= 85 ? 0.45 : r <= 95 ? 0.5 : 0.6;
    std::int64_t offer = v + Round(share * static_cast<double>(v));
    const std::int64_t asking = CurrencyUnits(p->AskingPrice);
    if (p->ListedForSale && asking <= offer)
        offer = asking - Round(0.2 * static_cast<double>(asking));
    return offer == 0 ? v : offer;
}

void AcceptPurchaseOffer(int player, int buyer, std::int64_t amount)
{
    SellPlayerToClub(player, buyer, false, false, amount);
}

ClubPlayerDeal DrawLoanRequest(int club)
{
    const TClub* c = ClubAt(club);
    if (c == nullptr)
        return {};
    int player = 0;
    for (int p : PlayersOfClub(club))
        if (Players[p].loanStatus == 1) {
            player = p;
            break;
        }
    const int league = FindLeagueByCountry(c->Country);
    if (player == 0 || league < 0)
        return {};
    const TLeague& l = Leagues[static_cast<std::size_t>(league)];
    const int division = LoanRequestDivision(*c, l.divisionCount, Players[player]);
    if (division < 1 || division > l.divisionCount)
        return {};
    const int places = Game.LeagueFormat == 2 ? 20 : 10;
    for (int draw = 0; draw < 200; ++draw) {
        const TClub* b = ClubAt(l.divisions[division - 1][Random(places)]);
        if (b != nullptr && !b->IsHuman && b->squadSize < 25)
            return {static_cast<int>(b - Clubs.data()), player};
    }
    return {};
}

void AcceptLoanRequest(int player, int club)
{
    const TPlayer* p = PlayerAt(player);
    if (p == nullptr || ClubAt(club) == nullptr)
        return;
    const TDateTime end = TodayDate() + kLoanDays;
    AddLoan(player, p->Club, end);
    LoanPlayer(player, club, end);
}

}  // namespace tarvelon
