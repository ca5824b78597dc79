#pragma once
// Where window tests leave pictures of what they drew, for a person to look
// at: $NORVALEN_SHOTS, or "norvalen-shots" in the temporary folder.
#include <QDir>
#include <QString>

namespace testsupport {

inline QString ShotPath(const QString& fileName) {
  QString dir = qEnvironmentVariable("NORVALEN_SHOTS");
  if (dir.isEmpty()) dir = QDir::tempPath() + "/norvalen-shots";
  QDir().mkpath(dir);
  return dir + "/" + fileName;
}

}  // namespace testsupport
