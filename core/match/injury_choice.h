#pragma once
// Whom the human coach may bring on for an injured player: his bench players not on the pitch, only
// the goalkeepers for an injured goalkeeper when the bench has one, else every one grouped by
// position (goalkeepers first) and in bench order within a position.
#include <vector>

namespace tarvelon {

struct InjuryChoice {
    std::vector<int> candidates;
    bool improviseKeeper = false;  // an injured goalkeeper and no goalkeeper on the bench
};

InjuryChoice InjurySubstituteChoice(int club, int injuredPlayer);

// With nobody on the bench the side of `club` makes no more substitutions in match m.
void CloseSubstitutionsOfSide(int m, int club);

}  // namespace tarvelon
