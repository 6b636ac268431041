// Club and national-squad files: exact bytes in and out, the playable rules, the new game's
// fix-ups, lookups without regard to case, and damaged files that must be refused, never overread.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/basics/random.h"
#include "core/persist/club_file.h"
#include "core/persist/file_io.h"
#include "core/persist/file_paths.h"
#include "tests/support/full_disk.h"

using namespace tarvelon;
namespace fs = std::filesystem;

namespace {

// A fresh folder for the test's files, removed afterwards.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (fs::temp_directory_path() / "tarvelon-clubfile-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// Runs the test body inside a folder (the game reads its data relative to its working folder).
class WorkingFolder {
public:
    explicit WorkingFolder(const fs::path& folder) : previous_(fs::current_path()) { fs::current_path(folder); }
    ~WorkingFolder() { fs::current_path(previous_); }

private:
    fs::path previous_;
};

void WriteRaw(const std::string& path, const std::string& bytes)
{
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadRaw(const std::string& path)
{
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(path, bytes));
    return bytes;
}

// A club with the given numbers of goalkeepers and outfield players; the other slots free.
ClubFile MakeClub(int goalkeepers, int outfield)
{
    ClubFile file{};
    file.header.country = 29;
    file.header.level = 12;
    file.header.state = 18;
    file.header.shortName.set("Tarvelon FC");
    file.header.fullName.set("Tarvelon Futebol Clube");
    file.header.stadium.set("Estádio do Lago");
    file.header.fileName.set("tarvelon");
    file.header.backColor = 0x00FF0000;
    for (int slot = 0; slot < kClubSquadSlots; ++slot) {
        file.squad.names[slot].setRaw(kFreeSlotName);
    }
    for (int slot = 0; slot < goalkeepers + outfield; ++slot) {
        file.squad.names[slot].set("Jogador " + std::to_string(slot + 1));
        file.squad.position[slot] = slot < goalkeepers ? 0 : 1 + slot % 4;
        file.squad.country[slot] = 29;
        file.squad.age[slot] = 20 + slot;
        file.squad.trait1[slot] = slot < goalkeepers ? 1 : 5;
        file.squad.trait2[slot] = slot < goalkeepers ? 2 : 6;
        file.squad.fileByte[slot] = static_cast<std::uint8_t>(200 + slot);
    }
    return file;
}

TNationalSquad MakeNationalSquad(int goalkeepers, int outfield)
{
    TNationalSquad squad{};
    squad.country = 29;
    squad.level = 20;
    squad.symbolName.set("brasil");
    squad.coach.set("Técnico");
    for (int slot = 0; slot < goalkeepers + outfield; ++slot) {
        squad.names[slot].set("Atleta " + std::to_string(slot + 1));
        squad.position[slot] = slot < goalkeepers ? 0 : 1 + slot % 4;
        squad.age[slot] = 25;
        squad.trait1[slot] = 4;
        squad.trait2[slot] = 13;
    }
    squad.playerCount = goalkeepers + outfield;
    return squad;
}

}  // namespace

TEST(ClubFile, WrittenAndReadBackByteForByte)
{
    TempDir dir;
    ClubFile club = MakeClub(2, 20);
    // Reserved bytes and the carried byte must survive untouched.
    club.header.reserved165[1] = 0xAB;
    club.header.reserved177[2] = 0xCD;
    club.squad.fileByte[24] = 0xEE;
    const std::string path = dir / "club.tcf";
    ASSERT_EQ(WriteClubFile(path, club), DatabaseFileError::None);

    const std::string bytes = ReadRaw(path);
    ASSERT_EQ(bytes.size(), kClubFileSize);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x01\x00\x00\x00", 4));
    EXPECT_EQ(bytes.substr(184, 4), std::string("\x01\x00\x00\x00", 4));
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[4 + 165 + 1]), 0xAB);

    ClubFile read{};
    ASSERT_EQ(ReadClubFile(path, read), DatabaseFileError::None);
    EXPECT_EQ(SerializeClubFile(read), bytes);
    EXPECT_EQ(read.header.shortName.str(), "Tarvelon FC");
    EXPECT_EQ(read.header.stadium.str(), "Estádio do Lago");
    EXPECT_EQ(read.squad.age[21], 41);
}

