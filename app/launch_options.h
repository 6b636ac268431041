#pragma once
// The program's command line, for development and screenshots:
//   tarvelon [--seed N]                                       the title screen
//   tarvelon --new-game [new game's choices] [--seed N]       a new game, as tarvelon-sim makes it
//   tarvelon --load NAME                                      a game saved in the game folder's "sav/"
//   ... --open TFormNN                                        that form on the new or loaded game
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/newgame/command_line_choices.h"

namespace tarvelon {

struct LaunchOptions {
    bool newGame = false;
    NewGameCommandLine choices;         // with --new-game only
    std::optional<std::uint64_t> seed;  // a repeatable run
    std::string loadName;               // --load NAME ("carreira.nsx")
    std::string openForm;               // --open TFormNN
};

// nullopt with `error` set when the line is not understood: an unknown option, a missing or bad
// value, the new game's choices without --new-game, both --new-game and --load, or --open without
// a game to open the form on.
std::optional<LaunchOptions> ParseLaunchOptions(const std::vector<std::string>& args, std::string& error);

// The usage text.
std::string LaunchUsage();

}  // namespace tarvelon
