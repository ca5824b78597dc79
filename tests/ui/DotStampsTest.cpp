// Stamped circles are the painter's own: the same pixels at any position,
// clipped at the picture's edges, in both picture formats; a circle of the
// corners (x - r, y - r)-(x + r, y + r) leaves out its right and bottom
// edges, as every shape given by two corners does.
#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

#include "ui/Canvas.h"
#include "ui/DotStamps.h"

TEST(DotStamps, SamePixelsAsThePainterDraws) {
  std::mt19937 rng(3);
  for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
    QImage stamped(60, 40, format);
    stamped.fill(QColor(120, 130, 140));
    QImage painted = stamped.copy();
    DotStamps stamps;
    QPainter p(&painted);
    for (int k = 0; k < 500; ++k) {
      const int x = static_cast<int>(rng() % 72) - 6;
      const int y = static_cast<int>(rng() % 52) - 6;
      const int r = k % 2 ? 4 : 2;
      const QColor brush = QColor::fromHsv(k % 5 * 70, 200, 220);
      const QColor pen = k % 3 ? QColor(Qt::black) : brush.darker(170);
      stamps.Draw(stamped, x, y, r, pen, brush);
      p.setPen(QPen(pen, 1));
      p.setBrush(brush);
      DrawCornerEllipse(p, x - r, y - r, x + r, y + r);
    }
    p.end();
    EXPECT_TRUE(stamped == painted) << format;
  }
}

// The pixels a shape given by two corners covers: the columns and rows
// from its left and top to one short of its right and bottom.
TEST(CornerBox, ShapesLeaveOutTheirRightAndBottomEdges) {
  struct Extent {
    int left, right, top, bottom;
  };
  const auto extentOf = [](const QImage& image) {
    Extent e{image.width(), -1, image.height(), -1};
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) != qRgb(255, 255, 255))
          e = {std::min(e.left, x), std::max(e.right, x), std::min(e.top, y), std::max(e.bottom, y)};
    return e;
  };
  // Circles of radius 1 to 8 centred at (20, 20): 2 r pixels each way,
  // stamped, painted and painted smooth.
  for (int r = 1; r <= 8; ++r) {
    for (int way = 0; way < 3; ++way) {
      QImage image(40, 40, QImage::Format_RGB32);
      image.fill(Qt::white);
      if (way == 0) {
        DotStamps().Draw(image, 20, 20, r, Qt::black, Qt::red);
      } else {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, way == 2);
        p.setPen(QPen(Qt::black, way == 2 ? 0.8 : 1.0));
        p.setBrush(Qt::red);
        DrawCornerEllipse(p, 20 - r, 20 - r, 20 + r, 20 + r);
      }
      const Extent e = extentOf(image);
      EXPECT_EQ(std::tuple(e.left, e.right, e.top, e.bottom), std::tuple(20 - r, 19 + r, 20 - r, 19 + r))
          << "r " << r << " way " << way;
    }
  }
  // The common dot, radius 2: a pixel is in the circle when its centre is,
  // so the 4 x 4 box loses its corners; the outline is the pen's, the
  // middle the brush's.
  QImage dot(4, 4, QImage::Format_RGB32);
  dot.fill(Qt::white);
  DotStamps().Draw(dot, 2, 2, 2, Qt::black, Qt::red);
  QString rows;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x)
      rows += dot.pixel(x, y) == qRgb(255, 255, 255) ? '.' : dot.pixel(x, y) == qRgb(0, 0, 0) ? '#' : 'o';
  EXPECT_EQ(rows, ".##."
                  "#oo#"
                  "#oo#"
                  ".##.");
  // A box of no width covers nothing (the stand card's swatches and bars
  // are the card's test).
  QImage image(20, 20, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  FillCornerBox(p, 4, 3, 4, 14, Qt::red);
  DrawCornerEllipse(p, 9, 9, 9, 20);
  p.end();
  EXPECT_EQ(extentOf(image).right, -1);
}
