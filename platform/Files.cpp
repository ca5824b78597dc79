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
  // Unbuffered, so that a short write shows here: through the buffer, a
  // flush inside commit() that the file system cuts short (file size limit,
  // full disk) went unnoticed and the cut file replaced the old one.
  bool ok = f.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  qint64 done = 0;
  while (ok && done < bytes.size()) {
    // A short write is followed by another, which fails with the reason.
    const qint64 n = f.write(bytes.constData() + done, bytes.size() - done);
    ok = n > 0;
    if (ok) done += n;
  }
  if (ok) ok = f.commit();
  // The reason is taken before cancelWriting() puts its own in its place.
  if (!ok && error) *error = f.errorString();
  if (!ok) f.cancelWriting();
  return ok;
}

ReadOpen OpenForReading(QFile& f, QString* reason) {
  if (f.open(QIODevice::ReadOnly)) return ReadOpen::Opened;
  const QFileInfo info(f.fileName());
  if (!info.exists() && !info.isSymLink()) return ReadOpen::Missing;
  if (reason) *reason = f.errorString();
  return ReadOpen::Unreadable;
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
