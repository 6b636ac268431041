#pragma once
// The CPU time of the calling thread in seconds: the rules run on one thread, and on a shared machine
// its CPU time is steadier than the wall clock.
#include <time.h>

namespace tarvelon::bench {

inline double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

}  // namespace tarvelon::bench
