// The palette table's values and aliases and the development-class
// predicates.
#include <gtest/gtest.h>

#include "ui/PaletteRules.h"

TEST(PaletteRules, AliasesUnknownIndicesAndDevelopmentClasses) {
  for (int i : {0, 11, 31, 149, 254, -1, -300}) EXPECT_EQ(PaletteColorValue(i), 0x0000FF) << i;
  for (auto [a, b] : {std::pair{23, 252}, {22, 15}, {10, 19}, {26, 19}})
    EXPECT_EQ(PaletteColorValue(a), PaletteColorValue(b)) << a << " " << b;
  EXPECT_EQ(PaletteColorValue(30), kButtonFaceColor);
  // Class 1 is a treeless area, 2 a small seedling stand; only these two
  // have no tree picture.
  for (int c : {0, 1, 2, 9})
    EXPECT_EQ(std::tuple(IsTreelessArea(c), IsSmallSeedlingStand(c), HasTreePicture(c)),
              std::tuple(c == 1, c == 2, c != 1 && c != 2)) << c;
}
