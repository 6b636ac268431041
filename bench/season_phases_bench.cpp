// Where a season's time goes as the seasons pile up. Ten seasons from the sample game split into
// their phases (each calendar day's matches and its calendar advance, by the kind of the day, and
// the turn into the next season), each phase's least seconds over three rounds printed for every
// season; and seasons 2 and 10 played again and again from their saved games in turns, so that a
// machine whose load drifts during the run slows both alike, with the sizes of the tables that
// grow with the history.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/sample_game.h"
#include "bench/thread_clock.h"
#include "core/persist/saved_game_image.h"
#include "core/records/game_state.h"
#include "core/tables.h"
#include "core/seasonloop/season_loop.h"
#include "core/services/rule_services.h"
#include "tools/sim/sim_run.h"

namespace {

using namespace tarvelon;
using bench::StartSampleGame;
using bench::ThreadSeconds;

constexpr int kKinds = 10;
constexpr int kSeasons = 10;
constexpr int kRounds = 3;

struct SeasonPhases {
    std::array<double, kKinds> matches{};
    std::array<double, kKinds> advance{};
    std::array<int, kKinds> days{};
    double rollover = 0;
    double total = 0;
    double user = 0;
    double system = 0;
    long faults = 0;
};

double Seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6; }

SeasonPhases PlayTimedSeason()
{
    SeasonPhases phases;
    rusage before{};
    getrusage(RUSAGE_THREAD, &before);
    double mark = ThreadSeconds();
    const double start = mark;
    int kind = 0;
    SeasonWatch watch;
    watch.atResults = [&] {
        const double now = ThreadSeconds();
        kind = Game.DayKind;
        phases.matches[static_cast<std::size_t>(kind)] += now - mark;
        ++phases.days[static_cast<std::size_t>(kind)];
        mark = now;
    };
    watch.afterDay = [&] {
        const double now = ThreadSeconds();
        phases.advance[static_cast<std::size_t>(kind)] += now - mark;
        mark = now;
    };
    PlaySeasonDays(watch);
    const double beforeTurn = ThreadSeconds();
    TurnToNewSeason();
    const double end = ThreadSeconds();
    phases.rollover = end - beforeTurn;
    phases.total = end - start;
    rusage after{};
    getrusage(RUSAGE_THREAD, &after);
    phases.user = Seconds(after.ru_utime) - Seconds(before.ru_utime);
    phases.system = Seconds(after.ru_stime) - Seconds(before.ru_stime);
    phases.faults = after.ru_minflt - before.ru_minflt;
    return phases;
}

void KeepLeast(double& least, double seconds, bool first)
{
    if (first || seconds < least)
        least = seconds;
}

void KeepLeastPhases(SeasonPhases& least, const SeasonPhases& played, bool first)
{
    for (int k = 0; k < kKinds; ++k) {
        KeepLeast(least.matches[k], played.matches[k], first);
        KeepLeast(least.advance[k], played.advance[k], first);
        least.days[k] = played.days[k];
    }
    KeepLeast(least.rollover, played.rollover, first);
    KeepLeast(least.total, played.total, first);
    KeepLeast(least.user, played.user, first);
    KeepLeast(least.system, played.system, first);
    least.faults = played.faults;
}

void PrintPhases(int season, const SeasonPhases& l)
{
    std::printf("season %2d total %.4f rollover %.4f user %.4f system %.4f faults %ld\n", season, l.total, l.rollover,
                l.user, l.system, l.faults);
    for (int k = 0; k < kKinds; ++k)
        if (l.days[k] > 0)
            std::printf("   kind %d days %3d matches %.4f advance %.4f\n", k, l.days[k], l.matches[k], l.advance[k]);
}

void BM_TenSeasonsByPhase(benchmark::State& state)
{
    for (auto _ : state) {
        std::array<SeasonPhases, kSeasons + 1> least{};
        for (int round = 0; round < kRounds; ++round) {
            if (!StartSampleGame(state))
                return;
            for (int season = 1; season <= kSeasons; ++season)
                KeepLeastPhases(least[static_cast<std::size_t>(season)], PlayTimedSeason(), round == 0);
        }
        for (int season = 1; season <= kSeasons; ++season)
            PrintPhases(season, least[static_cast<std::size_t>(season)]);
    }
}
BENCHMARK(BM_TenSeasonsByPhase)->Unit(benchmark::kSecond)->Iterations(1);

template <typename Record>
void PrintTableSize(const char* name, const std::vector<Record>& table)
{
    std::printf(" %s=%zu rows/%zu KB", name, table.size(), table.size() * sizeof(Record) / 1024);
}

// The tables that grow with the history, and the player table (youth players join it every
// season; retired ones stay).
void PrintTableSizes(int season)
{
    std::printf("tables at season %d:", season);
    PrintTableSize("Players", Players);
    PrintTableSize("PlayerSeasonStats", PlayerSeasonStats);
    PrintTableSize("PastMatches", PastMatches);
    PrintTableSize("ClubPlacings", ClubPlacings);
    PrintTableSize("CoachSeasons", CoachSeasons);
    PrintTableSize("CoachHonours", CoachHonours);
    PrintTableSize("Transfers", Transfers);
    std::printf("\n");
}

// Seasons 2 and 10 played from their saved games, in turns: the same game states each time, and a
// machine whose load drifts slows both alike. A loaded game makes its history lookups again from
// the tables on its first season, which the ten-season run does not.
constexpr int kTurns = 12;

void BM_SeasonTwoAgainstTenLoaded(benchmark::State& state)
{
    for (auto _ : state) {
        if (!StartSampleGame(state))
            return;
        PlaySeason();
        PrintTableSizes(2);
        const std::string two = WriteSavedGameImage();
        for (int season = 2; season <= 9; ++season)
            PlaySeason();
        PrintTableSizes(10);
        const std::string ten = WriteSavedGameImage();
        std::array<SeasonPhases, 2> least{};
        for (int turn = 0; turn < kTurns; ++turn) {
            std::string message;
            if (!sim::LoadSimGameBytes(turn % 2 == 0 ? two : ten, message)) {
                state.SkipWithError(message.c_str());
                return;
            }
            KeepLeastPhases(least[static_cast<std::size_t>(turn % 2)], PlayTimedSeason(), turn < 2);
        }
        PrintPhases(2, least[0]);
        PrintPhases(10, least[1]);
        state.counters["loaded2"] = least[0].total;
        state.counters["loaded10"] = least[1].total;
        state.counters["growth"] = least[1].total / least[0].total;
    }
}
BENCHMARK(BM_SeasonTwoAgainstTenLoaded)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
