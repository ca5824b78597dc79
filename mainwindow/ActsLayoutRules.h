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
