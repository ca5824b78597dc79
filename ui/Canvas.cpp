#include "ui/Canvas.h"

#include <QPainter>

void TCanvas::setPixmap(const QPixmap& pm) {
  pixmap_ = pm;
  update();
}

void TCanvas::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!pixmap_.isNull()) p.drawPixmap(0, 0, pixmap_);
}

QRect CornerBox(int left, int top, int right, int bottom) {
  return QRect(left, top, qMax(0, right - left), qMax(0, bottom - top));
}

void FillCornerBox(QPainter& p, int left, int top, int right, int bottom, const QColor& colour) {
  const QRect box = CornerBox(left, top, right, bottom);
  if (!box.isEmpty()) p.fillRect(box, colour);
}

void DrawCornerEllipse(QPainter& p, int left, int top, int right, int bottom) {
  const QRect box = CornerBox(left, top, right, bottom);
  if (box.isEmpty()) return;
  if (p.testRenderHint(QPainter::Antialiasing)) {
    // The pen's outer edge on the box's edges (a pen of width 0 is one
    // pixel wide); the box clips what the smoothing would spill.
    const qreal width = p.pen().widthF() > 0 ? p.pen().widthF() : 1.0;
    const qreal half = p.pen().style() == Qt::NoPen ? 0.0 : width / 2;
    p.save();
    p.setClipRect(box, p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    p.drawEllipse(QRectF(box).adjusted(half, half, -half, -half));
    p.restore();
  } else {
    // Pixel by pixel: a pixel whose centre lies in the ellipse is covered,
    // in the pen's colour when a side neighbour is not (the 1-pixel
    // outline), else in the brush's. Qt's own aliased ellipse of a small
    // box is a square.
    const int w = box.width();
    const int h = box.height();
    const auto inside = [w, h](int x, int y) {
      if (x < 0 || y < 0 || x >= w || y >= h) return false;
      const double dx = (x + 0.5 - w * 0.5) / (w * 0.5);
      const double dy = (y + 0.5 - h * 0.5) / (h * 0.5);
      return dx * dx + dy * dy <= 1.0;
    };
    const bool outline = p.pen().style() != Qt::NoPen;
    const bool filled = p.brush().style() != Qt::NoBrush;
    const QColor pen = p.pen().color();
    const QBrush brush = p.brush();
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        if (!inside(x, y)) continue;
        const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
        if (edge && outline)
          p.fillRect(box.x() + x, box.y() + y, 1, 1, pen);
        else if (filled)
          p.fillRect(box.x() + x, box.y() + y, 1, 1, brush);
      }
    }
  }
}
