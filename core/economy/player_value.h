#pragma once
// What a player is worth and earns, his place in the roster order and his contract dates.
// Money results are whole units; the player record stores them times 10,000.
#include <cstdint>

namespace tarvelon {

// Market value in whole units from his club's confederation and level, star and regular flags,
// age, strength and goals per season. A player without a club keeps the value he has.
std::int64_t ComputePlayerValue(int player);

// Weekly wage in whole units from his club's country, division, cash and level, his position,
// strength, age and star flag; at least 500. A player without a club keeps the wage he has.
std::int64_t ComputePlayerWage(int player);

// "Alemanha", "Espanha", "Inglaterra", "Itália", "Portugal".
bool IsTopEuropeanCountry(int country);

// Roster order key 0..11 from position and tactical role (goalkeepers first).
int PositionSortKey(int player);

// Contract end := today's calendar date + weeks * 7 days; the contract warnings start again.
// The second name is the one the contract screen uses; both do the same.
void SetContractWeeks(int weeks, int player);
void RenewContractWeeks(int weeks, int player);

}  // namespace tarvelon
