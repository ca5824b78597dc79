// The main window's pages and the layout around them, driven by clicks: the
// picture pages of a treeless area and a small seedling stand and their
// return, the heading markers of a stand that nothing changed, the stand
// view redrawn for its options, the species legend's column, the
// timber-sale panel's place, the small windows' fonts and chart widths, and
// the overview charts' margins and axis extents. Pictures of the main window
// at 1100 x 700, 1366 x 768 and 1920 x 1080.
#include <QChart>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>

#include "mainwindow/OverviewChart.h"
#include "operations/Inc.h"
#include "operations/Roads.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/PictureStands.h"
#include "ui/EstateChart.h"
#include "ui/Session.h"

using namespace testsupport;

namespace {

class PagesAndLayout : public MainWindowTest {
 protected:
  // The model estate as the build wrote it, beside the program folder.
  void LayOutModelEstate() {
    model_ = LayOutProgramFolder("Mallitila");
    const QDir built(QString::fromUtf8(NORVALEN_MODEL_ESTATE_DIR));
    for (const QString& name : built.entryList(QDir::Files))
      ASSERT_TRUE(QFile::copy(built.filePath(name), model_ + "/" + name));
  }
  QString PathOf(const QString& id) const { return model_ + "/" + id + "." + CommonlanText(0); }
  // A stand of the open stand's estate opened from the stand list: its
  // preview, then Open.
  void OpenFromList(const QString& id) {
    const int row = Rows(ActForm->FileListBox1).indexOf(id + "." + CommonlanText(0));
    ASSERT_GE(row, 0) << id.toStdString();
    EXPECT_TRUE(InModal([] { return OpenForm->isVisible() && OpenForm->Activated; },
                        [] { Click(OpenForm->Button3); }, [row] { ClickRow(ActForm->ListBox1, row); }));
    ASSERT_EQ(Stand().TitleText(0), id);
  }
  static bool PicturePagesShown() {
    return ActForm->PageControl2->isTabVisible(0) && ActForm->PageControl2->isTabVisible(1);
  }
  static bool PicturePagesHidden() {
    return !ActForm->PageControl2->isTabVisible(0) && !ActForm->PageControl2->isTabVisible(1);
  }
  static QWidget* Page() { return ActForm->PageControl2->currentWidget(); }
  static void Shot(const QString& name) { testsupport::Shot(ActForm, name); }
  // Whether a control is shown on its page (whichever page is active).
  static bool IsOn(QWidget* w) { return w->isVisibleTo(w->parentWidget()); }
  QString model_;
};

}  // namespace

TEST_F(PagesAndLayout, TreelessAndSeedlingStandsHideThePicturePagesUntilAStandWithTreesComes) {
  for (QSize screen : {QSize(1100, 700), QSize(1366, 768), QSize(1920, 1080)}) {
    const int w = screen.width();
    SCOPED_TRACE(w);
    LayOutModelEstate();
    StartProgram(w, screen.height());
    ASSERT_TRUE(ActForm->Started());
    TActForm* f = ActForm;
    // Stand 9 (a thinning, then ten years of growth): both picture pages,
    // the stand view in front, its after-picture drawn at once.
    ASSERT_TRUE(LoadStandFile(0, PathOf("9"), true));
    EXPECT_TRUE(PicturePagesShown());
    EXPECT_EQ(Page(), f->TabSheet8);
    EXPECT_TRUE(f->Image3->isVisible() && f->Image1->isVisible() && f->Image6->isVisible());
    // The frame around the cutting-stage list: a black line on the card's
    // colour.
    const QImage frame = f->Image8->pixmap().toImage();
    ASSERT_EQ(frame.size(), f->Image8->size());
    EXPECT_EQ(std::pair(QColor(frame.pixel(0, 0)), QColor(frame.pixel(1, 1))),
              std::pair(QColor(Qt::black), PaletteColor(7)));
    Shot(QStringLiteral("pages_stand_view_%1.png").arg(w));
    ClickTab(f->PageControl2, f->TabSheet6);
    Shot(QStringLiteral("pages_overview_%1.png").arg(w));
    ClickTab(f->PageControl2, f->TabSheet8);

    // The treeless stand 1: no picture pages, the overview page in front.
    OpenFromList("1");
    EXPECT_TRUE(PicturePagesHidden());
    EXPECT_EQ(Page(), f->TabSheet6);
    EXPECT_TRUE(!f->ListBox3->isEnabled() && f->Panel14->isVisible() && !IsOn(f->BitBtn6));
    EXPECT_EQ(f->PageControl2->tabBar()->tabAt(f->PageControl2->tabBar()->rect().topLeft() + QPoint(4, 4)), 2);
    Shot(QStringLiteral("pages_treeless_%1.png").arg(w));
    // The small seedling stand 2 neither.
    OpenFromList("2");
    EXPECT_TRUE(PicturePagesHidden());
    EXPECT_EQ(Page(), f->TabSheet6);

    // Stand 9 again: the picture pages come back, the page that was in front
    // stays; a click on the stand view draws its pictures.
    OpenFromList("9");
    EXPECT_TRUE(PicturePagesShown());
    EXPECT_EQ(Page(), f->TabSheet6);
    EXPECT_TRUE(f->ListBox3->isEnabled());
    ClickTab(f->PageControl2, f->TabSheet8);
    EXPECT_TRUE(f->Image3->isVisible() && f->Image1->isVisible() && f->ComboBox28->isVisible());
    ClickTab(f->PageControl2, f->TabSheet9);
    EXPECT_TRUE(f->Image10->isVisible() && f->Image9->isVisible() && f->Image7->isVisible());

    TheSession->CurrentStand.reset();
    DestroyApplicationWindows();
    SetCurrentPhase(0);
    QDir(model_).removeRecursively();
  }
}

