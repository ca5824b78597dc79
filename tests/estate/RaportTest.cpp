// The stand report window through its buttons, its way to the timber sale
// and back, and printing: the notice without a printer and a PDF printed
// here, whose pages and line positions are read back with pdftotext.
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

#include "tests/estate/SaleFixture.h"

using namespace salefixture;

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

// The words of a PDF with their boxes (points), by page, as pdftotext
// reads them.
struct PdfWord {
  int page = 0;
  double yMin = 0;
  double xMin = 0;
  QString text;
};
struct PdfText {
  int pages = 0;
  std::vector<PdfWord> words;
  const PdfWord* Find(const QString& text) const {
    for (const PdfWord& w : words)
      if (w.text == text) return &w;
    return nullptr;
  }
};
PdfText ReadPdf(const QString& path) {
  PdfText t;
  QProcess p;
  p.start("pdftotext", {"-bbox", path, "-"});
  if (!p.waitForFinished(30000)) return t;
  const QString html = QString::fromUtf8(p.readAllStandardOutput());
  static const QRegularExpression wordRe(
      R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="[0-9.]+" yMax="[0-9.]+">([^<]*)</word>)re");
  int page = -1;
  for (const QString& part : html.split("<page ")) {
    if (!part.contains("width=")) continue;
    ++page;
    for (auto m = wordRe.globalMatch(part); m.hasNext();) {
      const auto match = m.next();
      t.words.push_back({page, match.captured(2).toDouble(), match.captured(1).toDouble(), match.captured(3)});
    }
  }
  t.pages = page + 1;
  return t;
}

// The report's lines: a heading, a blank line and n body lines "rivi001"...
QStringList BodyLines(int n) {
  QStringList lines = {" 15.06.2024  Norvalen - kuvioraportti", " "};
  for (int i = 1; i <= n; ++i) lines << QStringLiteral("  rivi%1").arg(i, 3, 10, QLatin1Char('0'));
  return lines;
}

}  // namespace

class ReportWindow : public SaleWindows {
 protected:
  // The main window's report button; fn runs in the open report.
  void OpenReport(std::function<void()> fn) {
    WhenOpen("RapForm", std::move(fn));
    QTest::mouseClick(ActForm->Button3, Qt::LeftButton);
    ExpectOpened();
  }
  static QStringList Memo() { return RapForm->MemoLines(); }
};

TEST_F(ReportWindow, ReportOfTheOpenStandBuiltAtEveryOpening) {
  OpenReport([&] {
    EXPECT_EQ(RapForm->windowTitle(), " Kuvio 7,  kuvioraportti");
    const QStringList memo = Memo();
    EXPECT_GE(memo.size(), 20);
    EXPECT_EQ(memo.at(0), " 15.06.2024  Norvalen - kuvioraportti");
    EXPECT_EQ(memo.at(3), U("   - Koivulan tila, 0 kuviota, 0.00 ha"));
    EXPECT_EQ(memo.at(5), " Kuvio 7, perustiedot");
    EXPECT_EQ(memo.at(7), "   - puuston ryhmitys normaali, tuore kangas");
    // The notes wrap at the notes editor's width; only the first line
    // carries the caption.
    EXPECT_TRUE(memo.at(13).startsWith(U("     lisätietoja : Kivinen rinne,"))) << memo.at(13).toStdString();
    const QStringList notes = RapForm->WrappedNotesLines(IntroForm->CurrentStand->InfoText());
    ASSERT_GE(notes.size(), 2);
    EXPECT_EQ(notes.join(' '), IntroForm->CurrentStand->InfoText());
    for (int i = 0; i < notes.size(); ++i)
      EXPECT_EQ(memo.at(13 + i), (i == 0 ? U("     lisätietoja : ") : QString(19, ' ')) + notes.at(i));
    EXPECT_EQ(memo.last(), U("     hakkuukertymä v.2019 : 84 m3/ha, 168 m3/kuvio, tukin osuus 39 %"));
    EXPECT_TRUE(RapForm->CheckBox3->isVisible());
    EXPECT_FALSE(RapForm->CheckBox1->isChecked());
    EXPECT_FALSE(RapForm->CheckBox3->isChecked());
    RapForm->grab().save(testsupport::ShotPath("report-window.png"));
    QTest::mouseClick(RapForm->Button1, Qt::LeftButton);
  });
  EXPECT_EQ(script_.Last(MessageKind::Busy).caption, "Kuvioraportti");
  // Another stand, opened again: its own report, not the previous one.
  auto other = ThinnedStand();
  other->Header.standId = "12b";
  LoadStand(std::move(other), 1);
  OpenReport([&] {
    EXPECT_EQ(Memo().at(5), " Kuvio 12b, perustiedot");
    QTest::mouseClick(RapForm->Button1, Qt::LeftButton);
  });
}

