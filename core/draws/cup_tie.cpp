#include "core/draws/cup_tie.h"

#include "core/tables.h"

namespace tarvelon {

TCupTieTable<16> NationalCupTies;
TCupTieTable<6> ClubWorldCupTies;

namespace {

const GameTableReset resetTies([] {
    NationalCupTies = {};
    ClubWorldCupTies = {};
});

}  // namespace

}  // namespace tarvelon
