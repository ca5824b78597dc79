// The main window's pages and the layout around them, driven by clicks: the
// picture pages of a treeless area and a small seedling stand and their
// return, the heading markers, the stand view redrawn for its options, the
// species legend's column, the timber-sale panel's place, the small windows'
// letters and chart widths, and the overview charts' margins and axis extents.
#include <QChart>
#include <QFile>
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
  TActForm* Open(const picturestands::Measured& m, unsigned seed, int w = 1366, int h = 768) {
    StartProgram(w, h);
    ActivateStand(picturestands::MakeStand(m, seed), 0);
    return ActForm;
  }
  // Whether a control is shown on its page (whichever page is active).
  static bool IsOn(QWidget* w) { return w->isVisibleTo(w->parentWidget()); }
};

}  // namespace

TEST_F(PagesAndLayout, TreelessAndSeedlingStandsHideThePicturePagesUntilAStandWithTreesComes) {
  // The model estate as the build wrote it, its stands opened from the stand
  // list through the open-stand window.
  const QString model = LayOutProgramFolder("Mallitila");
  const QDir built(QString::fromUtf8(NORVALEN_MODEL_ESTATE_DIR));
  for (const QString& name : built.entryList(QDir::Files))
    ASSERT_TRUE(QFile::copy(built.filePath(name), model + "/" + name));
  StartProgram();
  TActForm* f = ActForm;
  QTabWidget* pages = f->PageControl2;
  const auto open = [f, pages](const QString& id) {
    const int row = Rows(f->FileListBox1).indexOf(id + "." + CommonlanText(0));
    EXPECT_TRUE(ThroughOpenWindow("Button3", [f, row] { ClickRow(f->ListBox1, row); }));
    EXPECT_EQ(TheSession->CurrentStand->TitleText(0), id);
    // What the dialogs read of the page shown follows the window's own change.
    EXPECT_EQ(TheSession->OverviewPageShown, pages->currentWidget() == f->TabSheet6) << id.toStdString();
    return std::tuple(pages->isTabVisible(0), pages->isTabVisible(1), pages->currentWidget());
  };
  // Stand 9 (a thinning, then ten years of growth): both picture pages, the
  // stand view in front, its after-picture drawn at once; the cutting-stage
  // list framed by a black line on the card's colour.
  ASSERT_TRUE(LoadStandFile(0, model + "/9." + CommonlanText(0), true));
  EXPECT_EQ(std::tuple(pages->isTabVisible(0), pages->isTabVisible(1), pages->currentWidget()),
            std::tuple(true, true, f->TabSheet8));
  EXPECT_TRUE(f->Image3->isVisible() && f->Image1->isVisible() && f->Image6->isVisible());
  const QImage frame = f->Image8->pixmap().toImage();
  EXPECT_EQ(std::pair(QColor(frame.pixel(0, 0)), QColor(frame.pixel(1, 1))), std::pair(QColor(Qt::black), PaletteColor(7)));
  // The treeless stand 1 and the small seedling stand 2: no picture pages,
  // the overview page in front, no help from the stand before.
  for (const char* id : {"1", "2"}) {
    EXPECT_EQ(open(id), std::tuple(false, false, f->TabSheet6)) << id;
    EXPECT_TRUE(!f->ListBox3->isEnabled() && f->Panel14->isVisible() && !IsOn(f->BitBtn6)) << id;
  }
  // Stand 9 again: the picture pages back, the page in front stays; a click
  // on either draws its pictures.
  EXPECT_EQ(open("9"), std::tuple(true, true, f->TabSheet6));
  ClickTab(pages, f->TabSheet8);
  EXPECT_TRUE(f->Image3->isVisible() && f->Image1->isVisible() && f->ComboBox28->isVisible());
  ClickTab(pages, f->TabSheet9);
  EXPECT_TRUE(f->Image10->isVisible() && f->Image9->isVisible() && f->Image7->isVisible());
}

