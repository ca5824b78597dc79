#pragma once
// The growth and forecast dialog without a widget: the growth periods and
// the choice line, the 20-year forecast table of the open stand with its
// annual volume and value increment factors, the age line, and the texts
// it hands to the regeneration timing dialog.

#include <QString>
#include <QStringList>

#include <array>

#include "model/Data.h"

// The items of the period group in item order ("1" "11" "2" "12" ... "10"
// "20"), so that a group of 10 columns reads 1..10 over 11..20.
QStringList GrowthPeriodItems();
constexpr int kGrowthPeriodColumns = 10;
// The growing years of an item's text (0 when it is no number).
int GrowthYearsOfItem(const QString& text);

// The choice line, lower-cased: "puuston " + (growth steps + 1) +
// ". kasvatus " + year + ",  " + "kasvatusaika N vuotta" (" vuosi" for
// one year) when an item is chosen (itemText not empty), else
// "valitse kasvatusaika   !".
QString GrowthChoiceLine(int growthSteps, const QString& firstPhaseYear, const QString& itemText);

// "puuston ikä 2019  :  mänty 45 v,  kuusi 50 v": the species 0..4 with an
// age, parted by ", " when all five have one, else by ",  ".
QString StandAgeLineText(const int ages[kSpeciesSlots], const QString& yearText);

// The ages the forecast starts from: the chosen ages of the stand-age
// dialog before any growth; after a growth each species that still stands
// and has a stand age, that age plus the years of phase 1 (others 0).
void ForecastStartAges(const data& stand, const int chosen[kSpeciesSlots], bool noGrowthYet,
                       int out[kSpeciesSlots]);

// The growing stock's value of slot p at the prices: the sum of each
// assortment's volume (whole m3/ha) times its price, unrounded.
float StandValueAt(const data& stand, int p, const PriceFactors& prices);

// The geometric mean annual growth over five years from a to b:
// exp(0.2 ln(b / a)) when both are above 0, else 0.
float AnnualGrowthFactor(float a, float b);
// A factor as the table shows it: "%1.1f % / vuosi" of 100 x f - 100, or
// empty for a factor of 0.
QString GrowthFactorText(float factor);

// The table: 8 columns, row 0 the headings, row 1 the state now, rows 2..5
// the states after 5, 10, 15 and 20 years.
constexpr int kForecastColumns = 8;
constexpr int kForecastRows = 6;
using ForecastCells = std::array<std::array<QString, kForecastColumns>, kForecastRows>;
QStringList ForecastHeadings();

struct GrowthForecast {
  ForecastCells cells;                 // rows 1..5 (row 0 left empty)
  std::array<float, 4> valueFactors{};  // annual value increment per period
  std::array<float, 4> volumeFactors{}; // annual volume increment per period
  float diameter20 = 0.0f;              // mean diameter after 20 years, cm
  float basalArea20 = 0.0f;             // basal area after 20 years, m2/ha
};

// The forecast of phase p (at most 4): each period grown afresh from the
// state now over 5, 10, 15 and 20 years with mortality, into slot p + 1 and
// a scratch size array; starting from the measured sizes when no growth is
// recorded yet, else from the sizes after the first growth. The stand is
// left exactly as it was: the trees of the trial mortality stand again and
// slot p + 1 is cleared.
GrowthForecast FillGrowthForecast(data& stand, int p, int startYear, const int ages[kSpeciesSlots],
                                  bool noGrowthYet, const PriceFactors& prices);

// The timing button is offered when the new-forest button is hidden and the
// stand after 20 years reaches the regeneration thresholds (rounded mean
// diameter and basal area).
bool TimingButtonVisible(bool newForestVisible, float diameter20, float basalArea20, int diameterThreshold,
                         int basalAreaThreshold);
// The two lines the timing dialog shows.
QString TimingStateLine(int startYear, float diameter20, float basalArea20);
QString TimingRateLine(int startYear);
