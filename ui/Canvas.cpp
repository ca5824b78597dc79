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