TEST_F(PagesAndLayout, HeadingMarkersComeOnlyWithAnAfterPicture) {
  StartProgram();
  TActForm* f = ActForm;
  auto stand = picturestands::MakeStand(picturestands::kYoung, 5);
  stand->Header.standId = "4";
  ActivateStand(std::move(stand), 0);
  // Strip roads "ei uria": a step, but nothing removed and nothing grown.
  ASSERT_TRUE(InModal(Shown(RoadForm), [] {
    ClickItem(Child<TRadioGroup>(RoadForm, "RadioGroup2"), 0);
    Click(Child(RoadForm, "BitBtn1"));
  }, [f] { Click(f->Button5); }));
  ASSERT_EQ(CurrentPhase(), 1);
  EXPECT_FALSE(IsOn(f->Image1) || IsOn(f->Image6) || IsOn(f->Label2) || IsOn(f->Label222));
  ClickTab(f->PageControl2, f->TabSheet9);
  EXPECT_FALSE(IsOn(f->Image9) || IsOn(f->Image7) || IsOn(f->Label5));
  ClickTab(f->PageControl2, f->TabSheet8);
  // Winter and back: the marker stays away with its picture.
  Click(f->Label22);
  EXPECT_TRUE(f->CheckBox21->isChecked());
  EXPECT_FALSE(IsOn(f->Image6) || IsOn(f->Image1));
  Click(f->Label22);

  // Undone, then roads cut: the after-picture with its marker on both pages.
  ClickUndo();
  ASSERT_TRUE(InModal(Shown(RoadForm), [] { Click(Child(RoadForm, "BitBtn1")); }, [f] { Click(f->Button5); }));
  EXPECT_TRUE(IsOn(f->Image1) && IsOn(f->Image6) && IsOn(f->Label2));
  ClickTab(f->PageControl2, f->TabSheet9);
  EXPECT_TRUE(IsOn(f->Image9) && IsOn(f->Image7));
}

TEST_F(PagesAndLayout, TreeGroupAndRemovalSampleRedrawTheStandViewThemselves) {
  auto stand = picturestands::MakeStand(picturestands::kMiddle, 3);
  StartProgram();
  TActForm* f = ActForm;
  ActivateStand(std::move(stand), 0);
  CommitCutting("Alaharvennus", 3);
  ASSERT_EQ(Page(), f->TabSheet8);
  ASSERT_TRUE(f->Image1->isVisible());
  // The redraws of the options leave the growth forecast as it was.
  IncForm->NeedsRecompute = false;
  f->CloseBeforePictureDirty = f->CloseAfterPictureDirty = false;
  const QImage before = f->Image3->pixmap().toImage(), after = f->Image1->pixmap().toImage();
  f->ComboBox28->setFocus();
  QTest::keyClick(f->ComboBox28, Qt::Key_Down);  // log trees
  ASSERT_EQ(f->TreeGroupIndex, 1);
  EXPECT_NE(f->Image3->pixmap().toImage(), before);
  EXPECT_NE(f->Image1->pixmap().toImage(), after);
  EXPECT_TRUE(f->Image3->isVisible() && f->ComboBox28->isVisible() && f->CheckBox33->isVisible());
  EXPECT_TRUE(f->CloseBeforePictureDirty && f->CloseAfterPictureDirty);
  EXPECT_FALSE(IncForm->NeedsRecompute);
  QTest::keyClick(f->ComboBox28, Qt::Key_Up);
  // The removal sample: the after-picture without its sky.
  f->CloseAfterPictureDirty = false;
  Tick(f->CheckBox33);
  const QImage removal = f->Image1->pixmap().toImage();
  EXPECT_EQ(QColor(removal.pixel(removal.width() / 2, 8)), QColor(Qt::black));
  EXPECT_TRUE(f->CloseAfterPictureDirty && f->Image6->isVisible());
  EXPECT_FALSE(IncForm->NeedsRecompute);
}

