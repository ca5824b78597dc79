#include "estate/RaportRules.h"

#include <algorithm>
#include <cmath>

#include "model/Names.h"
#include "model/Phase.h"
#include "platform/Numbers.h"
#include "texts/Commonlan.h"
#include "ui/PaletteRules.h"

namespace raport {

using platform::FormatC;
using platform::FormatTexts;

namespace {

QString Int(long long v) { return QString::number(v); }

}  // namespace

// ---- Lines -----------------------------------------------------------------

void AppendReportLine(QStringList& memo, int indent, const QString& text) {
  memo << QString(qMax(0, indent), QLatin1Char(' ')) + text;
}

void AppendBlankLine(QStringList& memo) { AppendReportLine(memo, 1, QString()); }

void AppendReportHeading(QStringList& memo, const QString& text, int count) {
  AppendBlankLine(memo);
  AppendReportLine(memo, 2, text);
  for (int i = 0; i < count; ++i) AppendBlankLine(memo);
}

QString PadRightText(const QString& text, int width) { return text.leftJustified(width); }

QString TodayDateText(const QDate& today) { return today.toString(QStringLiteral("dd.MM.yyyy")); }

// ---- Basic data ------------------------------------------------------------

void AppendStandBasicData(QStringList& memo, const data& stand, const StandReportContext& context) {
  AppendReportLine(memo, 1, context.today + QStringLiteral("  ") + CommonlanText(0) + QStringLiteral(" - ") +
                                CommonlanText(72).toLower());
  AppendBlankLine(memo);
  AppendReportLine(memo, 1, QStringLiteral("Metsätilan nimi, kuvioiden määrä ja pinta-ala"));
  const QString estate = stand.EstateName().isEmpty() ? QStringLiteral("ei tilan nimeä") : stand.EstateName();
  AppendReportLine(memo, 2,
                   QStringLiteral(" - ") + estate + QStringLiteral(", ") + Int(context.standFileCount) +
                       (context.standFileCount == 1 ? QStringLiteral(" kuvio") : QStringLiteral(" kuviota")) +
                       FormatC(", %1.2f ha", static_cast<double>(context.estateAreaHa)));
  AppendBlankLine(memo);
  AppendReportLine(memo, 1, stand.TitleText(2) + QStringLiteral(", perustiedot"));
  AppendReportLine(memo, 2,
                   FormatC(" - pinta-ala %1.2f ha, ", static_cast<double>(stand.Area())) +
                       DevelopmentClassName(0, stand.DevelopmentClass()));
  AppendReportLine(memo, 2,
                   QStringLiteral(" - puuston ryhmitys ") + context.groupingWord + QStringLiteral(", ") +
                       SiteTypeName(0, stand.SiteType()));
  AppendBlankLine(memo);
  AppendReportLine(memo, 5,
                   QStringLiteral("puuston mittaus ") + stand.MeasurementDateText() +
                       QStringLiteral("    mänty  kuusi  koivu  haapa  leppä"));

  // One column per species: the first 9 characters wide, the others 7.
  const bool seedlings = IsSmallSeedlingStand(stand.DevelopmentClass());
  const auto row = [&](const QString& label, const auto& cell) {
    QString line = label;
    for (int s = 0; s <= SpeciesAlder; ++s) line += cell(s, s == 0 ? 9 : 7);
    AppendReportLine(memo, 5, line);
  };
  const auto intCell = [&](int index) {
    return [&stand, index](int s, int width) { return Int(stand.SpeciesValue(s, index)).rightJustified(width); };
  };
  const auto tenthCell = [&](int index) {
    return [&stand, index](int s, int width) {
      return FormatC("%*.1f", width, stand.SpeciesValue(s, index) * 0.1);
    };
  };
  if (!seedlings) row(QStringLiteral("  - keskiläpimitta, cm    "), intCell(2));
  if (seedlings) row(QStringLiteral("  - runkoluku, kpl/ha     "), intCell(10));
  row(QStringLiteral("  - keskipituus, m        "), tenthCell(3));
  if (!seedlings) row(QStringLiteral("  - pohjapinta-ala, m2/ha "), tenthCell(6));
  if (stand.GrowthStepCount() > 0) {
    // The label and two blanks, then 7 characters per species; an age of 0
    // leaves its column blank.
    row(PadRightText(QStringLiteral("  - ikä, vuotta"), 26) + QStringLiteral("  "), [&stand](int s, int) {
      const int age = stand.SpeciesValue(s, 7);
      return age == 0 ? QString(7, QLatin1Char(' ')) : Int(age).rightJustified(7);
    });
  }

  for (int i = 0; i < context.notesLines.size(); ++i) {
    AppendReportLine(memo, 5, (i == 0 ? QStringLiteral("lisätietoja : ") : QString(14, QLatin1Char(' '))) +
                                  context.notesLines.at(i));
  }
}

// ---- Operations and removal ------------------------------------------------

void AppendOperationsAndStock(QStringList& memo, const data& stand, int phase, const QStringList& phaseTexts) {
  QString heading = QStringLiteral("toimenpiteet ja puusto");
  if (phase != 0) {
    heading += QStringLiteral("n kehitys v.") + stand.MeasurementYearText();
    if (stand.GrowthStepCount() > 0) heading += QLatin1Char('-') + stand.PhaseCalendarYearText(phase);
  }
  AppendReportLine(memo, 2, QString());
  AppendReportLine(memo, 5, heading);
  int width = 0;
  for (int k = 0; k <= phase && k < phaseTexts.size(); ++k) width = qMax(width, int(phaseTexts.at(k).size()));
  for (int k = 0; k <= phase; ++k) {
    const QString text = k < phaseTexts.size() ? phaseTexts.at(k) : QString();
    const QString volume = stand.IsPhaseSelectable(k) ? QString() : FormatC("%7d m3/ha", stand.SlotTotalVolume(k));
    AppendReportLine(memo, 6, QStringLiteral(" - ") + PadRightText(text, width) + QLatin1Char(' ') + volume);
  }
  if (phase != 0) AppendRemovalLine(memo, stand, phase);
}

void AppendRemovalLine(QStringList& memo, const data& stand, int phase) {
  const int a = LeadingGrowthCount(stand);
  const int b = DisplayedPhase(stand);
  QString caption = QStringLiteral("hakkuukertymä");
  if (RemovedStemCount(stand) != 0)
    caption += QStringLiteral(" v.") + stand.PhaseCalendarYearText(phase);
  AppendReportLine(memo, 5,
                   FormatTexts("%s : %s m3/ha, %s m3/kuvio, tukin osuus %s %s",
                               {caption, Int(RemovalValueSum(stand, true, false, false)),
                                Int(RemovalValueSum(stand, true, true, false)),
                                Int(RemovalDifference(stand, true, a, b)), QStringLiteral("%")}));
}

// ---- Regeneration costs ----------------------------------------------------

void AppendRegenerationCosts(QStringList& memo, const RegenerationCostTexts& c) {
  AppendBlankLine(memo);
  AppendReportLine(memo, 2, c.title);
  AppendReportLine(memo, 2,
                   PadRightText(c.clearingLabel, 40) + FormatTexts("%10s %15s", {c.clearingPerHa, c.clearingPerStand}));
  AppendReportLine(memo, 2, PadRightText(c.soilLabel, 38) + FormatTexts("%12s %15s", {c.soilPerHa, c.soilPerStand}));
  if (c.seedlingShown) {
    AppendReportLine(memo, 2, c.seedlingHeading);
    AppendReportLine(memo, 2,
                     QStringLiteral("    ") + PadRightText(c.seedlingLabel, 34) +
                         FormatTexts("%12s %15s", {c.seedlingPerHa, c.seedlingPerStand}));
    AppendReportLine(memo, 2,
                     QStringLiteral("    ") + PadRightText(c.workLabel, 34) +
                         FormatTexts("%12s %15s", {c.workPerHa, c.workPerStand}));
  }
  AppendReportLine(memo, 2,
                   PadRightText(c.totalLabel.toLower(), 38) + FormatTexts("%12s %15s", {c.totalPerHa, c.totalPerStand}));
}

// ---- Timber sale -----------------------------------------------------------

namespace {

// Formats of the sale's lines by the length L of the total value text: the
// value column is one character wider than that text, 6 to 11 characters.
struct SaleFormats {
  const char* row;
  const char* total;
  const char* tax;
  const char* net;
};
SaleFormats SaleFormatsFor(int length) {
  static constexpr SaleFormats kFormats[] = {
      {"  %s %14s %7s %6s", "  %s %24s %6s", "   %s %4s %19s", "  %s %18s"},    // 5 or less
      {"  %s %14s %7s %7s", "  %s %24s %7s", "   %s %4s %20s", "  %s %19s"},    // 6
      {"  %s %14s %7s %8s", "  %s %24s %8s", "   %s %4s %21s", "  %s %20s"},    // 7
      {"  %s %14s %7s %9s", "  %s %24s %9s", "   %s %4s %22s", "  %s %21s"},    // 8
      {"  %s %14s %7s %10s", "  %s %24s %10s", "   %s %4s %23s", "  %s %22s"},  // 9
      {"  %s %14s %7s %11s", "  %s %24s %11s", "    %s %4s %23s", "  %s %23s"}, // 10 or more
  };
  return kFormats[qBound(5, length, 10) - 5];
}

}  // namespace

void AppendTimberSale(QStringList& memo, const SaleReportTexts& sale) {
  AppendReportHeading(memo,
                      QStringLiteral("   puukauppa v.") + sale.yearText + QStringLiteral(", ") + sale.methodName +
                          FormatC(" %1.2f ha", static_cast<double>(sale.areaHa)),
                      0);
  const int length = sale.totalValueText.size();
  const SaleFormats f = SaleFormatsFor(length);
  for (int k : kSaleReportOrder) {
    for (const SaleReportRow& r : sale.rows) {
      if (r.assortment != k || !r.included || r.priceText.isEmpty()) continue;
      const QString name = AssortmentName(r.stem ? 2000 + k : k, false);
      AppendReportLine(memo, 5,
                       FormatTexts(f.row, {name, r.priceText + QLatin1Char(' ') + CommonlanText(57), r.volumeText,
                                           r.valueText}));
    }
  }
  AppendTimberSaleTotals(memo, sale, length);
}

void AppendTimberSaleTotals(QStringList& memo, const SaleReportTexts& sale, int length) {
  const SaleFormats f = SaleFormatsFor(length);
  const int value = sale.totalValueText.section(QLatin1Char(' '), 0, 0).toInt();
  const int volume = sale.totalVolumeText.section(QLatin1Char(' '), 0, 0).toInt();
  QString total = FormatTexts(f.total, {sale.totalCaption, sale.totalVolumeText, sale.totalValueText});
  if (volume != 0)
    total += QStringLiteral("  keskihinta ") + Int(platform::RoundedQuotient(value, volume)) + QLatin1Char(' ') +
             CommonlanText(57);
  AppendReportLine(memo, 5, total);
  AppendReportLine(memo, 6, FormatTexts(f.tax, {sale.taxCaption, Int(sale.taxPercent) + QStringLiteral(" %"),
                                                sale.taxText}));
  AppendReportLine(memo, 5, FormatTexts(f.net, {sale.netCaption, sale.netText}));
  if (sale.shiftPercent > 0) {
    AppendBlankLine(memo);
    AppendReportLine(memo, 7,
                     QStringLiteral("kaupassa arvioitu huonolaatuista tukkia siirtyvän kuitupuuhun ") +
                         Int(sale.shiftPercent) + QStringLiteral(" %"));
    AppendReportLine(memo, 6, sale.movedText);
    AppendReportLine(memo, 6,
                     sale.changeCaption + QLatin1Char(' ') + sale.changeText + QLatin1Char(' ') + sale.changePercentText);
  }
}

// ---- Stock estimate --------------------------------------------------------

void AppendAssortmentRow(QStringList& memo, int j, const AssortmentVolumes& wholeVolumes,
                         const AssortmentVolumes& wholeValues, const PriceFactors& prices) {
  if (wholeVolumes[j] <= 0) return;
  AppendReportLine(memo, 4,
                   FormatTexts("   %10s %12s  %4s m3 %8s %s",
                               {AssortmentName(j, false),
                                FormatC("%6.2f ", static_cast<double>(prices[j])) + CommonlanText(57),
                                Int(wholeVolumes[j]), Int(wholeValues[j]), CommonlanText(54)}));
}

void AppendStockEstimate(QStringList& memo, const data& stand, int phase, const PriceFactors& prices) {
  const PriceFactors volumes{1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f};
  const auto slotRows = [&](int k) {
    AssortmentVolumes haVolume{}, wholeVolume{}, haValue{}, wholeValue{};
    const int haVolumeSum = SlotAssortmentValues(stand, k, false, volumes, haVolume);
    const int wholeVolumeSum = SlotAssortmentValues(stand, k, true, volumes, wholeVolume);
    const int haValueSum = SlotAssortmentValues(stand, k, false, prices, haValue);
    const int wholeValueSum = SlotAssortmentValues(stand, k, true, prices, wholeValue);
    AppendAssortmentRow(memo, EnergyWood, wholeVolume, wholeValue, prices);
    for (int j = 0; j < EnergyWood; ++j) AppendAssortmentRow(memo, j, wholeVolume, wholeValue, prices);
    AppendReportLine(memo, 7,
                     QStringLiteral("yhteensä   ") +
                         FormatTexts("%18s m3 %8s %s  (%s m3/ha, %s %s)",
                                     {Int(wholeVolumeSum), Int(wholeValueSum), CommonlanText(54), Int(haVolumeSum),
                                      Int(haValueSum), CommonlanText(56)}));
  };
  AppendReportHeading(memo, QStringLiteral("   puusto mittauksen jälkeen v.") + stand.MeasurementYearText(), 0);
  slotRows(0);
  if (phase > 0) {
    AppendReportLine(memo, 2,
                     QStringLiteral("   puusto toimenpiteiden jälkeen v.") + stand.PhaseCalendarYearText(phase));
    slotRows(phase);
  }
}

// ---- Printing --------------------------------------------------------------

int PrintPitch(int textHeight) { return platform::TruncToInt(textHeight * 1.1); }

QString StripReportIndent(const QString& firstLine, const QString& line) {
  int blanks = 0;
  while (blanks < firstLine.size() && firstLine.at(blanks) == QLatin1Char(' ')) ++blanks;
  return line.mid(blanks, 1000);
}

PrintLayout LayoutPrintedReport(const QStringList& memo, bool heading, bool boldFirst, int firstBodyLine,
                                int pitch, int lastPosition) {
  PrintLayout layout;
  if (memo.isEmpty()) return layout;
  const QString first = memo.at(0);
  if (heading) layout.heading = first.trimmed();
  static const QString kRule = QStringLiteral("__________");
  const auto hasRule = [&](int i) { return i >= 0 && memo.at(i).contains(kRule); };
  bool boldFirstDone = false;
  int page = 0;
  int onPage = 0;  // lines on the page so far
  int position = qMax(1, firstBodyLine) + 2;
  for (int i = qMax(1, firstBodyLine); i < memo.size(); ++i) {
    if (onPage == kPrintBodyLinesPerPage || (onPage > 0 && position > lastPosition)) {
      // A new page only for a line that follows.
      ++page;
      onPage = 0;
      position = 2;
    }
    PrintedLine line;
    line.memoLine = i;
    line.page = page;
    line.position = position;
    line.y = kPrintBodyTop + line.position * pitch;
    line.text = StripReportIndent(first, memo.at(i));
    if (boldFirst && !boldFirstDone && i >= 2 && memo.at(i).size() > 10) {
      line.bold = true;
      boldFirstDone = true;
    } else if (heading) {
      if (hasRule(i)) line.text.clear();
      else line.bold = hasRule(i - 2) || hasRule(i - 3);
    }
    layout.lines.push_back(line);
    ++onPage;
    ++position;
  }
  layout.pages = page + 1;
  return layout;
}

PrintFit FitPrintedPage(const PrintPage& page) {
  PrintFit fit;
  if (page.printableWidth <= 0 || page.printableHeight <= 0 || page.pitch <= 0) return fit;
  const auto lineBottom = [&](int position) {
    return double(kPrintBodyTop) + double(position) * page.pitch + page.lineHeight;
  };
  const double width = kPrintLeft + double(page.widestText);
  const double height = std::max(lineBottom(page.firstPosition), double(page.headingBottom));
  fit.scale = std::min({1.0, page.printableWidth / width, page.printableHeight / height});
  // The printable height in the layout's pixels; the first line stays on
  // its page whatever the scale's rounding.
  const double last =
      std::floor((page.printableHeight / fit.scale - kPrintBodyTop - page.lineHeight) / page.pitch);
  fit.lastPosition = std::max(page.firstPosition, int(std::min(last, 1e6)));
  return fit;
}

}  // namespace raport
