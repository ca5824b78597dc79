// The main window's size for a screen, its height classes, panel widths and
// dot-map sizes.
#include <gtest/gtest.h>

#include "mainwindow/ActsLayout.h"

TEST(MainWindowSize, ForEveryScreenShape) {
  struct Case { int w, h; bool atStart; int screenW, width, height; } cases[] = {
      // 16:9 ((1920 + 10) / 1080 = 1.787 >= 1.778), W >= 1920 at start: 752,
      // 752 x 1.9 = 1428.8 -> 1429.
      {1920, 1080, true, 1920, 1429, 752},
      // 16:9 (1376 / 768 = 1.792) below 1920: 728, 728 x 1.85 = 1346.8 -> 1347.
      {1366, 768, true, 1366, 1347, 728},
      // 1600 x 900: 728 / 1347 at start; chosen later, W > 1438.8: 752 / 1429.
      {1600, 900, true, 1600, 1347, 728},
      {1600, 900, false, 1600, 1429, 752},
      // 16:9 below 1351, not narrower than the screen: 1266 x 700; the small
      // choice on a 1920 screen: 708, 708 x 1.85 = 1309.8 -> 1310.
      {1280, 720, true, 1280, 1266, 700},
      {1280, 720, false, 1920, 1310, 708},
      {1366, 768, false, 1920, 1347, 728},  // the medium choice (1366 < 1439)
      // 4:3 (768 x 100 / 1024 = 75): 1024 x 700; from 1337 up 1336 x 752.
      {1024, 768, true, 1024, 1024, 700},
      {1400, 1050, true, 1400, 1336, 752},
      // 16:10 and 5:4 ((1024 + 1) / 1280 > 0.8): 1280 x 0.9 x 0.625 = 720.
      {1280, 800, true, 1280, 1280, 720},
      {1280, 1024, true, 1280, 1280, 720},
      // 16:10 from 1440 up 1365 wide; 1365 x 0.5625 = 767.8 -> 768.
      {1680, 1050, true, 1680, 1365, 768},
      {1100, 700, true, 1100, 1100, 700},    // of no shape: used as it is
      {1200, 1000, true, 1200, 1200, 675},   // 5:4: 1200 x 0.5625 = 675
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << (c.atStart ? " at start" : " chosen"));
    const MainWindowSize s = ComputeMainWindowSizeFor(c.w, c.h, c.atStart, c.screenW);
    EXPECT_EQ(s.width, c.width);
    EXPECT_EQ(s.height, c.height);
  }
}

TEST(MainWindowSize, ClassesPanelsAndDotMaps) {
  // Height classes: 0 only at 700, 1 below 728, 2 below 752.
  for (auto [cls, height, in] : {std::tuple{0, 700, true}, {0, 708, false}, {1, 727, true}, {1, 728, false},
                                 {2, 751, true}, {2, 752, false}})
    EXPECT_EQ(IsWindowHeightClass(cls, height), in) << cls << " " << height;
  EXPECT_EQ(ScreenAllowsLargeWindow(true, 800), 1920);
  EXPECT_EQ(ScreenAllowsLargeWindow(false, 1536), 1);
  EXPECT_EQ(ScreenAllowsLargeWindow(false, 1535), 0);
  // Per window size: stand-list panel 530, - 35 below 752, - 20 below 728,
  // at most 1280 wide - 10 (>= 1200), - 80 (>= 1100), - 140. Dot map: below
  // 1100 436, below 1200 508; 16:9 below 1300 510, below 1370 556, else 580;
  // otherwise below 1300 510, else 560 (1365 x 768 is 16:9 again, 1375 / 768
  // = 1.79; 1440 x 900 is 16:10, 1450 / 900 = 1.61).
  struct Case { int w, h, standList, dotMap; } cases[] = {
      {1429, 752, 530, 580}, {1347, 728, 495, 556}, {1310, 708, 475, 556}, {1266, 700, 465, 510},
      {1100, 700, 395, 508}, {1024, 700, 335, 436}, {1365, 768, 530, 556}, {1280, 800, 520, 510},
      {1440, 900, 530, 560}};
  for (const Case& c : cases) {
    EXPECT_EQ(StandListPanelWidth(c.w, c.h), c.standList) << c.w << " x " << c.h;
    EXPECT_EQ(DotMapSizeFor(c.w, c.h).width, c.dotMap) << c.w << " x " << c.h;
  }
  EXPECT_EQ(EstateSummaryPanelWidth(752), 244);
  EXPECT_EQ(EstateSummaryPanelWidth(728), 235);
  // Place: (1080 - 732 - 32) x 0.5 = 158; (1920 - 1429) / 2 = 245.
  EXPECT_EQ(MainWindowTop(1080, 732, 20), 158);
  EXPECT_EQ(MainWindowLeft(1920, 1429), 245);
  EXPECT_EQ(CurrencyArrow(5, 5), "  -->");
  EXPECT_EQ(CurrencyArrow(5, 7), "  ->");
}

TEST(ScreenTest, RefusalsAndQuestions) {
  // Aspect: 1280 >= 1.2 x 1024 passes, 1280 x 1070 fails, 1200 x 1000 is
  // exactly 12:10; size: below 700 high, or below 768 and 1100.
  for (auto [w, h, test] : {std::tuple{1280, 1024, ScreenTest::Accept}, {1280, 1070, ScreenTest::RefuseAspect},
                            {1200, 1000, ScreenTest::Accept}, {1099, 767, ScreenTest::RefuseSize},
                            {1366, 699, ScreenTest::RefuseSize}, {1024, 768, ScreenTest::Accept},
                            {1100, 700, ScreenTest::Accept}})
    EXPECT_EQ(RefusalOf(w, h), test) << w << " x " << h;
  EXPECT_TRUE(AsksSmallScreen(1024));
  EXPECT_FALSE(AsksSmallScreen(1100));
  EXPECT_FALSE(AsksLargeFont(20));
  EXPECT_TRUE(AsksLargeFont(21));
}

TEST(TreeGroups, ItemsFollowTheSpeciesOfTheStand) {
  const QString logs = "Kuvio a, tukkipuut", pines = "Kuvio a, männyt";
  // Pines and spruces, no broadleaved trees: three items, the third dropped;
  // all three groups: four; pines and broadleaved only: broadleaved not added.
  EXPECT_EQ(TreeGroupItems("Kuvio a", true, true, false), QStringList({logs, pines}));
  EXPECT_EQ(TreeGroupItems("Kuvio a", true, true, true).size(), 4);
  EXPECT_EQ(TreeGroupItems("Kuvio a", true, true, true).last(), "Kuvio a, lehtipuut");
  EXPECT_EQ(TreeGroupItems("Kuvio a", true, false, true), QStringList({logs, pines}));
  EXPECT_EQ(TreeGroupItems("Kuvio a", false, false, true), QStringList({logs}));
}
