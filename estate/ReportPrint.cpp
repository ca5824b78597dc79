#include "estate/ReportPrint.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <cups/cups.h>

#include "estate/RaportRules.h"
#include "platform/Numbers.h"
#include "texts/Commonlan.h"
#include "ui/MessageService.h"

namespace {
PrintScript* g_script = nullptr;

// Whether the print service took the job that the printer's painting ended
// with. Qt hands the finished document to the print service at the end of
// the painting and keeps the answer to itself; the service's client library
// keeps it as its last status (a queue that refuses jobs, a service gone).
bool PrintServiceTookLastJob() { return cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE; }
}  // namespace

PrintScript::PrintScript() { g_script = this; }
PrintScript::~PrintScript() {
  if (g_script == this) g_script = nullptr;
}

QFont PrinterFont(const QFont& screenFont) {
  QFont f = screenFont;
  // A pixel of the windows' 96-dpi layouts is 0.75 point.
  if (screenFont.pixelSize() > 0) f.setPointSizeF(screenFont.pixelSize() * 0.75);
  return f;
}

int PrintMemoLines(QPrinter& printer, const QStringList& lines, const ReportPrintFonts& fonts,
                   const ReportPrintOptions& options) {
  QPainter p;
  if (!p.begin(&printer)) return 0;
  const QFont body = PrinterFont(fonts.body);
  QFont bold = body;
  bold.setBold(true);
  const QFont heading = PrinterFont(fonts.heading);
  const QFontMetrics bodyMetrics(body, &printer), boldMetrics(bold, &printer), headingMetrics(heading, &printer);
  const int pitch = raport::PrintPitch(bodyMetrics.height());
  raport::PrintLayout layout =
      raport::LayoutPrintedReport(lines, options.heading, options.boldFirst, options.firstBodyLine, pitch);
  // The paper and its printable area are the printer's (the print queue's
  // defaults, or what the user chose in the dialog): the layout is fitted on
  // them so that every line is on the paper.
  const QRectF area = printer.pageRect(QPrinter::DevicePixel);
  raport::PrintPage page;
  page.printableWidth = platform::TruncToInt(area.width());
  page.printableHeight = platform::TruncToInt(area.height());
  page.lineHeight = bodyMetrics.height();
  page.pitch = pitch;
  if (!layout.heading.isEmpty()) {
    page.headingBottom = raport::kPrintHeadingTop + headingMetrics.height();
    page.widestText = headingMetrics.horizontalAdvance(layout.heading);
  }
  for (const raport::PrintedLine& line : layout.lines)
    page.widestText = qMax(page.widestText, (line.bold ? boldMetrics : bodyMetrics).horizontalAdvance(line.text));
  if (!layout.lines.empty()) page.firstPosition = layout.lines.front().position;
  const raport::PrintFit fit = raport::FitPrintedPage(page);
  layout = raport::LayoutPrintedReport(lines, options.heading, options.boldFirst, options.firstBodyLine, pitch,
                                       fit.lastPosition);
  const QTransform scale = QTransform::fromScale(fit.scale, fit.scale);
  p.setTransform(scale);
  // Texts are placed by their top left corner, as the printer's canvas does.
  if (!layout.heading.isEmpty()) {
    p.setFont(heading);
    p.drawText(raport::kPrintLeft, raport::kPrintHeadingTop + headingMetrics.ascent(), layout.heading);
  }
  int pageNumber = 0;
  for (const raport::PrintedLine& line : layout.lines) {
    while (pageNumber < line.page) {
      if (!printer.newPage()) {
        p.end();
        return 0;
      }
      p.setTransform(scale);
      ++pageNumber;
    }
    p.setFont(line.bold ? bold : body);
    p.drawText(raport::kPrintLeft, line.y + bodyMetrics.ascent(), line.text);
  }
  if (!p.end()) return 0;
  return printer.printerState() == QPrinter::Error ? 0 : layout.pages;
}

bool PrintReportLines(QWidget* parent, const QStringList& lines, const ReportPrintFonts& fonts,
                      const ReportPrintOptions& options, const QString& noPrinterCaption,
                      const QString& noPrinterLine) {
  const int printers = g_script ? g_script->printerCount : int(QPrinterInfo::availablePrinterNames().size());
  if (printers == 0) {
    ShowNotice(noPrinterCaption, noPrinterLine);
    return false;
  }
  QPrinter printer(QPrinter::HighResolution);
  // The PDF of a test is made before its page is set: a printer of the
  // system would leave its own least margins on it.
  if (g_script) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(g_script->pdfPath);
  }
  // A page the report's 68 lines fit on; a printer of the dialog keeps its
  // own least margins, and choosing a print queue takes the queue's paper.
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 5, 10, 5),
                                    QPageLayout::Millimeter));
  bool accepted = false;
  if (g_script) {
    ++g_script->dialogs;
    accepted = g_script->accept;
  } else {
    QPrintDialog dialog(&printer, parent);
    accepted = dialog.exec() == QDialog::Accepted;
  }
  if (!accepted) return false;
  const int pages = PrintMemoLines(printer, lines, fonts, options);
  if (g_script) g_script->pagesPrinted = pages;
  if (pages == 0) {
    ShowNotice(CommonlanText(85), QStringLiteral("kirjoitinta ei voitu käynnistää, raporttia ei tulostettu   !"));
    return false;
  }
  if (printer.outputFormat() == QPrinter::NativeFormat && !PrintServiceTookLastJob()) {
    ShowNotice(CommonlanText(85), QStringLiteral("kirjoitin %1 ei ottanut raporttia vastaan, raporttia ei tulostettu   !")
                                      .arg(printer.printerName()));
    return false;
  }
  return true;
}
