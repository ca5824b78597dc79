// The estate views through their controls: the main window's estate panel
// (time points, grid, chart, summary), the estate charts window opened from
// "Lisätietoja" and the estate overview opened from its "Taulukot", over an
// estate of ten stands built by code. Pictures of each are left for a person
// to look at.
#include <QApplication>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "estate/EstateChart.h"
#include "estate/Folder.h"
#include "estate/Graph.h"
#include "mainwindow/Acts.h"
#include "model/Settings.h"
#include "platform/Screen.h"
#include "stands/Intro.h"
#include "estate/EstateWindows.h"
#include "stands/IntroOpen.h"
#include "stands/IntroStartup.h"
#include "stands/Settings.h"
#include "stands/Settings2.h"
#include "tests/estate/EstateFixture.h"
#include "tests/support/EstateFixture.h"
#include "tests/support/Shots.h"
#include "tests/support/TempDir.h"
#include "ui/MessageService.h"
#include "ui/RadioGroup.h"
#include "ui/WindowHelpers.h"

using namespace estatetest;

namespace {

QString Cell(const QTableWidget* g, int row, int column) {
  const QTableWidgetItem* it = g->item(row, column);
  return it ? it->text() : QString();
}

// Runs fn once the modal window is up (the busy display comes first).
void WhenShown(QWidget* w, std::function<void()> fn, int tries = 200) {
  QTimer::singleShot(5, [w, fn, tries] {
    if (w->isVisible() || tries <= 0) fn();
    else WhenShown(w, fn, tries - 1);
  });
}

void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

void ClickItem(TRadioGroup* group, int i) {
  QAbstractButton* b = group->Item(i);
  ASSERT_NE(b, nullptr);
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
}

class EstateViews : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallFontSubstitutions();
    saved_ = platform::GetScreenMetrics();
    savedFolder_ = QDir::currentPath();
    QDir::setCurrent(folder_.path());
    savedSettings_ = model::CurrentSettings();
    model::SetDefaultSettings(model::CurrentSettings());
    platform::SetScreenMetrics({.width = 1366, .height = 768});
    CreateApplicationWindows();
    ActForm->show();
    ActForm->FormActivate();
    // A stand was opened: the start window gone, the main window enabled.
    IntroForm->hide();
    ActForm->SetStartupPanelsVisibility(true);
    ActForm->ComputeMainWindowSize(1366, 768, false);
    ActForm->ArrangeMainWindow(true);
    QDir().mkpath(folder_.file("Koivula"));
  }
  void TearDown() override {
    DestroyApplicationWindows();
    QDir::setCurrent(savedFolder_);
    model::SetSettingsFolder(savedFolder_);
    model::CurrentSettings() = savedSettings_;
    platform::SetScreenMetrics(saved_);
  }
  // Opens the estate as the activation of a stand of its folder does.
  void Open(EstateRecordList records) {
    IntroForm->EstateRecords = std::move(records);
    ActForm->ResetEstatePanel("k1.Norvalen", folder_.file("Koivula"));
    ActForm->UpdateView(1);
    ActForm->RefreshEstateViews();
    ActForm->ShowStandListSummary(0, false);
  }
  testsupport::TempDir folder_;
  MessageScript script_;
  platform::ScreenMetrics saved_;
  model::SettingsRecord savedSettings_;
  QString savedFolder_;
};

}  // namespace

