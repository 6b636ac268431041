#include "core/matchday/appearance_records.h"

namespace tarvelon {

std::vector<TAppearance> Appearances;
std::vector<TSubAppearance> SubAppearances;

}  // namespace tarvelon
