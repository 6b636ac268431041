// The sample database as a new game will find it: built once in a temporary folder and read back
// with the game's own readers. Counts per country, division and state, squads, national squads and
// their call-up supply, pictures, sounds, and byte-identical output for the same seed.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/basics/cp1252.h"
#include "core/persist/club_file.h"
#include "core/persist/file_io.h"
#include "core/sound/sound.h"
#include "core/vocab/countries.h"
#include "tools/sampledata/club_catalogue.h"
#include "tools/sampledata/sample_database.h"

using namespace tarvelon;
namespace fs = std::filesystem;

namespace {

constexpr std::uint64_t kSeed = 7;

// The extra-club list of the continental cups and the quota of each position.
const std::vector<int> kExtraList = {29, 11, 195, 150, 46, 42, 60, 26, 151, 198, 131, 104, 65, 3, 72, 97, 154, 162,
                                     107, 192, 159, 21, 160, 171, 78, 9, 51, 38, 68, 14, 57, 129, 1, 190, 43, 49, 143,
                                     141, 62, 193, 85, 15, 52, 31, 88, 179, 76, 142, 180, 27, 152, 54, 157};
int QuotaAt(std::size_t index) { return index == 0 ? 14 : index <= 10 ? 12 : 10; }

// The sides the national-team tournaments name: the 2010 groups, the Copa América layouts, the
// Eurocopa pots and the World Cup hosts.
const std::set<int> kTournamentSides = {
    1, 131, 195, 72, 11, 141, 49, 78, 97, 68, 10, 64, 3, 14, 171, 75, 85, 54, 107, 36, 104, 150, 143, 63, 29, 48,
    50, 154, 65, 180, 86, 42, 46, 151, 26, 198, 60, 51, 159, 162, 179, 192, 152, 193, 52, 160, 142, 31, 21, 100};

// Confederations of the national teams a World Cup draw sorts (Mexico plays with North America).
int ConfederationOf(int country)
{
    static const std::map<int, int> kConfederations = {
        {11, 1}, {26, 1}, {29, 1}, {42, 1}, {46, 1}, {60, 1}, {150, 1}, {151, 1}, {195, 1}, {198, 1},
        {1, 2}, {10, 2}, {36, 2}, {50, 2}, {57, 2}, {75, 2}, {129, 2}, {141, 2}, {190, 2}, {157, 2},
        {9, 3}, {43, 3}, {48, 3}, {49, 3}, {98, 3}, {107, 3},
        {51, 4}, {68, 4}, {86, 4}, {131, 4}, {38, 4},
        {14, 5}, {143, 5},
    };
    const auto found = kConfederations.find(country);
    return found == kConfederations.end() ? 0 : found->second;
}

struct Club {
    std::string file;
    ClubFile data;
};

std::string Slurp(const fs::path& path)
{
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(path.string(), bytes)) << path;
    return bytes;
}

std::map<std::string, std::string> TreeOf(const fs::path& root)
{
    std::map<std::string, std::string> tree;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string name = fs::relative(entry.path(), root).string();
        tree[name] = entry.is_regular_file() ? Slurp(entry.path()) : "<folder>";
    }
    return tree;
}

