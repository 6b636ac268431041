#pragma once
// The loan book: open loans (player, end date, owner club) and what ends them. Closed loans keep
// their row with player -1; `Loans` never shrinks.
#include "core/basics/datetime.h"

namespace tarvelon {

// Appends an open loan; called before LoanPlayer, so that the owner is the club he leaves.
void AddLoan(int player, int ownerClub, TDateTime endDate);

// Every open loan due on or before the date ends: the player goes back to the owner for 120 days
// when the owner has fewer than 28 players; otherwise the owner gets word and the loan stays open.
void ReturnExpiredLoans(TDateTime date);

// The player goes back to his owner at once (contract of 180 days) and the loan ends.
void CancelLoan(int player);

// The club that holds the player on loan buys him from the owner at his value.
void BuyLoanedPlayer(int player);

// Open loans whose player now plays for the club / owned by the club; the club's players offered
// for loan.
int CountLoanedInPlayers(int club);
int CountLoanedOutPlayers(int club);
int CountPlayersOfferedForLoan(int club);

// Index in Loans of the player's open loan; -1 when none.
int FindOpenLoan(int player);

// Ends every open loan of the player (a sale, a retirement).
void CloseLoansOfPlayer(int player);

}  // namespace tarvelon
