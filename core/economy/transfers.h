#pragma once
// Every change of a player's club goes through these two moves: a sale for a fee and a move on
// loan. Both carry the player's wage between the wage bills, write the transfer history and
// recount both squads; a sale also moves the money and books it in both clubs' season accounts.
#include <array>
#include <cstdint>

#include "core/basics/datetime.h"
#include "core/records/player.h"

namespace tarvelon {

// One-shot: set by the hub's sale routine when the human seller keeps the whole fee; every sale
// clears it at its end. `FullFeeSale` is the same byte under the name the hub knows it by.
extern std::uint8_t WaiveSaleShare;
extern std::uint8_t& FullFeeSale;

// The most players of a position (0..4) a computer buyer may already have.
inline constexpr std::array<int, 5> MaxPlayersPerPosition{3, 4, 4, 8, 5};

// Sells the player to the buying club for `fee` whole units: the cash moves by the whole fee, while
// the 32-bit season accounts and the history's record hold it (HeldIn32Bits). A human seller keeps
// the fee less a share that grows with the contract time left (none when the share is waived or the
// contract has run out). An open loan of the player ends with the sale. Nothing happens for a bad
// player or buyer index; a player without a club is signed with no seller to pay.
void TransferPlayer(int player, int buyer, std::int64_t fee);

// The share of the fee a human seller pays out, in percent, by days left on the player's contract.
int SaleSharePercent(std::int64_t daysLeft);

// Moves the player to the club on loan until `endDate`; no money moves.
void LoanPlayer(int player, int club, TDateTime endDate);

// League and extra clubs of the country.
int CountClubsOfCountry(int country);

}  // namespace tarvelon
