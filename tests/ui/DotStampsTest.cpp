// Stamped circles are the painter's own: the same pixels at any position,
// clipped at the picture's edges, in both picture formats; a circle of the
// corners (x - r, y - r)-(x + r, y + r) leaves out its right and bottom
// edges, as every shape given by two corners does.
#include <QPainter>
#include <gtest/gtest.h>

#include <random>

#include "tests/support/Shots.h"
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

// A shape given by two corners covers the columns and rows from its left
// and top to one short of its right and bottom.
TEST(CornerBox, ShapesLeaveOutTheirRightAndBottomEdges) {
  const auto inked = [](QRgb p) { return p != qRgb(255, 255, 255); };
  const auto blank = [](int side) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
  };
  // Circles of radius 1 to 8 at (20, 20), stamped, painted and painted
  // smooth: 2 r pixels each way.
  for (int r = 1; r <= 8; ++r)
    for (int way = 0; way < 3; ++way) {
      QImage image = blank(40);
      if (way == 0) {
        DotStamps().Draw(image, 20, 20, r, Qt::black, Qt::red);
      } else {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, way == 2);
        p.setPen(QPen(Qt::black, way == 2 ? 0.8 : 1.0));
        p.setBrush(Qt::red);
        DrawCornerEllipse(p, 20 - r, 20 - r, 20 + r, 20 + r);
      }
      EXPECT_EQ(testsupport::PixelBox(image, inked), QRect(20 - r, 20 - r, 2 * r, 2 * r)) << r << " " << way;
    }
  // Radius 2: the pixels whose centres are in the circle, the 4 x 4 box
  // without its corners; the outline the pen's, the middle the brush's.
  QImage dot = blank(4);
  DotStamps().Draw(dot, 2, 2, 2, Qt::black, Qt::red);
  QString rows;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x)
      rows += dot.pixel(x, y) == qRgb(255, 255, 255) ? '.' : dot.pixel(x, y) == qRgb(0, 0, 0) ? '#' : 'o';
  EXPECT_EQ(rows, ".##."
                  "#oo#"
                  "#oo#"
                  ".##.");
  // A box of no width covers nothing.
  QImage image = blank(20);
  QPainter p(&image);
  FillCornerBox(p, 4, 3, 4, 14, Qt::red);
  DrawCornerEllipse(p, 9, 9, 9, 20);
  p.end();
  EXPECT_TRUE(testsupport::PixelBox(image, inked).isEmpty());
}
