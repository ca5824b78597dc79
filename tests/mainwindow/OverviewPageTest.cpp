// The overview page, the help buttons, the map button and the stand info
// panel of the main window, driven by clicks: the dot maps and charts of the
// measured stand, after a thinning, in the removal and the mortality view,
// the chart contents and their switches, the dot sizes; pictures of the page
// in each mode and of the map window over the model estate's map.
#include <QFile>
#include <QFileInfo>

#include <map>

#include "estate/Map.h"
#include "mainwindow/OverviewChart.h"
#include "stands/Settings.h"
#include "tests/model/StandFixture.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/PictureStands.h"
#include "texts/Actlan.h"
#include "ui/Session.h"

using namespace testsupport;

namespace {

class OverviewPage : public MainWindowTest {
 protected:
  // The estates "Oma" and "Mallitila" beside the program folder.
  void SetUp() override {
    MainWindowTest::SetUp();
    own_ = LayOutProgramFolder("Oma");
    model_ = QFileInfo(own_).path() + "/Mallitila";
    ASSERT_TRUE(QDir().mkpath(model_));
  }
  // The program with a stand of the estate "Oma" activated.
  void Open(std::unique_ptr<data> stand) {
    StartProgram();
    ActForm->ResetEstatePanel("7b." + CommonlanText(0), own_);
    ActivateStand(std::move(stand), 0);
  }
  void ShowPage(QWidget* page) { ClickTab(ActForm->PageControl2, page); }
  // The colour most pixels of a map have: its background.
  static QColor Background(TCanvas* c) {
    const QImage image = c->pixmap().toImage();
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
    return QColor(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first);
  }
  static void Shot(const QString& name) { testsupport::Shot(ActForm, name); }
  static int Sum(const TOverviewChart* c) {
    int s = 0;
    for (const EstateBar& b : c->Bars()) s += static_cast<int>(b.value);
    return s;
  }
  // The first heading line of a chart.
  static QString Heading(const TOverviewChart* c) { return c->Heading().value(0); }
  QString own_, model_;
};

}  // namespace