TEST_F(EstateViews, PanelTimePointsGridAndChart) {
  Open(ModelEstate());
  // Leading growth and cuttings in 2024: measured, after growth (years
  // differ), after cutting (every stand in 2024).
  ASSERT_EQ(ActForm->RadioGroup1->Count(), 3);
  EXPECT_EQ(ActForm->RadioGroup1->ItemText(0), "v. 2024  :  mittauspuusto");
  EXPECT_EQ(ActForm->RadioGroup1->ItemText(1), QString::fromUtf8("kasvatuksen jälkeen"));
  EXPECT_EQ(ActForm->RadioGroup1->ItemText(2), QString::fromUtf8("v. 2024  :  hakkuun jälkeen"));
  EXPECT_EQ(ActForm->RadioGroup1->ItemIndex(), 0);
  EXPECT_EQ(ActForm->RadioGroup1->title(), "  Kuviotietokanta,  puustotietoja  ");
  EXPECT_TRUE(ActForm->CheckBox8->isVisibleTo(ActForm->Panel9));
  EXPECT_TRUE(ActForm->Panel8->isVisibleTo(ActForm->Panel9));
  // Measured stock of the estate: the grid's first row and the chart's first
  // bar agree.
  const QString stock = Cell(ActForm->StringGrid6, 0, 1);
  EXPECT_EQ(Cell(ActForm->StringGrid6, 0, 0), "mittauspuusto 2024");
  ASSERT_EQ(ActForm->Chart2->Bars().size(), 3u);
  EXPECT_TRUE(stock.startsWith(QString::number(ActForm->Chart2->Bars()[0].value) + " m3,  tukki% "));
  EXPECT_EQ(ActForm->Chart2->FootLines().size(), 3);
  EXPECT_TRUE(ActForm->Label14->text().contains("10 kuviota"));
  // After cutting: the removal rows.
  ClickItem(ActForm->RadioGroup1, 2);
  EXPECT_EQ(Cell(ActForm->StringGrid6, 4, 0), "hakkuu 2024");
  EXPECT_TRUE(Cell(ActForm->StringGrid6, 5, 1).contains(" m3,  tukki% "));
  // The grid in currency.
  Click(ActForm->CheckBox17);
  EXPECT_TRUE(Cell(ActForm->StringGrid6, 5, 1).contains(QString::fromUtf8(" €/m3")));
  // The chart per hectare: the totals divided by the estate's 19.5 ha.
  const double total = ActForm->Chart2->Bars()[0].value;
  Click(ActForm->CheckBox8);
  EXPECT_EQ(ActForm->Chart2->Bars()[0].value, std::round(total / 19.5));
  EXPECT_TRUE(ActForm->Chart2->MarkOf(0).endsWith("m3/ha"));
  Click(ActForm->CheckBox8);
  // The stand list's removal summary.
  ActForm->CheckBox18->show();
  Click(ActForm->CheckBox18);
  EXPECT_TRUE(ActForm->Label14->text().contains(QString::fromUtf8("hakkuukertymä 2024   :   ")));
  Click(ActForm->CheckBox18);
  ClickItem(ActForm->RadioGroup1, 0);
  ActForm->grab().save(testsupport::ShotPath("estate-main-1366.png"));
  QApplication::processEvents();
  ActForm->Panel9->grab().scaled(ActForm->Panel9->size() * 2).save(testsupport::ShotPath("estate-panel-x2.png"));
  // Another folder clicked in the folder list: a notice, the folder kept.
  QListWidget* folders = ActForm->DirectoryListBox1;
  ASSERT_GT(folders->count(), 1);
  folders->scrollToItem(folders->item(0));
  QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, folders->visualItemRect(folders->item(0)).center());
  EXPECT_EQ(script_.Last(MessageKind::Notice).lines.value(0),
            QString::fromUtf8("Kuviolista ja kuviotietokanta voidaan vaihtaa Vaihda - painikkeella  !"));
  EXPECT_EQ(folders->currentRow(), folders->count() - 1);
}

