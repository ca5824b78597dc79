// The stand picture of a dense stand at the picture size of the 1366 x 768
// layout (1347 x 728 window): 4500 trees, all drawn, and 12000 trees, thinned
// to about 4500 drawn. The stands are sapling stands as the measurement
// builds them (fixed seed).

#include <QImage>
#include <benchmark/benchmark.h>

#include "bench/windows/BenchWindows.h"
#include "ui/StandPicture.h"
#include "stands/Intro.h"
#include "tests/support/PictureStands.h"
#include "ui/Session.h"

namespace {

// Each drawing of the same stand after the first finds its trees' pictures
// scaled already; with `cold` each drawing decodes and scales them anew.
void RenderDenseStand(benchmark::State& state, bool cold) {
  const int n = static_cast<int>(state.range(0));
  CreateWindowsAt1366x768();
  const QSize size(ActForm->PictureWidth, ActForm->Image3->height());
  auto stand = picturestands::MakeStand(picturestands::kDense, 7, n);
  const float G = stand->SlotBasalArea(0);
  int counts[kSpeciesSlots] = {};
  stand->CountStandingBySpecies(100, counts);
  TheSession->CurrentStand = std::move(stand);
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    if (cold) FreeStandPictureBitmaps();
    RenderStandPicture(ActForm->WindowSize(), ActForm, image, counts, n, G, false, true, false, false, TreeFilterAll);
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["width"] = size.width();
  state.counters["height"] = size.height();
  TheSession->CurrentStand.reset();
  DestroyApplicationWindows();
}
void BM_RenderStandPicture(benchmark::State& state) { RenderDenseStand(state, false); }
void BM_RenderStandPictureCold(benchmark::State& state) { RenderDenseStand(state, true); }

BENCHMARK(BM_RenderStandPicture)
    ->Arg(4500)
    ->Arg(12000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_RenderStandPictureCold)
    ->Arg(4500)
    ->Arg(12000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
