#include "core/records/game_state.h"

namespace tarvelon {

TGameState Game;

void ResetGameState() { Game = TGameState{}; }

}  // namespace tarvelon
