#pragma once
// The sweep's cases run each in a child process with a time limit, a few at once, so that a crash,
// a sanitizer report or a hang is recorded and the sweep goes on.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "tools/savesweep/sweep_bases.h"
#include "tools/savesweep/sweep_cases.h"
#include "tools/savesweep/sweep_play.h"

namespace tarvelon::savesweep {

struct RunnerOptions {
    int jobs = 1;              // children at once (the machine is shared: at most 6)
    int timeoutSeconds = 600;  // a case still running then is a hang
    std::string scratch;       // folder of the cases' files and logs
    bool everyDay = false;     // every case's save checked after each day (link cases always are)
};

struct CaseRecord {
    SweepCase sweepCase;
    CaseOutcome outcome = CaseOutcome::Fault;
    std::string detail;  // a fault's reason and the first lines of its sanitizer report
};

struct SweepTally {
    int cases = 0;
    int refused = 0;
    int played = 0;
    std::vector<CaseRecord> faults;
};

// Runs the cases over their bases; `done` hears of each case as it ends.
SweepTally RunCases(const std::array<std::string, kBaseCount>& bases, const std::vector<SweepCase>& cases,
                    const RunnerOptions& options, const std::function<void(const CaseRecord&)>& done = {});

}  // namespace tarvelon::savesweep
