#include "tools/savesweep/sweep_runner.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>

namespace tarvelon::savesweep {

namespace {

constexpr int kExitPlayed = 0;
constexpr int kExitRefused = 3;
constexpr int kExitFault = 4;
constexpr char kFaultMark[] = "SWEEP FAULT: ";

using Clock = std::chrono::steady_clock;

struct Child {
    std::size_t index;
    Clock::time_point started;
    std::string log;
};

// The child: its messages and the sanitizers' reports into the log, the case played, the outcome as
// the exit status.
[[noreturn]] void RunChild(const std::string& bytes, bool everyDay, const std::string& scratch, const std::string& log)
{
    const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
        ::dup2(fd, STDERR_FILENO);
        ::dup2(fd, STDOUT_FILENO);
        ::close(fd);
    }
    const std::string path = scratch + "/case-" + std::to_string(::getpid()) + ".sav";
    const CaseResult result = PlayCase(bytes, path, everyDay);
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    std::filesystem::remove(path + ".again", ignored);
    if (result.outcome == CaseOutcome::Fault)
        std::fprintf(stderr, "%s%s\n", kFaultMark, result.reason.c_str());
    std::fflush(nullptr);
    ::_exit(result.outcome == CaseOutcome::Played ? kExitPlayed
            : result.outcome == CaseOutcome::Refused ? kExitRefused
                                                     : kExitFault);
}

bool IsReportLine(const std::string& line)
{
    return line.find("runtime error:") != std::string::npos || line.find("ERROR: AddressSanitizer") != std::string::npos ||
           line.find(kFaultMark) != std::string::npos || line.find("SUMMARY:") != std::string::npos;
}

// The report's first lines and the first frames in the game's own code.
std::string ReportExcerpt(const std::string& log)
{
    std::ifstream in(log);
    std::string line, excerpt;
    int frames = 0;
    bool reported = false;
    while (std::getline(in, line)) {
        if (IsReportLine(line)) {
            reported = true;
            excerpt += line + "\n";
        } else if (reported && frames < 6 && line.find(" in ") != std::string::npos &&
                   (line.find("/core/") != std::string::npos || line.find("/tools/") != std::string::npos)) {
            ++frames;
            excerpt += line + "\n";
        }
    }
    return excerpt;
}

CaseRecord Judge(const SweepCase& c, int status, const std::string& log)
{
    CaseRecord record{c, CaseOutcome::Fault, {}};
    const std::string excerpt = ReportExcerpt(log);
    const bool sanitized = excerpt.find("runtime error:") != std::string::npos ||
                           excerpt.find("AddressSanitizer") != std::string::npos;
    if (WIFEXITED(status) && !sanitized && WEXITSTATUS(status) == kExitPlayed)
        record.outcome = CaseOutcome::Played;
    else if (WIFEXITED(status) && !sanitized && WEXITSTATUS(status) == kExitRefused)
        record.outcome = CaseOutcome::Refused;
    else if (WIFSIGNALED(status))
        record.detail = "killed by signal " + std::to_string(WTERMSIG(status)) + "\n" + excerpt;
    else if (WIFEXITED(status) && WEXITSTATUS(status) != kExitFault && !sanitized)
        record.detail = "exit " + std::to_string(WEXITSTATUS(status)) + "\n" + excerpt;
    else
        record.detail = excerpt;
    return record;
}

}  // namespace

SweepTally RunCases(const std::array<std::string, kBaseCount>& bases, const std::vector<SweepCase>& cases,
                    const RunnerOptions& options, const std::function<void(const CaseRecord&)>& done)
{
    SweepTally tally;
    std::filesystem::create_directories(options.scratch);
    std::map<pid_t, Child> running;
    std::size_t next = 0;
    auto finish = [&](const CaseRecord& record) {
        ++tally.cases;
        if (record.outcome == CaseOutcome::Refused) ++tally.refused;
        else if (record.outcome == CaseOutcome::Played) ++tally.played;
        else tally.faults.push_back(record);
        if (done) done(record);
    };
    std::fflush(nullptr);
    while (next < cases.size() || !running.empty()) {
        while (next < cases.size() && static_cast<int>(running.size()) < std::max(options.jobs, 1)) {
            const SweepCase& c = cases[next];
            const std::string log = options.scratch + "/case-" + std::to_string(next) + ".log";
            const std::string bytes = CaseBytes(bases[static_cast<std::size_t>(c.base)], c);
            const pid_t pid = ::fork();
            if (pid == 0)
                RunChild(bytes, options.everyDay || c.IsLink(), options.scratch, log);
            running[pid] = Child{next, Clock::now(), log};
            ++next;
        }
        int status = 0;
        const pid_t ended = ::waitpid(-1, &status, WNOHANG);
        if (ended > 0) {
            const auto found = running.find(ended);
            if (found == running.end())
                continue;
            const Child child = found->second;
            running.erase(found);
            const CaseRecord record = Judge(cases[child.index], status, child.log);
            if (record.outcome != CaseOutcome::Fault)
                std::filesystem::remove(child.log);
            finish(record);
            continue;
        }
        for (auto it = running.begin(); it != running.end();) {
            if (Clock::now() - it->second.started < std::chrono::seconds(options.timeoutSeconds)) {
                ++it;
                continue;
            }
            ::kill(it->first, SIGKILL);
            ::waitpid(it->first, &status, 0);
            finish(CaseRecord{cases[it->second.index], CaseOutcome::Fault,
                              "hang: still running after " + std::to_string(options.timeoutSeconds) + " s"});
            it = running.erase(it);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return tally;
}

}  // namespace tarvelon::savesweep
