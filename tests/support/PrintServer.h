#pragma once
// A print service of the test's own for the printing tests: cupsd with its
// configuration, spool, logs and socket in a temporary folder (never the
// system's service), with PDF queues on file devices (the generic PDF
// printer of cups-filters): "a4" (the default) and "letter" by their default
// paper, and "suljettu", which refuses jobs. The program reaches it through
// CUPS_SERVER. The server stops with this object, and with the test's
// process should that end first. Also: the print dialog answered with a
// queue, and a printed report read back.
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSizeF>
#include <QThread>
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>

#include "estate/RaportRules.h"
#include "tests/support/Controls.h"
#include "tests/support/Shots.h"
#include "tests/support/TempDir.h"

namespace testsupport {

// Polls cond every 10 ms for at most ms milliseconds.
inline bool WaitFor(const std::function<bool()>& cond, int ms) {
  QElapsedTimer clock;
  clock.start();
  while (!cond()) {
    if (clock.hasExpired(ms)) return false;
    QThread::msleep(10);
  }
  return true;
}

class PrintServer {
 public:
  PrintServer() {
    // The filters run as lp: the folder is open to them.
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                           QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    for (const char* d : {"etc", "spool/tmp", "cache", "state", "log", "out"}) QDir().mkpath(dir_.file(d));
    const QString p = dir_.path();
    Write("etc/cups-files.conf", "ServerRoot " + p + "/etc\nRequestRoot " + p + "/spool\nTempDir " + p +
                                     "/spool/tmp\nCacheDir " + p + "/cache\nStateDir " + p + "/state\nErrorLog " +
                                     p + "/log/error_log\nAccessLog " + p + "/log/access_log\nPageLog " + p +
                                     "/log/page_log\nPrintcap " + p + "/state/printcap\nFileDevice Yes\n");
    Write("etc/cupsd.conf", "Listen " + Socket() +
                                "\nLogLevel warn\nBrowsing No\nWebInterface No\n"
                                "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                "<Policy default>\n  JobPrivateAccess all\n  JobPrivateValues none\n"
                                "  SubscriptionPrivateAccess all\n  SubscriptionPrivateValues none\n"
                                "  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n");
    qputenv("CUPS_SERVER", Socket().toLocal8Bit());
    cupsSetServer(nullptr);  // the client library reads CUPS_SERVER again
    cupsd_.setProgram(NORVALEN_CUPSD);
    cupsd_.setArguments({"-f", "-c", dir_.file("etc/cupsd.conf"), "-s", dir_.file("etc/cups-files.conf")});
    cupsd_.setProcessChannelMode(QProcess::ForwardedChannels);
    cupsd_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    cupsd_.start();
    running_ = cupsd_.waitForStarted(5000) &&
               WaitFor([&] { return QFile::exists(Socket()) || cupsd_.state() != QProcess::Running; }, 10000) &&
               cupsd_.state() == QProcess::Running && AddQueue("a4", true, {"-o", "PageSize=A4"}) &&
               AddQueue("letter", true) && AddQueue("suljettu", false) && Admin({"-d", "a4"});
    EXPECT_TRUE(running_) << "the print service did not start; its log: " << Log().toStdString();
  }
  ~PrintServer() {
    Stop();
    qunsetenv("CUPS_SERVER");
    cupsSetServer(nullptr);
  }
  PrintServer(const PrintServer&) = delete;
  PrintServer& operator=(const PrintServer&) = delete;

  bool running() const { return running_; }
  void Stop() {
    running_ = false;
    if (cupsd_.state() == QProcess::NotRunning) return;
    cupsd_.terminate();
    if (!cupsd_.waitForFinished(10000)) cupsd_.kill();
    cupsd_.waitForFinished(5000);
  }
  // The file a queue writes each job into.
  QString Output(const QString& queue) const { return dir_.file("out/" + queue + ".pdf"); }
  // Waits until the service has no job left to do (at most 30 s).
  bool WaitUntilIdle() const {
    return WaitFor(
        [] {
          cups_job_t* jobs = nullptr;
          const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ACTIVE);
          cupsFreeJobs(n, jobs);
          return n <= 0;  // none, or no service to ask
        },
        30000);
  }
  QString Log() const { return QString::fromUtf8(FileBytes(dir_.file("log/error_log"))); }

