// One match of 190 ticks and one matchday of ten matches, on a made-up league of computer clubs.
#include <benchmark/benchmark.h>

#include <vector>

#include "core/match/match_day.h"
#include "core/records/appearance_records.h"
#include "core/matchday/matchday_driver.h"
#include "tests/core/matchday_world.h"

namespace {

using namespace tarvelon;

// The league before kick-off, restored before every played matchday so each one starts alike.
struct Snapshot {
    std::vector<TPlayer> players;
    std::vector<TLineup> lineups;
    std::int32_t lineupCount;
    std::uint32_t seed;

    static Snapshot Take()
    {
        return Snapshot{Players, Lineups, LineupCount, RandSeed};
    }
    void Restore() const
    {
        Players = players;
        Lineups = lineups;
        LineupCount = lineupCount;
        RandSeed = seed;
        MatchEvents.clear();
        BookedPlayers.clear();
    }
};

void PlayTicks()
{
    for (int tick = 1; tick <= kLastMatchdayTick; ++tick)
        PlayMatchdayTick(tick);
}

void BenchMatchday(benchmark::State& state, int clubs)
{
    matchdaytest::BuildWorld(clubs, 31337);
    matchdaytest::PrepareLineups();
    const std::vector<MatchdayFixture> fixtures = matchdaytest::PairedFixtures();
    const Snapshot snapshot = Snapshot::Take();
    for (auto _ : state) {
        state.PauseTiming();
        snapshot.Restore();
        state.ResumeTiming();
        BeginMatchday(fixtures);
        PlayTicks();
        benchmark::DoNotOptimize(Matches[1].goals[0]);
    }
    state.counters["matches"] = static_cast<double>(fixtures.size());
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(fixtures.size()));
}

void BM_OneMatch(benchmark::State& state) { BenchMatchday(state, 2); }
void BM_MatchdayOfTenMatches(benchmark::State& state) { BenchMatchday(state, 20); }

// The whole day with its end: results, archive and ratings.
void BM_MatchdayOfTenMatchesWithArchive(benchmark::State& state)
{
    matchdaytest::BuildWorld(20, 4242);
    matchdaytest::PrepareLineups();
    const std::vector<MatchdayFixture> fixtures = matchdaytest::PairedFixtures();
    const Snapshot snapshot = Snapshot::Take();
    const std::vector<TClub> clubs = Clubs;
    for (auto _ : state) {
        state.PauseTiming();
        snapshot.Restore();
        Clubs = clubs;
        MatchReports.clear();
        ReportEvents.clear();
        Appearances.clear();
        SubAppearances.clear();
        state.ResumeTiming();
        PlayWholeMatchday(fixtures, MatchdayRecordOfToday());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(fixtures.size()));
}

}  // namespace

BENCHMARK(BM_OneMatch)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MatchdayOfTenMatches)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MatchdayOfTenMatchesWithArchive)->Unit(benchmark::kMicrosecond);
