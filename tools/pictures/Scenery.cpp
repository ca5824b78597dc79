// The skies over the stand and the two moose.
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>

#include "PaintKit.h"
#include "Pictures.h"

using namespace paint;

namespace {

// A cumulus: white lumps on a flat, greyer base.
void Cloud(QPainter& p, Rng& rng, QPointF at, double size, const QColor& top, const QColor& base) {
  for (int i = 0; i < 16; ++i) {
    const double dx = rng.Uniform(-1.0, 1.0) * size;
    const double r = size * rng.Uniform(0.25, 0.45) * (1.0 - 0.4 * std::abs(dx) / size);
    const double dy = -r * rng.Uniform(0.2, 0.9);
    Blob(p, at + QPointF(dx, dy + r * 0.3), r * 1.1, r * 0.7, base);
  }
  for (int i = 0; i < 22; ++i) {
    const double dx = rng.Uniform(-0.9, 0.9) * size;
    const double r = size * rng.Uniform(0.22, 0.42) * (1.0 - 0.45 * std::abs(dx) / size);
    Blob(p, at + QPointF(dx, -r * rng.Uniform(0.5, 1.2)), r, r * 0.85, top);
  }
}

// A far forest edge: spruce spires and rounded broadleaf tops along the
// horizon, filled down to the bottom of the picture.
void ForestEdge(QPainter& p, Rng& rng, double baseY, double height, const QColor& colour, const QColor* snow) {
  QPolygonF edge;
  edge << QPointF(0, kSkyHeight + 1);
  double x = -5;
  std::vector<QPolygonF> tips;
  while (x < kSkyWidth + 10) {
    const double h = height * rng.Uniform(0.45, 1.0);
    if (rng.Chance(0.62)) {
      // A spruce spire.
      const double w = h * rng.Uniform(0.28, 0.38);
      edge << QPointF(x, baseY - h * 0.25) << QPointF(x + w / 2, baseY - h) << QPointF(x + w, baseY - h * 0.25);
      if (snow) {
        QPolygonF t;
        t << QPointF(x + w * 0.3, baseY - h * 0.72) << QPointF(x + w / 2, baseY - h) << QPointF(x + w * 0.7, baseY - h * 0.72);
        tips.push_back(t);
      }
      x += w * rng.Uniform(0.7, 1.0);
    } else {
      // A rounded broadleaf top.
      const double w = h * rng.Uniform(0.6, 0.9);
      for (int i = 0; i <= 6; ++i) {
        const double a = M_PI * i / 6;
        edge << QPointF(x + w / 2 - std::cos(a) * w / 2, baseY - h * 0.3 - std::sin(a) * h * 0.7);
      }
      x += w * rng.Uniform(0.8, 1.0);
    }
  }
  edge << QPointF(kSkyWidth, kSkyHeight + 1);
  p.setBrush(colour);
  p.drawPolygon(edge);
  if (snow) {
    p.setBrush(*snow);
    for (const QPolygonF& t : tips) p.drawPolygon(t);
  }
}

}  // namespace

