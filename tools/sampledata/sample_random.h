#pragma once
// The sample database's own random stream (SplitMix64). It never touches the game's generator, and
// each part of the database draws from a stream forked by name, so one part's draws do not shift
// another's: the same seed always gives the same files.
#include <cstdint>
#include <string_view>
#include <vector>

namespace tarvelon::sampledata {

class SampleRandom {
public:
    explicit SampleRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next();

    // 0 .. n-1 (0 when n <= 0).
    int Below(int n);
    // low .. high, both included.
    int Between(int low, int high) { return low + Below(high - low + 1); }
    // True with the given chance in percent.
    bool Percent(int chance) { return Below(100) < chance; }
    // A real in [0, 1).
    double Real();

    // A new stream for one named part, derived from this stream's seed without advancing it.
    SampleRandom Fork(std::string_view name, std::uint64_t number = 0) const;

    template <typename T>
    const T& Pick(const std::vector<T>& items)
    {
        return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
    }

    template <typename T>
    void Shuffle(std::vector<T>& items)
    {
        for (std::size_t i = items.size(); i > 1; --i) {
            std::swap(items[i - 1], items[static_cast<std::size_t>(Below(static_cast<int>(i)))]);
        }
    }

private:
    std::uint64_t state_;
};

}  // namespace tarvelon::sampledata
