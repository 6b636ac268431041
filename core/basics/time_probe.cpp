#include "core/basics/time_probe.h"

#include <chrono>

namespace tarvelon {

namespace {

bool probesOn = false;

std::uint64_t Now()
{
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch()).count());
}

}  // namespace

ProbedTime& EngineStepTime()
{
    static ProbedTime total;
    return total;
}

ProbedTime& RoundTransfersTime()
{
    static ProbedTime total;
    return total;
}

void SetTimeProbesOn(bool on) { probesOn = on; }

bool TimeProbesOn() { return probesOn; }

TimeProbe::TimeProbe(ProbedTime& total) : total_(probesOn ? &total : nullptr)
{
    if (total_)
        start_ = Now();
}

TimeProbe::~TimeProbe()
{
    if (!total_)
        return;
    total_->nanoseconds += Now() - start_;
    ++total_->calls;
}

}  // namespace tarvelon
