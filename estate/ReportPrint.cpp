#include "estate/ReportPrint.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "estate/RaportRules.h"
#include "texts/Commonlan.h"
#include "ui/MessageService.h"

namespace {
PrintScript* g_script = nullptr;
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
  const QFontMetrics bodyMetrics(body, &printer);
  const int pitch = raport::PrintPitch(bodyMetrics.height());
  const raport::PrintLayout layout =
      raport::LayoutPrintedReport(lines, options.heading, options.boldFirst, options.firstBodyLine, pitch);
  // Texts are placed by their top left corner, as the printer's canvas does.
  if (!layout.heading.isEmpty()) {
    p.setFont(heading);
    p.drawText(raport::kPrintLeft, raport::kPrintHeadingTop + QFontMetrics(heading, &printer).ascent(),
               layout.heading);
  }
  int page = 0;
  for (const raport::PrintedLine& line : layout.lines) {
    while (page < line.page) {
      if (!printer.newPage()) {
        p.end();
        return 0;
      }
      ++page;
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
  // A page the report's 68 lines fit on; a printer of the dialog keeps its
  // own least margins.
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 5, 10, 5),
                                    QPageLayout::Millimeter));
  bool accepted = false;
  if (g_script) {
    ++g_script->dialogs;
    accepted = g_script->accept;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(g_script->pdfPath);
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
  return true;
}