 private:
  QString Socket() const { return dir_.file("cups.sock"); }
  void Write(const char* name, const QString& text) {
    QFile f(dir_.file(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) > 0) << name;
  }
  bool Admin(const QStringList& args) const {
    QProcess p;
    p.start(NORVALEN_LPADMIN, QStringList{"-h", Socket()} + args);
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
  }
  // A queue without -E neither accepts nor prints jobs.
  bool AddQueue(const QString& name, bool accepting, const QStringList& options = {}) const {
    return Admin(QStringList{"-p", name, "-v", "file://" + Output(name), "-P", NORVALEN_PDF_PPD} +
                 (accepting ? QStringList{"-E"} : QStringList{}) + options);
  }

  TempDir dir_;
  QProcess cupsd_;
  bool running_ = false;
};

// Runs `open` (the click on a print button) with the print dialog answered:
// the queue chosen from its list and the dialog's OK button clicked.
inline void PrintThroughDialog(const QString& queue, const std::function<void()>& open) {
  const auto dialog = [] { return qobject_cast<QPrintDialog*>(QApplication::activeModalWidget()); };
  const bool shown = InModal([&] { return dialog() && dialog()->isVisible(); },
                             [&] {
                               ChooseItem(dialog()->findChild<QComboBox*>("printers"), queue);
                               Click(dialog()->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok));
                             },
                             open);
  EXPECT_TRUE(shown) << "no print dialog";
}

// The pages of a PDF with their words and boxes, as pdftotext reads them
// (without the document's creation time).
inline QString PdfBoxes(const QString& pdf) { return PdfToText(pdf, "-bbox").section("<doc>", 1); }

// A report as printed: its pages' lines as pdftotext lays them out (blanks
// simplified, empty lines left out), the paper and the lowest text's bottom
// in points. Pictures of its pages are left for a person to look at.
struct PrintedReport {
  QList<QStringList> pages;
  QSizeF paper;
  double lowestText = 0;
};
inline PrintedReport ReadPrintedReport(const QString& pdf, const QString& shot) {
  QProcess::execute("pdftoppm", {"-png", "-r", "50", pdf, ShotPath(shot)});
  PrintedReport r;
  QStringList pages = PdfLayoutText(pdf).split('\f');
  pages.removeLast();  // every page ends with a form feed
  for (const QString& page : pages) {
    QStringList lines;
    for (const QString& line : page.split('\n'))
      if (!line.trimmed().isEmpty()) lines << line.simplified();
    r.pages << lines;
  }
  const QString html = PdfBoxes(pdf);
  static const QRegularExpression pageRe(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re"),
      bottomRe(R"re(<word [^>]*yMax="([0-9.]+)")re");
  if (const auto m = pageRe.match(html); m.hasMatch()) r.paper = {m.captured(1).toDouble(), m.captured(2).toDouble()};
  for (auto m = bottomRe.globalMatch(html); m.hasNext();) r.lowestText = qMax(r.lowestText, m.next().captured(1).toDouble());
  return r;
}

// The lines a report window's memo prints: the heading, then the body from
// firstBodyLine without the common indent and without the rule lines, blanks
// simplified and empty lines left out.
inline QStringList PrintedLinesOf(const QStringList& memo, int firstBodyLine) {
  QStringList lines = {memo.value(0).simplified()};
  for (int i = firstBodyLine; i < memo.size(); ++i)
    if (!memo[i].contains("__________") && !memo[i].trimmed().isEmpty()) lines << memo[i].simplified();
  return lines;
}

// The report came out whole on the queue's paper: every line once and in
// order, no page empty and none with more than the heading and 68 lines,
// the paper as given and no text below its printable area (the generic PDF
// printer's lower margin is half an inch).
inline void ExpectPrintedWhole(const PrintedReport& printed, const QStringList& memo, int firstBodyLine,
                               const QSizeF& paper) {
  QStringList all;
  for (const QStringList& page : printed.pages) {
    EXPECT_FALSE(page.isEmpty()) << "an empty page";
    EXPECT_LE(page.size(), 1 + raport::kPrintBodyLinesPerPage);
    all += page;
  }
  EXPECT_EQ(all, PrintedLinesOf(memo, firstBodyLine));
  EXPECT_EQ(printed.paper, paper);
  EXPECT_GT(printed.lowestText, 0);
  EXPECT_LE(printed.lowestText, paper.height() - 36);
}

}  // namespace testsupport
