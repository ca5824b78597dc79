#pragma once
// Where window tests leave pictures of what they drew, for a person to look
// at: $NORVALEN_SHOTS, or "norvalen-shots" in the temporary folder; and the
// picture of a window saved there.
#include <QApplication>
#include <QDir>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

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

}  // namespace testsupport
