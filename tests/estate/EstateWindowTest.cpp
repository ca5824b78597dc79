// The estate views through their controls: the main window's estate panel
// (time points, grid, chart, summary), the estate charts window opened from
// "Lisätietoja", the estate overview opened from its "Taulukot" and the
// estate report from the overview's report button (its sections by the check
// boxes, the overview's choices carried over, the notice without a printer,
// a long report printed whole with the estate's count line on a print
// service's A4 and Letter queues), over estates built by code and over the
// model estate as the build wrote it. Pictures of each are left for a person
// to look at.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "ui/EstateChart.h"
#include "estate/EstateRules.h"
#include "estate/EstateWindows.h"
#include "estate/Folder.h"
#include "estate/Graph.h"
#include "estate/ReportPrint.h"
#include "estate/dbRaport.h"
#include "model/Estate.h"
#include "stands/OpenFile.h"
#include "stands/Settings.h"
#include "stands/Settings2.h"
#include "tests/estate/EstateFixture.h"
#include "tests/support/EstateFixture.h"
#include "tests/support/PrintServer.h"
#include "tests/support/ProgramWindows.h"
#include "ui/Session.h"

using namespace estatetest;
using namespace testsupport;

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

// Runs fn in the window that `open` opens (a busy display comes first).
void WhenShown(QWidget* w, const std::function<void()>& fn, const std::function<void()>& open) {
  EXPECT_TRUE(InModal([w] { return w->isVisible(); }, fn, open)) << w->objectName().toStdString() << " never opened";
}

class EstateViews : public ProgramWindowsTest {
 protected:
  void SetUp() override {
    ProgramWindowsTest::SetUp();
    model::SetSettingsFolder(folder_.path());
    Start();
    script_.Clear();
    // A stand was opened: the start window gone, the main window enabled.
    IntroForm->hide();
    ActForm->SetStartupPanelsVisibility(true);
    ActForm->ComputeMainWindowSize(1366, 768, false);
    ActForm->ArrangeMainWindow(true);
    QDir().mkpath(folder_.file("Koivula"));
  }
  // Opens the estate as the activation of a stand of its folder does.
  void Open(EstateRecordList records) {
    TheSession->EstateRecords = std::move(records);
    ActForm->ResetEstatePanel("k1.Norvalen", folder_.file("Koivula"));
    ActForm->UpdateView(1);
    ActForm->RefreshEstateViews();
    ActForm->ShowStandListSummary(0, false);
  }
  // Writes the estate's stand files (each record's header fields and phase
  // slots in a stand of 60 trees) and activates the stand `id` of them as
  // the open dialog does: the main window rebuilds the stand list from the
  // folder's files.
  void ActivateStandOf(const EstateRecordList& records, const QString& id) {
    const QString folder = folder_.file("Koivula");
    for (const EstateRecord& r : records) {
      const QDate day = QDate::fromString(r.measurementDate, "dd.MM.yyyy");
      auto s = estatefixture::MakeStand(r.standId, 60, day.year(), r.area, r.developmentClass, r.siteType);
      s->Header.measurementDay = estatefixture::DayNumber(day.year(), day.month(), day.day());
      for (int k = 0; k < kPhaseCount; ++k) s->Slots[k] = r.phaseSlots[k];
      ASSERT_TRUE(estatefixture::WriteStand(*s, folder + "/" + r.standId + ".Norvalen"));
    }
    TheSession->StandPath = folder + "/" + id + ".Norvalen";
    ASSERT_EQ(data::ReadStandFile(TheSession->StandPath, false, TheSession->CurrentStand), StandFileStatus::Ok);
    ASSERT_TRUE(ActForm->ActivateStand(ActivateChangedHeader));
  }
  // The estate charts from the panel's "Lisätietoja", the overview from the
  // charts' "Taulukot": fn runs in the window, which is closed after it.
  static void InCharts(const std::function<void()>& fn) {
    WhenShown(GraphForm, [&] {
      fn();
      Click(GraphForm->Button1);
    }, [] { Click(ActForm->Panel8); });
  }
  static void InOverview(const std::function<void()>& fn) {
    WhenShown(FolderForm, [&] {
      fn();
      Click(FolderForm->Button1);
    }, [] { Click(GraphForm->Button2); });
  }
  // The charts, then the overview, then the report from the overview's
  // report button; fn runs in the report, and all are closed after it.
  static void InReport(const std::function<void()>& beforeReport, const std::function<void()>& fn) {
    InCharts([&] {
      InOverview([&] {
        if (beforeReport) beforeReport();
        WhenShown(dbRapForm, [&] {
          fn();
          Click(dbRapForm->Button1);
        }, [] { Click(FolderForm->Button23); });
      });
    });
  }
  // The estate of ten stands on 25.06.2024, for its report.
  void OpenForReport() {
    platform::SetToday(QDate(2024, 6, 25));
    Open(ModelEstate());
  }
  static QStringList ReportMemo() { return dbRapForm->Memo2->toPlainText().split('\n'); }
};

}  // namespace

