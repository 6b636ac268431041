#include "core/economy/loans.h"

#include "core/basics/rounding.h"
#include "core/club_rosters.h"
#include "core/economy/squad_rules.h"
#include "core/economy/table_access.h"
#include "core/economy/transfers.h"
#include "core/mail/mail.h"
#include "core/season/calendar.h"

namespace tarvelon {

namespace {

constexpr int kOwnerSquadLimit = 28;  // an owner with this many players cannot take a loan back
constexpr int kReturnContractDays = 120;
constexpr int kCancelContractDays = 180;

void CloseLoan(int loan)
{
    Loans[loan].player = -1;
}

// The player goes back to the owner of an open loan, with a contract of `days` from today.
void ReturnToOwner(int loan, int days)
{
    const int player = Loans[loan].player;
    LoanPlayer(player, Loans[loan].ownerClub, TodayDate() + days);
    if (IsPlayerIndex(player))
        Players[player].loanStatus = 0;
    CloseLoan(loan);
}

bool IsOpen(const TLoan& loan)
{
    return loan.player != -1;
}

}  // namespace

void AddLoan(int player, int ownerClub, TDateTime endDate)
{
    TLoan loan{};
    loan.player = player;
    loan.endDate = endDate;
    loan.ownerClub = ownerClub;
    Loans.push_back(loan);
}

void ReturnExpiredLoans(TDateTime date)
{
    for (int i = 0; i < static_cast<int>(Loans.size()); ++i) {
        const TLoan& loan = Loans[i];
        if (!IsOpen(loan) || loan.endDate > date)
            continue;
        if (IsClubIndex(loan.ownerClub) && Clubs[loan.ownerClub].squadSize < kOwnerSquadLimit)
            ReturnToOwner(i, kReturnContractDays);
        else
            SendMail(loan.ownerClub, mkLoanCannotReturn, 0, 0, 0, loan.player);
    }
}

void CancelLoan(int player)
{
    const int loan = FindOpenLoan(player);
    if (loan >= 0)
        ReturnToOwner(loan, kCancelContractDays);
}

void BuyLoanedPlayer(int player)
{
    const int loan = FindOpenLoan(player);
    if (loan < 0 || !IsPlayerIndex(player))
        return;
    TPlayer& p = Players[player];
    const int holder = p.Club;
    const int owner = Loans[loan].ownerClub;
    // "holder := p's club; p's club := owner; TransferPlayer(p, holder, ...)" moves his wage from
    // the owner's bill to the holder's, where the loan has put it already: the holder would pay it
    // twice and the owner be relieved of it twice. It goes back to the owner's bill first.
    p.Club = owner;
    PlayerClubChanged(player, holder);
    MoveWageBetweenBills(p, holder, owner);
    TransferPlayer(player, holder, RoundedUnits(p.Value));
    p.loanStatus = 0;
    CloseLoan(loan);
}

int CountLoanedInPlayers(int club)
{
    int count = 0;
    for (const TLoan& loan : Loans) {
        if (IsOpen(loan) && IsPlayerIndex(loan.player) && Players[loan.player].Club == club)
            ++count;
    }
    return count;
}

int CountLoanedOutPlayers(int club)
{
    int count = 0;
    for (const TLoan& loan : Loans) {
        if (IsOpen(loan) && loan.ownerClub == club)
            ++count;
    }
    return count;
}

int CountPlayersOfferedForLoan(int club)
{
    int count = 0;
    ForEachPlayerOfClub(club, [&](int, const TPlayer& p) {
        if (p.loanStatus == 1)
            ++count;
    });
    return count;
}

int FindOpenLoan(int player)
{
    if (player == -1)
        return -1;
    for (int i = 0; i < static_cast<int>(Loans.size()); ++i) {
        if (Loans[i].player == player)
            return i;
    }
    return -1;
}

void CloseLoansOfPlayer(int player)
{
    for (int loan = FindOpenLoan(player); loan >= 0; loan = FindOpenLoan(player))
        CloseLoan(loan);
}

}  // namespace tarvelon