TEST_F(PagesAndLayout, SpeciesLegendIsAColumnUnderTheMeasuredMap) {
  StartProgram();
  TActForm* f = ActForm;
  QLabel* names[5] = {f->Label33, f->Label32, f->Label31, f->Label25, f->Label26};
  QLabel* dots[5] = {f->Label34, f->Label35, f->Label36, f->Label351, f->Label361};
  // No alder: rows from the frame's bottom edge, each the name's height - 4
  // below the one before and one pixel lower still; alder's row hidden.
  ActivateStand(picturestands::MakeStand(picturestands::kOld, 2), 0);
  ClickTab(f->PageControl2, f->TabSheet6);
  const int bottom = f->Image131->y() + f->Image131->height();
  const int h = f->Label33->height();
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(k);
    EXPECT_TRUE(IsOn(names[k]) && IsOn(dots[k]));
    EXPECT_EQ(names[k]->y(), bottom + k * (h - 4) + k);
    EXPECT_EQ(names[k]->height(), h);
    EXPECT_EQ(dots[k]->x(), f->Image131->x() - 2);
    EXPECT_EQ(names[k]->x(), dots[k]->x() + dots[k]->width() + 5);
  }
  EXPECT_FALSE(IsOn(names[4]) || IsOn(dots[4]));
  EXPECT_TRUE(names[0]->text().startsWith(QString::fromUtf8("mänty")));
  Shot("legend_four_species_1366.png");
  // All five species: one pixel higher, rows the name's height - 4 apart,
  // every row inside the page.
  ActivateStand(picturestands::MakeStand(picturestands::kMiddle, 3), 0);
  for (int k = 0; k < 5; ++k) {
    SCOPED_TRACE(k);
    EXPECT_TRUE(IsOn(names[k]));
    EXPECT_EQ(names[k]->y(), bottom - 1 + k * (h - 4));
    EXPECT_TRUE(f->Panel3->rect().contains(names[k]->geometry()) && f->Panel3->rect().contains(dots[k]->geometry()));
  }
}

TEST_F(PagesAndLayout, TimberSalePanelTakesItsWidthAndPlaceFromTheCard) {
  // 1366 x 768 (a window 728 high): the cutting-stage list at 190, its frame
  // at 186. Without a removal 0.5 x 186 = 93 wide at (190 - 93) x 0.49 =
  // 47.53; with one 0.65 x 186 = 120.9 at (190 - 120) x 0.49 = 34.3.
  StartProgram();
  TActForm* f = ActForm;
  ActivateStand(picturestands::MakeStand(picturestands::kMiddle, 3), 0);
  ASSERT_EQ(std::pair(f->ListBox3->x(), f->Image8->x()), std::pair(190, 186));
  EXPECT_EQ(std::pair(f->Panel11->x(), f->Panel11->width()), std::pair(47, 93));
  CommitCutting("Alaharvennus", 3);
  EXPECT_EQ(std::pair(f->Panel11->x(), f->Panel11->width()), std::pair(34, 120));
  // Above the bottom row, under the card's labels, clear of every button.
  EXPECT_GT(f->Panel11->y(), f->Label15->geometry().bottom());
  for (QWidget* b : std::initializer_list<QWidget*>{f->Panel10, f->Button12, f->Button3})
    EXPECT_FALSE(f->Panel11->geometry().intersects(b->geometry())) << b->objectName().toStdString();
  TheSession->CurrentStand.reset();
  DestroyApplicationWindows();
  SetCurrentPhase(0);

  // 1280 x 720 (a window 700 high, height class 1): the list at 175, its
  // frame at 171; 0.7 x 171 = 119.7 at (175 - 119) x 0.49 = 27.44.
  StartProgram(1280, 720);
  f = ActForm;
  ActivateStand(picturestands::MakeStand(picturestands::kMiddle, 3), 0);
  CommitCutting("Alaharvennus", 3);
  EXPECT_EQ(std::pair(f->Panel11->x(), f->Panel11->width()), std::pair(27, 119));
}

