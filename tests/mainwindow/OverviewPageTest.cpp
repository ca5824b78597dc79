// The overview page, the help buttons, the map button and the stand info
// panel of the main window, driven by clicks: the dot maps and charts of the
// measured stand, after a thinning, in the removal and the mortality view,
// the chart contents and their switches, the dot sizes; pictures of the page
// in each mode and of the map window over the model estate's map.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <numeric>

#include "estate/Map.h"
#include "mainwindow/Acts.h"
#include "mainwindow/OverviewChart.h"
#include "model/Data.h"
#include "model/Phase.h"
#include "model/Settings.h"
#include "platform/Screen.h"
#include "stands/Intro.h"
#include "stands/IntroOpen.h"
#include "stands/IntroStartup.h"
#include "stands/Settings.h"
#include "tests/support/PictureStands.h"
#include "tests/support/Shots.h"
#include "tests/support/TempDir.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "ui/MessageService.h"
#include "ui/RadioGroup.h"
#include "ui/WindowHelpers.h"

namespace {


class OverviewPage : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallFontSubstitutions();
    saved_ = platform::GetScreenMetrics();
    savedFolder_ = QDir::currentPath();
    QDir(folder_.path()).mkpath("Ohjelma");
    QDir(folder_.path()).mkpath(QString::fromUtf8("Metsätilat/Mallitila"));
    QDir(folder_.path()).mkpath(QString::fromUtf8("Metsätilat/Oma"));
    QDir::setCurrent(folder_.file("Ohjelma"));
    SetCurrentPhase(0);
  }
  void TearDown() override {
    if (IntroForm) IntroForm->CurrentStand.reset();
    DestroyApplicationWindows();
    SetCurrentPhase(0);
    QDir::setCurrent(savedFolder_);
    model::SetSettingsFolder(savedFolder_);
    platform::SetScreenMetrics(saved_);
  }
  // The program on a 1366 x 768 screen with a stand activated from the
  // folder as the stand loading leaves it.
  void Open(std::unique_ptr<data> stand, const QString& folder, int screenWidth = 1366, int screenHeight = 768) {
    platform::SetScreenMetrics({.width = screenWidth, .height = screenHeight});
    CreateApplicationWindows();
    IntroForm->ProgramFolder = folder_.file("Ohjelma");
    ActForm->show();
    ActForm->FormActivate();
    IntroForm->CurrentStand = std::move(stand);
    IntroForm->hide();
    ActForm->ResetEstatePanel("7b." + CommonlanText(0), folder);
    ActForm->ListBox3->setCurrentRow(0);
    ActForm->ArrangeMainWindow(true);
    ActForm->SetStartupPanelsVisibility(true);
    ActForm->UpdateView(3);
  }
  QString ModelEstate() { return folder_.file(QString::fromUtf8("Metsätilat/Mallitila")); }
  data& Stand() { return *IntroForm->CurrentStand; }
  void ShowPage(QWidget* page) {
    QTabBar* bar = ActForm->PageControl2->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(ActForm->PageControl2->indexOf(page)).center());
    ASSERT_EQ(ActForm->PageControl2->currentWidget(), page);
  }
  // Runs the action once the window shows (the busy display before a modal
  // window runs the event loop too).
  void WhenShown(QWidget* window, std::function<void()> action) {
    auto* timer = new QTimer(window);
    QObject::connect(timer, &QTimer::timeout, window, [timer, window, action] {
      if (!window->isVisible()) return;
      timer->stop();
      timer->deleteLater();
      action();
    });
    timer->start(10);
  }
  void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2)); }
  void ClickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
  }
  // A thinning of every third standing tree, committed as the cutting
  // commands do after OK.
  void Thin() {
    const int k = CurrentPhase() + 1;
    int n = 0;
    for (TreeRecord& t : Stand().Trees)
      if (IsStanding(t) && ++n % 3 == 0) t.removedBy = k;
    Stand().RecordPhase(k, QStringLiteral("Alaharvennus"), 0, 0);
    SetCurrentPhase(100);
    ActForm->setButtonState(CurrentPhase(), 0, true);
    ActForm->UpdateView(0);
  }
  void Grow(int years) {
    const int k = CurrentPhase() + 1;
    int ages[kSpeciesSlots] = {};
    for (int s = 0; s < kSpeciesSlots; ++s) ages[s] = std::max(20, Stand().SpeciesValue(s, 7));
    Stand().GrownSizes1 = Stand().AllocGrownSizes();
    SetCurrentPhase(100);
    Stand().GrowTrees(Stand().GrownSizes1, k, years, ages, true, true);
    Stand().RecordPhase(k, QStringLiteral("Kasvatus"), 1, years);
    ActForm->setButtonState(k, 0, true);
    ActForm->UpdateView(0);
  }
  // The colour most pixels of a map have: its background.
  QColor Background(TCanvas* c) {
    const QImage image = c->pixmap().toImage();
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
    return QColor(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first);
  }
  void Shot(const char* name) { EXPECT_TRUE(ActForm->grab().save(testsupport::ShotPath(QString::fromUtf8(name)))); }
  int Sum(const TOverviewChart* c) {
    int s = 0;
    for (const EstateBar& b : c->Bars()) s += static_cast<int>(b.value);
    return s;
  }

  testsupport::TempDir folder_;
  MessageScript script_;
  platform::ScreenMetrics saved_;
  QString savedFolder_;
};

}  // namespace

