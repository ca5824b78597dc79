#include "estate/EstateRules.h"

#include <algorithm>
#include <limits>

#include "platform/Numbers.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "ui/PaletteRules.h"

namespace {

int ClampToInt(long long v) {
  return static_cast<int>(std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

float TotalArea(const Estate& e) { return EstateTotalArea(e.stands, e.Count()); }

// a / b rounded half away from zero; 0 when b is 0.
long long RoundedRatio(double a, double b) { return b == 0.0 ? 0 : platform::RoundHalfAway(a / b); }

}  // namespace

// ---- Totals ---------------------------------------------------------------

int EstateAssortmentVolumes(const Estate& e, int kind, AssortmentVector& out, bool priced, bool wholeArea) {
  PriceFactors factors;
  GetAssortmentPriceFactors(priced, factors);
  std::array<long long, kAssortmentCount> sums{};
  for (const EstateRecord& r : e.stands) {
    const int phase = EstatePhaseOfKind(e, r, kind);
    for (int j = 0; j < kAssortmentCount; ++j)
      sums[j] += PricedVolume(EstateSlotAssortmentVolume(r, phase, j, wholeArea), factors[j]);
  }
  long long total = 0;
  for (int j = 0; j < kAssortmentCount; ++j) {
    out[j] = ClampToInt(sums[j]);
    total += sums[j];
  }
  return ClampToInt(total);
}

int EstateAssortmentTotal(const Estate& e, int kind, bool priced, bool wholeArea) {
  AssortmentVector v{};
  return EstateAssortmentVolumes(e, kind, v, priced, wholeArea);
}

int AssortmentValues(const AssortmentVector& volumes, AssortmentVector& out) {
  PriceFactors prices;
  GetAssortmentPriceFactors(true, prices);
  long long total = 0;
  for (int j = 0; j < kAssortmentCount; ++j) {
    out[j] = PricedVolume(volumes[j], prices[j]);
    total += out[j];
  }
  return ClampToInt(total);
}

int AssortmentValueTotal(const AssortmentVector& volumes) {
  AssortmentVector values{};
  return AssortmentValues(volumes, values);
}

bool StandRemovalVolumes(const Estate& e, const EstateRecord& r, bool wholeArea, AssortmentVector& out) {
  out.fill(0);
  if (EstateHasNoSteps(r) || EstateOnlyGrowths(r)) return false;
  // Before: the state after the leading growing steps (two when the stand
  // was grown twice before its cutting), as the stand itself counts it.
  const int before = EstateLeadingGrowthCount(r);
  const int after = EstatePhaseOfKind(e, r, KindAfterCutting);
  if (after <= before) return false;
  for (int j = 0; j < kAssortmentCount; ++j)
    out[j] = ClampToInt(static_cast<long long>(EstateSlotAssortmentVolume(r, before, j, wholeArea)) -
                        EstateSlotAssortmentVolume(r, after, j, wholeArea));
  return true;
}

int StandRemovalValue(const Estate& e, const EstateRecord& r, AssortmentVector* out, bool wholeArea, bool priced) {
  AssortmentVector d{};
  if (!StandRemovalVolumes(e, r, wholeArea, d)) return 0;
  PriceFactors factors;
  GetAssortmentPriceFactors(priced, factors);
  long long total = 0;
  for (int j = 0; j < kAssortmentCount; ++j) {
    total += PricedVolume(d[j], factors[j]);
    if (out) (*out)[j] = ClampToInt(static_cast<long long>((*out)[j]) + d[j]);
  }
  return ClampToInt(total);
}

int EstateRemovalTotals(const Estate& e, AssortmentVector& out) {
  out.fill(0);
  long long total = 0;
  for (const EstateRecord& r : e.stands)
    if (EstateStandHasCutting(r)) total += StandRemovalValue(e, r, &out, true, false);
  return ClampToInt(total);
}

int SawlogShare(const AssortmentVector& v, bool sawlogs) {
  int percents[kAssortmentCount] = {};
  return AssortmentShareOf(v.data(), percents, sawlogs);
}

// ---- Small texts ------------------------------------------------------------

QString AreaText(float area, bool precise) {
  return platform::FormatC(precise ? "%1.2f ha" : "%1.1f ha", static_cast<double>(area));
}

QString ChartItemLetter(int i) { return QString(QChar(u'A' + std::clamp(i, 0, 25))); }

// ---- Estate grid --------------------------------------------------------------

EstateGridCells FillEstateGridCells(const Estate& e, int chosenItem, bool valueMode) {
  EstateGridCells g;
  const QStringList& items = e.points.items;
  auto year = [&](int k) { return TimePointItemYear(items, k, 0); };
  int i = chosenItem;
  const int kind = EstateKindOfItem(items, i);
  AssortmentVector v{};
  int total = EstateAssortmentVolumes(e, kind, v, valueMode, true);
  const float area = TotalArea(e);
  const bool empty = e.Count() == 0;

  QString rowYear = year(i);
  g.labels[0] = (i > 0 ? QStringLiteral("puusto ") : QStringLiteral("mittauspuusto ")) + rowYear;
  if (!empty) {
    g.values[0] = QString::number(total) + QLatin1Char(' ');
    if (valueMode) {
      g.values[0] += CommonlanText(54) + QStringLiteral(",  ") +
                     NumberWithUnitText(total, EstateAssortmentTotal(e, kind, false, true));
    } else {
      g.values[0] += QStringLiteral("m3,  tukki% ") + QString::number(SawlogShare(v));
    }
  }

  if (chosenItem == 2) {
    const QString y0 = year(0), y1 = year(1), y2 = year(2);
    if (!y0.isEmpty() && !y1.isEmpty() && y0 != y1 && y1 == y2) {
      i = 1;
      total = EstateAssortmentTotal(e, KindAfterGrowth, valueMode, true);
      rowYear = y1;
    } else if (y1.isEmpty() && !y0.isEmpty() && !y2.isEmpty() && y0 != y2) {
      i = 1;
      rowYear = y2;
    }
    g.labels[0] = QStringLiteral("puusto ") + rowYear;
  }

  const QString growthWord = valueMode ? QStringLiteral("arvokasvu ") : QStringLiteral("kasvu ");
  for (int row = 1; row <= 3; ++row) g.labels[row] = growthWord;
  const QString yp = i >= 1 ? year(i - 1) : QString();
  if (!empty && i >= 1 && !rowYear.isEmpty() && !yp.isEmpty() && rowYear != yp) {
    const int years = rowYear.toInt() - yp.toInt();
    const int prevTotal = EstateAssortmentTotal(e, EstateKindOfItem(items, i - 1), valueMode, true);
    const long long diff = static_cast<long long>(total) - prevTotal;
    for (int row = 1; row <= 3; ++row) g.labels[row] = growthWord + yp + QStringLiteral(" - ") + rowYear;
    const double perHaYear = years * static_cast<double>(area);
    if (perHaYear != 0.0) {
      g.values[1] = valueMode ? QString::number(RoundedRatio(static_cast<double>(diff), perHaYear)) +
                                    QLatin1Char(' ') + CommonlanText(56) + QStringLiteral("/vuosi")
                              : platform::FormatC("%1.1f m3/ha/vuosi", static_cast<double>(diff) / perHaYear);
    }
    g.values[2] = platform::FormatC("%1.1f %%/vuosi", static_cast<double>(AnnualGrowthPercent(
                                                          static_cast<float>(total), static_cast<float>(prevTotal), years)));
    g.values[3] = QString::number(diff) + QLatin1Char(' ') +
                  (valueMode ? CommonlanText(54) + QStringLiteral(",  ") : QStringLiteral("m3,  "));
    if (prevTotal > 0) g.values[3] += QString::number(RoundedRatio(diff * 100.0, prevTotal)) + QStringLiteral(" %");
  }

  const QString cutting = CuttingYearText(e.points.cuttingYear, false, false);
  if (!empty && kind >= KindAfterCutting && !cutting.isEmpty()) {
    int first = cutting.left(4).toInt();
    int last = cutting.size() == 4 ? first : cutting.right(4).toInt();
    for (const QString& y : {year(0), year(chosenItem)}) {
      if (y.isEmpty()) continue;
      first = std::min(first, y.toInt());
      last = std::max(last, y.toInt());
    }
    const int span = last - first + 1;
    const QString label = QStringLiteral("hakkuu ") +
                          (span > 1 ? QString::number(first) + QStringLiteral(" - ") + QString::number(last) : cutting);
    g.labels[4] = g.labels[5] = label;
    AssortmentVector removal{};
    const int r = EstateRemovalTotals(e, removal);
    const double perHaYear = span * static_cast<double>(area);
    if (valueMode) {
      const int value = AssortmentValueTotal(removal);
      if (perHaYear != 0.0)
        g.values[4] = QString::number(RoundedRatio(value, perHaYear)) + QLatin1Char(' ') + CommonlanText(54) +
                      QStringLiteral("/ha/vuosi");
      g.values[5] = QString::number(value) + QLatin1Char(' ') + CommonlanText(54);
      if (r != 0)
        g.values[5] += QStringLiteral(",  ") + QString::number(RoundedRatio(value, r)) + QLatin1Char(' ') +
                       CommonlanText(54) + QStringLiteral("/m3");
    } else {
      if (perHaYear != 0.0) g.values[4] = platform::FormatC("%1.1f m3/ha/vuosi", r / perHaYear);
      g.values[5] = QString::number(r) + QStringLiteral(" m3,  tukki% ") + QString::number(SawlogShare(removal));
    }
  }
  return g;
}

// ---- Estate chart -------------------------------------------------------------

int SmallSeedlingStandsBefore(const Estate& e, int year, float& area) {
  int count = 0;
  area = 0.0f;
  for (const EstateRecord& r : e.stands) {
    if (!IsSmallSeedlingStand(r.developmentClass)) continue;
    const QString y = EstateTimePointYear(e, r, KindMeasured, r.measurementDate, false);
    if (!y.isEmpty() && y.toInt() < year) {
      ++count;
      area += r.area;
    }
  }
  return count;
}

EstateChartContent EstateChart(const Estate& e, int count, bool inCurrency, bool perHa, int mainWindowHeight) {
  EstateChartContent c;
  const int n = e.Count();
  const bool oneStand = perHa && n == 1;
  const int w = count == 4 ? 1 : 45 - 13 * count;
  c.axisStartPercent = w;
  c.axisEndPercent = 100 - w;
  c.valueFormat = (inCurrency ? QStringLiteral("###0.### ") + CommonlanText(54) : QStringLiteral("###0.### m3")) +
                  (perHa ? QStringLiteral("/ha") : QString());
  if (n == 0) return c;
  const float area = TotalArea(e);
  const QStringList& items = e.points.items;
  long long largest = 0;
  bool white = false;
  QString firstYear, lastYear, growthYear;
  for (int i = 0; i < count; ++i) {
    const int kind = EstateKindOfItem(items, i);
    AssortmentVector volumes{};
    const int volume = EstateAssortmentVolumes(e, kind, volumes, false, true);
    long long v = EstateAssortmentTotal(e, kind, inCurrency, !oneStand);
    largest = std::max(largest, v);
    if (perHa && !oneStand) v = area > 0.0f ? platform::RoundHalfAway(static_cast<double>(v) / area) : 0;
    const QString year = TimePointItemYear(items, i, 0);
    EstateBar bar;
    bar.value = static_cast<double>(v);
    if (year.isEmpty()) {
      white = true;
      bar.colorBgr = 0xFFFFFF;
    } else {
      bar.colorBgr = PaletteColorValue(28);
    }
    const QString mark = inCurrency ? NumberWithUnitText(EstateAssortmentTotal(e, kind, true, true), volume)
                                    : QStringLiteral(" tukki ") + QString::number(SawlogShare(volumes)) +
                                          QLatin1Char('%');
    const QString label = TimePointItemLabel(items, i, count == 1);
    if (count == 1) {
      bar.text = label + QStringLiteral("   •  ") + mark;
    } else {
      bar.text = mark + QLatin1Char('\n') + ChartItemLetter(i) + (year.isEmpty() ? QString() : QStringLiteral(" :  ")) +
                 year;
      c.footLines << ChartItemLetter(i) + QStringLiteral(" :  ") + label;
      if (i == 0 && !year.isEmpty()) firstYear = year;
      if (i == count - 1 && !year.isEmpty()) lastYear = year;
    }
    if ((kind == KindAfterGrowth || kind == KindAfterCuttingAndGrowth) && !year.isEmpty()) growthYear = year;
    c.bars.push_back(bar);
  }
  if (!growthYear.isEmpty()) {
    float seedlingArea = 0.0f;
    c.infoPanelVisible = SmallSeedlingStandsBefore(e, growthYear.toInt(), seedlingArea) > 0;
  }
  if (white && largest != 0) c.topAxisTitle = QStringLiteral("valkoinen : puustotiedot eivät ole samalta vuodelta ");
  c.bottomAxisPositionPercent = c.topAxisTitle.isEmpty() ? 10 : (mainWindowHeight == 700 ? 7 : 8);
  QString title = ActlanText(inCurrency ? 43 : 42);
  if (!firstYear.isEmpty() && !lastYear.isEmpty()) title += QLatin1Char(' ') + firstYear + QLatin1Char('-') + lastYear;
  c.titleLines = {QString(), ActlanText(31), QStringLiteral("  - ") + StandCountText(n, 0),
                  QStringLiteral("  - ") + AreaText(area, true), title};
  return c;
}

ForecastInfo ForecastInfoFor(const Estate& e, const QStringList& items, int item) {
  float area = 0.0f;
  const int count = SmallSeedlingStandsBefore(e, 10000, area);
  const QString title = item == -1 ? QStringLiteral("Puuston kehitysennuste")
                                   : QStringLiteral("Puutavaralajien tilavuus ") + TimePointItemLabel(items, item, false);
  const QString text = title + QStringLiteral(" ei sisällä pienien taimikoiden") +
                       platform::FormatC("  ( %s,  %1.2f ha )  kasvua.", StandCountText(count, 0).toUtf8().constData(),
                                         static_cast<double>(area));
  if (item == -1)
    return {QStringLiteral("Puuston kehitysennuste"),
            QStringLiteral("Pienet taimikot ( keskipituus < 1.3 m ) eivät ole vakiintuneita ja taimien kuolleisuus "
                           "saattaa olla merkittävää."),
            text};
  return {title, text, QString()};
}

// ---- Stand-list summary -------------------------------------------------------

QString SummarySeparator(int mainWindowHeight) {
  return mainWindowHeight < 728 ? QStringLiteral(", ") : QStringLiteral(",  ");
}

QString StandListSummaryTail(const Estate& e, int listMode, bool valueMode, const QString& sep) {
  QString a, b;
  const int n = e.Count();
  if (listMode == 0) {
    a = StandCountText(n, 0) + sep + AreaText(TotalArea(e), true) + sep + ActlanText(46) + QLatin1Char(' ') +
        LatestMeasurementYear(e.stands, 1);
    b = QString::number(EstateAssortmentTotal(e, KindMeasured, valueMode, true)) + QLatin1Char(' ') +
        (valueMode ? CommonlanText(54) : QStringLiteral("m3"));
  } else {
    const QString c = CuttingYearText(e.points.cuttingYear, false, false);
    if (c.isEmpty()) {
      b = CommonlanText(109);
    } else {
      AssortmentVector v{};
      const int r = EstateRemovalTotals(e, v);
      a = CommonlanText(52).toLower() + QLatin1Char(' ') + c;
      if (valueMode) {
        const int value = AssortmentValueTotal(v);
        b = QString::number(value) + QLatin1Char(' ') + CommonlanText(54) + sep + NumberWithUnitText(value, r);
      } else {
        b = QString::number(r) + QStringLiteral(" m3") + sep + QStringLiteral("tukki % ") + QString::number(SawlogShare(v));
      }
    }
  }
  return sep + a + QStringLiteral("   :   ") + b;
}