TEST_F(PagesAndLayout, SmallWindowsTakeNarrowLettersAndNarrowerCharts) {
  struct Case {
    int w;
    const char* caption;      // the family of the caption over the maps
    OverviewChartFonts fonts;
  };
  for (const Case& c : {Case{1024, "Liberation Sans Narrow", {7, 7, 8}}, Case{1100, "Liberation Sans Narrow", {0, 0, 9}},
                        Case{1366, "Carlito", {}}}) {
    SCOPED_TRACE(c.w);
    if (c.w < 1100) script_.Answer(1);  // start on the small screen
    StartProgram(c.w, c.w == 1100 ? 700 : 768);
    ASSERT_TRUE(ActForm->Started());
    TActForm* f = ActForm;
    ActivateStand(picturestands::MakeStand(picturestands::kMiddle, 3), 0);
    ClickTab(f->PageControl2, f->TabSheet6);
    EXPECT_EQ(QFontInfo(f->Label6->font()).family(), QString(c.caption));
    EXPECT_EQ(QFontInfo(f->ListBox1->font()).family(), QString(c.caption));
    EXPECT_EQ(std::pair(f->Chart3->SmallWindowFonts(), f->Chart4->SmallWindowFonts()), std::pair(c.fonts, c.fonts));
    // The measured map centred with the lower chart left of the options.
    const int shared = f->ListBox2->x();
    EXPECT_EQ(f->Image13->x(),
              static_cast<int>((shared - (f->Image13->width() + f->Chart3->width() + 8)) * 0.5));
    EXPECT_EQ(f->Chart3->x(), f->Image13->x() + f->Image13->width() + 8);
    // The recommendation panel in palette colour 27.
    EXPECT_EQ(f->Panel12->palette().color(QPalette::Button), PaletteColor(27));
    // The letters applied: the heading of the characteristics, then the
    // species chart's bar names (and its heading, when not of its own).
    const auto pointSize = [f](const char* label) { return Child<QLabel>(f->Chart3, label)->font().pointSize(); };
    if (c.fonts.headingPoints > 0) {
      EXPECT_EQ(pointSize("HorizBarSeries1Head"), c.fonts.headingPoints);
    }
    ClickRow(f->ListBox2, 2);
    if (c.fonts.barNamePoints > 0) {
      EXPECT_EQ(pointSize("BarSeries2Head"), c.fonts.headingPoints > 0 ? c.fonts.headingPoints : c.fonts.barNamePoints);
    }
    ClickRow(f->ListBox2, 0);
    if (c.w == 1024) {
      // The lower chart 48 narrower in the wide view; in the narrow view as
      // narrow as its footer allows.
      EXPECT_EQ(f->Chart3->width(), 170);
      Tick(f->CheckBox15);
      EXPECT_EQ(f->Chart3->width(), f->Chart4->width() - 48);
      EXPECT_EQ(f->Image13->x(), f->Image11->x() + 24);
      Tick(f->CheckBox15);
    } else {
      EXPECT_EQ(f->Chart3->geometry(), f->Chart4->geometry().translated(0, f->Chart3->y() - f->Chart4->y()));
    }
    Shot(QStringLiteral("small_overview_%1.png").arg(c.w));
    TheSession->CurrentStand.reset();
    DestroyApplicationWindows();
    SetCurrentPhase(0);
  }
}

TEST(OverviewChartExtents, MarginsAndAxisExtentsOfTheHorizontalBars) {
  // A chart 400 x 200 without texts: the heading from 4 + 1 % of 200 = 6,
  // the bars from 12; the room left of 12 and right of 8 is 380 wide, above
  // the bottom margin (4 and, without the footer, 1 % of 200) 182 or 184
  // high. Bottom axis 5-95: 380 x 5 % = 19 on each side.
  TOverviewChart chart(nullptr, "Chart3", "HorizBarSeries1", "BarSeries2");
  chart.resize(400, 200);
  const auto margins = [&chart](int content, int height) {
    chart.Prepare(PrepareOverviewChart(content, height));
    return chart.ActiveSeries()->chart()->margins();
  };
  // Assortments: left axis 1-99, 182 x 1 % = 1 above and below.
  EXPECT_EQ(margins(ChartStockAssortments, 752), QMargins(31, 13, 27, 7));
  // Characteristics, the footer shown (no bottom margin): 184 high; 2-98 in
  // height class 2, 3 above and 3 below; 2-89 otherwise, 20 below.
  EXPECT_EQ(margins(ChartCharacteristics, 728), QMargins(31, 15, 27, 7));
  EXPECT_EQ(margins(ChartCharacteristics, 752), QMargins(31, 15, 27, 24));
}
