// What the open-stand window shows, worked out by hand: the probe of a
// stand, the removal, the stand means, the list lines and totals, the
// captions, the per-species table, the ages and the help lines.

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
  struct Case {
    std::array<PhaseSlot, kPhaseCount> phases;
    int removal;
  };
  const PhaseSlot none;
  const Case cases[] = {
      // No step: nothing removed.
      {{Slot("mitattu", 0, 100)}, 0},
      // A thinning: 100 - 70.
      {{Slot("mitattu", 0, 100), Slot("alaharvennus", 0, 70)}, 30},
      // Growth to 130, then a thinning to 90: the removal is counted from
      // the grown stock.
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
  for (const Case& c : cases) EXPECT_EQ(PreviewRemovalOfSlots(c.phases), c.removal);
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
// 12 m.
std::unique_ptr<data> ThreeTrees(int devClass) {
  auto s = std::make_unique<data>(3);
  const float sizes[3][2] = {{2000, 1800}, {3000, 2400}, {1000, 1200}};
  for (int i = 0; i < 3; ++i) {
    s->Trees[i].diameter = sizes[i][0];
    s->Trees[i].height = sizes[i][1];
    s->Trees[i].species = i;
    s->SpeciesBlocks[i].words[WordStems] = 1;
  }
  s->SpeciesBlocks[0].words[WordMeanHeight] = 50;
  s->SpeciesBlocks[1].words[WordMeanHeight] = 30;
  s->SpeciesBlocks[2].words[WordMeanHeight] = 40;
  s->Header.developmentClass = devClass;
  s->Slots[0] = Slot("mitattu", 0, 77);
  s->Slots[0].volumes[PinePulpwood] = 23;
  return s;
}

TEST(OpenRules, ProbeAndMeansOfAStand) {
  const auto s = ThreeTrees(6);
  const StandProbe p = ProbeStand(*s);
  EXPECT_EQ(std::tuple(p.treeCount, p.slot0Volume, p.slot0Volumes[PineLogs], p.hasBroadleaves),
            std::tuple(3, 100, 77, true));
  EXPECT_EQ(p.speciesTrees, (std::array<int, 6>{1, 1, 1, 0, 0, 0}));
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
  EXPECT_EQ(std::tuple(q.sumG, q.hasLogs, q.hasBroadleaves), std::tuple(0.0f, false, true));
  EXPECT_EQ(q.speciesTrees, (std::array<int, 6>{}));
  const StandMeans n = PreviewStandMeans(q, 2, seedlings->SpeciesBlocks);
  EXPECT_FLOAT_EQ(n.meanHeight, 4.0f);  // 0.1 x (50 + 30 + 40) / 3
  EXPECT_EQ(std::pair(n.meanDiameter, n.basalArea), std::pair(0.0f, -1.0f));
  // Without trees: zeros, no division by zero.
  StandProbe empty;
  const StandMeans z = PreviewStandMeans(empty, 2, seedlings->SpeciesBlocks);
  EXPECT_EQ(std::pair(z.meanHeight, z.basalArea), std::pair(0.0f, -1.0f));
  EXPECT_EQ(PreviewStandMeans(empty, 6, seedlings->SpeciesBlocks).basalArea, 0.0f);
}

EstateRecord Record(const char* id, float area, int pulp, int logs, const char* date) {
  EstateRecord r;
  r.status = StandFileStatus::Ok;
  r.fileName = QString(id) + ".Norvalen";
  r.standId = id;
  r.area = area;
  r.developmentClass = 6;
  r.measurementDate = date;
  r.phaseSlots[0].volumes[PinePulpwood] = pulp;
  r.phaseSlots[0].volumes[PineLogs] = logs;
  return r;
}

TEST(OpenRules, StandListLinesAndTotals) {
  EstateRecord bad;
  bad.fileName = "c.Norvalen";
  bad.status = StandFileStatus::LengthMismatch;
  const EstateRecordList list = {Record("a", 0.25f, 10, 10, "01.06.2014"), Record("b", 1.5f, 60, 40, "01.06.2012"),
                                 bad};
  EXPECT_EQ(OpenListLine(list[0]), QString::fromUtf8("Kuvio a  :  0.25 ha,   varttunut kasvatusmetsä,   puusto 20 m3/ha"));
  EXPECT_EQ(OpenListLine(list[2]), QString::fromUtf8("Kuvio c  :  tiedosto ei ole eheä kuviotiedosto"));
  const OpenListTotals t = OpenListTotalsOf(list);
  // 10 x 0.25 = 2.5 rounds to 3, twice; 60 x 1.5 + 40 x 1.5 = 150.
  EXPECT_EQ(std::tuple(t.count, t.volumeM3, t.areaHa, t.yearText), std::tuple(3, 156, 1.75f, QString("2012-14")));
  EXPECT_EQ(OpenListHeaderTail("3 kuviota", t.areaHa, t.volumeM3, QString::fromUtf8("mitattu ") + t.yearText),
            QString::fromUtf8(",  3 kuviota,  1.75 ha,  156 m3,  mitattu 2012-14"));
  // The order of the files does not change the years.
  EXPECT_EQ(OpenListTotalsOf({list[1], list[0]}).yearText, "2012-14");
  EXPECT_EQ(OpenListTotalsOf({list[0], list[0]}).yearText, "2014");
  EXPECT_EQ(OpenListYearText("1999", "2003"), "1999-03");
  // An empty folder.
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
  auto columns = PreviewSpeciesColumns(6, b);
  EXPECT_TRUE(columns[0].shown && columns[0].basalAreaShown);
  EXPECT_EQ(QStringList({columns[0].diameter, columns[0].height, columns[0].basalArea}),
            QStringList({"22", "18.5", "12.4"}));
  EXPECT_EQ(QStringList({columns[2].diameter, columns[2].height, columns[2].basalArea}),
            QStringList({" 5", " 6.2", " 0.8"}));
  EXPECT_FALSE(columns[1].shown);
  // A treeless area shows every column.
  columns = PreviewSpeciesColumns(1, {});
  for (const PreviewColumn& c : columns)
    EXPECT_EQ(QStringList({c.diameter, c.height, c.basalArea}), QStringList({" 0", " 0.0", " 0.0"}));
  EXPECT_TRUE(columns[4].shown);
  // A small seedling stand: stems and height, no basal area.
  std::array<SpeciesBlock, kSpeciesSlots> seedlings{};
  seedlings[1].words[WordStems] = 2000;
  seedlings[1].words[WordMeanHeight] = 15;
  columns = PreviewSpeciesColumns(2, seedlings);
  EXPECT_EQ(std::tuple(columns[1].shown, columns[1].basalAreaShown, columns[1].diameter, columns[1].height,
                       columns[0].shown),
            std::tuple(true, false, QString("2000"), QString("1.5"), false));

  // Ages, the note of missing ages, the unit; a treeless area shows zeros, a
  // small seedling stand a stem-count row instead of the basal area.
  PreviewAges a = PreviewAgesOf(6, b);
  EXPECT_EQ(a.ages, (std::array<QString, 5>{"55", "", "40", "", ""}));
  EXPECT_EQ(std::pair(a.noteShown, a.unitShown), std::pair(false, true));
  b[0].words[WordAge] = b[2].words[WordAge] = 0;
  a = PreviewAgesOf(6, b);
  EXPECT_EQ(a.ages, (std::array<QString, 5>{}));
  EXPECT_EQ(std::pair(a.noteShown, a.unitShown), std::pair(true, false));
  a = PreviewAgesOf(1, b);
  EXPECT_EQ(a.ages, (std::array<QString, 5>{"0", "0", "0", "0", "0"}));
  EXPECT_TRUE(a.unitShown);
  a = PreviewAgesOf(2, b);
  EXPECT_EQ(std::tuple(a.stemCountRow, a.basalAreaRowShown, a.unitShown, a.noteShown),
            std::tuple(true, false, false, false));
}

TEST(OpenRules, CuttingStageOfAnOpenedStand) {
  struct Case {
    std::vector<PhaseSlot> steps;
    int stage;
  };
  const Case cases[] = {
      {{Slot("Ajourat 4 m, väli 20 m", 0, 80)}, 0},
      {{Slot("Alaharvennus, pohjapinta-ala 18", 0, 80), Slot("Ajourat 4 m", 0, 70)}, 0},
      {{Slot("kasvu", 10, 130)}, 0},
      {{Slot("kasvu", 5, 110), Slot("kasvu", 5, 130)}, 0},
      {{Slot("Avohakkuu, säästöpuita 10", 0, 0)}, 1},
      {{Slot("kasvu", 10, 130), Slot("Avohakkuu", 0, 0)}, 1},
  };
  for (const Case& c : cases) {
    data s(0);
    s.Slots[0] = Slot("mitattu", 0, 100);
    for (size_t k = 0; k < c.steps.size(); ++k) s.Slots[k + 1] = c.steps[k];
    SetCurrentPhase(static_cast<int>(c.steps.size()));
    EXPECT_EQ(CuttingStageOfOpenedStand(s), c.stage) << c.steps.front().name.toStdString();
  }
  SetCurrentPhase(0);
}

}  // namespace