std::uint32_t Le(const std::string& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value * 256 + static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

class SampleDatabase : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::string pattern = (fs::temp_directory_path() / "tarvelon-sampledata-XXXXXX").string();
        root_ = new fs::path(mkdtemp(pattern.data()));
        report_ = new sampledata::SampleDatabaseReport(sampledata::WriteSampleDatabase(*root_ / "game", kSeed));
        clubs_ = new std::vector<Club>();
        for (const auto& entry : fs::directory_iterator(*root_ / "game/teams")) {
            if (entry.path().extension() == ".tcf") {
                Club club{entry.path().stem().string(), {}};
                EXPECT_EQ(ReadClubFile(entry.path().string(), club.data), DatabaseFileError::None) << entry.path();
                clubs_->push_back(club);
            }
        }
        std::sort(clubs_->begin(), clubs_->end(), [](const Club& a, const Club& b) { return a.file < b.file; });
    }

    static void TearDownTestSuite()
    {
        std::error_code ignored;
        fs::remove_all(*root_, ignored);
        delete root_;
        delete report_;
        delete clubs_;
    }

    static fs::path Game() { return *root_ / "game"; }

    // Clubs of a country, best level first.
    static std::vector<const Club*> ClubsOf(int country)
    {
        std::vector<const Club*> found;
        for (const Club& club : *clubs_) {
            if (club.data.header.country == country) {
                found.push_back(&club);
            }
        }
        std::stable_sort(found.begin(), found.end(),
                         [](const Club* a, const Club* b) { return a->data.header.level > b->data.header.level; });
        return found;
    }

    // The clubs a new game holds when these countries' leagues are played: all their clubs, and the
    // best clubs of every other country of the extra-club list up to its quota.
    static std::vector<const Club*> ClubsInGame(const std::set<int>& played)
    {
        std::vector<const Club*> inGame;
        for (std::size_t i = 0; i < kExtraList.size(); ++i) {
            std::vector<const Club*> clubs = ClubsOf(kExtraList[i]);
            if (!played.count(kExtraList[i]) && clubs.size() > static_cast<std::size_t>(QuotaAt(i))) {
                clubs.resize(static_cast<std::size_t>(QuotaAt(i)));
            }
            inGame.insert(inGame.end(), clubs.begin(), clubs.end());
        }
        return inGame;
    }

    static fs::path* root_;
    static sampledata::SampleDatabaseReport* report_;
    static std::vector<Club>* clubs_;
};

fs::path* SampleDatabase::root_ = nullptr;
sampledata::SampleDatabaseReport* SampleDatabase::report_ = nullptr;
std::vector<Club>* SampleDatabase::clubs_ = nullptr;

TEST_F(SampleDatabase, EveryClubFileIsTakenIntoAGameUnderItsOwnName)
{
    ASSERT_GT(clubs_->size(), 1000u);
    std::set<std::string> shortNames;
    for (const Club& club : *clubs_) {
        const TClubHeader& header = club.data.header;
        EXPECT_TRUE(IsClubFileTakenIntoGame(header)) << club.file;
        EXPECT_TRUE(IsClubSquadPlayable(club.data.squad)) << club.file;
        EXPECT_EQ(header.fileName.str(), club.file);
        EXPECT_EQ(header.crestName.str(), club.file);
        EXPECT_GE(header.level, 1);
        EXPECT_LE(header.level, 25);
        EXPECT_FALSE(header.shortName.empty());
        EXPECT_FALSE(header.fullName.empty());
        EXPECT_FALSE(header.stadium.empty());
        EXPECT_FALSE(header.coachName.empty());
        EXPECT_GE(sampledata::ContrastRatio(header.backColor, header.textColor), sampledata::kMinTextContrast)
            << club.file << ": its name does not read on its colour";
        EXPECT_EQ(header.shortName.raw().find('?'), std::string_view::npos) << header.shortName.str();
        EXPECT_TRUE(shortNames.insert(header.shortName.str()).second) << "two clubs named " << header.shortName.str();
        if (header.country != CountryBrazil) {
            EXPECT_EQ(header.state, 0);
        }
    }
}

TEST_F(SampleDatabase, SquadsHoldElevenStartersAndFitTheirPositions)
{
    for (const Club& club : *clubs_) {
        const TClubSquad& squad = club.data.squad;
        int players = 0, starters = 0, keepers = 0, startingKeepers = 0;
        std::set<std::string> names;
        for (int slot = 0; slot < kClubSquadSlots; ++slot) {
            if (IsFreeSlot(squad.names[slot])) {
                continue;
            }
            ++players;
            starters += squad.status[slot];
            const int position = squad.position[slot];
            keepers += position == 0;
            startingKeepers += position == 0 && squad.status[slot];
            EXPECT_LE(squad.names[slot].size(), 20u);
            EXPECT_EQ(squad.names[slot].raw().find('?'), std::string_view::npos);
            EXPECT_TRUE(names.insert(squad.names[slot].str()).second) << club.file;
            EXPECT_GE(squad.age[slot], 16);
            EXPECT_LE(squad.age[slot], 42);
            EXPECT_LE(squad.side[slot], 1);
            EXPECT_LE(squad.star[slot], 1);
            EXPECT_LE(squad.status[slot], 1);
            EXPECT_NE(squad.trait1[slot], squad.trait2[slot]);
            for (const int trait : {squad.trait1[slot], squad.trait2[slot]}) {
                EXPECT_EQ(trait <= 3, position == 0) << club.file << " slot " << slot;
                EXPECT_LE(trait, 13);
            }
        }
        EXPECT_GE(players, 22) << club.file;
        EXPECT_LE(players, 25) << club.file;
        EXPECT_EQ(starters, 11) << club.file;
        EXPECT_EQ(startingKeepers, 1) << club.file;
        EXPECT_GE(keepers, 2) << club.file;
    }
}