TEST(ClubFile, AnyValidImageIsKeptWhole)
{
    // Random bytes everywhere, with only the checked values made valid: parse and write give the
    // same bytes back, unknown bytes included.
    std::mt19937 generator(7);
    for (int round = 0; round < 50; ++round) {
        std::string bytes(kClubFileSize, '\0');
        for (char& c : bytes) {
            c = static_cast<char>(generator());
        }
        bytes.replace(0, 4, std::string("\x01\x00\x00\x00", 4));
        bytes.replace(184, 4, std::string("\x01\x00\x00\x00", 4));
        bytes[4 + 0] = static_cast<char>(generator() % 202);
        bytes[4 + 176] = static_cast<char>(generator() % 27);
        for (int slot = 1; slot <= kClubSquadSlots; ++slot) {
            bytes[188 + 974 + slot] = static_cast<char>(generator() % 5);
            bytes[188 + 924 + slot] = static_cast<char>(generator() % 202);
        }
        ClubFile file{};
        ASSERT_EQ(ParseClubFile(bytes, file), DatabaseFileError::None);
        ASSERT_EQ(SerializeClubFile(file), bytes);
    }
}

TEST(ClubFile, NationalSquadWrittenAndReadBackByteForByte)
{
    TempDir dir;
    TNationalSquad squad = MakeNationalSquad(3, 20);
    squad.reserved1717[30] = 0x5A;
    squad.reserved70[0] = 0x11;
    squad.side[27] = 1;
    StampNationalSquadForSave(squad);
    const std::string path = dir / "29.nsx";
    ASSERT_EQ(WriteNationalSquadFile(path, squad), DatabaseFileError::None);
    const std::string bytes = ReadRaw(path);
    ASSERT_EQ(bytes.size(), kNationalSquadFileSize);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[4 + 1688]), 10);

    TNationalSquad read{};
    ASSERT_EQ(ReadNationalSquadFile(path, read), DatabaseFileError::None);
    EXPECT_EQ(SerializeNationalSquadFile(read), bytes);
    EXPECT_EQ(read.coach.str(), "Técnico");
    EXPECT_EQ(read.playable, 1);
}

TEST(ClubFile, AFailedWriteLeavesTheOldFileWhole)
{
    TempDir dir;
    const std::string path = dir / "club.tcf";
    const ClubFile old = MakeClub(1, 11);
    ASSERT_EQ(WriteClubFile(path, old), DatabaseFileError::None);
    // The disk fills during the write: the old file stays, and no temporary file beside it.
    {
        const testsupport::FullDisk full(100);
        EXPECT_EQ(WriteClubFile(path, MakeClub(3, 3)), DatabaseFileError::CannotWrite);
    }
    EXPECT_EQ(ReadRaw(path), SerializeClubFile(old));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    // A folder that does not exist.
    EXPECT_EQ(WriteClubFile(dir / "missing/club.tcf", old), DatabaseFileError::CannotWrite);
    EXPECT_FALSE(fs::exists(dir / "missing"));
}

