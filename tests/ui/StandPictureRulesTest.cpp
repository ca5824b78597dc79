// The stand picture's geometry and choices, with values worked out by hand
// from the picture's formulas: plot (20, 50)-(620, 200), mF = 320.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "ui/StandPictureRules.h"
#include "model/Data.h"

namespace {

PlotFrame Frame() {
  PlotFrame f;
  DefaultPlotFrame(f);
  return f;
}

}  // namespace

TEST(StandPictureRules, InterpolatePicturePositionKeepsASmallMargin) {
  // a 0..400 over x 20..620: mA 200, mP 320, c = 200 - 300 - 0.4 = -100.4;
  // 200 + (v - 320) / 300 x (0.499 x 400 - 1 = 198.6): x 20, 620, 320 and 170
  // give 1.4, 398.6, 200 and 100.7. y 50..200 into 0..100: 50 + (v - 125) /
  // 75 x 48.9; y 50, 200 and 88 give 1.1, 98.9 and 25.876. A range of no
  // width does not divide by zero. Width, v, range, position.
  const std::tuple<int, int, int, int, int> cases[] = {
      {400, 20, 20, 620, 1},  {400, 620, 20, 620, 399}, {400, 320, 20, 620, 200}, {400, 170, 20, 620, 101},
      {100, 50, 50, 200, 1},  {100, 200, 50, 200, 99},  {100, 88, 50, 200, 26},   {100, 88, 50, 50, 50}};
  for (auto [a1, v, p0, p1, want] : cases)
    EXPECT_EQ(InterpolatePicturePosition(0, a1, v, p0, p1), want) << a1 << " " << v;
}

TEST(StandPictureRules, ScalesByKindWindowAndBasalArea) {
  // 1347 x 728 (16:9, so 16:10 too: A = 1): b = 0.106 + 0.02, c = 0.126 x
  // (0.8 + 60 x 0.0025) at 20 m2/ha.
  StandPictureScales s = PictureScales(false, false, 1347, 728, 20.0f);
  EXPECT_EQ(std::tuple(s.size, s.widening, s.depth, s.aspect), std::tuple(0.55, 0.0, 0.12, 1.0));
  EXPECT_NEAR(s.width, 0.1197, 1e-12);
  // Close-up on 1024 x 700 (4:3): A = sqrt(0.625 x 1024 / 700); b = 0.114 +
  // 0.008; c = 0.122 x 0.8 at 80 m2/ha.
  s = PictureScales(true, false, 1024, 700, 80.0f);
  EXPECT_EQ(std::tuple(s.size, s.widening, s.depth), std::tuple(0.8, 0.25, 0.2));
  EXPECT_NEAR(s.aspect, 0.9561829, 1e-7);
  EXPECT_NEAR(s.width, 0.0976, 1e-12);
  // The measurement sample: 0.085 whatever the window.
  EXPECT_NEAR(PictureScales(true, true, 1429, 752, 0.0f).width, 0.093, 1e-12);
  EXPECT_DOUBLE_EQ(PictureBaseScale(false, false, 720), 0.13);
  EXPECT_DOUBLE_EQ(PictureBaseScale(false, false, 752), 0.122);
  EXPECT_DOUBLE_EQ(PictureBaseScale(true, false, 700), 0.122);
  // The 16:10 edge: (1270 + 10) / 800 = 1.6 keeps A = 1, one pixel less not.
  EXPECT_DOUBLE_EQ(PictureScales(false, false, 1270, 800, 0).aspect, 1.0);
  EXPECT_NEAR(PictureScales(false, false, 1269, 800, 0).aspect, std::sqrt(0.625 * 1269 / 800), 1e-12);
}

TEST(StandPictureRules, DenseStandsAreThinnedToAbout4500Trees) {
  // 4501 - round(4499.75), 5000 - 4375, 12000 - 2625.
  EXPECT_EQ((std::vector<int>{PictureThinningLimit(0), PictureThinningLimit(4500), PictureThinningLimit(4501),
                              PictureThinningLimit(5000), PictureThinningLimit(12000)}),
            (std::vector<int>{-1, -1, 1, 625, 9375}));
  EXPECT_EQ((std::vector<bool>{IsThinnedOutOfPicture(-1, 1, 7), IsThinnedOutOfPicture(1, 1, 7),
                               IsThinnedOutOfPicture(1, 1, 10), IsThinnedOutOfPicture(1, 2, 7)}),
            (std::vector<bool>{false, true, false, false}));
  // Trees listed in order, all passing: 4500 and 4501 draw every one; 12000
  // draw the 1875 multiples of 5 among the first 9375 and the last 2625.
  for (const auto& [n, drawn] : std::vector<std::pair<int, int>>{{4500, 4500}, {4501, 4501}, {12000, 4500}}) {
    const int limit = PictureThinningLimit(n);
    int count = 0;
    for (int i = 0; i < n; ++i) count += IsThinnedOutOfPicture(limit, i + 1, i) ? 0 : 1;
    EXPECT_EQ(count, drawn) << n;
  }
}

