// The tree dot maps: dot radii, backgrounds and colours by view mode, which
// trees each map shows with which sizes, the drawing order, the stand left
// in its stored plot-y order, the species legend and the caption.
#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>

#include "mainwindow/DotMapRules.h"
#include "ui/StandPictureRules.h"
#include "model/Calc.h"
#include "model/Data.h"
#include "texts/Actlan.h"
#include "tests/model/StandFixture.h"
#include "tests/support/StandCompare.h"
#include "ui/PaletteRules.h"

namespace {

// Four trees at known places: a small pine, a tall pine (a log tree), a
// spruce removed by a thinning (phase 1) and a birch that died in the
// growth of phase 2.
data FourTrees() {
  data s(4);
  s.Header.measurementDay = 43631;
  s.Header.developmentClass = 5;
  // x, y, diameter, height, removing phase, species.
  s.Trees = {{20, 60, 800, 700, 0, 0, {}},
             {320, 90, 3200, 2400, 0, 0, {}},
             {620, 120, 1500, 1400, 1, 1, {}},
             {100, 200, 600, 800, 2, 2, {}}};
  // Phase 1 a thinning, phase 2 five years of growth: every tree grows 2 cm
  // and 1 m.
  s.Slots[1].name = "harvennus";
  s.Slots[2].name = "Kasvatus";
  s.Slots[2].years = 5;
  s.GrownSizes1 = s.AllocGrownSizes();
  for (int i = 0; i < 4; ++i) s.GrownSizes1[i] = {s.Trees[i].diameter + 200, s.Trees[i].height + 100};
  return s;
}

DotMapOptions Options(int mode, int size = 1, int enlarge = 1) {
  DotMapOptions o;
  o.mode = mode;
  o.mortalityTicked = mode == 2;
  o.dotSizeIndex = size;
  o.enlargeIndex = enlarge;
  o.width = 556;
  o.height = 139;
  o.currentPhase = 2;
  return o;
}

// The dots as "x radius colour", in drawing order.
QStringList Dots(const DotMap& m) {
  QStringList dots;
  for (const DotMapDot& d : m.dots) dots << QString("%1 %2 %3").arg(d.x).arg(d.radius).arg(d.colour, 0, 16);
  return dots;
}
QString Dot(int plotX, int radius, int colour) {
  return QString("%1 %2 %3").arg(InterpolatePicturePosition(0, 556, plotX, 20, 620)).arg(radius).arg(colour, 0, 16);
}

}  // namespace

TEST(DotMap, RadiusBackgroundAndMode) {
  // By dot size, enlargement and log tree.
  EXPECT_EQ((std::vector<int>{DotRadius(0, 0, false), DotRadius(0, 0, true), DotRadius(1, 0, true), DotRadius(1, 1, true),
                              DotRadius(1, 1, false), DotRadius(3, 3, true), DotRadius(3, 3, false)}),
            (std::vector<int>{1, 1, 2, 4, 2, 8, 4}));
  // The measured map and the standing trees on the light background; the
  // removal on the dark one; the mortality on pale cream.
  EXPECT_EQ((std::vector<int>{DotMapBackground(true, 1, false), DotMapBackground(false, 0, false),
                              DotMapBackground(false, 1, false), DotMapBackground(false, 2, true)}),
            (std::vector<int>{0xA5F2F2, 0xA5F2F2, 0x474747, 0xF0FBFF}));
  // The removal box wins over the mortality box.
  EXPECT_EQ((std::vector<int>{OverviewModeOf(false, false), OverviewModeOf(true, false), OverviewModeOf(false, true),
                              OverviewModeOf(true, true)}),
            (std::vector<int>{0, 1, 2, 1}));
}

TEST(DotMap, EachMapShowsItsTreesWithTheirSizes) {
  const data s = FourTrees();
  // The measured map: every tree, lowest first (small pine 7 m, birch 8 m,
  // spruce 14 m, tall pine 24 m), in species colours; the 32 cm pine of
  // 24 m is a log tree and drawn larger.
  ASSERT_TRUE(TreeHasVolume(0, 32, 24));
  ASSERT_FALSE(TreeHasVolume(0, 8, 7));
  const DotMap before = TreeDotMap(s, true, Options(0));
  EXPECT_EQ(std::pair(before.background, before.enlarged), std::pair(PaletteColorValue(22), true));
  EXPECT_EQ(Dots(before), (QStringList{Dot(20, 2, SpeciesColorValue(0)), Dot(100, 2, SpeciesColorValue(2)),
                                       Dot(620, 2, SpeciesColorValue(1)), Dot(320, 4, SpeciesColorValue(0))}));
  EXPECT_EQ(before.dots[0].y, InterpolatePicturePosition(0, 139, 60, 50, 200));
  // After the steps: the two pines stand. The removal: the spruce; the
  // mortality: the birch, in palette colour 12 on cream.
  EXPECT_EQ(Dots(TreeDotMap(s, false, Options(0))),
            (QStringList{Dot(20, 2, SpeciesColorValue(0)), Dot(320, 4, SpeciesColorValue(0))}));
  const DotMap removal = TreeDotMap(s, false, Options(1));
  EXPECT_EQ(std::pair(Dots(removal), removal.background),
            std::pair(QStringList{Dot(620, 2, SpeciesColorValue(1))}, 0x474747));
  const DotMap mortality = TreeDotMap(s, false, Options(2));
  EXPECT_EQ(std::pair(Dots(mortality), mortality.background),
            std::pair(QStringList{Dot(100, 2, PaletteColorValue(12))}, 0xF0FBFF));
  // Without the enlargement every dot takes the dot size alone.
  const DotMap plain = TreeDotMap(s, true, Options(0, 3, 0));
  for (const DotMapDot& d : plain.dots) EXPECT_EQ(d.radius, 4);
  EXPECT_FALSE(plain.enlarged);
}