TEST_F(SampleDatabase, TheChooserOffersTheLeagueCountriesWithFullDivisions)
{
    std::map<int, int> playable;
    for (const Club& club : *clubs_) {
        ++playable[club.data.header.country];
    }
    EXPECT_EQ(playable, report_->clubsPerCountry);
    std::set<int> offered;
    for (const auto& [country, count] : playable) {
        if (count >= 22) {
            offered.insert(country);
        }
    }
    EXPECT_EQ(offered, (std::set<int>{3, 11, 29, 65, 72, 85, 97, 104, 131, 154, 195}));
    // 82 clubs give four divisions of 20, 62 three, 42 two (or four divisions of 10).
    for (const int country : {29, 11, 97, 65, 104, 3, 72}) {
        EXPECT_GE(playable[country], 82) << CountryNames[static_cast<std::size_t>(country)];
    }
    EXPECT_GE(playable[154], 62);
    for (const int country : {195, 85, 131}) {
        EXPECT_GE(playable[country], 42);
    }
}

TEST_F(SampleDatabase, LevelsFallDivisionByDivision)
{
    for (const int country : {29, 11, 97, 65, 104, 3, 72, 154}) {
        const std::vector<const Club*> clubs = ClubsOf(country);
        double previous = 26;
        for (std::size_t division = 0; (division + 1) * 20 <= std::min<std::size_t>(clubs.size(), 80); ++division) {
            double sum = 0;
            for (std::size_t i = division * 20; i < division * 20 + 20; ++i) {
                sum += clubs[i]->data.header.level;
            }
            EXPECT_LT(sum / 20, previous) << country << " division " << division + 1;
            previous = sum / 20;
        }
        // The division limits of both formats never fall between two clubs of one level.
        for (std::size_t limit = 10; limit <= 80 && limit < clubs.size(); limit += 10) {
            EXPECT_GT(clubs[limit - 1]->data.header.level, clubs[limit]->data.header.level) << country << " " << limit;
        }
    }
}

TEST_F(SampleDatabase, EveryExtraClubCountrySuppliesItsQuotaWithoutTies)
{
    for (std::size_t i = 0; i < kExtraList.size(); ++i) {
        const std::vector<const Club*> clubs = ClubsOf(kExtraList[i]);
        const std::size_t quota = static_cast<std::size_t>(QuotaAt(i));
        ASSERT_GT(clubs.size(), quota) << kExtraList[i];
        EXPECT_GT(clubs[quota - 1]->data.header.level, clubs[quota]->data.header.level) << kExtraList[i];
    }
}

