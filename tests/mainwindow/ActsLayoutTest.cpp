// The main window's size for a screen, its height classes, panel widths and
// dot-map sizes.
#include <gtest/gtest.h>

#include "mainwindow/ActsLayout.h"

namespace {

MainWindowSize AtStart(int w, int h) { return ComputeMainWindowSizeFor(w, h, true, w); }

}  // namespace

TEST(MainWindowSize, WideScreensAtStart) {
  // 1920 x 1080: 16:9 ((1920 + 10) / 1080 = 1.787 >= 1.778), W >= 1920 at
  // start: height 752, width 752 x 1.9 = 1428.8 -> 1429.
  EXPECT_EQ(AtStart(1920, 1080).width, 1429);
  EXPECT_EQ(AtStart(1920, 1080).height, 752);
  // 1366 x 768: 16:9 (1376 / 768 = 1.792), below 1920: 728, 728 x 1.85 =
  // 1346.8 -> 1347.
  EXPECT_EQ(AtStart(1366, 768).width, 1347);
  EXPECT_EQ(AtStart(1366, 768).height, 728);
  // 1600 x 900 at start: 728 / 1347; chosen as the full screen later: W >
  // 1438.8, so 752 / 1429.
  EXPECT_EQ(AtStart(1600, 900).height, 728);
  EXPECT_EQ(ComputeMainWindowSizeFor(1600, 900, false, 1600).width, 1429);
  // 1280 x 720 as the screen: 16:9 below 1351 and not narrower than the
  // screen: 1266 x 700.
  EXPECT_EQ(AtStart(1280, 720).width, 1266);
  EXPECT_EQ(AtStart(1280, 720).height, 700);
}

TEST(MainWindowSize, ChosenSizesAndOtherShapes) {
  // The small choice on a 1920 screen: 708, 708 x 1.85 = 1309.8 -> 1310.
  EXPECT_EQ(ComputeMainWindowSizeFor(1280, 720, false, 1920).width, 1310);
  EXPECT_EQ(ComputeMainWindowSizeFor(1280, 720, false, 1920).height, 708);
  // The medium choice: 1366 x 768 -> 1347 x 728 (1366 < 1439).
  EXPECT_EQ(ComputeMainWindowSizeFor(1366, 768, false, 1920).width, 1347);
  // 4:3: 768 x 100 / 1024 = 75: 1024 x 700; 1400 x 1050: 1336 x 752.
  EXPECT_EQ(AtStart(1024, 768).width, 1024);
  EXPECT_EQ(AtStart(1024, 768).height, 700);
  EXPECT_EQ(AtStart(1400, 1050).width, 1336);
  EXPECT_EQ(AtStart(1400, 1050).height, 752);
  // 16:10 1280 x 800 and 5:4 1280 x 1024: 1280 x 0.9 x 0.625 = 720.
  EXPECT_EQ(AtStart(1280, 800).height, 720);
  EXPECT_EQ(AtStart(1280, 1024).height, 720);
  // 1680 x 1050: W >= 1440 becomes 1365; 1365 x 0.5625 = 767.8 -> 768.
  EXPECT_EQ(AtStart(1680, 1050).width, 1365);
  EXPECT_EQ(AtStart(1680, 1050).height, 768);
  // 1100 x 700 is of no shape: used as it is.
  EXPECT_EQ(AtStart(1100, 700).width, 1100);
  EXPECT_EQ(AtStart(1100, 700).height, 700);
  // 1200 x 1000: (1000 + 1) / 1200 = 0.834 > 0.8 (5:4): 1200 x 675.
  EXPECT_EQ(AtStart(1200, 1000).width, 1200);
  EXPECT_EQ(AtStart(1200, 1000).height, 675);
}

