// Birch, aspen and alder, in leaf and leafless.
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "PaintKit.h"
#include "Pictures.h"

using namespace paint;

namespace {

struct Limb {
  QPointF from, control, to;
  double width;
  QPointF At(double t) const { return (1 - t) * (1 - t) * from + 2 * (1 - t) * t * control + t * t * to; }
};

// A branch from the stem at height y to a tip (dx, dy) from there, bent
// upward (lift > 0) or arching over (lift < 0).
Limb LimbFrom(double stemX, double y, double dx, double dy, double lift, double width) {
  const QPointF from(stemX, y);
  const QPointF to(stemX + dx, y + dy);
  const QPointF control(stemX + dx * 0.45, y + dy * 0.5 - lift);
  return {from, control, to, width};
}

// Limbs from the stem, left and right in turn, from yLow up to yHigh; make
// gives the limb at a height on a side (-1 left, 1 right).
std::vector<Limb> AlternatingLimbs(Rng& rng, double yLow, double yHigh, double stepMin, double stepMax,
                                   const std::function<Limb(double, int)>& make) {
  std::vector<Limb> limbs;
  for (double y = yLow; y > yHigh; y -= rng.Uniform(stepMin, stepMax))
    limbs.push_back(make(y, limbs.size() % 2 == 0 ? -1 : 1));
  return limbs;
}

void PaintLimbs(QPainter& p, const std::vector<Limb>& limbs, const QColor& c) {
  for (const Limb& l : limbs) Branch(p, l.from, l.control, l.to, l.width, 0.5, c);
}

// Thin twigs from the outer part of a limb: spreading (hang < 0) or hanging.
void Twigs(QPainter& p, Rng& rng, const Limb& l, int count, double length, double hang, const QColor& c,
           double width) {
  for (int i = 0; i < count; ++i) {
    const QPointF at = l.At(rng.Uniform(0.3, 1.0));
    const double dir = (l.to.x() >= l.from.x() ? 1 : -1) * rng.Uniform(-0.3, 1.0);
    const double len = length * rng.Uniform(0.5, 1.0);
    const QPointF end = at + QPointF(dir * len * 0.7, -len * 0.5 + hang * rng.Uniform(0.5, 1.0));
    Branch(p, at, (at + end) / 2 + QPointF(dir * 2, -len * 0.3), end, width, 0.35, c);
  }
}

// A point inside an egg-shaped crown: centre (cx, cy), half-width rx, half
// height ry, narrower toward the top by `taper`.
QPointF InCrown(Rng& rng, double cx, double cy, double rx, double ry, double taper) {
  for (;;) {
    const double u = rng.Uniform(-1, 1), v = rng.Uniform(-1, 1);
    const double w = 1.0 - taper * (1 - v) * 0.5;  // v = -1 is the top
    if (u * u + v * v <= 1.0) return QPointF(cx + u * rx * w, cy + v * ry);
  }
}

// The haze that a leafless crown's fine twigs make when seen from afar: a
// soft ellipse, densest in the middle.
void TwigHaze(QPainter& p, QPointF centre, double rx, double ry, const QColor& colour) {
  QRadialGradient g(QPointF(0, 0), 1.0);
  g.setColorAt(0.0, colour);
  g.setColorAt(0.6, WithAlpha(colour, colour.alpha() * 2 / 3));
  g.setColorAt(1.0, WithAlpha(colour, 0));
  p.save();
  p.translate(centre);
  p.scale(rx, ry);
  p.setBrush(g);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(0, 0), 1.0, 1.0);
  p.restore();
}

// Side branches along the outer part of each limb, and the twigs hanging
// from them: the fine, drooping twig work of a leafless birch.
void PendulousTwigs(QPainter& p, Rng& rng, const std::vector<Limb>& limbs, const QColor& branch,
                    const QColor& twig) {
  for (const Limb& l : limbs) {
    const double dir = l.to.x() >= l.from.x() ? 1 : -1;
    std::vector<Limb> parts{l};
    for (int k = 0; k < 3; ++k) {
      const QPointF at = l.At(rng.Uniform(0.3, 0.9));
      const double len = rng.Uniform(8, 16);
      const QPointF to = at + QPointF(dir * len * rng.Uniform(0.3, 0.9), -len * rng.Uniform(0.2, 0.7));
      parts.push_back({at, (at + to) / 2 + QPointF(0, -2), to, 1.0});
      Branch(p, at, (at + to) / 2 + QPointF(0, -2), to, 1.0, 0.4, branch);
    }
    for (int k = 0; k < 34; ++k) {
      const Limb& from = parts[static_cast<std::size_t>(rng.Int(0, static_cast<int>(parts.size()) - 1))];
      const QPointF at = from.At(rng.Uniform(0.4, 1.0));
      const double len = rng.Uniform(6, 15);
      const QPointF end = at + QPointF(dir * rng.Uniform(-1.5, 3), len);
      Branch(p, at, at + QPointF(dir * rng.Uniform(1, 3), len * 0.3), end, 0.75, 0.3, twig);
    }
  }
}

