#include "estate/TradeRules.h"

#include "model/Names.h"
#include "platform/Numbers.h"
#include "texts/Commonlan.h"
#include "texts/Tradelan.h"

namespace trade {

namespace {

// The pine or spruce log row priced as a whole stem.
bool IsStemRow(int k, const SaleChoices& c) {
  return (k == PineLogs && c.pineStem) || (k == SpruceLogs && c.spruceStem);
}

QString UpperFirst(QString text) {
  if (!text.isEmpty()) text[0] = text[0].toUpper();
  return text;
}

}  // namespace

bool HasSaleRow(int assortment) {
  for (int k : kSaleRows)
    if (k == assortment) return true;
  return false;
}

QStringList PercentItems() {
  QStringList items;
  for (int i = 0; i <= kLargestPercent; ++i) items << platform::FormatC("%2d%s", i, "%");
  return items;
}

int SaleRowVolume(const AssortmentVolumes& removal, const SaleChoices& c, int k) {
  if (c.pineStem && k == PinePulpwood) return 0;
  if (c.pineStem && k == PineLogs) return removal[PinePulpwood] + removal[PineLogs];
  if (c.spruceStem && k == SprucePulpwood) return 0;
  if (c.spruceStem && k == SpruceLogs) return removal[SprucePulpwood] + removal[SpruceLogs];
  const int logs = k < PineLogs ? removal[k + PineLogs] : removal[k];
  return ShiftedAssortmentVolume(k, removal[k], logs, c.shiftPercent);
}

QString SaleRowName(int assortment, const SaleChoices& c) {
  if (IsStemRow(assortment, c))
    return AssortmentName(2000 + assortment, false) + QStringLiteral(" (") + AssortmentName(1000 + assortment, false) +
           QLatin1Char(')');
  // The long name (energy wood as "rankapuu") and the short code.
  const QString name = assortment == EnergyWood ? CommonlanText(75).toLower() : AssortmentName(assortment, false);
  return name + QStringLiteral("   (") + AssortmentName(assortment + 100, false) + QLatin1Char(')');
}

QString SaleRowCaption(int assortment, int volume, const SaleChoices& c) {
  return SaleRowName(assortment, c) + platform::FormatC("%5d m3", volume);
}

RowState RowStateForVolume(int volume, RowState before) {
  if (volume == 0) return {false, false};
  return {true, before.enabled ? before.ticked : true};
}

SaleResult ComputeTimberSale(const SaleInput& in) {
  SaleResult r;
  for (int k = 0; k < kAssortmentCount; ++k) {
    r.volume[k] = SaleRowVolume(in.removal, in.choices, k);
    if (!HasSaleRow(k)) {
      // No row: the removal counts as it is (these assortments are empty).
      r.totalVolume += r.volume[k];
      continue;
    }
    if (!in.ticked[k]) continue;
    const int unshifted = in.choices.shiftEnabled ? in.removal[k] : 0;
    if (unshifted != 0) r.unshiftedValue += PricedVolume(unshifted, in.prices[k]);
    r.value[k] = r.volume[k] != 0 ? PricedVolume(r.volume[k], in.prices[k]) : 0;
    r.totalValue += r.value[k];
    r.totalVolume += r.volume[k];
  }
  if (in.choices.shiftEnabled)
    for (int j : kShiftableLogRows) r.moved += in.removal[j] - r.volume[j];
  return r;
}

bool IsLogShiftAllowed(const SaleChoices& c, const std::array<bool, 4>& logRowsEnabled) {
  if (c.pineStem || c.spruceStem) return false;
  for (bool enabled : logRowsEnabled)
    if (enabled) return true;
  return false;
}

ShiftEffectTexts LogShiftEffectTexts(ShiftState state, int moved, int value, int unshiftedValue) {
  ShiftEffectTexts t;
  switch (state) {
    case ShiftState::Enabled: {
      const int change = value - unshiftedValue;
      const double percent = unshiftedValue != 0 ? change * 100.0 / unshiftedValue : 0.0;
      const QString sign = change == 0 ? QStringLiteral("+- ") : (change >= 1 ? QStringLiteral("+") : QString());
      t.change = sign + QString::number(change) + QLatin1Char(' ') + CommonlanText(54);
      if (change != 0) {
        t.change += QLatin1Char(',');
        t.percent = sign + platform::FormatC("%1.1f %s", percent, "%");
      }
      t.caption = QStringLiteral("   - ") + TradelanText(10);
      t.moved = QStringLiteral("   - ") + TradelanText(13) + QLatin1Char(' ') + QString::number(moved) +
                QStringLiteral(" m3");
      break;
    }
    case ShiftState::StemPrice:
      t.moved = QStringLiteral("    ") + TradelanText(17).toLower() + QLatin1Char(',');
      t.caption = QStringLiteral("    ") + TradelanText(14);
      break;
    case ShiftState::NoLogRows:
      t.moved = QStringLiteral("    ") + TradelanText(12).toLower() + QLatin1Char(',');
      t.caption = QStringLiteral("    ") + TradelanText(14);
      break;
    case ShiftState::Other:
      break;
  }
  return t;
}

TaxResult PrepaymentTax(int gross, int percent) {
  TaxResult r;
  r.tax = -platform::RoundedPercentOf(percent, gross);
  r.net = gross + r.tax;
  return r;
}

QString MoneyText(int value) { return QString::number(value) + QLatin1Char(' ') + CommonlanText(54); }

QString VolumeText(int volume) { return QString::number(volume) + QLatin1Char(' ') + CommonlanText(53); }

int LeadingNumber(const QString& text) { return text.section(QLatin1Char(' '), 0, 0).toInt(); }

QString MeanPriceText(int value, int volume, const QString& prefix) {
  if (volume == 0) return QString();
  return prefix + QString::number(platform::RoundedQuotient(value, volume)) + QLatin1Char(' ') + CommonlanText(57);
}

QString RegenerationEstimateLine(bool regenerationCutting, bool hasEstimate, const QString& firstLine,
                                 const QString& secondLine) {
  if (!regenerationCutting) return QString();
  if (!hasEstimate) return QStringLiteral("Ei kustannusarviota metsänuudistamisesta");
  return QStringLiteral("Metsänuudistamisen kustannusarvio ") + firstLine + QStringLiteral(",  ") + secondLine;
}

QString SaleBarLabel(const SaleResult& result, const SaleInput& in, int k) {
  if (result.volume[k] == 0 || !in.ticked[k]) return QStringLiteral("  ");
  const int code = IsStemRow(k, in.choices) ? 1000 + k : 100 + k;
  return AssortmentName(code, false) + QLatin1Char('\n') + QString::number(result.volume[k]) +
         QStringLiteral(" m3");
}

int SaleBarColorCode(const SaleResult& result, int k) {
  if (result.value[k] == 0) return kGradientStartBar;
  switch (k) {
    case PinePulpwood:
    case PineLogs: return 0;
    case SprucePulpwood:
    case SpruceLogs: return 11;
    case BirchPulpwood:
    case BirchLogs: return 2;
    case AspenPulpwood:
    case AspenLogs: return 3;
    case AlderPulpwood: return 4;
    default: return 100;
  }
}

SaleChart SaleChartContents(const SaleResult& result, const SaleInput& in, const QString& standTitle,
                            const QString& yearText, const QString& foot) {
  SaleChart c;
  c.title = standTitle + QStringLiteral(", ") + CommonlanText(41).toLower() + QLatin1Char(' ') + yearText +
            QStringLiteral("  :  ") + QString::number(result.totalVolume) + QStringLiteral(" m3, ") +
            MoneyText(result.totalValue) + MeanPriceText(result.totalValue, result.totalVolume, QStringLiteral(", "));
  c.foot = foot;
  const int h = foot.isEmpty() ? 0 : 1;
  c.bottomAxisPercent = 16 + 3 * h;
  c.leftAxisStart = 1;
  c.leftAxisEnd = 84 - 3 * h;
  for (int k : kSaleRows) c.bars.push_back({result.value[k], SaleBarLabel(result, in, k), SaleBarColorCode(result, k)});
  return c;
}

int CuttingMethodPriceClass(bool regenerationCutting, bool thinningStageChosen) {
  if (regenerationCutting) return 1;
  return thinningStageChosen ? 0 : 2;
}

int PriceFillMode(int priceClass) { return priceClass == 1 ? 1 : 0; }

QString CuttingLineText(const QString& methodName, float areaHa, int removalM3PerHa) {
  return UpperFirst(methodName + platform::FormatC(",  %1.2f ha,  hakkuukertymä ", static_cast<double>(areaHa)) +
                    QString::number(removalM3PerHa) + QStringLiteral(" m3/ha."));
}

QString SaleCaptionText(const QString& standTitle, const QString& yearText) {
  return standTitle + QStringLiteral(",  ") + CommonlanText(41).toLower() + QLatin1Char(' ') + yearText;
}

QString SamplePictureCaption(const QString& standTitle, bool logTreesOnly, int removalM3PerHa) {
  return standTitle + QStringLiteral(",  1 ha otos ") +
         (logTreesOnly ? QStringLiteral("tukkipuiden hakkuukertymästä")
                       : QStringLiteral("hakkuukertymästä  ( ") + QString::number(removalM3PerHa) +
                             QStringLiteral(" m3/ha )"));
}

float SwitchStemPrice(bool ticked, float shownPrice, StemPrices& saved) {
  if (ticked) {
    saved.log = shownPrice;
    return saved.stem;
  }
  saved.stem = shownPrice;
  return saved.log;
}

}  // namespace trade
