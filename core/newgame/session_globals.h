#pragma once
// Globals of the running game that the new-game builder starts and the hub reads: the autosave
// counter and the flag that the season's first hub visit is pending. Not saved with a game; they
// live with the saved-game code, which resets them on a load.
#include "core/persist/saved_game.h"