// A canvas, its painter and the random stream of one tree.
struct TreeCanvas {
  QImage image;
  QPainter p;
  Rng rng;
  double cx;
  TreeCanvas(int width, std::uint64_t seed) : image(NewCanvas(width, kBroadleafHeight)), rng(seed), cx(width / 2.0) {
    BeginPainter(p, image);
  }
  QImage Done() {
    p.end();
    return image;
  }
};

// ---- Birch ---------------------------------------------------------------------

void PaintBirchStem(QPainter& p, Rng& rng, double cx, double topY, double footWidth) {
  auto stemX = [cx](double y) { return cx + (340 - y) * 0.006; };
  Stem(p, QPointF(stemX(340), 341), QPointF(stemX(topY), topY), footWidth, 1.4, QColor(250, 250, 246),
       QColor(178, 178, 172));
  // The rough black foot of an old birch, white streaks between the furrows.
  for (int i = 0; i < 60; ++i) {
    const double y = rng.Uniform(290, 340);
    const double t = (y - 290) / 50;
    if (!rng.Chance(0.3 + 0.7 * t)) continue;
    const double x = stemX(y) + rng.Uniform(-footWidth / 2, footWidth / 2 - 1);
    p.setBrush(QColor(36, 34, 34, 240));
    p.drawRect(QRectF(x, y, rng.Uniform(1.0, 2.2), rng.Uniform(2.5, 6)));
  }
  // Black marks across the white bark: the lenticels and the dark
  // triangles under old branches.
  for (double y = 292; y > topY + 16; y -= rng.Uniform(4, 10)) {
    const double w = footWidth - (footWidth - 1.4) * (340 - y) / (340 - topY);
    const double len = w * rng.Uniform(0.35, 0.95);
    const double x = stemX(y) - w / 2 + rng.Uniform(0, w - len);
    p.setBrush(QColor(30, 30, 32, 240));
    p.drawRect(QRectF(x, y, len, rng.Uniform(0.9, 1.9)));
  }
}

QImage PaintBirchInLeaf(bool weeping) {
  TreeCanvas t(kBroadleafWidth, weeping ? 431 : 401);
  const double cx = t.cx;
  const ClumpStyle front{QColor(66, 114, 42), QColor(120, 168, 62), QColor(188, 216, 106), 1.8, 48, 0.4};
  ClumpStyle back = front;
  back.mid = Mix(front.shadow, front.mid, 0.5);
  back.light = front.mid;
  const QColor bark(76, 58, 56);
  std::vector<Limb> limbs = AlternatingLimbs(t.rng, 228, 44, 11, 17, [&](double y, int side) {
    const double reach = 40 * std::sin(std::clamp((y - 24) / 210.0, 0.18, 1.0) * M_PI * 0.85);
    // Weeping limbs climb out and arch over; the common birch's rise.
    return weeping ? LimbFrom(cx, y, side * reach, -reach * 0.15, reach * 0.6, 2.0)
                   : LimbFrom(cx, y, side * reach * 0.9, -reach * 0.8, reach * 0.12, 2.0);
  });
  // Where the leaves hang: small clumps over an egg-shaped crown, fewer
  // toward its middle so that the white stem shows, and for the weeping
  // birch long curtains from the arching limbs.
  std::vector<std::pair<QPointF, double>> leaves;
  const double crownTop = 26, crownBottom = weeping ? 250 : 232;
  const double cy = (crownTop + crownBottom) / 2, ry = (crownBottom - crownTop) / 2;
  for (int i = 0; i < (weeping ? 70 : 150); ++i) {
    const QPointF at = InCrown(t.rng, cx, cy, 46, ry, 0.55);
    const double middle = 1.0 - std::min(1.0, std::abs(at.x() - cx) / 16);
    if (t.rng.Chance(0.55 * middle)) continue;
    leaves.push_back({at, t.rng.Uniform(5, 9)});
  }
  for (const Limb& l : limbs) {
    for (int i = 0; i < (weeping ? 2 : 3); ++i) leaves.push_back({l.At(t.rng.Uniform(0.6, 1.0)), t.rng.Uniform(6, 9)});
    if (!weeping) continue;
    for (int s = 0; s < 6; ++s) {
      QPointF at = l.At(t.rng.Uniform(0.4, 1.0));
      const double length = t.rng.Uniform(24, 64);
      for (double d = 0; d < length && at.y() + d < 262; d += 4) leaves.push_back({at + QPointF(t.rng.Normal(1.0), d), 3.6});
    }
  }
  // Fine drooping twigs at the crown's edge give the birch its soft outline.
  for (const Limb& l : limbs) Twigs(t.p, t.rng, l, weeping ? 10 : 5, 16, weeping ? 26 : 12, WithAlpha(bark, 190), 0.7);
  for (const auto& [c, r] : leaves)
    if (t.rng.Chance(0.6)) Clump(t.p, t.rng, c, r * 1.05, r * 0.9, back);
  PaintLimbs(t.p, limbs, bark);
  PaintBirchStem(t.p, t.rng, cx, 30, 7);
  for (const auto& [c, r] : leaves)
    if (t.rng.Chance(0.55)) Clump(t.p, t.rng, c, r, r * 0.85, front);
  return t.Done();
}