QImage PaintSky(bool winter) {
  QImage image(kSkyWidth, kSkyHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter p;
  BeginPainter(p, image);
  Rng rng(winter ? 802 : 801);
  QLinearGradient g(0, 0, 0, kSkyHeight);
  if (!winter) {
    g.setColorAt(0.0, QColor(70, 128, 198));
    g.setColorAt(0.7, QColor(168, 202, 230));
    g.setColorAt(1.0, QColor(214, 230, 240));
  } else {
    g.setColorAt(0.0, QColor(112, 136, 168));
    g.setColorAt(0.6, QColor(186, 196, 214));
    g.setColorAt(1.0, QColor(240, 222, 212));
  }
  p.fillRect(image.rect(), g);
  if (!winter) {
    for (int i = 0; i < 8; ++i) {
      const QPointF at(60 + i * 150 + rng.Uniform(-40, 40), rng.Uniform(38, 84));
      Cloud(p, rng, at, rng.Uniform(34, 64), QColor(255, 255, 255, 235), QColor(214, 222, 234, 230));
    }
    ForestEdge(p, rng, 140, 30, QColor(128, 156, 158), nullptr);
    ForestEdge(p, rng, 152, 30, QColor(84, 112, 100), nullptr);
  } else {
    // The low sun behind thin cloud.
    QRadialGradient sun(QPointF(860, 124), 170);
    sun.setColorAt(0.0, QColor(255, 236, 200, 230));
    sun.setColorAt(0.25, QColor(252, 214, 186, 120));
    sun.setColorAt(1.0, QColor(252, 214, 186, 0));
    p.setBrush(sun);
    p.drawRect(image.rect());
    for (int i = 0; i < 9; ++i) {
      const QPointF at(rng.Uniform(0, kSkyWidth), rng.Uniform(24, 96));
      Blob(p, at, rng.Uniform(80, 200), rng.Uniform(4, 9), QColor(236, 238, 244, 110));
    }
    const QColor snow(236, 242, 250);
    ForestEdge(p, rng, 140, 30, QColor(112, 124, 140), &snow);
    ForestEdge(p, rng, 153, 30, QColor(62, 76, 82), &snow);
  }
  p.end();
  return image;
}

QImage PaintMoose(bool bull) {
  QImage image = NewCanvas(kMooseSize, kMooseSize);
  QPainter p;
  BeginPainter(p, image);
  // Painted facing left; the cow is mirrored to face right.
  if (!bull) p.setTransform(QTransform(-1, 0, 0, 1, kMooseSize, 0));
  const QColor coat(58, 40, 30), dark(36, 25, 19), leg(176, 164, 146);
  // Legs: long and thin, pale below the knees; the far pair darker.
  const double legs[][3] = {{46, 78, 1}, {56, 80, -3}, {98, 76, 4}, {108, 74, 0}};
  for (int k = 0; k < 4; ++k) {
    const auto& l = legs[k];
    const bool far = k % 2 == 0;
    const QPointF hip(l[0], l[1]);
    const QPointF knee(l[0] + l[2], 104);
    const QPointF hoof(l[0] + l[2] * 0.4, kMooseSize + 1);
    Branch(p, hip, (hip + knee) / 2, knee, 9, 5, far ? dark : coat);
    Branch(p, knee, (knee + hoof) / 2, hoof, 4.6, 3.6, far ? Shade(leg, 0.8) : leg);
  }
  // The body: the high hump over the shoulders, the back falling to a short
  // rump, a deep chest.
  QPainterPath body;
  body.moveTo(112, 62);
  body.cubicTo(114, 52, 104, 48, 88, 50);
  body.cubicTo(74, 51, 64, 44, 56, 38);  // the back rising to the hump
  body.cubicTo(50, 34, 42, 36, 38, 44);  // withers to the neck
  body.lineTo(36, 60);
  body.cubicTo(38, 76, 46, 84, 60, 84);  // the chest
  body.cubicTo(78, 86, 96, 84, 106, 80);
  body.cubicTo(112, 76, 113, 70, 112, 62);
  p.setBrush(coat);
  p.drawPath(body);
  p.setBrush(dark);
  QPainterPath top;
  top.addRect(QRectF(0, 0, kMooseSize, 46));
  p.drawPath(body.intersected(top));
  QPainterPath head;
  if (bull) {
    // Neck and the long head held level, the heavy muzzle hanging over, the
    // bell under the throat.
    head.moveTo(42, 40);
    head.cubicTo(34, 38, 26, 40, 20, 44);
    head.cubicTo(12, 48, 6, 52, 5, 58);
    head.cubicTo(4, 64, 8, 67, 14, 66);
    head.cubicTo(20, 64, 26, 62, 32, 63);
    head.cubicTo(36, 64, 40, 62, 42, 58);
    head.closeSubpath();
  } else {
    // The cow browsing: the head held lower, the long ears up.
    head.moveTo(42, 42);
    head.cubicTo(34, 44, 28, 50, 22, 58);
    head.cubicTo(16, 66, 10, 72, 9, 78);
    head.cubicTo(8, 84, 13, 87, 18, 84);
    head.cubicTo(24, 80, 30, 76, 36, 72);
    head.cubicTo(40, 68, 43, 64, 44, 58);
    head.closeSubpath();
  }
  p.setBrush(coat);
  p.drawPath(head);
  if (bull) {
    Branch(p, QPointF(30, 62), QPointF(31, 70), QPointF(29, 77), 4.2, 1.8, dark);          // the bell
    Branch(p, QPointF(30, 44), QPointF(32, 38), QPointF(36, 33), 4.5, 1.5, dark);          // an ear
    // The broad palms of the antlers, spreading up and out, tines on
    // their upper edge; the far palm behind, darker.
    const QColor antler(202, 184, 150);
    for (int side : {1, -1}) {
      QPainterPath palm;
      const QPointF base(26 + side * 2, 42);
      const double lean = side > 0 ? 1.0 : -0.75;
      palm.moveTo(base);
      palm.cubicTo(base + QPointF(lean * 6, -8), base + QPointF(lean * 16, -12), base + QPointF(lean * 26, -16));
      for (int t = 0; t < 5; ++t) {
        const QPointF at = base + QPointF(lean * (26 - t * 6), -16 - t * 1.5);
        palm.lineTo(at + QPointF(lean * 1.5, -7));
        palm.lineTo(at + QPointF(-lean * 2.5, -2));
      }
      palm.cubicTo(base + QPointF(-lean * 6, -12), base + QPointF(-lean * 4, -4), base);
      p.setBrush(side > 0 ? antler : Shade(antler, 0.75));
      p.drawPath(palm);
    }
  } else {
    Branch(p, QPointF(30, 52), QPointF(31, 45), QPointF(35, 40), 4.5, 1.5, dark);  // the ears
    Branch(p, QPointF(33, 53), QPointF(36, 47), QPointF(41, 43), 4.0, 1.5, coat);
  }
  p.end();
  return image;
}
