// The stand picture drawn into images and into the main window: what must be
// in the picture (ground by season, a sky or none, the moose, nearer trees
// over those behind, the tree filters), the pictures of the stand-view and
// close-up pages, and screenshots of mixed stands for a person to look at.
#include <QPainter>

#include "mainwindow/StandPicture.h"
#include "ui/StandPicture.h"
#include "model/Sample.h"
#include "platform/Clock.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/PictureStands.h"
#include "ui/Bitmaps.h"
#include "ui/ProgBar.h"
#include "ui/Session.h"

using namespace testsupport;

namespace {

const QColor kSummerGround(137, 137, 35);
const QColor kWinterGround(229, 242, 255);

QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y).toRgb(); }

// A stand of the given trees: (x, y, height cm, species, removing phase).
struct Tree {
  float x, y, heightCm;
  int species;
  int removedBy;
};
std::unique_ptr<data> StandOf(std::initializer_list<Tree> trees) {
  auto stand = std::make_unique<data>(0);
  for (const Tree& t : trees)
    stand->Trees.push_back(TreeRecord{t.x, t.y, t.heightCm * 1.2f, t.heightCm, t.removedBy, t.species, {}});
  stand->Header.developmentClass = 5;
  return stand;
}
std::unique_ptr<data> NoTrees() { return std::make_unique<data>(0); }

// How a picture is drawn: season, before or after the step, the removal
// view, the close-up, the tree filter, the basal area and the image size.
struct View {
  bool winter = false, before = true, removal = false, closeUp = false;
  int filter = TreeFilterAll;
  float G = 20.0f;
  QSize size{800, 180};
};

class StandPicture : public testsupport::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    StartProgram();
  }
  // The main window showing the open stand at that phase, as a stand
  // activation leaves it.
  void Activate(std::unique_ptr<data> stand, int phase) {
    SetCurrentPhase(phase);
    ActivateStand(std::move(stand), 0, 2);
  }
  // The first n trees of the open stand (or of the measurement sample)
  // drawn into an image.
  static QImage Draw(const int counts[kSpeciesSlots], int n, const View& v, const SampleViewFilter& sample = {}) {
    QImage image(v.size, QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(RenderStandPicture(ActForm->WindowSize(), ActForm, image, counts, n, v.G, v.winter, v.before, v.removal,
                                 v.closeUp, v.filter, sample),
              v.removal);
    return image;
  }
  static QImage Render(std::unique_ptr<data> stand, const View& v = {}) {
    int counts[kSpeciesSlots] = {};
    stand->CountStandingBySpecies(100, counts);
    const int n = stand->TreeCount();
    TheSession->CurrentStand = std::move(stand);
    const QImage image = Draw(counts, n, v);
    TheSession->CurrentStand.reset();
    return image;
  }
};

// Share of the opaque pixels of a picture that match a colour test.
template <typename Test>
double ShareOf(const QImage& image, Test test) {
  int opaque = 0, hits = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.alpha() < 200) continue;
      ++opaque;
      if (test(c)) ++hits;
    }
  return opaque ? static_cast<double>(hits) / opaque : 0;
}
bool IsSnow(const QColor& c) { return c.red() > 220 && c.green() > 225 && c.blue() > 230; }
bool IsGreen(const QColor& c) { return c.green() > c.red() + 12 && c.green() > c.blue() + 12; }
bool IsOrangeBark(const QColor& c) { return c.red() > 170 && c.green() > 80 && c.green() < 160 && c.blue() < 100; }
bool IsWhiteBark(const QColor& c) { return c.red() > 225 && c.green() > 225 && c.blue() > 215 && !IsSnow(c); }

// Share of pixels whose opacity differs clearly between two pictures.
double Difference(const QImage& a, const QImage& b) {
  const QImage bs = b.scaled(a.size());
  int differ = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (std::abs(a.pixelColor(x, y).alpha() - bs.pixelColor(x, y).alpha()) > 100) ++differ;
  return static_cast<double>(differ) / (a.width() * a.height());
}

}  // namespace

