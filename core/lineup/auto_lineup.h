#pragma once
// The line-up screen's automatic selection: the eleven and the bench of a formation filled from
// the available candidates, strongest first, with the fixed fallbacks of each pitch slot.
#include <cstdint>
#include <vector>

#include "core/lineup/lineup_board.h"

namespace tarvelon {

struct AutoCandidate {
    std::int32_t player;
    std::int32_t row;
    std::int32_t strength;
    std::int32_t energy;
    std::int32_t spare;     // always 0, the third sort key
    std::int32_t side;
    std::int32_t position;
    std::int32_t role;
    std::int32_t used;      // 0 free, 1 starter, 2 bench
};

// The candidates of a selection: every row not unavailable, ascending by strength, then energy.
std::vector<AutoCandidate> CollectAutoCandidates(const LineupBoard& board);

// A free candidate for a place (position, side code, role code; -1 any) at pitch slot `slot` (-1
// for the bench), with the slot's fallback passes; marks him used and his row's code. -1 for none.
int PickForSlot(LineupBoard& board, std::vector<AutoCandidate>& candidates, int position, int side, int role,
                int slot);

// Shirts laid out for formation 1..10 and filled automatically; the club's line-up is then stored
// (whatever the "Salvar escalação" option says).
void AutoSelectLineup(LineupBoard& board, int formation, int club);

}  // namespace tarvelon
