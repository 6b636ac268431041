#pragma once
// The new game's choices as the command lines of tarvelon-sim and of the program's launcher give
// them ("--leagues 29,11 --division-size 10 --human flamengo.tcf --no-eurocopa"), and the new game
// started from them without the set-up screens.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/newgame/new_game_setup.h"

namespace tarvelon {

struct NewGameCommandLine {
    // The leagues played (empty: every league the database offers), the league format (10 or 20
    // clubs a division) and the competitions switched off.
    std::vector<int> leagues;
    int divisionSize = 20;
    bool nationalCup = true;
    bool stateChampionships = true;
    bool firstContinentalPair = true;
    bool secondContinentalPair = true;
    bool worldCup = true;
    bool copaAmerica = true;
    bool eurocopa = true;
    std::vector<std::string> humanClubFiles;  // --human FILE: a human coach takes that club (at most six)
};

// The options' lines of a usage text.
extern const char kNewGameChoicesUsage[];

// A whole number within low..high written as the whole of `text`.
bool ParseCommandLineNumber(const std::string& text, long long low, long long high, long long& value);

// A command's own options beside the new game's choices.
struct OwnOptions {
    // An option without a value; false when `arg` is not one (may be empty: none).
    std::function<bool(const std::string& arg)> flag;
    // An option with a value; false when `arg` is not one or its value is bad.
    std::function<bool(const std::string& arg, const std::string& value)> withValue;
};

// Reads a whole command line: the new game's choices into `choices`, the rest through `own`.
// False with `error` set at the first word not understood. `choicesGiven` (when given) tells
// whether any of the new game's choices was on the line.
bool ReadCommandLine(const std::vector<std::string>& args, NewGameCommandLine& choices, const OwnOptions& own,
                     std::string& error, bool* choicesGiven = nullptr);

// The new-game screens' choices they stand for: the state championships only with the Brazilian
// league, the second continental pair only with the first.
NewGameChoices ChoicesFromCommandLine(const NewGameCommandLine& line);

// A new game from the database in the current folder, as the set-up screens would make it, the
// human clubs taken in order by coaches named "Técnico 1", "Técnico 2", ... Returns the first
// screen, or FirstScreen::None with the reason in `message` (or after the game's own message).
FirstScreen StartCommandLineGame(const NewGameCommandLine& line, std::string& message);

}  // namespace tarvelon
