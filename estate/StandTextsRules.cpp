#include "estate/StandTextsRules.h"

#include "ui/WindowRules.h"
#include "stands/StandCardRules.h"
#include "model/Data.h"
#include "model/Names.h"
#include "model/Settings.h"
#include "stands/EstateListRules.h"
#include "platform/Numbers.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "texts/TextState.h"

namespace {

QString Int(long long v) { return platform::IntText(v); }

bool ViewFlag(const StandViewState& v, int item) { return model::StandViewFlagItem(v.viewFlags, item) != 0; }

// The sawlog share of slot k's stock in whole percent.
int LogPercent(const data& stand, int k) { return SlotVolumeByAssortmentGroup(stand, 0, k, false); }

// Stock value per m3 in integer division, 0 without volume.
int UnitStockValue(int value, int volume) { return volume > 0 ? value / volume : 0; }

QString Kasvatus(int years) {
  return CommonlanText(25) + QLatin1Char(' ') + Int(years) + QStringLiteral(" v");
}

}  // namespace

// ---- Tree groups -----------------------------------------------------------

int ChosenTreeGroup(const StandViewState& v, bool raw) {
  const int i = v.groupItem;
  if (raw || v.groupItems.size() != 4 || i < 2) return i;
  const QString item = i < v.groupItems.size() ? v.groupItems.at(i) : QString();
  if (i == 2 && item.contains(ActlanText(107))) return 2;
  if ((i == 2 || i == 3) && item.contains(ActlanText(108))) return 3;
  return 4;
}

QString TreeGroupName(const StandViewState& v, int item) {
  if (item <= 0) return CommonlanText(93).toLower();
  if (item == 1) return ActlanText(106);
  const QString text = item < v.groupItems.size() ? v.groupItems.at(item) : QString();
  if (text.contains(ActlanText(107))) return ActlanText(107);
  if (text.contains(ActlanText(108))) return ActlanText(108);
  return ActlanText(109);
}

QString TreeGroupYearText(const data& stand, const StandViewState& v, int k) {
  return TreeGroupName(v, ChosenTreeGroup(v, true)) + QLatin1Char(' ') + stand.PhaseCalendarYearText(k);
}

bool IsWholeStockChosen(const StandViewState& v) { return v.groupItem == 0; }

// ---- Names of the steps ----------------------------------------------------

QString OperationMethodName(const data& stand, const StandViewState& v, bool noYear) {
  const int p = v.phase;
  QString name;
  if (!noYear && (p == 0 || (p == 1 && stand.FirstPhaseIsGrowth()) ||
                  (p == 2 && stand.GrowthStepCount() == 2))) {
    return name;
  }
  if (v.thinningStage) {
    name = ActlanText(8).toLower();
  } else {
    const int q = p > 0 && stand.PhaseYears(p) > 0 ? p - 1 : p;
    const QString kind = OperationKindWord(PhaseText(stand, q, false));
    const QString prev = q - 1 >= 0 ? OperationKindWord(PhaseText(stand, q - 1, false)) : QString();
    const QString selection = SelectionKind();
    const QString removal = SpeciesRemovalKind();
    const QString smallGap = SmallGapKind();
    name = kind;
    bool combined = true;
    if (kind.contains(selection) && prev == smallGap) name = ActlanText(105).toLower();
    else if (kind.contains(removal) && prev == smallGap) name = ActlanText(97).toLower();
    else if (kind.contains(selection) && prev == removal) name = ActlanText(96).toLower();
    else combined = false;
    if (combined && kind.contains(QLatin1Char('+'))) name += QLatin1Char('+');
  }
  if (!noYear && !name.isEmpty()) name += QLatin1Char(' ') + stand.PhaseYearText(p);
  return name;
}

QString OperationChainText(const data& stand, const StandViewState& v, int k) {
  QString b, c, d;
  if (k > 0) {
    const int n = stand.GrowthStepCount();
    const int y0 = stand.MeasurementYearText().toInt();
    const QString m = OperationMethodName(stand, v, false).toLower();
    b = m;
    if (n == 1) {
      const int years = stand.PhaseCalendarYearText(k).toInt() - y0;
      if (stand.FirstPhaseIsGrowth()) {
        b = Kasvatus(years);
        if (k > 1) c = QStringLiteral(",  ") + m;
      } else {
        c = QStringLiteral(",  ") + Kasvatus(years);
      }
    } else if (n == 2) {
      b = Kasvatus(stand.FirstPhaseYears()) + QStringLiteral(",  ");
      c = m;
      d = (k == 2 ? QString() : QStringLiteral(",  ")) + Kasvatus(stand.GetPhaseYears(k));
    }
  }
  return (b + c + d).toLower();
}