TEST(ClubFile, PlayableFlagsAtTheirBoundaries)
{
    EXPECT_TRUE(IsClubSquadPlayable(MakeClub(1, 11).squad));
    EXPECT_FALSE(IsClubSquadPlayable(MakeClub(1, 10).squad));
    EXPECT_FALSE(IsClubSquadPlayable(MakeClub(0, 24).squad));

    // A slot named as free or left empty does not count.
    ClubFile club = MakeClub(1, 11);
    club.squad.names[11].setRaw(kFreeSlotName);
    EXPECT_FALSE(IsClubSquadPlayable(club.squad));
    club = MakeClub(1, 11);
    club.squad.names[0].clear();
    EXPECT_FALSE(IsClubSquadPlayable(club.squad));
    // The placeholder is the CP1252 byte 0xF8 after "nome", which reads as "nomeø".
    ShortString<35> placeholder;
    placeholder.set("nomeø");
    EXPECT_TRUE(IsFreeSlot(placeholder));
    placeholder.set("nome");
    EXPECT_FALSE(IsFreeSlot(placeholder));

    EXPECT_TRUE(IsNationalSquadPlayable(MakeNationalSquad(2, 16)));
    EXPECT_FALSE(IsNationalSquadPlayable(MakeNationalSquad(2, 15)));
    EXPECT_FALSE(IsNationalSquadPlayable(MakeNationalSquad(1, 27)));
}

TEST(ClubFile, SavingStampsPlayableAndFormat)
{
    ClubFile club = MakeClub(1, 10);
    club.header.playable = 1;
    StampClubFileForSave(club);
    EXPECT_EQ(club.header.playable, 0);
    EXPECT_EQ(club.header.formatValue, 10);
    EXPECT_FALSE(IsClubFileTakenIntoGame(club.header));

    club = MakeClub(1, 11);
    StampClubFileForSave(club);
    EXPECT_EQ(club.header.playable, 1);
    EXPECT_TRUE(IsClubFileTakenIntoGame(club.header));
    club.header.formatValue = 9;
    EXPECT_FALSE(IsClubFileTakenIntoGame(club.header));
}

TEST(ClubFile, EveryPositionButZeroCountsAsOutfield)
{
    // An in-memory slot holding a position the game does not know still counts as an outfield
    // player when the flag is stamped (the readers refuse such a file anyway).
    ClubFile club = MakeClub(1, 11);
    club.squad.position[11] = 7;
    EXPECT_TRUE(IsClubSquadPlayable(club.squad));
    TNationalSquad squad = MakeNationalSquad(2, 16);
    squad.position[17] = -3;
    EXPECT_TRUE(IsNationalSquadPlayable(squad));
    squad.position[17] = 0;  // a third goalkeeper leaves 15 outfield players
    EXPECT_FALSE(IsNationalSquadPlayable(squad));
}

TEST(ClubFile, NationalSquadTakenByFormatAndListedWithACoach)
{
    TNationalSquad squad = MakeNationalSquad(1, 10);  // not playable: the new game takes it all the same
    EXPECT_FALSE(IsNationalSquadTakenIntoGame(squad));  // not saved in this format yet
    StampNationalSquadForSave(squad);
    EXPECT_EQ(squad.playable, 0);
    EXPECT_TRUE(IsNationalSquadTakenIntoGame(squad));
    EXPECT_TRUE(IsNationalSquadListedInEditor(squad));
    squad.coach.clear();
    EXPECT_FALSE(IsNationalSquadListedInEditor(squad));
    EXPECT_TRUE(IsNationalSquadTakenIntoGame(squad));
    squad.formatValue = 11;
    EXPECT_FALSE(IsNationalSquadTakenIntoGame(squad));
    // Whatever its players: fewer than eleven, no goalkeeper, none at all, a count that is not theirs.
    for (const auto& [keepers, others] : {std::pair{1, 9}, std::pair{0, 20}, std::pair{0, 0}}) {
        TNationalSquad small = MakeNationalSquad(keepers, others);
        StampNationalSquadForSave(small);
        small.playerCount = 40;
        EXPECT_TRUE(IsNationalSquadTakenIntoGame(small)) << keepers << "+" << others;
    }

    ClubFile club = MakeClub(0, 3);  // the editor lists an unplayable club saved in this format
    EXPECT_FALSE(IsClubListedInEditor(club.header));
    StampClubFileForSave(club);
    EXPECT_TRUE(IsClubListedInEditor(club.header));
    EXPECT_FALSE(IsClubFileTakenIntoGame(club.header));
}

