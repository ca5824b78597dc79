#include "mainwindow/ActsLayoutRules.h"

#include <algorithm>

#include "platform/Numbers.h"
#include "texts/Actlan.h"

MainWindowSize ComputeMainWindowSizeFor(int width, int height, bool atStart, int realScreenWidth) {
  MainWindowSize s{width, height};
  switch (ShapeOf(width, height)) {
    case ScreenShape::FourThree:
      if (width >= 1337) s = {1336, 752};
      else s = {width, 700};
      break;
    case ScreenShape::SixteenNine:
      if (width >= 1351) {
        const bool large = atStart ? width >= ScreenAllowsLargeWindow(true, width) : width >= 1439;
        s.height = large ? 752 : 728;
        s.width = platform::RoundHalfAway(s.height * (large ? 1.9 : 1.85));
      } else if (realScreenWidth > width) {
        s = {platform::RoundHalfAway(708 * 1.85), 708};
      } else {
        s = {1266, 700};
      }
      break;
    case ScreenShape::SixteenTen:
    case ScreenShape::FiveFour:
      s.width = width >= 1440 ? 1365 : width;
      s.height = platform::RoundHalfAway(s.width * 0.9 * 0.625);
      break;
    case ScreenShape::Other:
      break;
  }
  return s;
}

int StandListPanelWidth(int width, int height) {
  int w = 530;
  if (height < 752) w -= 35;
  if (height < 728) w -= 20;
  if (width <= 1280) {
    if (width >= 1200) w -= 10;
    else if (width >= 1100) w -= 80;
    else w -= 140;
  }
  return w;
}

int EstateSummaryPanelWidth(int height) { return height < 752 ? 235 : 244; }

DotMapSize DotMapSizeFor(int width, int height) {
  if (width < 1100) return {436, 0.56, 6, 3};
  if (width < 1200) return {508, 0.62, 6, 3};
  // A window of neither wide shape is laid out as 16:10.
  if (IsSixteenNine(width, height)) {
    if (width < 1300) return {510, 0.68, -20, -13};
    if (width < 1370) return {556, 0.59, -6, -8};
    return {580, 0.68, -10, -2};
  }
  if (width < 1300) return {510, 0.68, -20, -13};
  return {560, 0.54, 16, 18};
}

OverviewPagePlaces OverviewPagePlacesFor(int panelWidth, int windowWidth, int windowHeight, int mapWidth) {
  const bool narrow = windowWidth > 0 && windowWidth < 1200;
  OverviewPagePlaces p;
  p.columnWidth = narrow ? 134 : 150;
  const int margin = narrow ? 8 : 14;
  p.chart4Width = panelWidth - 2 * margin - (mapWidth + 8);
  p.chart3Width = windowHeight == 700 && windowWidth > 0 && windowWidth < 1100 ? p.chart4Width - 48 : p.chart4Width;
  const auto centred = [&](int chartWidth) {
    return platform::TruncToInt((panelWidth - (mapWidth + chartWidth + 8)) * 0.5);
  };
  p.afterMapLeft = centred(p.chart4Width);
  p.measuredMapLeft = centred(p.chart3Width);
  p.chart4Left = p.afterMapLeft + mapWidth + 8;
  p.chart3Left = p.measuredMapLeft + mapWidth + 8;
  // The options' right edge 6 pixels inside the charts'; the bars and texts
  // end 6 pixels before the options.
  p.columnLeft = p.chart4Left + p.chart4Width - 6 - p.columnWidth;
  p.lowerColumnLeft = p.chart3Left + p.chart3Width - 6 - p.columnWidth;
  p.optionsRoomWidth = p.columnWidth + 12;
  return p;
}

OverviewChartFonts OverviewChartFontsFor(int width, int height) {
  if (height != 700 || width >= 1200) return {};
  if (width < 1100) return {7, 7, 8};
  return {0, 0, 9};
}

bool UsesNarrowFont(int width, int height) { return height == 700 && width < 1200; }

StandViewTabs StandViewTabsFor(bool listEnabled, bool secondPageVisible, int overviewIndex, int activeIndex) {
  const int s = overviewIndex == 2 ? 1 : 0;
  StandViewTabs t;
  t.change = secondPageVisible != listEnabled;
  t.first = 1 - s;
  t.second = 2 - s;
  t.visible = listEnabled;
  // The second page is hidden afterwards exactly when the list is disabled.
  t.active = listEnabled ? activeIndex : overviewIndex;
  return t;
}

int MainWindowTop(int screenHeight, int windowHeight, int menuBarHeight) {
  return platform::TruncToInt((screenHeight - windowHeight - 1.6 * menuBarHeight) * 0.5);
}

int MainWindowLeft(int screenWidth, int windowWidth) { return (screenWidth - windowWidth) / 2; }

ScreenTest RefusalOf(int width, int height) {
  if (width < 1.2 * height) return ScreenTest::RefuseAspect;
  if (height < 700 || (height < 768 && width < 1100)) return ScreenTest::RefuseSize;
  return ScreenTest::Accept;
}

bool AsksSmallScreen(int width) { return width < 1100; }
bool AsksLargeFont(int menuBarHeight) { return menuBarHeight > 20; }

QString CurrencyArrow(int unitLength, int fieldMaxLength) {
  const int n = unitLength + fieldMaxLength;
  return (n >= 9 && n <= 11) ? QStringLiteral("  -->") : QStringLiteral("  ->");
}

QStringList TreeGroupItems(const QString& title, bool hasPine, bool hasSpruce, bool hasBroadleaf) {
  const QString prefix = title + QStringLiteral(", ");
  QStringList items{title, prefix + ActlanText(106)};
  if (hasPine) items << prefix + ActlanText(107);
  if (hasSpruce) items << prefix + ActlanText(108);
  if (items.size() > 2 && hasBroadleaf) items << prefix + ActlanText(109);
  if (items.size() == 3) items.removeLast();
  return items;
}
