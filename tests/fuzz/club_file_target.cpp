// Club and national-squad files: input = kind (even: a club file, odd: a national squad) + the file.
// Reading never reads past the bytes, a file read whole writes back the bytes it was read from (the
// record tags aside, and a foreign club's unknown state written as 0), what it writes reads back
// the same, and the new game's fix-ups leave only traits and sides the game knows.
#include "core/basics/random.h"
#include "core/persist/club_file.h"
#include "core/vocab/countries.h"
#include "tests/fuzz/fuzz_target.h"

namespace {

using namespace tarvelon;

// The file without its int32 record tags, which are skipped unread.
std::string WithoutTags(std::string_view bytes, std::initializer_list<std::size_t> tagOffsets)
{
    std::string out(bytes);
    std::size_t removed = 0;
    for (std::size_t at : tagOffsets) {
        out.erase(at - removed, 4);
        removed += 4;
    }
    return out;
}

// The bytes a club file read from `bytes` writes back: the same, but for a foreign club's state
// beyond the states, which reads (and so writes) as state 0.
std::string AsWrittenBack(std::string_view bytes, const ClubFile& read)
{
    std::string expected(bytes.substr(0, kClubFileSize));
    const std::size_t stateAt = 4 + offsetof(TClubHeader, state);
    const auto stored = static_cast<std::uint8_t>(expected[stateAt]);
    if (read.header.country != CountryBrazil && stored > kLastStateIndex)
        expected[stateAt] = 0;
    return expected;
}

void ReadClub(std::string_view bytes)
{
    ClubFile file;
    if (ParseClubFile(bytes, file) != DatabaseFileError::None)
        return;
    const std::size_t squadTag = 4 + sizeof(TClubHeader);
    const std::string written = SerializeClubFile(file);
    fuzz::Expect(WithoutTags(written, {0, squadTag}) == WithoutTags(AsWrittenBack(bytes, file), {0, squadTag}),
                 "a club file writes back as it was read, a foreign club's unknown state as 0");
    ClubFile again;
    fuzz::Expect(ParseClubFile(written, again) == DatabaseFileError::None && SerializeClubFile(again) == written,
                 "a club file written back reads and writes back the same");
    IsClubSquadPlayable(file.squad);
    IsClubFileTakenIntoGame(file.header);
    IsClubListedInEditor(file.header);
    fuzz::Expect(ClubLevelInGame(file.header) <= 25, "a club's level in a game is at most 25");
    RandSeed = 1;
    ApplyClubSquadLoadFixups(file.squad);
    for (int slot = 0; slot < kClubSquadSlots; ++slot) {
        if (IsFreeSlot(file.squad.names[slot]))
            continue;
        fuzz::Expect(file.squad.trait1[slot] <= kLastTrait && file.squad.trait2[slot] <= kLastTrait,
                     "the fix-ups leave known traits");
    }
}

void ReadNationalSquad(std::string_view bytes)
{
    TNationalSquad squad;
    if (ParseNationalSquadFile(bytes, squad) != DatabaseFileError::None)
        return;
    fuzz::Expect(WithoutTags(SerializeNationalSquadFile(squad), {0}) ==
                     WithoutTags(bytes.substr(0, kNationalSquadFileSize), {0}),
                 "a national squad writes back as it was read");
    IsNationalSquadPlayable(squad);
    IsNationalSquadTakenIntoGame(squad);
    IsNationalSquadListedInEditor(squad);
}

}  // namespace

TARVELON_FUZZ_TARGET(club_file)
{
    fuzz::InputReader input(data, size);
    const bool national = input.Byte() % 2 != 0;
    const std::string_view bytes = input.Rest();
    if (national)
        ReadNationalSquad(bytes);
    else
        ReadClub(bytes);
}
