#include "ui/StandPicture.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>

#include <algorithm>
#include <array>
#include <numeric>
#include <unordered_map>
#include <vector>

#include "model/Calc.h"
#include "model/Phase.h"
#include "model/Sample.h"
#include "platform/Clock.h"
#include "platform/Numbers.h"
#include "texts/Actlan.h"
#include "ui/Bitmaps.h"
#include "ui/Canvas.h"
#include "ui/Palette.h"
#include "ui/ProgBar.h"
#include "ui/Session.h"
#include "ui/StandPictureRules.h"

namespace {

// ---- The bitmaps -----------------------------------------------------------

// The pictures, decoded once, and each picture ready-scaled to the sizes a
// drawing asks for. Scaling a bitmap with good filtering costs far more than
// placing it, and the trees of a stand come in a limited number of sizes, so
// a scaled picture is kept for the next tree (and the next drawing) of the
// same size.
class PictureStore {
 public:
  // The picture scaled to width x height (both > 0).
  const QImage& Sized(PictureBitmap b, int width, int height) {
    const std::uint64_t key = (static_cast<std::uint64_t>(b) << 48) |
                              (static_cast<std::uint64_t>(width) << 24) | static_cast<std::uint64_t>(height);
    auto it = sized_.find(key);
    if (it != sized_.end()) return it->second;
    if (bytes_ > kMaxBytes) {
      sized_.clear();
      bytes_ = 0;
    }
    const QImage& from = LevelFor(b, width, height);
    QImage scaled = from.isNull() ? QImage()
                                  : from.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    bytes_ += static_cast<qint64>(width) * height * 4;
    return sized_.emplace(key, std::move(scaled)).first->second;
  }
  void Load(PictureBitmap b) { Levels(b); }
  void Free() {
    for (auto& levels : levels_) levels.clear();
    sized_.clear();
    bytes_ = 0;
  }

 private:
  static constexpr qint64 kMaxBytes = 64ll << 20;

  // The picture and its halvings, each made from the one before.
  const std::vector<QImage>& Levels(PictureBitmap b) {
    std::vector<QImage>& levels = levels_[static_cast<std::size_t>(b)];
    if (levels.empty()) {
      levels.push_back(LoadBitmapResource(QString::fromLatin1(PictureBitmapName(b))));
      while (!levels.back().isNull() && levels.back().width() >= 16 && levels.back().height() >= 16) {
        const QImage& last = levels.back();
        levels.push_back(last.scaled(last.width() / 2, last.height() / 2, Qt::IgnoreAspectRatio,
                                     Qt::SmoothTransformation));
      }
    }
    return levels;
  }
  // The smallest level still at least as large as the size asked for.
  const QImage& LevelFor(PictureBitmap b, int width, int height) {
    const std::vector<QImage>& levels = Levels(b);
    std::size_t k = 0;
    while (k + 1 < levels.size() && levels[k + 1].width() >= width && levels[k + 1].height() >= height) ++k;
    return levels[k];
  }

  std::array<std::vector<QImage>, static_cast<std::size_t>(PictureBitmap::Count)> levels_;
  std::unordered_map<std::uint64_t, QImage> sized_;
  qint64 bytes_ = 0;
};

PictureStore& Store() {
  static PictureStore store;
  return store;
}

void DrawBitmap(QPainter& p, PictureBitmap b, const PictureRect& r) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  const QImage& sprite = Store().Sized(b, w, h);
  if (!sprite.isNull()) p.drawImage(QPoint(r.left, r.top), sprite);
}

// ---- One drawing -------------------------------------------------------------

// Ground colours (0xBBGGRR): snow, and the summer ground.
constexpr int kWinterGround = 0xFFF2E5;
constexpr int kSummerGround = 0x238989;

void DrawPictureBackground(QPainter& p, int iw, int ih, bool closeUp, bool winter, bool omitSky) {
  const int band = GroundBandHeight(closeUp);
  const int groundTop = ih - band;
  p.fillRect(0, 0, iw, ih, PictureBackdropColor());
  if (!omitSky) DrawBitmap(p, winter ? PictureBitmap::WinterSky : PictureBitmap::SummerSky, {0, 0, iw, groundTop});
  // The ground band, outlined with the pen of the canvas (black).
  p.fillRect(0, groundTop, iw, band, ColorFromBgr(winter ? kWinterGround : kSummerGround));
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRect(0, groundTop, iw - 1, band - 1));
}

