#include "core/records/cup_tie.h"

#include "core/records/table_reset.h"

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
