#pragma once
// The one sort of the game's tables: standings, top scorers, referee draws, the club-file catalogue
// and the screens' lists. An in-place quicksort of fixed-size records that is NOT stable: records
// that compare equal may end in any order, and the game's tie orders are the ones it produces.
//
// Not re-entrant: a comparison routine must not start another sort (that call throws
// std::logic_error).
#include <functional>
#include <numeric>
#include <utility>
#include <vector>

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

// Rows that are not plain records (they hold texts) put in the order SortRecords gives an array
// of them: the positions are sorted and the rows follow, so equal rows end as the sort leaves them.
template <typename T, typename Compare>
void SortRowsAsRecords(std::vector<T>& rows, Compare compare)
{
    std::vector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    SortRecords(order.data(), 0, static_cast<int>(order.size()) - 1,
                [&rows, &compare](int a, int b) { return compare(rows[static_cast<std::size_t>(a)], rows[static_cast<std::size_t>(b)]); });
    std::vector<T> sorted;
    sorted.reserve(rows.size());
    for (int index : order)
        sorted.push_back(std::move(rows[static_cast<std::size_t>(index)]));
    rows = std::move(sorted);
}

}  // namespace tarvelon