TEST_F(PagesAndLayout, HeadingMarkersComeOnlyWithAnAfterPicture) {
  TActForm* f = Open(picturestands::kYoung, 5);
  const auto roads = [f](bool none) {
    ASSERT_TRUE(InModal(Shown(RoadForm), [none] {
      if (none) ClickItem(Child<TRadioGroup>(RoadForm, "RadioGroup2"), 0);
      Click(Child(RoadForm, "BitBtn1"));
    }, [f] { Click(f->Button5); }));
  };
  // Strip roads "ei uria": a step, but nothing removed and nothing grown.
  roads(true);
  ASSERT_EQ(CurrentPhase(), 1);
  EXPECT_FALSE(IsOn(f->Image1) || IsOn(f->Image6) || IsOn(f->Label2) || IsOn(f->Label222));
  ClickTab(f->PageControl2, f->TabSheet9);
  EXPECT_FALSE(IsOn(f->Image9) || IsOn(f->Image7) || IsOn(f->Label5));
  ClickTab(f->PageControl2, f->TabSheet8);
  // The winter box's caption ticks it: the pictures drawn for winter, the
  // marker still away with its picture.
  const QImage summer = f->Image3->pixmap().toImage();
  Click(f->Label22);
  EXPECT_TRUE(f->CheckBox21->isChecked() && f->Image3->pixmap().toImage() != summer);
  EXPECT_FALSE(IsOn(f->Image6) || IsOn(f->Image1));
  Click(f->Label22);
  // Undone, then roads cut: the after-picture with its marker on both pages.
  ClickUndo();
  roads(false);
  EXPECT_TRUE(IsOn(f->Image1) && IsOn(f->Image6) && IsOn(f->Label2));
  ClickTab(f->PageControl2, f->TabSheet9);
  EXPECT_TRUE(IsOn(f->Image9) && IsOn(f->Image7));
}

TEST_F(PagesAndLayout, TimberSalePanelTreeGroupAndRemovalSampleAfterACutting) {
  // 1366 x 768: the cutting-stage list at 190, its frame at 186. The
  // timber-sale panel without a removal 0.5 x 186 = 93 wide at
  // trunc((190 - 93) x 0.49) = 47; with one 0.65 x 186 = 120 at 34, under
  // the card's labels, clear of every button.
  TActForm* f = Open(picturestands::kMiddle, 3);
  ASSERT_EQ(std::pair(f->ListBox3->x(), f->Image8->x()), std::pair(190, 186));
  EXPECT_EQ(std::pair(f->Panel11->x(), f->Panel11->width()), std::pair(47, 93));
  CommitCutting("Alaharvennus", 3);
  EXPECT_EQ(std::pair(f->Panel11->x(), f->Panel11->width()), std::pair(34, 120));
  EXPECT_GT(f->Panel11->y(), f->Label15->geometry().bottom());
  for (QWidget* b : std::initializer_list<QWidget*>{f->Panel10, f->Button12, f->Button3})
    EXPECT_FALSE(f->Panel11->geometry().intersects(b->geometry())) << b->objectName().toStdString();
  // Another tree group redraws the stand view itself: the close-up's
  // pictures marked, the growth forecast left.
  IncForm->NeedsRecompute = false;
  f->CloseBeforePictureDirty = f->CloseAfterPictureDirty = false;
  const QImage before = f->Image3->pixmap().toImage(), after = f->Image1->pixmap().toImage();
  f->ComboBox28->setFocus();
  QTest::keyClick(f->ComboBox28, Qt::Key_Down);  // log trees
  EXPECT_TRUE(f->Image3->pixmap().toImage() != before && f->Image1->pixmap().toImage() != after);
  EXPECT_TRUE(f->Image3->isVisible() && f->ComboBox28->isVisible() && f->CheckBox33->isVisible());
  EXPECT_TRUE(f->CloseBeforePictureDirty && f->CloseAfterPictureDirty);
  QTest::keyClick(f->ComboBox28, Qt::Key_Up);
  // So does the removal sample: the after-picture without its sky.
  f->CloseAfterPictureDirty = false;
  Tick(f->CheckBox33);
  const QImage removal = f->Image1->pixmap().toImage();
  EXPECT_EQ(QColor(removal.pixel(removal.width() / 2, 8)), QColor(Qt::black));
  EXPECT_TRUE(f->CloseAfterPictureDirty && f->Image6->isVisible() && !IncForm->NeedsRecompute);
}

