#pragma once
// The command line of tarvelon-sim.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvelon::sim {

struct SimOptions {
    std::string dataFolder;        // the game folder with teams/, img/, sons/ (--data)
    std::uint64_t seed = 1;        // --seed
    int seasons = 1;               // --seasons (0: only load and/or save)
    std::string saveFile;          // --save FILE: the final game as a saved game
    std::string loadFile;          // --load FILE: start from this saved game instead of a new one
    // The new game's choices: the leagues played (empty: every league the database offers), the
    // league format (10 or 20 clubs a division) and the competitions switched off.
    std::vector<int> leagues;
    int divisionSize = 20;
    bool nationalCup = true;
    bool stateChampionships = true;
    bool firstContinentalPair = true;
    bool secondContinentalPair = true;
    bool worldCup = true;
    bool copaAmerica = true;
    bool eurocopa = true;
    std::vector<std::string> humanClubFiles;  // --human FILE: a human coach takes that club
};

// Parses argv; nullopt with `error` set when the line is not understood.
std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error);

// The usage text.
const char* SimUsage();

}  // namespace tarvelon::sim
