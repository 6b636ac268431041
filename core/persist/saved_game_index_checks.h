#pragma once
// The small tests the loader's index checks are written with (core/persist/saved_game_indexes.h):
// a number inside a table, inside a range, or the format's "none".
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <type_traits>
#include <vector>

#include "core/persist/saved_game_blocks.h"
#include "core/season/competition_kind.h"

namespace tarvelon::savedindex {

inline constexpr std::int32_t kNone = -1;

// The places of the game's lists of human clubs and of the national teams human coaches lead.
inline constexpr int kHumanSlots = 6;
static_assert(std::extent_v<decltype(TGameState::HumanClubs)> == kHumanSlots);
static_assert(std::extent_v<decltype(TGameState::HumanNations)> == kHumanSlots);

inline bool Within(std::int32_t value, std::int32_t low, std::int32_t high) { return value >= low && value <= high; }

// A competition kind: 0 friendlies .. 9 Eurocopa.
inline bool IsKind(std::int32_t kind) { return Within(kind, kKindFriendlies, kKindEurocopa); }

// An index into a table of `size` records.
inline bool InTable(std::int32_t value, std::size_t size)
{
    return value >= 0 && static_cast<std::size_t>(value) < size;
}

// An index into a table of `size` records, or none.
inline bool IndexOrNone(std::int32_t value, std::size_t size) { return value == kNone || InTable(value, size); }

// A club as a player holds it: any negative club is no club.
inline bool ClubOrNegative(std::int32_t value, std::size_t clubs) { return value < 0 || InTable(value, clubs); }

template <typename Values>
bool AllIndexesOrNone(const Values& values, std::size_t size)
{
    return std::all_of(std::begin(values), std::end(values), [size](std::int32_t v) { return IndexOrNone(v, size); });
}

// No value twice among `values` (taken by copy: they are sorted).
template <typename Values>
bool Distinct(Values values)
{
    std::sort(std::begin(values), std::end(values));
    return std::adjacent_find(std::begin(values), std::end(values)) == std::end(values);
}

// The clubs met so far in the places of one competition (its groups, or every league's divisions):
// each may stand in one place only.
class ClubPlaces {
public:
    explicit ClubPlaces(std::size_t clubCount) : seen_(clubCount, false) {}

    // True for none; false for a place outside the club table or a club met before.
    bool Take(std::int32_t club)
    {
        if (club == kNone) return true;
        if (!InTable(club, seen_.size()) || seen_[static_cast<std::size_t>(club)]) return false;
        seen_[static_cast<std::size_t>(club)] = true;
        return true;
    }

    template <typename Places>
    bool TakeAll(const Places& places)
    {
        return std::all_of(std::begin(places), std::end(places), [this](std::int32_t club) { return Take(club); });
    }

private:
    std::vector<bool> seen_;
};

template <typename Records, typename Test>
bool Every(const Records& records, Test&& test)
{
    return std::all_of(std::begin(records), std::end(records), test);
}

// The sizes of the tables a saved game's numbers point into.
struct TableSizes {
    std::size_t clubs = 0;
    std::size_t coaches = 0;
    std::size_t players = 0;
    std::size_t competitions = 0;
    std::size_t nationalTeams = 0;
    std::size_t reports = 0;

    explicit TableSizes(const SavedGameImage& image)
        : clubs(image.clubs.size()), coaches(image.coaches.size()), players(image.players.size()),
          competitions(image.competitions.size()), nationalTeams(image.nationalTeams.size()),
          reports(image.matchReports.size())
    {
    }
};

// Each names the first number of its tables that lies outside, or returns nullptr.
const char* PeopleIndexOutside(const SavedGameImage& image, const TableSizes& sizes);
const char* ClubBusinessIndexOutside(const SavedGameImage& image, const TableSizes& sizes);
const char* CompetitionIndexOutside(const SavedGameImage& image, const TableSizes& sizes);
const char* HistoryIndexOutside(const SavedGameImage& image, const TableSizes& sizes);
const char* MatchArchiveIndexOutside(const SavedGameImage& image, const TableSizes& sizes);

// Each names the first link between records that disagrees, or returns nullptr; they read only
// numbers the index checks above have found in their tables.
const char* HumanLinksDisagree(const SavedGameImage& image);
const char* LeagueListsDisagree(const SavedGameImage& image);
const char* CompetitionLinksDisagree(const SavedGameImage& image);

}  // namespace tarvelon::savedindex
