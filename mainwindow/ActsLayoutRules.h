#pragma once
// The main window's size for a screen and the size-dependent choices of its
// layout, as plain functions (no widget).

#include <QString>
#include <QStringList>

#include "ui/WindowRules.h"

struct MainWindowSize {
  int width = 0;
  int height = 0;
};
// The main window's size for a target width and height (the screen at start,
// or the size chosen in the start window); realScreenWidth is the width of
// the screen itself.
MainWindowSize ComputeMainWindowSizeFor(int width, int height, bool atStart, int realScreenWidth);

// Width of the estate stand-list panel for a window size.
int StandListPanelWidth(int width, int height);
// Width of the estate summary panel.
int EstateSummaryPanelWidth(int height);

// Dot-map placement on the overview page.
struct DotMapSize {
  int width = 0;
  double f = 0;
  int d1 = 0;
  int d2 = 0;
};
DotMapSize DotMapSizeFor(int width, int height);

// The overview page: each dot map with its chart 8 pixels right of it,
// the two centred in the page (the measured map: left = trunc((page width -
// (map width + Chart3 width + 8)) x 0.5)); the page's options in a column
// right-aligned to the charts, over the charts' right part, which their bars
// and texts leave free. The upper chart takes the page's width less a
// margin of 14 pixels on either side (8 below 1200 wide); the lower chart
// is as wide, 48 pixels narrower in a window 700 high and below 1100 wide.
struct OverviewPagePlaces {
  int afterMapLeft = 0;     // Image11, with Chart4 beside it
  int measuredMapLeft = 0;  // Image13, with Chart3 beside it
  int chart4Left = 0;
  int chart4Width = 0;
  int chart3Left = 0;
  int chart3Width = 0;
  int columnLeft = 0;       // the options of the upper chart
  int lowerColumnLeft = 0;  // the options of the lower chart
  int columnWidth = 0;
  int optionsRoomWidth = 0; // of a chart's width, what its options take
  bool operator==(const OverviewPagePlaces&) const = default;
};
OverviewPagePlaces OverviewPagePlacesFor(int panelWidth, int windowWidth, int windowHeight, int mapWidth);

// Point sizes of the overview charts' texts in the small windows of 700
// pixels height (0: the chart's own size): below 1100 wide the heading and
// the value marks at 7 points and the bar names under the species chart's
// bars at 8; from 1100 to 1199 wide those bar names at 9.
struct OverviewChartFonts {
  int headingPoints = 0;
  int markPoints = 0;
  int barNamePoints = 0;
  bool operator==(const OverviewChartFonts&) const = default;
};
OverviewChartFonts OverviewChartFontsFor(int width, int height);
// The caption over the dot maps takes the narrow font in a window 700 high
// and below 1200 wide (as the stand list does).
bool UsesNarrowFont(int width, int height);

// The stand-view pages follow the cutting-stage list: a treeless area or a
// small seedling stand (the list disabled) has no stand pictures, so its two
// picture pages are hidden and the overview page becomes the active one;
// with the list enabled again they come back and the page that was active
// when this is applied (its index) is made active again. The two pages are
// the ones beside the overview page (indices 0 and 1 when the overview page
// is the third, else 1 and 2); they change only when the second page's
// visibility differs from the list's state.
struct StandViewTabs {
  bool change = false;  // pages `first` and `second` take `visible`
  int first = 0;
  int second = 1;
  bool visible = true;
  int active = 0;       // the page made active
  bool operator==(const StandViewTabs&) const = default;
};
StandViewTabs StandViewTabsFor(bool listEnabled, bool secondPageVisible, int overviewIndex, int activeIndex);

// Main window and start window places.
int MainWindowTop(int screenHeight, int windowHeight, int menuBarHeight);
int MainWindowLeft(int screenWidth, int windowWidth);

// The verdict of the screen test before any question is asked.
enum class ScreenTest { Accept, RefuseAspect, RefuseSize };
ScreenTest RefusalOf(int width, int height);
bool AsksSmallScreen(int width);
bool AsksLargeFont(int menuBarHeight);

// Items of the stand view's tree-group list: the stand title alone (the whole
// growing stock), then the title, ", " and log trees; pines and spruces where
// the stand has them; broadleaved trees only when the list already holds
// more than two items; a list of exactly three items loses its third (a lone
// species group would only repeat the whole growing stock).
QStringList TreeGroupItems(const QString& title, bool hasPine, bool hasSpruce, bool hasBroadleaf);

// The currency-label arrow of the timber-sale window: "  -->" when the unit
// text length plus the currency field's length is 9, 10 or 11, else "  ->".
QString CurrencyArrow(int unitLength, int fieldMaxLength);
