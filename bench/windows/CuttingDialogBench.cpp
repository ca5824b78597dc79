// The trial of each cutting dialog on the densest stand the program takes
// (12000 stems/ha, built by the engine from a measurement): one
// recalculation as an option change runs it (the reset of the trial phase,
// the cutting pattern, the two preview pictures, the recording of the trial
// phase, the result labels and the chart). The deliberate pause before the
// pictures are drawn is switched off.

#include <QCheckBox>
#include <QComboBox>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include "model/AssortmentSums.h"
#include "model/Phase.h"
#include "operations/Gate.h"
#include "operations/PlocCutt.h"
#include "operations/Roads.h"
#include "operations/Th1.h"
#include "operations/Th1Rules.h"
#include "operations/Th4.h"
#include "platform/Clock.h"
#include "platform/Numbers.h"
#include "platform/Screen.h"
#include "stands/Intro.h"
#include "app/Startup.h"
#include "tests/support/PictureStands.h"
#include "ui/RadioGroup.h"
#include "ui/WindowHelpers.h"
#include "ui/Session.h"

namespace {

// The windows made, the dense stand opened at phase 0 and the dialog opened
// on it (its first trial untimed, and `trial` once, so that the controls it
// sets are set); `trial` then runs one recalculation.
template <typename Dialog, typename Trial>
void RunTrials(benchmark::State& state, Dialog*& dialog, Trial trial) {
  InstallFontSubstitutions();
  platform::SetScreenMetrics({.width = 1366, .height = 768});
  CreateApplicationWindows();
  TheSession->CurrentStand = picturestands::MakeStand(picturestands::kDense, 31337);
  state.counters["trees"] = TheSession->CurrentStand->TreeCount();
  SetCurrentPhase(0);
  dialog->Open();
  trial();
  for (auto _ : state) trial();
  dialog->reject();
  TheSession->CurrentStand.reset();
  DestroyApplicationWindows();
}

// Stem count (page 1, the middle item), basal area (page 2), minimum
// distance (page 3, 2.50 m); low thinning. The floor of the first two is
// BM_ThinningSortedPass: the part of the thinning that no search of a
// spacing can spare.
void BM_RecalculateThinning(benchmark::State& state, int page) {
  RunTrials(state, Th1Form, [page] {
    Th1Form->PageControl1->setCurrentIndex(page);
    Th1Form->RecalculateThinning();
  });
}
BENCHMARK_CAPTURE(BM_RecalculateThinning, stems, 1)
    ->Arg(12000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_RecalculateThinning, basalArea, 2)
    ->Arg(12000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_RecalculateThinning, distance, 3)
    ->Arg(12000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The floor of a thinning to a stem count or basal area on the same stand
// and target as the dialog's: the list sorted by height, the trees taken
// from the lowest up until the target is reached, and the list sorted back
// by y.
void BM_ThinningSortedPass(benchmark::State& state, bool basalArea) {
  const std::unique_ptr<data> s = picturestands::MakeStand(picturestands::kDense, 31337);
  const int stems = s->SlotTreeCount(0);
  const float g = s->SlotBasalArea(0);
  const ThinningChoices c = basalArea ? BasalAreaChoices(stems, g) : StemCountChoices(stems);
  const float target = static_cast<float>(c.values[static_cast<std::size_t>(c.selected)]);
  const float current = basalArea ? g : static_cast<float>(stems);
  state.counters["trees"] = stems;
  for (auto _ : state) {
    s->UndoOperation(1);
    s->SortAllTrees(data::SortHeight);
    float removed = 0.0f;
    for (int i = 0; target + removed < current && i < s->TreeCount(); ++i) {
      if (!IsStanding(s->Trees[i])) continue;
      s->Trees[i].removedBy = 1;
      removed += basalArea ? TreeBasalArea(s->TreeDiameter(i)) : 1.0f;
    }
    s->SortAllTrees(data::SortY);
  }
}
BENCHMARK_CAPTURE(BM_ThinningSortedPass, stems, false)
    ->Arg(12000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_ThinningSortedPass, basalArea, true)
    ->Arg(12000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Every birch, and the pines smaller than pulpwood.
void BM_RecalculateSpeciesRemoval(benchmark::State& state) {
  RunTrials(state, Th4Form, [] {
    Th4Form->CheckBoxes[0]->setChecked(true);
    Th4Form->ComboBoxes[0]->setCurrentIndex(Th4Form->ComboBoxes[0]->count() - 1);
    Th4Form->CheckBoxes[2]->setChecked(true);
    Th4Form->ComboBoxes[2]->setCurrentIndex(0);
    Th4Form->RecalculateSpeciesRemoval();
  });
}
BENCHMARK(BM_RecalculateSpeciesRemoval)
    ->Arg(12000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The default roads: 4.0 m every 20 m.
void BM_RecomputeStripRoads(benchmark::State& state) {
  RunTrials(state, RoadForm, [] { RoadForm->RecomputeStripRoads(); });
}
BENCHMARK(BM_RecomputeStripRoads)
    ->Arg(12000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The default corridors: 2.0 m every 10 m.
void BM_RecomputeCorridorThinning(benchmark::State& state) {
  RunTrials(state, GateForm, [] { GateForm->RecomputeCorridorThinning(); });
}
BENCHMARK(BM_RecomputeCorridorThinning)
    ->Arg(12000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A third of the growing stock, large trees weighted. Its floor is
// BM_SelectionSortedPasses.
void BM_RunSelectionCutting(benchmark::State& state) {
  RunTrials(state, PlocCuttForm, [] {
    const int v = TheSession->CurrentStand->SlotTotalVolume(0);
    PlocCuttForm->RunSelectionCutting(v - v / 3, v, true, QString(), QString());
  });
}
BENCHMARK(BM_RunSelectionCutting)
    ->Arg(12000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The floor of that selection cutting on the same stand: its two passes over
// the sorted list, each with its sorts (the largest trees by diameter, then
// the volume thinning from above by height), without the spacing pass.
void BM_SelectionSortedPasses(benchmark::State& state) {
  const std::unique_ptr<data> s = picturestands::MakeStand(picturestands::kDense, 31337);
  const int v = s->SlotTotalVolume(0);
  const int target = v - v / 3;
  state.counters["trees"] = s->TreeCount();
  for (auto _ : state) {
    s->UndoOperation(1);
    s->SelectLargestTrees(0, static_cast<float>(platform::RoundHalfAway(0.2 * (v - target))));
    s->SortAllTrees(data::SortHeight);
    s->ThinToVolumeByHeight(0, static_cast<float>(target), false);
    s->SortAllTrees(data::SortY);
  }
}
BENCHMARK(BM_SelectionSortedPasses)
    ->Arg(12000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
