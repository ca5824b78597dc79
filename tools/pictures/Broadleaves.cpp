// Birch, aspen and alder, in leaf and leafless.
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <vector>

#include "PaintKit.h"
#include "Pictures.h"

using namespace paint;

namespace {

struct Limb {
  QPointF from, control, to;
  double width;
};

// A branch from the stem at height y to a tip (dx, dy) from there, bent
// upward (lift > 0) or arching over (lift < 0).
Limb LimbFrom(double stemX, double y, double dx, double dy, double lift, double width) {
  const QPointF from(stemX, y);
  const QPointF to(stemX + dx, y + dy);
  const QPointF control(stemX + dx * 0.45, y + dy * 0.5 - lift);
  return {from, control, to, width};
}

void PaintLimb(QPainter& p, const Limb& l, const QColor& c) { Branch(p, l.from, l.control, l.to, l.width, 0.5, c); }

// Thin twigs hanging or spreading from the tip half of a limb.
void Twigs(QPainter& p, Rng& rng, const Limb& l, int count, double length, double hang, const QColor& c, double width) {
  for (int i = 0; i < count; ++i) {
    const double t = rng.Uniform(0.35, 1.0);
    const QPointF at = (1 - t) * (1 - t) * l.from + 2 * (1 - t) * t * l.control + t * t * l.to;
    const double dir = (l.to.x() >= l.from.x() ? 1 : -1) * rng.Uniform(0.2, 1.0);
    const QPointF end = at + QPointF(dir * length * rng.Uniform(0.4, 1.0), -length * 0.35 + hang * rng.Uniform(0.5, 1.0));
    Branch(p, at, (at + end) / 2 + QPointF(0, -length * 0.25), end, width, 0.3, c);
  }
}

// ---- Birch ---------------------------------------------------------------------

void PaintBirchStem(QPainter& p, Rng& rng, double cx, double topY, double footWidth) {
  auto stemX = [cx](double y) { return cx + (340 - y) * 0.006; };
  Stem(p, QPointF(stemX(340), 341), QPointF(stemX(topY), topY), footWidth, 1.4, QColor(250, 250, 246),
       QColor(176, 176, 170));
  // The rough black foot of an old birch.
  for (int i = 0; i < 40; ++i) {
    const double y = rng.Uniform(296, 340);
    const double t = (y - 296) / 44;
    if (!rng.Chance(0.35 + 0.65 * t)) continue;
    const double w = footWidth * (0.9 - 0.05 * (340 - y) / 44);
    const double x = stemX(y) + rng.Uniform(-w / 2, w / 2 - 1);
    Blob(p, QPointF(x, y), rng.Uniform(1.0, 2.4), rng.Uniform(1.2, 3.2), QColor(34, 32, 32, 235));
  }
  // Black marks across the white bark, the lenticels.
  for (double y = 300; y > topY + 20; y -= rng.Uniform(4.5, 11)) {
    const double w = footWidth - (footWidth - 1.4) * (340 - y) / (340 - topY);
    const double len = w * rng.Uniform(0.35, 0.9);
    const double x = stemX(y) - w / 2 + rng.Uniform(0, w - len);
    p.setBrush(QColor(28, 28, 30, 235));
    p.drawRect(QRectF(x, y, len, rng.Uniform(0.9, 1.8)));
  }
}

const ClumpStyle kBirchLeaves{QColor(64, 112, 40), QColor(118, 166, 60), QColor(184, 214, 102), 1.9, 46, 0.45};

QImage PaintBirchInLeaf(bool weeping) {
  QImage image = NewCanvas(kBroadleafWidth, kBroadleafHeight);
  QPainter p;
  BeginPainter(p, image);
  Rng rng(weeping ? 431 : 401);
  const double cx = 50;
  std::vector<Limb> limbs;
  for (double y = 232; y > 50; y -= rng.Uniform(12, 20)) {
    const int side = limbs.size() % 2 == 0 ? -1 : 1;
    const double reach = (weeping ? 42 : 38) * std::sin(std::clamp((y - 30) / 210.0, 0.15, 1.0) * M_PI * 0.85);
    if (weeping)
      limbs.push_back(LimbFrom(cx, y, side * reach, -reach * 0.2, reach * 0.55, 2.2));
    else
      limbs.push_back(LimbFrom(cx, y, side * reach, -reach * 0.75, reach * 0.15, 2.2));
  }
  const QColor bark(82, 62, 58);
  // Leaf clumps behind the stem (a little darker), the limbs, the stem, then
  // the front leaves, sparse enough to let the white stem show.
  std::vector<std::pair<QPointF, QPointF>> clumps;  // centre, radii
  for (const Limb& l : limbs) {
    for (int i = 0; i < (weeping ? 3 : 4); ++i) {
      const double t = rng.Uniform(0.3, 1.05);
      const QPointF at = (1 - t) * (1 - t) * l.from + 2 * (1 - t) * t * l.control + t * t * l.to;
      clumps.push_back({at + QPointF(rng.Normal(4), rng.Normal(4)), QPointF(rng.Uniform(7, 12), rng.Uniform(6, 10))});
    }
    if (weeping) {
      // Curtains of twigs hanging from the arching limb.
      for (int s = 0; s < 4; ++s) {
        const double t = rng.Uniform(0.45, 1.0);
        QPointF at = (1 - t) * (1 - t) * l.from + 2 * (1 - t) * t * l.control + t * t * l.to;
        const double length = rng.Uniform(18, 44);
        for (double d = 0; d < length; d += 5) clumps.push_back({at + QPointF(rng.Normal(1.2), d), QPointF(4.5, 4)});
      }
    }
  }
  clumps.push_back({QPointF(cx, 42), QPointF(12, 14)});
  clumps.push_back({QPointF(cx + 2, 56), QPointF(16, 12)});
  ClumpStyle back = kBirchLeaves;
  back.light = Mix(back.light, back.mid, 0.5);
  for (const auto& [c, r] : clumps)
    if (rng.Chance(0.55)) Clump(p, rng, c, r.x() * 1.05, r.y() * 1.05, back);
  for (const Limb& l : limbs) PaintLimb(p, l, bark);
  PaintBirchStem(p, rng, cx, 34, 7);
  for (const auto& [c, r] : clumps)
    if (rng.Chance(0.7)) Clump(p, rng, c, r.x(), r.y(), kBirchLeaves);
  p.end();
  return image;
}

QImage PaintBirchLeafless() {
  QImage image = NewCanvas(kBareBroadleafWidth, kBroadleafHeight);
  QPainter p;
  BeginPainter(p, image);
  Rng rng(451);
  const double cx = kBareBroadleafWidth / 2.0;
  const QColor twig(92, 58, 66, 170);
  std::vector<Limb> limbs;
  for (double y = 236; y > 50; y -= rng.Uniform(11, 18)) {
    const int side = limbs.size() % 2 == 0 ? -1 : 1;
    const double reach = 30 * std::sin(std::clamp((y - 30) / 210.0, 0.15, 1.0) * M_PI * 0.85);
    limbs.push_back(LimbFrom(cx, y, side * reach, -reach * 0.8, reach * 0.12, 1.8));
  }
  // The purple-brown haze of fine twigs hanging from every limb.
  for (const Limb& l : limbs) Twigs(p, rng, l, 16, 12, 16, twig, 0.7);
  for (const Limb& l : limbs) PaintLimb(p, l, QColor(78, 58, 60));
  PaintBirchStem(p, rng, cx, 34, 6.5);
  p.end();
  return image;
}

// ---- Aspen -------------------------------------------------------------------

void PaintAspenStem(QPainter& p, Rng& rng, double cx, double topY) {
  Stem(p, QPointF(cx, 341), QPointF(cx, topY), 7.5, 1.5, QColor(188, 196, 170), QColor(104, 114, 94));
  // Dark diamond marks on the smooth green-grey bark.
  for (double y = 300; y > topY + 30; y -= rng.Uniform(9, 18)) {
    const double x = cx + rng.Uniform(-2, 1.5);
    QPolygonF d;
    d << QPointF(x, y - 2.2) << QPointF(x + 1.6, y) << QPointF(x, y + 2.2) << QPointF(x - 1.6, y);
    p.setBrush(QColor(50, 54, 46, 230));
    p.drawPolygon(d);
  }
  // The furrowed dark foot.
  for (int i = 0; i < 18; ++i) {
    const double y = rng.Uniform(312, 340);
    Blob(p, QPointF(cx + rng.Uniform(-3, 2), y), rng.Uniform(0.8, 1.6), rng.Uniform(1.5, 3), QColor(66, 66, 58, 220));
  }
}

QImage PaintAspenTree(bool winter) {
  const int width = winter ? kBareBroadleafWidth : kBroadleafWidth;
  QImage image = NewCanvas(width, kBroadleafHeight);
  QPainter p;
  BeginPainter(p, image);
  Rng rng(winter ? 541 : 501);
  const double cx = width / 2.0;
  const double reachScale = winter ? 0.72 : 1.0;
  // Few, stout limbs climbing steeply into a high round crown.
  std::vector<Limb> limbs;
  for (double y = 170; y > 45; y -= rng.Uniform(14, 22)) {
    const int side = limbs.size() % 2 == 0 ? -1 : 1;
    const double reach = 40 * reachScale * std::sin(std::clamp((y - 20) / 160.0, 0.2, 1.0) * M_PI * 0.9);
    limbs.push_back(LimbFrom(cx, y, side * reach, -reach * 1.1, reach * 0.1, 2.8));
  }
  if (winter) {
    for (const Limb& l : limbs) Twigs(p, rng, l, 7, 9, -4, QColor(112, 116, 102, 220), 0.8);
    for (const Limb& l : limbs) PaintLimb(p, l, QColor(124, 130, 112));
    PaintAspenStem(p, rng, cx, 30);
    p.end();
    return image;
  }
  for (const Limb& l : limbs) PaintLimb(p, l, QColor(110, 116, 98));
  PaintAspenStem(p, rng, cx, 40);
  // A dense round crown; leaves glinting silvery here and there.
  const ClumpStyle leaves{QColor(40, 76, 36), QColor(82, 128, 56), QColor(150, 182, 108), 2.4, 70, 1.0};
  const QPointF centre(cx, 98);
  for (int i = 0; i < 34; ++i) {
    const double a = rng.Uniform(0, 2 * M_PI), r = std::sqrt(rng.Uniform(0.05, 1.0));
    const QPointF c = centre + QPointF(std::cos(a) * r * 36, std::sin(a) * r * 58);
    Clump(p, rng, c, rng.Uniform(10, 15), rng.Uniform(9, 13), leaves);
  }
  for (int i = 0; i < 60; ++i) {
    const double a = rng.Uniform(M_PI, 2 * M_PI), r = std::sqrt(rng.Uniform(0.2, 1.0));
    Blob(p, centre + QPointF(std::cos(a) * r * 40, std::sin(a) * r * 62), 1.3, 1.0, QColor(196, 212, 176, 200));
  }
  p.end();
  return image;
}

// ---- Alder -------------------------------------------------------------------

QImage PaintAlderTree(bool winter) {
  const int width = winter ? kBareBroadleafWidth : kBroadleafWidth;
  QImage image = NewCanvas(width, kBroadleafHeight);
  QPainter p;
  BeginPainter(p, image);
  Rng rng(winter ? 641 : 601);
  const double cx = width / 2.0;
  const double s = winter ? 0.72 : 1.0;  // the leafless tree is drawn narrower
  const QColor barkLight(110, 108, 100), barkDark(46, 46, 44);
  // Two stems from one foot.
  const QPointF side(cx + 16 * s, 150);
  Stem(p, QPointF(cx + 1, 341), side, 4.5, 1.2, barkLight, barkDark);
  Stem(p, QPointF(cx - 1, 341), QPointF(cx - 4 * s, 44), 6.5, 1.4, barkLight, barkDark);
  std::vector<Limb> limbs;
  for (double y = 262; y > 50; y -= rng.Uniform(10, 16)) {
    const int sd = limbs.size() % 2 == 0 ? -1 : 1;
    const double reach = 40 * s * std::sin(std::clamp((y - 25) / 240.0, 0.25, 1.0) * M_PI * 0.8) * rng.Uniform(0.8, 1.1);
    limbs.push_back(LimbFrom(cx - 2 * s, y, sd * reach, -reach * 0.6, reach * 0.2, 2.2));
  }
  for (const Limb& l : limbs) PaintLimb(p, l, QColor(64, 62, 58));
  if (winter) {
    for (const Limb& l : limbs) Twigs(p, rng, l, 12, 8, -3, QColor(58, 54, 52, 220), 0.7);
    // The small black cones of last summer and the purple catkins of the
    // coming spring.
    for (const Limb& l : limbs) {
      for (int i = 0; i < 5; ++i) {
        const double t = rng.Uniform(0.5, 1.0);
        const QPointF at = (1 - t) * (1 - t) * l.from + 2 * (1 - t) * t * l.control + t * t * l.to;
        if (rng.Chance(0.6)) {
          for (int k = 0; k < 3; ++k)
            Blob(p, at + QPointF(rng.Normal(1.5), rng.Normal(1.5)), 1.4, 1.7, QColor(26, 22, 20));
        } else {
          p.setPen(QPen(QColor(104, 62, 58), 1.3, Qt::SolidLine, Qt::RoundCap));
          p.drawLine(at, at + QPointF(rng.Uniform(-1, 1), rng.Uniform(3, 5)));
          p.setPen(Qt::NoPen);
        }
      }
    }
    p.end();
    return image;
  }
  // A dark, dense, lobed crown reaching low.
  const ClumpStyle leaves{QColor(20, 40, 22), QColor(38, 72, 36), QColor(76, 114, 54), 2.5, 70, 1.0};
  for (int i = 0; i < 46; ++i) {
    const double y = rng.Uniform(40, 268);
    const double t = (y - 40) / 228;
    const double hw = 42 * std::sin((0.12 + 0.88 * std::pow(t, 0.7)) * M_PI * 0.78);
    const QPointF c(cx + rng.Uniform(-hw, hw) * 0.8, y);
    Clump(p, rng, c, rng.Uniform(12, 17), rng.Uniform(10, 14), leaves);
  }
  p.end();
  return image;
}

}  // namespace

QImage PaintBirch(bool alternate, bool winter) { return winter ? PaintBirchLeafless() : PaintBirchInLeaf(alternate); }

QImage PaintAspen(bool winter) { return PaintAspenTree(winter); }

QImage PaintAlder(bool winter) { return PaintAlderTree(winter); }
