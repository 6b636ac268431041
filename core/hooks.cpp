#include "core/hooks.h"

#include <chrono>
#include <memory>

#include "core/basics/random.h"

namespace tarvelon {

namespace {

CoreHooks MakeDefaultHooks()
{
    CoreHooks h;
    h.highResolutionClock = RealHighResolutionClock;
    h.showMessage = [](const std::string&) {};
    h.screenWidth = [] { return 800; };
    h.screenHeight = [] { return 600; };
    return h;
}

}  // namespace

std::uint64_t RealHighResolutionClock()
{
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

CoreHooks& Hooks()
{
    static CoreHooks hooks = MakeDefaultHooks();
    return hooks;
}

void InstallDeterministicClock(std::uint64_t seed)
{
    auto state = std::make_shared<std::uint64_t>(seed * 0x9E3779B97F4A7C15ull + 1);
    auto now = std::make_shared<std::uint64_t>(seed * 1000003ull);
    Hooks().highResolutionClock = [state, now] {
        // xorshift64* for the step, so the clock's increments are irregular but repeatable.
        std::uint64_t x = *state;
        x ^= x >> 12;
        x ^= x << 25;
        x ^= x >> 27;
        *state = x;
        *now += 1 + ((x * 0x2545F4914F6CDD1Dull) >> 52);
        return *now;
    };
}

void ReportNewGameProgress(int percent)
{
    if (Hooks().newGameProgress)
        Hooks().newGameProgress(percent);
}

void ReportNewGameStep()
{
    if (Hooks().newGameStep)
        Hooks().newGameStep();
}

void Randomize()
{
    RandSeed = static_cast<std::uint32_t>(Hooks().highResolutionClock());
}

}  // namespace tarvelon
