#pragma once
// What happens to a human club between two rounds, before its coach sees the hub: listed players
// bought by computer clubs, players' morale and the squad's mood, contract warnings and finished
// stadium expansions. The random and cumulative rules run once per round and club.
#include <array>
#include <cstdint>
#include <vector>

namespace tarvelon {

// Players of the club with morale 1, 2 and 3, as last counted by UpdatePlayerMorale.
extern std::array<int, 3> MoraleCounts;

// Completes the sale of a player to a computer club for `price` whole units (none below 0): his value
// becomes the price, the seller keeps the whole fee unless `applyDeduction`, and the buyer pays the
// price it books as a purchase. With `sendMail` the seller's inbox hears of it.
void SellPlayerToClub(int player, int buyer, bool applyDeduction, bool sendMail, std::int64_t price);

// Each listed player of the club may be bought by a club of its division (or its league's last one
// for a regional club), by how far his asking price is above his value.
void SellListedPlayers(int club);

// Morale countdowns, playing-time complaints, the odd quarrel or supporters' pressure.
void UpdatePlayerMorale(int club);

// The squad's mood 1..3 from MoraleCounts, pending heavy-defeat events and its countdown.
int UpdateTeamMorale(int club);

// Run-out contracts extended when the option says so; warnings and notices of contracts ending,
// sent player after player in the order the club's roster lists them (those away with a national
// team last).
void ContractWarnings(int club, const std::vector<int>& squadInRowOrder);

// The sales, morale, mood and the World Cup rumour of the round, once per round for each club (the
// club's record keeps the day, so a loaded game knows it too): true when they ran now, false when
// they had already run this round.
bool RunRoundUpdates(int club);

// Every club's round counted as not yet done (tests).
void ForgetRoundUpdates();

}  // namespace tarvelon
