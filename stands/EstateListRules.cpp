#include "stands/EstateListRules.h"

#include "model/Names.h"
#include "platform/Numbers.h"
#include "texts/Commonlan.h"

QString StripTitleSuffix(const QString& text) {
  const qsizetype cut = CommonlanText(0).size() + 1;
  return text.size() > cut ? text.left(text.size() - cut) : QString();
}

QString NumberWithUnitText(int a, int b) {
  const QString number = b == 0 ? QStringLiteral("0") : platform::IntText(platform::RoundHalfAway(double(a) / b));
  return number + QLatin1Char(' ') + CommonlanText(57);
}

QString MainStandListSeparator() { return QStringLiteral("  •  "); }

QString StandFileProblemText(StandFileStatus status) {
  switch (status) {
    case StandFileStatus::Ok: return QString();
    case StandFileStatus::CannotOpen: return QStringLiteral("kuviotiedostoa ei voi lukea");
    default: return QStringLiteral("tiedosto ei ole eheä kuviotiedosto");
  }
}

QString StandCountText(int n, int mode) {
  QString prefix;
  switch (mode) {
    case 0: break;
    case 1: prefix = QStringLiteral("Hakemistossa "); break;
    case 2: prefix = QStringLiteral("Listassa "); break;
    default: prefix = QStringLiteral("Metsätilalla "); break;
  }
  return prefix + QString::number(n) + (n == 1 ? QStringLiteral(" kuvio") : QStringLiteral(" kuviota"));
}

namespace {

QString AreaText(float area) { return platform::FormatC("%1.2f ha", static_cast<double>(area)); }

QString LogShareText(const AssortmentVolumes& volumes) {
  int percents[kAssortmentCount] = {};
  return QStringLiteral("tukki % ") + platform::IntText(AssortmentShareOf(volumes.data(), percents, true));
}

// The growing stock of slot 0 as value or volume.
QString StockText(const EstateRecord& r, bool asValue) {
  PriceFactors prices{};
  GetAssortmentPriceFactors(asValue, prices);
  AssortmentVolumes v{};
  int total = 0;
  int value = 0;
  for (int j = 0; j < kAssortmentCount; ++j) {
    v[j] = EstateSlotAssortmentVolume(r, 0, j, false);
    total += v[j];
    value += PricedVolume(v[j], prices[j]);
  }
  if (asValue)
    return platform::IntText(value) + QLatin1Char(' ') + CommonlanText(56) + QStringLiteral(",  ") +
           NumberWithUnitText(value, total);
  return platform::IntText(total) + QStringLiteral(" m3/ha,  ") + LogShareText(v);
}

QString RemovalText(const StandRemovalAtTimePoint& t, bool asValue) {
  if (asValue)
    return platform::IntText(t.value) + QLatin1Char(' ') + CommonlanText(56) + QStringLiteral(",  ") +
           NumberWithUnitText(t.value, t.volumeM3PerHa);
  return platform::IntText(t.volumeM3PerHa) + QStringLiteral(" m3/ha,  ") + LogShareText(t.volumesM3PerHa);
}

}  // namespace

QString StandListRowText(const EstateRecord& r, bool compact, const QString& sep,
                         const StandRemovalAtTimePoint* timePoint, bool asValue) {
  const QString colon = compact ? QStringLiteral("  :  ") : QStringLiteral("   :   ");
  if (!r.IsReadable())
    return CommonlanText(50) + QLatin1Char(' ') + StripTitleSuffix(r.fileName) + colon +
           StandFileProblemText(r.status);
  const QString head = CommonlanText(50) + QLatin1Char(' ') + r.standId + colon;
  QString body = AreaText(r.area) + sep;
  if (!timePoint) {
    body += DevelopmentClassName(1, r.developmentClass);
    if (compact) return head + body + sep + SiteTypeName(1, r.siteType);
    return head + body + sep + StockText(r, asValue);
  }
  if (timePoint->volumeM3PerHa != 0)
    return head + body + timePoint->cuttingMethod + QLatin1Char(' ') + timePoint->slotSummary +
           QStringLiteral(",  kertymä ") + RemovalText(*timePoint, asValue);
  return head + (body + CommonlanText(107)).toLower();
}
