// Stamped circles are the painter's own: the same pixels at any position,
// clipped at the picture's edges, in both picture formats.
#include <QPainter>
#include <gtest/gtest.h>

#include <random>

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
      p.drawEllipse(QRect(x - r, y - r, 2 * r, 2 * r));
    }
    p.end();
    EXPECT_TRUE(stamped == painted) << format;
  }
}
