// Saving and loading a large game: thousands of players and a season's worth of history.
#include <benchmark/benchmark.h>

#include "core/hooks.h"
#include "core/persist/saved_game.h"
#include "core/persist/saved_game_image.h"
#include "tests/core/saved_game_world.h"

using namespace tarvelon;

namespace {

void BuildLargeGame(std::size_t players)
{
    savetest::BuildSaveWorld(players, players / 25, 2026);
    Game.saveName.set("grande.nsx");
}

void BM_SaveGame(benchmark::State& state)
{
    savetest::ScratchFolder folder("bench-save");
    BuildLargeGame(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(SaveGame());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(WriteSavedGameImage().size()));
}

void BM_LoadGame(benchmark::State& state)
{
    savetest::ScratchFolder folder("bench-load");
    BuildLargeGame(static_cast<std::size_t>(state.range(0)));
    SaveGame();
    const auto bytes = static_cast<std::int64_t>(WriteSavedGameImage().size());
    for (auto _ : state) benchmark::DoNotOptimize(LoadGame("grande.nsx"));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bytes);
}

}  // namespace

BENCHMARK(BM_SaveGame)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadGame)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);