void DrawPictureBorder(QPainter& p, int iw, int ih) {
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRect(0, 0, iw - 1, ih - 1));
}

// What one drawing reads of its trees.
struct TreeSource {
  const data* stand = nullptr;  // tree records, or the measurement sample when null
  bool before = false;
  bool removal = false;
  int filter = 0;
  SampleViewFilter sampleFilter;
  PhaseHistory history;

  int Count() const { return stand ? stand->TreeCount() : SampleTreeCount(); }
  float X(int i) const { return stand ? stand->TreeX(i) : SampleTreeX(i); }
  float Y(int i) const { return stand ? stand->TreeY(i) : SampleTreeY(i); }
  float HeightCm(int i) const {
    return stand ? stand->TreeValueForView(i, before, removal, true) : SampleTreeHeight(i);
  }

  // The species of tree i when it is drawn, else -1.
  int PictureTreeSpecies(int i) const {
    const int sp = stand ? stand->TreeSpecies(i) : SampleTreeSpecies(i);
    if (sp < 0 || sp > SpeciesAlder) return -1;
    if (!stand) return SampleTreeVisible(sp, i, sampleFilter) ? sp : -1;
    if (!before && !IsRemovalShownInView(stand->TreeRemovedBy(i), removal ? 1 : 0, history)) return -1;
    switch (filter) {
      case TreeFilterLogTrees: {
        const int d = platform::RoundHalfAway(stand->TreeValueForView(i, before, removal, false) * 0.01);
        const int h = platform::RoundHalfAway(HeightCm(i) * 0.01);
        return TreeHasVolume(sp, d, h) ? sp : -1;
      }
      case TreeFilterPines: return sp == SpeciesPine ? sp : -1;
      case TreeFilterSpruces: return sp == SpeciesSpruce ? sp : -1;
      case TreeFilterBroadleaves: return sp >= SpeciesBirch ? sp : -1;
      default: return sp;
    }
  }
};

// The progress window of a drawing.
class DrawingProgress {
 public:
  explicit DrawingProgress(QWidget* owner) : form_(new TProgBarForm(owner)) {
    ProgBarForm = form_;
    form_->setWindowTitle(ActlanText(67) + QStringLiteral(" ..."));
    SetWidgetColor(form_->Panel1, PaletteColor(20));
    form_->ProgressBar1->setValue(0);
    form_->FormActivate();
    form_->show();
    form_->repaint();
  }
  ~DrawingProgress() {
    delete form_;
    if (ProgBarForm == form_) ProgBarForm = nullptr;
  }
  void Set(int percent) {
    if (percent != shown_) form_->ProgressBar1->setValue(shown_ = percent);
  }

 private:
  TProgBarForm* form_;
  int shown_ = 0;
};

}  // namespace

void FreeStandPictureBitmaps() { Store().Free(); }

bool RenderStandPicture(QSize mainWindowSize, QWidget* owner, QImage& image, const int counts[kSpeciesSlots], int n,
                        float G, bool winter, bool before, bool removal, bool closeUp, int filter,
                        const SampleViewFilter& sampleFilter) {
  if (image.isNull()) return removal;
  PlotFrame frame;
  DefaultPlotFrame(frame);
  const int windowWidth = mainWindowSize.width();
  const int windowHeight = mainWindowSize.height();
  const int ih = image.height(), iw = image.width();
  const bool sample = filter >= TreeFilterMeasurementSample;
  const StandPictureScales sc = PictureScales(closeUp, sample, windowWidth, windowHeight, G);

  TreeSource source;
  source.stand = sample ? nullptr : OpenedStand();
  source.before = before;
  source.removal = removal;
  source.filter = filter;
  source.sampleFilter = sampleFilter;
  if (source.stand) source.history = PhaseHistoryOf(*source.stand, CurrentPhase());
  // Never more trees than the source holds.
  n = (!sample && !source.stand) ? 0 : std::clamp(n, 0, source.Count());

  for (int sp = 0; sp <= SpeciesAlder; ++sp)
    if (IsSpeciesBitmapNeeded(counts, sp)) Store().Load(TreeBitmapOf(sp, winter, 1));

  // Count pass: the species of every tree drawn (-1 for the others).
  std::vector<signed char> species(static_cast<std::size_t>(n));
  int passing = 0;
  for (int i = 0; i < n; ++i) {
    species[static_cast<std::size_t>(i)] = static_cast<signed char>(source.PictureTreeSpecies(i));
    if (species[static_cast<std::size_t>(i)] >= 0) ++passing;
  }
  const int limit = PictureThinningLimit(passing);

  // The trees are drawn from the back of the plot to the front, so that a
  // nearer tree covers the ones behind it and the moose stand at their
  // depth. The tree list is kept in that order; the walk does not rely on it.
  std::vector<int> order(static_cast<std::size_t>(n)), depth(static_cast<std::size_t>(n));
  std::iota(order.begin(), order.end(), 0);
  for (int i = 0; i < n; ++i) depth[static_cast<std::size_t>(i)] = platform::TruncToInt(source.Y(i));
  std::stable_sort(order.begin(), order.end(), [&depth](int a, int b) {
    return depth[static_cast<std::size_t>(a)] < depth[static_cast<std::size_t>(b)];
  });

  QPainter p(&image);
  DrawPictureBackground(p, iw, ih, closeUp, winter, removal);
  DrawingProgress progress(owner);
  int moose = removal ? -1 : 0;
  int shown = 0;
  for (int pos = 0; pos < n; ++pos) {
    const int i = order[static_cast<std::size_t>(pos)];
    const int sp = species[static_cast<std::size_t>(i)];
    if (sp < 0) continue;
    ++shown;
    if (!IsThinnedOutOfPicture(limit, shown, i)) {
      const int x = platform::TruncToInt(source.X(i));
      const int y = depth[static_cast<std::size_t>(i)];
      const float h = static_cast<float>(CompressedTreeHeightCm(source.HeightCm(i)) * sc.aspect);
      const int X = TreePictureX(closeUp, iw, x, frame, y, sc.widening);
      const int Y = TreeGroundY(ih, closeUp, y, frame.top, frame.bottom);
      const int T = TreePictureHeight(y, h, sc, ih);
      DrawBitmap(p, TreeBitmapOf(sp, winter, x), TreeRect(X, Y, T, TreeHalfWidthRatio(sc, T, ih, sp, winter)));
      for (int k = 0; k < 2; ++k) {
        const MoosePoint& m = kMoosePoints[k];
        if (moose == k && y > m.afterY) {
          DrawBitmap(p, m.bitmap, MooseRect(closeUp, iw, ih, sc, m.x, m.y));
          moose = k + 1;
        }
      }
    }
    progress.Set(pos * 100 / n);
  }
  DrawPictureBorder(p, iw, ih);
  p.end();
  platform::Pause(25);
  return removal;
}

void DrawOpenStandPicture(QSize mainWindowSize, QWidget* owner, TCanvas* image, bool before, bool removal,
                          bool closeUp, bool winter, int filter) {
  ::data* stand = OpenedStand();
  if (!image || !stand) return;
  int counts[kSpeciesSlots] = {};
  stand->CountStandingBySpecies(100, counts);
  const float G = stand->SlotBasalArea(!before && stand->FirstPhaseIsGrowth() ? 1 : 0);
  if (image->width() > 0 && image->height() > 0) {
    QImage picture(image->width(), image->height(), QImage::Format_ARGB32_Premultiplied);
    RenderStandPicture(mainWindowSize, owner, picture, counts, stand->TreeCount(), G, winter, before, removal, closeUp,
                       filter);
    image->setPixmap(QPixmap::fromImage(picture));
  }
}

void DrawCanvasFrame(QImage& image, const QColor& fillColour, const QColor& penColour, int header) {
  if (image.isNull()) return;
  const int iw = image.width(), ih = image.height();
  QPainter p(&image);
  p.fillRect(0, 0, iw, ih, fillColour);
  // The frame lies inside the picture: one pixel, or two for the wide pen.
  const int frame = header > 0 ? 2 : 1;
  p.setPen(Qt::NoPen);
  p.setBrush(penColour);
  p.drawRect(0, 0, iw, frame);
  p.drawRect(0, ih - frame, iw, frame);
  p.drawRect(0, 0, frame, ih);
  p.drawRect(iw - frame, 0, frame, ih);
  if (header > 0) p.drawRect(0, header + 3 - 1, iw, 2);
}