QString SampleCaption(bool removal, int group) {
  if (removal) return ActlanText(group < 2 ? 15 + group : 100 + group);
  return ActlanText(group < 2 ? 18 + 3 * group : 97 + group);
}

// ---- Stock and removal lines -----------------------------------------------

QString StockSummaryText(const data& stand, const StandViewState& v, int k) {
  const int g = ChosenTreeGroup(v, false);
  QString r;
  if (g == 0) {
    const int volume = stand.SlotTotalVolume(k);
    r = Int(volume) + QStringLiteral(" m3/ha,  tukki % ") + Int(LogPercent(stand, k));
    if (v.removal || ViewFlag(v, 1)) {
      const int value = stand.SlotStockValue(k, false);
      r += QStringLiteral("  •  ") + Int(value) + QLatin1Char(' ') + CommonlanText(56) + QStringLiteral(",  ") +
           Int(UnitStockValue(value, volume)) + QLatin1Char(' ') + CommonlanText(57);
    }
    if (!v.removal) {
      if (ViewFlag(v, 2))
        r += platform::FormatC("  •  keskipituus %1.1f m", static_cast<double>(stand.SlotMeanHeight(k)));
      if (ViewFlag(v, 3))
        r += platform::FormatC("  •  keskiläpimitta %d cm",
                               platform::RoundHalfAway(static_cast<double>(stand.SlotMeanDiameter(k))));
    }
  } else if (g == 1) {
    r = ActlanText(26).toLower() + QLatin1Char(' ') + Int(SlotVolumeByAssortmentGroup(stand, 1, k, false)) +
        QStringLiteral(" m3/ha");
  } else {
    r = CommonlanText(74).toLower() + QLatin1Char(' ') + Int(SlotVolumeByAssortmentGroup(stand, 2 * g - 1, k, false)) +
        QStringLiteral(" m3/ha,  ") + CommonlanText(73).toLower() + QLatin1Char(' ') +
        Int(SlotVolumeByAssortmentGroup(stand, 2 * g, k, false)) + QStringLiteral(" m3/ha");
  }
  return QStringLiteral("   :   ") + r;
}

QString RemovalSampleText(const data& stand, const StandViewState& v) {
  const int g = ChosenTreeGroup(v, false);
  const int lead = LeadingGrowthCount(stand);
  const int disp = DisplayedPhase(stand);
  if (g == 0) {
    const int volume = RemovalValueSum(stand, true, false, false);
    const int value = RemovalValueSum(stand, true, false, true);
    return Int(volume) + QStringLiteral(" m3/ha,  tukki % ") + Int(RemovalDifference(stand, true, lead, disp)) +
           QStringLiteral("  •  ") + Int(value) + QLatin1Char(' ') + CommonlanText(56) + QStringLiteral(",  ") +
           NumberWithUnitText(value, volume);
  }
  if (g == 1) {
    return ActlanText(26).toLower() + QLatin1Char(' ') + Int(RemovalDifference(stand, false, lead, disp)) +
           QStringLiteral(" m3/ha");
  }
  auto removed = [&](std::initializer_list<int> assortments) {
    long long sum = 0;
    for (int j : assortments) sum += static_cast<long long>(stand.Slots[lead].volumes[j]) - stand.Slots[disp].volumes[j];
    return sum;
  };
  long long pulp = 0, logs = 0;
  if (g == 4) {
    pulp = removed({BirchPulpwood, AspenPulpwood, AlderPulpwood});
    logs = removed({BirchLogs, AspenLogs, AlderLogs});
  } else {
    const int s = g - 2;
    pulp = removed({s});
    logs = removed({PineLogs + s});
  }
  return CommonlanText(74).toLower() + QLatin1Char(' ') + Int(pulp) + QStringLiteral(" m3/ha,  ") +
         CommonlanText(73).toLower() + QLatin1Char(' ') + Int(logs) + QStringLiteral(" m3/ha");
}

QString RemovalSummaryText(const data& stand, const StandViewState& v, bool detailed) {
  if (detailed) return RemovalSampleText(stand, v);
  if (RemovedStemCount(stand) < 1) return QStringLiteral("ei hakkuutoimia,   ei hakkuukertymää  !");
  return QStringLiteral("otos hakkuukertymästä  v. ") + stand.PhaseYearText(v.phase);
}

QString MeanStemVolumeText(const data& stand, int k) {
  const int stems = stand.SlotTreeCount(k);
  if (stems == 0) return QStringLiteral("0");
  return Int(platform::RoundHalfAway(1000.0 * stand.SlotTotalVolume(k) / stems));
}

