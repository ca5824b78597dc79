#include "estate/GraphRules.h"

#include <algorithm>

#include "model/Names.h"
#include "platform/Numbers.h"
#include "texts/Commonlan.h"

using platform::FormatC;

namespace {

constexpr int kTeal = 0x808000;
constexpr int kOlive = 0x008080;
const char* const kPercentFormat = "###0.###  % ";

}  // namespace

HorizontalChart DistributionChart(const Distribution& d, bool siteTypes, bool byVolume, const QString& firstItemYear) {
  HorizontalChart c;
  c.valueFormat = QString::fromLatin1(kPercentFormat);
  const int classes = static_cast<int>(d.count.size());
  long long totalVolume = 0;
  double totalArea = 0;
  for (int k = classes - 1; k >= 0; --k) {
    EstateBar bar;
    const QString name = siteTypes ? SiteTypeName(2, k) : DevelopmentClassName(4, k);
    bar.text = name + (byVolume ? FormatC("%6d m3 ", d.volumeM3[k]) : FormatC("%6.2f ha ", static_cast<double>(d.areaHa[k])));
    bar.value = byVolume ? d.volumePercent[k] : d.areaPercent[k];
    bar.colorBgr = byVolume ? kTeal : kOlive;
    totalVolume += d.volumeM3[k];
    totalArea += d.areaHa[k];
    c.bars.push_back(bar);
  }
  c.titleLines << (siteTypes ? QStringLiteral("Kasvupaikkatyypien ") : QStringLiteral("Kehitysluokkien ")) +
                      (byVolume ? QStringLiteral("puusto mittauksen jälkeen") : QStringLiteral("pinta-ala mittauksen jälkeen")) +
                      firstItemYear;
  c.foot = QString::fromUtf8("yhteensä ") + (byVolume ? FormatC("%lld ", totalVolume) : FormatC("%1.2f ", totalArea)) +
           (byVolume ? QStringLiteral("m3") : QStringLiteral("ha"));
  return c;
}

HorizontalChart EstateAssortmentChart(const Estate& e, int mainItem, bool removal, bool value, const QString& label) {
  HorizontalChart c;
  c.valueFormat = QString::fromLatin1(kPercentFormat);
  const QString unit = value ? CommonlanText(54) : QStringLiteral("m3");
  AssortmentVector v{};
  if (removal) {
    AssortmentVector volumes{};
    EstateRemovalTotals(e, volumes);
    if (value) AssortmentValues(volumes, v);
    else v = volumes;
  } else {
    EstateAssortmentVolumes(e, EstateKindOfItem(e.points.items, mainItem), v, value, true);
  }
  int shares[kAssortmentCount] = {};
  const int sawlogShare = AssortmentShareOf(v.data(), shares, true);
  struct Row {
    const char* label;
    int assortment;
    int colorCode;  // species colour code; -1 white
  };
  static const Row kRows[10] = {{"haapatukki", AspenLogs, 3},     {"koivutukki", BirchLogs, 2},
                                {"kuusitukki", SpruceLogs, 11},   {"mäntytukki", PineLogs, 0},
                                {"leppäkuitu", AlderPulpwood, 4}, {"haapakuitu", AspenPulpwood, 3},
                                {"koivukuitu", BirchPulpwood, 2}, {"kuusikuitu", SprucePulpwood, 11},
                                {"mäntykuitu", PinePulpwood, 0},  {"ranka     ", EnergyWood, -1}};
  const QByteArray unitText = unit.toUtf8();
  for (const Row& row : kRows) {
    EstateBar bar;
    bar.text = QString::fromUtf8(row.label) +
               FormatC(value ? "%8d %s " : "%7d %s ", v[row.assortment], unitText.constData());
    bar.value = shares[row.assortment];
    bar.speciesColorCode = row.colorCode;
    c.bars.push_back(bar);
  }
  QString first = removal ? (value ? QStringLiteral("Hakkuukertymän arvo ") : QString::fromUtf8("Hakkuukertymä "))
                          : (value ? QStringLiteral("Puutavaralajien arvo ") : QStringLiteral("Puutavaralajit "));
  first += removal ? CuttingYearText(e.points.cuttingYear, true, false) : TimePointItemYear(e.points.items, mainItem, 1);
  c.titleLines << first << (removal ? QString() : label);
  long long total = 0;
  for (int x : v) total += x;
  c.foot = FormatC("yhteensä %lld %s,  tukin osuus %d %%", total, unitText.constData(), sawlogShare);
  return c;
}

WindowPlace ChartWindowPlace(bool beside, int screenWidth, int screenHeight, int windowWidth, int windowHeight,
                             int listItems) {
  const int n = std::clamp(listItems, 5, 10);
  WindowPlace p;
  if (beside) {
    p.top = platform::TruncToInt((screenHeight - windowHeight) * 0.5 - (12 * n + 10));
    p.left = platform::TruncToInt((screenWidth - windowWidth) * 0.4);
  } else {
    p.top = platform::TruncToInt((screenHeight - windowHeight) * 0.4);
    p.left = platform::TruncToInt((screenWidth - windowWidth) * 0.5);
  }
  // Never above the screen's top edge (the caption stays reachable).
  p.top = std::max(0, p.top);
  p.left = std::max(0, p.left);
  return p;
}
