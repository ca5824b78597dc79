#pragma once
// The two charts of the overview page and the captions over its dot maps, as
// plain functions (no widget). The lower chart shows the stand as measured
// (slot 0), the upper one the current phase, or the removal of the cuttings
// while the page shows the removal, or nothing beside the natural mortality.
// What both show is chosen in the page's list: the stand characteristics,
// the timber assortments of the growing stock, or the species proportions.
//
// Colours are 0xBBGGRR values; bars are listed in the order they are added
// (on a horizontal chart the first bar lies lowest).

#include <QString>
#include <QStringList>

#include <vector>

#include "estate/EstateRules.h"

class data;

// What a chart shows.
enum OverviewChartContent : int {
  ChartCharacteristics = 0,  // logs, pulpwood and energy wood with the stand means
  ChartStockAssortments = 1, // timber assortments of the growing stock
  ChartSpecies = 2,          // species proportions (vertical bars)
  ChartRemoval = 3,          // timber assortments of the cutting removal
};
// The content of the page's list item (0 characteristics, 1 assortments,
// any other the species).
int OverviewChartContentOf(int listItem);

// How a chart is arranged for a content.
struct OverviewChartLayout {
  bool vertical = false;        // vertical bars (species) instead of horizontal
  bool footerVisible = false;   // characteristics and species
  bool footerCentred = false;   // species
  int labelFontSize = 8;        // the bar labels: 9 for the characteristics
  int topMargin = 1;
  int bottomMargin = 1;         // 0 while the footer shows
  bool leftAxisVisible = true;  // the category axis of horizontal bars
  bool bottomAxisVisible = false;
  int leftAxisStart = 1;        // extents in percent of the chart
  int leftAxisEnd = 99;
  int bottomAxisStart = 5;
  int bottomAxisEnd = 95;
  bool operator==(const OverviewChartLayout&) const = default;
};
OverviewChartLayout PrepareOverviewChart(int content, int mainWindowHeight);

struct OverviewChart {
  std::vector<EstateBar> bars;
  QString valueFormat;  // "###0.### m3", "##0.## %", ...
  QStringList heading;
  QStringList footer;
};

// The removal of the cuttings by assortment: m3 or value (priced), per
// hectare or for the whole stand (perStand); the heading names the year of
// the phase.
OverviewChart RemovalAssortmentChart(const data& stand, int phase, bool perStand, bool priced);
// The assortments of the growing stock of slot k.
OverviewChart StockAssortmentChart(const data& stand, int k, bool perStand, bool priced);
// Logs, pulpwood and energy wood of slot k per hectare (m3 or value) with
// their shares, the stems, mean stem, basal area and means in the footer.
OverviewChart CharacteristicsChart(const data& stand, int k, bool priced);
// Species proportions of slot k in percent of the volume, adding up to 100,
// or the stems per hectare (stemsTicked, and always for a stand without a
// tree picture).
OverviewChart SpeciesChart(const data& stand, int k, bool stemsTicked);

// The switches of the page that the stock charts read.
struct OverviewChartSwitches {
  bool stockPriced = false;            // "€" of the assortments
  bool stockPerStand = false;          // "m3/kuvio" of the assortments
  bool characteristicsPriced = false;  // "Mk" of the characteristics
  bool stems = false;                  // "runkoluku" of the species
};
// The chart of slot k for the list item.
OverviewChart OverviewChartFor(const data& stand, int listItem, int k, const OverviewChartSwitches& s);
// Whether a list choice redraws the chart: the upper chart belongs to the
// removal or mortality view while one is shown (mode above 0).
bool IsOverviewChartRedrawn(bool upperChart, int mode);

// The captions of the measured map and of the second map for an overview
// mode, at the current phase.
struct OverviewCaptions {
  QString measured;  // Label17
  QString second;    // Label43
};
OverviewCaptions OverviewCaptionsFor(const data& stand, int phase, int mode);
// The removal chart's switches show in the removal view when the removal is
// not 0 per hectare or for the whole stand.
bool RemovalSwitchesVisible(const data& stand, int mode);
