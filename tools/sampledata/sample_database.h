#pragma once
// Writes the whole fictional sample database into a game folder: club files with crests and mini
// crests, national-squad files with their symbols, the screens' backgrounds, the seven sounds and
// the empty "sav" folder. The same seed always gives the same bytes.
#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <vector>

namespace tarvelon::sampledata {

struct SampleDatabaseReport {
    std::map<int, int> clubsPerCountry;       // playable club files per country id
    std::array<int, 27> brazilClubsPerState{};
    std::vector<int> nationalTeams;           // country ids with a national-squad file
    int filesWritten = 0;
};

// Throws std::runtime_error when a folder or a file cannot be written.
SampleDatabaseReport WriteSampleDatabase(const std::filesystem::path& folder, std::uint64_t seed);

}  // namespace tarvelon::sampledata
