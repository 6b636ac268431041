#pragma once
// Time summed over the calls of a stretch of the game's code, for the benchmarks that split a
// season played on screen into its parts (the match engine's step). The probes are off until a
// benchmark turns them on: the game itself never reads the clock for them, and an off probe costs
// one test of a flag.
#include <cstdint>

namespace tarvelon {

struct ProbedTime {
    std::uint64_t nanoseconds = 0;
    std::uint64_t calls = 0;
};

// Every step of every match since the probes were turned on.
ProbedTime& EngineStepTime();
// The computer clubs' transfers made after each league round (more of them from the sixth season
// on, by the rules): the long-game benchmark tells that work apart from the rest of a season.
ProbedTime& RoundTransfersTime();

void SetTimeProbesOn(bool on);
bool TimeProbesOn();

// Adds the time from its making to its end, and one call, to a total while the probes are on.
class TimeProbe {
public:
    explicit TimeProbe(ProbedTime& total);
    ~TimeProbe();
    TimeProbe(const TimeProbe&) = delete;
    TimeProbe& operator=(const TimeProbe&) = delete;

private:
    ProbedTime* total_;
    std::uint64_t start_ = 0;
};

}  // namespace tarvelon
