#pragma once
// The contents of the estate charts window (`TGraphForm`) as plain rules:
// the development classes and the site types of the estate by measured stock
// or by area, the timber assortments of the stock at a time point or of the
// removal, and the window's place on the screen.

#include <QString>
#include <QStringList>
#include <vector>

#include "estate/EstateRules.h"
#include "estate/FolderRules.h"

struct HorizontalChart {
  std::vector<EstateBar> bars;  // in drawing order, the first at the bottom
  QString valueFormat;
  QStringList titleLines;
  QString foot;
};

// Development classes 9..0 or site types 6..0, each bar its share in percent
// of the measured stock (byVolume) or of the area; firstItemYear is item 0 of
// the window's time-point group (" v. yyyy", or empty).
HorizontalChart DistributionChart(const Distribution& d, bool siteTypes, bool byVolume, const QString& firstItemYear);

// The ten shown assortments of the stock at the main window's item mainItem,
// or of the removal; as volumes or values. label: the time-point label of
// the window's chosen item.
HorizontalChart EstateAssortmentChart(const Estate& e, int mainItem, bool removal, bool value, const QString& label);

// The window's top-left corner: beside the estate overview (beside set) or
// on its own. listItems is the number of rows of the main window's stand
// list (clamped to 5..10). The top is never above the screen.
struct WindowPlace {
  int left = 0;
  int top = 0;
};
WindowPlace ChartWindowPlace(bool beside, int screenWidth, int screenHeight, int windowWidth, int windowHeight,
                             int listItems);
