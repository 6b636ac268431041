#pragma once
// The working lists of the draws: clubs (or national teams) with a ranking level and a random key
// drawn just before the sort, so a draw from a known seed repeats exactly. Sorting goes through the
// game's one record sort, whose order for ties is part of the result.
#include <cstdint>
#include <vector>

namespace tarvelon {

#pragma pack(push, 1)
struct DrawCandidate {
    std::int32_t club = -1;  // club index (or a national team's club entry)
    std::int32_t level = 0;  // the ranking value
    std::int32_t key = 0;    // random key that breaks equal levels
};
#pragma pack(pop)

// Higher level first; equal levels by the lower random key first.
int CompareLevelThenLowerKey(const void* a, const void* b);

// Higher level first; equal levels by the higher random key first.
int CompareLevelThenHigherKey(const void* a, const void* b);

// The random key alone, lower first.
int CompareKeyOnly(const void* a, const void* b);

using DrawCompare = int (*)(const void*, const void*);

// Sorts the whole list with the game's record sort.
void SortCandidates(std::vector<DrawCandidate>& list, DrawCompare compare);

// Shuffles places 1..n (stored at places[0 .. n-1]): each place p in turn swaps with place Random(n) + 1.
void ShufflePlaces(std::int32_t* places, int n);

// Shuffles places 1..n, swapping place p with place Random(n) + 1 only when both hold a club (>= 0).
void ShuffleFilledPlaces(std::int32_t* places, int n);

// End of the league and extra clubs in `Clubs` (the national teams' entries follow them).
int ClubTableEnd();

// A club index that names a real entry of `Clubs` (the draws use -1 for an empty place).
bool IsDrawnClub(int club);

}  // namespace tarvelon
