#pragma once
// The pairing tables of the round robins: which places of a division or group list meet in a
// given round, leg and match. Leg 1 gives (home, away) as listed; any other leg swaps them, so the
// return match is played at the other ground.

namespace tarvelon {

// Places are 1-based positions in a division or group list; {0, 0} for a round or match that the
// table does not have.
struct TPairing {
    int home = 0;
    int away = 0;
    friend bool operator==(const TPairing&, const TPairing&) = default;
};

TPairing GetPairing20(int round, int leg, int match);  // rounds 1..19, matches 1..10
TPairing GetPairing10(int round, int leg, int match);  // rounds 1..9, matches 1..5
TPairing GetPairing6(int round, int leg, int match);   // rounds 1..5, matches 1..3
TPairing GetPairing4(int round, int leg, int match);   // rounds 1..3, matches 1..2

}  // namespace tarvelon
