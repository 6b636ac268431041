#include "tools/sampledata/sample_database.h"

#include <stdexcept>

#include "core/persist/club_file.h"
#include "core/persist/file_io.h"
#include "tools/sampledata/backgrounds.h"
#include "tools/sampledata/club_catalogue.h"
#include "tools/sampledata/crest_art.h"
#include "tools/sampledata/database_plan.h"
#include "tools/sampledata/flags.h"
#include "tools/sampledata/national_squads.h"
#include "tools/sampledata/wave_sounds.h"

namespace tarvelon::sampledata {

namespace fs = std::filesystem;

namespace {

const char* const kFolders[] = {"teams", "teams/selecoes", "teams/escudos", "teams/miniescudos", "img", "sons", "sav"};

class FolderWriter {
public:
    explicit FolderWriter(fs::path folder) : folder_(std::move(folder)) {}

    void Write(const std::string& relativePath, const std::string& bytes)
    {
        const std::string path = (folder_ / relativePath).string();
        if (!WriteFileReplacing(path, bytes)) {
            throw std::runtime_error("cannot write " + path);
        }
        ++written_;
    }

    void Check(DatabaseFileError error, const std::string& relativePath)
    {
        if (error != DatabaseFileError::None) {
            throw std::runtime_error("cannot write " + (folder_ / relativePath).string());
        }
        ++written_;
    }

    std::string PathOf(const std::string& relativePath) const { return (folder_ / relativePath).string(); }
    int written() const { return written_; }

private:
    fs::path folder_;
    int written_ = 0;
};

void WriteClub(const SampleClub& club, FolderWriter& out)
{
    const TClubHeader& header = club.file.header;
    const std::string file = ClubFilePath(header.fileName.str());
    out.Check(WriteClubFile(out.PathOf(file), club.file), file);
    const CrestDesign design{header.backColor, header.textColor, club.crestPattern, club.initial};
    const std::string crest = header.crestName.str();
    out.Write("teams/escudos/" + crest + ".png", EncodePng(DrawCrest(design, kCrestWidth, kCrestHeight), true));
    out.Write("teams/miniescudos/mini_" + crest + ".bmp",
              EncodeBmp(DrawCrest(design, kMiniCrestSize, kMiniCrestSize), Rgba{255, 255, 255, 255}));
}

void WriteNationalTeam(int country, const std::vector<SampleClub>& clubs, const SampleRandom& random,
                       FolderWriter& out)
{
    const TNationalSquad squad = MakeNationalSquad(country, clubs, random.Fork("national", static_cast<std::uint64_t>(country)));
    const std::string file = NationalSquadFilePath(country);
    out.Check(WriteNationalSquadFile(out.PathOf(file), squad), file);
    out.Write("teams/selecoes/" + squad.symbolName.str() + ".png",
              EncodePng(DrawCountryFlag(country, kFlagWidth, kFlagHeight), false));
}

}  // namespace

SampleDatabaseReport WriteSampleDatabase(const fs::path& folder, std::uint64_t seed)
{
    const UnflushedWrites unflushed;  // a new folder of thousands of files: made again if a stop loses it
    for (const char* sub : kFolders) {
        std::error_code error;
        fs::create_directories(folder / sub, error);
        if (error) {
            throw std::runtime_error("cannot create " + (folder / sub).string() + ": " + error.message());
        }
    }
    const SampleRandom random(seed);
    FolderWriter out(folder);
    SampleDatabaseReport report;

    const std::vector<SampleClub> clubs = MakeSampleClubs(random.Fork("clubs"));
    for (const SampleClub& club : clubs) {
        WriteClub(club, out);
        ++report.clubsPerCountry[club.file.header.country];
        if (club.file.header.country == 29) {
            ++report.brazilClubsPerState[club.file.header.state];
        }
    }
    for (const int country : NationalTeamCountries()) {
        WriteNationalTeam(country, clubs, random, out);
        report.nationalTeams.push_back(country);
    }
    // The crest the editor shows for a club without one: a plain grey shield.
    out.Write("teams/escudos/nullescudo.gif",
              EncodeGif(DrawCrest(CrestDesign{0x00A0A0A0, 0x00FFFFFF, 0, ' '}, kCrestWidth, kCrestHeight)));
    out.Write("img/f01.jpg", ScreenBackgroundJpeg());
    out.Write("img/f02.bmp", EncodeBmp(DrawBuilderBackground(), Rgba{0, 0, 0, 255}));
    for (const WaveFile& sound : MakeGameSounds(random.Fork("sounds"))) {
        out.Write(sound.path, sound.bytes);
    }
    report.filesWritten = out.written();
    return report;
}

}  // namespace tarvelon::sampledata
