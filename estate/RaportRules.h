#pragma once
// The stand report's text and the page layout of a printed report, without
// a widget.
//
// A report is a list of fixed-width lines (the memo's lines), each appended
// with a number of leading blanks; a blank line is one blank. Widths count
// characters ("ä" and "€" are one each). The sections read the open stand;
// what other windows show (phase texts, the notes as the notes editor wraps
// them, the timber sale's and the regeneration estimate's texts) is handed
// in.

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <limits>
#include <vector>

#include "model/Data.h"

namespace raport {

// ---- Lines ---------------------------------------------------------------

// indent blanks followed by the text.
void AppendReportLine(QStringList& memo, int indent, const QString& text);
// A line of one blank.
void AppendBlankLine(QStringList& memo);
// A blank line, the text with indent 2, then count blank lines.
void AppendReportHeading(QStringList& memo, const QString& text, int count);
// The text with blanks appended up to width characters; a longer text is
// returned unchanged.
QString PadRightText(const QString& text, int width);
// "dd.mm.yyyy".
QString TodayDateText(const QDate& today);

// ---- The stand report ----------------------------------------------------

// What the basic data need beside the stand.
struct StandReportContext {
  QString today;              // TodayDateText
  int standFileCount = 0;     // stand files of the estate folder
  float estateAreaHa = 0.0f;  // total area of those stands
  QString groupingWord;       // "tasainen", "normaali", "epätasainen" or empty
  QStringList notesLines;     // the notes as the notes editor wraps them
};
// Title line, estate, the stand's basic data, the measured values per
// species and the notes.
void AppendStandBasicData(QStringList& memo, const data& stand, const StandReportContext& context);
// The chain of phases 0..phase with the standing volume, and the removal
// line when phase is not 0. phaseTexts[k] is the text of phase k.
void AppendOperationsAndStock(QStringList& memo, const data& stand, int phase, const QStringList& phaseTexts);
void AppendRemovalLine(QStringList& memo, const data& stand, int phase);

// The regeneration cost estimate as its window shows it.
struct RegenerationCostTexts {
  QString title;
  QString clearingLabel, clearingPerHa, clearingPerStand;
  QString soilLabel, soilPerHa, soilPerStand;
  bool seedlingShown = false;
  QString seedlingHeading;
  QString seedlingLabel, seedlingPerHa, seedlingPerStand;
  QString workLabel, workPerHa, workPerStand;
  QString totalLabel, totalPerHa, totalPerStand;
};
void AppendRegenerationCosts(QStringList& memo, const RegenerationCostTexts& costs);

// The timber sale as its window shows it.
struct SaleReportRow {
  int assortment = 0;
  bool stem = false;      // pine or spruce logs priced as stems
  bool included = false;  // the row's check box
  QString priceText;      // the price edit's text
  QString volumeText;     // "45 m3"
  QString valueText;      // "2498 €"
};
struct SaleReportTexts {
  QString yearText;        // calendar year of the current phase
  QString methodName;      // the cutting method
  float areaHa = 0.0f;
  std::vector<SaleReportRow> rows;
  QString totalCaption;    // "yhteensä"
  QString totalVolumeText; // "162 m3"
  QString totalValueText;  // "5120 €"
  QString taxCaption;      // "- ennakkovero"
  int taxPercent = 0;
  QString taxText;
  QString netCaption;      // "puukauppa, nettotulot"
  QString netText;
  int shiftPercent = 0;    // the chosen shift (0: none)
  QString movedText;       // the shift's lines
  QString changeCaption;
  QString changeText;
  QString changePercentText;
};
// The order in which the sale's rows are written.
inline constexpr std::array<int, 10> kSaleReportOrder = {EnergyWood, AlderPulpwood, AspenPulpwood, AspenLogs,
                                                        BirchPulpwood, BirchLogs, PinePulpwood, PineLogs,
                                                        SprucePulpwood, SpruceLogs};
void AppendTimberSale(QStringList& memo, const SaleReportTexts& sale);
void AppendTimberSaleTotals(QStringList& memo, const SaleReportTexts& sale, int totalValueLength);

// The growing stock by assortment with unit prices and values, after the
// measurement and, when phase > 0, after the operations.
void AppendStockEstimate(QStringList& memo, const data& stand, int phase, const PriceFactors& prices);
void AppendAssortmentRow(QStringList& memo, int j, const AssortmentVolumes& wholeVolumes,
                         const AssortmentVolumes& wholeValues, const PriceFactors& prices);

// ---- Printing --------------------------------------------------------------

// Printer pixels: the left edge of every text, the heading's top and the
// body's top; the line pitch is 1.1 times the text height, truncated.
inline constexpr int kPrintLeft = 30;
inline constexpr int kPrintHeadingTop = 120;
inline constexpr int kPrintBodyTop = 40;
inline constexpr int kPrintBodyLinesPerPage = 68;
int PrintPitch(int textHeight);

// The line without as many leading characters as the first line has leading
// blanks (the report's common indent), at most 1000 characters.
QString StripReportIndent(const QString& firstLine, const QString& line);

struct PrintedLine {
  int memoLine = 0;   // index in the memo
  int page = 0;       // 0 the first page
  int position = 0;   // line position on the page
  int y = 0;          // kPrintBodyTop + position x pitch
  QString text;
  bool bold = false;
};
struct PrintLayout {
  QString heading;     // empty: no heading
  std::vector<PrintedLine> lines;
  int pages = 1;
};
// Where every line of a report goes. The first line is the heading (with
// heading); the body starts at firstBodyLine (2 for the stand report, whose
// line 1 is blank; 1 for the estate report, whose line 1 is its stand count
// and area). On the first page a line stands at its memo index + 2, on later
// pages at 2, 3, ...; every page holds 68 lines, fewer where a line would
// stand below lastPosition, and a page is begun only for a line that
// follows. With boldFirst the first line from memo line 2 on that
// is longer than 10 characters is bold; with heading the two lines after a
// rule line of ten "_" are bold and the rule line is printed empty.
PrintLayout LayoutPrintedReport(const QStringList& memo, bool heading, bool boldFirst, int firstBodyLine,
                                int pitch, int lastPosition = std::numeric_limits<int>::max());

// A printer's page as the report needs it, in printer pixels: the printable
// area (where the painter's origin is), the widest text (heading or line,
// without the left edge), a body line's text height, the heading's bottom
// (0 without a heading), the pitch and the first line's position.
struct PrintPage {
  int printableWidth = 0;
  int printableHeight = 0;
  int widestText = 0;
  int lineHeight = 0;
  int headingBottom = 0;
  int pitch = 1;
  int firstPosition = 4;
};
// How the report is put on that page so that no line is lost: drawn at
// scale (below 1 only where the widest text or the first line does not fit
// on the printable area), and a page ends at lastPosition at the latest
// (the last line position whose text still ends on the printable area, at
// least the first line's). A page that holds the whole layout keeps it.
struct PrintFit {
  double scale = 1.0;
  int lastPosition = std::numeric_limits<int>::max();
};
PrintFit FitPrintedPage(const PrintPage& page);

}  // namespace raport
