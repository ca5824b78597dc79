// Opening an estate folder: listing the stand files, reading every stand's
// fixed records and totalling the estate for the panel, the chart, the grid,
// the summary and the overview's tables, over 200 stand files of 1000 trees
// each (built by code with fixed seeds).

#include <QTemporaryDir>

#include <algorithm>

#include <benchmark/benchmark.h>

#include "estate/EstateRules.h"
#include "estate/FolderRules.h"
#include "model/Estate.h"
#include "tests/support/EstateFixture.h"

namespace {

// Stands with chains of every kind: measured, grown once, thinned, grown
// and then thinned.
void WriteEstate(const QString& folder, int stands) {
  for (int i = 0; i < stands; ++i) {
    auto s = estatefixture::MakeStand(QStringLiteral("k%1").arg(i), 1000, 2024, 0.5f + (i % 7) * 0.4f, 2 + i % 8,
                                      1 + i % 6, static_cast<unsigned>(i + 1));
    s->RecordPhase(0, QStringLiteral("mittaus"), 0, 0);
    if (i % 4 == 1 || i % 4 == 3) {
      s->Slots[1] = s->Slots[0];
      s->Slots[1].name = QStringLiteral("kasvatus");
      s->Slots[1].years = 10;
      for (int& v : s->Slots[1].volumes) v += v / 4;
    }
    if (i % 4 >= 2) {
      PhaseSlot& cut = s->Slots[i % 4 == 3 ? 2 : 1];
      cut = s->Slots[i % 4 == 3 ? 1 : 0];
      cut.name = QStringLiteral("alaharvennus, 60 m3/ha");
      cut.years = 0;
      for (int& v : cut.volumes) v -= v / 3;
    }
    estatefixture::WriteStand(*s, folder + QStringLiteral("/k%1.Norvalen").arg(i));
  }
}

void BM_OpenEstateFolder(benchmark::State& state) {
  const int stands = static_cast<int>(state.range(0));
  QTemporaryDir dir;
  WriteEstate(dir.path(), stands);
  int readable = 0;
  for (auto _ : state) {
    const EstateRecordList records = ListEstateFolder(dir.path());
    const EstateTimePoints points = BuildEstateTimePoints(records);
    const Estate e{records, points};
    long long sum = 0;
    for (int i = 0; i < points.items.size(); ++i) {
      sum += EstateAssortmentTotal(e, EstateKindOfItem(points.items, i), false, true);
      sum += EstateAssortmentTotal(e, EstateKindOfItem(points.items, i), true, true);
    }
    AssortmentVector removal{};
    sum += EstateRemovalTotals(e, removal);
    const EstateGridCells grid = FillEstateGridCells(e, 0, false);
    const EstateChartContent chart = EstateChart(e, static_cast<int>(points.items.size()), false, false, 752);
    const QString summary = StandListSummaryTail(e, 0, false, QStringLiteral(",  "));
    const StandTable table = EstateStandTable(e, {true, false, 0});
    const Distribution classes = EstateDistribution(e, false);
    const Distribution sites = EstateDistribution(e, true);
    const AssortmentTable assortments = EstateAssortmentTable(e, 0);
    for (const EstateRecord& r : records) sum += EstateStandRemoval(e, r).volumeM3PerHa;
    readable = static_cast<int>(std::count_if(records.begin(), records.end(), [](const EstateRecord& r) { return r.IsReadable(); }));
    benchmark::DoNotOptimize(sum);
    benchmark::DoNotOptimize(grid.values[0].size() + chart.bars.size() + summary.size() + table.rows.size() +
                             classes.count.size() + sites.count.size() + assortments.title.size());
  }
  state.counters["stands"] = readable;
}
BENCHMARK(BM_OpenEstateFolder)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace
