// What the open-stand window shows, worked out by hand: the probe of a
// stand, the removal, the stand means, the list totals, the captions, the
// per-species table, the ages and the help lines. The list lines and the
// header's totals are read in the window (OpenWindowTest).

#include <gtest/gtest.h>

#include "model/Calc.h"
#include "model/Phase.h"
#include "stands/OpenRules.h"
#include "texts/Meoplan.h"

namespace {

PhaseSlot Slot(const char* name, int years, int volume) {
  PhaseSlot s;
  s.name = name;
  s.years = years;
  s.volumes[PineLogs] = volume;
  return s;
}

TEST(OpenRules, RemovalOfTheRecordedSteps) {
  const PhaseSlot none;
  const std::pair<std::array<PhaseSlot, kPhaseCount>, int> cases[] = {
      {{Slot("mitattu", 0, 100)}, 0},                                      // no step
      {{Slot("mitattu", 0, 100), Slot("alaharvennus", 0, 70)}, 30},        // a thinning
      // Growth to 130, then a thinning to 90: counted from the grown stock.
      {{Slot("mitattu", 0, 100), Slot("kasvu", 10, 130), Slot("alaharvennus", 0, 90)}, 40},
      // A thinning, then growth: the thinning's removal.
      {{Slot("mitattu", 0, 100), Slot("alaharvennus", 0, 70), Slot("kasvu", 5, 85)}, 30},
      // The last operation counts: growth 130, thinning 90, growth 110,
      // clear-cut to 0.
      {{Slot("mitattu", 0, 100), Slot("kasvu", 5, 130), Slot("alaharvennus", 0, 90), Slot("kasvu", 5, 110),
        Slot("avohakkuu", 0, 0)},
       130},
      // Steps after an unnamed slot are not read.
      {{Slot("mitattu", 0, 100), Slot("kasvu", 10, 130), none, Slot("avohakkuu", 0, 0)}, 0},
  };
  for (const auto& [phases, removal] : cases) EXPECT_EQ(PreviewRemovalOfSlots(phases), removal);
}

TEST(OpenRules, TreeSizesRoundedBeforeTheOutturnTable) {
  // The smallest whole diameter of a pine 20 m tall that gives logs, found
  // in the table itself.
  int d0 = 1;
  while (d0 < 80 && !TreeHasVolume(0, d0, 20)) ++d0;
  ASSERT_LT(d0, 80);
  ASSERT_GT(d0, 1);
  // (d0 - 0.5) cm rounds up to d0, a hundredth less rounds down.
  EXPECT_TRUE(TreeGivesLogs(0, (d0 - 0.5f) * 100.0f, 2000.0f));
  EXPECT_FALSE(TreeGivesLogs(0, (d0 - 0.5f) * 100.0f - 1.0f, 2000.0f));
  // 19.5 m rounds to 20 m.
  EXPECT_TRUE(TreeGivesLogs(0, d0 * 100.0f, 1950.0f));
  // Basal area of a 30 cm tree: pi x 0.15^2 m2.
  EXPECT_NEAR(TreeBasalArea(3000.0f), 0.0706858f, 1e-6f);
}

// Three trees: a pine 20 cm / 18 m, a spruce 30 cm / 24 m, a birch 10 cm /
// 12 m; the blocks' mean heights 5.0, 3.0 and 4.0 m.
std::unique_ptr<data> ThreeTrees(int devClass) {
  auto s = std::make_unique<data>(3);
  const float sizes[3][3] = {{2000, 1800, 50}, {3000, 2400, 30}, {1000, 1200, 40}};
  for (int i = 0; i < 3; ++i) {
    s->Trees[i].diameter = sizes[i][0];
    s->Trees[i].height = sizes[i][1];
    s->Trees[i].species = i;
    s->SpeciesBlocks[i].words[WordStems] = 1;
    s->SpeciesBlocks[i].words[WordMeanHeight] = static_cast<int>(sizes[i][2]);
  }
  s->Header.developmentClass = devClass;
  s->Slots[0] = Slot("mitattu", 0, 77);
  s->Slots[0].volumes[PinePulpwood] = 23;
  return s;
}

TEST(OpenRules, ProbeAndMeansOfAStand) {
  const auto s = ThreeTrees(6);
  const StandProbe p = ProbeStand(*s);
  EXPECT_EQ(std::tuple(p.treeCount, p.slot0Volume, p.slot0Volumes[PineLogs], p.hasBroadleaves, p.speciesTrees),
            std::tuple(3, 100, 77, true, std::array<int, 6>{1, 1, 1, 0, 0, 0}));
  // g = 0.0314159 + 0.0706858 + 0.0078540.
  EXPECT_NEAR(p.sumG, 0.1099557f, 1e-6f);
  EXPECT_NEAR(p.sumGH, 18 * 0.0314159f + 24 * 0.0706858f + 12 * 0.0078540f, 1e-5f);
  EXPECT_NEAR(p.sumGD, 20 * 0.0314159f + 30 * 0.0706858f + 10 * 0.0078540f, 1e-5f);
  const StandMeans m = PreviewStandMeans(p, 6, s->SpeciesBlocks);
  EXPECT_NEAR(m.meanHeight, 21.4286f, 1e-3f);   // 2.356194 / 0.1099557
  EXPECT_NEAR(m.meanDiameter, 25.7143f, 1e-3f);  // 2.827433 / 0.1099557
  EXPECT_NEAR(m.basalArea, 0.1099557f, 1e-6f);

  // A small seedling stand: its trees give no basal area, no logs, no
  // per-species counts; the mean height is stem-weighted from its blocks.
  const auto seedlings = ThreeTrees(2);
  const StandProbe q = ProbeStand(*seedlings);
  EXPECT_EQ(std::tuple(q.sumG, q.hasLogs, q.hasBroadleaves, q.speciesTrees),
            std::tuple(0.0f, false, true, std::array<int, 6>{}));
  const StandMeans n = PreviewStandMeans(q, 2, seedlings->SpeciesBlocks);
  // 0.1 x (50 + 30 + 40) / 3.
  EXPECT_EQ(std::tuple(n.meanHeight, n.meanDiameter, n.basalArea), std::tuple(4.0f, 0.0f, -1.0f));
  // Without trees: zeros, no division by zero.
  StandProbe empty;
  const StandMeans z = PreviewStandMeans(empty, 2, seedlings->SpeciesBlocks);
  EXPECT_EQ(std::pair(z.meanHeight, z.basalArea), std::pair(0.0f, -1.0f));
  EXPECT_EQ(PreviewStandMeans(empty, 6, seedlings->SpeciesBlocks).basalArea, 0.0f);
}

EstateRecord Record(const char* id, float area, int pulp, int logs, const char* date) {
  EstateRecord r;
  r.status = StandFileStatus::Ok;
  r.standId = id;
  r.area = area;
  r.measurementDate = date;
  r.phaseSlots[0].volumes[PinePulpwood] = pulp;
  r.phaseSlots[0].volumes[PineLogs] = logs;
  return r;
}

TEST(OpenRules, StandListTotals) {
  EstateRecord bad;
  bad.status = StandFileStatus::LengthMismatch;
  bad.area = 9.0f;
  const EstateRecordList list = {Record("a", 0.25f, 10, 10, "01.06.2014"), Record("b", 1.5f, 60, 40, "01.06.2012"),
                                 bad};
  // 10 x 0.25 = 2.5 rounds to 3, twice; 60 x 1.5 + 40 x 1.5 = 150; the
  // unreadable file counts as a stand, nothing else.
  const OpenListTotals t = OpenListTotalsOf(list);
  EXPECT_EQ(std::tuple(t.count, t.volumeM3, t.areaHa, t.yearText), std::tuple(3, 156, 1.75f, QString("2012-14")));
  // One year alone; an empty folder.
  EXPECT_EQ(OpenListTotalsOf({list[0], list[0]}).yearText, "2014");
  const OpenListTotals none = OpenListTotalsOf({});
  EXPECT_EQ(std::tuple(none.count, none.volumeM3, none.areaHa, none.yearText), std::tuple(0, 0, 0.0f, QString()));
  EXPECT_EQ(OpenListHeaderTail("0 kuviota", 0.0f, 0, "mitattu "),
            QString::fromUtf8(",  0 kuviota,  0.00 ha,  0 m3,  mitattu "));
}

TEST(OpenRules, CaptionsAndLines) {
  // The captions the window tests do not see.
  EXPECT_EQ(OpenWindowCaptionText(OpenMode::List, "12a", false), "Kuviolistan vaihto");
  EXPECT_EQ(OpenWindowCaptionText(OpenMode::StandData, "12a", true), "Kuvio 12a, kuviotiedot");
  StandHeader h;
  h.standId = "12a";
  h.developmentClass = 7;
  EXPECT_EQ(PreviewSummaryLine(h, 185), QString::fromUtf8("kuvio 12a,  uudistuskypsä metsä,  hakkuukertymä 185 m3/ha"));
  EXPECT_EQ(OpenWindowHelpLines(OpenMode::List),
            (QStringList{MeoplanOpenText(1) + " " + MeoplanOpenText(4), "", MeoplanOpenText(5)}));
  EXPECT_EQ(OpenWindowHelpLines(OpenMode::SingleStand), (QStringList{MeoplanOpenText(4), "", MeoplanOpenText(2)}));
  EXPECT_EQ(OpenWindowHelpLines(OpenMode::StandData), (QStringList{MeoplanOpenText(4), "", MeoplanOpenText(3)}));
}

// The per-species table's columns: "-" when hidden, else diameter (stems of
// a small seedling stand) | height | basal area, "*" when the basal area is
// shown.
QStringList Columns(int devClass, const std::array<SpeciesBlock, kSpeciesSlots>& blocks) {
  QStringList shown;
  for (const PreviewColumn& c : PreviewSpeciesColumns(devClass, blocks))
    shown << (c.shown ? c.diameter + "|" + c.height + "|" + c.basalArea + (c.basalAreaShown ? "*" : "") : "-");
  return shown;
}

// The ages, then whether the note of missing ages, the unit, the stem-count
// row and the basal-area row are shown.
using AgesShown = std::tuple<QString, bool, bool, bool, bool>;
AgesShown Ages(int devClass, const std::array<SpeciesBlock, kSpeciesSlots>& blocks) {
  const PreviewAges a = PreviewAgesOf(devClass, blocks);
  return {QStringList(a.ages.begin(), a.ages.end()).join(','), a.noteShown, a.unitShown, a.stemCountRow,
          a.basalAreaRowShown};
}

TEST(OpenRules, SpeciesTableAndAges) {
  std::array<SpeciesBlock, kSpeciesSlots> b{};
  b[0].words[WordMeanDiameter] = 22;
  b[0].words[WordMeanHeight] = 185;
  b[0].words[WordBasalArea] = 124;
  b[0].words[WordAge] = 55;
  b[2].words[WordMeanDiameter] = 5;
  b[2].words[WordMeanHeight] = 62;
  b[2].words[WordBasalArea] = 8;
  b[2].words[WordAge] = 40;
  EXPECT_EQ(Columns(6, b), (QStringList{"22|18.5|12.4*", "-", " 5| 6.2| 0.8*", "-", "-"}));
  // A treeless area shows every column; a small seedling stand stems and
  // height, no basal area.
  EXPECT_EQ(Columns(1, {}), QStringList(5, " 0| 0.0| 0.0*"));
  std::array<SpeciesBlock, kSpeciesSlots> seedlings{};
  seedlings[1].words[WordStems] = 500;
  seedlings[1].words[WordMeanHeight] = 15;
  EXPECT_EQ(Columns(2, seedlings), (QStringList{"-", " 500|1.5|", "-", "-", "-"}));

  // Ages, the note of missing ages, the unit; a treeless area shows zeros, a
  // small seedling stand a stem-count row instead of the basal area.
  EXPECT_EQ(Ages(6, b), std::tuple(QString("55,,40,,"), false, true, false, true));
  EXPECT_EQ(Ages(1, b), std::tuple(QString("0,0,0,0,0"), false, true, false, true));
  EXPECT_EQ(Ages(2, b), std::tuple(QString(",,,,"), false, false, true, false));
  b[0].words[WordAge] = b[2].words[WordAge] = 0;
  EXPECT_EQ(Ages(6, b), std::tuple(QString(",,,,"), true, false, false, true));
}

TEST(OpenRules, CuttingStageOfAnOpenedStand) {
  const std::pair<std::vector<PhaseSlot>, int> cases[] = {
      {{Slot("Ajourat 4 m, väli 20 m", 0, 80)}, 0},
      {{Slot("Alaharvennus, pohjapinta-ala 18", 0, 80), Slot("Ajourat 4 m", 0, 70)}, 0},
      {{Slot("kasvu", 10, 130)}, 0},
      {{Slot("kasvu", 5, 110), Slot("kasvu", 5, 130)}, 0},
      {{Slot("Avohakkuu, säästöpuita 10", 0, 0)}, 1},
      {{Slot("kasvu", 10, 130), Slot("Avohakkuu", 0, 0)}, 1},
  };
  for (const auto& [steps, stage] : cases) {
    data s(0);
    s.Slots[0] = Slot("mitattu", 0, 100);
    for (size_t k = 0; k < steps.size(); ++k) s.Slots[k + 1] = steps[k];
    SetCurrentPhase(static_cast<int>(steps.size()));
    EXPECT_EQ(CuttingStageOfOpenedStand(s), stage) << steps.front().name.toStdString();
  }
  SetCurrentPhase(0);
}

}  // namespace
