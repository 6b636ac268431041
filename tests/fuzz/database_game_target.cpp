// A new game from a database with one changed file, played a few days: input = kind (even: the file
// of a Brazilian club, odd: Brazil's national squad) + the file's new bytes. Whatever the file holds,
// the game either refuses it with its message or starts and plays.
#include <algorithm>
#include <filesystem>

#include "core/persist/club_file.h"
#include "core/vocab/countries.h"
#include "tests/fuzz/fuzz_game.h"
#include "tests/fuzz/fuzz_target.h"

namespace {

using namespace tarvelon;

// The first club file of Brazil in the database (by name, as the folder lists them).
std::string BrazilianClubFile()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator("teams"))
        if (entry.path().extension() == ".tcf")
            names.push_back(entry.path().string());
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        ClubFile file;
        if (ReadClubFile(name, file) == DatabaseFileError::None && file.header.country == CountryBrazil)
            return name;
    }
    return names.empty() ? std::string() : names.front();
}

// Puts the bytes in place of a file for as long as it lives, then the file's own bytes back.
class ChangedFile {
public:
    ChangedFile(std::string path, std::string_view bytes) : path_(std::move(path)), old_(fuzz::FileBytes(path_))
    {
        fuzz::WriteFileBytes(path_, bytes);
    }
    ~ChangedFile() { fuzz::WriteFileBytes(path_, old_); }

private:
    std::string path_;
    std::string old_;
};

}  // namespace

TARVELON_FUZZ_TARGET(database_game)
{
    fuzz::EnterSampleGameFolder();
    static const std::string clubFile = BrazilianClubFile();
    static const std::string squadFile = NationalSquadFilePath(CountryBrazil);
    fuzz::InputReader input(data, size);
    const bool national = input.Byte() % 2 != 0;
    const ChangedFile changed(national ? squadFile : clubFile, input.Rest());
    if (fuzz::StartSampleGame())
        fuzz::PlayDays(3);
}