TEST_F(ReportWindow, SaleAttachedThenStockEstimateAndRebuilds) {
  int lines = 0;
  OpenReport([&] {
    lines = Memo().size();
    // Ticking "Lisää puukauppa" opens the sale; its panel attaches it.
    WhenOpen("TradeForm", [&] {
      EXPECT_EQ(TradeForm->Panel11->text(), U("Liitä raporttiin"));
      // The sale closes after half a second, attaching itself.
      const long long paused = platform::PausedMilliseconds();
      QTest::mouseClick(TradeForm->Panel11, Qt::LeftButton);
      EXPECT_EQ(platform::PausedMilliseconds() - paused, 500);
      EXPECT_EQ(TradeForm->result(), 1);
    });
    QTest::mouseClick(RapForm->CheckBox3, Qt::LeftButton);
    ExpectOpened();
    QStringList memo = Memo();
    ASSERT_GT(memo.size(), lines);
    EXPECT_EQ(memo.at(lines), " ");
    EXPECT_EQ(memo.at(lines + 1), "     puukauppa v.2019, alaharvennus 2.00 ha");
    EXPECT_EQ(memo.at(lines + 2), QString(5, ' ') + "  ranka     " + U("     01.00 €/m3") + "   12 m3" + U("    12 €"));
    EXPECT_TRUE(memo.last().endsWith(U("991 €"))) << memo.last().toStdString();
    const int withSale = memo.size();
    // The stock estimate goes below the sale.
    QTest::mouseClick(RapForm->CheckBox1, Qt::LeftButton);
    memo = Memo();
    ASSERT_GT(memo.size(), withSale);
    EXPECT_EQ(memo.at(withSale + 1), U("     puusto mittauksen jälkeen v.2019"));
    // Unticking rebuilds the report with the sale and without the estimate.
    QTest::mouseClick(RapForm->CheckBox1, Qt::LeftButton);
    EXPECT_EQ(Memo().size(), withSale);
    // Unticking the sale rebuilds the basic report.
    QTest::mouseClick(RapForm->CheckBox3, Qt::LeftButton);
    EXPECT_EQ(Memo().size(), lines);
    // The sale closed without attaching it: the box is unticked again and
    // the report stays as it was.
    WhenOpen("TradeForm", [&] { QTest::mouseClick(TradeForm->Button2, Qt::LeftButton); });
    QTest::mouseClick(RapForm->CheckBox3, Qt::LeftButton);
    ExpectOpened();
    EXPECT_FALSE(RapForm->CheckBox3->isChecked());
    EXPECT_EQ(Memo().size(), lines);
    QTest::mouseClick(RapForm->Button1, Qt::LeftButton);
  });
}

TEST_F(ReportWindow, RegenerationCostsAfterAClearCut) {
  LoadClearCutStand();
  OpenReport([&] {
    const QStringList memo = Memo();
    const int title = memo.indexOf(U("  Metsänuudistaminen avohakkuun jälkeen"));
    ASSERT_GT(title, 0) << memo.join('\n').toStdString();
    EXPECT_EQ(memo.at(title - 1), " ");
    // Clearing, soil preparation, the cultivation lines of a clear-cut and
    // the total, the per-stand column ending together.
    ASSERT_EQ(memo.size(), title + 7) << memo.join('\n').toStdString();
    for (int i = title + 1; i < memo.size(); ++i) {
      if (i == title + 3) continue;  // the cultivation heading
      EXPECT_EQ(memo.at(i).size(), memo.at(title + 1).size()) << memo.at(i).toStdString();
    }
    EXPECT_TRUE(memo.last().contains("300")) << memo.last().toStdString();
    RapForm->grab().save(testsupport::ShotPath("report-window-regeneration.png"));
    QTest::mouseClick(RapForm->Button1, Qt::LeftButton);
  });
}

TEST_F(ReportWindow, NoRemovalNoSale) {
  SetCurrentPhase(0);
  OpenReport([&] {
    const int lines = Memo().size();
    EXPECT_EQ(Memo().at(lines - 2), "     toimenpiteet ja puusto");
    QTest::mouseClick(RapForm->CheckBox3, Qt::LeftButton);
    EXPECT_FALSE(RapForm->CheckBox3->isChecked());
    EXPECT_EQ(script_.Last(MessageKind::Notice).lines,
              QStringList{U("ei hakkuukertymää, ei arvioita puukaupasta kertyvistä tuloista  !")});
    EXPECT_EQ(Memo().size(), lines);
    QTest::mouseClick(RapForm->Button1, Qt::LeftButton);
  });
}

