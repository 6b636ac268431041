#pragma once
// The command line of tarvelon-sim.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/newgame/command_line_choices.h"

namespace tarvelon::sim {

// The run's own options and the new game's choices, which the program's launcher shares.
struct SimOptions : NewGameCommandLine {
    std::string dataFolder;        // the game folder with teams/, img/, sons/ (--data)
    std::uint64_t seed = 1;        // --seed
    int seasons = 1;               // --seasons (0: only load and/or save)
    std::string saveFile;          // --save FILE: the final game as a saved game
    std::string loadFile;          // --load FILE: start from this saved game instead of a new one
};

// Parses argv; nullopt with `error` set when the line is not understood.
std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error);

// The usage text.
std::string SimUsage();

}  // namespace tarvelon::sim
