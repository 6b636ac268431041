#include "core/records/appearance_records.h"

#include "core/records/table_reset.h"

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