TEST(ClubFile, StoredLevelsAboveTwentyFiveReadAsNine)
{
    TClubHeader header{};
    header.level = 25;
    EXPECT_EQ(ClubLevelInGame(header), 25);
    header.level = 26;
    EXPECT_EQ(ClubLevelInGame(header), 9);
    header.level = 255;
    EXPECT_EQ(ClubLevelInGame(header), 9);
}

TEST(ClubFile, LoadFixupsGiveTheExactTraits)
{
    ClubFile club = MakeClub(0, 0);
    auto use = [&](int slot, int position, int trait1, int trait2, int side) {
        club.squad.names[slot].set("P" + std::to_string(slot));
        club.squad.position[slot] = static_cast<std::uint8_t>(position);
        club.squad.trait1[slot] = static_cast<std::uint8_t>(trait1);
        club.squad.trait2[slot] = static_cast<std::uint8_t>(trait2);
        club.squad.side[slot] = static_cast<std::uint8_t>(side);
    };
    use(0, 0, 20, 0, 7);  // goalkeeper: unknown trait -> 0, no draw; bad side -> 0
    club.squad.position[1] = 3;  // slot 1 stays free: no draw for it
    use(2, 3, 0, 14, 1);  // both drawn: first trait first
    use(3, 4, 9, 0, 0);   // only the second is drawn
    use(4, 2, 0, 0, 1);
    use(5, 1, 13, 13, 1); // 13 is the last known trait: kept

    RandSeed = 42;  // draws 4 + Random(8): 6, 11, 5, 5, 4, ...
    ApplyClubSquadLoadFixups(club.squad);
    // Per slot: trait 1, trait 2, side after the fix-ups.
    const int expected[6][3] = {{0, 0, 0}, {0, 0, 0}, {6, 11, 1}, {9, 5, 0}, {5, 4, 1}, {13, 13, 1}};
    for (int slot = 0; slot < 6; ++slot) {
        EXPECT_EQ(club.squad.trait1[slot], expected[slot][0]) << "slot " << slot;
        EXPECT_EQ(club.squad.trait2[slot], expected[slot][1]) << "slot " << slot;
        EXPECT_EQ(club.squad.side[slot], expected[slot][2]) << "slot " << slot;
    }
    EXPECT_EQ(RandSeed, 84669375u);  // exactly five draws
}

TEST(ClubFile, ReadingKeepsTheStoredTraitsForTheEditor)
{
    TempDir dir;
    ClubFile club = MakeClub(1, 11);
    club.squad.trait1[5] = 99;
    club.squad.side[5] = 3;
    ASSERT_EQ(WriteClubFile(dir / "c.tcf", club), DatabaseFileError::None);
    ClubFile read{};
    ASSERT_EQ(ReadClubFile(dir / "c.tcf", read), DatabaseFileError::None);
    EXPECT_EQ(read.squad.trait1[5], 99);
    EXPECT_EQ(read.squad.side[5], 3);
}

TEST(ClubFile, ShortAndMissingFilesAreRefused)
{
    TempDir dir;
    const std::string full = SerializeClubFile(MakeClub(1, 11));
    ClubFile file{};
    for (std::size_t size = 0; size < full.size(); ++size) {
        ASSERT_EQ(ParseClubFile(std::string_view(full).substr(0, size), file), DatabaseFileError::TooShort) << size;
    }
    WriteRaw(dir / "short.tcf", full.substr(0, 1000));
    EXPECT_EQ(ReadClubFile(dir / "short.tcf", file), DatabaseFileError::TooShort);
    EXPECT_EQ(ReadClubFile(dir / "none.tcf", file), DatabaseFileError::CannotOpen);
    EXPECT_EQ(ReadClubFile(dir.path().string(), file), DatabaseFileError::CannotOpen);

    const std::string national = SerializeNationalSquadFile(MakeNationalSquad(2, 16));
    TNationalSquad squad{};
    EXPECT_EQ(ParseNationalSquadFile(std::string_view(national).substr(0, national.size() - 1), squad),
              DatabaseFileError::TooShort);
    EXPECT_EQ(ReadNationalSquadFile(dir / "none.nsx", squad), DatabaseFileError::CannotOpen);

    // Trailing bytes after the records are ignored.
    EXPECT_EQ(ParseClubFile(full + "xyz", file), DatabaseFileError::None);
}

