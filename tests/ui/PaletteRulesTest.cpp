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

TEST(PaletteRules, SpeciesColours) {
  // Red, green and blue as 0xBBGGRR: pine 216, 107, 76 is 0x4C6BD8.
  const std::pair<int, int> table[] = {{0, 0x4C6BD8},  {1, 0xFF8C3F},  {2, 0x0CF20C},  {3, 0x72BFFF},
                                       {4, 0x8C8C8C},  {10, 0x6666E5}, {11, 0xFF9959}, {12, 0x00CC00},
                                       {13, 0x4CA5FF}, {14, 0x9E9E9E}, {22, 0x59E559}, {5, 0xFFFFFF},
                                       {100, 0xFFFFFF}, {-1, 0xFFFFFF}};
  for (auto [code, bgr] : table) EXPECT_EQ(SpeciesColorValue(code), bgr) << code;
}