TEST(DotMap, TheStandKeepsItsPlotYOrder) {
  auto s = standfixture::MakeStand(3000, 11);
  s->SortAllTrees(data::SortY);
  s->GrownSizes1 = s->AllocGrownSizes();
  for (int i = 0; i < s->TreeCount(); ++i) s->GrownSizes1[i] = {s->Trees[i].diameter + 150, s->Trees[i].height + 90};
  s->Slots[1].name = "Kasvatus";
  s->Slots[1].years = 10;
  const data stored = *s;
  for (bool before : {true, false}) EXPECT_EQ(TreeDotMap(*s, before, Options(0)).dots.size(), 3000u);
  standcompare::ExpectSameStand(*s, stored);
}

TEST(DotMap, DrawnFromLowToTallExceptASmallSeedlingStand) {
  // 300 trees, each at its own plot x, on a map wide enough to keep them
  // apart: the dots tell the trees' order.
  auto s = standfixture::MakeStand(300, 5);
  for (int i = 0; i < 300; ++i) s->Trees[i].x = 20.0f + 2 * i;
  DotMapOptions o = Options(0);
  o.width = 6000;
  auto heightsInOrder = [&](const DotMap& m) {
    std::vector<float> h;
    for (const DotMapDot& d : m.dots)
      for (int i = 0; i < 300; ++i)
        if (InterpolatePicturePosition(0, 6000, static_cast<int>(s->TreeX(i)), 20, 620) == d.x) h.push_back(s->BaseHeight(i));
    return h;
  };
  const std::vector<float> drawn = heightsInOrder(TreeDotMap(*s, true, o));
  ASSERT_EQ(drawn.size(), 300u);
  EXPECT_TRUE(std::is_sorted(drawn.begin(), drawn.end()));
  // A small seedling stand keeps its stored order.
  s->Header.developmentClass = 2;
  const std::vector<float> seedlings = heightsInOrder(TreeDotMap(*s, true, o));
  ASSERT_EQ(seedlings.size(), 300u);
  for (int i = 0; i < 300; ++i) EXPECT_EQ(seedlings[i], s->BaseHeight(i));
}

TEST(DotMap, LegendAndCaption) {
  // A column under the frame's bottom edge at 200, names 15 high, dots 17:
  // all five species from 199, rows 15 - 4 = 11 apart, each dot at
  // trunc(name + 1 - 2 x 0.8).
  const auto all = SpeciesLegendRows({5, 5, 5, 5, 5}, 200, 15, 17);
  for (int k = 0; k < 5; ++k) EXPECT_EQ(all[k], (LegendRow{true, 199 + 11 * k, 198 + 11 * k})) << k;
  // No spruce, no aspen: no row for them, those below close up, each row
  // after pine's one pixel lower.
  const auto some = SpeciesLegendRows({5, 0, 5, 0, 5}, 200, 15, 17);
  EXPECT_EQ(std::tuple(some[0], some[1].visible, some[2], some[3].visible, some[4]),
            std::tuple(LegendRow{true, 200, 199}, false, LegendRow{true, 212, 211}, false, LegendRow{true, 224, 223}));
  // Without pine spruce's row is one pixel lower already; a dot lower than
  // its name stands below it: trunc(201 + 1 + 3 x 0.8).
  const auto noPine = SpeciesLegendRows({0, 5, 0, 0, 0}, 200, 15, 12);
  EXPECT_EQ(std::pair(noPine[0].visible, noPine[1]), std::pair(false, LegendRow{true, 201, 204}));
  // Dots 2 pixels left of the frame, names 5 pixels right of an 8-pixel dot.
  EXPECT_EQ(SpeciesLegendColumns(10, 8), (LegendColumns{8, 21}));

  EXPECT_EQ(DotMapCaption("Kuvio 12a", false), "Kuvio 12a  :  otokset puustosta, 50 m * 200 m = 1 ha");
  EXPECT_EQ(DotMapCaption("Kuvio 12a", true),
            "Kuvio 12a  :  otokset puustosta, 50 m * 200 m = 1 ha, " + ActlanText(91));
}
