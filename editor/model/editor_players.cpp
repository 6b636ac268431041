// The team editor's player rules.
#include "editor/model/editor_players.h"

#include <type_traits>

#include "core/vocab/countries.h"
#include "core/vocab/players.h"
#include "editor/model/editor_tables.h"

namespace tarvelon {

namespace {

constexpr int kGoalkeeperTraits = 4;
constexpr int kOutfieldTraits = 10;
constexpr int kFirstOutfieldTrait = 4;

TClubSquad& ClubSquad(int club) { return EditorClubSquads[static_cast<std::size_t>(club)]; }
TNationalSquad& Nation(int country) { return EditorNationalSquads[static_cast<std::size_t>(country)]; }

bool ValidClubSlot(int club, int slot) { return IsEditorClub(club) && slot >= 1 && slot <= kClubSquadSlots; }
bool ValidNationalSlot(int country, int slot)
{
    return IsEditorNation(country) && slot >= 1 && slot <= kNationalSquadSlots;
}

template <typename T>
void Store(T& field, int value)
{
    field = static_cast<T>(value);
}

bool IsPlaceholder(const ShortString<35>& name) { return name.raw() == kFreeSlotName; }

// Whether a slot is a row of the squad grid: in a club every slot whose name is not the
// placeholder (an empty name included), in a national squad every slot that is not free.
template <typename Squad>
bool IsSquadRow(const Squad& squad, int i)
{
    if constexpr (std::is_same_v<Squad, TClubSquad>)
        return !IsPlaceholder(squad.names[i]);
    else
        return !IsFreeSlot(squad.names[i]);
}

// The regular flag as the status cell shows it: "1" or "0" for a club, the stored value for a
// national squad.
template <typename Squad>
int ShownStatus(const Squad& squad, int i)
{
    if constexpr (std::is_same_v<Squad, TClubSquad>)
        return squad.status[i] == 1 ? 1 : 0;
    else
        return static_cast<int>(squad.status[i]);
}

template <typename Squad>
SquadRow RowOf(const Squad& squad, int i)
{
    SquadRow row;
    row.slot = i + 1;
    row.status = ShownStatus(squad, i);
    row.star = squad.star[i] != 0;
    row.name = squad.names[i].str();
    row.position = static_cast<int>(squad.position[i]);
    row.age = static_cast<int>(squad.age[i]);
    row.side = static_cast<int>(squad.side[i]);
    row.traits = TraitsText(static_cast<int>(squad.trait1[i]), static_cast<int>(squad.trait2[i]));
    return row;
}

// Rows grouped by position 0..4, then in slot order; positions outside 0..4 are not shown.
template <typename Squad>
std::vector<SquadRow> GroupedRows(const Squad& squad, int slots, int nationality)
{
    std::vector<SquadRow> rows;
    for (int position = 0; position < PositionCount; ++position) {
        for (int i = 0; i < slots; ++i) {
            if (!IsSquadRow(squad, i) || static_cast<int>(squad.position[i]) != position)
                continue;
            SquadRow row = RowOf(squad, i);
            if constexpr (std::is_same_v<Squad, TClubSquad>)
                row.nationality = squad.country[i];
            else
                row.nationality = nationality;
            rows.push_back(row);
        }
    }
    return rows;
}

template <typename Squad>
void WriteFields(Squad& squad, int i, const PlayerFields& fields)
{
    if (!fields.name.empty())
        squad.names[i].set(fields.name);
    Store(squad.position[i], fields.position);
    Store(squad.trait1[i], fields.trait1);
    Store(squad.trait2[i], fields.trait2);
    squad.side[i] = static_cast<std::uint8_t>(fields.side);
    Store(squad.age[i], fields.age);
    squad.star[i] = fields.star ? 1 : 0;
}

template <typename Squad>
PlayerFields ReadFields(const Squad& squad, int i)
{
    PlayerFields fields;
    fields.name = squad.names[i].str();
    fields.position = static_cast<int>(squad.position[i]);
    fields.trait1 = static_cast<int>(squad.trait1[i]);
    fields.trait2 = static_cast<int>(squad.trait2[i]);
    fields.side = static_cast<int>(squad.side[i]);
    fields.age = static_cast<int>(squad.age[i]);
    fields.star = squad.star[i] != 0;
    return fields;
}

template <typename Squad>
int CountRegulars(const Squad& squad, int slots)
{
    int regulars = 0;
    for (int i = 0; i < slots; ++i) {
        if (IsSquadRow(squad, i) && ShownStatus(squad, i) == 1)
            ++regulars;
    }
    return regulars;
}

// "0" becomes "1" while fewer than 11 rows show "1", "1" becomes "0", and any other value stays;
// the slot's flag is then set from what the cell shows.
template <typename Squad>
int Toggle(Squad& squad, int slots, int i)
{
    int shown = ShownStatus(squad, i);
    if (shown == 1)
        shown = 0;
    else if (shown == 0 && CountRegulars(squad, slots) < kMaxRegulars)
        shown = 1;
    Store(squad.status[i], shown);
    return shown;
}

// A national squad's first slot whose name is empty or the placeholder, 1-based; 0 when none.
int FirstFreeNationalSlot(const TNationalSquad& squad)
{
    for (int i = 0; i < kNationalSquadSlots; ++i) {
        if (IsFreeSlot(squad.names[i]))
            return i + 1;
    }
    return 0;
}

bool NationalSquadHolds(const TNationalSquad& squad, const ShortString<35>& name)
{
    for (int i = 0; i < kNationalSquadSlots; ++i) {
        if (!IsFreeSlot(squad.names[i]) && squad.names[i] == name)
            return true;
    }
    return false;
}

}  // namespace

std::vector<SquadRow> ClubSquadRows(int club)
{
    if (!IsEditorClub(club))
        return {};
    return GroupedRows(ClubSquad(club), kClubSquadSlots, -1);
}

std::vector<SquadRow> NationalSquadRows(int country)
{
    if (!IsEditorNation(country))
        return {};
    return GroupedRows(Nation(country), kNationalSquadSlots, country);
}

std::string TraitsText(int trait1, int trait2)
{
    auto known = [](int trait) { return trait >= 0 && trait < TraitCount; };
    if (!known(trait1) || !known(trait2))
        return "";
    if (trait1 == trait2)
        return TraitNames[static_cast<std::size_t>(trait1)];
    return std::string(TraitAbbreviations[static_cast<std::size_t>(trait1)]) + "/" +
           TraitAbbreviations[static_cast<std::size_t>(trait2)];
}

std::string SideText(int side) { return side == 1 ? "E" : "D"; }

int TraitChoiceCount(int position) { return position == 0 ? kGoalkeeperTraits : kOutfieldTraits; }

std::vector<std::string> TraitChoices(int position, bool firstList)
{
    std::vector<std::string> items;
    for (int k = 0; k < TraitChoiceCount(position); ++k) {
        const std::string number = firstList ? "F" + std::to_string(k + 1) : std::to_string(k);
        items.push_back(number + " - " + TraitNames[static_cast<std::size_t>(TraitCode(position, k))]);
    }
    return items;
}

int TraitCode(int position, int item)
{
    if (item < 0 || item >= TraitChoiceCount(position))
        return -1;
    return position == 0 ? item : item + kFirstOutfieldTrait;
}

int TraitItem(int position, int code)
{
    const int item = position == 0 ? code : code - kFirstOutfieldTrait;
    return item >= 0 && item < TraitChoiceCount(position) ? item : -1;
}

bool TraitsChosen(const PlayerFields& fields)
{
    return fields.position >= 0 && fields.position < PositionCount && TraitItem(fields.position, fields.trait1) >= 0 &&
           TraitItem(fields.position, fields.trait2) >= 0;
}

bool PlayerFieldsValid(const PlayerFields& fields, bool nameRequired)
{
    if (nameRequired && fields.name.empty())
        return false;
    return TraitsChosen(fields) && (fields.side == 0 || fields.side == 1) && fields.age >= kMinPlayerAge && fields.age <= kMaxPlayerAge &&
           fields.nationality >= 0 && fields.nationality <= kLastCountryId;
}

int FirstFreeClubSlot(int club)
{
    if (!IsEditorClub(club))
        return 0;
    const TClubSquad& squad = ClubSquad(club);
    for (int i = 0; i < kClubSquadSlots; ++i) {
        // Only the placeholder marks a free club slot here: a club created by the editor has it in every slot.
        if (IsPlaceholder(squad.names[i]))
            return i + 1;
    }
    return 0;
}

int OccupiedClubSlots(int club)
{
    if (!IsEditorClub(club))
        return 0;
    int count = 0;
    for (const auto& name : ClubSquad(club).names)
        count += IsFreeSlot(name) ? 0 : 1;
    return count;
}

int AddClubPlayer(int club, const PlayerFields& fields)
{
    const int slot = FirstFreeClubSlot(club);
    if (slot == 0)
        return 0;
    TClubSquad& squad = ClubSquad(club);
    const int i = slot - 1;
    squad.status[i] = 0;
    WriteFields(squad, i, fields);
    squad.country[i] = static_cast<std::uint8_t>(fields.nationality);
    LastAddedNationality = fields.nationality;
    return slot;
}

int AddNationalPlayer(int country, const PlayerFields& fields)
{
    if (!IsEditorNation(country))
        return 0;
    TNationalSquad& squad = Nation(country);
    const int slot = FirstFreeNationalSlot(squad);
    if (slot == 0)
        return 0;
    ++squad.playerCount;
    squad.status[slot - 1] = 0;
    WriteFields(squad, slot - 1, fields);
    return slot;
}

PlayerFields ClubPlayerFields(int club, int slot)
{
    if (!ValidClubSlot(club, slot))
        return {};
    PlayerFields fields = ReadFields(ClubSquad(club), slot - 1);
    fields.nationality = ClubSquad(club).country[slot - 1];
    return fields;
}

PlayerFields NationalPlayerFields(int country, int slot)
{
    if (!ValidNationalSlot(country, slot))
        return {};
    PlayerFields fields = ReadFields(Nation(country), slot - 1);
    fields.nationality = country;
    return fields;
}

void EditClubPlayer(int club, int slot, const PlayerFields& fields)
{
    if (!ValidClubSlot(club, slot))
        return;
    WriteFields(ClubSquad(club), slot - 1, fields);
    ClubSquad(club).country[slot - 1] = static_cast<std::uint8_t>(fields.nationality);
}

void EditNationalPlayer(int country, int slot, const PlayerFields& fields)
{
    if (ValidNationalSlot(country, slot))
        WriteFields(Nation(country), slot - 1, fields);
}

void DeleteClubPlayer(int club, int slot)
{
    if (ValidClubSlot(club, slot))
        ClubSquad(club).names[slot - 1].setRaw(kFreeSlotName);
}

void DeleteNationalPlayer(int country, int slot)
{
    if (!ValidNationalSlot(country, slot) || IsFreeSlot(Nation(country).names[slot - 1]))
        return;
    Nation(country).names[slot - 1].setRaw(kFreeSlotName);
    if (Nation(country).playerCount > 0)
        --Nation(country).playerCount;
}

int ToggleClubRegular(int club, int slot)
{
    return ValidClubSlot(club, slot) ? Toggle(ClubSquad(club), kClubSquadSlots, slot - 1) : 0;
}

int ToggleNationalRegular(int country, int slot)
{
    return ValidNationalSlot(country, slot) ? Toggle(Nation(country), kNationalSquadSlots, slot - 1) : 0;
}

int CountClubRegulars(int club) { return IsEditorClub(club) ? CountRegulars(ClubSquad(club), kClubSquadSlots) : 0; }

int CountNationalRegulars(int country)
{
    return IsEditorNation(country) ? CountRegulars(Nation(country), kNationalSquadSlots) : 0;
}

int MoveClubPlayer(int slot, int fromClub, int toClub)
{
    // The transfer dialog stays open beside the main window, where either club may be deleted
    // meanwhile: a deleted club's file is gone and no player goes to it or leaves it.
    if (!ValidClubSlot(fromClub, slot) || IsFreeSlot(ClubSquad(fromClub).names[slot - 1]) ||
        !IsLiveEditorClub(fromClub) || !IsLiveEditorClub(toClub))
        return 0;
    const int target = FirstFreeClubSlot(toClub);
    if (target == 0)
        return 0;
    const TClubSquad& from = ClubSquad(fromClub);
    TClubSquad& to = ClubSquad(toClub);
    const int s = slot - 1;
    const int t = target - 1;
    to.status[t] = 0;
    to.names[t] = from.names[s];
    to.position[t] = from.position[s];
    to.trait1[t] = from.trait1[s];
    to.trait2[t] = from.trait2[s];
    to.age[t] = from.age[s];
    to.country[t] = from.country[s];
    to.star[t] = from.star[s];
    ClubSquad(fromClub).names[s].setRaw(kFreeSlotName);
    return target;
}

int CopyToNationalSquad(int club, int slot)
{
    if (!ValidClubSlot(club, slot) || IsFreeSlot(ClubSquad(club).names[slot - 1]))
        return 0;
    const TClubSquad& from = ClubSquad(club);
    const int s = slot - 1;
    const int country = from.country[s];
    if (!IsEditorNation(country))
        return 0;
    EditorCurrentNation = country;
    TNationalSquad& squad = Nation(country);
    // The copy is meant as "take the first slot 1..28 whose name is "nomeø" or empty; copy name,
    // position, trait 1, trait 2, age and star into it" with no look at who is already there: a
    // second drag of the same player would put him twice into his national squad, one man holding
    // two of its 28 places. A player already in the squad is therefore not copied again.
    if (squad.coach.empty() || squad.playerCount >= kNationalSquadSlots || NationalSquadHolds(squad, from.names[s]))
        return 0;
    // "Raise the player count by one; take the first slot ... (stop when there is none)" would
    // count a player who was not added when no slot is free: the count is raised only with one.
    const int target = FirstFreeNationalSlot(squad);
    if (target == 0)
        return 0;
    ++squad.playerCount;
    const int t = target - 1;
    squad.names[t] = from.names[s];
    squad.position[t] = from.position[s];
    squad.trait1[t] = from.trait1[s];
    squad.trait2[t] = from.trait2[s];
    squad.age[t] = from.age[s];
    squad.star[t] = from.star[s];
    return target;
}

}  // namespace tarvelon
