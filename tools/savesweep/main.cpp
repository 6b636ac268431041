// tarvelon-savesweep: every int32 field of a saved game's records written as -2, -1, the size of its
// table, size + 1, 100000 and INT_MAX in four saved games, every int64 field (money) at the limits of
// int64 and on both sides of the loader's bound, in the first records of its table, in the records
// play reaches (human clubs, prize winners, last records) and in all of them at once; and every number
// the loader holds to a range at each end of it, in every record of its table (see sweep_cases.h).
// Then the link cases (link_cases.h): records that name each other made to disagree, each number
// valid alone (a club listed twice, a hole in a list, a count that is not its list's, a club and a
// coach that do not name each other back).
// Each damaged save must be refused with "Este arquivo não é válido ou está corrompido", or play
// through a season turn without a sanitizer report or a hang and save a game that loads again. A link
// case (every case, with --every-day) is played a day at a time on past the new season's first cup
// and state days, and the save of every day must load too.
//
//   tarvelon-savesweep [--folder DIR] [--bases nova,meio,torneio,virada] [-j N] [--timeout S]
//                      [--field REGEX] [--value N] [--every N] [--links] [--every-day] [--list]
//                      [--reuse-bases] [--report FILE] [--rerun REPORT] [--resume REPORT]
//   tarvelon-savesweep --why FILE
//   tarvelon-savesweep [--folder DIR] --play FILE   (one saved game played as a link case is)
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "core/basics/index_check.h"
#include "core/persist/file_io.h"
#include "tools/savesweep/refusal_reason.h"
#include "tools/savesweep/sweep_runner.h"

namespace {

using namespace tarvelon::savesweep;

struct Options {
    std::string folder = "savesweep";
    std::vector<int> bases{0, 1, 2, 3};
    int jobs = 1;
    int timeout = 600;
    std::string field;      // only the fields whose label matches
    std::optional<std::int64_t> value;  // only this value
    int every = 1;          // every N-th case only
    bool list = false;
    bool links = false;     // only the link cases
    bool everyDay = false;  // every case's save checked after each day, not only the link cases'
    bool reuseBases = false;
    std::string report;     // every case's outcome, one line each
    std::string why;        // only say which check refuses this file
    std::string play;       // only play this file, a day at a time, as a link case is played
    std::string rerun;      // only the cases a former report calls faults
    std::string resume;     // the cases this report lacks, the report carried on
};

const char kUsage[] =
    "usage: tarvelon-savesweep [--folder DIR] [--bases nova,meio,torneio,virada] [-j N (at most 6)]\n"
    "                          [--timeout SECONDS] [--field REGEX] [--value N] [--every N] [--list] [--reuse-bases]\n"
    "                          [--links (only the link cases)] [--every-day (each day's save checked in every case)]\n"
    "                          [--report FILE] [--rerun REPORT (only the cases it calls faults)]\n"
    "                          [--resume REPORT (the cases it lacks, added to it)]\n"
    "       tarvelon-savesweep --why FILE   (which check of the loader refuses the file)\n"
    "       tarvelon-savesweep [--folder DIR] --play FILE   (refused, or played a day at a time past the\n"
    "                          new season's first cup and state days, every day's save loading)\n";

int BaseNamed(const std::string& name)
{
    for (int b = 0; b < kBaseCount; ++b)
        if (name == BaseName(b)) return b;
    return -1;
}

bool ParseBases(const std::string& text, std::vector<int>& bases)
{
    bases.clear();
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t comma = std::min(text.find(',', at), text.size());
        const int base = BaseNamed(text.substr(at, comma - at));
        if (base < 0) return false;
        bases.push_back(base);
        at = comma + 1;
    }
    return !bases.empty();
}

