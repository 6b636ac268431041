#include <benchmark/benchmark.h>

#include "core/basics/random.h"

static void BM_Random(benchmark::State& state)
{
    tarvelon::RandSeed = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(tarvelon::Random(1000));
}
BENCHMARK(BM_Random);
