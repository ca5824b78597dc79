#pragma once
// A picture control: draws its pixmap as it is, also while its window is
// disabled (a disabled label would grey it); and the rule every picture
// follows for a shape given by two corners.

#include <QPixmap>
#include <QRect>
#include <QWidget>

class QColor;
class QPainter;

// A rectangle or ellipse given by its corners (left, top) and (right,
// bottom) covers the pixels left .. right - 1 and top .. bottom - 1: its
// right and bottom edges lie outside, so (7, 17)-(34, 25) is 27 x 8 pixels.
// Nothing is covered when right <= left or bottom <= top.
QRect CornerBox(int left, int top, int right, int bottom);
void FillCornerBox(QPainter& p, int left, int top, int right, int bottom, const QColor& colour);
// The ellipse of that box, outlined with the painter's pen and filled with
// its brush, no pixel outside the box (with or without antialiasing).
void DrawCornerEllipse(QPainter& p, int left, int top, int right, int bottom);

class TCanvas : public QWidget {
  Q_OBJECT
 public:
  explicit TCanvas(QWidget* parent = nullptr) : QWidget(parent) {}
  void setPixmap(const QPixmap& pm);
  const QPixmap& pixmap() const { return pixmap_; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  QPixmap pixmap_;
};
