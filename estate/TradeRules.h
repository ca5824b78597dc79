#pragma once
// The timber sale of the open stand's cutting removal, without a widget:
// the sale rows with their volumes and values, the log-to-pulp shift, the
// pine and spruce stem prices, the totals, the prepayment tax and the net
// income, the texts the sale window shows and the contents of its chart.
//
// Volumes are whole cubic metres of the whole stand, money whole currency
// units; every rounding is half away from zero. Colours are species colour
// codes of the species palette (kGradientStartBar: the chart's own colour,
// an invisible bar).

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "model/Data.h"

namespace trade {

// The ten sold assortments in the order of the window's rows and of the
// chart's bars: energy wood, pulpwood of pine, spruce, birch, aspen and
// alder, logs of pine, spruce, birch and aspen.
inline constexpr int kSaleRowCount = 10;
inline constexpr std::array<int, kSaleRowCount> kSaleRows = {EnergyWood, PinePulpwood, SprucePulpwood,
                                                            BirchPulpwood, AspenPulpwood, AlderPulpwood,
                                                            PineLogs, SpruceLogs, BirchLogs, AspenLogs};
// Whether an assortment has a sale row (5, 10 and 11 have none).
bool HasSaleRow(int assortment);
// The four log rows whose volume a shift can move (pine, spruce, birch and
// aspen logs).
inline constexpr std::array<int, 4> kShiftableLogRows = {PineLogs, SpruceLogs, BirchLogs, AspenLogs};

// The largest shift and tax percentage of the two percentage lists (items
// "%2d%" of 0..40; the item index is the percentage).
inline constexpr int kLargestPercent = 40;
// The tax list's item when a stand's choices are reset.
inline constexpr int kDefaultTaxPercent = 30;
QStringList PercentItems();

// What the user has chosen beside the rows.
struct SaleChoices {
  bool pineStem = false;     // pine priced as whole stems (CheckBox14)
  bool spruceStem = false;   // spruce priced as whole stems (CheckBox15)
  int shiftPercent = 0;      // log-to-pulp shift (item of ComboBox1; none counts 0)
  bool shiftEnabled = true;  // whether the shift list is enabled
};

// The row volume of assortment k from the 13 unshifted whole-stand
// removals: with the pine stem price pine pulpwood is 0 and pine logs carry
// pulpwood and logs unshifted, likewise spruce; otherwise the removal of k
// after the shift.
int SaleRowVolume(const AssortmentVolumes& removal, const SaleChoices& choices, int k);

// The check box caption of a row: the row's name and code ("mäntykuitu
// (mäk)", "mäntyrunko (mäRun)" with the stem price), then "%5d m3".
QString SaleRowName(int assortment, const SaleChoices& choices);
QString SaleRowCaption(int assortment, int volume, const SaleChoices& choices);

// A row's check box after its volume is known: a row with volume is enabled,
// and ticked when it was disabled before; a row without volume is unticked
// and disabled.
struct RowState {
  bool enabled = false;
  bool ticked = false;
};
RowState RowStateForVolume(int volume, RowState before);

// One recalculation of the sale.
struct SaleInput {
  AssortmentVolumes removal{};        // unshifted whole-stand removal, m3
  SaleChoices choices;
  std::array<bool, kAssortmentCount> ticked{};   // by assortment
  std::array<float, kAssortmentCount> prices{};  // unit prices by assortment
};
struct SaleResult {
  AssortmentVolumes volume{};   // row volume of every assortment
  std::array<int, kAssortmentCount> value{};     // value of the ticked rows
  int totalValue = 0;
  int totalVolume = 0;          // volume of the ticked rows
  int unshiftedValue = 0;       // the ticked rows' value without the shift
  int moved = 0;                // log volume moved to pulpwood by the shift
};
SaleResult ComputeTimberSale(const SaleInput& in);

// Whether a shift can be estimated: no stem price chosen and at least one of
// the four log rows enabled.
bool IsLogShiftAllowed(const SaleChoices& choices, const std::array<bool, 4>& logRowsEnabled);

// The four lines of the shift's effect: Label26 (moved logs or the reason
// the shift is not estimated), Label2 (its caption), Label14 (the change of
// the income) and Label20 (the change in percent).
struct ShiftEffectTexts {
  QString moved;
  QString caption;
  QString change;
  QString percent;
};
// Why the shift list is disabled, or that it is enabled.
enum class ShiftState { Enabled, StemPrice, NoLogRows, Other };
ShiftEffectTexts LogShiftEffectTexts(ShiftState state, int moved, int value, int unshiftedValue);

// Prepayment tax and net income of a gross income at a tax percentage:
// tax = -round(percent % of gross).
struct TaxResult {
  int tax = 0;
  int net = 0;
};
TaxResult PrepaymentTax(int gross, int percent);

// "%d %s" of a sum and the currency unit.
QString MoneyText(int value);
// "%d m3".
QString VolumeText(int volume);
// The whole number before the first blank of a label's text (0 when there
// is none).
int LeadingNumber(const QString& text);

// prefix + "%d %s" of round(value / volume) and the currency per m3, or
// empty when the volume is 0.
QString MeanPriceText(int value, int volume, const QString& prefix);

// The chart's foot line about regenerating the cut area: empty unless the
// cutting is a regeneration cutting; then the estimate's two result lines,
// or the note that there is no estimate.
QString RegenerationEstimateLine(bool regenerationCutting, bool hasEstimate, const QString& firstLine,
                                 const QString& secondLine);

// The chart of the values.
inline constexpr int kGradientStartBar = -1;
struct SaleBar {
  int value = 0;
  QString label;      // two blanks, or the short code and "<volume> m3" in two lines
  int colourCode = kGradientStartBar;  // species colour code
};
struct SaleChart {
  QString title;
  QString foot;               // empty: no foot line
  int bottomAxisPercent = 16; // where the bottom axis stands, percent of the height
  int leftAxisStart = 1;      // the left axis from ... to ... percent of the height
  int leftAxisEnd = 84;
  std::vector<SaleBar> bars;  // in the order of kSaleRows
};
// standTitle: the stand's title (style 2); yearText: the year of the current
// phase.
SaleChart SaleChartContents(const SaleResult& result, const SaleInput& in, const QString& standTitle,
                            const QString& yearText, const QString& foot);
QString SaleBarLabel(const SaleResult& result, const SaleInput& in, int assortment);
int SaleBarColorCode(const SaleResult& result, int assortment);

// The price class of the cutting: 1 a regeneration cutting (prices 10 %
// above the mean prices), else 0 when the thinning stage is chosen, else 2
// (0 and 2 are 10 % below the mean prices). The price-filling mode of the
// class: 1 raises, 0 lowers.
int CuttingMethodPriceClass(bool regenerationCutting, bool thinningStageChosen);
int PriceFillMode(int priceClass);

// The line on the cutting: the method's name, ",  %1.2f ha,  hakkuukertymä ",
// the removal per hectare and " m3/ha.", its first letter upper-cased.
QString CuttingLineText(const QString& methodName, float areaHa, int removalM3PerHa);
// The window caption's text (before padding): "Kuvio 12a,  puukauppa 2024".
QString SaleCaptionText(const QString& standTitle, const QString& yearText);
// The sample picture's caption.
QString SamplePictureCaption(const QString& standTitle, bool logTreesOnly, int removalM3PerHa);

// The stem-price switch of a log row's edit: ticking keeps the log price
// shown and shows the saved stem price; unticking keeps the stem price and
// shows the saved log price. Returns the price the edit shows next.
struct StemPrices {
  float log = 0.0f;
  float stem = 0.0f;
};
float SwitchStemPrice(bool ticked, float shownPrice, StemPrices& saved);

}  // namespace trade
