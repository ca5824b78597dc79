// The overview page's refresh after a change of the stand: both dot maps
// (every tree a dot, drawn from low to tall, the tree list sorted in place
// for each map and back by y) with both charts and the legend
// texts (second argument 1), or the maps alone (0), at the 1366 x 768
// layout, for a dense sapling stand of 4500 and of 12000 trees (fixed seed).

#include <benchmark/benchmark.h>

#include "bench/windows/BenchWindows.h"
#include "model/Phase.h"
#include "stands/Intro.h"
#include "tests/support/PictureStands.h"
#include "ui/Session.h"

namespace {

void BM_DrawTreeMaps(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  CreateWindowsAt1366x768();
  TheSession->CurrentStand = picturestands::MakeStand(picturestands::kDense, 7, n);
  SetCurrentPhase(0);
  for (auto _ : state) ActForm->DrawTreeMaps(true, state.range(1) != 0);
  state.counters["width"] = ActForm->Image13->width();
  TheSession->CurrentStand.reset();
  DestroyApplicationWindows();
}

BENCHMARK(BM_DrawTreeMaps)
    ->Args({4500, 1})
    ->Args({12000, 1})
    ->Args({12000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
