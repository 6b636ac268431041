#include "core/basics/time_probe.h"

#include <chrono>

namespace tarvelon {

ProbedTime& EngineStepTime()
{
    static ProbedTime total;
    return total;
}

#ifdef TARVELON_TIME_PROBES
namespace {

std::uint64_t Now()
{
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch()).count());
}

}  // namespace

TimeProbe::TimeProbe(ProbedTime& total) : total_(total), start_(Now()) {}

TimeProbe::~TimeProbe()
{
    total_.nanoseconds += Now() - start_;
    ++total_.calls;
}
#endif

}  // namespace tarvelon
