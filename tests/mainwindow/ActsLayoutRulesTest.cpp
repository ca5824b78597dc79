// The main window's size for a screen, its height classes, panel widths and
// dot-map sizes; the screen refusals, the tree groups and the stand list's
// busy text.
#include <QSize>
#include <gtest/gtest.h>

#include "mainwindow/ActsCommandRules.h"
#include "mainwindow/ActsLayoutRules.h"
#include "texts/Commonlan.h"

TEST(MainWindowSize, ScreensClassesPanelsAndDotMaps) {
  // The screens of the start-up tests (16:9 1920 x 1080, 1366 x 768, 1600 x
  // 900 and 1280 x 720, 4:3 1024 x 768, 5:4 1200 x 1000, 1100 x 700) and
  // the sizes chosen there are checked through the main window there; the
  // other shapes: 4:3 (1050 x 100 / 1400 = 75) from 1337 up; 16:10 and 5:4
  // ((1024 + 1) / 1280 > 0.8): 1280 x 0.9 x 0.625 = 720; 16:10 from 1440 up
  // 1365 wide, 1365 x 0.5625 = 767.8 -> 768.
  struct Shape { int w, h, width, height; } shapes[] = {
      {1400, 1050, 1336, 752}, {1280, 800, 1280, 720}, {1280, 1024, 1280, 720}, {1680, 1050, 1365, 768}};
  for (const Shape& c : shapes) {
    const MainWindowSize s = ComputeMainWindowSizeFor(c.w, c.h, true, c.w);
    EXPECT_EQ(QSize(s.width, s.height), QSize(c.width, c.height)) << c.w << " x " << c.h;
  }
  // Height classes: 0 only at 700, 1 below 728, 2 below 752.
  for (auto [cls, height, in] : {std::tuple{0, 700, true}, {0, 708, false}, {1, 727, true}, {1, 728, false},
                                 {2, 751, true}, {2, 752, false}})
    EXPECT_EQ(IsWindowHeightClass(cls, height), in) << cls << " " << height;
  EXPECT_EQ(std::tuple(ScreenAllowsLargeWindow(true, 800), ScreenAllowsLargeWindow(false, 1536),
                       ScreenAllowsLargeWindow(false, 1535)),
            std::tuple(1920, 1, 0));
  // Per window size: stand-list panel 530, - 35 below 752, - 20 below 728,
  // at most 1280 wide - 10 (>= 1200), - 80 (>= 1100), - 140. Dot map: below
  // 1100 436, below 1200 508; 16:9 below 1300 510, below 1370 556, else 580;
  // otherwise below 1300 510, else 560 (1365 x 768 is 16:9 again, 1375 / 768
  // = 1.79; 1440 x 900 is 16:10, 1450 / 900 = 1.61).
  struct Case { int w, h, standList, dotMap; } cases[] = {
      {1429, 752, 530, 580}, {1347, 728, 495, 556}, {1310, 708, 475, 556}, {1266, 700, 465, 510},
      {1100, 700, 395, 508}, {1024, 700, 335, 436}, {1365, 768, 530, 556}, {1280, 800, 520, 510},
      {1440, 900, 530, 560}, {1200, 675, 465, 510}};
  for (const Case& c : cases)
    EXPECT_EQ(std::pair(StandListPanelWidth(c.w, c.h), DotMapSizeFor(c.w, c.h).width), std::pair(c.standList, c.dotMap))
        << c.w << " x " << c.h;
  EXPECT_EQ(std::pair(EstateSummaryPanelWidth(752), EstateSummaryPanelWidth(728)), std::pair(244, 235));
  // Place: (1080 - 732 - 32) x 0.5 = 158; (1920 - 1429) / 2 = 245.
  EXPECT_EQ(std::pair(MainWindowTop(1080, 732, 20), MainWindowLeft(1920, 1429)), std::pair(158, 245));
  EXPECT_EQ(std::pair(CurrencyArrow(5, 5), CurrencyArrow(5, 7)), std::pair(QString("  -->"), QString("  ->")));
  // Aspect: 1280 >= 1.2 x 1024 passes; size: below 700 high is refused even
  // on a wide screen; the question up to 1100 wide. The start-up tests
  // refuse and question the others.
  EXPECT_EQ(std::pair(RefusalOf(1280, 1024), RefusalOf(1366, 699)),
            std::pair(ScreenTest::Accept, ScreenTest::RefuseSize));
  EXPECT_TRUE(AsksSmallScreen(1099));
}

