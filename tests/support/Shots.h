#pragma once
// Where window tests leave pictures of what they drew, for a person to look
// at: $NORVALEN_SHOTS, or "norvalen-shots" in the temporary folder; the
// picture of a window saved there; where a picture's pixels of a kind lie.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

namespace testsupport {

inline QString ShotPath(const QString& fileName) {
  QString dir = qEnvironmentVariable("NORVALEN_SHOTS");
  if (dir.isEmpty()) dir = QDir::tempPath() + "/norvalen-shots";
  QDir().mkpath(dir);
  return dir + "/" + fileName;
}

// The window as drawn, once what it has to paint is painted.
inline void Shot(QWidget* w, const QString& file) {
  QApplication::processEvents();
  EXPECT_TRUE(w->grab().save(ShotPath(file))) << file.toStdString();
}

// The smallest rectangle around the pixels of `area` (the whole picture when
// empty) for which `in` holds; an empty one where none does.
inline QRect PixelBox(const QImage& image, const std::function<bool(QRgb)>& in, QRect area = {}) {
  if (area.isEmpty()) area = image.rect();
  QRect box;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (in(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
  return box;
}

}  // namespace testsupport
