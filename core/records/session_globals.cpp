#include "core/records/session_globals.h"

namespace tarvelon {

std::int32_t AutosaveCounter = 0;
std::int32_t SeasonStartPending = 0;

}  // namespace tarvelon
