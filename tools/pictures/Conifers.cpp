// Pine and spruce.
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <vector>

#include "PaintKit.h"
#include "Pictures.h"

using namespace paint;

namespace {

struct Ellipse {
  QPointF centre;
  double rx;
  double ry;
};

// ---- Pine ------------------------------------------------------------------

const ClumpStyle kPineNeedles{QColor(28, 50, 34), QColor(56, 86, 50), QColor(112, 140, 78), 2.6, 60, 0.95};

// x of the pine's stem at height y (a slight bend for the alternate pine).
double PineStemX(bool alternate, double y) {
  if (!alternate) return 80 + (320 - y) * 0.012;
  const double t = (320 - y) / 300.0;
  return 80 + 14 * t * t - 6 * std::sin(t * M_PI);
}

void PaintPineStem(QPainter& p, Rng& rng, bool alternate, double topY) {
  const int segments = 12;
  for (int i = 0; i < segments; ++i) {
    const double y0 = 320 - (320 - topY) * i / segments;
    const double y1 = 320 - (320 - topY) * (i + 1) / segments;
    const double w0 = 9.5 - 7.0 * i / segments;
    const double w1 = 9.5 - 7.0 * (i + 1) / segments;
    // Grey-brown plated bark below, the thin orange bark of the upper stem
    // above.
    const double orange = std::clamp((i - 4.0) / 3.0, 0.0, 1.0);
    const QColor light = Mix(QColor(140, 118, 98), QColor(232, 140, 72), orange);
    const QColor dark = Mix(QColor(66, 52, 44), QColor(150, 74, 38), orange);
    Stem(p, QPointF(PineStemX(alternate, y0), y0 + 0.5), QPointF(PineStemX(alternate, y1), y1 - 0.5), w0, w1,
         light, dark);
  }
  // Cracks of the plated bark near the foot.
  for (int i = 0; i < 26; ++i) {
    const double y = rng.Uniform(200, 318);
    const double x = PineStemX(alternate, y) + rng.Uniform(-3, 2);
    p.setPen(QPen(QColor(52, 40, 34, 200), rng.Uniform(0.6, 1.1)));
    p.drawLine(QPointF(x, y), QPointF(x + rng.Uniform(1.5, 3.5), y + rng.Uniform(-0.6, 0.6)));
  }
  p.setPen(Qt::NoPen);
  // Dry stubs of the lower branches long since shed.
  for (int i = 0; i < 4; ++i) {
    const double y = rng.Uniform(150, 230);
    const double x = PineStemX(alternate, y);
    const double side = i % 2 == 0 ? -1 : 1;
    Branch(p, QPointF(x, y), QPointF(x + side * 5, y - 2), QPointF(x + side * rng.Uniform(7, 12), y - 4), 1.6, 0.6,
           QColor(96, 80, 66));
  }
}

std::vector<Ellipse> PineClumps(Rng& rng, bool alternate) {
  std::vector<Ellipse> clumps;
  if (!alternate) {
    // Whorls from the crown base up: branches reach out and a little up, a
    // flat clump of needles at each tip; the widest in the lower crown, a
    // rounded, flattish top.
    const double base = 140, top = 18;
    const int whorls = 7;
    for (int k = 0; k < whorls; ++k) {
      const double t = static_cast<double>(k) / (whorls - 1);  // 0 at the base
      const double y = base - (base - top - 14) * t + rng.Uniform(-3, 3);
      const double reach = 52 * std::sin((0.25 + 0.75 * (1 - t)) * M_PI * 0.62) + rng.Uniform(-4, 4);
      for (int side : {-1, 1}) {
        if (k == 0 && side == 1) continue;  // one low branch only
        const double sx = PineStemX(false, y);
        const double r = reach * rng.Uniform(0.75, 1.05);
        clumps.push_back({QPointF(sx + side * r, y - r * 0.3), rng.Uniform(15, 22), rng.Uniform(8, 11)});
        if (r > 30) clumps.push_back({QPointF(sx + side * r * 0.55, y - r * 0.18), rng.Uniform(12, 17), rng.Uniform(7, 10)});
      }
    }
    // The top: a wide, low dome.
    clumps.push_back({QPointF(PineStemX(false, 30) - 12, 30), 22, 11});
    clumps.push_back({QPointF(PineStemX(false, 30) + 12, 28), 22, 11});
    clumps.push_back({QPointF(PineStemX(false, 22), 20), 18, 10});
  } else {
    // A broad umbrella leaning to the right, a low clump on the left.
    const double crown[][4] = {{-42, 118, 18, 9}, {-26, 96, 20, 10}, {22, 104, 18, 9},  {44, 80, 20, 10},
                               {-50, 66, 22, 10}, {-18, 62, 24, 11}, {18, 60, 26, 11},  {46, 52, 18, 9},
                               {-34, 40, 24, 10}, {2, 36, 28, 11},   {34, 38, 22, 10}};
    for (const auto& c : crown) {
      const double y = c[1] + rng.Uniform(-2, 2);
      clumps.push_back({QPointF(PineStemX(true, y) + c[0] + rng.Uniform(-3, 3), y), c[2] * rng.Uniform(0.9, 1.1),
                        c[3] * rng.Uniform(0.9, 1.1)});
    }
  }
  return clumps;
}

void PaintPineBranches(QPainter& p, bool alternate, const std::vector<Ellipse>& clumps) {
  for (const Ellipse& c : clumps) {
    const double y = c.centre.y() + std::abs(c.centre.x() - 80) * 0.35;
    if (y > 150) continue;
    const QPointF from(PineStemX(alternate, y), y);
    const QPointF to = c.centre + QPointF(0, c.ry * 0.3);
    const QPointF control((from.x() + to.x()) / 2, std::max(from.y(), to.y()) - 2);
    Branch(p, from, control, to, 2.0, 0.8, QColor(112, 72, 48));
  }
}

// ---- Spruce ------------------------------------------------------------------

struct SpruceForm {
  double apexX = 80;
  double maxHalfWidth = 54;
  double skirtTop = 320;  // below this only dry twigs (the dense-stand spruce)
  QColor dark, mid, light;
};

SpruceForm SpruceFormOf(bool alternate) {
  SpruceForm f;
  f.dark = QColor(18, 38, 26);
  f.mid = QColor(32, 62, 40);
  f.light = QColor(70, 104, 64);
  if (alternate) {
    f.apexX = 86;
    f.maxHalfWidth = 44;
    f.skirtTop = 268;
    f.dark = QColor(22, 44, 36);
    f.mid = QColor(40, 72, 56);
    f.light = QColor(86, 118, 90);
  }
  return f;
}

double SpruceHalfWidth(const SpruceForm& f, double y) {
  const double t = std::clamp((y - 4) / 296.0, 0.0, 1.0);
  return f.maxHalfWidth * std::pow(t, 0.85);
}

double SpruceStemX(const SpruceForm& f, double y) { return 80 + (f.apexX - 80) * (320 - y) / 316.0; }

// One side of a branch tier: from the stem out and down to a drooping tip,
// with twigs hanging from its underside. Returns the upper edge (for snow).
QPolygonF SpruceBranch(QPainter& p, Rng& rng, const SpruceForm& f, double y, int side, double reach,
                       const QColor& colour) {
  const double sx = SpruceStemX(f, y);
  const double droop = 3 + reach * rng.Uniform(0.12, 0.22);
  QPolygonF upper;
  const int n = 10;
  for (int i = 0; i <= n; ++i) {
    const double t = static_cast<double>(i) / n;
    const double x = sx + side * reach * t;
    // Rises a little from the stem, then droops to the tip.
    const double yy = y - 2.5 * std::sin(t * M_PI * 0.8) + droop * t * t + rng.Normal(0.4);
    upper << QPointF(x, yy);
  }
  QPolygonF shape = upper;
  // The ragged lower edge back to the stem: twigs hanging in tufts.
  const double thickness = 4.5 + reach * 0.1;
  for (int i = n; i >= 0; --i) {
    const double t = static_cast<double>(i) / n;
    const QPointF u = upper[i];
    const double hang = (i == n) ? 1.5 : thickness * (0.5 + 0.5 * (1 - t)) + rng.Uniform(0, 5) * std::sqrt(t);
    shape << QPointF(u.x() + side * rng.Uniform(-1.2, 1.2), u.y() + hang);
    if (i > 0 && rng.Chance(0.6)) shape << QPointF(u.x() - side * reach / n * 0.5, u.y() + hang * 0.6);
  }
  p.setBrush(colour);
  p.drawPolygon(shape);
  return upper;
}

void PaintSpruceTree(QPainter& p, Rng& rng, bool alternate, bool winter) {
  const SpruceForm f = SpruceFormOf(alternate);
  // The stem: seen only at the foot (and, for the dense-stand spruce, under
  // its dry lower branches).
  Stem(p, QPointF(80, 321), QPointF(f.apexX, 6), 8, 1.2, QColor(120, 96, 80), QColor(58, 44, 38));
  // Dry twigs of the lower stem of the dense-stand spruce.
  if (f.skirtTop < 320) {
    for (double y = f.skirtTop; y < 312; y += rng.Uniform(5, 9)) {
      const double sx = SpruceStemX(f, y);
      for (int side : {-1, 1}) {
        const double r = rng.Uniform(8, 22);
        Branch(p, QPointF(sx, y), QPointF(sx + side * r * 0.5, y + 1), QPointF(sx + side * r, y + r * 0.3), 1.2,
               0.4, QColor(118, 106, 92, 220));
      }
    }
  }
  // Tiers from the bottom up, so that each tier's drooping twigs lie over the
  // one under it.
  std::vector<std::pair<QPolygonF, int>> uppers;
  std::vector<double> levels;
  for (double y = 10; y < std::min(f.skirtTop, 304.0); y += 6.5 + rng.Uniform(-1, 1.5)) levels.push_back(y);
  for (auto it = levels.rbegin(); it != levels.rend(); ++it) {
    const double y = *it;
    const double hw = SpruceHalfWidth(f, y);
    if (alternate && rng.Chance(0.12) && y > 60) continue;  // a gap in the crown
    for (int side : {-1, 1}) {
      const double reach = hw * rng.Uniform(0.82, 1.08);
      // Lit from the left: the left half lighter.
      const QColor body = side < 0 ? Mix(f.mid, f.light, rng.Uniform(0.1, 0.45)) : Mix(f.dark, f.mid, rng.Uniform(0.3, 0.8));
      const QPolygonF upper = SpruceBranch(p, rng, f, y, side, reach, Vary(rng, body, 0.06));
      uppers.push_back({upper, side});
      // Needles catching the light along the upper edge, and the dark
      // hollows under it.
      p.setPen(QPen(Vary(rng, side < 0 ? f.light : Mix(f.mid, f.light, 0.4), 0.08), 1.0));
      for (int i = 1; i + 1 < upper.size(); i += 2) p.drawLine(upper[i], upper[i + 1] + QPointF(0, 0.8));
      p.setPen(Qt::NoPen);
      for (int i = 0; i < static_cast<int>(reach / 6); ++i) {
        const QPointF at = upper[rng.Int(1, upper.size() - 2)] + QPointF(0, rng.Uniform(2.5, 5));
        Blob(p, at, rng.Uniform(0.8, 1.6), rng.Uniform(0.8, 1.4), Vary(rng, f.dark, 0.1));
      }
    }
  }
  // The leader shoot at the top.
  Branch(p, QPointF(f.apexX, 16), QPointF(f.apexX, 8), QPointF(f.apexX, 1), 2.4, 0.8, f.mid);
  if (!winter) return;
  // Snow lies in lumps on the upper side of the branches, thickest near the
  // stem; the dark needles show between them.
  const QColor snow(246, 249, 252), shade(190, 206, 228);
  for (const auto& [upper, side] : uppers) {
    if (!rng.Chance(0.8)) continue;
    const int n = upper.size() - 1;
    const int last = std::max(2, static_cast<int>(n * rng.Uniform(0.45, 0.8)));
    QPolygonF top, under;
    for (int i = 0; i <= last; ++i) {
      const double t = static_cast<double>(i) / n;
      const double depth = 2.8 * (1 - t) + 0.8 + rng.Uniform(0, 0.8);
      top << upper[i] - QPointF(0, depth * 0.6);
      under.prepend(upper[i] + QPointF(0, depth * 0.3));
    }
    p.setBrush(shade);
    p.drawPolygon(QPolygonF(top + under).translated(side * 0.4, 1.0));
    p.setBrush(snow);
    p.drawPolygon(QPolygonF(top + under));
  }
  SnowCap(p, rng, QPointF(f.apexX, 12), 5, 5);
}

}  // namespace

