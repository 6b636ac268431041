// tarvelon-sampledata DIR [--seed N]: writes the fictional sample database into the game folder DIR.
#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>

#include "core/vocab/countries.h"
#include "tools/sampledata/sample_database.h"

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: tarvelon-sampledata DIR [--seed N]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string folder;
    std::uint64_t seed = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--seed" && i + 1 < argc) {
            try {
                seed = std::stoull(argv[++i]);
            } catch (const std::exception&) {
                return Usage();
            }
        } else if (folder.empty() && !arg.empty() && arg[0] != '-') {
            folder = arg;
        } else {
            return Usage();
        }
    }
    if (folder.empty()) {
        return Usage();
    }
    try {
        const auto report = tarvelon::sampledata::WriteSampleDatabase(folder, seed);
        int clubs = 0;
        for (const auto& [country, count] : report.clubsPerCountry) {
            clubs += count;
        }
        std::printf("%d club files of %zu countries, %zu national squads, %d files in all, written to %s\n", clubs,
                    report.clubsPerCountry.size(), report.nationalTeams.size(), report.filesWritten, folder.c_str());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tarvelon-sampledata: %s\n", error.what());
        return 1;
    }
    return 0;
}