TEST_F(OverviewPage, MapsChartsAndCaptionsFollowTheStandThroughItsModes) {
  Open(picturestands::MakeStand(picturestands::kMiddle, 3));
  TActForm* f = ActForm;
  ShowPage(f->TabSheet6);
  // The measured stand: the same caption under both maps, both charts show
  // the characteristics, every species in the legend.
  EXPECT_EQ(f->Label17->text(), f->Label43->text());
  EXPECT_TRUE(f->Label17->text().startsWith(QString::fromUtf8("ei toimenpiteitä v. 2023  •  ")));
  EXPECT_TRUE(f->Label6->text().startsWith("Kuvio 7b  :  otokset puustosta, 50 m * 200 m = 1 ha"));
  EXPECT_TRUE(Heading(f->Chart3).startsWith("puusto v. 2023  :  "));
  EXPECT_EQ(std::tuple(f->Chart3->Bars().size(), f->Chart3->Footer().size(), f->Chart4->Heading()),
            std::tuple(3u, 5u, f->Chart3->Heading()));
  for (QLabel* l : {f->Label33, f->Label32, f->Label31, f->Label25, f->Label26}) EXPECT_TRUE(l->isVisible());
  EXPECT_TRUE(f->Label33->text().startsWith(QString::fromUtf8("mänty")));
  EXPECT_EQ(f->Image13->pixmap().size(), f->Image13->size());
  EXPECT_EQ(Background(f->Image11), PaletteColor(22));
  Shot("overview_measured_1366.png");

  // A thinning: the second map shows the stand after it, the records stay
  // in plot-y order after the maps are drawn.
  CommitCutting("Alaharvennus", 3);
  EXPECT_TRUE(f->Label43->text().startsWith(QString::fromUtf8("toimenpiteiden jälkeen v. 2023")));
  EXPECT_TRUE(std::is_sorted(Stand().Trees.begin(), Stand().Trees.end(),
                             [](const TreeRecord& a, const TreeRecord& b) { return a.y < b.y; }));
  EXPECT_TRUE(f->Label3->text().contains("kasvatushakkuu"));

  // The removal view, by stems per hectare and per stand.
  Tick(f->CheckBox2);
  EXPECT_EQ(f->Label43->text(), QString::fromUtf8("otos hakkuukertymästä  v. 2023"));
  EXPECT_TRUE(Heading(f->Chart4).startsWith(QString::fromUtf8("hakkuukertymä  v. 2023  :  ")));
  EXPECT_TRUE(f->CheckBox13->isVisible() && f->CheckBox14->isVisible());
  EXPECT_EQ(Background(f->Image11), PaletteColor(12));
  EXPECT_TRUE(script_.Last(MessageKind::Busy).Text().contains(CommonlanText(52)));
  Shot("overview_removal_1366.png");
  Tick(f->CheckBox13);
  EXPECT_EQ(f->CheckBox14->text(), CommonlanText(58));
  EXPECT_TRUE(Heading(f->Chart4).endsWith(" " + CommonlanText(54) + "/ha"));
  Tick(f->CheckBox14);
  EXPECT_TRUE(Heading(f->Chart4).endsWith(" " + CommonlanText(54) + "/kuvio"));

  // Natural mortality before any growth is refused; the removal view stays.
  Tick(f->CheckBox5);
  const MessageRecord refused = script_.Last(MessageKind::Notice);
  EXPECT_EQ(std::pair(refused.caption, refused.lines.value(0)),
            std::pair(ActlanText(35), QString("ei puuston kasvatusta,  ei luonnonpoistumaa  !")));
  EXPECT_TRUE(!f->CheckBox5->isChecked() && f->CheckBox2->isChecked());

  // After ten years of growth the mortality view: the dead trees on cream,
  // the upper chart empty; the removal box unticked.
  GrowStand(10);
  Tick(f->CheckBox5);
  EXPECT_TRUE(f->CheckBox5->isChecked() && !f->CheckBox2->isChecked());
  EXPECT_EQ(f->Label43->text(),
            "otos luonnonpoistumasta   :   kasvatusjakson  v. 2023 - 2033  aikana kuolleet puut");
  EXPECT_TRUE(f->Chart4->Bars().empty() && f->Chart4->Heading().isEmpty() && !f->CheckBox13->isVisible());
  EXPECT_EQ(Background(f->Image11), QColor(255, 251, 240));
  Shot("overview_mortality_1366.png");

  // The species proportions: back to the standing trees, shares adding up
  // to 100; by stems on a click.
  ClickRow(f->ListBox2, 2);
  EXPECT_FALSE(f->CheckBox5->isChecked());
  EXPECT_TRUE(f->Label43->text().startsWith(QString::fromUtf8("toimenpiteiden jälkeen v. 2033")));
  EXPECT_TRUE(f->Chart3->Layout().vertical);
  EXPECT_EQ(std::tuple(f->Chart3->Bars().size(), Sum(f->Chart3), Sum(f->Chart4)), std::tuple(5u, 100, 100));
  EXPECT_TRUE(f->CheckBox6->isVisible() && !f->CheckBox7->isVisible());
  Shot("overview_species_1366.png");
  Tick(f->CheckBox6);
  EXPECT_EQ(std::pair(f->Chart3->ValueFormat(), Sum(f->Chart3)), std::pair(QString("###0.###"), Stand().TreeCount()));

  // The assortments of the stock, in value for the whole stand.
  ClickRow(f->ListBox2, 1);
  EXPECT_TRUE(Heading(f->Chart4).startsWith("puutavaralajit v. 2033  :  "));
  EXPECT_TRUE(f->CheckBox11->isVisible());
  Tick(f->CheckBox11);
  EXPECT_EQ(f->CheckBox12->text(), CommonlanText(58));
  Tick(f->CheckBox12);
  EXPECT_TRUE(Heading(f->Chart3).endsWith(" " + CommonlanText(54) + "/kuvio"));
  Shot("overview_assortments_1366.png");

  // Larger dots redraw both maps.
  const QImage before = f->Image13->pixmap().toImage();
  const QImage after = f->Image11->pixmap().toImage();
  ClickItem(f->RadioGroup5, 3);
  EXPECT_NE(f->Image13->pixmap().toImage(), before);
  EXPECT_NE(f->Image11->pixmap().toImage(), after);
  // Log trees not enlarged: no note in the caption.
  ClickItem(f->RadioGroup4, 0);
  EXPECT_EQ(f->Label6->text(), "Kuvio 7b  :  otokset puustosta, 50 m * 200 m = 1 ha");

  // The help of this page, then of the other areas from the stand view.
  Click(f->BitBtn3);
  EXPECT_EQ(script_.Last(MessageKind::HelpText).caption, "Kuvio 7b,  puustotunnukset");
  EXPECT_EQ(script_.Last(MessageKind::HelpText).lines, QStringList{ActlanText(40)});
  ShowPage(f->TabSheet8);
  const std::tuple<QPushButton*, const char*, QStringList> helps[] = {
      {f->BitBtn4, "Kuviolista ja kuviotietokanta", {ActlanText(29), QString(), ActlanText(45)}},
      {f->BitBtn2, "Kuvio 7b,  toimenpiteiden suoritus", {ActlanText(41)}},
      {f->BitBtn6, "Kuvio 7b,  metsikkönäkymät", {ActlanText(70), QString(), ActlanText(86)}},
  };
  for (const auto& [button, caption, lines] : helps) {
    Click(button);
    const MessageRecord help = script_.Last(MessageKind::HelpText);
    EXPECT_EQ(std::pair(help.caption, help.lines), std::pair(QString::fromUtf8(caption), lines));
  }
  EXPECT_EQ(script_.Count(MessageKind::HelpText), 4);
}

