#pragma once
// Globals of the running game that the new-game builder starts and the hub reads: the autosave
// counter and the flag that the season's first hub visit is pending. Not saved with a game.
#include <cstdint>

namespace tarvelon {

extern std::int32_t AutosaveCounter;
extern std::int32_t SeasonStartPending;

}  // namespace tarvelon