TEST_F(EstateViews, PanelTimePointsGridAndChart) {
  Open(ModelEstate());
  // Leading growth and cuttings in 2024: measured, after growth (years
  // differ), after cutting (every stand in 2024).
  EXPECT_EQ(RadioGroupItems(ActForm->RadioGroup1),
            QStringList({"v. 2024  :  mittauspuusto", U("kasvatuksen jälkeen"), U("v. 2024  :  hakkuun jälkeen")}));
  EXPECT_EQ(std::pair(ActForm->RadioGroup1->ItemIndex(), ActForm->RadioGroup1->title()),
            std::pair(0, QString("  Kuviotietokanta,  puustotietoja  ")));
  EXPECT_TRUE(ActForm->CheckBox8->isVisibleTo(ActForm->Panel9) && ActForm->Panel8->isVisibleTo(ActForm->Panel9));
  // Measured stock of the estate: the grid's first row and the chart's first
  // bar agree.
  EXPECT_EQ(CellText(ActForm->StringGrid6, 0, 0), "mittauspuusto 2024");
  ASSERT_EQ(ActForm->Chart2->Bars().size(), 3u);
  EXPECT_EQ(ActForm->Chart2->FootLines().size(), 3);
  EXPECT_TRUE(CellText(ActForm->StringGrid6, 0, 1)
                  .startsWith(QString::number(ActForm->Chart2->Bars()[0].value) + " m3,  tukki% "));
  EXPECT_TRUE(ActForm->Label14->text().contains("10 kuviota"));
  // After cutting: the removal rows, in currency.
  ClickItem(ActForm->RadioGroup1, 2);
  EXPECT_EQ(CellText(ActForm->StringGrid6, 4, 0), "hakkuu 2024");
  Click(ActForm->CheckBox17);
  EXPECT_TRUE(CellText(ActForm->StringGrid6, 5, 1).contains(U(" €/m3")));
  // The chart per hectare: the totals divided by the estate's 19.5 ha.
  const double total = ActForm->Chart2->Bars()[0].value;
  Click(ActForm->CheckBox8);
  EXPECT_EQ(ActForm->Chart2->Bars()[0].value, std::round(total / 19.5));
  EXPECT_TRUE(ActForm->Chart2->MarkOf(0).endsWith("m3/ha"));
  Click(ActForm->CheckBox8);
  // The stand list's removal summary.
  ActForm->CheckBox18->show();
  Click(ActForm->CheckBox18);
  EXPECT_TRUE(ActForm->Label14->text().contains(U("hakkuukertymä 2024   :   ")));
  Click(ActForm->CheckBox18);
  ClickItem(ActForm->RadioGroup1, 0);
  ActForm->grab().save(ShotPath("estate-main-1366.png"));
  QApplication::processEvents();
  ActForm->Panel9->grab().scaled(ActForm->Panel9->size() * 2).save(ShotPath("estate-panel-x2.png"));
  // Another folder clicked in the folder list: a notice, the folder kept.
  QListWidget* folders = ActForm->DirectoryListBox1;
  ASSERT_GT(folders->count(), 1);
  ClickRow(folders, 0);
  EXPECT_EQ(script_.Last(MessageKind::Notice).lines.value(0),
            U("Kuviolista ja kuviotietokanta voidaan vaihtaa Vaihda - painikkeella  !"));
  EXPECT_EQ(folders->currentRow(), folders->count() - 1);
}