// A dot is the circle of the corners (X - r, Y - r)-(X + r, Y + r), 2 r
// pixels each way: one pine at the plot's middle, (320, 125), in the middle
// of both maps.
TEST_F(OverviewPage, DotsCoverTheBoxOfTheirCornersWithoutItsRightAndBottomEdges) {
  auto stand = standfixture::MakeStand(1, 5);
  for (SpeciesBlock& b : stand->SpeciesBlocks) b.words[WordStems] = 0;
  stand->SpeciesBlocks[0].words[WordStems] = 1;
  stand->Trees[0] = TreeRecord{320.0f, 125.0f, 1200.0f, 1000.0f, 0, 0};
  stand->RecordPhase(0, "dummyStr", 0, 0);
  Open(std::move(stand));
  ShowPage(ActForm->TabSheet6);
  ClickItem(ActForm->RadioGroup4, 0);
  for (int r = 1; r <= 4; ++r) {
    ClickItem(ActForm->RadioGroup5, r - 1);
    for (TCanvas* map : {ActForm->Image13, ActForm->Image11}) {
      const QImage image = map->pixmap().toImage();
      const QRgb ground = image.pixel(2, 2);
      EXPECT_EQ(PixelBox(image, [ground](QRgb p) { return p != ground; }, image.rect().adjusted(1, 1, -1, -1)),
                QRect(image.width() / 2 - r, image.height() / 2 - r, 2 * r, 2 * r))
          << map->objectName().toStdString() << " r " << r;
    }
  }
}

TEST_F(OverviewPage, StandsWithoutTreesToCutShowTheInfoPanel) {
  struct Case {
    int developmentClass;
    const char* caption;
    const char* line;
  };
  for (const Case& c : {Case{1, "Puuton alue", "ei puustoa, ei puustoon kohdistuvia toimenpiteitä  !"},
                        Case{2, "Pieni taimikko, keskipituus < 1.3 m",
                             "sovelluksella ei voi kohdistaa toimenpiteitä pieniin taimikoihin, joita ei voi pitää "
                             "vakiintuneena  !"}}) {
    auto stand = std::make_unique<data>(0);
    stand->Header.standId = "7b";
    stand->Header.measurementDay = 45000;
    stand->Header.area = 1.0f;
    stand->Header.developmentClass = c.developmentClass;
    Open(std::move(stand));
    EXPECT_EQ(std::pair(ActForm->ListBox3->isEnabled(), ActForm->ListBox3->currentRow()), std::pair(false, -1));
    ASSERT_TRUE(ActForm->Panel14->isVisible());
    Shot(QStringLiteral("stand_info_panel_%1.png").arg(c.developmentClass));
    Click(ActForm->Panel14);
    const MessageRecord notice = script_.Last(MessageKind::Notice);
    EXPECT_EQ(std::pair(notice.caption, notice.lines.value(0)), std::pair(QString(c.caption), QString(c.line)));
    // The overview page of a stand without trees: stems of 0, no grouping.
    ShowPage(ActForm->TabSheet6);
    ClickRow(ActForm->ListBox2, 2);
    EXPECT_EQ(std::pair(ActForm->Chart3->ValueFormat(), Sum(ActForm->Chart3)), std::pair(QString("###0.###"), 0));
    TheSession->CurrentStand.reset();
    DestroyApplicationWindows();
  }
}