QString StandGroupingText(bool withPrefix, int code) {
  const QString prefix = withPrefix && code >= -2 ? QStringLiteral("puuston ryhmitys ") : QString();
  // -4: the lists were hidden; -3..-1: only the grouping list was shown.
  const int index = code == -4 ? -1 : (code >= -3 && code <= -1) ? -(code + 1) : code / 10;
  switch (index) {
    case 0: return prefix + QStringLiteral("tasainen");
    case 1: return prefix + QStringLiteral("normaali");
    case 2: return prefix + QString::fromUtf8("epätasainen");
    default: return QString();
  }
}

// ---- Rows and lines of the stand view --------------------------------------

HeadingRow MeasuredHeadingRow(const data& stand, const StandViewState& v) {
  if (v.carbon && IsWholeStockChosen(v)) {
    return {CommonlanText(118) + QLatin1Char(' ') + stand.PhaseCalendarYearText(0), CarbonDioxideText(stand, 0, 0)};
  }
  return {TreeGroupYearText(stand, v, 0), StockSummaryText(stand, v, 0)};
}

HeadingRow AfterHeadingRow(const data& stand, const StandViewState& v) {
  const int p = v.phase;
  if (p == 0) return {};
  if (v.removal) {
    QString group = CommonlanText(52).toLower();
    if (v.groupItem != 0) group += QStringLiteral(",  ") + TreeGroupName(v, ChosenTreeGroup(v, true));
    return {group + QLatin1Char(' ') + stand.PhaseYearText(p),
            QStringLiteral("   :   ") + RemovalSummaryText(stand, v, true)};
  }
  if (v.carbon && IsWholeStockChosen(v)) {
    return {CommonlanText(118) + QLatin1Char(' ') + stand.PhaseCalendarYearText(p), CarbonDioxideText(stand, p, 1)};
  }
  return {TreeGroupYearText(stand, v, p), StockSummaryText(stand, v, p)};
}

QString InitialStateText(const data& stand, const StandViewState& v, bool half) {
  const QString a = QLatin1Char(' ') + SampleCaption(false, ChosenTreeGroup(v, false)) + QLatin1Char(' ') +
                    stand.PhaseCalendarYearText(0);
  const QString b = ActlanText(44) + QStringLiteral(",  ") + DevelopmentClassName(0, stand.DevelopmentClass()) +
                    QStringLiteral(",  ") + SiteTypeName(1, stand.SiteType()) + QStringLiteral("  •  ");
  return b.toLower() + PlotAreaTextFor(1, half) + a;
}

QString AfterStateText(const data& stand, const StandViewState& v, bool half) {
  const int p = v.phase;
  const int g = ChosenTreeGroup(v, false);
  const QString year = v.removal ? stand.PhaseYearText(p) : stand.PhaseCalendarYearText(p);
  const QString b = QLatin1Char(' ') + SampleCaption(v.removal, g) + QLatin1Char(' ') + year;
  QString c = (v.removal ? OperationMethodName(stand, v, false).toLower() : OperationChainText(stand, v, p)) +
              QStringLiteral("  •  ");
  if (v.removal && stand.FirstPhaseYears() != 0) c = Kasvatus(stand.FirstPhaseYears()) + QStringLiteral(",  ") + c;
  return c.toLower() + PlotAreaTextFor(1, half) + b;
}

// ---- Carbon dioxide and the change line ------------------------------------

QString SignPrefix(double x) { return x > 0 ? QStringLiteral("+") : QString(); }

double SpruceBirchShare(const data& stand, bool measured) {
  float perSpecies[kSpeciesSlots] = {};
  stand.SpeciesVolumes(measured, false, perSpecies);
  double total = 0;
  for (float x : perSpecies) total += x;
  if (!(total > 0)) return 0.0;
  return (static_cast<double>(perSpecies[SpeciesSpruce]) + perSpecies[SpeciesBirch]) / total;
}

int CarbonFactor(int /*group*/) { return CurrentTextState()->CarbonFactor(); }

int SlotCarbonDioxide(const data& stand, int k) {
  const int f0 = CarbonFactor(0);
  const int f1 = CarbonFactor(1);
  const double share = f0 == f1 ? 0.0 : SpruceBirchShare(stand, k == 0);
  // The mix as f0 + share x (f1 - f0): equal factors give exactly f0, so the
  // result is V x 1.3 rounded half away from zero.
  const double factor = f0 + share * (f1 - f0);
  return platform::RoundHalfAway(static_cast<double>(stand.SlotTotalVolume(k)) * factor / 1000.0);
}

