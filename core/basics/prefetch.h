#pragma once
// Walks over records picked by a list of indexes, with the records a few steps ahead asked of the
// memory early. The players' table gains the retired players season after season, so the players
// with a club lie ever further apart in it; a walk over them in index order then waits on memory at
// every record, which the processor no longer guesses ahead as it did while they lay side by side.
#include <cstddef>
#include <vector>

namespace tarvelon {

// Asks for every cache line of *record (a hint only: nothing is read or written).
template <typename Record>
inline void PrefetchRecord(const Record* record)
{
    constexpr std::size_t kLine = 64;
    const char* bytes = reinterpret_cast<const char*>(record);
    for (std::size_t at = 0; at < sizeof(Record); at += kLine)
        __builtin_prefetch(bytes + at, 1);
    __builtin_prefetch(bytes + sizeof(Record) - 1, 1);
}

// Calls f(index) for each of `indexes` in order, asking ahead for table[index] of those to come.
// f must not change `indexes` or the size of `table`.
template <typename Record, typename F>
void ForEachIndexedRecord(const std::vector<int>& indexes, const std::vector<Record>& table, F&& f)
{
    constexpr std::size_t kAhead = 16;  // far enough for a short step to find its record at hand
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        if (i + kAhead < indexes.size())
            PrefetchRecord(&table[static_cast<std::size_t>(indexes[i + kAhead])]);
        f(indexes[i]);
    }
}

}  // namespace tarvelon
