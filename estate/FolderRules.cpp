#include "estate/FolderRules.h"

#include <algorithm>

#include "stands/StandCardRules.h"
#include "model/Names.h"
#include "platform/Numbers.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "ui/WindowRules.h"

using platform::FormatC;

namespace {

// The currency unit as a C string for the formats.
QByteArray Unit(int n) { return CommonlanText(n).toUtf8(); }

long long ValueOf(const AssortmentVector& volumes, const PriceFactors& prices) {
  long long value = 0;
  for (int j = 0; j < kAssortmentCount; ++j) value += PricedVolume(volumes[j], prices[j]);
  return value;
}

long long SumOf(const AssortmentVector& v) {
  long long sum = 0;
  for (int x : v) sum += x;
  return sum;
}

}  // namespace

// ---- Small texts ------------------------------------------------------------

QString MeasuredMonthText(const QString& date) {
  if (date.isEmpty()) return date;
  return date.mid(3, 2) + QLatin1Char('/') + date.mid(6, 4);
}

QString TimePointCaptionText(int variant, bool removalView) {
  if (removalView) return QString::fromUtf8(" hakkuukertymä,  ei ajankohdan valintaa ");
  return variant == 1 ? QStringLiteral(" puutavaralajit,  ajankohdan valinta ")
                      : QStringLiteral(" puustotiedot ja puutavaralajit,  ajankohdan valinta ");
}

QString CuttingMethodName(const EstateRecord& r) {
  bool selection = false, regeneration = false, cutting = false;
  for (int k = 1; k <= 3; ++k) {
    const QString name = EstateSlotName(r, k);
    if (name.isEmpty() || EstateSlotIsGrowth(r, k)) continue;
    const QString word = OperationKindWord(name).toLower();
    cutting = true;
    if (word.contains(SelectionKind()) || word == SmallGapKind()) selection = true;
    else if (IsRegenerationKindWord(word)) regeneration = true;
  }
  if (selection) return QStringLiteral("poimintahakkuu");
  if (regeneration) return QStringLiteral("uudistushakkuu");
  return cutting ? QStringLiteral("kasvatushakkuu") : QString();
}

QString StandSlotSummaryText(const Estate& e, const EstateRecord& r) {
  const QString year = EstateTimePointYear(e, r, KindAfterCutting, r.measurementDate, true);
  return year.isEmpty() ? QString() : QStringLiteral("v. ") + year;
}

StandRemovalAtTimePoint EstateStandRemoval(const Estate& e, const EstateRecord& r) {
  StandRemovalAtTimePoint t;
  AssortmentVector d{};
  if (!EstateStandHasCutting(r) || !StandRemovalVolumes(e, r, false, d)) return t;
  PriceFactors prices;
  GetAssortmentPriceFactors(true, prices);
  t.volumeM3PerHa = static_cast<int>(std::clamp<long long>(SumOf(d), INT32_MIN, INT32_MAX));
  t.value = static_cast<int>(std::clamp<long long>(ValueOf(d, prices), INT32_MIN, INT32_MAX));
  std::copy(d.begin(), d.end(), t.volumesM3PerHa.begin());
  t.cuttingMethod = CuttingMethodName(r);
  t.slotSummary = StandSlotSummaryText(e, r);
  return t;
}

bool InfoPanelByYear(const QStringList& items, int chosen) {
  const QString year = TimePointItemYear(items, chosen, 0);
  return chosen > 0 && !year.isEmpty() && year != TimePointItemYear(items, 0, 0);
}

std::array<QString, 3> ShareVolumeValueCells(int share, long long volume, long long value, bool wholeStand) {
  const QByteArray unit = Unit(wholeStand ? 54 : 56);
  return {FormatC(" %6d %%", share),
          wholeStand ? FormatC("%8lld m3", volume) : FormatC("%6lld m3/ha", volume),
          FormatC(wholeStand ? "%10lld %s" : "%8lld %s", value, unit.constData())};
}

