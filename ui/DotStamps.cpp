#include "ui/DotStamps.h"

#include <QPainter>

#include "ui/Canvas.h"

namespace {

void Paint(QImage& image, int x, int y, int r, const QColor& pen, const QColor& brush) {
  QPainter p(&image);
  p.setPen(QPen(pen, 1));
  p.setBrush(brush);
  DrawCornerEllipse(p, x - r, y - r, x + r, y + r);
}

// The circle drawn alone, centred in a picture of the format filled with
// `ground`.
QImage DrawnAlone(int r, const QColor& pen, const QColor& brush, QImage::Format format, QRgb ground, int centre) {
  QImage image(2 * centre + 1, 2 * centre + 1, format);
  image.fill(ground);
  Paint(image, centre, centre, r, pen, brush);
  return image;
}

}  // namespace

const DotStamps::Stamp& DotStamps::StampFor(int r, const QColor& pen, const QColor& brush, QImage::Format format) {
  for (const Stamp& s : stamps_)
    if (s.r == r && s.pen == pen.rgba64() && s.brush == brush.rgba64() && s.format == format) return s;
  Stamp s{r, pen.rgba64(), brush.rgba64(), format, {}, {}, {}};
  // Drawn over two grounds: a pixel that the circle sets differs from at
  // least one of them, and it is set to the same colour over both.
  const int centre = r + 2;
  const QImage a = DrawnAlone(r, pen, brush, format, 0xff000000u, centre);
  const QImage b = DrawnAlone(r, pen, brush, format, 0xffffffffu, centre);
  const QRgb groundA = a.pixel(0, 0);
  const QRgb groundB = b.pixel(0, 0);
  for (int y = 0; y < a.height(); ++y) {
    const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    for (int x = 0; x < a.width(); ++x) {
      if (rowA[x] == groundA && rowB[x] == groundB) continue;
      s.dx.push_back(x - centre);
      s.dy.push_back(y - centre);
      s.pixels.push_back(rowA[x] != groundA ? rowA[x] : rowB[x]);
    }
  }
  stamps_.push_back(std::move(s));
  return stamps_.back();
}

void DotStamps::Draw(QImage& image, int x, int y, int r, const QColor& pen, const QColor& brush) {
  if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32_Premultiplied) {
    Paint(image, x, y, r, pen, brush);
    return;
  }
  const Stamp& s = StampFor(r, pen, brush, image.format());
  const int w = image.width();
  const int h = image.height();
  uchar* bits = image.bits();
  const qsizetype line = image.bytesPerLine();
  for (std::size_t k = 0; k < s.pixels.size(); ++k) {
    const int px = x + s.dx[k];
    const int py = y + s.dy[k];
    if (px < 0 || py < 0 || px >= w || py >= h) continue;
    reinterpret_cast<QRgb*>(bits + py * line)[px] = s.pixels[k];
  }
}