QImage PaintBirchLeafless() {
  TreeCanvas t(kBareBroadleafWidth, 451);
  const double cx = t.cx;
  TwigHaze(t.p, QPointF(cx, 134), 30, 104, QColor(118, 72, 86, 90));
  std::vector<Limb> limbs = AlternatingLimbs(t.rng, 232, 44, 7, 16, [&](double y, int side) {
    const double reach =
        28 * std::sin(std::clamp((y - 24) / 210.0, 0.18, 1.0) * M_PI * 0.85) * t.rng.Uniform(0.6, 1.1);
    return LimbFrom(cx, y, side * reach, -reach * t.rng.Uniform(0.6, 1.2), reach * t.rng.Uniform(-0.1, 0.3), 1.9);
  });
  PendulousTwigs(t.p, t.rng, limbs, QColor(92, 62, 64, 230), QColor(108, 62, 76, 170));
  PaintLimbs(t.p, limbs, QColor(84, 58, 62));
  PaintBirchStem(t.p, t.rng, cx, 30, 6.5);
  return t.Done();
}

// ---- Aspen -------------------------------------------------------------------

void PaintAspenStem(QPainter& p, Rng& rng, double cx, double topY) {
  Stem(p, QPointF(cx, 341), QPointF(cx, topY), 7.5, 1.5, QColor(190, 198, 172), QColor(104, 114, 94));
  // Dark diamond marks on the smooth green-grey bark.
  for (double y = 300; y > topY + 30; y -= rng.Uniform(9, 18)) {
    const double x = cx + rng.Uniform(-2, 1.5);
    QPolygonF d;
    d << QPointF(x, y - 2.2) << QPointF(x + 1.7, y) << QPointF(x, y + 2.2) << QPointF(x - 1.7, y);
    p.setBrush(QColor(50, 54, 46, 235));
    p.drawPolygon(d);
  }
  // The furrowed dark foot.
  for (int i = 0; i < 22; ++i) {
    const double y = rng.Uniform(310, 340);
    p.setBrush(QColor(64, 64, 56, 225));
    p.drawRect(QRectF(cx + rng.Uniform(-3.5, 2), y, rng.Uniform(0.8, 1.6), rng.Uniform(2, 5)));
  }
}

