#pragma once
// The contents of the estate overview window (`TFolderForm`) as plain rules:
// the stand table with its totals row in the stock and removal views, per
// hectare or per stand; the distribution of area and measured stock over
// development classes and site types; the table of timber assortments; the
// cutting method of a stand; the captions.

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "estate/EstateRules.h"

// ---- Small texts ------------------------------------------------------------

// "dd.mm.yyyy" -> "mm/yyyy"; an empty text stays empty.
QString MeasuredMonthText(const QString& date);
// The time-point group's caption: the removal view, else the overview's
// (variant 0) or the estate charts' (variant 1).
QString TimePointCaptionText(int variant, bool removalView);
// "poimintahakkuu" (a selection or small-gap cutting among steps 1..3),
// "uudistushakkuu" (a regeneration cutting among them), "kasvatushakkuu" (any
// other cutting among them) or empty (growth only, or no step).
QString CuttingMethodName(const EstateRecord& r);
// The year of the stand's cutting as the stand lists show it: "v. yyyy".
QString StandSlotSummaryText(const Estate& e, const EstateRecord& r);
// What the stand lists show of a stand's removal (per hectare).
StandRemovalAtTimePoint EstateStandRemoval(const Estate& e, const EstateRecord& r);

// Three cells: " %6d %" of the share, the volume ("%8d m3", or "%6d m3/ha"
// per hectare) and the value ("%10d" and the currency, or "%8d" and the
// currency per hectare).
std::array<QString, 3> ShareVolumeValueCells(int share, long long volume, long long value, bool wholeStand);

// The "info" panel of the overview and the charts is shown when the chosen
// item (above 0) has a year that differs from item 0's.
bool InfoPanelByYear(const QStringList& items, int chosen);

// ---- Stand table --------------------------------------------------------------

struct OverviewOptions {
  bool wholeStand = true;    // CheckBox1 unticked
  bool removalView = false;  // CheckBox2 ticked
  int mainItem = 0;          // the main window's time-point item
};

constexpr int kStandTableColumns = 9;
using StandTableRow = std::array<QString, kStandTableColumns>;

struct StandTable {
  QStringList headings;              // row 0 of StringGrid3
  std::vector<StandTableRow> rows;   // StringGrid1, one per stand
  StandTableRow totals;              // StringGrid2
  QString title;                     // Label39
};
StandTable EstateStandTable(const Estate& e, const OverviewOptions& o);
QStringList StandTableHeadings(bool removalView);

// ---- Distributions --------------------------------------------------------------

// Development classes (10) or site types (7): stands, area, measured stock
// over whole stand areas, and the percentages of area and stock (adding up to
// 100; all 0 when the estate has none).
struct Distribution {
  std::vector<int> count;
  std::vector<float> areaHa;
  std::vector<int> volumeM3;
  std::vector<int> areaPercent;
  std::vector<int> volumePercent;
  float totalAreaHa = 0;
  long long totalVolumeM3 = 0;
};
Distribution EstateDistribution(const Estate& e, bool siteTypes);

struct DistributionTable {
  QStringList headings;                         // StringGrid33, three columns
  std::vector<std::array<QString, 3>> rows;     // StringGrid11
  std::array<QString, 3> totals;                // StringGrid22
  QString title;                                // Label10
};
DistributionTable DistributionTableOf(const Estate& e, const Distribution& d, bool siteTypes);

// ---- Timber assortments --------------------------------------------------------

struct AssortmentTable {
  QStringList headings;                      // StringGrid333
  std::array<std::array<QString, 3>, 10> rows;  // StringGrid111
  std::array<QString, 3> totals;             // StringGrid222
  QString title;                             // Label23
};
// The assortment of table row r: energy wood, pulpwood 0..4, logs 6..9.
int AssortmentOfTableRow(int row);
AssortmentTable EstateAssortmentTable(const Estate& e, int mainItem);

// ---- Captions ----------------------------------------------------------------

// "kuviotietokanta " + the estate folder's name.
QString EstateTitleText(const QString& folder);
// The title, the stand count and the area: Label2 of the overview and
// Label3 of the charts.
QString EstateCountAreaText(const Estate& e, const QString& folder);