TEST_F(EstateViews, ChartsWindowThenOverviewThroughTheButtons) {
  Open(ModelEstate());
  bool chartsSeen = false, overviewSeen = false;
  WhenShown(GraphForm, [&] {
    ASSERT_TRUE(GraphForm->isVisible());
    chartsSeen = true;
    // Development classes by volume: bars 9..0, the titles and foot.
    ASSERT_EQ(GraphForm->Chart3->Bars().size(), 10u);
    EXPECT_TRUE(GraphForm->Chart3->TitleLines().value(0).startsWith("Kehitysluokkien puusto mittauksen"));
    EXPECT_TRUE(GraphForm->Chart4->FootLines().value(0).startsWith(QString::fromUtf8("yhteensä ")));
    EXPECT_EQ(GraphForm->Label3->text(), QString::fromUtf8("kuviotietokanta Koivula,  10 kuviota,  pinta-ala 19.50 ha"));
    EXPECT_GE(GraphForm->y(), 0);
    GraphForm->grab().save(testsupport::ShotPath("estate-charts.png"));
    // The stock after cutting: the assortments at that time point.
    ClickItem(GraphForm->RadioGroup1, 1);
    EXPECT_EQ(GraphForm->Chart4->TitleLines().value(1), QString::fromUtf8("hakkuun jälkeen"));
    ClickItem(GraphForm->RadioGroup1, 0);
    // The removal: the time point can no longer be chosen.
    Click(GraphForm->CheckBox1);
    EXPECT_FALSE(GraphForm->RadioGroup1->isEnabled());
    EXPECT_TRUE(GraphForm->Chart4->TitleLines().value(0).startsWith(QString::fromUtf8("Hakkuukertymä  v. 2024")));
    Click(GraphForm->CheckBox2);
    EXPECT_TRUE(GraphForm->Chart4->FootLines().value(0).contains(QString::fromUtf8(" €,")));
    GraphForm->grab().save(testsupport::ShotPath("estate-charts-removal.png"));
    WhenShown(FolderForm, [&] {
      ASSERT_TRUE(FolderForm->isVisible());
      overviewSeen = true;
      EXPECT_EQ(FolderForm->StringGrid1->rowCount(), 10);
      EXPECT_EQ(Cell(FolderForm->StringGrid1, 0, 0), "k1");
      EXPECT_EQ(Cell(FolderForm->StringGrid2, 0, 0), "10 kuviota");
      EXPECT_EQ(Cell(FolderForm->StringGrid2, 0, 2), "    19.50 ha");
      // The charts window stands beside the overview, on the screen.
      EXPECT_GE(GraphForm->y(), 0);
      FolderForm->grab().save(testsupport::ShotPath("estate-overview.png"));
      // After cutting: the cut stands show their cutting year, the year is
      // the measured one (no "info").
      ClickItem(FolderForm->RadioGroup1, 1);
      EXPECT_EQ(Cell(FolderForm->StringGrid1, 0, 4), "      2024");
      EXPECT_EQ(Cell(FolderForm->StringGrid1, 2, 4), "   ");
      EXPECT_EQ(Cell(FolderForm->StringGrid333, 0, 1), " puutavaralajit v.2024");
      EXPECT_FALSE(FolderForm->Panel5->isVisible());
      ClickItem(FolderForm->RadioGroup1, 0);
      // The removal view: a stand without a cutting has an empty row.
      Click(FolderForm->CheckBox2);
      EXPECT_EQ(Cell(FolderForm->StringGrid3, 0, 5), "   hakkuutapa");
      EXPECT_EQ(Cell(FolderForm->StringGrid1, 0, 5), " uudistushakkuu");
      EXPECT_EQ(Cell(FolderForm->StringGrid1, 2, 0), "");
      EXPECT_EQ(Cell(FolderForm->StringGrid1, 9, 5), " poimintahakkuu");
      EXPECT_FALSE(FolderForm->RadioGroup1->isEnabled());
      FolderForm->grab().save(testsupport::ShotPath("estate-overview-removal.png"));
      // Site types, per hectare.
      Click(FolderForm->CheckBox2);
      QTest::mouseClick(FolderForm->ListBox1->viewport(), Qt::LeftButton, {},
                        FolderForm->ListBox1->visualItemRect(FolderForm->ListBox1->item(1)).center());
      EXPECT_EQ(Cell(FolderForm->StringGrid33, 0, 0), "kasvupaikkatyyppi");
      Click(FolderForm->CheckBox1);
      EXPECT_TRUE(Cell(FolderForm->StringGrid1, 0, 7).endsWith("m3/ha"));
      // A refill shows the development classes again.
      EXPECT_EQ(Cell(FolderForm->StringGrid33, 0, 0), "kehitysluokka");
      Click(FolderForm->Button1);
    });
    Click(GraphForm->Button2);
    Click(GraphForm->Button1);
  });
  Click(ActForm->Panel8);
  EXPECT_TRUE(chartsSeen);
  EXPECT_TRUE(overviewSeen);
  // Opening again resets every option.
  WhenShown(GraphForm, [&] {
    EXPECT_FALSE(GraphForm->CheckBox1->isChecked());
    EXPECT_FALSE(GraphForm->CheckBox2->isChecked());
    EXPECT_TRUE(GraphForm->RadioGroup1->isEnabled());
    Click(GraphForm->Button1);
  });
  Click(ActForm->Panel8);
}

