#pragma once
// The sample database the season benchmarks play from: written once per benchmark program into a
// temporary game folder that is removed at exit.
#include <cstdlib>
#include <filesystem>
#include <string>

#include <stdlib.h>

#include "core/settings/settings.h"
#include "tools/sampledata/sample_database.h"

namespace tarvelon::bench {

inline const std::filesystem::path& SampleFolder()
{
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "tarvelon-season-bench-XXXXXX").string();
        const std::filesystem::path made = mkdtemp(pattern.data());
        sampledata::WriteSampleDatabase(made, 1);
        std::atexit([] { std::filesystem::remove_all(SampleFolder()); });
        return made;
    }();
    return folder;
}

// Makes the sample database the game's working and program folder.
inline void EnterSampleFolder()
{
    std::filesystem::current_path(SampleFolder());
    SetProgramFolder(SampleFolder());
}

}  // namespace tarvelon::bench