TEST(StandPictureRules, TallTreesAreCompressed) {
  // 20 m as 18 m, 30 m as 21.5 m.
  for (const auto& [cm, drawn] : {std::pair(1000, 1000), std::pair(1600, 1600), std::pair(2000, 1800),
                                  std::pair(2400, 2000), std::pair(2800, 2100), std::pair(3000, 2150)})
    EXPECT_FLOAT_EQ(CompressedTreeHeightCm(cm), drawn) << cm;
}

TEST(StandPictureRules, PicturePositionsAtCornersAndMiddle) {
  // Iw 1000: mI 500, c = 500 - 300 = 200; the front edge spans the width. At
  // the back, x 170: d 150, f = 170 / 320, g = 0.05 x f x 1000 = 26.5625;
  // 350 - 100 + 26.5625 x 0.5 = 263.28; x 470 mirrors it: 736.72. An odd
  // width: mI 670, c 370. The close-up spreads the plot to 1.5 widths about
  // the middle: c = 450; x 470 at the back: g = 0.1 x 0.53125 x 1000; 650 +
  // 225 - 26.5625. Close-up, width, x, y, widening, picture x.
  const std::tuple<bool, int, int, int, double, int> cases[] = {
      {false, 1000, 20, 200, 0, 0},      {false, 1000, 620, 200, 0, 1000},   {false, 1000, 320, 125, 0, 500},
      {false, 1000, 170, 50, 0, 263},    {false, 1000, 470, 50, 0, 736},     {false, 1341, 20, 200, 0, 0},
      {false, 1341, 620, 200, 0, 1340},  {false, 1341, 320, 50, 0, 670},     {true, 1000, 20, 200, 0.25, -250},
      {true, 1000, 620, 200, 0.25, 1250}, {true, 1000, 470, 50, 0.25, 848}};
  for (auto [closeUp, width, x, y, widening, want] : cases)
    EXPECT_EQ(TreePictureX(closeUp, width, x, Frame(), y, widening), want) << closeUp << " " << width << " " << x;
  // Feet: a = Ih - band + 5, b = Ih - 4; y 125 at 190.5 of the normal view.
  const std::tuple<bool, int, int> feet[] = {{false, 50, 185}, {false, 200, 196}, {false, 125, 190},
                                             {true, 50, 180},  {true, 125, 188},  {true, 200, 196}};
  for (auto [closeUp, y, want] : feet) EXPECT_EQ(TreeGroundY(200, closeUp, y, 50, 200), want) << closeUp << " " << y;
}

TEST(StandPictureRules, HeightsWidthsAndTheCap) {
  const StandPictureScales normal = PictureScales(false, false, 1347, 728, 20.0f);
  const StandPictureScales close = PictureScales(true, false, 1347, 728, 20.0f);
  // 0.55 x 1600 x 200 / 1900 = 92.63 at the front; x 0.88 at the back.
  // Close-up, 21.5 m: 181.05 over 150 is cut to 181 - 31 x 0.2 = 174.8; at
  // the back (x 0.8) 144 stays. 30 m: 173 - 23 x 0.2.
  EXPECT_EQ((std::vector<int>{TreePictureHeight(200, 1600, normal, 200), TreePictureHeight(50, 1600, normal, 200),
                              TreePictureHeight(200, 2150, close, 200), TreePictureHeight(50, 2150, close, 200),
                              TreePictureHeight(200, 3000, normal, 200)}),
            (std::vector<int>{92, 81, 174, 144, 168}));
  // w = 0.1197 x (0.8 + 0.2 x 108 / 200) = 0.10868760.
  EXPECT_NEAR(TreeHalfWidthRatio(normal, 92, 200, SpeciesPine, false), 0.1086876 * 2.3, 1e-9);
  EXPECT_NEAR(TreeHalfWidthRatio(normal, 92, 200, SpeciesSpruce, true), 0.1086876 * 2.3, 1e-9);
  EXPECT_NEAR(TreeHalfWidthRatio(normal, 92, 200, SpeciesBirch, false), 0.1086876 * 1.3, 1e-9);
  EXPECT_NEAR(TreeHalfWidthRatio(normal, 92, 200, SpeciesAlder, true), 0.1086876 * 0.95, 1e-9);
  // The pine of 92 pixels at (500, 196): 2 x 22.998 wide.
  EXPECT_EQ(TreeRect(500, 196, 92, 0.1086876 * 2.3), (PictureRect{477, 104, 522, 196}));
}

