#pragma once
// Small circles drawn by the thousand into one picture (the trees of the
// measurement window's sample map and of the cutting dialogs' previews).
//
// Each kind of circle (radius, pen and brush colour) is drawn once with
// QPainter::drawEllipse into a stamp; every circle of that kind is then the
// stamp's pixels copied into the picture, clipped at its edges: the same
// pixels the painter sets for that circle, without its cost per call. The
// painter draws without antialiasing, so a pixel is either set to a colour
// or left as it was.

#include <QColor>
#include <QImage>

#include <vector>

class DotStamps {
 public:
  // The circle of the corners (x - r, y - r)-(x + r, y + r) as
  // DrawCornerEllipse draws it (2 r x 2 r pixels) with a pen of width 1 in
  // `pen` and a solid brush in `brush`; stamped into an image of format
  // RGB32 or ARGB32_Premultiplied, drawn by the painter into any other.
  void Draw(QImage& image, int x, int y, int r, const QColor& pen, const QColor& brush);

 private:
  struct Stamp {
    int r;
    QRgba64 pen;
    QRgba64 brush;
    QImage::Format format;
    // Offsets from the centre and the pixel set there.
    std::vector<int> dx, dy;
    std::vector<QRgb> pixels;
  };
  const Stamp& StampFor(int r, const QColor& pen, const QColor& brush, QImage::Format format);
  std::vector<Stamp> stamps_;
};
