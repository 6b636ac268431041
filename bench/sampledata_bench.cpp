#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tools/sampledata/club_catalogue.h"
#include "tools/sampledata/crest_art.h"
#include "tools/sampledata/image.h"
#include "tools/sampledata/sample_database.h"

namespace sd = tarvelon::sampledata;

// The clubs and squads of the whole database, in memory.
static void BM_SampleClubs(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(sd::MakeSampleClubs(sd::SampleRandom(1)));
}
BENCHMARK(BM_SampleClubs)->Unit(benchmark::kMillisecond);

static void BM_CrestPng(benchmark::State& state)
{
    const sd::CrestDesign design{0x0000C8, 0xFFFFFF, 3, 'T'};
    for (auto _ : state)
        benchmark::DoNotOptimize(sd::EncodePng(sd::DrawCrest(design, sd::kCrestWidth, sd::kCrestHeight), true));
}
BENCHMARK(BM_CrestPng);

// Every file of the database written to a temporary folder.
static void BM_WholeSampleDatabase(benchmark::State& state)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tarvelon-bench-XXXXXX").string();
    const std::filesystem::path folder = mkdtemp(pattern.data());
    for (auto _ : state)
        benchmark::DoNotOptimize(sd::WriteSampleDatabase(folder, 1));
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_WholeSampleDatabase)->Unit(benchmark::kMillisecond)->Iterations(2);