TEST_F(EstateViews, ChartsWindowThenOverviewThroughTheButtons) {
  Open(ModelEstate());
  InCharts([&] {
    // Development classes by volume: bars 9..0 and their title.
    ASSERT_EQ(GraphForm->Chart3->Bars().size(), 10u);
    EXPECT_TRUE(GraphForm->Chart3->TitleLines().value(0).startsWith("Kehitysluokkien puusto mittauksen"));
    EXPECT_EQ(GraphForm->Label3->text(), U("kuviotietokanta Koivula,  10 kuviota,  pinta-ala 19.50 ha"));
    // Under the assortment chart, one under another: the time point, the
    // removal, the value, the distribution charts by area; all in the panel.
    QWidget* above = GraphForm->Chart4;
    for (QWidget* w : std::initializer_list<QWidget*>{GraphForm->RadioGroup1, GraphForm->CheckBox1,
                                                       GraphForm->CheckBox2, GraphForm->CheckBox3}) {
      EXPECT_TRUE(w->isVisible() && w->y() > above->geometry().bottom() && w->x() == GraphForm->Chart4->x())
          << w->objectName().toStdString();
      EXPECT_LE(w->geometry().bottom(), GraphForm->Panel2->height()) << w->objectName().toStdString();
      above = w;
    }
    GraphForm->grab().save(ShotPath("estate-charts.png"));
    // The stock after cutting: the assortments at that time point.
    ClickItem(GraphForm->RadioGroup1, 1);
    EXPECT_EQ(GraphForm->Chart4->TitleLines().value(1), U("hakkuun jälkeen"));
    ClickItem(GraphForm->RadioGroup1, 0);
    // The removal, in euros: the time point can no longer be chosen.
    Click(GraphForm->CheckBox1);
    EXPECT_FALSE(GraphForm->RadioGroup1->isEnabled());
    EXPECT_TRUE(GraphForm->Chart4->TitleLines().value(0).startsWith(U("Hakkuukertymä  v. 2024")));
    Click(GraphForm->CheckBox2);
    EXPECT_TRUE(GraphForm->Chart4->FootLines().value(0).contains(U(" €,")));
    GraphForm->grab().save(ShotPath("estate-charts-removal.png"));
    InOverview([&] {
      EXPECT_EQ(QStringList({CellText(FolderForm->StringGrid1, 0, 0), CellText(FolderForm->StringGrid2, 0, 0),
                             CellText(FolderForm->StringGrid2, 0, 2)}),
                QStringList({"k1", "10 kuviota", "    19.50 ha"}));
      // The charts window stands beside the overview, on the screen.
      EXPECT_GE(GraphForm->y(), 0);
      FolderForm->grab().save(ShotPath("estate-overview.png"));
      // After cutting: the cut stands show their cutting year, the year is
      // the measured one (no "info").
      ClickItem(FolderForm->RadioGroup1, 1);
      EXPECT_EQ(QStringList({CellText(FolderForm->StringGrid1, 0, 4), CellText(FolderForm->StringGrid1, 2, 4),
                             CellText(FolderForm->StringGrid333, 0, 1)}),
                QStringList({"      2024", "   ", " puutavaralajit v.2024"}));
      EXPECT_FALSE(FolderForm->Panel5->isVisible());
      ClickItem(FolderForm->RadioGroup1, 0);
      // The removal view: a stand without a cutting has an empty row.
      Click(FolderForm->CheckBox2);
      EXPECT_EQ(QStringList({CellText(FolderForm->StringGrid3, 0, 5), CellText(FolderForm->StringGrid1, 0, 5),
                             CellText(FolderForm->StringGrid1, 2, 0), CellText(FolderForm->StringGrid1, 9, 5)}),
                QStringList({"   hakkuutapa", " uudistushakkuu", "", " poimintahakkuu"}));
      EXPECT_FALSE(FolderForm->RadioGroup1->isEnabled());
      FolderForm->grab().save(ShotPath("estate-overview-removal.png"));
      // Site types, per hectare; a refill shows the development classes
      // again.
      Click(FolderForm->CheckBox2);
      ClickRow(FolderForm->ListBox1, 1);
      EXPECT_EQ(CellText(FolderForm->StringGrid33, 0, 0), "kasvupaikkatyyppi");
      Click(FolderForm->CheckBox1);
      EXPECT_TRUE(CellText(FolderForm->StringGrid1, 0, 7).endsWith("m3/ha"));
      EXPECT_EQ(CellText(FolderForm->StringGrid33, 0, 0), "kehitysluokka");
    });
  });
  // Opening again resets every option.
  InCharts([] {
    EXPECT_EQ(std::tuple(GraphForm->CheckBox1->isChecked(), GraphForm->CheckBox2->isChecked(),
                         GraphForm->RadioGroup1->isEnabled()),
              std::tuple(false, false, true));
  });
}

