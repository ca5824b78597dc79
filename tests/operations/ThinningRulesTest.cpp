// The thinning dialog's option lists, worked out by hand from the list
// rules, its captions and operation texts.

#include <gtest/gtest.h>

#include "operations/Th1Rules.h"

namespace {

std::vector<int> Steps(int from, int to, int step) {
  std::vector<int> v;
  for (int x = from; x <= to; x += step) v.push_back(x);
  return v;
}

TEST(ThinningRules, ColumnCounts) {
  const std::pair<int, int> cases[] = {{4, 4},  {15, 4}, {16, 5}, {20, 5}, {21, 7}, {25, 7},
                                       {26, 8}, {30, 8}, {31, 9}, {35, 9}, {36, 10}, {50, 10}};
  for (auto [items, columns] : cases) EXPECT_EQ(ThinningColumnCount(items), columns) << items;
}

TEST(ThinningRules, StemCountList) {
  // N = stems / 100 rounded; from..to in hundreds, steps of 100 from to >= 20
  // on, else 50; the ten fixed items when to <= from.
  // Stems, values, columns, selected item.
  const std::tuple<int, std::vector<int>, int, int> cases[] = {
      {150, Steps(10, 100, 10), 4, 5},        // N 2: 1..1
      {700, Steps(200, 500, 50), 4, 3},       // N 7: 2..5
      {1000, Steps(400, 800, 50), 4, 4},      // N 10: 4..round(8.4) = 8
      {1500, Steps(400, 1300, 50), 5, 9},     // N 15: 4..round(12.6) = 13, 19 items
      {2000, Steps(400, 1700, 50), 8, 13},    // N 20: 4..round(16.8) = 17, 27 items
      {2500, Steps(500, 2300, 100), 5, 9},    // N 25: 5..round(22.5) = 23
      {3000, Steps(500, 2700, 100), 7, 11},   // N 30: 5..27, 23 items
      {5000, Steps(600, 4500, 100), 10, 20},  // N 50: 6..45, 40 items
      {12000, Steps(600, 4500, 100), 10, 20},
  };
  for (const auto& [stems, values, columns, selected] : cases) {
    const ThinningChoices l = StemCountChoices(stems);
    EXPECT_EQ(std::tuple(l.values, l.columns, l.selected, l.items.first()),
              std::tuple(values, columns, selected, QString::number(values.front())))
        << stems;
  }
  // N 5: from 1 to 4, below 20: 100..400 by 50.
  EXPECT_EQ(StemCountChoices(549).values, Steps(100, 400, 50));
  // N 6: from 2 to 4.
  EXPECT_EQ(StemCountChoices(600).values, Steps(200, 400, 50));
}

TEST(ThinningRules, BasalAreaList) {
  // Stems, basal area, first value, count, columns.
  const std::tuple<int, float, int, int, int> cases[] = {
      {300, 14.0f, 4, 9, 4},    // top 12.6 -> 13, base 4
      {800, 19.9f, 4, 14, 4},   // top 17.91 -> 18
      {800, 20.0f, 6, 10, 4},   // base 6, top 16
      {800, 40.0f, 6, 26, 8},   // top 32
      {800, 40.5f, 10, 22, 7},  // base 10, top 32.4 -> 32
      {800, 80.0f, 10, 50, 11}, // top 64 capped at 60; 50 items, one column more
  };
  for (auto [stems, g, from, count, columns] : cases) {
    const ThinningChoices l = BasalAreaChoices(stems, g);
    EXPECT_EQ(std::tuple(l.values, l.columns, l.selected),
              std::tuple(Steps(from, from + count - 1, 1), columns, count / 2))
        << g;
  }
  EXPECT_FALSE(BasalAreaChoices(299, 30.0f).Offered());
  EXPECT_FALSE(BasalAreaChoices(800, 13.9f).Offered());
}

TEST(ThinningRules, DistanceList) {
  const ThinningChoices l = DistanceChoices(300);
  ASSERT_EQ(l.items.size(), 17);
  EXPECT_EQ((QStringList{l.items.first(), l.items[6], l.items.last()}),
            (QStringList{"1.00 m", "2.50 m", "5.00 m"}));
  EXPECT_EQ(l.selected, 6);
  EXPECT_FLOAT_EQ(ThinningDistance(6), 2.5f);
  EXPECT_FALSE(DistanceChoices(299).Offered());
}

TEST(ThinningRules, RemovalList) {
  // The stand (n, G, V, D, V0, S), values, columns.
  const std::tuple<ThinningStand, std::vector<int>, int> cases[] = {
      // X = 0.7 + 0.05 (200/1200)^2 = 0.7014; lo 20, hi 10 round(14.03) = 140.
      {{1200, 20, 200, 20, 200, 0}, Steps(20, 140, 10), 4},
      // V0 120: hi = 10 round(8.41) = 80, 7 items by 10 -> steps of 5.
      {{1000, 15, 120, 15, 120, 0}, Steps(20, 80, 5), 4},
      // S 30: lo = 10 round(4.5) = 50; V0 300: hi = 10 round(21.09) = 210.
      {{1500, 20, 300, 20, 300, 30}, Steps(50, 210, 10), 5},
      // S 0, V0 1000: hi = 10 round(73.47) = 730 > 20 + 540: steps of 20 from
      // 730 - 540 = 190, odd tens: both up by 10.
      {{2000, 40, 1000, 20, 1000, 0}, Steps(200, 740, 20), 7},
      // S 100: lo 120; V0 800: hi = 10 round(57.78) = 580 > 120 + 400: from
      // 180 (even tens) by 20.
      {{3000, 40, 800, 20, 800, 100}, Steps(180, 580, 20), 6},
      // S 100, V0 600: hi = 10 round(42.75) = 430 > 120 + 270: from 160 by 10.
      {{3000, 40, 600, 20, 600, 100}, Steps(160, 430, 10), 7},
  };
  for (const auto& [stand, values, columns] : cases) {
    const ThinningChoices l = RemovalChoices(stand);
    EXPECT_EQ(std::tuple(l.values, l.columns, l.selected), std::tuple(values, columns, 1))
        << stand.startVolume << " " << stand.removalSoFar;
  }
  // Not offered: n just below 1000 (X = 0.0007 x 1 gives hi 0), D below 10,
  // n outside 450..4000, V below 80.
  const ThinningStand ok{1200, 20, 200, 20, 200, 0};
  for (ThinningStand s : {ThinningStand{999, 20, 200, 20, 200, 0}, ThinningStand{1200, 20, 200, 9, 200, 0},
                          ThinningStand{449, 20, 200, 20, 200, 0}, ThinningStand{4001, 20, 200, 20, 200, 0},
                          ThinningStand{1200, 20, 79, 20, 200, 0}}) {
    EXPECT_FALSE(RemovalChoices(s).Offered()) << s.stems << " " << s.meanDiameter << " " << s.volume;
  }
  EXPECT_TRUE(RemovalChoices(ok).Offered());
}

TEST(ThinningRules, CaptionsAndTexts) {
  EXPECT_EQ(ThinningCaptions(0),
            (QStringList{" hakkuukertymä alaharvennuksen jälkeen, m3/ha ", " runkoluku alaharvennuksen jälkeen, runkoa/ha ",
                         " pohjapinta-ala alaharvennuksen jälkeen, m2/ha ",
                         " puiden välinen minimietäisyys alaharvennuksen jälkeen "}));
  EXPECT_EQ((QStringList{ThinningRemovalText(true, 60), ThinningDistanceText(false, 2.5f), ThinningStemText(true, 800),
                         ThinningBasalAreaText(false, 12), ThinningRemainingCaption(true), ThinningRemovalCaption(false),
                         StemsBeforeText(1450), BasalAreaBeforeText(18.26f)}),
            (QStringList{"Alaharvennus hakkuukertymään 60 m3/ha", "Yläharvennus, minimietäisyys 2.50 m",
                         "Alaharvennus 800 runkoon/ha", "Yläharvennus pohjapinta-alaan 12 m2/ha",
                         "1 ha otos puustosta alaharvennuksen jälkeen",
                         "1 ha otos hakkuukertymästä yläharvennuksen jälkeen", "1450 runkoa/ha ennen hakkuuta",
                         "18.3 m2/ha ennen hakkuuta"}));
  EXPECT_EQ((std::vector<int>{ThinningCriterionCode(0), ThinningCriterionCode(1), ThinningCriterionCode(2),
                              ThinningCriterionCode(3)}),
            (std::vector<int>{2, 0, 1, 3}));
  EXPECT_EQ((QStringList{ThinningRefusalCaption(true), ThinningRefusalCaption(false), ThinningRefusalLine(1),
                         ThinningRefusalLine(3)}),
            (QStringList{"Alaharvennus", "Yläharvennus", "lisää harvennusvoimakkuutta tai peru hakkuu !",
                         "lisää minimietäisyyttä tai peru hakkuu !"}));
}

}  // namespace
