#pragma once
// The one sort of the game's tables: standings, top scorers, referee draws, the club-file catalogue
// and the screens' lists. An in-place quicksort of fixed-size records that is NOT stable: records
// that compare equal may end in any order, and the game's tie orders are the ones it produces.
//
// Not re-entrant: a comparison routine must not start another sort (that call throws
// std::logic_error).
#include <functional>

namespace tarvelon {

// Receives the addresses of two records (one may be a scratch copy, not an element of the array);
// returns < 0 when the first belongs before the second, 0 for a tie, > 0 when it belongs after.
using RecordCompare = std::function<int(const void* first, const void* second)>;

// Sorts elements low .. high (inclusive) of the array at `base`, each `elementSize` bytes.
// A range with low >= high is left alone.
void SortRecords(void* base, int elementSize, int low, int high, const RecordCompare& compare);

// The same for an array of T with a comparison of two T.
template <typename T, typename Compare>
void SortRecords(T* base, int low, int high, Compare compare)
{
    SortRecords(static_cast<void*>(base), static_cast<int>(sizeof(T)), low, high,
                [&compare](const void* a, const void* b) {
                    return compare(*static_cast<const T*>(a), *static_cast<const T*>(b));
                });
}

}  // namespace tarvelon