TEST_F(EstateViews, EmptyAndOneStandEstates) {
  // An empty folder: empty views, nothing divided by zero.
  Open({});
  EXPECT_TRUE(ActForm->Chart2->Bars().empty());
  EXPECT_EQ(Cell(ActForm->StringGrid6, 0, 1), "");
  EXPECT_EQ(Cell(FolderForm->StringGrid2, 0, 0), "0 kuviota");
  // One stand: the overview's totals repeat its row.
  Open({Stand("k1", "12.06.2024", 6, 2.0f, {Step("mittaus", 0, Mix(40, 30, 10, 60, 40, 5, 15))})});
  for (int c = 6; c <= 8; ++c) EXPECT_EQ(Cell(FolderForm->StringGrid2, 0, c), Cell(FolderForm->StringGrid1, 0, c)) << c;
  EXPECT_EQ(Cell(FolderForm->StringGrid1, 0, 7), "     400 m3");
}

TEST_F(EstateViews, SavedPricesRefreshTheEstateViews) {
  Open(ModelEstate());
  Click(ActForm->CheckBox17);
  ActForm->CheckBox19->show();
  Click(ActForm->CheckBox19);
  const QString gridBefore = Cell(ActForm->StringGrid6, 0, 1);
  const QString totalBefore = Cell(FolderForm->StringGrid2, 0, 8);
  const QString summaryBefore = ActForm->Label14->text();
  // Every pulpwood and log price from 10.00 to 20.00 through the price
  // settings window.
  WhenShown(SettForm, [&] {
    const auto edits = SettForm->PriceEdits();
    for (int i = 0; i < 9; ++i) edits[i]->setText("20.00");
    Click(SettForm->BitBtn1);
  });
  ActForm->M22->trigger();
  // 3513 m3 of which 279 energy wood: 3234 x 20 + 279 = 64959.
  EXPECT_NE(Cell(ActForm->StringGrid6, 0, 1), gridBefore);
  EXPECT_TRUE(Cell(ActForm->StringGrid6, 0, 1).startsWith(QString::fromUtf8("64959 €"))) << Cell(ActForm->StringGrid6, 0, 1).toStdString();
  EXPECT_EQ(Cell(FolderForm->StringGrid2, 0, 8), QString::fromUtf8("     64959 €"));
  EXPECT_NE(Cell(FolderForm->StringGrid2, 0, 8), totalBefore);
  EXPECT_NE(ActForm->Label14->text(), summaryBefore);
  EXPECT_TRUE(ActForm->Label14->text().endsWith(QString::fromUtf8("64959 €")));
}

namespace {

// The stand files of an estate: each record's header fields and phase slots
// in a stand of 60 trees.
void WriteStandFiles(const QString& folder, const EstateRecordList& records) {
  for (const EstateRecord& r : records) {
    const QDate day = QDate::fromString(r.measurementDate, "dd.MM.yyyy");
    auto s = estatefixture::MakeStand(r.standId, 60, day.year(), r.area, r.developmentClass, r.siteType);
    s->Header.measurementDay = estatefixture::DayNumber(day.year(), day.month(), day.day());
    for (int k = 0; k < kPhaseCount; ++k) s->Slots[k] = r.phaseSlots[k];
    ASSERT_TRUE(estatefixture::WriteStand(*s, folder + "/" + r.standId + ".Norvalen"));
  }
}

}  // namespace

