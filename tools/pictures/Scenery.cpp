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
  const QColor coat(60, 42, 32), back(42, 29, 22), belly(92, 70, 54), leg(170, 158, 140);
  // Legs first: long and thin, pale below the knees.
  const double legs[][3] = {{40, 76, 2}, {50, 78, -2}, {92, 74, 3}, {102, 72, -1}};
  for (const auto& l : legs) {
    const QPointF hip(l[0], l[1]);
    const QPointF knee(l[0] + l[2], 100);
    const QPointF hoof(l[0] + l[2] * 0.5, kMooseSize + 1);
    Branch(p, hip, (hip + knee) / 2, knee, 8, 4.5, coat);
    Branch(p, knee, (knee + hoof) / 2, hoof, 4.5, 3.4, leg);
    Blob(p, hoof + QPointF(0, -2.5), 2.4, 2.5, QColor(40, 34, 30));
  }
  // Body with the high hump over the shoulders.
  Blob(p, QPointF(76, 64), 36, 17, coat);
  Blob(p, QPointF(50, 54), 20, 18, back);
  Blob(p, QPointF(72, 72), 28, 8, belly);
  if (bull) {
    // Neck and the long head held level, the bell under the throat.
    QPainterPath head;
    head.moveTo(44, 44);
    head.lineTo(30, 44);
    head.lineTo(10, 52);
    head.cubicTo(4, 54, 4, 62, 10, 63);
    head.lineTo(22, 64);
    head.lineTo(36, 68);
    head.lineTo(48, 66);
    head.closeSubpath();
    p.setBrush(coat);
    p.drawPath(head);
    Branch(p, QPointF(30, 64), QPointF(30, 72), QPointF(29, 78), 4, 2, back);
    Blob(p, QPointF(8, 57), 4, 4.5, back);  // the overhanging muzzle
    // Ears and the broad palms of the antlers.
    Branch(p, QPointF(32, 46), QPointF(34, 40), QPointF(38, 36), 4, 1.5, back);
    const QColor antler(196, 176, 140);
    for (int side : {-1, 1}) {
      QPainterPath palm;
      const double sx = 28 + side * 3;
      palm.moveTo(sx, 44);
      palm.cubicTo(sx + side * 4, 34, sx + side * 14 - 6, 24, sx + side * 22 - 6, 20);
      // Tines along the upper edge.
      for (int t = 0; t < 4; ++t) {
        const double tx = sx + side * 22 - 6 - side * t * 6;
        palm.lineTo(tx + side * 2, 12 + t * 1.5);
        palm.lineTo(tx - side * 2, 19 + t * 1.5);
      }
      palm.cubicTo(sx - side * 6, 26, sx - side * 4, 36, sx, 44);
      p.setBrush(side < 0 ? Shade(antler, 0.8) : antler);
      p.drawPath(palm);
    }
  } else {
    // The cow grazing: neck down to the head near the ground.
    QPainterPath head;
    head.moveTo(46, 44);
    head.cubicTo(34, 50, 28, 70, 20, 88);
    head.lineTo(12, 104);
    head.cubicTo(10, 110, 16, 113, 20, 110);
    head.lineTo(28, 98);
    head.cubicTo(36, 82, 44, 70, 52, 66);
    head.closeSubpath();
    p.setBrush(coat);
    p.drawPath(head);
    Branch(p, QPointF(36, 52), QPointF(38, 46), QPointF(42, 42), 4, 1.5, back);  // an ear
  }
  p.end();
  return image;
}