TEST(StandPictureRules, BitmapBySpeciesSeasonAndX) {
  using B = PictureBitmap;
  const std::vector<std::tuple<int, bool, int, B, const char*>> rows = {
      {SpeciesPine, false, 21, B::Pine, "MANTY1"},        {SpeciesPine, false, 22, B::PineAlt, "MANTY11"},
      {SpeciesPine, true, 22, B::PineWinter, "MANTY2"},   {SpeciesSpruce, false, 21, B::Spruce, "KUUSI1"},
      {SpeciesSpruce, false, 22, B::SpruceAlt, "KUUSI11"}, {SpeciesSpruce, true, 21, B::SpruceWinter, "KUUSI2"},
      {SpeciesBirch, false, 22, B::Birch, "KOIVU1"},      {SpeciesBirch, false, 21, B::BirchAlt, "KOIVU11"},
      {SpeciesBirch, true, 21, B::BirchWinter, "KOIVU2"}, {SpeciesAspen, false, 22, B::Aspen, "HAAPA1"},
      {SpeciesAspen, true, 21, B::AspenWinter, "HAAPA2"}, {SpeciesAlder, false, 21, B::Alder, "LEPPA1"},
      {SpeciesAlder, true, 22, B::AlderWinter, "LEPPA2"}, {5, false, 30, B::Alder, "LEPPA1"}};
  for (const auto& [species, winter, x, bitmap, name] : rows) {
    EXPECT_EQ(TreeBitmapOf(species, winter, x), bitmap) << species << winter << x;
    EXPECT_STREQ(PictureBitmapName(bitmap), name);
  }
  EXPECT_EQ((std::vector<std::string>{PictureBitmapName(B::SummerSky), PictureBitmapName(B::WinterSky),
                                      PictureBitmapName(B::MooseBack), PictureBitmapName(B::MooseFront)}),
            (std::vector<std::string>{"BG1", "BG2", "HIRVI2BITMAP", "HIRVI1BITMAP"}));
  const int counts[kSpeciesSlots] = {3, 0, 1, 0, 0, 0};
  EXPECT_EQ(std::pair(IsSpeciesBitmapNeeded(counts, SpeciesPine), IsSpeciesBitmapNeeded(counts, SpeciesSpruce)),
            std::pair(true, false));
}

TEST(StandPictureRules, MoosePointsAndSizes) {
  // The moose behind at (414, 120), the one in front at (214, 130).
  const auto point = [](const MoosePoint& m) { return std::tuple(m.bitmap, m.x, m.y, m.afterY); };
  EXPECT_EQ(point(kMoosePoints[0]), std::tuple(PictureBitmap::MooseBack, 414, 120, 119));
  EXPECT_EQ(point(kMoosePoints[1]), std::tuple(PictureBitmap::MooseFront, 214, 130, 129));
  const StandPictureScales normal = PictureScales(false, false, 1347, 728, 20.0f);
  const StandPictureScales close = PictureScales(true, false, 1347, 728, 20.0f);
  // (414, 120): d 94, f = 226 / 320, g = 35.3125; X = 594 + 62.667 - 80 x
  // 35.3125 / 150 x 94 / 300 = 650.77, Y = 190; M = trunc(0.55 x 0.14 x 200
  // x 0.936) = 14.
  EXPECT_EQ(MooseRect(false, 1000, 200, normal, 414, 120), (PictureRect{643, 176, 657, 190}));
  // (214, 130): X = 394 - 70.667 + 5.513 = 328.8, Y = 190, M = trunc(14.54).
  EXPECT_EQ(MooseRect(false, 1000, 200, normal, 214, 130), (PictureRect{321, 176, 335, 190}));
  // Close-up: g = 70.625, X = 594 + 141 - 11.80 = 723.2, Y = 187; M =
  // trunc(22.4 x 0.8933) = 20, then 18.
  EXPECT_EQ(MooseRect(true, 1000, 200, close, 414, 120), (PictureRect{714, 169, 732, 187}));
}

TEST(StandPictureRules, ViewModesForEveryHistory) {
  // Which removing phases r = 0..5 each mode shows.
  const std::tuple<PhaseHistory, std::set<int>, std::set<int>> rows[] = {
      {{1, true, false, 3}, {2, 3, 4, 5}, {1}},    // grown, then cut
      {{1, false, true, 3}, {1, 2}, {3}},          // cut, grown, cut
      {{2, true, true, 4}, {3, 4, 5}, {1, 2}},     // grown twice first
      {{2, true, false, 4}, {2, 3}, {1, 4}},       // grown, cut, grown
      {{2, false, true, 4}, {2, 3}, {}},           // cut, grown, ..., grown
      {{0, false, false, 2}, {1, 2, 3, 4, 5}, {}}  // cuttings only
  };
  for (const auto& [h, removed, died] : rows) {
    for (int r = 0; r <= 5; ++r) {
      EXPECT_EQ(
          (std::array{IsRemovalShownInView(r, 0, h), IsRemovalShownInView(r, 1, h), IsRemovalShownInView(r, 2, h)}),
          (std::array{r == 0, removed.count(r) == 1, died.count(r) == 1}))
          << h.growthSteps << h.phase1Growth << h.phase2Growth << " r " << r;
    }
  }
  // The history read from a stand: growing years in slots 1 and 3.
  data stand(0);
  stand.Slots[1].years = 5;
  stand.Slots[3].years = 10;
  const PhaseHistory h = PhaseHistoryOf(stand, 3);
  EXPECT_EQ(std::tuple(h.growthSteps, h.phase1Growth, h.phase2Growth, h.currentPhase),
            std::tuple(2, true, false, 3));
}
