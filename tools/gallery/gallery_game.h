#pragma once
// The seeded game the gallery, the walk test and the benchmarks look at the screens on: the sample
// database (made first when no folder is given), a new game of every league with one human coach,
// and a few matchdays played so that tables, reports and histories have something to show.
#include <cstdint>
#include <filesystem>
#include <string>

namespace tarvelon::gallery {

struct GalleryGameOptions {
    std::filesystem::path dataFolder;  // empty: the sample database is written into `scratchFolder`
    std::filesystem::path scratchFolder;
    std::uint64_t seed = 1;
    int seasonsPlayed = 0;  // whole seasons played before the days below
    int daysPlayed = 4;
    bool stateChampionships = false;  // the Brazilian states play their championships
};

// Called before the application object: the offscreen platform on an 800 x 600 screen unless another
// platform is asked for, and its notes about window features it lacks kept off the error stream.
void UseHeadlessDisplay();

// Enters the game folder and builds the game; false with a message when it cannot. The screens'
// classes and every registered screen are made known first.
bool PrepareGalleryGame(const GalleryGameOptions& options, std::string& message);

}  // namespace tarvelon::gallery
