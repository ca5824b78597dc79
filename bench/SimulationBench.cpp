// Timings of the stand sample build, growth and the stand-age estimate on a
// full 12000-stem stand built with a fixed seed.

#include "model/Ages.h"
#include "model/ClassTables.h"
#include "model/Data.h"
#include "model/Sample.h"
#include "operations/IncRules.h"
#include "platform/Random.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr std::uint64_t kSeed = 4242;

// A young pine-spruce-birch stand of exactly `stems` stems (or as close
// below as the basal-area lists allow).
SampleMeasurement MeasurementOf(int stems) {
    SampleMeasurement best;
    int bestTotal = -1;
    const int diam[5] = {7, 6, 5, 0, 0};
    for (int pine = 10; pine <= 300 && bestTotal != stems; pine += 1) {
        for (int birch = 0; birch <= 60; ++birch) {
            const int basal[5] = {pine, 40, birch, 0, 0};
            const int total = StemCountAlternativeTotal(basal, diam, kDefaultStemCountAlternative);
            if (total > stems) break;
            if (total > bestTotal) {
                bestTotal = total;
                best = SampleMeasurement{};
                best.meanDiameter = {7, 6, 5, 0, 0};
                best.meanHeightTenths = {70, 60, 65, 0, 0};
                best.basalAreaTenths = {pine, 40, birch, 0, 0};
                int counts[5] = {};
                ApplyStemCountAlternative(basal, diam, kDefaultStemCountAlternative, counts,
                                          best.classes);
                for (int s = 0; s < 5; ++s) best.stems[static_cast<std::size_t>(s)] = counts[s];
            }
            if (total == stems) break;
        }
    }
    best.grouping = 1;
    best.developmentClass = 4;
    return best;
}

std::unique_ptr<data> StandOf(int stems) {
    platform::ForceSeed(kSeed);
    const SampleMeasurement m = MeasurementOf(stems);
    const int n = RebuildStandSample(m);
    platform::ClearForcedSeed();
    auto stand = std::make_unique<data>(n);
    MeasurementParams params;
    params.header.developmentClass = 4;
    for (int s = 0; s < 5; ++s) {
        params.blocks[static_cast<std::size_t>(s)].words[WordMeanDiameter] =
            m.meanDiameter[static_cast<std::size_t>(s)];
        params.blocks[static_cast<std::size_t>(s)].words[WordStems] = m.stems[static_cast<std::size_t>(s)];
    }
    params.sampleCount = n;
    stand->FillFromMeasurement(params);
    stand->RecordPhase(0, QStringLiteral("mitattu"), 0, 0);
    return stand;
}

void BM_RebuildStandSample(benchmark::State& state) {
    const SampleMeasurement m = MeasurementOf(static_cast<int>(state.range(0)));
    platform::ForceSeed(kSeed);
    for (auto _ : state) benchmark::DoNotOptimize(RebuildStandSample(m));
    platform::ClearForcedSeed();
    state.SetLabel(std::to_string(m.TotalStems()) + " trees");
    FreeSampleTrees();
}
BENCHMARK(BM_RebuildStandSample)->Arg(12000)->Unit(benchmark::kMillisecond);

void BM_GrowTrees(benchmark::State& state) {
    auto stand = StandOf(static_cast<int>(state.range(0)));
    const int ages[kSpeciesSlots] = {12, 14, 10, 0, 0, 0};
    GrownSizeArray out = stand->AllocGrownSizes();
    for (auto _ : state) {
        stand->GrowTrees(out, 1, 20, ages, true, true);
        state.PauseTiming();
        stand->UndoOperation(1);
        state.ResumeTiming();
    }
    state.SetLabel(std::to_string(stand->TreeCount()) + " trees");
}
BENCHMARK(BM_GrowTrees)->Arg(12000)->Unit(benchmark::kMillisecond);

void BM_EstimateStandAges(benchmark::State& state) {
    auto stand = StandOf(static_cast<int>(state.range(0)));
    for (auto _ : state) EstimateSpeciesAges(*stand);
    state.SetLabel(std::to_string(stand->TreeCount()) + " trees");
    state.counters["pineAge"] = stand->SpeciesValue(0, 8);
}
BENCHMARK(BM_EstimateStandAges)->Arg(12000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The growth dialog's 20-year forecast table: the stand grown afresh over 5,
// 10, 15 and 20 years with mortality, valued and summed after each, every
// trace undone.
void BM_GrowthForecast(benchmark::State& state) {
    auto stand = StandOf(static_cast<int>(state.range(0)));
    const int ages[kSpeciesSlots] = {12, 14, 10, 0, 0, 0};
    PriceFactors prices;
    prices.fill(30.0f);
    for (auto _ : state) benchmark::DoNotOptimize(FillGrowthForecast(*stand, 0, 2019, ages, true, prices));
    state.SetLabel(std::to_string(stand->TreeCount()) + " trees");
}
BENCHMARK(BM_GrowthForecast)->Arg(12000)->Unit(benchmark::kMillisecond);

}  // namespace