// ---- Stand table --------------------------------------------------------------

QStringList StandTableHeadings(bool removalView) {
  QStringList h{QStringLiteral("kuvio"), QStringLiteral("kehitysluokka"), QStringLiteral("    pinta-ala"),
                QStringLiteral("    mitattu"), QStringLiteral("  hakkuuvuosi"), QString(),
                QStringLiteral("  tukin osuus"), QString(), QString()};
  if (removalView) {
    h[5] = QStringLiteral("   hakkuutapa");
    h[7] = QString::fromUtf8(" hakkuukertymä");
    h[8] = QString::fromUtf8(" kertymän arvo");
  } else {
    h[5] = QStringLiteral("   ajankohta");
    h[7] = QStringLiteral("     puusto");
    h[8] = QStringLiteral("  puuston arvo");
  }
  return h;
}

StandTable EstateStandTable(const Estate& e, const OverviewOptions& o) {
  StandTable t;
  t.headings = StandTableHeadings(o.removalView);
  const QStringList& items = e.points.items;
  const int kind = EstateKindOfItem(items, o.mainItem);
  PriceFactors prices;
  GetAssortmentPriceFactors(true, prices);
  float totalArea = 0.0f;
  AssortmentVector estateWhole{};
  long long estateValue = 0;
  for (const EstateRecord& r : e.stands) {
    totalArea += r.area;
    StandTableRow row;
    if (!r.IsReadable()) {
      // A file that could not be read is listed by its name alone.
      row[0] = r.fileName;
      t.rows.push_back(row);
      continue;
    }
    AssortmentVector shown{}, whole{};
    if (o.removalView) {
      if (!EstateStandHasCutting(r) || !StandRemovalVolumes(e, r, true, whole)) {
        t.rows.push_back(row);
        continue;
      }
      StandRemovalVolumes(e, r, false, shown);
      if (o.wholeStand) shown = whole;
    } else {
      const int p = EstatePhaseOfKind(e, r, kind);
      for (int j = 0; j < kAssortmentCount; ++j) {
        whole[j] = EstateSlotAssortmentVolume(r, p, j, true);
        shown[j] = o.wholeStand ? whole[j] : EstateSlotAssortmentVolume(r, p, j, false);
      }
    }
    const long long value = ValueOf(shown, prices);
    for (int j = 0; j < kAssortmentCount; ++j) estateWhole[j] += whole[j];
    estateValue += ValueOf(whole, prices);
    const QString measuredYear = YearOfDateText(r.measurementDate);
    row[0] = r.standId;
    row[1] = DevelopmentClassName(5, std::max(0, r.developmentClass));
    row[2] = FormatC("%9.2f ha", static_cast<double>(r.area));
    row[3] = MeasuredMonthText(r.measurementDate);
    if (o.removalView) {
      row[4] = QStringLiteral("      ") + EstateTimePointYear(e, r, KindAfterCutting, r.measurementDate, true);
      row[5] = QLatin1Char(' ') + CuttingMethodName(r);
    } else {
      row[4] = QStringLiteral("   ");
      if ((kind == KindAfterCutting || kind == KindAfterCuttingAndGrowth) && EstateStandHasCutting(r)) {
        const int cutYear = measuredYear.toInt() + (EstateStartsWithGrowth(r) ? EstateSlotYears(r, 1) : 0);
        row[4] += QStringLiteral("   ") + QString::number(cutYear);
      }
      const QString pointYear = EstateTimePointYear(e, r, kind, r.measurementDate, false);
      row[5] = pointYear == measuredYear ? QStringLiteral("      ") + measuredYear
                                         : QStringLiteral("  ") + measuredYear + QStringLiteral(" -> ") + pointYear;
    }
    const auto cells = ShareVolumeValueCells(SawlogShare(whole), SumOf(shown), value, o.wholeStand);
    std::copy(cells.begin(), cells.end(), row.begin() + 6);
    t.rows.push_back(row);
  }
  const int n = e.Count();
  t.totals[0] = StandCountText(n, 0);
  t.totals[2] = FormatC("%9.2f ha", static_cast<double>(totalArea));
  if (n == 1) {
    std::copy(t.rows[0].begin() + 6, t.rows[0].end(), t.totals.begin() + 6);
  } else if (n > 1) {
    long long volume = SumOf(estateWhole), value = estateValue;
    if (!o.wholeStand) {
      // Per hectare of the estate's area.
      const double area = totalArea;
      volume = area > 0 ? platform::RoundHalfAway(volume / area) : 0;
      value = area > 0 ? platform::RoundHalfAway(value / area) : 0;
    }
    const auto cells = ShareVolumeValueCells(SawlogShare(estateWhole), volume, value, o.wholeStand);
    std::copy(cells.begin(), cells.end(), t.totals.begin() + 6);
  }
  t.title = o.removalView ? QString::fromUtf8("Kuvioiden hakkuuvuosi ja - kertymä") : QStringLiteral("Kuvioiden puustotiedot");
  t.title += (items.isEmpty() ? QStringLiteral(" ") : QStringLiteral(",  ")) + TimePointItemLabel(items, o.mainItem, false);
  return t;
}