TEST_F(ReportWindow, ReportFromTheSaleEndsWithTheSale) {
  OpenSale([&] {
    WhenOpen("RapForm", [&] {
      EXPECT_FALSE(RapForm->CheckBox3->isVisibleTo(RapForm));
      EXPECT_TRUE(Memo().contains("     puukauppa v.2019, alaharvennus 2.00 ha"));
      // The sale window's panel now attaches, and sits beside the report.
      EXPECT_EQ(TradeForm->Panel11->text(), "Luo raportti");
      QTest::mouseClick(RapForm->Button1, Qt::LeftButton);
    });
    QTest::mouseClick(TradeForm->Panel11, Qt::LeftButton);
    ExpectOpened();
    // The sale stays open after the report closed.
    EXPECT_TRUE(TradeForm->isVisible());
    QTest::mouseClick(TradeForm->Button2, Qt::LeftButton);
  });
}

TEST_F(ReportWindow, PrintingWithoutAPrinterAndToPdf) {
  PrintScript print;
  print.printerCount = 0;
  OpenReport([&] {
    QTest::mouseClick(RapForm->Button4, Qt::LeftButton);
    EXPECT_EQ(print.dialogs, 0);
    const MessageRecord r = script_.Last(MessageKind::Notice);
    EXPECT_EQ(r.caption, "Virhe");
    EXPECT_EQ(r.lines, QStringList{"kirjoitinta ei ole asennettu !"});
    // A printer that cannot be started: nothing is reported as printed.
    print.printerCount = 1;
    print.pdfPath = folder_.file("no-such-folder/raportti.pdf");
    QTest::mouseClick(RapForm->Button4, Qt::LeftButton);
    EXPECT_EQ(print.pagesPrinted, 0);
    EXPECT_TRUE(script_.Last(MessageKind::Notice).Text().contains(U("raporttia ei tulostettu")));
    // The dialog cancelled: nothing, no message.
    script_.Clear();
    print.accept = false;
    QTest::mouseClick(RapForm->Button4, Qt::LeftButton);
    EXPECT_EQ(script_.Count(MessageKind::Notice), 0);
    // To a PDF: one page, the heading without its indent.
    print.accept = true;
    print.pdfPath = folder_.file("raportti.pdf");
    QTest::mouseClick(RapForm->Button4, Qt::LeftButton);
    EXPECT_EQ(print.pagesPrinted, 1);
    QTest::mouseClick(RapForm->Button1, Qt::LeftButton);
  });
  const PdfText pdf = ReadPdf(folder_.file("raportti.pdf"));
  EXPECT_EQ(pdf.pages, 1);
  ASSERT_NE(pdf.Find("perustiedot"), nullptr);
  QProcess::execute("pdftoppm", {"-png", "-r", "60", "-f", "1", "-l", "1", folder_.file("raportti.pdf"),
                                   testsupport::ShotPath("report-printed")});
}

TEST_F(ReportWindow, PrintedPagesBreakAfter68LinesWithNoEmptyPage) {
  // Page count and the place of the first and the last line, for 2, 68, 69,
  // 70, 71 and 139 body lines.
  struct Case {
    int body, pages, lastPage, lastPosition;
  };
  const Case cases[] = {{2, 1, 0, 5}, {68, 1, 0, 71}, {69, 2, 1, 2}, {70, 2, 1, 3}, {71, 2, 1, 4}, {139, 3, 2, 4}};
  const ReportPrintFonts fonts{RapForm->Label3->font(), RapForm->Memo1->font()};
  for (const Case& c : cases) {
    const QString path = folder_.file(QStringLiteral("sivut%1.pdf").arg(c.body));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 5, 10, 5),
                                      QPageLayout::Millimeter));
    const double toPoints = 72.0 / printer.resolution();
    const double top = printer.pageLayout().paintRect(QPageLayout::Point).top();
    const int pitch = int(QFontMetrics(PrinterFont(fonts.body), &printer).height() * 1.1);
    EXPECT_EQ(PrintMemoLines(printer, BodyLines(c.body), fonts, {}), c.pages) << c.body;
    const PdfText pdf = ReadPdf(path);
    EXPECT_EQ(pdf.pages, c.pages) << c.body;
    const PdfWord* first = pdf.Find("rivi001");
    const PdfWord* last = pdf.Find(QStringLiteral("rivi%1").arg(c.body, 3, 10, QLatin1Char('0')));
    const PdfWord* heading = pdf.Find("Norvalen");
    ASSERT_TRUE(first && last && heading) << c.body;
    EXPECT_EQ(first->page, 0);
    EXPECT_NEAR(first->yMin, top + (40 + 4 * pitch) * toPoints, 1.5) << c.body;
    EXPECT_NEAR(first->xMin, printer.pageLayout().paintRect(QPageLayout::Point).left() + 30 * toPoints, 8.0);
    EXPECT_EQ(last->page, c.lastPage) << c.body;
    EXPECT_NEAR(last->yMin, top + (40 + c.lastPosition * pitch) * toPoints, 1.5) << c.body;
    EXPECT_LT(heading->yMin, first->yMin);
  }
  QProcess::execute("pdftoppm", {"-png", "-r", "50", "-f", "1", "-l", "2", folder_.file("sivut70.pdf"),
                                 testsupport::ShotPath("report-pages")});
}
