#include "mainwindow/OverviewChartRules.h"

#include "mainwindow/ActsLayoutRules.h"
#include "estate/StandTextsRules.h"
#include "model/Data.h"
#include "model/Names.h"
#include "platform/Numbers.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "ui/PaletteRules.h"

int OverviewChartContentOf(int listItem) {
  if (listItem == 0) return ChartCharacteristics;
  if (listItem == 1) return ChartStockAssortments;
  return ChartSpecies;
}

OverviewChartLayout PrepareOverviewChart(int c, int mainWindowHeight) {
  OverviewChartLayout l;
  l.vertical = c == ChartSpecies;
  l.footerVisible = c == ChartCharacteristics || c == ChartSpecies;
  l.footerCentred = c == ChartSpecies;
  l.labelFontSize = c == ChartCharacteristics ? 9 : 8;
  l.topMargin = 1;
  l.bottomMargin = l.footerVisible ? 0 : 1;
  l.leftAxisVisible = c != ChartSpecies;
  l.bottomAxisVisible = !l.leftAxisVisible;
  if (l.leftAxisVisible) {
    l.leftAxisStart = c == ChartCharacteristics ? 2 : 1;
    l.leftAxisEnd = c != ChartCharacteristics ? 99 : IsWindowHeightClass(2, mainWindowHeight) ? 98 : 89;
    l.bottomAxisStart = 5;
    l.bottomAxisEnd = 95;
  } else {
    l.bottomAxisStart = 2;
    l.bottomAxisEnd = 98;
    l.leftAxisStart = 2;
    l.leftAxisEnd = 92;
  }
  return l;
}

namespace {

QString Int(long long v) { return platform::IntText(v); }

EstateBar Bar(int value, const QString& text, int colourBgr) {
  EstateBar b;
  b.value = value;
  b.text = text;
  b.colorBgr = colourBgr;
  return b;
}

QString ValueFormat(bool priced) {
  return priced ? QStringLiteral("###0.### ") + CommonlanText(54) : QStringLiteral("###0.### m3");
}

// "m3/ha", "€/kuvio", ...
QString UnitText(bool perStand, bool priced) {
  return (priced ? CommonlanText(54) : QStringLiteral("m3")) +
         (perStand ? QStringLiteral("/kuvio") : QStringLiteral("/ha"));
}

// The assortment bars: logs of aspen, birch, spruce and pine, pulpwood of
// alder, aspen, birch, spruce and pine, energy wood; the aspen and alder bars
// only when they hold something.
void AddAssortmentBars(OverviewChart& chart, const AssortmentVolumes& values) {
  struct Row {
    int assortment;
    int colourCode;
    bool onlyWhenNotZero;
  };
  static constexpr Row kRows[] = {{AspenLogs, 13, true},     {BirchLogs, 2, false},      {SpruceLogs, 11, false},
                                  {PineLogs, 0, false},      {AlderPulpwood, 14, true},  {AspenPulpwood, 13, true},
                                  {BirchPulpwood, 2, false}, {SprucePulpwood, 11, false}, {PinePulpwood, 0, false},
                                  {EnergyWood, 100, false}};
  for (const Row& r : kRows) {
    const int v = values[static_cast<std::size_t>(r.assortment)];
    if (r.onlyWhenNotZero && v == 0) continue;
    chart.bars.push_back(Bar(v, AssortmentName(r.assortment, true), SpeciesColorValue(r.colourCode)));
  }
}

}  // namespace

OverviewChart RemovalAssortmentChart(const data& stand, int phase, bool perStand, bool priced) {
  PriceFactors factors{};
  GetAssortmentPriceFactors(priced, factors);
  AssortmentVolumes values{};
  long long total = 0;
  for (int j = 0; j < kAssortmentCount; ++j) {
    const auto sj = static_cast<std::size_t>(j);
    values[sj] = PricedVolume(AssortmentRemoval(stand, j, perStand, 0), factors[sj]);
    total += values[sj];
  }
  OverviewChart chart;
  chart.heading << CommonlanText(52).toLower() + QStringLiteral("  v. ") + stand.PhaseYearText(phase) +
                       QStringLiteral("  :  ") + Int(total) + QLatin1Char(' ') + UnitText(perStand, priced);
  chart.valueFormat = ValueFormat(priced);
  AddAssortmentBars(chart, values);
  return chart;
}

