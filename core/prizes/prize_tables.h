#pragma once
// The prize money of the season's competitions, whole money units: what the rules pay at the end of
// each competition and what the season's screens tell the player. One table, so that the two agree.
#include <cstdint>

namespace tarvelon {

struct PrizePair {
    std::int64_t champion = 0;
    std::int64_t runnerUp = 0;
};

// National league division 1..4 (0 outside): the first division pays more with divisions of 20.
PrizePair DivisionPrize(int division, bool divisionsOf20);

// Cup finals by competition kind: national cup (2), first continental cup (4, more in its European
// edition), second continental cup (6), club world cup (5); nothing for other kinds.
PrizePair CupFinalPrize(int kind, bool european);

// The top scorer's club, by competition kind: every division of a national league (1), the
// national cup (2), a state championship (3); nothing for other kinds.
std::int64_t TopScorerPrize(int kind);

// A state championship's champion and runner-up.
PrizePair StateChampionshipPrize();

}  // namespace tarvelon
