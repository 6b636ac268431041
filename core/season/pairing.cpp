#include "core/season/pairing.h"

namespace tarvelon {

namespace {

TPairing ForLeg(TPairing pairing, int leg)
{
    if (leg != 1) return TPairing{pairing.away, pairing.home};
    return pairing;
}

// The circle method for an even number of clubs n: club n stays put, the others turn around it.
// Round r pivots on club c; the first match is c against n, the others pair the clubs on either
// side of c, wrapped into 1 .. n-1.
TPairing CirclePairing(int clubs, int round, int match)
{
    if (round < 1 || round > clubs - 1 || match < 1 || match > clubs / 2) return {};
    const int turning = clubs - 1;
    auto wrap = [turning](int v) { return ((v - 1) % turning + turning) % turning + 1; };
    const bool oddRound = round % 2 == 1;
    const int c = oddRound ? (round + 1) / 2 : clubs / 2 + round / 2;
    if (match == 1) return oddRound ? TPairing{c, clubs} : TPairing{clubs, c};
    return TPairing{wrap(c + match - 1), wrap(c - match + 1)};
}

}  // namespace

TPairing GetPairing20(int round, int leg, int match)
{
    return ForLeg(CirclePairing(20, round, match), leg);
}

TPairing GetPairing10(int round, int leg, int match)
{
    return ForLeg(CirclePairing(10, round, match), leg);
}

TPairing GetPairing6(int round, int leg, int match)
{
    return ForLeg(CirclePairing(6, round, match), leg);
}

TPairing GetPairing4(int round, int leg, int match)
{
    // The groups of four keep a table of their own rather than the circle.
    static constexpr TPairing kTable[3][2] = {
        {{1, 2}, {3, 4}},
        {{1, 3}, {4, 2}},
        {{4, 1}, {2, 3}},
    };
    if (round < 1 || round > 3 || match < 1 || match > 2) return {};
    return ForLeg(kTable[round - 1][match - 1], leg);
}

}  // namespace tarvelon
