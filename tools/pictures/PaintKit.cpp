#include "PaintKit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace paint {

std::uint64_t Rng::Next() {
  state_ ^= state_ >> 12;
  state_ ^= state_ << 25;
  state_ ^= state_ >> 27;
  return state_ * 0x2545F4914F6CDD1Dull;
}

double Rng::Uniform(double a, double b) {
  const double u = static_cast<double>(Next() >> 11) / static_cast<double>(1ull << 53);
  return a + (b - a) * u;
}

int Rng::Int(int a, int b) { return a + static_cast<int>(Next() % static_cast<std::uint64_t>(b - a + 1)); }

double Rng::Normal(double sd) {
  double s = 0;
  for (int i = 0; i < 4; ++i) s += Uniform(-1, 1);
  return s * sd * 0.866;
}

QImage NewCanvas(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

void BeginPainter(QPainter& p, QImage& image) {
  p.begin(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto m = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return QColor(m(a.red(), b.red()), m(a.green(), b.green()), m(a.blue(), b.blue()), m(a.alpha(), b.alpha()));
}

QColor Shade(const QColor& c, double f) {
  auto s = [f](int x) { return std::clamp(static_cast<int>(std::lround(x * f)), 0, 255); };
  return QColor(s(c.red()), s(c.green()), s(c.blue()), c.alpha());
}

QColor WithAlpha(const QColor& c, int alpha) {
  QColor r = c;
  r.setAlpha(alpha);
  return r;
}

QColor Vary(Rng& rng, const QColor& c, double amount) { return Shade(c, 1.0 + rng.Uniform(-amount, amount)); }

void Stem(QPainter& p, QPointF foot, QPointF top, double footWidth, double topWidth, const QColor& light,
          const QColor& dark) {
  const QPointF along = top - foot;
  const double len = std::hypot(along.x(), along.y());
  if (len <= 0) return;
  const QPointF n(-along.y() / len, along.x() / len);  // to the left of the stem's way up
  QPolygonF poly;
  poly << foot + n * (footWidth / 2) << top + n * (topWidth / 2) << top - n * (topWidth / 2)
       << foot - n * (footWidth / 2);
  QLinearGradient g(foot + n * (footWidth / 2), foot - n * (footWidth / 2));
  g.setColorAt(0.0, light);
  g.setColorAt(0.45, Mix(light, dark, 0.25));
  g.setColorAt(1.0, dark);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPolygon(poly);
}

void Branch(QPainter& p, QPointF from, QPointF control, QPointF to, double fromWidth, double toWidth,
            const QColor& colour) {
  // A quadratic curve, drawn as a strip whose width tapers along it.
  const int steps = 12;
  QPolygonF left, right;
  for (int i = 0; i <= steps; ++i) {
    const double t = static_cast<double>(i) / steps;
    const QPointF pt = (1 - t) * (1 - t) * from + 2 * (1 - t) * t * control + t * t * to;
    const QPointF d = 2 * (1 - t) * (control - from) + 2 * t * (to - control);
    const double len = std::max(1e-6, std::hypot(d.x(), d.y()));
    const QPointF n(-d.y() / len, d.x() / len);
    const double w = (fromWidth + (toWidth - fromWidth) * t) / 2;
    left << pt + n * w;
    right.prepend(pt - n * w);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(left + right);
}

void Blob(QPainter& p, QPointF centre, double rx, double ry, const QColor& colour) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(centre, rx, ry);
}

void Clump(QPainter& p, Rng& rng, QPointF centre, double rx, double ry, const ClumpStyle& style) {
  // The underside: a few dark blobs that give the clump its body.
  const int under = std::max(3, static_cast<int>(6 * style.fill));
  for (int i = 0; i < under; ++i) {
    if (!rng.Chance(style.fill)) continue;
    const QPointF c = centre + QPointF(rng.Normal(rx * 0.35), rng.Normal(ry * 0.3) + ry * 0.1);
    Blob(p, c, rx * rng.Uniform(0.45, 0.7), ry * rng.Uniform(0.45, 0.7), Vary(rng, style.shadow, 0.08));
  }
  // The leaves: lighter toward the upper left.
  const int n = std::max(6, static_cast<int>(style.leaves * (rx * ry) / 100.0));
  for (int i = 0; i < n; ++i) {
    const double a = rng.Uniform(0, 2 * M_PI);
    const double r = std::sqrt(rng.Uniform(0, 1));
    const double dx = std::cos(a) * r, dy = std::sin(a) * r;
    const QPointF c = centre + QPointF(dx * rx, dy * ry);
    // Light from the upper left: -dx - dy large means lit.
    const double lit = std::clamp(0.5 + 0.45 * (-dx - dy) / 1.414 + rng.Normal(0.12), 0.0, 1.0);
    const QColor col = lit < 0.5 ? Mix(style.shadow, style.mid, lit * 2) : Mix(style.mid, style.light, (lit - 0.5) * 2);
    const double s = style.leafSize * rng.Uniform(0.6, 1.2);
    Blob(p, c, s, s * rng.Uniform(0.6, 1.0), Vary(rng, col, 0.06));
  }
}

void SnowCap(QPainter& p, Rng& rng, QPointF centre, double rx, double ry) {
  const QColor snow(246, 249, 252);
  const QColor shade(192, 208, 230);
  // Lumps of snow side by side along the top, a bluish shadow under them.
  const int lumps = 4 + rng.Int(0, 2);
  std::vector<std::pair<QPointF, QPointF>> parts;
  for (int i = 0; i < lumps; ++i) {
    const double t = lumps == 1 ? 0 : -0.8 + 1.6 * i / (lumps - 1);
    const double bulge = 1.0 - 0.45 * t * t;
    parts.push_back({centre + QPointF(t * rx + rng.Normal(rx * 0.06), -ry * 0.15 * bulge + rng.Normal(ry * 0.08)),
                     QPointF(rx * rng.Uniform(0.28, 0.42), ry * bulge * rng.Uniform(0.45, 0.65))});
  }
  for (const auto& [c, r] : parts) Blob(p, c + QPointF(0, r.y() * 0.35), r.x(), r.y() * 0.8, shade);
  for (const auto& [c, r] : parts) Blob(p, c, r.x(), r.y() * 0.75, snow);
}

}  // namespace paint
