#pragma once
// The texts of the stand view beside the stand pictures, as plain functions
// (no widget): the heading rows and description lines, the tree groups, the
// name of the cutting method and the chain of steps, the removal lines, and
// the carbon dioxide bound in the growing stock with the change line.
// Numbers are per hectare unless a text says otherwise.

#include <QString>
#include <QStringList>

class data;

// What the texts read of the main window besides the stand.
struct StandViewState {
  int phase = 0;            // current phase
  QStringList groupItems;   // items of the tree-group list (ComboBox28)
  int groupItem = 0;        // its chosen item
  bool removal = false;     // removal sample ticked (CheckBox33)
  bool carbon = false;      // carbon dioxide ticked (CheckBox16)
  bool thinningStage = false;  // the cutting-stage list shows thinnings
  int viewFlags = 0;        // packed stand-view flags of the display settings
};

// ---- Tree groups ----
// 0 the whole stock, 1 log trees, 2 pines, 3 spruces, 4 broadleaved; raw
// gives the item index.
int ChosenTreeGroup(const StandViewState& v, bool raw);
QString TreeGroupName(const StandViewState& v, int item);
QString TreeGroupYearText(const data& stand, const StandViewState& v, int k);
bool IsWholeStockChosen(const StandViewState& v);

// ---- Names of the steps ----
// The cutting method of the current phase in lower case ("kasvatushakkuu" in
// the thinning stage, combined names after a small-gap cutting or a species
// removal), with the calendar year unless noYear.
QString OperationMethodName(const data& stand, const StandViewState& v, bool noYear);
// The steps up to phase k: growing steps with their years, the method.
QString OperationChainText(const data& stand, const StandViewState& v, int k);
// Caption of a 1-ha sample of the stock or of the removal of a group.
QString SampleCaption(bool removal, int group);

// ---- Stock and removal lines ----
QString StockSummaryText(const data& stand, const StandViewState& v, int k);
QString RemovalSampleText(const data& stand, const StandViewState& v);
QString RemovalSummaryText(const data& stand, const StandViewState& v, bool detailed);
// Litres per stem, "0" without stems.
QString MeanStemVolumeText(const data& stand, int k);
// The grouping word of a stand-structure code.
QString StandGroupingText(bool withPrefix, int structureCode);

// ---- Rows and lines of the stand view ----
struct HeadingRow {
  QString group;   // Label1 / Label2 (twins Label9 / Label5)
  QString values;  // Label111 / Label222 (twins Label999 / Label555)
};
HeadingRow MeasuredHeadingRow(const data& stand, const StandViewState& v);
// Phase 0 has no after-row (empty texts).
HeadingRow AfterHeadingRow(const data& stand, const StandViewState& v);
// Under the measured picture: half for the close-up page.
QString InitialStateText(const data& stand, const StandViewState& v, bool half);
// Under the after-picture.
QString AfterStateText(const data& stand, const StandViewState& v, bool half);

// ---- Carbon dioxide and the change line ----
QString SignPrefix(double x);
// Volume share 0..1 of spruce and birch (all trees with measured sizes, or
// the standing trees with their latest sizes).
double SpruceBirchShare(const data& stand, bool measured);
// Kilograms per cubic metre of stem wood of a wood group (0 pine, aspen and
// alder; 1 spruce and birch).
int CarbonFactor(int group);
// Tonnes of carbon dioxide per hectare in the stock of slot k.
int SlotCarbonDioxide(const data& stand, int k);
QString TonnesPerHectareUnit(int n);
// mode 0: the measured stock; 1..9: the current phase; 10 and above the
// change since the measurement (without a percentage over a stock of 0).
QString CarbonDioxideText(const data& stand, int phase, int mode);
// The change line under the after-picture (Label27, Label28).
QString StockChangeText(const data& stand, const StandViewState& v);
// The carbon dioxide box is usable for the whole stock without the removal.
bool CarbonBoxEnabled(const StandViewState& v);

// ---- Overview page and timber-sale panel ----
// Suffix of a species label of the overview page: the species' age, or
// " • hakattu ennen kasvatusta" when none of it grew (and the label shows).
QString OverviewSpeciesSuffix(const data& stand, int species, bool labelVisible);
struct TimberSalePanel {
  QString caption;
  bool hasRemoval = false;  // grey font and palette colour 7 without
  int width = 0;
  int left = 0;
  int removal = 0;          // m3/ha
};
TimberSalePanel TimberSalePanelFor(const data& stand, int phase, int image8Left, int listBox3Left,
                                   int mainWindowHeight);
