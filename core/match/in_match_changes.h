#pragma once
// What the human coach changes in a running match: a substitution (within the side's limit), two
// starters swapping places, a starter moved to another pitch place, and the possession as the
// in-match screen shows it.
namespace tarvelon {

enum class SubstitutionResult {
    Made,
    LimitReached,  // "Já foram realizadas o número limite de substituições."
    Invalid,       // no such starter on the pitch or no such player on the bench
};

// Side `side` (1, 2) of match m brings bench player `on` (bench place 1..7) on for the starter of
// place `starterPlace` (1..11): the leaving player is off the pitch, the substitute takes his
// place and pitch slot, a substitution event is recorded (its index in *eventIndex), the bench
// place empties, the side keeps the substitution (the incoming player and `minute`, 0 or 45 plus
// the minute within the half) and has one substitution less.
SubstitutionResult MakeSubstitution(int m, int side, int starterPlace, int benchPlace, int minute,
                                    int* eventIndex = nullptr);

// Two starters of the side exchange their places (and pitch slots stay with the places).
bool SwapStarters(int m, int side, int placeA, int placeB);

// The starter of place `place` plays at pitch slot `slot` (1..25) from now on.
bool MoveStarterToSlot(int m, int side, int place, int slot);

// The home side's possession in per cent as the in-match screen shows it: the side behind in goals
// counts 90 %, a counter-attacking side 70 %, each rounded; with no possession at all 50 %.
int ShownPossessionShare(int m);

}  // namespace tarvelon
