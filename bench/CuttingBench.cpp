// Thinnings and strip roads on the densest stand the program takes: 12000
// stems per hectare, a young mixed stand of small trees (basal area about
// 40 m2/ha), drawn with a fixed seed.

#include "model/Data.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

data DenseStand(int n) {
  data s(n);
  std::mt19937 gen(20261206);
  std::uniform_real_distribution<float> ux(20.0f, 620.0f), uy(50.0f, 200.0f), ud(150.0f, 1100.0f),
      un(-60.0f, 60.0f);
  std::uniform_int_distribution<int> us(0, 4);
  for (TreeRecord& t : s.Trees) {
    t.x = ux(gen);
    t.y = uy(gen);
    t.diameter = ud(gen);
    t.height = 200.0f + t.diameter * 0.9f + un(gen);
    t.species = us(gen);
  }
  s.SortTrees(0, n - 1, 1);  // y order, as the cutting patterns leave it
  s.RecordPhase(0, "mitattu", 0, 0);
  return s;
}

// Runs op on a fresh copy of the stand in every iteration; only op is timed.
template <typename Op>
void RunOnCopies(benchmark::State& state, Op op) {
  const data base = DenseStand(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    data s = base;
    state.ResumeTiming();
    op(s);
    benchmark::DoNotOptimize(s.Trees.data());
  }
}

void BM_ThinToTargetVolume(benchmark::State& state, bool low) {
  // A removal of 30 % of the standing volume.
  RunOnCopies(state, [low](data& s) {
    benchmark::DoNotOptimize(s.ThinToTargetVolume(0, s.SlotTotalVolume(0) * 0.7f, 2, low));
  });
}
BENCHMARK_CAPTURE(BM_ThinToTargetVolume, low, true)->Arg(12000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ThinToTargetVolume, high, false)->Arg(12000)->Unit(benchmark::kMillisecond);

void BM_SpacingThinning(benchmark::State& state) {
  RunOnCopies(state, [](data& s) {
    benchmark::DoNotOptimize(s.SpacingThinningPass(0, s.SlotTotalVolume(0) * 0.7f, 2, true));
  });
}
BENCHMARK(BM_SpacingThinning)->Arg(12000)->Unit(benchmark::kMillisecond);

void BM_SelectStripRoads(benchmark::State& state) {
  RunOnCopies(state, [](data& s) { s.SelectStripRoads(5.0f, 20.0f, 1); });
}
BENCHMARK(BM_SelectStripRoads)->Arg(12000)->Unit(benchmark::kMillisecond);

}  // namespace
