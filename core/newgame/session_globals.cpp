#include "core/newgame/session_globals.h"

namespace tarvelon {

std::array<std::int32_t, 4> JobOffers{-1, -1, -1, -1};
std::int32_t AutosaveCounter = 0;
std::int32_t SeasonStartPending = 0;

}  // namespace tarvelon
