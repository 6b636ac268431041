#pragma once
// The crowd of a club match: how many spectators each of the home club's four stadium sectors holds
// for the day, by competition and stage, the supporters' mood, the clubs' levels and divisions,
// derbies, the stadium's size and, for a human home club, its ticket prices against the reference
// prices of its division. The club world cup and the national-team tournaments have no crowd.
#include <array>
#include <cstdint>

namespace tarvelon {

using SectorCrowd = std::array<std::int32_t, 4>;  // sector s (1..4) at [s - 1]

SectorCrowd FriendlyAttendance(int home, int away);             // kind 0
SectorCrowd LeagueAttendance(int home, int away);               // kind 1
SectorCrowd NationalCupAttendance(int home, int away);          // kind 2
SectorCrowd StateAttendance(int home, int away);                // kind 3
SectorCrowd FirstContinentalAttendance(int home, int away);     // kind 4
SectorCrowd SecondContinentalAttendance(int home, int away);    // kind 6

// The crowd of a match of that competition kind; all zero for the kinds without a crowd.
SectorCrowd AttendanceOfKind(int kind, int home, int away);

// The four sectors together, and the gate: each sector's crowd times the home club's ticket price of
// that sector, in whole money units. Both stop at the largest 32-bit value instead of wrapping.
std::int32_t TotalAttendance(const SectorCrowd& crowd);
std::int32_t MatchGate(int home, const SectorCrowd& crowd);

}  // namespace tarvelon
