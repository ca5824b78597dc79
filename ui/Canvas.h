#pragma once
// A picture control: draws its pixmap as it is, also while its window is
// disabled (a disabled label would grey it).

#include <QPixmap>
#include <QWidget>

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
