#include "core/sort/record_sort.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>
#include <vector>

namespace tarvelon {

namespace {

// Ranges of at most this many elements go to the insertion sort.
constexpr int InsertionSortSpan = 8;

bool sortRunning = false;

class RecordSorter {
public:
    RecordSorter(void* base, int elementSize, const RecordCompare& compare)
        : base_(static_cast<unsigned char*>(base)), size_(static_cast<std::size_t>(elementSize)),
          compare_(compare), scratch_(size_)
    {
    }

    void QuickSortRecords(int lo, int hi)
    {
        // Pending ranges live on an explicit stack; the larger part of each split waits there while
        // the smaller one is worked on, so the stack stays shallow.
        std::vector<std::pair<int, int>> pending;
        for (;;) {
            while (lo < hi) {
                if (hi - lo < InsertionSortSpan) {
                    InsertionSortRecords(lo, hi);
                    break;
                }
                MedianOfThree(lo, hi);
                const int p = PartitionRecords(lo, hi);
                if (p - lo > hi - p) {
                    pending.emplace_back(lo, p);
                    lo = p + 1;
                } else {
                    pending.emplace_back(p + 1, hi);
                    hi = p;
                }
            }
            if (pending.empty())
                return;
            std::tie(lo, hi) = pending.back();
            pending.pop_back();
        }
    }

private:
    unsigned char* At(int index) const { return base_ + static_cast<std::size_t>(index) * size_; }
    int Compare(int a, int b) const { return compare_(At(a), At(b)); }

    void SwapRecords(int a, int b)
    {
        std::swap_ranges(At(a), At(a) + size_, At(b));
    }

    void MedianOfThree(int lo, int hi)
    {
        const int mid = lo + (hi - lo) / 2;
        if (Compare(lo, mid) > 0)
            SwapRecords(lo, mid);
        if (Compare(mid, hi) > 0)
            SwapRecords(mid, hi);
        if (Compare(lo, mid) > 0)
            SwapRecords(lo, mid);
    }

    // Hoare's scheme around a copy of the middle element. The scans also stop at the ends of the
    // range, so a comparison that is not a consistent order (one that calls equal records
    // "before" each other) can never lead them outside it; the split point always leaves both
    // parts non-empty, so every split makes progress.
    int PartitionRecords(int lo, int hi)
    {
        unsigned char* pivot = scratch_.data();
        std::memcpy(pivot, At(lo + (hi - lo) / 2), size_);
        int i = lo - 1;
        int j = hi + 1;
        for (;;) {
            do
                ++i;
            while (compare_(At(i), pivot) < 0 && i < hi);
            do
                --j;
            while (compare_(pivot, At(j)) < 0 && j > lo);
            if (i >= j)
                return std::min(j, hi - 1);
            SwapRecords(i, j);
        }
    }

    // Keeps equal elements in their order.
    void InsertionSortRecords(int lo, int hi)
    {
        unsigned char* held = scratch_.data();
        for (int i = lo + 1; i <= hi; ++i) {
            std::memcpy(held, At(i), size_);
            int j = i;
            while (j > lo && compare_(At(j - 1), held) > 0) {
                std::memcpy(At(j), At(j - 1), size_);
                --j;
            }
            std::memcpy(At(j), held, size_);
        }
    }

    unsigned char* base_;
    std::size_t size_;
    const RecordCompare& compare_;
    std::vector<unsigned char> scratch_;
};

}  // namespace

void SortRecords(void* base, int elementSize, int low, int high, const RecordCompare& compare)
{
    if (low >= high || elementSize <= 0)
        return;
    if (sortRunning)
        throw std::logic_error("SortRecords is not re-entrant");
    sortRunning = true;
    struct Finish {
        ~Finish() { sortRunning = false; }
    } finish;
    RecordSorter(base, elementSize, compare).QuickSortRecords(low, high);
}

}  // namespace tarvelon
