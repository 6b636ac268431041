#include "core/persist/club_file.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <set>

#include "core/basics/random.h"
#include "core/hooks.h"
#include "core/persist/file_io.h"
#include "core/persist/file_paths.h"
#include "core/vocab/countries.h"

namespace tarvelon {

namespace {

// The int32 word before each record: written as 1, skipped unchecked when read.
constexpr std::int32_t kRecordTag = 1;

void AppendTag(std::string& out)
{
    char bytes[4];
    std::memcpy(bytes, &kRecordTag, 4);
    out.append(bytes, 4);
}

template <typename Record>
void AppendRecord(std::string& out, const Record& record)
{
    out.append(reinterpret_cast<const char*>(&record), sizeof(Record));
}

template <typename Record>
void CopyRecord(std::string_view bytes, std::size_t offset, Record& record)
{
    std::memcpy(&record, bytes.data() + offset, sizeof(Record));
}

bool InRange(std::int64_t value, std::int64_t last) { return value >= 0 && value <= last; }

bool ClubValuesUsable(const ClubFile& file)
{
    const TClubHeader& header = file.header;
    if (!InRange(header.country, kLastCountryId) || !InRange(header.state, kLastStateIndex)) {
        return false;
    }
    const TClubSquad& squad = file.squad;
    for (int slot = 0; slot < kClubSquadSlots; ++slot) {
        if (IsFreeSlot(squad.names[slot])) {
            continue;
        }
        if (!InRange(squad.position[slot], kLastPosition) || !InRange(squad.country[slot], kLastCountryId)) {
            return false;
        }
    }
    return true;
}

bool NationalValuesUsable(const TNationalSquad& squad)
{
    // The player count the editor keeps is no index: readers count the occupied slots themselves.
    if (!InRange(squad.country, kLastCountryId)) {
        return false;
    }
    for (int slot = 0; slot < kNationalSquadSlots; ++slot) {
        if (IsFreeSlot(squad.names[slot])) {
            continue;
        }
        if (!InRange(squad.position[slot], kLastPosition) || !InRange(squad.trait1[slot], kLastTrait) ||
            !InRange(squad.trait2[slot], kLastTrait)) {
            return false;
        }
    }
    return true;
}

// Counts goalkeepers and outfield players of the used slots.
template <typename Squad, int Slots>
void CountSquad(const Squad& squad, int& goalkeepers, int& outfield)
{
    goalkeepers = 0;
    outfield = 0;
    for (int slot = 0; slot < Slots; ++slot) {
        if (IsFreeSlot(squad.names[slot])) {
            continue;
        }
        // Position 0 is the goalkeeper; every other value counts as an outfield player.
        if (squad.position[slot] == 0) {
            ++goalkeepers;
        } else {
            ++outfield;
        }
    }
}

// A trait the game does not know reads as none.
std::uint8_t KnownTraitOrNone(std::uint8_t trait) { return trait > kLastTrait ? 0 : trait; }

std::uint8_t DrawnOutfieldTrait() { return static_cast<std::uint8_t>(4 + Random(8)); }

DatabaseFileError WriteBytes(const std::string& path, const std::string& bytes)
{
    return WriteFileReplacing(path, bytes) ? DatabaseFileError::None : DatabaseFileError::CannotWrite;
}

}  // namespace

std::string ClubFilePath(std::string_view name) { return "teams/" + std::string(name) + ".tcf"; }

std::string NationalSquadFilePath(int countryId) { return "teams/selecoes/" + std::to_string(countryId) + ".nsx"; }

std::string FindClubFile(std::string_view name) { return FindFileNoCase("teams", std::string(name) + ".tcf"); }

std::string FindNationalSquadFile(int countryId)
{
    return FindFileNoCase("teams/selecoes", std::to_string(countryId) + ".nsx");
}

DatabaseFileError ParseClubFile(std::string_view bytes, ClubFile& file)
{
    if (bytes.size() < kClubFileSize) {
        return DatabaseFileError::TooShort;
    }
    CopyRecord(bytes, 4, file.header);
    CopyRecord(bytes, 4 + sizeof(TClubHeader) + 4, file.squad);
    // The state byte means something only for Brazilian clubs: elsewhere any value reads as state 0.
    if (file.header.country != CountryBrazil && file.header.state > kLastStateIndex)
        file.header.state = 0;
    return ClubValuesUsable(file) ? DatabaseFileError::None : DatabaseFileError::BadValue;
}

DatabaseFileError ParseNationalSquadFile(std::string_view bytes, TNationalSquad& squad)
{
    if (bytes.size() < kNationalSquadFileSize) {
        return DatabaseFileError::TooShort;
    }
    CopyRecord(bytes, 4, squad);
    return NationalValuesUsable(squad) ? DatabaseFileError::None : DatabaseFileError::BadValue;
}

std::string SerializeClubFile(const ClubFile& file)
{
    std::string out;
    out.reserve(kClubFileSize);
    AppendTag(out);
    AppendRecord(out, file.header);
    AppendTag(out);
    AppendRecord(out, file.squad);
    return out;
}

std::string SerializeNationalSquadFile(const TNationalSquad& squad)
{
    std::string out;
    out.reserve(kNationalSquadFileSize);
    AppendTag(out);
    AppendRecord(out, squad);
    return out;
}

DatabaseFileError ReadClubFile(const std::string& path, ClubFile& file)
{
    std::string bytes;
    if (!ReadFileBytes(path, bytes, kClubFileSize)) {
        return DatabaseFileError::CannotOpen;
    }
    return ParseClubFile(bytes, file);
}

DatabaseFileError ReadNationalSquadFile(const std::string& path, TNationalSquad& squad)
{
    std::string bytes;
    if (!ReadFileBytes(path, bytes, kNationalSquadFileSize)) {
        return DatabaseFileError::CannotOpen;
    }
    return ParseNationalSquadFile(bytes, squad);
}

DatabaseFileError WriteClubFile(const std::string& path, const ClubFile& file)
{
    return WriteBytes(path, SerializeClubFile(file));
}

DatabaseFileError WriteNationalSquadFile(const std::string& path, const TNationalSquad& squad)
{
    return WriteBytes(path, SerializeNationalSquadFile(squad));
}

DatabaseFileError ReadClubFileListing(const std::string& path, TClubHeader& header)
{
    std::string bytes;
    if (!ReadFileBytes(path, bytes, 4 + kClubHeaderListingBytes)) {
        return DatabaseFileError::CannotOpen;
    }
    if (bytes.size() < 4 + kClubHeaderListingBytes) {
        return DatabaseFileError::TooShort;
    }
    header = TClubHeader{};
    std::memcpy(reinterpret_cast<char*>(&header), bytes.data() + 4, kClubHeaderListingBytes);
    return InRange(header.country, kLastCountryId) ? DatabaseFileError::None : DatabaseFileError::BadValue;
}

bool IsFreeSlot(const ShortString<35>& name) { return name.empty() || name.raw() == kFreeSlotName; }

bool IsClubSquadPlayable(const TClubSquad& squad)
{
    int goalkeepers = 0;
    int outfield = 0;
    CountSquad<TClubSquad, kClubSquadSlots>(squad, goalkeepers, outfield);
    return goalkeepers >= 1 && outfield >= 11;
}

bool IsNationalSquadPlayable(const TNationalSquad& squad)
{
    int goalkeepers = 0;
    int outfield = 0;
    CountSquad<TNationalSquad, kNationalSquadSlots>(squad, goalkeepers, outfield);
    return goalkeepers >= 2 && outfield >= 16;
}

void StampClubFileForSave(ClubFile& file)
{
    file.header.playable = IsClubSquadPlayable(file.squad) ? 1 : 0;
    file.header.formatValue = kDatabaseFormatValue;
}

void StampNationalSquadForSave(TNationalSquad& squad)
{
    squad.playable = IsNationalSquadPlayable(squad) ? 1 : 0;
    squad.formatValue = kDatabaseFormatValue;
}

bool IsClubFileTakenIntoGame(const TClubHeader& header)
{
    return header.formatValue == kDatabaseFormatValue && header.playable != 0;
}

bool IsNationalSquadTakenIntoGame(const TNationalSquad& squad) { return squad.formatValue == kDatabaseFormatValue; }

bool IsClubListedInEditor(const TClubHeader& header) { return header.formatValue == kDatabaseFormatValue; }

bool IsNationalSquadListedInEditor(const TNationalSquad& squad)
{
    return !squad.coach.empty() && squad.formatValue == kDatabaseFormatValue;
}

int ClubLevelInGame(const TClubHeader& header) { return header.level > 25 ? 9 : header.level; }

void ApplySquadSlotLoadFixups(TClubSquad& squad, int slot)
{
    if (slot < 0 || slot >= kClubSquadSlots) {
        return;
    }
    const bool outfield = squad.position[slot] > 0;
    squad.trait1[slot] = KnownTraitOrNone(squad.trait1[slot]);
    squad.trait2[slot] = KnownTraitOrNone(squad.trait2[slot]);
    if (outfield && squad.trait1[slot] == 0) {
        squad.trait1[slot] = DrawnOutfieldTrait();
    }
    if (outfield && squad.trait2[slot] == 0) {
        squad.trait2[slot] = DrawnOutfieldTrait();
    }
    if (squad.side[slot] > 1) {
        squad.side[slot] = 0;
    }
}

void ApplyClubSquadLoadFixups(TClubSquad& squad)
{
    for (int slot = 0; slot < kClubSquadSlots; ++slot) {
        if (!IsFreeSlot(squad.names[slot])) {
            ApplySquadSlotLoadFixups(squad, slot);
        }
    }
}

void NoticeSkippedDataFiles(const std::vector<std::string>& skipped)
{
    // The club files are listed each time a new game is set up: a file is named once a run.
    static std::set<std::filesystem::path> told;
    std::vector<std::string> paths;
    for (const std::string& path : skipped) {
        std::error_code failed;
        const std::filesystem::path whole = std::filesystem::absolute(path, failed);
        if (told.insert(failed ? std::filesystem::path(path) : whole).second)
            paths.push_back(path);
    }
    if (paths.empty() || !Hooks().showMessage)
        return;
    constexpr std::size_t kNamed = 10;
    std::string text = paths.size() == 1 ? "Este arquivo está danificado e foi ignorado:"
                                         : "Estes arquivos estão danificados e foram ignorados:";
    for (std::size_t i = 0; i < std::min(paths.size(), kNamed); ++i)
        text += "\n" + paths[i];
    if (paths.size() > kNamed)
        text += "\n(e mais " + std::to_string(paths.size() - kNamed) + ")";
    Hooks().showMessage(text);
}

}  // namespace tarvelon