bool ParseOptions(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--list") o.list = true;
        else if (arg == "--links") o.links = true;
        else if (arg == "--every-day") o.everyDay = true;
        else if (arg == "--reuse-bases") o.reuseBases = true;
        else if (arg == "--folder" && hasValue) o.folder = argv[++i];
        else if (arg == "--bases" && hasValue) { if (!ParseBases(argv[++i], o.bases)) return false; }
        else if (arg == "-j" && hasValue) o.jobs = std::clamp(std::atoi(argv[++i]), 1, 6);
        else if (arg == "--timeout" && hasValue) o.timeout = std::max(std::atoi(argv[++i]), 1);
        else if (arg == "--field" && hasValue) o.field = argv[++i];
        else if (arg == "--value" && hasValue) o.value = std::atoll(argv[++i]);
        else if (arg == "--every" && hasValue) o.every = std::max(std::atoi(argv[++i]), 1);
        else if (arg == "--report" && hasValue) o.report = argv[++i];
        else if (arg == "--why" && hasValue) o.why = argv[++i];
        else if (arg == "--play" && hasValue) o.play = argv[++i];
        else if (arg == "--rerun" && hasValue) o.rerun = argv[++i];
        else if (arg == "--resume" && hasValue) o.resume = o.report = argv[++i];
        else return false;
    }
    return true;
}

std::string ReadBytes(const std::string& path)
{
    std::string bytes;
    tarvelon::ReadFileBytes(path, bytes);
    return bytes;
}

// The bases built (or read back from the folder), each kept there as base-<name>.sav.
bool PrepareBases(const Options& o, std::array<std::string, kBaseCount>& bases)
{
    bool kept = o.reuseBases;
    for (int b = 0; b < kBaseCount && kept; ++b) {
        bases[static_cast<std::size_t>(b)] = ReadBytes(std::string("base-") + BaseName(b) + ".sav");
        kept = !bases[static_cast<std::size_t>(b)].empty();
    }
    if (kept) return true;
    std::string error;
    bases = BuildBases(error);
    if (!error.empty()) {
        std::cerr << "tarvelon-savesweep: the bases cannot be built: " << error << "\n";
        return false;
    }
    for (int b = 0; b < kBaseCount; ++b)
        std::ofstream(std::string("base-") + BaseName(b) + ".sav", std::ios::binary) << bases[static_cast<std::size_t>(b)];
    return true;
}

// The labels of a former report's lines ("outcome<tab>label"): all of them, or only its faults.
std::set<std::string> LabelsOfReport(const std::string& path, bool faultsOnly)
{
    std::set<std::string> labels;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        const std::size_t tab = line.find('\t');
        if (tab != std::string::npos && (!faultsOnly || line.compare(0, tab, "FAULT") == 0))
            labels.insert(line.substr(tab + 1));
    }
    return labels;
}

// The bases' cases taken in turn (the first of each base, then the second, ...), so that a sweep
// stopped early has gone as far into every base.
std::vector<SweepCase> ChosenCases(const Options& o, const std::array<std::string, kBaseCount>& bases)
{
    const std::set<std::string> rerun = LabelsOfReport(o.rerun, true);
    const std::set<std::string> done = LabelsOfReport(o.resume, false);
    const std::regex field(o.field.empty() ? std::string(".*") : o.field);
    auto wanted = [&](const SweepCase& c) {
        return std::regex_search(c.table + " " + c.field, field) && (!o.value || c.value == *o.value) &&
               (!o.links || c.IsLink()) &&
               (o.rerun.empty() || rerun.count(CaseLabel(c)) == 1);
    };
    std::vector<std::vector<SweepCase>> perBase;
    std::size_t n = 0;
    for (const int b : o.bases) {
        perBase.emplace_back();
        for (const SweepCase& c : CasesOfBase(bases[static_cast<std::size_t>(b)], b))
            if (wanted(c) && n++ % static_cast<std::size_t>(o.every) == 0 && done.count(CaseLabel(c)) == 0)
                perBase.back().push_back(c);
    }
    std::vector<SweepCase> chosen;
    for (std::size_t i = 0; chosen.size() < n; ++i) {
        bool any = false;
        for (const auto& cases : perBase)
            if (i < cases.size()) {
                chosen.push_back(cases[i]);
                any = true;
            }
        if (!any) break;
    }
    return chosen;
}

