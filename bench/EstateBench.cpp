// Timing of the estate stand list: the records and the stand-list rows of a
// folder of realistic stand files (500 to 1500 trees, every third with a
// growing step recorded), written once by code with a fixed seed.

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "model/Estate.h"
#include "stands/EstateListRules.h"
#include "tests/support/EstateFixture.h"

namespace {

QString EstateFolder(int files) {
  static QTemporaryDir dir;
  static int written = 0;
  for (; written < files; ++written) {
    const QString id = QString::number(written + 1);
    auto s = estatefixture::MakeStand(id, 500 + (written * 37) % 1000, 2015 + written % 4, 0.5f + (written % 7) * 0.4f,
                                      3 + written % 5, 1 + written % 6, static_cast<unsigned>(written));
    s->RecordPhase(0, "dummyStr", 0, 0);
    if (written % 3 == 0) {
      s->Slots[1] = s->Slots[0];
      s->Slots[1].name = "Kasvatus";
      s->Slots[1].years = 10;
      s->GrownSizes1.resize(s->Trees.size());
      for (size_t i = 0; i < s->Trees.size(); ++i)
        s->GrownSizes1[i] = {s->Trees[i].diameter * 1.1f, s->Trees[i].height * 1.08f};
    }
    estatefixture::WriteStand(*s, dir.filePath(id + ".Norvalen"));
  }
  return dir.path();
}

void BM_ListEstateFolder(benchmark::State& state) {
  const QString folder = EstateFolder(static_cast<int>(state.range(0)));
  const QString sep = MainStandListSeparator();
  for (auto _ : state) {
    const EstateRecordList records = ListEstateFolder(folder);
    QStringList rows;
    for (const EstateRecord& r : records) rows << StandListRowText(r, false, sep, nullptr, false);
    if (records.size() != static_cast<size_t>(state.range(0))) state.SkipWithError("files missing");
    benchmark::DoNotOptimize(rows);
  }
}
BENCHMARK(BM_ListEstateFolder)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace
