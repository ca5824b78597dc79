#pragma once
// The small painting toolkit of the picture generator: a seeded random
// stream (the same pictures at every build), colour mixing, and the strokes
// the trees are made of (tapered stems and branches, leaf clumps lit from the
// upper left, snow caps).

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>

#include <cstdint>

namespace paint {

// xorshift64*: a small random stream of our own, the same on every machine.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {}
  std::uint64_t Next();
  // Uniform in [a, b).
  double Uniform(double a, double b);
  // Uniform integer in [a, b].
  int Int(int a, int b);
  // Roughly normal (sum of uniforms), mean 0, deviation sd.
  double Normal(double sd);
  bool Chance(double p) { return Uniform(0, 1) < p; }

 private:
  std::uint64_t state_;
};

// A transparent canvas (premultiplied ARGB) and a painter on it with
// antialiasing.
QImage NewCanvas(int width, int height);
void BeginPainter(QPainter& p, QImage& image);

// a to b by t (0..1), alpha included.
QColor Mix(const QColor& a, const QColor& b, double t);
// Brighter (f > 1) or darker (f < 1), alpha kept.
QColor Shade(const QColor& c, double f);
QColor WithAlpha(const QColor& c, int alpha);
// A colour varied a little at random in brightness.
QColor Vary(Rng& rng, const QColor& c, double amount);

// A tapered stem from its foot to its top, lit from the left: light on the
// left edge, dark on the right.
void Stem(QPainter& p, QPointF foot, QPointF top, double footWidth, double topWidth, const QColor& light,
          const QColor& dark);
// A tapered, bent stroke (branch, twig) through a control point.
void Branch(QPainter& p, QPointF from, QPointF control, QPointF to, double fromWidth, double toWidth,
            const QColor& colour);
// A filled ellipse.
void Blob(QPainter& p, QPointF centre, double rx, double ry, const QColor& colour);

// How a clump of leaves or needles is painted: a dark underside, then many
// small blobs whose colour goes from shadow (lower right) to light (upper
// left) across the clump.
struct ClumpStyle {
  QColor shadow;
  QColor mid;
  QColor light;
  double leafSize = 3.0;  // radius of one leaf blob
  int leaves = 40;        // blobs per clump of radius 10
  double fill = 0.85;     // how much of the underside is painted (airy crowns less)
};
void Clump(QPainter& p, Rng& rng, QPointF centre, double rx, double ry, const ClumpStyle& style);
// Snow lying on the upper half of a clump.
void SnowCap(QPainter& p, Rng& rng, QPointF centre, double rx, double ry);

}  // namespace paint
