// The measurement window's preview of a full measurement, through the
// window (offscreen, pauses off).

#include <QComboBox>
#include <QListWidget>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "mainwindow/Acts.h"
#include "model/ClassTables.h"
#include "model/Sample.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/Screen.h"
#include "ui/Session.h"
#include "app/Startup.h"
#include "stands/Meas.h"
#include "stands/Open.h"
#include "ui/MessageService.h"
#include "ui/WindowHelpers.h"

namespace {

// Pine, spruce and birch at small diameters with the basal areas that bring
// the default alternative closest to `stems` without passing it.
void EnterDenseMeasurement(TMeasForm* w, int stems) {
  const std::array<QComboBox*, 5> d = w->DiameterLists();
  const std::array<QComboBox*, 5> g = w->BasalAreaLists();
  for (int s = 0; s < 3; ++s) {
    d[static_cast<std::size_t>(s)]->setCurrentIndex(2);  // 3 cm
    w->FillHeightAndBasalAreaLists(s);
  }
  int best = 1;
  for (int i = 1; i < g[0]->count(); ++i) {
    const int tenths = TenthsFromText(g[0]->itemText(i));
    const int basal[5] = {tenths, tenths, tenths, 0, 0};
    const int diam[5] = {3, 3, 3, 0, 0};
    if (StemCountAlternativeTotal(basal, diam, kDefaultStemCountAlternative) <= stems) best = i;
  }
  for (int s = 0; s < 3; ++s) g[static_cast<std::size_t>(s)]->setCurrentIndex(best);
}

// The program's windows once, on a 1366 x 768 screen in a program folder of
// its own, with every message window scripted.
void EnsureWindows() {
  static bool made = false;
  if (made) return;
  made = true;
  static QTemporaryDir dir;
  QDir().mkpath(dir.path() + "/Ohjelma");
  QDir::setCurrent(dir.path() + "/Ohjelma");
  InstallFontSubstitutions();
  platform::SetScreenMetrics({.width = 1366, .height = 768, .menuBarHeight = 20});
  static MessageScript script;  // nothing is shown
  CreateApplicationWindows();
}

// The measurement window shown for a new young stand with the dense
// measurement of about `stems` stems entered.
TMeasForm* ShowDenseMeasurement(int stems) {
  EnsureWindows();
  TMeasForm* w = MeasForm;
  w->IsNewStand = true;
  w->Initialised = false;
  w->show();
  w->FormActivate();
  w->ComboBox10->setCurrentIndex(5);
  w->ApplyDevelopmentClassLayout(5);
  EnterDenseMeasurement(w, stems);
  return w;
}

// One basal-area choice: the stem counts, the sample build, the dot map,
// the means line and both charts. Its floor is BM_PlaceSampleTrees.
void BM_MeasurementPreview(benchmark::State& state) {
  TMeasForm* w = ShowDenseMeasurement(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    w->ComboBox1Change();
    benchmark::DoNotOptimize(SampleTreeCount());
  }
  state.counters["stems"] = w->EnteredTotalStemCount();
  w->hide();
}
BENCHMARK(BM_MeasurementPreview)->Arg(12000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor of the preview: the placement of its sample (the same stems and
// grouping), which every build of a sample does.
void BM_PlaceSampleTrees(benchmark::State& state) {
  TMeasForm* w = ShowDenseMeasurement(static_cast<int>(state.range(0)));
  w->ComboBox1Change();
  const int n = w->EnteredTotalStemCount();
  const int grouping = w->ListBox2->currentRow();
  for (auto _ : state) {
    platform::SeedRandomFromClock();
    PlaceSampleTrees(n, grouping);
  }
  state.counters["stems"] = n;
  w->hide();
}
BENCHMARK(BM_PlaceSampleTrees)->Arg(12000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The open-stand window's 1-ha map of a stand file's trees, every third a
// log tree.
void BM_OpenPreviewMap(benchmark::State& state) {
  EnsureWindows();
  OpenForm->PreviewMapTrees.clear();
  for (int i = 0; i < state.range(0); ++i)
    OpenForm->PreviewMapTrees.push_back({20.0f + static_cast<float>(platform::Random(600)),
                                         50.0f + static_cast<float>(platform::Random(150)), i % 5, i % 3 == 0});
  for (auto _ : state) OpenForm->DrawPreviewMap();
}
BENCHMARK(BM_OpenPreviewMap)->Arg(12000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