const char* OutcomeName(CaseOutcome outcome)
{
    return outcome == CaseOutcome::Refused ? "refused" : outcome == CaseOutcome::Played ? "played" : "FAULT";
}

// The sanitizers read their options when the program starts: without any given, the program starts
// again with a stack in UBSan's reports (the findings name the faulting line's callers) and no leak
// report at the end.
void RestartWithSanitizerOptions(char** argv)
{
    if (std::getenv("UBSAN_OPTIONS") != nullptr)
        return;
    ::setenv("UBSAN_OPTIONS", "print_stacktrace=1:halt_on_error=1", 1);
    if (std::getenv("ASAN_OPTIONS") == nullptr)
        ::setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    ::execv("/proc/self/exe", argv);
}

// The cases run and reported: each line of the report as it ends, each fault with its report on the
// output, the counts at the end. The exit status is 3 when a case faulted.
int Sweep(const Options& o, const std::array<std::string, kBaseCount>& bases, const std::vector<SweepCase>& cases)
{
    std::ofstream report;
    if (!o.report.empty()) report.open(o.report, o.resume.empty() ? std::ios::trunc : std::ios::app);
    const RunnerOptions runner{o.jobs, o.timeout, std::filesystem::absolute("cases").string(), o.everyDay};
    const SweepTally tally = RunCases(bases, cases, runner, [&](const CaseRecord& record) {
        if (report.is_open())
            report << OutcomeName(record.outcome) << "\t" << CaseLabel(record.sweepCase) << "\n" << std::flush;
        if (record.outcome == CaseOutcome::Fault)
            std::cout << "FAULT " << CaseLabel(record.sweepCase) << "\n" << record.detail << "\n" << std::flush;
    });
    std::cout << "cases: " << tally.cases << "  refused: " << tally.refused << "  played: " << tally.played
              << "  faults: " << tally.faults.size() << "\n";
    for (const CaseRecord& fault : tally.faults)
        std::cout << "  fault: " << CaseLabel(fault.sweepCase) << "\n";
    return tally.faults.empty() ? 0 : 3;
}

// A player's file played in the sweep's folder as a link case is, from a copy (the file stays as
// it is): the outcome as a report line gives it. The exit status is 3 for a fault.
int PlayOneFile(const std::string& file)
{
    const std::string copy = std::filesystem::absolute("play-copy.sav").string();
    const CaseResult result = PlayCase(ReadBytes(file), copy, true);
    std::cout << OutcomeName(result.outcome);
    if (!result.reason.empty()) std::cout << ": " << result.reason;
    std::cout << "\n";
    return result.outcome == CaseOutcome::Fault ? 3 : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    RestartWithSanitizerOptions(argv);
    // Comparing one lookup index in eight with a walk over its table took most of a case's time.
    tarvelon::SampledIndexCheckMask() = 63u;
    Options o;
    if (!ParseOptions(argc, argv, o)) {
        std::cerr << kUsage;
        return 2;
    }
    if (!o.why.empty()) {
        const std::string reason = RefusalReason(ReadBytes(o.why));
        std::cout << (reason.empty() ? "loads" : "refused: " + reason) << "\n";
        return reason.empty() ? 0 : 1;
    }
    for (std::string* path : {&o.report, &o.rerun, &o.resume, &o.play})  // before the folder is entered
        if (!path->empty())
            *path = std::filesystem::absolute(*path).string();
    EnterSweepFolder(o.folder, 1);
    if (!o.play.empty())
        return PlayOneFile(o.play);
    std::array<std::string, kBaseCount> bases{};
    if (!PrepareBases(o, bases))
        return 1;
    const std::vector<SweepCase> cases = ChosenCases(o, bases);
    std::cout << "cases: " << cases.size() << "\n" << std::flush;
    if (o.list) {
        for (const SweepCase& c : cases) std::cout << CaseLabel(c) << "\n";
        return 0;
    }
    return Sweep(o, bases, cases);
}