TEST(Bitmaps, EveryPictureIsThereWithItsTransparencyAndLooksItsPart) {
  const QStringList trees = {"HAAPA1", "HAAPA2", "KOIVU1", "KOIVU11", "KOIVU2", "KUUSI1", "KUUSI11", "KUUSI2",
                             "LEPPA1", "LEPPA2", "MANTY1", "MANTY11", "MANTY2"};
  QStringList all = trees + QStringList{"BG1", "BG2", "HIRVI1BITMAP", "HIRVI2BITMAP"};
  all.sort();
  EXPECT_EQ(BitmapResourceNames(), all);
  EXPECT_TRUE(LoadBitmapResource("KUUSI3").isNull());
  for (const QString& name : trees + QStringList{"HIRVI1BITMAP", "HIRVI2BITMAP"}) {
    SCOPED_TRACE(name.toStdString());
    const QImage image = LoadBitmapResource(name);
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(image.hasAlphaChannel());
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(image.pixelColor(image.width() - 1, 0).alpha(), 0);
    // Stands on the bottom edge: a tree on the foot of its stem at the
    // centre, a moose on its legs, the animal as a whole centred.
    double sum = 0;
    int opaque = 0, left = image.width(), right = -1;
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, image.height() - 1).alpha() > 128) sum += x, ++opaque;
      for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(x, y).alpha() > 128) left = std::min(left, x), right = std::max(right, x);
    }
    ASSERT_GT(opaque, 0);
    const double middle = name.startsWith("HIRVI") ? (left + right) / 2.0 : sum / opaque;
    EXPECT_NEAR(middle, image.width() / 2.0, image.width() * 0.08);
  }
  for (const char* sky : {"BG1", "BG2"}) EXPECT_EQ(LoadBitmapResource(sky).pixelColor(0, 0).alpha(), 255) << sky;
  // Pine: the orange upper stem; spruce: dark green; birch: the white stem;
  // snow on the winter conifers; leaves in summer, bare in winter; the
  // alternate bitmaps differ visibly from the defaults.
  auto load = [](const char* n) { return LoadBitmapResource(QString::fromLatin1(n)); };
  EXPECT_GT(ShareOf(load("MANTY1"), IsOrangeBark), 0.01);
  EXPECT_GT(ShareOf(load("MANTY11"), IsOrangeBark), 0.01);
  EXPECT_GT(ShareOf(load("KUUSI1"), IsGreen), 0.6);
  EXPECT_GT(ShareOf(load("KOIVU1"), IsWhiteBark), 0.01);
  EXPECT_GT(ShareOf(load("KOIVU2"), IsWhiteBark), 0.03);
  for (const char* winter : {"MANTY2", "KUUSI2"}) EXPECT_GT(ShareOf(load(winter), IsSnow), 0.08) << winter;
  for (const char* summer : {"MANTY1", "KUUSI1"}) EXPECT_LT(ShareOf(load(summer), IsSnow), 0.01) << summer;
  for (const char* summer : {"KOIVU1", "HAAPA1", "LEPPA1"}) EXPECT_GT(ShareOf(load(summer), IsGreen), 0.5) << summer;
  for (const char* winter : {"KOIVU2", "HAAPA2", "LEPPA2"}) EXPECT_LT(ShareOf(load(winter), IsGreen), 0.02) << winter;
  for (const char* tree : {"MANTY1", "KUUSI1", "KOIVU1"})
    EXPECT_GT(Difference(load(tree), LoadBitmapResource(QString::fromLatin1(tree) + "1")), 0.08) << tree;
}

TEST_F(StandPicture, GroundBySeasonSkyBorderAndProgressWindow) {
  std::vector<QString> captions;
  platform::SetPauseFunction([&](int) {
    if (ProgBarForm) captions.push_back(ProgBarForm->windowTitle());
  });
  const long long paused = platform::PausedMilliseconds();
  for (bool winter : {false, true}) {
    for (bool closeUp : {false, true}) {
      SCOPED_TRACE(std::to_string(winter) + std::to_string(closeUp));
      const QImage image = Render(NoTrees(), {.winter = winter, .closeUp = closeUp});
      const int band = closeUp ? 25 : 20;
      const QColor ground = winter ? kWinterGround : kSummerGround;
      EXPECT_EQ(std::pair(At(image, 400, 180 - band / 2), At(image, 400, 180 - 3)), std::pair(ground, ground));
      // The band's top edge and the picture's border are black.
      for (const QPoint p : {QPoint(400, 180 - band), QPoint(0, 90), QPoint(799, 90), QPoint(400, 0)})
        EXPECT_EQ(At(image, p.x(), p.y()), QColor(Qt::black)) << p.x() << "," << p.y();
      // A sky: light and bluish.
      const QColor sky = At(image, 400, 10);
      EXPECT_TRUE(sky.blue() > sky.red() && sky.lightness() > 90);
    }
  }
  // The progress window was shown while drawing, gone afterwards; each
  // drawing ends with a 25 ms pause.
  EXPECT_EQ(platform::PausedMilliseconds() - paused, 4 * 25);
  ASSERT_FALSE(captions.empty());
  EXPECT_TRUE(captions.front().contains("Piirretään puita ...") && ProgBarForm == nullptr);
  platform::SetPauseFunction([](int) {});
}

TEST_F(StandPicture, RemovalViewHasNoSkyAndNoMoose) {
  const int w = 1000, h = 200;
  const View view{.size = {w, h}}, removalView{.before = false, .removal = true, .size = {w, h}};
  const StandPictureScales sc = PictureScales(false, false, ActForm->GetMainWindowSize('x'),
                                              ActForm->GetMainWindowSize('y'), 20.0f);
  // One tree at the front right, far from both moose; it stands behind plot
  // y 129, so both moose are drawn with it.
  const QImage empty = Render(NoTrees(), view);
  const QImage withMoose = Render(StandOf({{600, 190, 1500, 1, 1}}), view);
  // The same tree removed by the cutting of phase 1, shown as the removal.
  SetCurrentPhase(1);
  const QImage removal = Render(StandOf({{600, 190, 1500, 1, 1}}), removalView);
  // Share of a moose's place that differs from the empty picture.
  auto mooseShare = [&](const QImage& image, const MoosePoint& m) {
    const PictureRect r = MooseRect(false, w, h, sc, m.x, m.y);
    int changed = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) changed += At(image, x, y) != At(empty, x, y);
    return static_cast<double>(changed) / ((r.right - r.left) * (r.bottom - r.top));
  };
  for (const MoosePoint& m : kMoosePoints) {
    EXPECT_GT(mooseShare(withMoose, m), 0.125) << m.x;
    const PictureRect r = MooseRect(false, w, h, sc, m.x, m.y);
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        EXPECT_TRUE(At(removal, x, y) == QColor(Qt::black) || At(removal, x, y) == kSummerGround) << x << "," << y;
  }
  // A moose appears only once a drawn tree stands behind its plot y: a tree
  // at y 125 brings the one at (414, 120), not the one at (214, 130); a tree
  // at y 110 neither.
  const QImage middle = Render(StandOf({{600, 125, 1500, 1, 0}}), view);
  const QImage far = Render(StandOf({{600, 110, 1500, 1, 0}}), view);
  EXPECT_EQ((std::vector<bool>{mooseShare(middle, kMoosePoints[0]) > 0, mooseShare(middle, kMoosePoints[1]) > 0,
                               mooseShare(far, kMoosePoints[0]) > 0, mooseShare(far, kMoosePoints[1]) > 0}),
            (std::vector<bool>{true, false, false, false}));
  // No sky: above the trees the removal picture is black.
  for (int y = 0; y < h * 3 / 10; ++y)
    for (int x = 0; x < w; x += 7) ASSERT_EQ(At(removal, x, y), QColor(Qt::black)) << x << "," << y;
  // The removed tree is drawn in it.
  EXPECT_NE(removal, Render(StandOf({{600, 190, 1500, 1, 0}}), removalView));
}

TEST(CanvasFrame, FillFrameAndHeaderRule) {
  QImage image(40, 30, QImage::Format_ARGB32_Premultiplied);
  const QColor frame(255, 251, 240), fill(71, 71, 71);
  DrawCanvasFrame(image, fill, frame, 0);
  EXPECT_EQ((std::vector<QColor>{At(image, 0, 0), At(image, 39, 29), At(image, 1, 1), At(image, 20, 15)}),
            (std::vector<QColor>{frame, frame, fill, fill}));
  // A header band of 10: a wider frame and a rule of 2 on row 13 (rows 12
  // and 13).
  DrawCanvasFrame(image, fill, frame, 10);
  std::vector<QColor> column;
  for (int y : {0, 1, 12, 13, 28, 29, 2, 11, 14, 27}) column.push_back(At(image, 20, y));
  EXPECT_EQ(column, (std::vector<QColor>{frame, frame, frame, frame, frame, frame, fill, fill, fill, fill}));
  EXPECT_EQ(std::pair(At(image, 1, 20), At(image, 2, 20)), std::pair(frame, fill));
}