TEST_F(SampleDatabase, BrazilFillsEveryStateChampionshipAndTheRegionalDivision)
{
    std::array<std::vector<const Club*>, StateCount> byState;
    for (const Club* club : ClubsOf(CountryBrazil)) {
        byState[club->data.header.state].push_back(club);
    }
    for (int state = 0; state < StateCount; ++state) {
        const std::size_t count = byState[static_cast<std::size_t>(state)].size();
        EXPECT_EQ(count % 6, 0u) << StateCodes[static_cast<std::size_t>(state)];
        EXPECT_GE(count, 6u) << StateCodes[static_cast<std::size_t>(state)];
        EXPECT_EQ(static_cast<int>(count), report_->brazilClubsPerState[static_cast<std::size_t>(state)]);
    }
    for (const int fallback : {25, 18, 10}) {
        EXPECT_GE(byState[static_cast<std::size_t>(fallback)].size(), 24u) << StateCodes[static_cast<std::size_t>(fallback)];
    }
    // São Paulo, the strongest state, holds a good share of the 80 clubs of the four divisions.
    const std::vector<const Club*> brazil = ClubsOf(CountryBrazil);
    const std::set<const Club*> league(brazil.begin(), brazil.begin() + 80);
    int leagueInSaoPaulo = 0;
    for (const Club* club : byState[25]) {
        leagueInSaoPaulo += league.count(club) > 0;
    }
    EXPECT_GE(leagueInSaoPaulo, 8);
    // Clubs without a national division in the played tiers (six per tier, one tier per six clubs
    // up to four): 32 of them let the regional fourth division be formed.
    int regionalInTiers = 0;
    for (const auto& clubs : byState) {
        const std::size_t tiers = std::min<std::size_t>(clubs.size() / 6, 4);
        for (std::size_t i = 0; i < tiers * 6; ++i) {
            regionalInTiers += league.count(clubs[i]) == 0;
        }
    }
    EXPECT_GE(regionalInTiers, 32);
}

TEST_F(SampleDatabase, NationalSquadsOfEveryTournamentSideArePlayable)
{
    for (const int country : kTournamentSides) {
        EXPECT_TRUE(std::count(report_->nationalTeams.begin(), report_->nationalTeams.end(), country)) << country;
    }
    for (const int country : report_->nationalTeams) {
        TNationalSquad squad{};
        const fs::path file = Game() / NationalSquadFilePath(country);
        ASSERT_EQ(ReadNationalSquadFile(file.string(), squad), DatabaseFileError::None) << file;
        EXPECT_EQ(squad.country, country);
        EXPECT_TRUE(IsNationalSquadTakenIntoGame(squad));
        EXPECT_TRUE(IsNationalSquadListedInEditor(squad));
        EXPECT_EQ(squad.playable, 1);
        EXPECT_TRUE(IsNationalSquadPlayable(squad));
        EXPECT_GE(squad.level, 1);
        EXPECT_LE(squad.level, 25);
        EXPECT_GE(sampledata::ContrastRatio(squad.backColor, squad.textColor), sampledata::kMinTextContrast)
            << country << ": its name does not read on its colour";
        int players = 0, starters = 0;
        for (int slot = 0; slot < kNationalSquadSlots; ++slot) {
            if (!IsFreeSlot(squad.names[slot])) {
                ++players;
                starters += squad.status[slot];
                EXPECT_EQ(squad.trait1[slot] <= 3, squad.position[slot] == 0);
            }
        }
        EXPECT_EQ(players, squad.playerCount);
        EXPECT_EQ(starters, 11) << country;
        const QImage symbol(QString::fromStdString((Game() / "teams/selecoes" / (squad.symbolName.str() + ".png")).string()));
        EXPECT_EQ(symbol.size(), QSize(60, 40)) << country;
    }
}

TEST_F(SampleDatabase, EveryWorldCupConfederationCanFillItsPlacesWhateverTheHost)
{
    for (const int host : WorldCupHosts) {
        std::map<int, int> sides;
        for (const int country : report_->nationalTeams) {
            if (country != host) {
                ++sides[ConfederationOf(country)];
            }
        }
        EXPECT_GE(sides[0], 14) << host;
        EXPECT_GE(sides[1], 5) << host;
        EXPECT_GE(sides[2], 5) << host;
        EXPECT_GE(sides[3], 5) << host;
        EXPECT_GE(sides[4], 3) << host;
        EXPECT_GE(sides[5], 1) << host;
    }
}