TEST_F(EstateViews, EmptyOneStandAndSeedlingEstates) {
  // An empty folder: empty views, nothing divided by zero.
  Open({});
  EXPECT_TRUE(ActForm->Chart2->Bars().empty());
  EXPECT_EQ(CellText(ActForm->StringGrid6, 0, 1), "");
  EXPECT_EQ(CellText(FolderForm->StringGrid2, 0, 0), "0 kuviota");
  // One stand: the overview's totals repeat its row.
  Open({Stand("k1", "12.06.2024", 6, 2.0f, {Step("mittaus", 0, Mix(40, 30, 10, 60, 40, 5, 15))})});
  for (int c = 6; c <= 8; ++c) EXPECT_EQ(CellText(FolderForm->StringGrid2, 0, c), CellText(FolderForm->StringGrid1, 0, c)) << c;
  EXPECT_EQ(CellText(FolderForm->StringGrid1, 0, 7), "     400 m3");
  // A seedling stand is left out of the growth forecast: the main window's
  // "info" shows, and the charts window shows its own at the grown time
  // point.
  Open({Stand("a", "01.06.2020", 5, 1.0f, {Measured(100), Grown(10, 130)}),
        Stand("t", "01.06.2020", 2, 1.25f, {Measured(0)})});
  ASSERT_TRUE(ActForm->Panel5->isVisible());
  InCharts([] {
    ClickItem(GraphForm->RadioGroup1, 1);
    EXPECT_TRUE(GraphForm->Panel5->isVisible());
    ClickItem(GraphForm->RadioGroup1, 0);
    EXPECT_FALSE(GraphForm->Panel5->isVisible());
  });
}

TEST_F(EstateViews, SavedPricesRefreshTheEstateViews) {
  Open(ModelEstate());
  Click(ActForm->CheckBox17);
  ActForm->CheckBox19->show();
  Click(ActForm->CheckBox19);
  // Every pulpwood and log price from 10.00 to 20.00 through the price
  // settings window.
  WhenShown(SettForm, [&] {
    const auto edits = SettForm->PriceEdits();
    for (int i = 0; i < 9; ++i) edits[i]->setText("20.00");
    Click(SettForm->BitBtn1);
  }, [] { ActForm->M22->trigger(); });
  // 3513 m3 of which 279 energy wood: 3234 x 20 + 279 = 64959.
  EXPECT_TRUE(CellText(ActForm->StringGrid6, 0, 1).startsWith(U("64959 €")))
      << CellText(ActForm->StringGrid6, 0, 1).toStdString();
  EXPECT_EQ(CellText(FolderForm->StringGrid2, 0, 8), U("     64959 €"));
  EXPECT_TRUE(ActForm->Label14->text().endsWith(U("64959 €")));
}

// The user's road: a stand of the estate folder is opened, the main window
// rebuilds the stand list from the folder's files and shows the estate.
TEST_F(EstateViews, OpeningAStandOfTheFolderShowsItsEstate) {
  const EstateRecordList model = ModelEstate();
  ActivateStandOf(model, "k1");
  ASSERT_EQ(TheSession->EstateRecords.size(), model.size());
  // The same estate as built by code: the same time points and totals.
  const EstateTimePoints expected = BuildEstateTimePoints(model);
  EXPECT_EQ(RadioGroupItems(ActForm->RadioGroup1), expected.items);
  EXPECT_EQ(CellText(ActForm->StringGrid6, 0, 1), FillEstateGridCells(Estate{model, expected}, 0, false).values[0]);
  EXPECT_EQ(ActForm->ListBox1->count(), 10);
  EXPECT_TRUE(ActForm->Label14->text().contains("10 kuviota,  19.50 ha,  mittauspuusto 2024"));
  EXPECT_EQ(CellText(FolderForm->StringGrid1, 9, 0), TheSession->EstateRecords[9].standId);
  // Every stand measured in 2024: no warning.
  EXPECT_EQ(script_.Count(MessageKind::Question), 0);
  // The stand list shows the removal of each stand; files in name order: k1,
  // k10, k2, k3, ...
  Click(ActForm->CheckBox18);
  const QStringList rows = Rows(ActForm->ListBox1);
  EXPECT_TRUE(rows.value(0).contains("uudistushakkuu v. 2024") && rows.value(1).contains("poimintahakkuu") &&
              rows.value(3).contains("ei hakkuuta"))
      << rows.join('\n').toStdString();
  ActForm->grab().save(ShotPath("estate-main-opened-1366.png"));
}

