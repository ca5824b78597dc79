#include "platform/Files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

bool CopyFile(const QString& from, const QString& to, bool failIfExists) {
  if (!QFileInfo(from).isFile()) return false;
  if (QFileInfo::exists(to)) {
    if (failIfExists) return false;
    if (!QFile::remove(to)) return false;
  }
  return QFile::copy(from, to);
}

bool DeleteFile(const QString& path) {
  if (!QFileInfo(path).isFile()) return false;
  return QFile::remove(path);
}

bool FileExists(const QString& path) { return QFileInfo(path).isFile(); }

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile f(path);
  bool ok = f.open(QIODevice::WriteOnly);
  if (ok) ok = f.write(bytes) == bytes.size();
  if (ok) ok = f.commit();
  else f.cancelWriting();
  if (!ok && error) *error = f.errorString();
  return ok;
}

QString FileNameOfPath(const QString& path) {
  const qsizetype i = path.lastIndexOf(QLatin1Char('/'));
  return i < 0 ? path : path.mid(i + 1);
}

QString FolderOfPath(const QString& path) {
  const qsizetype i = path.lastIndexOf(QLatin1Char('/'));
  return i < 0 ? QString() : path.left(i);
}

QString JoinPath(const QString& a, const QString& b) {
  if (a.isEmpty()) return b;
  if (b.isEmpty()) return a;
  const bool aSlash = a.endsWith(QLatin1Char('/'));
  const bool bSlash = b.startsWith(QLatin1Char('/'));
  if (aSlash && bSlash) return a + b.mid(1);
  if (aSlash || bSlash) return a + b;
  return a + QLatin1Char('/') + b;
}

}  // namespace platform
