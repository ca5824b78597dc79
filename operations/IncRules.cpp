#include "operations/IncRules.h"

#include <cmath>

#include "platform/Numbers.h"
#include "texts/Ageslan.h"
#include "texts/Commonlan.h"
#include "texts/Inclan.h"

using platform::FormatC;
using platform::IntText;
using platform::RoundHalfAway;

QStringList GrowthPeriodItems() {
  QStringList items;
  for (int top = 1; top <= kGrowthPeriodColumns; ++top) items << IntText(top) << IntText(top + kGrowthPeriodColumns);
  return items;
}

int GrowthYearsOfItem(const QString& text) { return text.trimmed().toInt(); }

QString GrowthChoiceLine(int growthSteps, const QString& firstPhaseYear, const QString& itemText) {
  QString line = QStringLiteral("puuston ") + IntText(growthSteps + 1) + QStringLiteral(". kasvatus ") + firstPhaseYear +
                 QStringLiteral(",  ");
  if (!itemText.isEmpty()) {
    line += InclanText(7) + QLatin1Char(' ') + itemText +
            (GrowthYearsOfItem(itemText) == 1 ? QStringLiteral(" vuosi") : QStringLiteral(" vuotta"));
  } else {
    line += InclanText(12) + QStringLiteral("   !");
  }
  return line.toLower();
}

QString StandAgeLineText(const int ages[kSpeciesSlots], const QString& yearText) {
  const QString names[5] = {CommonlanText(13) + QLatin1Char(' '), CommonlanText(12) + QLatin1Char(' '),
                            CommonlanText(11) + QLatin1Char(' '), QStringLiteral("haapa "), QStringLiteral("leppä ")};
  bool allAged = true;
  for (int s = 0; s < 5; ++s) allAged = allAged && ages[s] != 0;
  const QString separator = allAged ? QStringLiteral(", ") : QStringLiteral(",  ");
  QString entries;
  for (int s = 0; s < 5; ++s) {
    if (ages[s] == 0) continue;
    entries += separator + names[s] + IntText(ages[s]) + QStringLiteral(" v");
  }
  entries.remove(0, entries.isEmpty() ? 0 : separator.size());
  return (AgeslanText(0) + QLatin1Char(' ') + yearText + QStringLiteral("  :  ") + entries).toLower();
}

void ForecastStartAges(const data& stand, const int chosen[kSpeciesSlots], bool noGrowthYet,
                       int out[kSpeciesSlots]) {
  if (noGrowthYet) {
    for (int s = 0; s < kSpeciesSlots; ++s) out[s] = chosen[s];
    return;
  }
  int standing[kSpeciesSlots] = {};
  stand.CountStandingBySpecies(1, standing);
  for (int s = 0; s < kSpeciesSlots; ++s) {
    const int age = stand.SpeciesValue(s, 7);
    out[s] = standing[s] > 0 && age > 0 ? age + stand.FirstPhaseYears() : 0;
  }
}

float StandValueAt(const data& stand, int p, const PriceFactors& prices) {
  float value = 0.0f;
  for (int j = 0; j < kAssortmentCount; ++j)
    value += static_cast<float>(stand.SlotAssortmentVolume(p, j, false)) * prices[static_cast<std::size_t>(j)];
  return value;
}

float AnnualGrowthFactor(float a, float b) {
  if (!(a > 0.0f) || !(b > 0.0f)) return 0.0f;
  return std::exp(0.2f * std::log(b / a));
}

QString GrowthFactorText(float factor) {
  if (factor == 0.0f) return QString();
  return FormatC("%1.1f", static_cast<double>(100.0f * factor - 100.0f)) + QStringLiteral(" % / ") + CommonlanText(60);
}

QStringList ForecastHeadings() {
  return {CommonlanText(65).toLower(), CommonlanText(93).toLower(), InclanText(2),  InclanText(6),
          InclanText(3),               CommonlanText(18).toLower(), CommonlanText(16).toLower(), QString()};
}

