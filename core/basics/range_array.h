#pragma once
// A fixed array indexed First .. Last, for the game's tables that count from 1 (pitch slots 1..25,
// host rows 1..11, ...), so that the rules can index them with the numbers they store.
#include <array>
#include <stdexcept>

namespace tarvelon {

template <typename T, int First, int Last>
struct RangeArray {
    static_assert(First <= Last, "a range array holds at least one element");

    std::array<T, Last - First + 1> items;

    static constexpr int first() { return First; }
    static constexpr int last() { return Last; }
    static constexpr int size() { return Last - First + 1; }
    static constexpr bool contains(int index) { return index >= First && index <= Last; }

    constexpr const T& operator[](int index) const { return items[offsetOf(index)]; }
    constexpr T& operator[](int index) { return items[offsetOf(index)]; }

    constexpr auto begin() const { return items.begin(); }
    constexpr auto end() const { return items.end(); }
    constexpr auto begin() { return items.begin(); }
    constexpr auto end() { return items.end(); }

private:
    // An index outside the table is a fault of the caller; never read past the table.
    static constexpr std::size_t offsetOf(int index)
    {
        if (!contains(index))
            throw std::out_of_range("table index out of range");
        return static_cast<std::size_t>(index - First);
    }
};

}  // namespace tarvelon
