#pragma once
// The game's 42 referees: 25 of the national pool, then 17 of the international pool.
// Their names are the game's own fictional persons.

#include "core/records/match_records.h"

namespace tarvelon {

struct RefereeProfile {
    const char* name;
    int technique;  // 3..5
    int rigour;     // 2..5
    int pool;       // kRefereePoolNational or kRefereePoolInternational
};

// Referee number 1..42 (any other number is a fault of the caller and throws).
const RefereeProfile& RefereeProfileOf(int number);

// Fills Referees[1..42] and their names from the profiles above; done once at start-up.
void FillReferees();

}  // namespace tarvelon
