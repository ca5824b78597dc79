#pragma once
// Printing a report (the stand report and the estate report alike): the
// first line as a heading in a larger bold font, the other lines in the
// report's fixed-pitch font, 68 lines a page, placed by
// raport::LayoutPrintedReport in the printer's own pixels. On paper whose
// printable area is shorter or narrower than that layout (a print queue's
// margins, Letter, a small sheet) a page ends early or is drawn smaller
// (raport::FitPrintedPage): no line is ever lost.
//
// The print command asks Qt's print dialog for the printer (a printer of the
// system, or a PDF file); the paper is the one the dialog ends with. With no
// printer at all, a printer that cannot be started or a print queue that
// refuses the report, the user is told so and nothing counts as printed.

#include <QFont>
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

// The report window's fonts as the screen has them (pixel sizes); the
// printer takes the same point sizes.
struct ReportPrintFonts {
  QFont heading;
  QFont body;
};

struct ReportPrintOptions {
  bool heading = true;     // the first line is printed as the heading
  bool boldFirst = false;  // the first long line of the body is bold
  int firstBodyLine = 2;   // the first memo line of the body
};

// Prints the lines on a printer that is set up. Returns the number of pages
// printed, 0 when the printer could not be started or failed on the way.
int PrintMemoLines(QPrinter& printer, const QStringList& lines, const ReportPrintFonts& fonts,
                   const ReportPrintOptions& options);

// A font of the screen in the same point size on any device (the windows
// give their fonts in pixels of a 96-dpi screen).
QFont PrinterFont(const QFont& screenFont);

// The print command of a report window: with no printer the notice
// (caption, line); otherwise the print dialog, and when it is accepted the
// report is printed. Returns true when the report was printed.
bool PrintReportLines(QWidget* parent, const QStringList& lines, const ReportPrintFonts& fonts,
                      const ReportPrintOptions& options, const QString& noPrinterCaption,
                      const QString& noPrinterLine);

// Tests answer the print command instead of the system: how many printers
// there are and what the dialog does (accepted: print to pdfPath).
class PrintScript {
 public:
  PrintScript();
  ~PrintScript();
  PrintScript(const PrintScript&) = delete;
  PrintScript& operator=(const PrintScript&) = delete;
  int printerCount = 1;
  bool accept = true;
  QString pdfPath;     // empty: a path the printer cannot open
  int dialogs = 0;     // print dialogs shown
  int pagesPrinted = 0;
};
