#pragma once
// Estate arithmetic and the contents of the main window's estate panel, as
// plain rules: the totals of all stands per timber assortment at a time point
// (volume or value, per stand area), the cutting removal of one stand and of
// the estate, the estate grid of stock, growth and removal, the estate chart
// and the one-line stand-list summary.
//
// Nothing here divides by zero: an estate of no stands, of area 0 or without
// any stock shows empty or zero figures.

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "estate/TimePointRules.h"
#include "stands/EstateListRules.h"
#include "ui/ChartBarRules.h"
#include "model/Data.h"

using AssortmentVector = std::array<int, kAssortmentCount>;

// ---- Totals ---------------------------------------------------------------

// Sum over all stands of each assortment at the stands' phases of a kind, as
// volume (m3/ha, or m3 for whole stand areas) or as value (each stand's term
// rounded to whole currency units before it is added). Returns the total.
int EstateAssortmentVolumes(const Estate& e, int kind, AssortmentVector& out, bool priced, bool wholeArea);
int EstateAssortmentTotal(const Estate& e, int kind, bool priced, bool wholeArea);
// out[j] = volume j x unit price j, rounded; returns their sum.
int AssortmentValues(const AssortmentVector& volumes, AssortmentVector& out);
int AssortmentValueTotal(const AssortmentVector& volumes);
// The removal of stand r by assortment: its volumes before its cutting (after
// the leading growing steps) minus those after it. False, and out zero, when
// the stand has no cutting to count.
bool StandRemovalVolumes(const Estate& e, const EstateRecord& r, bool wholeArea, AssortmentVector& out);
// The cutting removal of stand r: volumes from the state before its cutting
// (after the leading growing steps) to the state after it, as volume or
// value; out (when given) gets the volume differences added. 0 for a stand
// with no step, only growth, or no later state.
int StandRemovalValue(const Estate& e, const EstateRecord& r, AssortmentVector* out, bool wholeArea, bool priced);
// The removal of every stand with a cutting, m3 over whole stand areas, per
// assortment into out; returns the total.
int EstateRemovalTotals(const Estate& e, AssortmentVector& out);
// The sawlog share (percent, 6..11) or pulpwood share (0..5) of a vector; 0
// when it adds up to 0 or less.
int SawlogShare(const AssortmentVector& v, bool sawlogs = true);

// ---- Small texts ------------------------------------------------------------

// "%1.2f ha" (precise) or "%1.1f ha".
QString AreaText(float area, bool precise);
// "A" for 0, "B" for 1, ...
QString ChartItemLetter(int i);

// ---- Estate grid (six rows: stock, three growth rows, two removal rows) ----

struct EstateGridCells {
  std::array<QString, 6> labels;
  std::array<QString, 6> values;
};
EstateGridCells FillEstateGridCells(const Estate& e, int chosenItem, bool valueMode);

// ---- Estate chart -----------------------------------------------------------

// The bars: EstateBar (ui/ChartBarRules.h).
struct EstateChartContent {
  std::vector<EstateBar> bars;
  QString valueFormat;          // "###0.### m3" and the like
  QStringList titleLines;       // the chart title, line by line
  QStringList footLines;        // "A :  label" per item (several items)
  QString topAxisTitle;         // the note on white bars, or empty
  int axisStartPercent = 0;     // bottom axis start and end, percent
  int axisEndPercent = 100;
  int bottomAxisPositionPercent = 10;
  bool infoPanelVisible = false;  // small seedling stands left out
};
// count: the number of time-point items drawn; mainWindowHeight for the axis
// position.
EstateChartContent EstateChart(const Estate& e, int count, bool inCurrency, bool perHa, int mainWindowHeight);


// Small seedling stands (development class 2) measured before year; out
// area their total.
int SmallSeedlingStandsBefore(const Estate& e, int year, float& area);

// The forecast notice: caption, first line, second line (item -1: the
// message of the main window; other items a notice of that time point).
struct ForecastInfo {
  QString caption;
  QString line1;
  QString line2;
};
// items: the time-point items of the window that asks.
ForecastInfo ForecastInfoFor(const Estate& e, const QStringList& items, int item);

// ---- Stand-list summary -------------------------------------------------------

// The part of the summary after the folder text: sep + part A + "   :   " +
// part B; listMode 0 the growing stock, other the cutting removal.
QString StandListSummaryTail(const Estate& e, int listMode, bool valueMode, const QString& sep);
// ", " below a main-window height of 728, else ",  ".
QString SummarySeparator(int mainWindowHeight);
