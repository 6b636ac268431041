#pragma once
// One run of tarvelon-sim: a new game (or a loaded one), K seasons played headless (a human club's
// hub passed as its coach would let it go by: the round's updates, its questions answered
// automatically), the report of each season, the digest of the final game and, when asked, the final
// game saved.
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

#include "tools/sim/sim_options.h"

namespace tarvelon::sim {

// A new game from the database in the current folder with the options' choices; false with the
// game's messages in `message` when it cannot start. The season loop is ready to play its first day.
bool StartSimGame(const SimOptions& options, std::string& message);

// The saved game at `path` (any folder) replaces the game in memory; false with the game's message
// when the file cannot be read or is not a valid saved game (the game is then left as it was).
bool LoadSimGame(const std::string& path, std::string& message);
// The same for the bytes of a saved game.
bool LoadSimGameBytes(std::string_view bytes, std::string& message);

// The game written as a saved game at `path`; false when it cannot be written.
bool SaveSimGame(const std::string& path);

// The whole run; returns the exit status (0 done, 1 the game could not start, load or save,
// 2 bad options). The report goes to `out`, the game's messages to `err`.
int RunSim(const SimOptions& options, std::ostream& out, std::ostream& err);

}  // namespace tarvelon::sim
