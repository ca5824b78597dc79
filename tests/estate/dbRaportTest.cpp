// The estate report through the overview's report button: its sections by
// the check boxes, the overview's choices carried over, and printing with
// the estate's count line kept.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "estate/Folder.h"
#include "estate/Graph.h"
#include "estate/ReportPrint.h"
#include "estate/dbRaport.h"
#include "mainwindow/Acts.h"
#include "model/Settings.h"
#include "platform/Clock.h"
#include "platform/Screen.h"
#include "stands/Intro.h"
#include "stands/IntroStartup.h"
#include "tests/estate/EstateFixture.h"
#include "tests/support/Shots.h"
#include "tests/support/TempDir.h"
#include "ui/MessageService.h"
#include "ui/WindowHelpers.h"

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

// Runs fn once the window is the open modal window (a busy display comes
// first); false when it never opened.
void WhenModal(const QString& name, std::function<void()> fn, int tries = 2000) {
  QTimer::singleShot(0, [name, fn, tries] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal->objectName() == name && modal->isVisible()) fn();
    else if (tries > 0) WhenModal(name, fn, tries - 1);
  });
}

void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
void Tick(QCheckBox* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2)); }

class EstateReport : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallFontSubstitutions();
    saved_ = platform::GetScreenMetrics();
    savedFolder_ = QDir::currentPath();
    QDir::setCurrent(folder_.path());
    savedSettings_ = model::CurrentSettings();
    model::SetDefaultSettings(model::CurrentSettings());
    platform::SetScreenMetrics({.width = 1366, .height = 768});
    platform::SetToday(QDate(2024, 6, 25));
    CreateApplicationWindows();
    ActForm->show();
    ActForm->FormActivate();
    IntroForm->hide();
    ActForm->SetStartupPanelsVisibility(true);
    QDir().mkpath(folder_.file("Koivula"));
    IntroForm->EstateRecords = estatetest::ModelEstate();
    ActForm->ResetEstatePanel("k1.Norvalen", folder_.file("Koivula"));
    ActForm->UpdateView(1);
    ActForm->RefreshEstateViews();
  }
  void TearDown() override {
    DestroyApplicationWindows();
    QDir::setCurrent(savedFolder_);
    model::SetSettingsFolder(savedFolder_);
    model::CurrentSettings() = savedSettings_;
    platform::SetScreenMetrics(saved_);
    platform::SetToday(QDate());
  }
  // The estate charts, then the overview, then the report; fn runs in the
  // report, and report and windows are closed after it.
  void InReport(std::function<void()> beforeReport, std::function<void()> fn) {
    WhenModal("GraphForm", [=, this] {
      WhenModal("FolderForm", [=, this] {
        if (beforeReport) beforeReport();
        WhenModal("dbRapForm", [=, this] {
          opened_ = true;
          fn();
          Click(dbRapForm->Button1);
        });
        Click(FolderForm->Button23);
        Click(FolderForm->Button1);
      });
      Click(GraphForm->Button2);
      Click(GraphForm->Button1);
    });
    Click(ActForm->Panel8);
    EXPECT_TRUE(opened_);
    opened_ = false;
  }
  static QStringList Memo() { return dbRapForm->Memo2->toPlainText().split('\n'); }

  bool opened_ = false;
  testsupport::TempDir folder_;
  MessageScript script_;
  platform::ScreenMetrics saved_;
  model::SettingsRecord savedSettings_;
  QString savedFolder_;
};

}  // namespace

