// The stand-age dialog's lists and texts, worked out by hand.
#include <gtest/gtest.h>

#include "operations/AgesRules.h"

namespace {

TEST(AgesRules, ItemsAndDefaultChoice) {
  // The items are read in the age dialog (GrowthDialogsTest). n < 21:
  // trunc(0.1 n + 3); n >= 21: trunc((0.002 first + 0.17) n); a list too
  // short for its index chooses its last item, an empty one none. First age,
  // item count, index.
  const std::tuple<int, int, int> cases[] = {
      {45, 20, 5},    // 5.0 -> age 50
      {30, 51, 11},   // 0.23 x 51 = 11.73 -> age 41
      {10, 21, 3},    // 0.19 x 21 = 3.99
      {100, 31, 11},  // 0.37 x 31 = 11.47
      {6, 10, 4},     // 4.0
      {6, 4, 3},      // 3.4, the last item
      {6, 3, 2},      // 3.3 past the end: the last item
      {6, 1, 0},      // 3.1 past the end: the only item
      {6, 0, -1},
  };
  for (auto [first, count, index] : cases)
    EXPECT_EQ(DefaultAgeChoiceIndex(first, count), index) << first << " " << count;
  // The items run from the first age; the largest int first is no overflow.
  EXPECT_EQ(AgeChoiceItems(369, 2), QStringList({"369 v.", "370 v."}));
  EXPECT_EQ(AgeChoiceItems(2147483647, 2), QStringList({"2147483647 v.", "2147483648 v."}));
}

TEST(AgesRules, AgeReadBackAndMeans) {
  EXPECT_EQ(std::pair(AgeOfChoiceText("47 v."), AgeOfChoiceText("")), std::pair(47, 0));
  EXPECT_EQ((QStringList{SpeciesMeanDiameterText(7), SpeciesMeanDiameterText(23), SpeciesMeanDiameterText(0),
                         SpeciesMeanHeightText(23, 185), SpeciesMeanHeightText(7, 65), SpeciesMeanHeightText(0, 185)}),
            (QStringList{" 7 cm", "23 cm", "", "18.5 m", " 6.5 m", ""}));
}

}  // namespace