TEST(MainWindowSize, ClassesPanelsAndDotMaps) {
  EXPECT_TRUE(IsWindowHeightClass(0, 700));
  EXPECT_FALSE(IsWindowHeightClass(0, 708));
  EXPECT_TRUE(IsWindowHeightClass(1, 727));
  EXPECT_FALSE(IsWindowHeightClass(1, 728));
  EXPECT_TRUE(IsWindowHeightClass(2, 751));
  EXPECT_FALSE(IsWindowHeightClass(2, 752));
  EXPECT_EQ(ScreenAllowsLargeWindow(true, 800), 1920);
  EXPECT_EQ(ScreenAllowsLargeWindow(false, 1536), 1);
  EXPECT_EQ(ScreenAllowsLargeWindow(false, 1535), 0);
  // Stand-list panel: 530; - 35 below 752; - 20 below 728; at most 1280
  // wide: - 10 (>= 1200), - 80 (>= 1100), - 140.
  EXPECT_EQ(StandListPanelWidth(1429, 752), 530);
  EXPECT_EQ(StandListPanelWidth(1347, 728), 495);
  EXPECT_EQ(StandListPanelWidth(1310, 708), 475);
  EXPECT_EQ(StandListPanelWidth(1266, 700), 465);
  EXPECT_EQ(StandListPanelWidth(1100, 700), 395);
  EXPECT_EQ(StandListPanelWidth(1024, 700), 335);
  EXPECT_EQ(EstateSummaryPanelWidth(752), 244);
  EXPECT_EQ(EstateSummaryPanelWidth(728), 235);
  EXPECT_EQ(DotMapSizeFor(1429, 752).width, 580);
  EXPECT_EQ(DotMapSizeFor(1347, 728).width, 556);
  EXPECT_EQ(DotMapSizeFor(1266, 700).width, 510);
  // 1365 x 768 is 16:9 again (1375 / 768 = 1.79): 1300..1369 -> 556.
  EXPECT_EQ(DotMapSizeFor(1365, 768).width, 556);
  EXPECT_EQ(DotMapSizeFor(1280, 800).width, 510);  // 16:10 below 1300
  EXPECT_EQ(DotMapSizeFor(1440, 900).width, 560);  // 1450 / 900 = 1.61: 16:10
  EXPECT_EQ(DotMapSizeFor(1100, 700).width, 508);
  EXPECT_EQ(DotMapSizeFor(1024, 700).width, 436);
  // Place: (1080 - 732 - 32) x 0.5 = 158; (1920 - 1429) / 2 = 245.
  EXPECT_EQ(MainWindowTop(1080, 732, 20), 158);
  EXPECT_EQ(MainWindowLeft(1920, 1429), 245);
  EXPECT_EQ(CurrencyArrow(5, 5), "  -->");
  EXPECT_EQ(CurrencyArrow(5, 7), "  ->");
}

TEST(ScreenTest, RefusalsAndQuestions) {
  // 1280 x 1024: 1280 >= 1228.8 passes the aspect test; 1280 x 1070 fails.
  EXPECT_EQ(RefusalOf(1280, 1024), ScreenTest::Accept);
  EXPECT_EQ(RefusalOf(1280, 1070), ScreenTest::RefuseAspect);
  EXPECT_EQ(RefusalOf(1200, 1000), ScreenTest::Accept);  // exactly 12:10
  EXPECT_EQ(RefusalOf(1099, 767), ScreenTest::RefuseSize);
  EXPECT_EQ(RefusalOf(1366, 699), ScreenTest::RefuseSize);
  EXPECT_EQ(RefusalOf(1024, 768), ScreenTest::Accept);
  EXPECT_TRUE(AsksSmallScreen(1024));
  EXPECT_EQ(RefusalOf(1100, 700), ScreenTest::Accept);
  EXPECT_FALSE(AsksSmallScreen(1100));
  EXPECT_FALSE(AsksLargeFont(20));
  EXPECT_TRUE(AsksLargeFont(21));
}

TEST(TreeGroups, ItemsFollowTheSpeciesOfTheStand) {
  // Pines and spruces, no broadleaved trees: three items, the third dropped.
  EXPECT_EQ(TreeGroupItems("Kuvio a", true, true, false),
            QStringList({"Kuvio a, tukkipuut", "Kuvio a, männyt"}));
  // All three groups: four items.
  EXPECT_EQ(TreeGroupItems("Kuvio a", true, true, true).size(), 4);
  EXPECT_EQ(TreeGroupItems("Kuvio a", true, true, true).last(), "Kuvio a, lehtipuut");
  // Pines and broadleaved trees only: two items, broadleaved not added.
  EXPECT_EQ(TreeGroupItems("Kuvio a", true, false, true),
            QStringList({"Kuvio a, tukkipuut", "Kuvio a, männyt"}));
  EXPECT_EQ(TreeGroupItems("Kuvio a", false, false, true), QStringList({"Kuvio a, tukkipuut"}));
}