TEST_F(PagesAndLayout, SpeciesLegendIsAColumnUnderTheMeasuredMap) {
  StartProgram();
  TActForm* f = ActForm;
  QLabel* names[5] = {f->Label33, f->Label32, f->Label31, f->Label25, f->Label26};
  QLabel* dots[5] = {f->Label34, f->Label35, f->Label36, f->Label351, f->Label361};
  // Rows from the frame's bottom edge, the name's height - 4 apart. Without
  // alder its row hidden and each row after the first one pixel lower still;
  // all five species one pixel higher.
  for (auto [m, seed, shown, lift, spread] :
       {std::tuple(picturestands::kOld, 2, 4, 0, 1), std::tuple(picturestands::kMiddle, 3, 5, -1, 0)}) {
    SCOPED_TRACE(shown);
    ActivateStand(picturestands::MakeStand(m, seed), 0);
    ClickTab(f->PageControl2, f->TabSheet6);
    const int bottom = f->Image131->y() + f->Image131->height(), h = f->Label33->height();
    for (int k = 0; k < 5; ++k) {
      EXPECT_EQ(std::pair(IsOn(names[k]), IsOn(dots[k])), std::pair(k < shown, k < shown)) << k;
      if (k == shown) break;
      EXPECT_EQ(names[k]->y(), bottom + lift + k * (h - 4 + spread)) << k;
      EXPECT_EQ(std::pair(dots[k]->x(), names[k]->x()), std::pair(f->Image131->x() - 2, dots[k]->x() + dots[k]->width() + 5));
      EXPECT_TRUE(f->Panel3->rect().contains(names[k]->geometry()) && f->Panel3->rect().contains(dots[k]->geometry()));
    }
  }
}

TEST_F(PagesAndLayout, SmallWindowsTakeNarrowLettersAndNarrowerCharts) {
  // Windows 700 high, 1024 and 1100 wide: the narrow caption over the maps.
  struct Case {
    int w;
    OverviewChartFonts fonts;
  };
  for (const Case& c : {Case{1024, {7, 7, 8}}, Case{1100, {0, 0, 9}}}) {
    SCOPED_TRACE(c.w);
    if (c.w < 1100) script_.Answer(1);  // start on the small screen
    TActForm* f = Open(picturestands::kMiddle, 3, c.w, c.w == 1100 ? 700 : 768);
    ClickTab(f->PageControl2, f->TabSheet6);
    EXPECT_EQ(QFontInfo(f->Label6->font()).family(), QString("Liberation Sans Narrow"));
    EXPECT_EQ(std::pair(f->Chart3->SmallWindowFonts(), f->Chart4->SmallWindowFonts()), std::pair(c.fonts, c.fonts));
    EXPECT_EQ(f->Panel12->palette().color(QPalette::Button), PaletteColor(27));
    // The measured map centred with the lower chart in the page, the
    // options right-aligned to the chart.
    EXPECT_EQ(f->Image13->x(), static_cast<int>((f->Panel3->width() - (f->Image13->width() + f->Chart3->width() + 8)) * 0.5));
    EXPECT_EQ(f->ListBox2->geometry().right(), f->Chart3->geometry().right() - 6);
    // The letters applied: the characteristics' heading (where it has its
    // own size), then the species chart's heading.
    const auto points = [f](const char* label) { return Child<QLabel>(f->Chart3, label)->font().pointSize(); };
    const int heading = points("HorizBarSeries1Head");
    ClickRow(f->ListBox2, 2);
    EXPECT_EQ(std::pair(heading == c.fonts.headingPoints, points("BarSeries2Head")),
              std::pair(c.fonts.headingPoints > 0, c.fonts.headingPoints > 0 ? c.fonts.headingPoints : c.fonts.barNamePoints));
    ClickRow(f->ListBox2, 0);
    if (c.w == 1024) {
      // The lower chart 48 narrower, in the narrow view and in the wide.
      EXPECT_EQ(f->Chart3->width(), f->Chart4->width() - 48);
      Tick(f->CheckBox15);
      EXPECT_EQ(std::pair(f->Chart3->width(), f->Image13->x()), std::pair(f->Chart4->width() - 48, f->Image11->x() + 24));
      Tick(f->CheckBox15);
    } else {
      EXPECT_EQ(std::pair(f->Chart3->x(), f->Chart3->width()), std::pair(f->Chart4->x(), f->Chart4->width()));
    }
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