QImage PaintPine(bool alternate, bool winter) {
  QImage image = NewCanvas(kConiferWidth, kConiferHeight);
  QPainter p;
  BeginPainter(p, image);
  Rng rng(alternate ? 211 : 101);
  const std::vector<Ellipse> clumps = PineClumps(rng, alternate);
  PaintPineStem(p, rng, alternate, alternate ? 40 : 24);
  PaintPineBranches(p, alternate, clumps);
  for (const Ellipse& c : clumps) Clump(p, rng, c.centre, c.rx, c.ry, kPineNeedles);
  if (winter) {
    for (const Ellipse& c : clumps) {
      if (!rng.Chance(0.85)) continue;
      const double w = rng.Uniform(0.6, 0.95);
      SnowCap(p, rng, c.centre + QPointF(rng.Normal(c.rx * 0.12), -c.ry * 0.4), c.rx * w, c.ry * rng.Uniform(0.45, 0.7));
    }
  }
  p.end();
  return image;
}

QImage PaintSpruce(bool alternate, bool winter) {
  QImage image = NewCanvas(kConiferWidth, kConiferHeight);
  QPainter p;
  BeginPainter(p, image);
  Rng rng(alternate ? 307 : 303);
  PaintSpruceTree(p, rng, alternate, winter);
  p.end();
  return image;
}
