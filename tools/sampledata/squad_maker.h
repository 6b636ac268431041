#pragma once
// Club squads of the sample database: 22 to 25 players in 4-4-2 order (goalkeepers, full backs,
// centre backs, midfielders, forwards), exactly 11 regular starters, traits that suit each position,
// stars by the club's level, and the club's country as nationality except for its imports.
#include <vector>

#include "core/records/club_file.h"
#include "tools/sampledata/sample_random.h"

namespace tarvelon::sampledata {

// A player of another nationality in a club's squad; a goalkeeper takes the place of the reserve
// goalkeeper, so the club keeps a goalkeeper of its own country.
struct Import {
    bool goalkeeper = false;
    int nationality = 0;
};

struct SquadRequest {
    int country = 0;
    int level = 1;
    std::vector<Import> imports;  // at most 2 goalkeepers and 8 outfield players
};

TClubSquad MakeClubSquad(const SquadRequest& request, SampleRandom& random);

// Two different traits that suit a position (goalkeepers 0..3, outfield players 4..13).
std::pair<int, int> DrawTraits(int position, SampleRandom& random);

// The 11 starters of a squad of the 4-4-2 order: how many of each position start.
inline constexpr int kStartersPerPosition[5] = {1, 2, 2, 4, 2};

}  // namespace tarvelon::sampledata