TEST(TreeGroups, ItemsFollowTheSpeciesOfTheStandAndTheListsBusyTextItsFile) {
  // Item 0 is the whole growing stock, item 1 the log trees; a species item
  // only where another group stands beside it.
  const QString all = "Kuvio a", logs = "Kuvio a, tukkipuut", pines = "Kuvio a, männyt",
                spruces = "Kuvio a, kuuset", broad = "Kuvio a, lehtipuut";
  EXPECT_EQ(TreeGroupItems(all, true, true, false), QStringList({all, logs, pines, spruces}));
  EXPECT_EQ(TreeGroupItems(all, true, true, true), QStringList({all, logs, pines, spruces, broad}));
  EXPECT_EQ(TreeGroupItems(all, true, false, true), QStringList({all, logs, pines, broad}));
  EXPECT_EQ(TreeGroupItems(all, false, true, false), QStringList({all, logs}));  // spruces only
  EXPECT_EQ(TreeGroupItems(all, false, false, true), QStringList({all, logs}));  // broadleaved only
  EXPECT_EQ(StandListBusyText(QString::fromUtf8("/home/m/Metsätilat/Koti/12a.") + CommonlanText(0)), "kuvio 12a");
}

TEST(MainWindowPages, PicturePagesOverviewPlacesAndSmallWindowLetters) {
  // The picture pages follow the cutting-stage list: hidden (the overview
  // page, the third, in front) when it is disabled, shown again with the
  // page given made active; nothing changes while they already agree. With
  // the overview page first, the two pages after it.
  EXPECT_EQ(StandViewTabsFor(false, true, 2, 0), (StandViewTabs{true, 0, 1, false, 2}));
  EXPECT_EQ(StandViewTabsFor(true, false, 2, 2), (StandViewTabs{true, 0, 1, true, 2}));
  EXPECT_EQ(StandViewTabsFor(true, true, 2, 1), (StandViewTabs{false, 0, 1, true, 1}));
  EXPECT_EQ(StandViewTabsFor(false, false, 2, 2), (StandViewTabs{false, 0, 1, false, 2}));
  EXPECT_EQ(StandViewTabsFor(false, true, 0, 1), (StandViewTabs{true, 1, 2, false, 0}));
  // Page 1107 wide in a window 1347 x 728, maps 556: margins of 14, charts
  // 1107 - 2 x 14 - 564 = 515 wide, maps at (1107 - (556 + 515 + 8)) x 0.5 =
  // 14, charts at 578; options 150 wide right-aligned 6 inside the charts at
  // 578 + 515 - 6 - 150 = 937, the bars and texts keeping 162 free for them.
  EXPECT_EQ(OverviewPagePlacesFor(1107, 1347, 728, 556),
            (OverviewPagePlaces{14, 14, 578, 515, 578, 515, 937, 937, 150, 162}));
  // 1024 x 700, page 783, maps 436: margins of 8, the upper chart 783 - 16 -
  // 444 = 323, the lower 48 narrower (275), its map at (783 - 719) x 0.5 =
  // 32; options 134 wide at 452 + 323 - 6 - 134 = 635 and 476 + 275 - 140 =
  // 611. The wide view (page 1018): charts 558 and 510.
  EXPECT_EQ(OverviewPagePlacesFor(783, 1024, 700, 436),
            (OverviewPagePlaces{8, 32, 452, 323, 476, 275, 635, 611, 134, 146}));
  EXPECT_EQ(OverviewPagePlacesFor(1018, 1024, 700, 436),
            (OverviewPagePlaces{8, 32, 452, 558, 476, 510, 870, 846, 134, 146}));
  // From 1100 wide both charts alike: page 855, maps 508, charts 323.
  EXPECT_EQ(OverviewPagePlacesFor(855, 1100, 700, 508),
            (OverviewPagePlaces{8, 8, 524, 323, 524, 323, 707, 707, 134, 146}));
  // Letters of the small windows 700 high.
  for (int w : {1024, 1099}) EXPECT_EQ(OverviewChartFontsFor(w, 700), (OverviewChartFonts{7, 7, 8})) << w;
  for (int w : {1100, 1199}) EXPECT_EQ(OverviewChartFontsFor(w, 700), (OverviewChartFonts{0, 0, 9})) << w;
  EXPECT_EQ(OverviewChartFontsFor(1200, 700), OverviewChartFonts{});
  EXPECT_EQ(OverviewChartFontsFor(1024, 708), OverviewChartFonts{});
  EXPECT_TRUE(UsesNarrowFont(1199, 700) && !UsesNarrowFont(1200, 700) && !UsesNarrowFont(1100, 708));
}
