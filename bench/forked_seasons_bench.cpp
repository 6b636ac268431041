// Seasons 2 and 10 of one game, each played many times from the very same state: the game is played
// once to the start of season 2, where a copy of the process (fork) waits, and on to the start of
// season 10; then each timed season is played by a fresh copy of its waiting state, the two in
// turns, so that a machine whose load drifts slows both alike. Unlike a loaded game, each copy
// carries the lookups its game made while playing, as a player's game does.
//
// Beside the seasons, the two daily walks over every player with a club (the attributes and bans
// before a matchday, the development after a league round), each timed alone with the caches
// emptied first: as the retired players pile up between the players with a club, the walks read
// more of memory for the same players.
#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "bench/sample_game.h"
#include "bench/thread_clock.h"
#include "core/club_rosters.h"
#include "core/match/computer_lineups.h"
#include "core/progression/player_development.h"
#include "core/records/game_state.h"
#include "core/season/competition_kind.h"
#include "core/seasonloop/season_loop.h"
#include "core/tables.h"

namespace {

using namespace tarvelon;
using bench::StartSampleGame;
using bench::ThreadSeconds;

// A forked copy shares its pages with its parent until it writes them; writing every private page
// once before the clock starts keeps the copying out of the timed work.
void WriteEveryPrivatePage()
{
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line)) {
        unsigned long from = 0;
        unsigned long to = 0;
        char perms[5] = {};
        if (std::sscanf(line.c_str(), "%lx-%lx %4s", &from, &to, perms) != 3)
            continue;
        if (perms[0] != 'r' || perms[1] != 'w' || perms[3] != 'p' || line.find('[') != std::string::npos)
            continue;
        for (unsigned long page = from; page < to; page += 4096) {
            volatile char* byte = reinterpret_cast<char*>(page);
            *byte = *byte;
        }
    }
}

// Pushes the game's tables out of the processor's caches.
void EmptyCaches()
{
    static std::vector<char> other(96 << 20);
    for (std::size_t at = 0; at < other.size(); at += 64)
        other[at] += 1;
}

// Milliseconds of one walk, least of `times`, each with cold caches.
template <typename Walk>
double WalkMilliseconds(Walk walk, int times)
{
    double least = 0;
    for (int i = 0; i < times; ++i) {
        EmptyCaches();
        const double start = ThreadSeconds();
        walk();
        const double seconds = ThreadSeconds() - start;
        if (i == 0 || seconds < least)
            least = seconds;
    }
    return least * 1000;
}

struct Measures {
    double season = 0;
    double attributesWalk = 0;
    double developmentWalk = 0;
};

// What a copy of this process measures from the current state: the whole season, or the walks.
Measures MeasureFromHere(bool walks)
{
    WriteEveryPrivatePage();
    Measures m;
    if (walks) {
        m.attributesWalk = WalkMilliseconds(ClampAttributesAndServeSuspensions, 20);
        Game.DayKind = kKindNationalLeague;
        m.developmentWalk = WalkMilliseconds(PlayerDevelopmentPass, 20);
        return m;
    }
    const double start = ThreadSeconds();
    PlaySeason();
    m.season = ThreadSeconds() - start;
    return m;
}

// Runs MeasureFromHere in a copy of this process that ends with it: the state here is kept.
Measures MeasureInACopy(bool walks)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    const pid_t copy = fork();
    if (copy == 0) {
        const Measures m = MeasureFromHere(walks);
        _exit(write(pipeEnds[1], &m, sizeof m) == sizeof m ? 0 : 1);
    }
    Measures m;
    if (copy < 0 || read(pipeEnds[0], &m, sizeof m) != sizeof m)
        m = {};
    if (copy > 0)
        waitpid(copy, nullptr, 0);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    return m;
}

// The copy waiting at the start of season 2: each byte asked of it is answered with the measures
// of a fresh copy of its state ('s' a season, 'w' the walks).
struct WaitingSeasonTwo {
    int ask[2] = {-1, -1};
    int answer[2] = {-1, -1};
    pid_t pid = -1;

    bool Start()
    {
        if (pipe(ask) != 0 || pipe(answer) != 0)
            return false;
        pid = fork();
        if (pid != 0)
            return pid > 0;
        close(ask[1]);
        close(answer[0]);
        char what = 0;
        while (read(ask[0], &what, 1) == 1) {
            const Measures m = MeasureInACopy(what == 'w');
            if (write(answer[1], &m, sizeof m) != sizeof m)
                break;
        }
        _exit(0);
    }
    Measures Measure(bool walks)
    {
        const char what = walks ? 'w' : 's';
        Measures m;
        if (write(ask[1], &what, 1) != 1 || read(answer[0], &m, sizeof m) != sizeof m)
            return {};
        return m;
    }
    ~WaitingSeasonTwo()
    {
        close(ask[1]);
        close(answer[0]);
        if (pid > 0)
            waitpid(pid, nullptr, 0);
        close(ask[0]);
        close(answer[1]);
    }
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

constexpr int kTurns = 8;

void BM_SeasonTwoAgainstTenForked(benchmark::State& state)
{
    for (auto _ : state) {
        if (!StartSampleGame(state))
            return;
        PlaySeason();
        const std::size_t withAClubAtTwo = PlayersWithAClub().size();
        const std::size_t playersAtTwo = Players.size() - 1;
        WaitingSeasonTwo two;
        if (!two.Start()) {
            state.SkipWithError("no copy of the game could wait at season 2");
            return;
        }
        for (int season = 2; season <= 9; ++season)
            PlaySeason();
        std::printf("players with a club / all: season 2 %zu / %zu, season 10 %zu / %zu\n", withAClubAtTwo,
                    playersAtTwo, PlayersWithAClub().size(), Players.size() - 1);
        std::vector<double> seasons[2];
        for (int turn = 0; turn < kTurns; ++turn) {
            seasons[0].push_back(two.Measure(false).season);
            seasons[1].push_back(MeasureInACopy(false).season);
        }
        const Measures walksTwo = two.Measure(true);
        const Measures walksTen = MeasureInACopy(true);
        const double least2 = *std::min_element(seasons[0].begin(), seasons[0].end());
        const double least10 = *std::min_element(seasons[1].begin(), seasons[1].end());
        state.counters["season2"] = least2;
        state.counters["season10"] = least10;
        state.counters["growth"] = least10 / least2;
        state.counters["median_growth"] = Median(seasons[1]) / Median(seasons[0]);
        state.counters["attributes_walk_ms2"] = walksTwo.attributesWalk;
        state.counters["attributes_walk_ms10"] = walksTen.attributesWalk;
        state.counters["development_walk_ms2"] = walksTwo.developmentWalk;
        state.counters["development_walk_ms10"] = walksTen.developmentWalk;
    }
}
BENCHMARK(BM_SeasonTwoAgainstTenForked)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
