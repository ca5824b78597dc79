// Timings of the tree models and of the stand-level operations on a full
// 12000-tree stand (built by code with a fixed seed).

#include "model/Calc.h"
#include "model/Data.h"
#include "tests/model/StandFixture.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_StemVolume(benchmark::State& state) {
  float d = 500.0f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(StemVolume(d, 1800.0f, 0));
    d = d < 4000.0f ? d + 1.0f : 500.0f;
  }
}
BENCHMARK(BM_StemVolume);

void BM_RecordPhase(benchmark::State& state) {
  auto s = standfixture::MakeStand(static_cast<int>(state.range(0)), 2026);
  for (auto _ : state) {
    s->RecordPhase(0, "Mitattu", 0, 0);
    benchmark::DoNotOptimize(s->Slots[0].volumes);
  }
}
BENCHMARK(BM_RecordPhase)->Arg(12000)->Unit(benchmark::kMillisecond);

// A stand with one growing step, so that files carry grown sizes as well.
std::unique_ptr<data> GrownStand(int n) {
  auto s = standfixture::MakeStand(n, 2026);
  s->RecordPhase(0, "Mitattu", 0, 0);
  s->Slots[1].name = "Kasvu";
  s->Slots[1].years = 5;
  s->GrownSizes1.resize(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) s->GrownSizes1[i] = {s->Trees[i].diameter * 1.05f, s->Trees[i].height * 1.03f};
  return s;
}

void BM_WriteNewFile(benchmark::State& state) {
  QTemporaryDir dir;
  auto s = standfixture::MakeStand(static_cast<int>(state.range(0)), 2026);
  const QString path = dir.filePath("12a.Norvalen");
  for (auto _ : state) {
    if (s->WriteNewFile(path) != StandFileStatus::Ok) state.SkipWithError("write failed");
    state.PauseTiming();
    s->SortTrees(0, s->TreeCount() - 1, 1);  // back to y order, as a stand is drawn
    state.ResumeTiming();
  }
}
BENCHMARK(BM_WriteNewFile)->Arg(12000)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& state) {
  QTemporaryDir dir;
  auto s = GrownStand(static_cast<int>(state.range(0)));
  const QString path = dir.filePath("12a.Norvalen");
  s->WriteNewFile(path);
  s->SortTrees(0, s->TreeCount() - 1, 1);
  for (auto _ : state) {
    if (s->Save(path) != StandFileStatus::Ok) state.SkipWithError("save failed");
  }
}
BENCHMARK(BM_Save)->Arg(12000)->Unit(benchmark::kMillisecond);

void BM_ReadFile(benchmark::State& state) {
  QTemporaryDir dir;
  auto s = GrownStand(static_cast<int>(state.range(0)));
  const QString path = dir.filePath("12a.Norvalen");
  s->WriteNewFile(path);
  s->Save(path);
  for (auto _ : state) {
    std::unique_ptr<data> back;
    if (data::ReadStandFile(path, false, back) != StandFileStatus::Ok) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(back);
    state.counters["trees"] = back ? back->TreeCount() : -1;
  }
}
BENCHMARK(BM_ReadFile)->Arg(12000)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

void BM_SortTreesForSave(benchmark::State& state) {
  auto s = GrownStand(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    s->SortTreesForSave(true, true);
    s->SortTreesForSave(false, false);
  }
}
BENCHMARK(BM_SortTreesForSave)->Arg(12000)->Unit(benchmark::kMillisecond);

// One growth period of every tree of the stand: each call working out the
// stock and age terms itself, or with the terms worked out once per period
// (stock) and per species (age), as the stand growth can call it.
void BM_TreeGrowthStep(benchmark::State& state, bool precomputed) {
  auto s = standfixture::MakeStand(static_cast<int>(state.range(0)), 2026);
  const int n = s->TreeCount();
  const float G = 22.0f, Dg = 21.0f, Hdom = 20.0f;
  for (auto _ : state) {
    float sum = 0.0f;
    if (precomputed) {
      const GrowthStockTerms stock = MakeGrowthStockTerms(G, Dg, Hdom);
      GrowthAgeTerms ages[kSpeciesSlots];
      for (int sp = 0; sp < kSpeciesSlots; ++sp) ages[sp] = MakeGrowthAgeTerms(40.0f + sp, sp);
      for (int i = 0; i < n; ++i) {
        const TreeRecord& t = s->Trees[i];
        float d = 0.0f, h = 0.0f;
        TreeGrowthStep(d, h, t.diameter * 0.01f, t.height * 0.01f, 5, ages[t.species], stock);
        sum += d + h;
      }
    } else {
      for (int i = 0; i < n; ++i) {
        const TreeRecord& t = s->Trees[i];
        float d = 0.0f, h = 0.0f;
        TreeGrowthStep(d, h, t.diameter * 0.01f, t.height * 0.01f, t.species,
                       40.0f + t.species, 5, G, Dg, 0.0f, Hdom);
        sum += d + h;
      }
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK_CAPTURE(BM_TreeGrowthStep, per_call, false)->Arg(12000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_TreeGrowthStep, precomputed, true)->Arg(12000)->Unit(benchmark::kMicrosecond);

}  // namespace
