#include "core/matchday/appearance_records.h"

#include "core/tables.h"

namespace tarvelon {

std::vector<TAppearance> Appearances;
std::vector<TSubAppearance> SubAppearances;

namespace {

const GameTableReset appearancesReset([] {
    Appearances.clear();
    SubAppearances.clear();
});

}  // namespace

}  // namespace tarvelon