// ---- Distributions --------------------------------------------------------------

Distribution EstateDistribution(const Estate& e, bool siteTypes) {
  const int classes = siteTypes ? 7 : 10;
  Distribution d;
  d.count.assign(classes, 0);
  d.areaHa.assign(classes, 0.0f);
  d.volumeM3.assign(classes, 0);
  d.areaPercent.assign(classes, 0);
  d.volumePercent.assign(classes, 0);
  for (const EstateRecord& r : e.stands) {
    const int code = std::max(0, siteTypes ? r.siteType : r.developmentClass);
    if (code >= classes) continue;
    long long volume = 0;
    for (int j = 0; j < kAssortmentCount; ++j) volume += EstateSlotAssortmentVolume(r, 0, j, true);
    ++d.count[code];
    d.areaHa[code] += r.area;
    d.volumeM3[code] += static_cast<int>(volume);
    d.totalAreaHa += r.area;
    d.totalVolumeM3 += volume;
  }
  // Shares of a total of 0 stay 0: nothing is divided by it.
  auto percents = [classes](auto part, double total, std::vector<int>& out) {
    if (!(total > 0)) return;
    std::vector<float> shares(classes);
    for (int c = 0; c < classes; ++c) shares[c] = static_cast<float>(part(c) * 100.0 / total);
    RoundPercentsTo100(shares.data(), out.data(), classes);
  };
  percents([&](int c) { return static_cast<double>(d.areaHa[c]); }, d.totalAreaHa, d.areaPercent);
  percents([&](int c) { return static_cast<double>(d.volumeM3[c]); }, static_cast<double>(d.totalVolumeM3),
           d.volumePercent);
  return d;
}

DistributionTable DistributionTableOf(const Estate& e, const Distribution& d, bool siteTypes) {
  DistributionTable t;
  t.headings = {siteTypes ? QStringLiteral("kasvupaikkatyyppi") : QStringLiteral("kehitysluokka"),
                QStringLiteral("        pinta-ala"), QStringLiteral("     mittauspuusto")};
  const int classes = static_cast<int>(d.count.size());
  for (int c = 0; c < classes; ++c) {
    std::array<QString, 3> row;
    row[0] = siteTypes ? SiteTypeName(3, c) : DevelopmentClassName(2, c);
    if (d.count[c] > 0) {
      row[1] = FormatC("%5d %7.2f ha %3d %%", d.count[c], static_cast<double>(d.areaHa[c]), d.areaPercent[c]);
      row[2] = FormatC("%12d m3 %3d %%", d.volumeM3[c], d.volumePercent[c]);
    }
    t.rows.push_back(row);
  }
  t.totals = {QStringLiteral("yhteensä ") + StandCountText(e.Count(), 0),
              FormatC("%13.2f ha", static_cast<double>(d.totalAreaHa)), FormatC("%12lld m3", d.totalVolumeM3)};
  t.title = (siteTypes ? QStringLiteral("Kasvupaikkatyypit,  ") : QStringLiteral("Kehitysluokat,  ")) +
            QStringLiteral(" pinta-ala ja mittauspuusto v. ") + LatestMeasurementYear(e.stands, -1);
  return t;
}