TEST_F(EstateViews, DifferingMeasurementYearsAreWarnedAbout) {
  ActivateStandOf({Stand("a", "01.06.2020", 5, 1.0f, {Measured(100)}), Stand("b", "01.06.2022", 5, 1.0f, {Measured(80)})},
                  "a");
  const MessageRecord q = script_.Last(MessageKind::Question);
  EXPECT_EQ(std::pair(q.caption, q.closeCaption), std::pair(QString("Puustotietojen mittausvuosi"), QString("Sulje")));
  EXPECT_EQ(RadioGroupItems(ActForm->RadioGroup1), QStringList{"mittauspuusto  v. 2020 - 22"});
}

// The estate panel at the three window sizes: the grid at the panel's foot,
// the group over it and the chart above, all inside the panel.
TEST_F(EstateViews, PanelAtEveryWindowSize) {
  for (auto [w, h] : {std::pair(1920, 1080), std::pair(1366, 768), std::pair(1280, 720)}) {
    SCOPED_TRACE(w);
    platform::SetScreenMetrics({.width = w, .height = h});
    ActForm->ComputeMainWindowSize(w, h, false);
    ActForm->ArrangeMainWindow(true);
    Open(ModelEstate());
    QWidget* panel = ActForm->Panel9;
    EXPECT_EQ(ActForm->StringGrid6->geometry().bottom(), panel->height() - 2);
    EXPECT_LT(ActForm->RadioGroup1->geometry().bottom(), ActForm->StringGrid6->y());
    EXPECT_LE(ActForm->Chart2->geometry().bottom(), ActForm->RadioGroup1->y());
    EXPECT_GT(ActForm->Chart2->chart()->plotArea().height(), 40);
    panel->grab().save(ShotPath(QString("estate-panel-%1.png").arg(w)));
  }
}

// The display settings: the stand list and the estate panel move to the
// other side together, the estate panel's controls with them; the title
// names the estate's stand list.
TEST_F(EstateViews, SavedDisplaySettingsMoveAndNameTheEstate) {
  Open(ModelEstate());
  const bool onRight = model::CurrentSettings().standListOnRight != 0;
  const int chartLeft = ActForm->Chart2->mapTo(ActForm, QPoint(0, 0)).x();
  WhenShown(SettForm2, [&] {
    Click(SettForm2->CheckBox2);
    if (!SettForm2->CheckBox9->isChecked()) Click(SettForm2->CheckBox9);
    Click(SettForm2->BitBtn1);
  }, [] { ActForm->M24->trigger(); });
  EXPECT_EQ(model::CurrentSettings().standListOnRight != 0, !onRight);
  const int moved = ActForm->Chart2->mapTo(ActForm, QPoint(0, 0)).x();
  EXPECT_NE(moved, chartLeft);
  EXPECT_EQ(moved - ActForm->Panel9->x(), ActForm->Chart2->x());
  EXPECT_TRUE(ActForm->windowTitle().contains("kuviolista Koivula"));
}