QString TonnesPerHectareUnit(int n) {
  return n == 1 || n == -1 ? QStringLiteral(" tonni/ha") : QStringLiteral(" tonnia/ha");
}

QString CarbonDioxideText(const data& stand, int phase, int mode) {
  const int k = mode == 0 ? 0 : phase;
  const int c = SlotCarbonDioxide(stand, k);
  if (mode < 10) return QStringLiteral("   :   ") + Int(c) + TonnesPerHectareUnit(c);
  const int c0 = SlotCarbonDioxide(stand, 0);
  const int d = c - c0;
  QString text = SignPrefix(d) + Int(d) + TonnesPerHectareUnit(d);
  // No percentage over a measured stock without carbon dioxide.
  if (c0 != 0) {
    const double pct = d * 100.0 / c0;
    text += QStringLiteral(",  ") + SignPrefix(pct) + platform::FormatC("%1.1f %%", pct);
  }
  return text;
}

QString StockChangeText(const data& stand, const StandViewState& v) {
  const int p = v.phase;
  const bool whole = IsWholeStockChosen(v);
  if (!v.removal && whole) {
    const QString y0 = stand.MeasurementYearText();
    const QString yp = stand.PhaseCalendarYearText(p);
    const QString span = yp != y0 ? QLatin1Char(' ') + y0 + QLatin1Char('-') + yp : QString();
    if (v.carbon) return CommonlanText(124) + span + QStringLiteral("  :  ") + CarbonDioxideText(stand, p, 10);
    const int volume = stand.SlotTotalVolume(p);
    const int volume0 = stand.SlotTotalVolume(0);
    const int dV = volume - volume0;
    const int dL = LogPercent(stand, p) - LogPercent(stand, 0);
    QString r = CommonlanText(123) + span + QStringLiteral("  :  ") + SignPrefix(dV) + Int(dV) +
                QStringLiteral(" m3/ha,  tukki % ") + SignPrefix(dL) + Int(dL);
    if (ViewFlag(v, 1)) {
      const int value = stand.SlotStockValue(p, false);
      const int value0 = stand.SlotStockValue(0, false);
      const int dS = value - value0;
      const int du = UnitStockValue(value, volume) - UnitStockValue(value0, volume0);
      r += QStringLiteral(",  ") + SignPrefix(dS) + Int(dS) + QLatin1Char(' ') + CommonlanText(56) +
           QStringLiteral(",  ") + SignPrefix(du) + Int(du) + QLatin1Char(' ') + CommonlanText(57);
    }
    return r;
  }
  if (v.removal && whole && ViewFlag(v, 4)) {
    const int removed = SlotCarbonDioxide(stand, LeadingGrowthCount(stand)) - SlotCarbonDioxide(stand, DisplayedPhase(stand));
    return QString::fromUtf8("hakkuukertymään sitoutunut hiilidioksidi  :  ") + Int(removed) +
           QStringLiteral(" tonnia/ha");
  }
  return QString();
}

bool CarbonBoxEnabled(const StandViewState& v) { return IsWholeStockChosen(v) && !v.removal; }

// ---- Overview page and timber-sale panel -----------------------------------

QString OverviewSpeciesSuffix(const data& stand, int species, bool labelVisible) {
  if (stand.GrowthStepCount() <= 0) return QString();
  int counts[kSpeciesSlots] = {};
  stand.CountStandingBySpecies(stand.FirstPhaseIsGrowth() ? 100 : 1, counts);
  if (counts[species] > 0) {
    return QStringLiteral(" • ") + CommonlanText(117).toLower() + QLatin1Char(' ') +
           Int(stand.SpeciesValue(species, 7)) + QLatin1Char(' ') + CommonlanText(62);
  }
  return labelVisible ? QStringLiteral(" • hakattu ennen kasvatusta") : QString();
}

TimberSalePanel TimberSalePanelFor(const data& stand, int phase, int image8Left, int listBox3Left,
                                   int mainWindowHeight) {
  TimberSalePanel t;
  t.removal = RemovalValueSum(stand, true, false, false);
  t.caption = CommonlanText(41);
  if (t.removal != 0) t.caption += QLatin1Char(' ') + stand.PhaseYearText(phase);
  t.hasRemoval = t.removal >= 1;
  const double f = t.removal != 0 ? 0.65 + (IsWindowHeightClass(1, mainWindowHeight) ? 0.05 : 0.0) : 0.5;
  t.width = platform::TruncToInt(f * image8Left);
  t.left = platform::TruncToInt((listBox3Left - t.width) * 0.49);
  return t;
}
