#pragma once
// Time summed over the calls of a stretch of the game's code, for the benchmarks that split a
// season played on screen into its parts (the match engine's step). Measured only in builds with
// the benchmarks (TARVELON_TIME_PROBES, defined for every file alike); elsewhere a probe is empty
// and the totals stay zero.
#include <cstdint>

namespace tarvelon {

struct ProbedTime {
    std::uint64_t nanoseconds = 0;
    std::uint64_t calls = 0;
};

// Every step of every match so far.
ProbedTime& EngineStepTime();

#ifdef TARVELON_TIME_PROBES
// Adds the time from its making to its end, and one call, to a total.
class TimeProbe {
public:
    explicit TimeProbe(ProbedTime& total);
    ~TimeProbe();
    TimeProbe(const TimeProbe&) = delete;
    TimeProbe& operator=(const TimeProbe&) = delete;

private:
    ProbedTime& total_;
    std::uint64_t start_;
};
#else
class TimeProbe {
public:
    explicit TimeProbe(ProbedTime&) {}
};
#endif

}  // namespace tarvelon