OverviewChart StockAssortmentChart(const data& stand, int k, bool perStand, bool priced) {
  AssortmentVolumes values{};
  const int total = AssortmentChartValues(stand, k, values, priced, perStand);
  OverviewChart chart;
  chart.heading << QStringLiteral("puutavaralajit v. ") + stand.PhaseCalendarYearText(k) + QStringLiteral("  :  ") +
                       Int(total) + QLatin1Char(' ') + UnitText(perStand, priced);
  chart.valueFormat = ValueFormat(priced);
  AddAssortmentBars(chart, values);
  return chart;
}

OverviewChart CharacteristicsChart(const data& stand, int k, bool priced) {
  const int stems = stand.SlotTreeCount(k);
  const QString unit = priced ? CommonlanText(56) : QStringLiteral("m3/ha");
  const int logShare = SlotVolumeByAssortmentGroup(stand, 0, k, priced);
  const int pulpShare = SlotVolumeByAssortmentGroup(stand, -1, k, priced);
  AssortmentVolumes values{};
  const int total = AssortmentChartValues(stand, k, values, priced, false);
  int energy = 0, pulp = 0, logs = 0;
  for (int j = 0; j < kAssortmentCount; ++j) {
    const int v = values[static_cast<std::size_t>(j)];
    if (j == EnergyWood) energy += v;
    else if (j < PineLogs) pulp += v;
    else logs += v;
  }
  const int energyShare = total == 0 ? 0 : 100 - logShare - pulpShare;
  auto label = [](int textNumber, int share) {
    return QStringLiteral("  ") +
           (QLatin1Char(' ') + CommonlanText(textNumber) + platform::FormatC(" %3d %%", share)).toLower();
  };
  OverviewChart chart;
  chart.heading << (priced ? QStringLiteral("puuston arvo ") : QStringLiteral("puusto ")) + QStringLiteral("v. ") +
                       stand.PhaseCalendarYearText(k) + QStringLiteral("  :  ") + Int(total) + QLatin1Char(' ') + unit;
  chart.footer << QStringLiteral("runkoluku      ") + Int(stems) + QStringLiteral(" kpl/ha")
               << QStringLiteral("keskikoko      ") + MeanStemVolumeText(stand, k) + QStringLiteral(" litraa/runko")
               << platform::FormatC("pohjapinta-ala %1.1f m2/ha", static_cast<double>(stand.SlotBasalArea(k)))
               << QStringLiteral("keskipituus    ") +
                      platform::FormatC("%1.1f m", static_cast<double>(stand.SlotMeanHeight(k)))
               << QString::fromUtf8("keskiläpimitta ") + Int(platform::RoundHalfAway(stand.SlotMeanDiameter(k))) +
                      QStringLiteral(" cm");
  chart.valueFormat = ValueFormat(priced);
  chart.bars.push_back(Bar(logs, label(73, logShare), PaletteColorValue(17)));
  chart.bars.push_back(Bar(pulp, label(74, pulpShare), PaletteColorValue(25)));
  chart.bars.push_back(Bar(energy, label(48, energyShare), PaletteColorValue(26)));
  return chart;
}