// The model estate as the build wrote it, a stand opened from its folder as
// the open dialog opens it.
TEST_F(EstateViews, ModelEstatePanelChartsAndOverview) {
  const QString model = QString::fromUtf8(NORVALEN_MODEL_ESTATE_DIR);
  const EstateRecordList records = ListEstateFolder(model);
  ASSERT_FALSE(records.empty());
  ASSERT_TRUE(LoadStandFile(0, model + "/" + records[0].fileName, true));
  ASSERT_EQ(TheSession->EstateRecords.size(), records.size());
  // The panel totals what the folder holds.
  const EstateTimePoints points = BuildEstateTimePoints(records);
  EXPECT_EQ(RadioGroupItems(ActForm->RadioGroup1), points.items);
  ASSERT_FALSE(ActForm->Chart2->Bars().empty());
  EXPECT_EQ(ActForm->Chart2->Bars()[0].value, EstateAssortmentTotal(Estate{records, points}, 0, false, true));
  EXPECT_TRUE(ActForm->Label14->text().contains(StandCountText(static_cast<int>(records.size()), 0)));
  ActForm->grab().save(ShotPath("mallitila-main-1366.png"));
  ActForm->Panel9->grab().scaled(ActForm->Panel9->size() * 2).save(ShotPath("mallitila-panel-x2.png"));
  InCharts([&] {
    EXPECT_EQ(GraphForm->Chart3->Bars().size(), 10u);
    GraphForm->grab().save(ShotPath("mallitila-charts.png"));
    if (GraphForm->CheckBox1->isEnabled()) {
      Click(GraphForm->CheckBox1);
      GraphForm->grab().save(ShotPath("mallitila-charts-removal.png"));
    }
    Click(GraphForm->CheckBox3);
    GraphForm->grab().save(ShotPath("mallitila-charts-area.png"));
    InOverview([&] {
      EXPECT_EQ(FolderForm->StringGrid1->rowCount(), static_cast<int>(records.size()));
      FolderForm->grab().save(ShotPath("mallitila-overview.png"));
      Click(FolderForm->CheckBox2);
      FolderForm->grab().save(ShotPath("mallitila-overview-removal.png"));
    });
  });
}

TEST_F(EstateViews, ReportSectionsFromTheOverviewsTables) {
  OpenForReport();
  PrintScript print;
  print.printerCount = 0;
  InReport(nullptr, [&] {
    EXPECT_EQ(QStringList({dbRapForm->CheckBox3->text(), dbRapForm->CheckBox5->text()}),
              QStringList({"kehitysluokat", "kuvioiden puustotiedot"}));
    for (QCheckBox* b : {dbRapForm->CheckBox3, dbRapForm->CheckBox4, dbRapForm->CheckBox5}) EXPECT_TRUE(b->isChecked());
    QStringList memo = ReportMemo();
    EXPECT_EQ(QStringList({memo.at(0), memo.at(1), memo.at(3)}),
              QStringList({" 25.06.2024  Norvalen - raportti", "     - " + FolderForm->Label2->text(),
                           " " + FolderForm->Label10->text()}));
    const QString rule = " " + QString(76, '-');
    EXPECT_EQ(memo.count(rule), 2);
    // The stand table: ten stands and the totals, columns in line.
    const int stands = memo.indexOf(" " + FolderForm->Label39->text());
    ASSERT_GT(stands, 0);
    EXPECT_TRUE(memo.at(stands + 2).contains("tukki %"));
    EXPECT_TRUE(memo.at(stands + 4).startsWith(" k1 ") && memo.at(stands + 13).startsWith(" k10") &&
                memo.at(stands + 15).startsWith(" 10 kuviota"));
    const int haColumn = memo.at(stands + 4).indexOf(" ha ");
    for (int i = stands + 4; i <= stands + 13; ++i) EXPECT_EQ(memo.at(i).indexOf(" ha "), haColumn) << i;
    EXPECT_EQ(memo.at(stands + 15).indexOf(" ha "), haColumn);
    dbRapForm->grab().save(ShotPath("estate-report.png"));
    // Without a printer the notice with this window's caption.
    Click(dbRapForm->Button2);
    const MessageRecord r = script_.Last(MessageKind::Notice);
    EXPECT_EQ(QStringList{r.caption} + r.lines, QStringList({dbRapForm->windowTitle(), "kirjoitinta ei ole asennettu !"}));
    // Only the stand table: no rules.
    Tick(dbRapForm->CheckBox3);
    Tick(dbRapForm->CheckBox4);
    memo = ReportMemo();
    EXPECT_EQ(memo.count(rule), 0);
    EXPECT_EQ(memo.at(3), " " + FolderForm->Label39->text());
    // Nothing chosen: an empty report that cannot be printed.
    EXPECT_TRUE(dbRapForm->Button2->isEnabled());
    Tick(dbRapForm->CheckBox5);
    EXPECT_EQ(dbRapForm->Memo2->toPlainText(), "");
    EXPECT_FALSE(dbRapForm->Button2->isEnabled());
  });
}