namespace {

QString VolumeCell(int volume) {
  return FormatC("%4d ", volume) + CommonlanText(53) + QLatin1Char('/') + CommonlanText(55);
}
QString ValueCell(float value) {
  return FormatC("%6d ", RoundHalfAway(value)) + CommonlanText(54) + QLatin1Char('/') + CommonlanText(55);
}
QString HeightCell(float height) { return FormatC("%5.1f ", static_cast<double>(height)) + CommonlanText(19); }
QString DiameterCell(float diameter) { return FormatC("%3d ", RoundHalfAway(diameter)) + CommonlanText(17); }

}  // namespace

GrowthForecast FillGrowthForecast(data& stand, int p, int startYear, const int ages[kSpeciesSlots],
                                  bool noGrowthYet, const PriceFactors& prices) {
  GrowthForecast f;
  if (p < 0 || p >= kPhaseCount - 1) return f;
  float value = StandValueAt(stand, p, prices);
  int volume = stand.SlotTotalVolume(p);
  f.cells[1] = {QStringLiteral("vuosi ") + IntText(startYear), VolumeCell(volume), QString(), ValueCell(value),
                QString(), HeightCell(stand.SlotMeanHeight(p)), DiameterCell(stand.SlotMeanDiameter(p)), QString()};
  GrownSizeArray scratch = stand.AllocGrownSizes();
  for (int i = 0; i < 4; ++i) {
    stand.GrowTrees(scratch, p + 1, 5 * (i + 1), ages, true, noGrowthYet);
    const float grownValue = stand.AssortmentTotals(prices, scratch);
    f.valueFactors[static_cast<std::size_t>(i)] = AnnualGrowthFactor(value, grownValue);
    int grownVolume = 0;
    float G = 0.0f;
    float D = 0.0f;
    float H = 0.0f;
    stand.AssortmentTotalsOf(scratch, grownVolume, G, D, H);
    stand.UndoOperation(p + 1);
    f.volumeFactors[static_cast<std::size_t>(i)] =
        AnnualGrowthFactor(static_cast<float>(volume), static_cast<float>(grownVolume));
    const int from = startYear + 5 * i;
    f.cells[static_cast<std::size_t>(i + 2)] = {
        FormatC("%4d --> %4d", from, from + 5), VolumeCell(grownVolume),
        GrowthFactorText(f.volumeFactors[static_cast<std::size_t>(i)]), ValueCell(grownValue),
        GrowthFactorText(f.valueFactors[static_cast<std::size_t>(i)]), HeightCell(H), DiameterCell(D), QString()};
    value = grownValue;
    volume = grownVolume;
    f.diameter20 = D;
    f.basalArea20 = G;
  }
  stand.FreeGrownSizes(scratch);
  stand.ClearSlot(p + 1);
  return f;
}

bool TimingButtonVisible(bool newForestVisible, float diameter20, float basalArea20, int diameterThreshold,
                         int basalAreaThreshold) {
  return !newForestVisible && RoundHalfAway(diameter20) >= diameterThreshold &&
         RoundHalfAway(basalArea20) >= basalAreaThreshold;
}

QString TimingStateLine(int startYear, float diameter20, float basalArea20) {
  return QStringLiteral("Vuonna ") + IntText(startYear + 20) + QStringLiteral(" puuston keskiläpimitta ") +
         IntText(RoundHalfAway(diameter20)) + QStringLiteral(" cm ja pohjapinta-ala ") +
         IntText(RoundHalfAway(basalArea20)) + QStringLiteral(" m2/ha.");
}

QString TimingRateLine(int startYear) {
  return QStringLiteral("Jos harkitset uudistushakkuuta v. ") + IntText(startYear) + QStringLiteral(" - ") +
         IntText(startYear + 20) + QStringLiteral(",  ") + InclanText(10);
}