TEST_F(StandPicture, NearerTreesCoverThoseBehind) {
  // A tall birch at the back and a spruce in front of it, the front one first
  // in the list: the picture is the same as with the list in depth order.
  const QImage both = Render(StandOf({{300, 195, 1500, 1, 0}, {300, 60, 2200, 2, 0}}));
  EXPECT_EQ(both, Render(StandOf({{300, 60, 2200, 2, 0}, {300, 195, 1500, 1, 0}})));
  const QImage front = Render(StandOf({{300, 195, 1500, 1, 0}}));
  const QImage back = Render(StandOf({{300, 60, 2200, 2, 0}}));
  const QImage empty = Render(NoTrees());
  // A tree drawn over a picture changes each pixel by its own opacity:
  // drawn over the empty picture E it gives F, drawn over the back tree's
  // picture K it gives `both`, and both - F = (1 - opacity) (K - E), never
  // more than K - E. Had the back tree been drawn last, the same would hold
  // with the two trees' parts exchanged.
  auto beyond = [](const QColor& a, const QColor& b, const QColor& c, const QColor& d) {
    return std::abs(a.red() - b.red()) > std::abs(c.red() - d.red()) + 2 ||
           std::abs(a.green() - b.green()) > std::abs(c.green() - d.green()) + 2 ||
           std::abs(a.blue() - b.blue()) > std::abs(c.blue() - d.blue()) + 2;
  };
  int frontLast = 0, backLast = 0;
  for (int y = 0; y < both.height(); ++y)
    for (int x = 0; x < both.width(); ++x) {
      const QColor b = At(both, x, y), f = At(front, x, y), k = At(back, x, y), e = At(empty, x, y);
      if (beyond(b, f, k, e)) ++frontLast;  // not as the front tree drawn last
      if (beyond(b, k, f, e)) ++backLast;   // not as the back tree drawn last
    }
  EXPECT_EQ(frontLast, 0);
  EXPECT_GT(backLast, 50);
}

TEST_F(StandPicture, TreeGroupsAndSampleFiltersDrawTheirTreesOnly) {
  auto mixed = picturestands::MakeStand(picturestands::kMiddle, 5);
  // The pines of the stand alone, in the same order.
  auto pines = std::make_unique<data>(0);
  for (const TreeRecord& t : mixed->Trees)
    if (t.species == SpeciesPine) pines->Trees.push_back(t);
  ASSERT_TRUE(pines->TreeCount() > 50 && pines->TreeCount() < mixed->TreeCount());
  EXPECT_EQ(Render(std::move(mixed), {.filter = TreeFilterPines}), Render(std::move(pines)));
  // The measurement sample under its broadleaf box: as the broadleaves alone.
  const View sample{.filter = TreeFilterMeasurementSample};
  const int counts[kSpeciesSlots] = {1, 1, 1, 1, 0, 0};
  AllocSampleTrees(4);
  SetSampleTree(0, 200, 120, 2000, 1800, SpeciesPine);
  SetSampleTree(1, 300, 150, 2000, 1800, SpeciesBirch);
  SetSampleTree(2, 400, 170, 2000, 1800, SpeciesSpruce);
  SetSampleTree(3, 500, 190, 2000, 1800, SpeciesAspen);
  const QImage broadleafBox = Draw(counts, 4, sample, SampleViewFilter{false, true, false});
  SetSampleTree(0, 300, 150, 2000, 1800, SpeciesBirch);
  SetSampleTree(1, 500, 190, 2000, 1800, SpeciesAspen);
  EXPECT_EQ(broadleafBox, Draw(counts, 2, sample));
  // More trees asked for than the sample holds: only those it holds.
  Draw(counts, 40, {.filter = TreeFilterOpenWindowSample});
  FreeSampleTrees();
}