TEST_F(EstateViews, ReportSiteTypesAndTheRemovalViewCarriedOver) {
  OpenForReport();
  InReport(
      [&] {
        Click(FolderForm->CheckBox2);  // the removal view
        ClickRow(FolderForm->ListBox1, 1);
      },
      [&] {
        EXPECT_EQ(QStringList({dbRapForm->CheckBox3->text(), dbRapForm->CheckBox5->text()}),
                  QStringList({"kasvupaikkatyypit", U("kuvioiden hakkuukertymä")}));
        // The assortment box at the distribution box's right edge (25 pixels
        // further right for the site types than for the development classes).
        EXPECT_EQ(dbRapForm->CheckBox4->x(), dbRapForm->CheckBox3->x() + dbRapForm->CheckBox3->width());
        const QStringList memo = ReportMemo();
        const int stands = memo.indexOf(" " + FolderForm->Label39->text());
        ASSERT_GT(stands, 0);
        EXPECT_TRUE(memo.at(stands + 2).contains(U("kertymä"))) << memo.at(stands + 2).toStdString();
        // A stand without a cutting has an empty row, which is left out.
        EXPECT_FALSE(memo.mid(stands).contains(QStringLiteral(" k3")));
      });
}

TEST_F(EstateViews, LongReportPrintedWholeThroughA4AndLetterQueues) {
  PrintServer server;
  ASSERT_TRUE(server.running());
  // Twelve copies of the ten stands: a report of several pages.
  EstateRecordList stands;
  for (int copy = 1; copy <= 12; ++copy)
    for (EstateRecord r : ModelEstate()) {
      r.standId += QStringLiteral("-%1").arg(copy);
      r.fileName = r.standId + QStringLiteral(".norvalen");
      stands.push_back(r);
    }
  platform::SetToday(QDate(2024, 6, 25));
  Open(stands);
  InReport(nullptr, [&] {
    const QStringList memo = ReportMemo();
    EXPECT_GT(memo.size(), 2 * 68);
    for (const auto& [queue, paper] : {std::pair("a4", QSizeF(595, 842)), std::pair("letter", QSizeF(612, 792))}) {
      PrintThroughDialog(queue, [] { Click(dbRapForm->Button2); });
      ASSERT_TRUE(server.WaitUntilIdle());
      ExpectPrintedWhole(ReadPrintedReport(server.Output(queue), QStringLiteral("estate-report-on-%1").arg(queue)),
                         memo, 1, paper);
    }
  });
}

TEST_F(EstateViews, ListsAnswerTheKeysAsTheyAnswerTheMouse) {
  Open(ModelEstate());
  // Another folder chosen with the keys: the notice, the open folder chosen
  // and highlighted again; a click on the open folder gives the notice too
  // and keeps it.
  QListWidget* folders = ActForm->DirectoryListBox1;
  const int last = folders->count() - 1;
  ASSERT_GT(last, 0);
  script_.Clear();
  QTest::keyClick(folders, Qt::Key_Up);
  EXPECT_EQ(std::tuple(script_.Last(MessageKind::Notice).lines.value(0), folders->currentRow(),
                       folders->selectedItems().value(0)),
            std::tuple(U("Kuviolista ja kuviotietokanta voidaan vaihtaa Vaihda - painikkeella  !"), last,
                       folders->item(last)));
  ClickRow(folders, last);
  EXPECT_EQ(std::pair(script_.Count(MessageKind::Notice), folders->currentRow()), std::pair(2, last));
  // The overview's distribution list: the site types by the keys; a refill
  // (development classes) keeps the item, chosen again it shows the site
  // types again.
  InCharts([&] {
    InOverview([&] {
      QTest::keyClick(FolderForm->ListBox1, Qt::Key_Down);
      EXPECT_EQ(CellText(FolderForm->StringGrid33, 0, 0), "kasvupaikkatyyppi");
      Click(FolderForm->CheckBox1);
      EXPECT_EQ(std::pair(CellText(FolderForm->StringGrid33, 0, 0), FolderForm->ListBox1->currentRow()),
                std::pair(QString("kehitysluokka"), 1));
      ClickRow(FolderForm->ListBox1, 1);
      EXPECT_EQ(CellText(FolderForm->StringGrid33, 0, 0), "kasvupaikkatyyppi");
    });
  });
}