// The user's road: a stand of the estate folder is opened, the main window
// rebuilds the stand list from the folder's files and shows the estate.
TEST_F(EstateViews, OpeningAStandOfTheFolderShowsItsEstate) {
  const QString folder = folder_.file("Koivula");
  const EstateRecordList model = ModelEstate();
  WriteStandFiles(folder, model);
  ASSERT_EQ(data::ReadStandFile(folder + "/k1.Norvalen", false, IntroForm->CurrentStand), StandFileStatus::Ok);
  IntroForm->SetStandPath(folder + "/k1.Norvalen");
  ASSERT_TRUE(ActivateStand(IntroForm, ActivateChangedHeader));
  ASSERT_EQ(IntroForm->EstateRecords.size(), model.size());
  // The same estate as built by code: the same time points and totals.
  const EstateTimePoints expected = BuildEstateTimePoints(model);
  EXPECT_EQ(RadioGroupItems(ActForm->RadioGroup1), expected.items);
  const EstateRecordList& read = IntroForm->EstateRecords;
  EXPECT_EQ(Cell(ActForm->StringGrid6, 0, 1), FillEstateGridCells(Estate{model, expected}, 0, false).values[0]);
  EXPECT_EQ(ActForm->ListBox1->count(), 10);
  EXPECT_TRUE(ActForm->Label14->text().contains("10 kuviota,  19.50 ha,  mittauspuusto 2024"));
  EXPECT_EQ(FolderForm->StringGrid1->rowCount(), 10);
  EXPECT_EQ(Cell(FolderForm->StringGrid1, 9, 0), read[9].standId);
  // Every stand measured in 2024: no warning.
  EXPECT_EQ(script_.Count(MessageKind::Question), 0);
  // The stand list shows the removal of each stand.
  Click(ActForm->CheckBox18);
  // Files in name order: k1, k10, k2, k3, ...
  EXPECT_TRUE(ActForm->ListBox1->item(0)->text().contains("uudistushakkuu v. 2024"));
  EXPECT_TRUE(ActForm->ListBox1->item(1)->text().contains("poimintahakkuu"));
  EXPECT_TRUE(ActForm->ListBox1->item(3)->text().contains("ei hakkuuta"));
  ActForm->grab().save(testsupport::ShotPath("estate-main-opened-1366.png"));
}

TEST_F(EstateViews, DifferingMeasurementYearsAreWarnedAbout) {
  const QString folder = folder_.file("Koivula");
  WriteStandFiles(folder, {Stand("a", "01.06.2020", 5, 1.0f, {Measured(100)}),
                           Stand("b", "01.06.2022", 5, 1.0f, {Measured(80)})});
  ASSERT_EQ(data::ReadStandFile(folder + "/a.Norvalen", false, IntroForm->CurrentStand), StandFileStatus::Ok);
  IntroForm->SetStandPath(folder + "/a.Norvalen");
  ASSERT_TRUE(ActivateStand(IntroForm, ActivateChangedHeader));
  const MessageRecord q = script_.Last(MessageKind::Question);
  EXPECT_EQ(q.caption, "Puustotietojen mittausvuosi");
  EXPECT_EQ(q.closeCaption, "Sulje");
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
    panel->grab().save(testsupport::ShotPath(QString("estate-panel-%1.png").arg(w)));
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
  });
  ActForm->M24->trigger();
  EXPECT_EQ(model::CurrentSettings().standListOnRight != 0, !onRight);
  const int moved = ActForm->Chart2->mapTo(ActForm, QPoint(0, 0)).x();
  EXPECT_NE(moved, chartLeft);
  EXPECT_EQ(moved - ActForm->Panel9->x(), ActForm->Chart2->x());
  EXPECT_TRUE(ActForm->windowTitle().contains("kuviolista Koivula"));
}