TEST(ClubFile, ValuesOutsideTheGameAreRefused)
{
    auto parse = [](const ClubFile& club) {
        ClubFile read{};
        return ParseClubFile(SerializeClubFile(club), read);
    };
    ClubFile club = MakeClub(1, 11);
    EXPECT_EQ(parse(club), DatabaseFileError::None);
    club.header.country = 201;
    EXPECT_EQ(parse(club), DatabaseFileError::None);
    club.header.country = 202;
    EXPECT_EQ(parse(club), DatabaseFileError::BadValue);

    club = MakeClub(1, 11);
    club.header.state = 27;
    EXPECT_EQ(parse(club), DatabaseFileError::BadValue);

    club = MakeClub(1, 11);
    club.squad.position[3] = 5;
    EXPECT_EQ(parse(club), DatabaseFileError::BadValue);
    club.squad.names[3].setRaw(kFreeSlotName);  // a free slot's leftovers do not matter
    EXPECT_EQ(parse(club), DatabaseFileError::None);

    club = MakeClub(1, 11);
    club.squad.country[0] = 202;
    EXPECT_EQ(parse(club), DatabaseFileError::BadValue);

    auto parseNational = [](const TNationalSquad& squad) {
        TNationalSquad read{};
        return ParseNationalSquadFile(SerializeNationalSquadFile(squad), read);
    };
    TNationalSquad squad = MakeNationalSquad(2, 16);
    EXPECT_EQ(parseNational(squad), DatabaseFileError::None);
    squad.playerCount = 29;  // the count is the editor's: readers count the slots themselves
    EXPECT_EQ(parseNational(squad), DatabaseFileError::None);
    squad.playerCount = -7;
    EXPECT_EQ(parseNational(squad), DatabaseFileError::None);
    squad = MakeNationalSquad(2, 16);
    squad.country = -1;
    EXPECT_EQ(parseNational(squad), DatabaseFileError::BadValue);
    squad = MakeNationalSquad(2, 16);
    squad.position[1] = -1;
    EXPECT_EQ(parseNational(squad), DatabaseFileError::BadValue);
    squad = MakeNationalSquad(2, 16);
    squad.trait2[17] = 14;
    EXPECT_EQ(parseNational(squad), DatabaseFileError::BadValue);
}

TEST(ClubFile, ListingReadsOnlyTheFirstHeaderBytes)
{
    TempDir dir;
    const std::string full = SerializeClubFile(MakeClub(1, 11));
    WriteRaw(dir / "listing.tcf", full.substr(0, 4 + kClubHeaderListingBytes));
    TClubHeader header{};
    header.backColor = 5;
    ASSERT_EQ(ReadClubFileListing(dir / "listing.tcf", header), DatabaseFileError::None);
    EXPECT_EQ(header.country, 29);
    EXPECT_EQ(header.level, 12);
    EXPECT_EQ(header.shortName.str(), "Tarvelon FC");
    EXPECT_EQ(header.backColor, 0);
    WriteRaw(dir / "listing.tcf", full.substr(0, 4 + kClubHeaderListingBytes - 1));
    EXPECT_EQ(ReadClubFileListing(dir / "listing.tcf", header), DatabaseFileError::TooShort);
}