QImage PaintAspenTree(bool winter) {
  TreeCanvas t(winter ? kBareBroadleafWidth : kBroadleafWidth, winter ? 541 : 501);
  const double cx = t.cx;
  const double scale = winter ? 0.72 : 1.0;
  // Few, stout limbs climbing steeply into a high round crown.
  std::vector<Limb> limbs = AlternatingLimbs(t.rng, 168, 44, 13, 20, [&](double y, int side) {
    const double reach = 38 * scale * std::sin(std::clamp((y - 20) / 160.0, 0.2, 1.0) * M_PI * 0.9);
    return LimbFrom(cx, y, side * reach, -reach * 1.1, reach * 0.1, 2.8);
  });
  if (winter) {
    TwigHaze(t.p, QPointF(cx, 100), 30, 70, QColor(112, 118, 104, 70));
    for (const Limb& l : limbs) Twigs(t.p, t.rng, l, 12, 10, -5, QColor(108, 112, 98, 220), 0.9);
    PaintLimbs(t.p, limbs, QColor(128, 134, 116));
    PaintAspenStem(t.p, t.rng, cx, 30);
    return t.Done();
  }
  PaintLimbs(t.p, limbs, QColor(110, 116, 98));
  PaintAspenStem(t.p, t.rng, cx, 40);
  // A dense round crown, its leaves glinting silvery here and there.
  const ClumpStyle leaves{QColor(40, 76, 36), QColor(82, 128, 56), QColor(150, 182, 108), 2.4, 70, 1.0};
  for (int i = 0; i < 36; ++i)
    Clump(t.p, t.rng, InCrown(t.rng, cx, 98, 36, 60, 0.15), t.rng.Uniform(10, 15), t.rng.Uniform(9, 13), leaves);
  for (int i = 0; i < 70; ++i) {
    const QPointF at = InCrown(t.rng, cx, 96, 40, 62, 0.15);
    if (at.x() - cx + at.y() - 96 > 10) continue;  // on the lit side only
    Blob(t.p, at, 1.3, 1.0, QColor(200, 216, 180, 210));
  }
  return t.Done();
}

// ---- Alder -------------------------------------------------------------------

QImage PaintAlderTree(bool winter) {
  TreeCanvas t(winter ? kBareBroadleafWidth : kBroadleafWidth, winter ? 641 : 601);
  const double cx = t.cx;
  const double scale = winter ? 0.72 : 1.0;  // the leafless tree is drawn narrower
  const QColor barkLight(112, 110, 102), barkDark(46, 46, 44);
  // Two stems from one foot.
  Stem(t.p, QPointF(cx + 1, 341), QPointF(cx + 16 * scale, 150), 4.5, 1.2, barkLight, barkDark);
  Stem(t.p, QPointF(cx - 1, 341), QPointF(cx - 4 * scale, 44), 6.5, 1.4, barkLight, barkDark);
  std::vector<Limb> limbs = AlternatingLimbs(t.rng, 262, 50, 10, 16, [&](double y, int side) {
    const double reach =
        40 * scale * std::sin(std::clamp((y - 25) / 240.0, 0.25, 1.0) * M_PI * 0.8) * t.rng.Uniform(0.8, 1.1);
    return LimbFrom(cx - 2 * scale, y, side * reach, -reach * 0.6, reach * 0.2, 2.2);
  });
  if (winter) {
    TwigHaze(t.p, QPointF(cx, 150), 30, 116, QColor(62, 58, 56, 90));
    for (const Limb& l : limbs) Twigs(t.p, t.rng, l, 14, 9, -3, QColor(58, 54, 52, 225), 0.8);
    PaintLimbs(t.p, limbs, QColor(64, 62, 58));
    // The small black cones of last summer and the purple catkins of the
    // coming spring.
    for (const Limb& l : limbs) {
      for (int i = 0; i < 6; ++i) {
        const QPointF at = l.At(t.rng.Uniform(0.45, 1.0));
        if (t.rng.Chance(0.6)) {
          for (int k = 0; k < 3; ++k) Blob(t.p, at + QPointF(t.rng.Normal(1.5), t.rng.Normal(1.5)), 1.5, 1.8, QColor(26, 22, 20));
        } else {
          t.p.setPen(QPen(QColor(110, 62, 60), 1.4, Qt::SolidLine, Qt::RoundCap));
          t.p.drawLine(at, at + QPointF(t.rng.Uniform(-1, 1), t.rng.Uniform(3, 5)));
          t.p.setPen(Qt::NoPen);
        }
      }
    }
    return t.Done();
  }
  PaintLimbs(t.p, limbs, QColor(64, 62, 58));
  // A dark, dense, lobed crown reaching low, broadest below its middle.
  const ClumpStyle leaves{QColor(20, 40, 22), QColor(38, 72, 36), QColor(76, 114, 54), 2.5, 70, 1.0};
  for (int i = 0; i < 50; ++i) {
    const QPointF at = InCrown(t.rng, cx, 160, 40, 118, 0.5);
    Clump(t.p, t.rng, at, t.rng.Uniform(11, 16), t.rng.Uniform(10, 14), leaves);
  }
  return t.Done();
}

}  // namespace

QImage PaintBirch(bool alternate, bool winter) { return winter ? PaintBirchLeafless() : PaintBirchInLeaf(alternate); }

QImage PaintAspen(bool winter) { return PaintAspenTree(winter); }

QImage PaintAlder(bool winter) { return PaintAlderTree(winter); }
