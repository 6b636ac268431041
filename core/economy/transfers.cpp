#include "core/economy/transfers.h"

#include "core/basics/random.h"
#include "core/basics/rounding.h"
#include "core/club_rosters.h"
#include "core/economy/loans.h"
#include "core/economy/player_value.h"
#include "core/match/computer_lineups.h"
#include "core/economy/squad_rules.h"
#include "core/economy/table_access.h"
#include "core/mail/mail.h"
#include "core/records/table_reset.h"
#include "core/season/calendar.h"
#include "core/players_to_settle.h"

namespace tarvelon {

std::uint8_t WaiveSaleShare = 0;
std::uint8_t& FullFeeSale = WaiveSaleShare;

namespace {
const GameTableReset saleShareReset([] { WaiveSaleShare = 0; });

// The share withheld from a human seller; 0 when there is none.
std::int64_t SellerShare(const TPlayer& p, int seller, std::int64_t fee)
{
    const TDateTime today = TodayDate();
    if (WaiveSaleShare || !IsClubIndex(seller) || !Clubs[seller].IsHuman || p.ContractEnd < today)
        return 0;
    const std::int64_t daysLeft = Round(p.ContractEnd - today);
    return Round(static_cast<double>(fee) * (SaleSharePercent(daysLeft) / 100.0));
}

TClubFinance* FinanceOf(int club)
{
    return club >= 0 && club < static_cast<int>(ClubFinances.size()) ? &ClubFinances[club] : nullptr;
}

void PayFee(int seller, int buyer, std::int64_t fee, std::int64_t share)
{
    const std::int64_t net = fee - share;
    if (IsClubIndex(seller)) {
        if (TClubFinance* accounts = FinanceOf(seller)) {
            AddToAccount(accounts->playerSales, fee);
            if (share > 0 && net > 0)
                AddToAccount(accounts->terminationShares, share);
        }
        AddUnitsToCash(Clubs[seller].cash, share > 0 && net > 0 ? net : fee);
    }
    if (TClubFinance* accounts = FinanceOf(buyer))
        AddToAccount(accounts->playerPurchases, fee);
    AddUnitsToCash(Clubs[buyer].cash, -fee);
}

bool BothHumanRun(int a, int b)
{
    return IsClubIndex(a) && IsClubIndex(b) && Clubs[a].IsHuman && Clubs[b].IsHuman;
}

// What every move does after the player has changed club: the round flag between two human clubs,
// the history entry, the press news of a big signing, the player's fresh start, a new set-piece
// taker for the club he left, and both squads recounted.
void FinishMove(int player, int from, int to, std::int64_t fee)
{
    TPlayer& p = Players[player];
    if (BothHumanRun(from, to)) {
        p.BlockedThisRound = 1;
        MarkToSettle(player);
    }

    TTransfer entry{};
    entry.player = player;
    entry.date = TodayDate();
    entry.clubLeft = from;
    entry.clubJoined = to;
    entry.fee = HeldIn32Bits(fee);
    Transfers.push_back(entry);

    if (p.Star && to != Game.CurrentHumanClub && Clubs[to].Level > 22)
        SendMail(Game.CurrentHumanClub, mkPress, 0, 0, to, player);

    p.Morale = 3;
    p.complained = 0;
    p.playingTimeCounter = 0;
    p.moraleCountdown = 0;
    p.TiredWarning = 0;
    p.ListedForSale = 0;
    p.AskingPrice = p.Value;

    if (IsClubIndex(from) && Clubs[from].SetPieceTaker == player)
        ChooseFreeKickTaker(from);
    RecountSquad(from);
    RecountSquad(to);
}

int CountStars(int club)
{
    int stars = 0;
    ForEachPlayerOfClub(club, [&](int, const TPlayer& p) {
        if (p.Star)
            ++stars;
    });
    return stars;
}

// A star joining a human club that already has more than 3 may split the dressing room.
void DressingRoomReaction(int player, int buyer)
{
    if (!Players[player].Star || !Clubs[buyer].IsHuman)
        return;
    if (CountStars(buyer) > 3 && Random(100) > 20) {
        Clubs[buyer].squadMood -= 1;
        SendMail(buyer, mkDressingRoom, 0, 0, 0, player);
    }
}

}  // namespace

int SaleSharePercent(std::int64_t daysLeft)
{
    if (daysLeft < 31) return 12;
    if (daysLeft <= 60) return 15;
    if (daysLeft <= 90) return 20;
    if (daysLeft <= 180) return 22;
    if (daysLeft <= 360) return 25;
    return 30;
}

void TransferPlayer(int player, int buyer, std::int64_t fee)
{
    if (!IsPlayerIndex(player) || !IsClubIndex(buyer))
        return;
    CloseLoansOfPlayer(player);
    TPlayer& p = Players[player];
    const int seller = p.Club;
    p.Club = buyer;
    PlayerClubChanged(player, seller);
    p.ShirtNumber = 0;
    p.loanStatus = 0;

    const std::int64_t share = SellerShare(p, seller, fee);
    SetContractWeeks(Game.LeagueFormat == 2 ? 24 : 10, player);
    MoveWageBetweenBills(p, seller, buyer);
    PayFee(seller, buyer, fee, share);
    FinishMove(player, seller, buyer, fee);
    DressingRoomReaction(player, buyer);
    WaiveSaleShare = 0;
}

void LoanPlayer(int player, int club, TDateTime endDate)
{
    if (!IsPlayerIndex(player) || !IsClubIndex(club))
        return;
    TPlayer& p = Players[player];
    const int from = p.Club;
    p.Club = club;
    PlayerClubChanged(player, from);
    p.ShirtNumber = 0;
    p.ContractEnd = endDate;
    p.loanStatus = 2;
    MoveWageBetweenBills(p, from, club);
    FinishMove(player, from, club, 0);
}

int CountClubsOfCountry(int country)
{
    const int limit = LeagueAndExtraClubCount();
    int count = 0;
    for (int c = 0; c < limit && c < static_cast<int>(Clubs.size()); ++c) {
        if (Clubs[c].Country == country)
            ++count;
    }
    return count;
}

}  // namespace tarvelon