TEST_F(OverviewPage, MapButtonShowsTheEstatesMapAndNoOtherEstatesMap) {
  // The model estate as the build wrote it, copied beside the program; its
  // stand 9 (a thinning and a growing step) opened.
  const QDir built(QString::fromUtf8(NORVALEN_MODEL_ESTATE_DIR));
  ASSERT_TRUE(built.exists("Mallitila.jpg"));
  for (const QString& name : built.entryList(QDir::Files)) ASSERT_TRUE(QFile::copy(built.filePath(name), model_ + "/" + name));
  StartProgram();
  ASSERT_TRUE(LoadStandFile(0, model_ + "/9." + CommonlanText(0), true));
  TActForm* f = ActForm;
  EXPECT_TRUE(InModal(Shown(MapForm), [&] {
    EXPECT_TRUE(MapForm->HasPicture());
    EXPECT_EQ(MapForm->findChild<QLabel*>("Label1")->text(), "karttatiedosto  :  Mallitila.jpg");
    // The stand parts of the main window are hidden under the map.
    EXPECT_FALSE(f->Panel1->isVisible());
    testsupport::Shot(MapForm, "map_mallitila.png");
    Click(Child(MapForm, "Button1"));
  }, [f] { Click(f->Button9); }));
  ShowPage(f->TabSheet6);
  Shot("overview_model_stand_1366.png");
  EXPECT_EQ(script_.Last(MessageKind::Busy).caption, ActlanText(33));
  EXPECT_TRUE(f->Panel1->isVisible());

  // A stand of another estate: the window opens empty, its picture dialog
  // in the new estate's folder.
  f->ResetEstatePanel("8a." + CommonlanText(0), own_);
  EXPECT_TRUE(InModal(Shown(MapForm), [&] {
    EXPECT_EQ(std::pair(MapForm->HasPicture(), MapForm->DialogFolder), std::pair(false, own_));
    Click(Child(MapForm, "Button1"));
  }, [f] { Click(f->Button9); }));
}

TEST_F(OverviewPage, SavedPricesRedrawTheChartsInValue) {
  Open(picturestands::MakeStand(picturestands::kMiddle, 3, 2000));
  TActForm* f = ActForm;
  CommitCutting("Alaharvennus", 3);
  ShowPage(f->TabSheet6);
  Tick(f->CheckBox7);
  Tick(f->CheckBox2);
  Tick(f->CheckBox13);
  const QString stock = Heading(f->Chart3), removal = Heading(f->Chart4);
  ASSERT_TRUE(stock.startsWith("puuston arvo ") && removal.endsWith(CommonlanText(54) + "/ha"));
  // Every pulpwood and log price doubled through the price settings window.
  EXPECT_TRUE(InModal(Shown(SettForm), [] {
    const auto edits = SettForm->PriceEdits();
    for (int i = 0; i < 9; ++i) TypeInto(edits[i], "20.00");
    Click(SettForm->BitBtn1);
  }, [f] { f->M22->trigger(); }));
  EXPECT_NE(Heading(f->Chart3), stock);
  EXPECT_TRUE(Heading(f->Chart4) != removal && Heading(f->Chart4).startsWith(QString::fromUtf8("hakkuukertymä")));
}

TEST_F(OverviewPage, TicksAndChoicesChangedByTheProgramRunTheirHandlers) {
  Open(picturestands::MakeStand(picturestands::kMiddle, 3));
  TActForm* f = ActForm;
  // Grown, cut, the removal in value: the per-stand box names the currency.
  GrowStand(10);
  CommitCutting("Alaharvennus", 3);
  ShowPage(f->TabSheet6);
  Tick(f->CheckBox2);
  Tick(f->CheckBox13);
  ASSERT_EQ(f->CheckBox14->text(), CommonlanText(58));
  // Undone: no removal, the page unticks both switches, whose handler names
  // the volume again; a new cutting shows them so.
  ClickUndo();
  EXPECT_FALSE(f->CheckBox13->isChecked() || f->CheckBox14->isChecked());
  CommitCutting("Alaharvennus", 3);
  EXPECT_TRUE(f->CheckBox2->isChecked() && f->CheckBox14->isVisible());
  EXPECT_EQ(std::pair(f->CheckBox14->text(), f->CheckBox13->isChecked()), std::pair(QString("m3/kuvio"), false));
  // Another chart content chosen with the keys: the removal box unticked by
  // the page, whose handler brings the standing trees back to the map.
  QTest::keyClick(f->ListBox2, Qt::Key_Down);
  EXPECT_EQ(std::pair(f->ListBox2->currentRow(), f->CheckBox2->isChecked()), std::pair(1, false));
  EXPECT_EQ(Background(f->Image11), PaletteColor(22));
}
