#include "tools/sampledata/sample_random.h"

namespace tarvelon::sampledata {

namespace {

std::uint64_t Mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

}  // namespace

std::uint64_t SampleRandom::Next()
{
    state_ += 0x9E3779B97F4A7C15ULL;
    return Mix(state_);
}

int SampleRandom::Below(int n)
{
    if (n <= 0) {
        return 0;
    }
    return static_cast<int>(((Next() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
}

double SampleRandom::Real() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }

SampleRandom SampleRandom::Fork(std::string_view name, std::uint64_t number) const
{
    std::uint64_t hash = 0xCBF29CE484222325ULL;  // FNV-1a of the name
    for (const char c : name) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ULL;
    }
    return SampleRandom(Mix(state_ ^ Mix(hash + number * 0x9E3779B97F4A7C15ULL)));
}

}  // namespace tarvelon::sampledata