TEST_F(SampleDatabase, EveryNationCanCallUpTwoKeepersAndTwentyOthersInAnyGame)
{
    for (const std::set<int>& played : std::vector<std::set<int>>{{29}, {97}, {11}, {65, 104, 3}, {195, 85}}) {
        std::map<int, int> keepers, others;
        for (const Club* club : ClubsInGame(played)) {
            const TClubSquad& squad = club->data.squad;
            for (int slot = 0; slot < kClubSquadSlots; ++slot) {
                if (!IsFreeSlot(squad.names[slot])) {
                    ++(squad.position[slot] == 0 ? keepers : others)[squad.country[slot]];
                }
            }
        }
        for (const int country : report_->nationalTeams) {
            EXPECT_GE(keepers[country], 2) << country << " with " << *played.begin() << " played";
            EXPECT_GE(others[country], 20) << country << " with " << *played.begin() << " played";
        }
    }
}

TEST_F(SampleDatabase, CrestsAndMiniCrestsDecode)
{
    for (const Club& club : *clubs_) {
        const std::string crest = club.data.header.crestName.str();
        const QImage big(QString::fromStdString((Game() / "teams/escudos" / (crest + ".png")).string()));
        ASSERT_FALSE(big.isNull()) << crest;
        EXPECT_EQ(big.size(), QSize(72, 84));
        EXPECT_TRUE(big.hasAlphaChannel());
        EXPECT_EQ(qAlpha(big.pixel(0, 0)), 0);           // outside the shield
        EXPECT_EQ(qAlpha(big.pixel(36, 42)), 255);       // its middle
        const QImage mini(QString::fromStdString((Game() / "teams/miniescudos" / ("mini_" + crest + ".bmp")).string()));
        ASSERT_FALSE(mini.isNull()) << crest;
        EXPECT_EQ(mini.size(), QSize(18, 18));
    }
}

TEST_F(SampleDatabase, BackgroundsSoundsAndTheSaveFolder)
{
    const QImage screens(QString::fromStdString((Game() / "img/f01.jpg").string()), "JPEG");
    EXPECT_EQ(screens.size(), QSize(256, 256));
    const QImage builder(QString::fromStdString((Game() / "img/f02.bmp").string()), "BMP");
    EXPECT_EQ(builder.size(), QSize(128, 128));

    for (const GameSound& sound : GameSounds) {
        const std::string wave = Slurp(Game() / sound.file);
        ASSERT_GT(wave.size(), 44u) << sound.file;
        EXPECT_EQ(wave.substr(0, 4), "RIFF");
        EXPECT_EQ(Le(wave, 4, 4), wave.size() - 8);
        EXPECT_EQ(wave.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(Le(wave, 20, 2), 1u);   // PCM
        EXPECT_EQ(Le(wave, 22, 2), 1u);   // mono
        EXPECT_EQ(Le(wave, 34, 2), 16u);  // bits
        EXPECT_EQ(wave.substr(36, 4), "data");
        EXPECT_EQ(Le(wave, 40, 4), wave.size() - 44);
        const double seconds = (wave.size() - 44) / 2.0 / Le(wave, 24, 4);
        EXPECT_GT(seconds, 0.5) << sound.file;
        EXPECT_LT(seconds, 4.0) << sound.file;
        int peak = 0;
        for (std::size_t at = 44; at + 1 < wave.size(); at += 2) {
            peak = std::max(peak, std::abs(static_cast<int>(static_cast<std::int16_t>(Le(wave, at, 2)))));
        }
        EXPECT_GT(peak, 20000) << sound.file;
    }
    EXPECT_TRUE(fs::is_directory(Game() / "sav"));
    EXPECT_TRUE(fs::is_empty(Game() / "sav"));
}

TEST_F(SampleDatabase, TheSameSeedGivesTheSameBytes)
{
    const auto again = sampledata::WriteSampleDatabase(*root_ / "again", kSeed);
    EXPECT_EQ(again.filesWritten, report_->filesWritten);
    const auto first = TreeOf(Game());
    EXPECT_EQ(first.size(), static_cast<std::size_t>(report_->filesWritten) + 7);  // and the seven folders
    EXPECT_TRUE(first == TreeOf(*root_ / "again"));

    sampledata::WriteSampleDatabase(*root_ / "other", kSeed + 1);
    const auto other = TreeOf(*root_ / "other");
    EXPECT_NE(other.at("img/f01.jpg").size(), 0u);
    EXPECT_FALSE(first == other);
}

}  // namespace
