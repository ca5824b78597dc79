#pragma once
// A temporary folder for one test, removed with its contents afterwards.
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

class TempDir {
 public:
  TempDir() : dir_(QDir::tempPath() + "/norvalen-test-XXXXXX") {}
  QString path() const { return dir_.path(); }
  QString file(const QString& name) const { return dir_.path() + "/" + name; }

 private:
  QTemporaryDir dir_;
};

}  // namespace testsupport