TEST(ClubFile, FilesAreFoundWithoutRegardToCase)
{
    TempDir dir;
    WorkingFolder inside(dir.path());
    WriteRaw("Teams/Selecoes/29.NSX", "x");
    WriteRaw("Teams/Tarvela.TCF", "x");
    WriteRaw("Teams/Sao Paulo.tcf", "x");

    EXPECT_EQ(FindClubFile("tarvela"), "Teams/Tarvela.TCF");
    EXPECT_EQ(FindClubFile("SAO PAULO"), "Teams/Sao Paulo.tcf");
    EXPECT_EQ(FindNationalSquadFile(29), "Teams/Selecoes/29.NSX");
    EXPECT_EQ(FindClubFile("Vasco"), "");
    EXPECT_EQ(FindNationalSquadFile(3), "");
    EXPECT_EQ(FindFileNoCase("teams", "selecoes/29.nsx"), "Teams/Selecoes/29.NSX");
    EXPECT_EQ(FindFileNoCase("", "TEAMS/tarvela.tcf"), "Teams/Tarvela.TCF");
    EXPECT_EQ(FindFileNoCase("nowhere", "tarvela.tcf"), "");
    // The exact spelling is taken as it stands.
    EXPECT_EQ(FindFileNoCase("Teams", "Tarvela.TCF"), "Teams/Tarvela.TCF");

    EXPECT_EQ(ClubFilePath("Tarvela"), "teams/Tarvela.tcf");
    EXPECT_EQ(NationalSquadFilePath(29), "teams/selecoes/29.nsx");
}

TEST(ClubFile, DamagedFilesNeverCrashTheReaders)
{
    TempDir dir;
    const std::string club = SerializeClubFile(MakeClub(2, 20));
    const std::string national = SerializeNationalSquadFile(MakeNationalSquad(3, 20));
    std::mt19937 generator(20260101);
    int accepted = 0;
    for (int round = 0; round < 4000; ++round) {
        const bool isClub = round % 2 == 0;
        std::string bytes = isClub ? club : national;
        // Damage: flipped bytes, then sometimes a cut or an extension.
        const int flips = 1 + static_cast<int>(generator() % 40);
        for (int i = 0; i < flips; ++i) {
            bytes[generator() % bytes.size()] = static_cast<char>(generator());
        }
        if (generator() % 4 == 0) {
            bytes.resize(generator() % (bytes.size() + 20));
        }
        if (round % 50 == 0) {  // a share goes through the disk as well
            WriteRaw(dir / "damaged.bin", bytes);
        }
        // An allocation of exactly the file's size, so that any read past its end is caught.
        const std::vector<char> exact(bytes.begin(), bytes.end());
        const std::string_view view(exact.data(), exact.size());
        if (isClub) {
            ClubFile file{};
            const DatabaseFileError result =
                round % 50 == 0 ? ReadClubFile(dir / "damaged.bin", file) : ParseClubFile(view, file);
            if (result != DatabaseFileError::None) {
                continue;
            }
            ++accepted;
            IsClubSquadPlayable(file.squad);
            ApplyClubSquadLoadFixups(file.squad);
            for (int slot = 0; slot < kClubSquadSlots; ++slot) {
                if (!IsFreeSlot(file.squad.names[slot])) {
                    ASSERT_LE(file.squad.position[slot], kLastPosition);
                    ASSERT_LE(file.squad.trait1[slot], kLastTrait);
                    ASSERT_LE(file.squad.trait2[slot], kLastTrait);
                    ASSERT_LE(file.squad.side[slot], 1);
                }
                ASSERT_LE(file.squad.names[slot].str().size(), 35u * 3);
            }
        } else {
            TNationalSquad squad{};
            const DatabaseFileError result = round % 50 == 0 ? ReadNationalSquadFile(dir / "damaged.bin", squad)
                                                             : ParseNationalSquadFile(view, squad);
            if (result != DatabaseFileError::None) {
                continue;
            }
            ++accepted;
            IsNationalSquadPlayable(squad);
            ASSERT_GE(squad.country, 0);
            ASSERT_LE(squad.country, kLastCountryId);
        }
    }
    // The damage is light enough that many files still read: the checks above did run.
    EXPECT_GT(accepted, 100);
}
