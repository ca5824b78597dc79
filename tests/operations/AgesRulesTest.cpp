// The stand-age dialog's lists and texts, worked out by hand.
#include <gtest/gtest.h>

#include "operations/AgesRules.h"

namespace {

TEST(AgesRules, ItemsAndDefaultChoice) {
  EXPECT_EQ(AgeChoiceItems(45, 3), (QStringList{"45 v.", "46 v.", "47 v."}));
  EXPECT_TRUE(AgeChoiceItems(45, 0).isEmpty());
  // n < 21: trunc(0.1 n + 3); n >= 21: trunc((0.002 first + 0.17) n); a list
  // too short for its index chooses its last item, an empty one none.
  struct Case {
    int first, count, index;
  };
  const Case cases[] = {
      {45, 20, 5},   // 5.0 -> age 50
      {30, 51, 11},  // 0.23 x 51 = 11.73 -> age 41
      {10, 21, 3},   // 0.19 x 21 = 3.99
      {100, 31, 11}, // 0.37 x 31 = 11.47
      {6, 10, 4},    // 4.0
      {6, 4, 3},     // 3.4, the last item
      {6, 3, 2},     // 3.3 past the end: the last item
      {6, 1, 0},     // 3.1 past the end: the only item
      {6, 0, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(DefaultAgeChoiceIndex(c.first, c.count), c.index) << c.first << " " << c.count;
}

TEST(AgesRules, AgeReadBackAndMeans) {
  EXPECT_EQ(AgeOfChoiceText("47 v."), 47);
  EXPECT_EQ(AgeOfChoiceText(""), 0);
  EXPECT_EQ(SpeciesMeanDiameterText(7), " 7 cm");
  EXPECT_EQ(SpeciesMeanDiameterText(23), "23 cm");
  EXPECT_EQ(SpeciesMeanHeightText(23, 185), "18.5 m");
  EXPECT_EQ(SpeciesMeanHeightText(7, 65), " 6.5 m");
  EXPECT_EQ(SpeciesMeanDiameterText(0), "");
  EXPECT_EQ(SpeciesMeanHeightText(0, 185), "");
  EXPECT_EQ(AgeRowTitle("2019"), QString::fromUtf8("puuston ikä 2019"));
  EXPECT_EQ(AgesWindowPlaceFactors(false).top, 0.4);
  EXPECT_EQ(AgesWindowPlaceFactors(true).left, 0.4);
  EXPECT_EQ(AgesWindowPlaceFactors(true).top, 0.3);
}

}  // namespace
