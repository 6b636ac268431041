#pragma once
// A new contract offered to a player of a human club: what he asks for, the ceiling of an offer and
// what signing changes.
#include <cstdint>
#include <string>

namespace tarvelon {

// The lengths the coach can offer: "6 meses", "1 ano", "2 anos".
inline constexpr int kContractLengths = 3;
// Weeks of the contract of a length index: 24, 48 and 96 (anything else 24).
int ContractWeeksOfLength(int lengthIndex);

// The weekly wage (whole units) the player asks for a contract of that length, by what he would
// earn, his club's league place and what he earns now.
std::int64_t RenewalDemand(int player, int lengthIndex);

// An offer above 100,000 and above five times the demand is refused outright; the text says why.
bool OfferAboveLimit(std::int64_t offer, std::int64_t demand);
std::string OfferLimitMessage(std::int64_t demand);

// Signs the player for `weeklyWage` whole units: off the sale list, a new contract, morale for the
// renewal and for a raise of more than 30 per cent (with a message), and the club's wage bill.
void ApplyContractRenewal(int player, std::int64_t weeklyWage, int lengthIndex);

}  // namespace tarvelon