TEST_F(OverviewPage, MapsChartsAndCaptionsFollowTheStandThroughItsModes) {
  Open(picturestands::MakeStand(picturestands::kMiddle, 3), folder_.file(QString::fromUtf8("Metsätilat/Oma")));
  TActForm* f = ActForm;
  ShowPage(f->TabSheet6);
  // The measured stand: the same caption under both maps, both charts show
  // the characteristics, every species in the legend.
  EXPECT_EQ(f->Label17->text(), f->Label43->text());
  EXPECT_TRUE(f->Label17->text().startsWith(QString::fromUtf8("ei toimenpiteitä v. 2023  •  ")));
  EXPECT_TRUE(f->Label6->text().startsWith("Kuvio 7b  :  otokset puustosta, 50 m * 200 m = 1 ha"));
  EXPECT_EQ(f->Chart3->Bars().size(), 3u);
  EXPECT_TRUE(f->Chart3->Heading().front().startsWith("puusto v. 2023  :  "));
  EXPECT_EQ(f->Chart3->Footer().size(), 5u);
  EXPECT_EQ(f->Chart4->Heading(), f->Chart3->Heading());
  for (QLabel* l : {f->Label33, f->Label32, f->Label31, f->Label25, f->Label26}) EXPECT_TRUE(l->isVisible());
  EXPECT_TRUE(f->Label33->text().startsWith(QString::fromUtf8("mänty")));
  EXPECT_EQ(f->Image13->pixmap().size(), f->Image13->size());
  EXPECT_EQ(Background(f->Image11), PaletteColor(22));
  // Every control of the page inside the page.
  for (QWidget* w : f->Panel3->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (w->isVisible()) {
      EXPECT_TRUE(f->Panel3->rect().contains(w->geometry()))
          << w->objectName().toStdString() << " " << w->x() << "," << w->y() << " " << w->width() << "x" << w->height()
          << " in " << f->Panel3->width() << "x" << f->Panel3->height();
    }
  Shot("overview_measured_1366.png");

  // A thinning: the second map shows the stand after it, the records stay
  // in plot-y order after the maps are drawn.
  Thin();
  EXPECT_TRUE(f->Label43->text().startsWith(QString::fromUtf8("toimenpiteiden jälkeen v. 2023")));
  EXPECT_TRUE(std::is_sorted(Stand().Trees.begin(), Stand().Trees.end(),
                             [](const TreeRecord& a, const TreeRecord& b) { return a.y < b.y; }));
  EXPECT_TRUE(f->Label3->text().contains("kasvatushakkuu"));

  // The removal view.
  Click(f->CheckBox2);
  EXPECT_TRUE(f->CheckBox2->isChecked());
  EXPECT_EQ(f->Label43->text(), QString::fromUtf8("otos hakkuukertymästä  v. 2023"));
  EXPECT_TRUE(f->Chart4->Heading().front().startsWith(QString::fromUtf8("hakkuukertymä  v. 2023  :  ")));
  EXPECT_TRUE(f->Chart4->Heading().front().endsWith(" m3/ha"));
  EXPECT_TRUE(f->CheckBox13->isVisible());
  EXPECT_TRUE(f->CheckBox14->isVisible());
  EXPECT_EQ(Background(f->Image11), PaletteColor(12));
  EXPECT_TRUE(script_.Last(MessageKind::Busy).Text().contains(CommonlanText(52)));
  Shot("overview_removal_1366.png");
  Click(f->CheckBox13);
  EXPECT_EQ(f->CheckBox14->text(), CommonlanText(58));
  EXPECT_TRUE(f->Chart4->Heading().front().endsWith(" " + CommonlanText(54) + "/ha"));
  Click(f->CheckBox14);
  EXPECT_TRUE(f->Chart4->Heading().front().endsWith(" " + CommonlanText(54) + "/kuvio"));

  // Natural mortality before any growth is refused; the removal view stays.
  Click(f->CheckBox5);
  EXPECT_EQ(script_.Last(MessageKind::Notice).caption, ActlanText(35));
  EXPECT_EQ(script_.Last(MessageKind::Notice).lines.value(0), "ei puuston kasvatusta,  ei luonnonpoistumaa  !");
  EXPECT_FALSE(f->CheckBox5->isChecked());
  EXPECT_TRUE(f->CheckBox2->isChecked());

  // After ten years of growth the mortality view: the dead trees on cream,
  // the upper chart empty; the removal box unticked.
  Grow(10);
  Click(f->CheckBox5);
  EXPECT_TRUE(f->CheckBox5->isChecked());
  EXPECT_FALSE(f->CheckBox2->isChecked());
  EXPECT_EQ(f->Label43->text(),
            "otos luonnonpoistumasta   :   kasvatusjakson  v. 2023 - 2033  aikana kuolleet puut");
  EXPECT_TRUE(f->Chart4->Bars().empty());
  EXPECT_TRUE(f->Chart4->Heading().isEmpty());
  EXPECT_FALSE(f->CheckBox13->isVisible());
  EXPECT_EQ(Background(f->Image11), QColor(255, 251, 240));
  Shot("overview_mortality_1366.png");

  // The species proportions: back to the standing trees, shares adding up
  // to 100; by stems on a click.
  ClickRow(f->ListBox2, 2);
  EXPECT_FALSE(f->CheckBox5->isChecked());
  EXPECT_TRUE(f->Label43->text().startsWith(QString::fromUtf8("toimenpiteiden jälkeen v. 2033")));
  EXPECT_TRUE(f->Chart3->Layout().vertical);
  EXPECT_EQ(f->Chart3->Bars().size(), 5u);
  EXPECT_EQ(Sum(f->Chart3), 100);
  EXPECT_EQ(Sum(f->Chart4), 100);
  EXPECT_TRUE(f->CheckBox6->isVisible());
  EXPECT_FALSE(f->CheckBox7->isVisible());
  Shot("overview_species_1366.png");
  Click(f->CheckBox6);
  EXPECT_EQ(f->Chart3->ValueFormat(), "###0.###");
  EXPECT_EQ(Sum(f->Chart3), Stand().TreeCount());

  // The assortments of the stock, in value for the whole stand.
  ClickRow(f->ListBox2, 1);
  EXPECT_TRUE(f->Chart4->Heading().front().startsWith("puutavaralajit v. 2033  :  "));
  EXPECT_TRUE(f->CheckBox11->isVisible());
  Click(f->CheckBox11);
  EXPECT_EQ(f->CheckBox12->text(), CommonlanText(58));
  Click(f->CheckBox12);
  EXPECT_TRUE(f->Chart3->Heading().front().endsWith(" " + CommonlanText(54) + "/kuvio"));
  Shot("overview_assortments_1366.png");

  // Larger dots redraw both maps.
  const QImage before = f->Image13->pixmap().toImage();
  const QImage after = f->Image11->pixmap().toImage();
  QTest::mouseClick(f->RadioGroup5->Item(3), Qt::LeftButton);
  EXPECT_EQ(f->RadioGroup5->ItemIndex(), 3);
  EXPECT_NE(f->Image13->pixmap().toImage(), before);
  EXPECT_NE(f->Image11->pixmap().toImage(), after);
  // Log trees not enlarged: no note in the caption.
  QTest::mouseClick(f->RadioGroup4->Item(0), Qt::LeftButton);
  EXPECT_EQ(f->Label6->text(), "Kuvio 7b  :  otokset puustosta, 50 m * 200 m = 1 ha");

  // The page's help.
  Click(f->BitBtn3);
  EXPECT_EQ(script_.Last(MessageKind::HelpText).caption, "Kuvio 7b,  puustotunnukset");
  EXPECT_EQ(script_.Last(MessageKind::HelpText).lines, QStringList{ActlanText(40)});
}

TEST_F(OverviewPage, HelpButtonsOfTheAreas) {
  Open(picturestands::MakeStand(picturestands::kYoung, 5, 1500), folder_.file(QString::fromUtf8("Metsätilat/Oma")));
  TActForm* f = ActForm;
  Click(f->BitBtn4);
  EXPECT_EQ(script_.Last(MessageKind::HelpText).caption, "Kuviolista ja kuviotietokanta");
  EXPECT_EQ(script_.Last(MessageKind::HelpText).lines, (QStringList{ActlanText(29), QString(), ActlanText(45)}));
  Click(f->BitBtn2);
  EXPECT_EQ(script_.Last(MessageKind::HelpText).caption, "Kuvio 7b,  toimenpiteiden suoritus");
  ASSERT_TRUE(f->BitBtn6->isVisible());
  Click(f->BitBtn6);
  EXPECT_EQ(script_.Last(MessageKind::HelpText).caption, QString::fromUtf8("Kuvio 7b,  metsikkönäkymät"));
  EXPECT_EQ(script_.Last(MessageKind::HelpText).lines, (QStringList{ActlanText(70), QString(), ActlanText(86)}));
  EXPECT_EQ(script_.Count(MessageKind::HelpText), 3);
}

TEST_F(OverviewPage, StandsWithoutTreesToCutShowTheInfoPanel) {
  struct Case {
    int developmentClass;
    const char* caption;
  };
  for (const Case& c : {Case{1, "Puuton alue"}, Case{2, "Pieni taimikko, keskipituus < 1.3 m"}}) {
    auto stand = std::make_unique<data>(0);
    stand->Header.standId = "7b";
    stand->Header.measurementDay = 45000;
    stand->Header.area = 1.0f;
    stand->Header.developmentClass = c.developmentClass;
    Open(std::move(stand), folder_.file(QString::fromUtf8("Metsätilat/Oma")));
    EXPECT_FALSE(ActForm->ListBox3->isEnabled());
    EXPECT_EQ(ActForm->ListBox3->currentRow(), -1);
    ASSERT_TRUE(ActForm->Panel14->isVisible());
    Shot(QStringLiteral("stand_info_panel_%1.png").arg(c.developmentClass).toUtf8().constData());
    Click(ActForm->Panel14);
    EXPECT_EQ(script_.Last(MessageKind::Notice).caption, QString::fromUtf8(c.caption));
    // The overview page of a stand without trees: stems of 0, no grouping.
    ShowPage(ActForm->TabSheet6);
    ClickRow(ActForm->ListBox2, 2);
    EXPECT_EQ(ActForm->Chart3->ValueFormat(), "###0.###");
    EXPECT_EQ(Sum(ActForm->Chart3), 0);
    IntroForm->CurrentStand.reset();
    DestroyApplicationWindows();
  }
}

TEST_F(OverviewPage, MapButtonShowsTheEstatesMapAndNoOtherEstatesMap) {
  // The model estate as the build wrote it, copied beside the program.
  const QDir built(QString::fromUtf8(NORVALEN_MODEL_ESTATE_DIR));
  const QStringList files = built.entryList(QDir::Files, QDir::Name);
  ASSERT_TRUE(files.contains("Mallitila.jpg"));
  // The stand with the most recorded steps.
  QString standFile;
  int steps = -1;
  for (const QString& name : files) {
    const QString path = ModelEstate() + "/" + name;
    ASSERT_TRUE(QFile::copy(built.filePath(name), path));
    std::unique_ptr<data> s;
    if (!name.endsWith("." + CommonlanText(0)) || data::PreviewStandFile(path, s) != StandFileStatus::Ok) continue;
    int named = 0;
    for (const PhaseSlot& slot : s->Slots) named += slot.name.isEmpty() ? 0 : 1;
    if (named > steps) {
      steps = named;
      standFile = path;
    }
  }
  ASSERT_FALSE(standFile.isEmpty());
  platform::SetScreenMetrics({.width = 1366, .height = 768});
  CreateApplicationWindows();
  IntroForm->ProgramFolder = folder_.file("Ohjelma");
  ActForm->show();
  ActForm->FormActivate();
  ASSERT_TRUE(LoadStandFile(IntroForm, 0, standFile, true));
  TActForm* f = ActForm;
  bool shown = false;
  WhenShown(MapForm, [&] {
    shown = true;
    EXPECT_TRUE(MapForm->HasPicture());
    EXPECT_EQ(MapForm->findChild<QLabel*>("Label1")->text(), "karttatiedosto  :  Mallitila.jpg");
    // The stand parts of the main window are hidden under the map.
    EXPECT_FALSE(f->Panel1->isVisible());
    EXPECT_TRUE(MapForm->grab().save(testsupport::ShotPath("map_mallitila.png")));
    QTest::mouseClick(MapForm->findChild<QPushButton*>("Button1"), Qt::LeftButton);
  });
  Click(f->Button9);
  EXPECT_TRUE(shown);
  ShowPage(f->TabSheet6);
  Shot("overview_model_stand_1366.png");
  EXPECT_EQ(script_.Last(MessageKind::Busy).caption, ActlanText(33));
  EXPECT_TRUE(f->Panel1->isVisible());

  // A stand of another estate: the window opens empty, its picture dialog
  // in the new estate's folder.
  const QString other = folder_.file(QString::fromUtf8("Metsätilat/Oma"));
  f->ResetEstatePanel("8a." + CommonlanText(0), other);
  WhenShown(MapForm, [&] {
    EXPECT_FALSE(MapForm->HasPicture());
    EXPECT_EQ(MapForm->DialogFolder, other);
    QTest::mouseClick(MapForm->findChild<QPushButton*>("Button1"), Qt::LeftButton);
  });
  Click(f->Button9);
}

TEST_F(OverviewPage, PageLaidOutAtEveryWindowSize) {
  for (QSize screen : {QSize(1280, 720), QSize(1024, 768), QSize(1920, 1080)}) {
    SCOPED_TRACE(screen.width());
    Open(picturestands::MakeStand(picturestands::kOld, 4, 2500), folder_.file(QString::fromUtf8("Metsätilat/Oma")),
         screen.width(), screen.height());
    TActForm* f = ActForm;
    ShowPage(f->TabSheet6);
    for (QWidget* w : f->Panel3->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (w->isVisible()) {
        EXPECT_TRUE(f->Panel3->rect().contains(w->geometry())) << w->objectName().toStdString();
      }
    }
    // The maps do not run into the charts, nor the charts into the options.
    EXPECT_LT(f->Image111->geometry().right(), f->Chart4->x());
    EXPECT_LT(f->Chart4->geometry().right(), f->ListBox2->x());
    EXPECT_LT(f->Image111->geometry().bottom(), f->Label17->y());
    Shot(QStringLiteral("overview_%1.png").arg(screen.width()).toUtf8().constData());
    IntroForm->CurrentStand.reset();
    DestroyApplicationWindows();
  }
}

TEST_F(OverviewPage, SavedPricesRedrawTheChartsInValue) {
  Open(picturestands::MakeStand(picturestands::kMiddle, 3, 2000), folder_.file(QString::fromUtf8("Metsätilat/Oma")));
  TActForm* f = ActForm;
  Thin();
  ShowPage(f->TabSheet6);
  Click(f->CheckBox7);
  Click(f->CheckBox2);
  Click(f->CheckBox13);
  const QString stock = f->Chart3->Heading().front();
  const QString removal = f->Chart4->Heading().front();
  ASSERT_TRUE(stock.startsWith("puuston arvo "));
  ASSERT_TRUE(removal.endsWith(CommonlanText(54) + "/ha"));
  // Every pulpwood and log price doubled through the price settings window.
  WhenShown(SettForm, [&] {
    const auto edits = SettForm->PriceEdits();
    for (int i = 0; i < 9; ++i) edits[i]->setText("20.00");
    QTest::mouseClick(SettForm->BitBtn1, Qt::LeftButton);
  });
  f->M22->trigger();
  EXPECT_NE(f->Chart3->Heading().front(), stock);
  EXPECT_NE(f->Chart4->Heading().front(), removal);
  EXPECT_TRUE(f->Chart4->Heading().front().startsWith(QString::fromUtf8("hakkuukertymä")));
}