TEST_F(EstateReport, SectionsFromTheOverviewsTables) {
  InReport(nullptr, [&] {
    EXPECT_EQ(dbRapForm->CheckBox3->text(), "kehitysluokat");
    EXPECT_EQ(dbRapForm->CheckBox5->text(), "kuvioiden puustotiedot");
    for (QCheckBox* b : {dbRapForm->CheckBox3, dbRapForm->CheckBox4, dbRapForm->CheckBox5}) EXPECT_TRUE(b->isChecked());
    QStringList memo = Memo();
    EXPECT_EQ(memo.at(0), " 25.06.2024  Norvalen - raportti");
    EXPECT_EQ(memo.at(1), "     - " + FolderForm->Label2->text());
    EXPECT_EQ(memo.at(3), " " + FolderForm->Label10->text());
    const QString rule = " " + QString(76, '-');
    EXPECT_EQ(memo.count(rule), 2);
    // The stand table: ten stands and the totals, columns in line.
    const int stands = memo.indexOf(" " + FolderForm->Label39->text());
    ASSERT_GT(stands, 0);
    EXPECT_TRUE(memo.at(stands + 2).contains("tukki %"));
    EXPECT_TRUE(memo.at(stands + 4).startsWith(" k1 "));
    EXPECT_TRUE(memo.at(stands + 13).startsWith(" k10"));
    EXPECT_TRUE(memo.at(stands + 15).startsWith(" 10 kuviota"));
    const int haColumn = memo.at(stands + 4).indexOf(" ha ");
    for (int i = stands + 4; i <= stands + 13; ++i) EXPECT_EQ(memo.at(i).indexOf(" ha "), haColumn) << i;
    EXPECT_EQ(memo.at(stands + 15).indexOf(" ha "), haColumn);
    EXPECT_TRUE(dbRapForm->Button2->isEnabled());
    dbRapForm->grab().save(testsupport::ShotPath("estate-report.png"));
    // Only the stand table: no rules.
    Tick(dbRapForm->CheckBox3);
    Tick(dbRapForm->CheckBox4);
    memo = Memo();
    EXPECT_EQ(memo.count(rule), 0);
    EXPECT_EQ(memo.at(3), " " + FolderForm->Label39->text());
    // Nothing chosen: an empty report that cannot be printed.
    Tick(dbRapForm->CheckBox5);
    EXPECT_EQ(dbRapForm->Memo2->toPlainText(), "");
    EXPECT_FALSE(dbRapForm->Button2->isEnabled());
    for (QCheckBox* b : {dbRapForm->CheckBox3, dbRapForm->CheckBox4, dbRapForm->CheckBox5}) Tick(b);
  });
}

TEST_F(EstateReport, SiteTypesAndTheRemovalViewCarriedOver) {
  InReport(
      [&] {
        Click(FolderForm->CheckBox2);  // the removal view
        QTest::mouseClick(FolderForm->ListBox1->viewport(), Qt::LeftButton, {},
                          FolderForm->ListBox1->visualItemRect(FolderForm->ListBox1->item(1)).center());
      },
      [&] {
        EXPECT_EQ(dbRapForm->CheckBox3->text(), "kasvupaikkatyypit");
        EXPECT_EQ(dbRapForm->CheckBox5->text(), U("kuvioiden hakkuukertymä"));
        // The site types move the other boxes 25 pixels to the right.
        EXPECT_EQ(dbRapForm->CheckBox4->x(),
                  dbRapForm->CheckBox3->x() + dbRapForm->CheckBox3->width() + 12 + 25);
        const QStringList memo = Memo();
        const int stands = memo.indexOf(" " + FolderForm->Label39->text());
        ASSERT_GT(stands, 0);
        EXPECT_TRUE(memo.at(stands + 2).contains(U("kertymä"))) << memo.at(stands + 2).toStdString();
        // A stand without a cutting has an empty row, which is left out.
        EXPECT_FALSE(memo.mid(stands).contains(QStringLiteral(" k3")));
      });
}

TEST_F(EstateReport, PrintedWithItsCountLine) {
  PrintScript print;
  print.pdfPath = folder_.file("tila.pdf");
  InReport(nullptr, [&] {
    Click(dbRapForm->Button2);
    EXPECT_EQ(print.dialogs, 1);
    EXPECT_GE(print.pagesPrinted, 1);
    // Without a printer: the notice with this window's caption.
    print.printerCount = 0;
    Click(dbRapForm->Button2);
    const MessageRecord r = script_.Last(MessageKind::Notice);
    EXPECT_EQ(r.caption, dbRapForm->windowTitle());
    EXPECT_EQ(r.lines, QStringList{"kirjoitinta ei ole asennettu !"});
  });
  QProcess p;
  p.start("pdftotext", {"-layout", folder_.file("tila.pdf"), "-"});
  ASSERT_TRUE(p.waitForFinished(30000));
  const QString text = QString::fromUtf8(p.readAllStandardOutput());
  EXPECT_TRUE(text.contains(U("kuviotietokanta"))) << text.left(400).toStdString();
  EXPECT_TRUE(text.contains("10 kuviota"));
  QProcess::execute("pdftoppm", {"-png", "-r", "60", "-f", "1", "-l", "1", folder_.file("tila.pdf"),
                                 testsupport::ShotPath("estate-report-printed")});
}