TEST_F(StandPicture, MainWindowPagesShowBeforeAndAfter) {
  auto stand = picturestands::MakeStand(picturestands::kMiddle, 11);
  picturestands::ThinFromBelow(*stand, 0.7f);
  Activate(std::move(stand), 1);
  TActForm* f = ActForm;
  // The stand-view page: both pictures, drawn at the picture width and shown
  // at the narrowed width.
  EXPECT_TRUE(f->Image3->isVisibleTo(f) && f->Image1->isVisibleTo(f) && !f->Image1->pixmap().isNull());
  EXPECT_EQ(std::pair(f->Image3->pixmap().width(), f->Image3->width()),
            std::pair(f->PictureWidth, NarrowedPictureWidth(f)));
  EXPECT_NE(f->Image1->pixmap().toImage(), f->Image3->pixmap().toImage());
  EXPECT_FALSE(f->BeforePictureDirty || f->AfterPictureDirty);
  // The pages were laid out while hidden as they are when shown.
  EXPECT_EQ(f->Panel6->size(), f->TabSheet8->size());
  Shot(f, "stand_view_1366.png");
  // The winter box draws both pictures in winter.
  auto ground = [](TCanvas* c) { return c->pixmap().toImage().pixelColor(5, c->pixmap().height() - 3); };
  EXPECT_EQ(ground(f->Image3), kSummerGround);
  Tick(f->CheckBox21);
  EXPECT_EQ(std::pair(ground(f->Image3), ground(f->Image1)), std::pair(kWinterGround, kWinterGround));
  Tick(f->CheckBox21);
  EXPECT_EQ(ground(f->Image1), kSummerGround);
  // The removal sample: the after-picture shows the removed trees under a
  // black sky.
  auto blackSky = [](TCanvas* c) { return c->pixmap().toImage().pixelColor(c->pixmap().width() / 2, 3) == Qt::black; };
  EXPECT_FALSE(blackSky(f->Image1));
  Tick(f->CheckBox33);
  EXPECT_EQ(std::pair(blackSky(f->Image1), blackSky(f->Image3)), std::pair(true, false));
  Tick(f->CheckBox33);
  EXPECT_FALSE(blackSky(f->Image1));
  // A tree group: the measured picture shows fewer trees.
  const QImage allTrees = f->Image3->pixmap().toImage();
  ChooseItem(f->ComboBox28, f->ComboBox28->itemText(0) + ", männyt");
  EXPECT_NE(f->Image3->pixmap().toImage(), allTrees);
  ChooseItem(f->ComboBox28, f->ComboBox28->itemText(0));
  EXPECT_EQ(f->Image3->pixmap().toImage(), allTrees);
  // The close-up page is drawn when it is shown.
  EXPECT_TRUE(f->Image10->pixmap().isNull());
  ClickTab(f->PageControl2, f->TabSheet9);
  EXPECT_TRUE(!f->Image10->pixmap().isNull() && f->Image9->isVisibleTo(f));
  Shot(f, "close_up_1366.png");
  // The wide view shows more of the same pictures.
  Tick(f->CheckBox15);
  EXPECT_EQ(f->Image10->width(), f->PictureWidth - 1);
  Tick(f->CheckBox15);
  EXPECT_EQ(f->Image10->width(), NarrowedPictureWidth(f));

  // A stand as measured shows no after-pictures; a treeless area no picture
  // at all.
  Activate(picturestands::MakeStand(picturestands::kYoung, 12), 0);
  ClickTab(f->PageControl2, f->TabSheet8);
  EXPECT_TRUE(f->Image3->isVisibleTo(f) && !f->Image1->isVisibleTo(f));
  auto treeless = picturestands::MakeStand(picturestands::kYoung, 13);
  treeless->Header.developmentClass = 1;
  Activate(std::move(treeless), 0);
  EXPECT_FALSE(f->Image3->isVisibleTo(f));
}

TEST_F(StandPicture, ScreenshotsOfMixedStands) {
  // Young, middle-aged and old mixed stands, summer and winter, the stand
  // view and the close-up, at the picture size of the window.
  const std::pair<const char*, picturestands::Measured> stands[] = {
      {"young", picturestands::kYoung}, {"middle", picturestands::kMiddle}, {"old", picturestands::kOld}};
  Activate(NoTrees(), 0);
  const QSize size(ActForm->PictureWidth, ActForm->Image3->height());
  ASSERT_TRUE(size.width() > 600 && size.height() > 100);
  for (const auto& [name, measured] : stands) {
    QImage sheet(size.width(), 4 * size.height(), QImage::Format_RGB32);
    QPainter p(&sheet);
    int row = 0;
    for (bool winter : {false, true})
      for (bool closeUp : {false, true}) {
        auto stand = picturestands::MakeStand(measured, 21);
        const View v{.winter = winter, .closeUp = closeUp, .G = stand->SlotBasalArea(0), .size = size};
        p.drawImage(0, size.height() * row++, Render(std::move(stand), v));
      }
    p.end();
    EXPECT_TRUE(sheet.save(ShotPath(QStringLiteral("picture_1366_%1.png").arg(name))));
  }
}