// ---- Timber assortments --------------------------------------------------------

int AssortmentOfTableRow(int row) {
  if (row == 0) return EnergyWood;
  return row <= 5 ? row - 1 : row;
}

AssortmentTable EstateAssortmentTable(const Estate& e, int mainItem) {
  AssortmentTable t;
  const QStringList& items = e.points.items;
  const int kind = EstateKindOfItem(items, mainItem);
  AssortmentVector standing{}, standingValue{}, removal{}, removalValue{};
  EstateAssortmentVolumes(e, kind, standing, false, true);
  EstateAssortmentVolumes(e, kind, standingValue, true, true);
  EstateRemovalTotals(e, removal);
  AssortmentValues(removal, removalValue);
  PriceFactors prices;
  GetAssortmentPriceFactors(true, prices);
  static const char* const kNames[10] = {"ranka       ", "mäntykuitu  ", "kuusikuitu  ", "koivukuitu  ",
                                         "haapakuitu  ", "leppäkuitu  ", "mäntytukki  ", "kuusitukki  ",
                                         "koivutukki  ", "haapatukki  "};
  const QByteArray perCubic = Unit(57), unit = Unit(54);
  long long sums[4] = {};
  for (int row = 0; row < 10; ++row) {
    const int a = AssortmentOfTableRow(row);
    auto& cells = t.rows[row];
    cells[0] = QString::fromUtf8(kNames[row]) + FormatC("%5.2f %s", static_cast<double>(prices[a]), perCubic.constData());
    if (standing[a] < 1 && removal[a] < 1) {
      cells[0] = cells[0].left(10);
    } else {
      cells[1] = FormatC("%7d m3 %7d %s", standing[a], standingValue[a], unit.constData());
      cells[2] = FormatC("%7d m3 %7d %s", removal[a], removalValue[a], unit.constData());
    }
    sums[0] += standing[a];
    sums[1] += standingValue[a];
    sums[2] += removal[a];
    sums[3] += removalValue[a];
  }
  t.totals = {QString::fromUtf8("yhteensä"), FormatC("%7lld m3 %7lld %s", sums[0], sums[1], unit.constData()),
              FormatC("%7lld m3 %7lld %s", sums[2], sums[3], unit.constData())};
  const QString year = TimePointItemYear(items, mainItem, 10);
  t.headings = {QStringLiteral("      keskihinnat"),
                year.isEmpty() ? QStringLiteral("     puutavaralajit") : QStringLiteral(" puutavaralajit") + year,
                QString::fromUtf8(" hakkuukertymä") + CuttingYearText(e.points.cuttingYear, true, false)};
  const QString label = TimePointItemLabel(items, mainItem, false);
  t.title = QString::fromUtf8("Puutavaralajit ja hakkuukertymä") +
            (items.isEmpty() ? QStringLiteral(" ") : QStringLiteral(",  ")) + label;
  return t;
}

// ---- Captions ----------------------------------------------------------------

QString EstateTitleText(const QString& folder) {
  return ActlanText(31).toLower() + QLatin1Char(' ') + WindowTextByMode(folder, 0);
}

QString EstateCountAreaText(const Estate& e, const QString& folder) {
  return EstateTitleText(folder) + QStringLiteral(",  ") + StandCountText(e.Count(), 0) +
         FormatC(",  pinta-ala %1.2f ha", static_cast<double>(EstateTotalArea(e.stands, e.Count())));
}
