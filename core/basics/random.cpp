#include "core/basics/random.h"

namespace tarvelon {

std::uint32_t RandSeed = 0;

static void Advance()
{
    RandSeed = RandSeed * 0x08088405u + 1u;
}

std::int32_t Random(std::int32_t n)
{
    Advance();
    if (n <= 0)
        return 0;
    return static_cast<std::int32_t>((static_cast<std::uint64_t>(RandSeed) * static_cast<std::uint32_t>(n)) >> 32);
}

double RandomReal()
{
    Advance();
    return static_cast<double>(RandSeed) / 4294967296.0;
}

}  // namespace tarvelon