OverviewChart SpeciesChart(const data& stand, int k, bool stemsTicked) {
  const bool byStems = !HasTreePicture(stand.DevelopmentClass()) || stemsTicked;
  float perSpecies[kSpeciesSlots] = {};
  const float total = stand.SpeciesVolumes(k == 0, byStems, perSpecies);
  int values[kSpeciesSlots] = {};
  if (byStems) {
    for (int s = 0; s < kSpeciesSlots; ++s) values[s] = platform::RoundHalfAway(perSpecies[s]);
  } else if (total > 0.0f) {
    float shares[kSpeciesSlots] = {};
    int sum = 0;
    for (int s = 0; s < kSpeciesSlots; ++s) {
      shares[s] = 100.0f * perSpecies[s] / total;
      values[s] = platform::RoundHalfAway(shares[s]);
      sum += values[s];
    }
    if (sum > 0 && sum != 100) RoundPercentsTo100(shares, values, kSpeciesSlots);
  }
  OverviewChart chart;
  chart.valueFormat = byStems ? QStringLiteral("###0.###") : QStringLiteral("##0.## %");
  chart.heading << QStringLiteral("puulajisuhteet v. ") + stand.PhaseCalendarYearText(k);
  chart.footer << (byStems ? QStringLiteral("runkoluku ") + Int(stand.SlotTreeCount(k)) + QStringLiteral(" kpl/ha")
                           : QStringLiteral("puusto ") + Int(stand.SlotTotalVolume(k)) + QStringLiteral(" m3/ha"));
  struct Row {
    int species;
    int nameText;
    int colourCode;
  };
  static constexpr Row kRows[] = {
      {SpeciesPine, 13, 0}, {SpeciesSpruce, 12, 11}, {SpeciesBirch, 11, 2}, {SpeciesAspen, 10, 13}, {SpeciesAlder, 9, 14}};
  for (const Row& r : kRows)
    chart.bars.push_back(Bar(values[r.species], CommonlanText(r.nameText).toLower(), SpeciesColorValue(r.colourCode)));
  return chart;
}

OverviewChart OverviewChartFor(const data& stand, int listItem, int k, const OverviewChartSwitches& s) {
  switch (OverviewChartContentOf(listItem)) {
    case ChartStockAssortments: return StockAssortmentChart(stand, k, s.stockPerStand, s.stockPriced);
    case ChartCharacteristics: return CharacteristicsChart(stand, k, s.characteristicsPriced);
    default: return SpeciesChart(stand, k, s.stems);
  }
}

bool IsOverviewChartRedrawn(bool upperChart, int mode) { return !upperChart || mode == 0; }

OverviewCaptions OverviewCaptionsFor(const data& stand, int phase, int mode) {
  const int cls = stand.DevelopmentClass();
  const int growthSteps = stand.GrowthStepCount();
  OverviewCaptions c;
  c.measured = ActlanText(44).toLower() + QStringLiteral(" v. ") + stand.MeasurementYearText() +
               QStringLiteral("  •  ") + DevelopmentClassName(1, cls);
  // The grouping of the stock, where the stand has trees and the grouping is
  // known.
  const QString grouping = StandGroupingText(true, stand.StructureCode());
  if (!IsTreelessArea(cls) && !grouping.isEmpty()) c.measured += QStringLiteral("  •  ") + grouping;
  switch (mode) {
    case 1: {
      StandViewState v;
      v.phase = phase;
      c.second = RemovalSummaryText(stand, v, false).toLower();
      break;
    }
    case 2:
      if (growthSteps == 0) {
        c.second = QStringLiteral("ei puuston kasvatusta,   ei luonnonpoistumaa  !");
      } else {
        const QString y0 = stand.MeasurementYearText();
        const QString yp = stand.PhaseCalendarYearText(phase);
        QString periods;
        if (growthSteps == 1) {
          periods = QStringLiteral("  v. ") + y0 + QStringLiteral(" - ") + yp;
        } else {
          const QString y1 = stand.PhaseYearText(phase);
          periods = QStringLiteral("  v. ") + y0 + QStringLiteral(" - ") + y1 + QStringLiteral("  ja  ") + y1 +
                    QStringLiteral(" - ") + yp;
        }
        c.second = QStringLiteral("otos luonnonpoistumasta   :   ") +
                   (growthSteps == 1 ? QStringLiteral("kasvatusjakson") : QStringLiteral("kasvatusjaksojen")) +
                   periods + QStringLiteral("  aikana kuolleet puut");
      }
      break;
    default:
      c.second = RemovedStemCount(stand) > 0 || growthSteps > 0
                     ? QString::fromUtf8("toimenpiteiden jälkeen v. ") + stand.PhaseCalendarYearText(phase)
                     : c.measured;
      break;
  }
  return c;
}

bool RemovalSwitchesVisible(const data& stand, int mode) {
  return mode == 1 && (RemovalValueSum(stand, true, false, false) != 0 || RemovalValueSum(stand, true, true, false) != 0);
}
