// A long game from the sample database with every league and competition on (the command's own
// game): ten seasons one after another, each timed on its own, so a season that costs more as the
// history piles up shows; and the game of nine seasons saved and loaded beside a plain write and
// read of the same bytes, so the cost of the save format shows apart from the disk's.
#include <benchmark/benchmark.h>

#include <time.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "bench/sample_game.h"
#include "bench/thread_clock.h"
#include "core/basics/time_probe.h"
#include "core/services/rule_services.h"
#include "core/persist/saved_game.h"
#include "core/persist/saved_game_image.h"
#include "core/records/game_state.h"
#include "core/seasonloop/season_loop.h"
#include "tools/sim/sim_run.h"

namespace {

using namespace tarvelon;
using bench::StartSampleGame;
using bench::ThreadSeconds;

constexpr char kNineSeasonSave[] = "nove-temporadas.nsx";
constexpr char kRawCopy[] = "sav/copia-crua.bin";

// Ten seasons from a new game, played in full three times over (the same game each time: the run
// is seeded); the counters season1 .. season10 are each season's least seconds over the three, which
// a busy machine inflates least, and growth is season 10 over season 2 (the first season has no
// continental cups yet; seasons 2 and 10 play the same competitions).
//
// From the sixth season on the rules have the computer clubs make three more transfers after every
// league round for each of their draws: more work, not a slowdown. The transfers after the rounds
// are timed apart (transfers1 .. transfers10, from the same round as the season's least time), and
// same_work_growth is season 10 over season 2 without them: what the history piled up costs.
constexpr int kTenSeasonRounds = 3;

struct SeasonTime {
    double seconds = 0;
    double transfers = 0;
};

SeasonTime PlayTimedSeason()
{
    const std::uint64_t transfersBefore = RoundTransfersTime().nanoseconds;
    const double start = ThreadSeconds();
    benchmark::DoNotOptimize(PlaySeason());
    const double seconds = ThreadSeconds() - start;
    return {seconds, static_cast<double>(RoundTransfersTime().nanoseconds - transfersBefore) * 1e-9};
}

void BM_TenSeasonsInARow(benchmark::State& state)
{
    SetTimeProbesOn(true);
    for (auto _ : state) {
        SeasonTime least[11] = {};
        for (int round = 0; round < kTenSeasonRounds; ++round) {
            state.PauseTiming();
            if (!StartSampleGame(state))
                return;
            state.ResumeTiming();
            for (int season = 1; season <= 10; ++season) {
                const SeasonTime played = PlayTimedSeason();
                if (round == 0 || played.seconds < least[season].seconds)
                    least[season] = played;
            }
        }
        for (int season = 1; season <= 10; ++season) {
            state.counters["season" + std::to_string(season)] = least[season].seconds;
            state.counters["transfers" + std::to_string(season)] = least[season].transfers;
        }
        state.counters["growth"] = least[10].seconds / least[2].seconds;
        state.counters["same_work_growth"] =
            (least[10].seconds - least[10].transfers) / (least[2].seconds - least[2].transfers);
    }
    SetTimeProbesOn(false);
}
BENCHMARK(BM_TenSeasonsInARow)->Unit(benchmark::kSecond)->Iterations(1);

// The game after nine seasons, played once for all the save and load benchmarks of the run and
// saved in the sample folder; the bytes of its saved game.
const std::string& NineSeasonGame(benchmark::State& state)
{
    static const std::string bytes = [&state] {
        if (!StartSampleGame(state))
            return std::string();
        for (int season = 1; season <= 9; ++season)
            PlaySeason();
        Game.saveName.set(kNineSeasonSave);
        if (SaveGame() != SaveOutcome::kSaved)
            return std::string();
        return WriteSavedGameImage();
    }();
    if (bytes.empty())
        state.SkipWithError("the nine-season game could not be played or saved");
    return bytes;
}

void CountBytes(benchmark::State& state, const std::string& bytes)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
    state.counters["MB"] = static_cast<double>(bytes.size()) / 1e6;
}

void BM_SaveNineSeasonGame(benchmark::State& state)
{
    const std::string& bytes = NineSeasonGame(state);
    for (auto _ : state)
        if (SaveGame() != SaveOutcome::kSaved)
            state.SkipWithError("the save failed");
    CountBytes(state, bytes);
}
BENCHMARK(BM_SaveNineSeasonGame)->Unit(benchmark::kMillisecond);

void BM_LoadNineSeasonGame(benchmark::State& state)
{
    const std::string& bytes = NineSeasonGame(state);
    for (auto _ : state)
        if (LoadGame(kNineSeasonSave) == LoadOutcome::kFailed)
            state.SkipWithError("the load failed");
    CountBytes(state, bytes);
}
BENCHMARK(BM_LoadNineSeasonGame)->Unit(benchmark::kMillisecond);

// The same bytes written and read back as plainly as the library allows: what the disk and the
// system cost, without the save format.
void BM_RawWriteNineSeasonBytes(benchmark::State& state)
{
    const std::string& bytes = NineSeasonGame(state);
    for (auto _ : state) {
        std::ofstream out(kRawCopy, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out)
            state.SkipWithError("the raw write failed");
    }
    CountBytes(state, bytes);
}
BENCHMARK(BM_RawWriteNineSeasonBytes)->Unit(benchmark::kMillisecond);

void BM_RawReadNineSeasonBytes(benchmark::State& state)
{
    const std::string& bytes = NineSeasonGame(state);
    std::ofstream(kRawCopy, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    for (auto _ : state) {
        std::ifstream in(kRawCopy, std::ios::binary);
        std::string read(bytes.size(), '\0');
        in.read(read.data(), static_cast<std::streamsize>(read.size()));
        if (in.gcount() != static_cast<std::streamsize>(bytes.size()))
            state.SkipWithError("the raw read fell short");
        benchmark::DoNotOptimize(read.data());
    }
    CountBytes(state, bytes);
}
BENCHMARK(BM_RawReadNineSeasonBytes)->Unit(benchmark::kMillisecond);

}  // namespace
