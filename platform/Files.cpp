#include "platform/Files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// The reason for something that is not a regular file, by its mode.
QString NotAFileReason(mode_t mode, const QString& path) {
  if (S_ISDIR(mode)) return FileErrorReason(EISDIR, path, QString());
  return QString::fromUtf8("tiedoston nimellä on putki tai laite");
}

}  // namespace

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

bool FileExists(const QString& path) {
  const QFileInfo info(path);
  return info.exists() || info.isSymLink();
}

QString FileErrorReason(int errorNumber, const QString& path, const QString& systemText) {
  if (errorNumber == EISDIR || (!path.isEmpty() && QFileInfo(path).isDir()))
    return QString::fromUtf8("tiedoston nimellä on kansio");
  switch (errorNumber) {
    case ENOSPC: return QString::fromUtf8("levyllä ei ole tilaa");
    case EDQUOT: return QString::fromUtf8("levytilan kiintiö on täynnä");
    case EFBIG: return QString::fromUtf8("tiedosto on liian suuri tiedostojärjestelmälle");
    case EROFS: return QString::fromUtf8("levy on kirjoitussuojattu");
    case EACCES:
    case EPERM: return QString::fromUtf8("ei käyttöoikeutta");
    case ENOENT: return QString::fromUtf8("tiedostoa tai kansiota ei ole");
    case ENOTDIR: return QString::fromUtf8("polussa on tiedosto kansion paikalla");
    case EIO: return QString::fromUtf8("levyn luku- tai kirjoitusvirhe");
    case ENAMETOOLONG: return QString::fromUtf8("tiedoston nimi on liian pitkä");
    case EMFILE:
    case ENFILE: return QString::fromUtf8("liian monta avointa tiedostoa");
    case EBUSY:
    case ETXTBSY: return QString::fromUtf8("tiedosto on toisen ohjelman käytössä");
    default: break;
  }
  return QString::fromUtf8("järjestelmän virhe (") + systemText + QLatin1Char(')');
}

QString FileErrorReason(int errorNumber, const QFileDevice& file) {
  return FileErrorReason(errorNumber, file.fileName(), file.errorString());
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
  // The temporary file would be renamed over a pipe or a device (through a
  // link, as root, over the device's own node).
  struct stat st;
  if (::stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
    if (error) *error = NotAFileReason(st.st_mode, path);
    return false;
  }
  QSaveFile f(path);
  // Unbuffered, so that a short write shows here: through the buffer, a
  // flush inside commit() that the file system cuts short (file size limit,
  // full disk) went unnoticed and the cut file replaced the old one.
  errno = 0;
  bool ok = f.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  qint64 done = 0;
  while (ok && done < bytes.size()) {
    // A short write is followed by another, which fails with the reason.
    errno = 0;
    const qint64 n = f.write(bytes.constData() + done, bytes.size() - done);
    ok = n > 0;
    if (ok) done += n;
  }
  if (ok) {
    errno = 0;
    ok = f.commit();
  }
  // The reason is taken before cancelWriting() puts its own in its place.
  if (!ok && error) *error = FileErrorReason(errno, path, f.errorString());
  if (!ok) f.cancelWriting();
  return ok;
}

ReadOpen OpenForReading(QFile& f, QString* reason) {
  const QString path = f.fileName();
  errno = 0;
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    const int failure = errno;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return ReadOpen::Missing;
    if (reason) *reason = FileErrorReason(failure, path, qt_error_string(failure));
    return ReadOpen::Unreadable;
  }
  struct stat st;
  const bool statted = ::fstat(fd, &st) == 0;
  const int failure = statted ? 0 : errno;
  if (!statted || !S_ISREG(st.st_mode)) {
    ::close(fd);
    if (reason) *reason = failure ? FileErrorReason(failure, path, qt_error_string(failure)) : NotAFileReason(st.st_mode, path);
    return ReadOpen::Unreadable;
  }
  // A regular file: reads go on as usual.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  if (f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) return ReadOpen::Opened;
  ::close(fd);
  if (reason) *reason = FileErrorReason(0, path, f.errorString());
  return ReadOpen::Unreadable;
}

FileStart ReadFileStart(const QString& path, qint64 maxBytes, bool wholeOnly) {
  FileStart r;
  QFile f(path);
  r.state = OpenForReading(f, &r.reason);
  if (r.state == ReadOpen::Missing) r.reason = FileErrorReason(ENOENT, path, QString());
  if (r.state != ReadOpen::Opened) return r;
  r.size = f.size();
  if (wholeOnly && r.size > maxBytes) return r;
  errno = 0;
  // What the opened file tells, never beyond the longest wanted.
  r.bytes = f.read(qBound<qint64>(0, r.size, maxBytes));
  if (f.error() != QFileDevice::NoError) {
    r.state = ReadOpen::Unreadable;
    r.reason = FileErrorReason(errno, path, f.errorString());
    r.bytes.clear();
  }
  return r;
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
