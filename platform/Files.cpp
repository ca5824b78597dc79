#include "platform/Files.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <utility>

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

namespace {

std::function<void(WriteStage)>& WriteStageHook() {
  static std::function<void(WriteStage)> hook;
  return hook;
}

void ReachStage(WriteStage stage) {
  if (WriteStageHook()) WriteStageHook()(stage);
}

int& PendingReadFailure() {
  static int number = 0;
  return number;
}

int& PendingFolderSyncFailure() {
  static int number = 0;
  return number;
}

// A descriptor closed when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  bool ok() const { return fd_ >= 0; }
  void Reset(int fd) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }
  // Closes it now; the error number of a failed close, else 0.
  int Close() {
    const int fd = fd_;
    fd_ = -1;
    return fd >= 0 && ::close(fd) != 0 ? errno : 0;
  }

 private:
  int fd_;
};

QString SystemText(int number) { return QString::fromLocal8Bit(std::strerror(number)); }

// The folder of a path as the system takes it ("/" for the root, "." for a
// bare name).
QString DirectoryOf(const QString& path) {
  const qsizetype i = path.lastIndexOf(QLatin1Char('/'));
  if (i < 0) return QStringLiteral(".");
  return i == 0 ? QStringLiteral("/") : path.left(i);
}

// The name a write through path replaces: path with every link followed (a
// link to nothing gives the name it points at, where the file is created).
QString LinkTarget(const QString& path) {
  QString p = path;
  for (int depth = 0; depth < 40; ++depth) {
    struct stat st;
    const QByteArray native = QFile::encodeName(p);
    if (::lstat(native.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
    char target[PATH_MAX];
    const ssize_t n = ::readlink(native.constData(), target, sizeof target);
    if (n <= 0 || n >= static_cast<ssize_t>(sizeof target)) return p;
    const QString to = QFile::decodeName(QByteArray(target, static_cast<qsizetype>(n)));
    p = to.startsWith(QLatin1Char('/')) ? to : DirectoryOf(p) + QLatin1Char('/') + to;
  }
  return p;
}

FileIdentity IdentityOf(const struct stat& st) {
  return {static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino)};
}

QString NameChanged() { return QString::fromUtf8("tiedoston nimi vaihtui tallennuksen aikana"); }

// What an entry of the folder holds, looked at without following a link or
// opening a pipe or a device.
struct Look {
  bool present = false;
  int error = 0;  // why nothing was seen (ENOENT: nothing has that name)
  struct stat st {};
};

Look LookAt(int folder, const QByteArray& name) {
  Look look;
  look.present = ::fstatat(folder, name.constData(), &look.st, AT_SYMLINK_NOFOLLOW) == 0;
  if (!look.present) look.error = errno;
  return look;
}

// Why the entry `name` of the folder, as `look` saw it, may not be
// replaced: it is not a regular file (a link is told by what it points at),
// or, with `only`, it is not that file; empty when it may. Where nothing has
// that name, a new file may take it, but not with `only`.
QString NotReplaceable(int folder, const QByteArray& name, const QString& path, const FileIdentity* only,
                       const Look& look) {
  if (!look.present) return only && look.error == ENOENT ? NameChanged() : QString();
  const struct stat& st = look.st;
  if (S_ISREG(st.st_mode)) return only && IdentityOf(st) != *only ? NameChanged() : QString();
  if (!S_ISLNK(st.st_mode)) return NotAFileReason(st.st_mode, path);
  // A link put in the file's place: told by what it points at.
  struct stat pointed;
  if (::fstatat(folder, name.constData(), &pointed, 0) == 0 && !S_ISREG(pointed.st_mode))
    return NotAFileReason(pointed.st_mode, path);
  return NameChanged();
}

// A name for the temporary file beside `name` that nothing has yet, at most
// `longest` bytes long: where the name leaves no room for the ending, the
// name is cut (at a whole character).
QByteArray TemporaryName(const QByteArray& name, int attempt, qsizetype longest) {
  static unsigned counter = 0;
  const unsigned salt = static_cast<unsigned>(::getpid()) * 2654435761u + (++counter) * 40503u +
                        static_cast<unsigned>(attempt) * 977u;
  const QByteArray ending = '.' + QByteArray::number(salt % 0xFFFFFFu, 36);
  qsizetype kept = std::min(name.size(), longest - ending.size());
  while (kept > 0 && kept < name.size() && (static_cast<unsigned char>(name[kept]) & 0xC0) == 0x80) --kept;
  return name.left(std::max<qsizetype>(kept, 1)) + ending;
}

// Syncs the folder, so that its entries as they now are survive a power
// cut. The error number of a failure, else 0; a folder this user may not
// read (held without a descriptor that syncs) and a file system that cannot
// sync folders have nothing more to do.
int SyncFolder(int folder) {
  int number = ::fsync(folder) == 0 ? 0 : errno;
  if (const int injected = std::exchange(PendingFolderSyncFailure(), 0)) number = injected;
  return number == EBADF || number == EINVAL ? 0 : number;
}

}  // namespace

void SetWriteStageHook(std::function<void(WriteStage)> fn) { WriteStageHook() = std::move(fn); }

void FailNextFolderSync(int errorNumber) { PendingFolderSyncFailure() = errorNumber; }

void FailNextRead(int errorNumber) { PendingReadFailure() = errorNumber; }

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error, const FileIdentity* replacing) {
  ReachStage(WriteStage::Started);
  const QString target = LinkTarget(path);
  const auto fail = [&](const QString& reason) {
    if (error) *error = reason;
    return false;
  };
  const auto failWith = [&](int number) { return fail(FileErrorReason(number, target, SystemText(number))); };

  // The folder is held open, so that the checks and the replacement below
  // all concern the same folder whatever happens to its path meanwhile; it
  // is held readable where it may be read, so that it can be synced.
  const QByteArray folderName = QFile::encodeName(DirectoryOf(target));
  Descriptor folder(::open(folderName.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder.ok() && errno == EACCES) folder.Reset(::open(folderName.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  if (!folder.ok()) return failWith(errno);
  const QByteArray name = QFile::encodeName(FileNameOfPath(target));

  // What the name holds now, looked at without following a link or opening
  // a pipe or a device: nothing (with `replacing`, that file), or a regular
  // file whose permissions the new file takes and that this user may write.
  const Look held = LookAt(folder.get(), name);
  if (const QString why = NotReplaceable(folder.get(), name, target, replacing, held); !why.isEmpty()) return fail(why);
  const bool exists = held.present;
  if (!exists && held.error != ENOENT) return failWith(held.error);
  if (exists && ::faccessat(folder.get(), name.constData(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) != 0)
    return failWith(errno);
  ReachStage(WriteStage::Checked);

  // The new contents in a temporary file beside it.
  QByteArray temporary;
  Descriptor file;
  qsizetype longest = NAME_MAX;
  for (int attempt = 0; attempt < 100 && !file.ok(); ++attempt) {
    temporary = TemporaryName(name, attempt, longest);
    errno = 0;
    file.Reset(::openat(folder.get(), temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                        exists ? 0600 : 0666));
    // A file system whose names are shorter: no longer than the name itself.
    if (!file.ok() && errno == ENAMETOOLONG && temporary.size() > name.size()) longest = name.size();
    else if (!file.ok() && errno != EEXIST) return failWith(errno);
  }
  if (!file.ok()) return failWith(EEXIST);
  struct stat own;
  const auto discard = [&](int number) {
    file.Close();
    ::unlinkat(folder.get(), temporary.constData(), 0);
    return failWith(number);
  };
  if (::fstat(file.get(), &own) != 0) return discard(errno);
  if (exists && ::fchmod(file.get(), held.st.st_mode & 07777) != 0) return discard(errno);
  qint64 done = 0;
  while (done < bytes.size()) {
    // A short write is followed by another, which fails with the reason.
    const ssize_t n = ::write(file.get(), bytes.constData() + done,
                              static_cast<size_t>(std::min<qint64>(bytes.size() - done, 1 << 30)));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return discard(n == 0 ? ENOSPC : errno);
    done += n;
  }
  if (::fsync(file.get()) != 0) return discard(errno);
  if (const int closed = file.Close()) {
    ::unlinkat(folder.get(), temporary.constData(), 0);
    return failWith(closed);
  }
  ReachStage(WriteStage::Written);

  // The replacement. Where the name holds something, the new file and that
  // are swapped in one step and what was swapped out is looked at: a
  // regular file (with `replacing`, that file) is removed, anything else is
  // swapped back, so that nothing else is ever replaced, however the name
  // changes between the look and the swap. Where the name holds nothing, the
  // new file takes it only if it is still free.
  const auto removeOwn = [&] {
    struct stat st;
    if (::fstatat(folder.get(), temporary.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && st.st_dev == own.st_dev &&
        st.st_ino == own.st_ino)
      ::unlinkat(folder.get(), temporary.constData(), 0);
  };
  bool replaced = false;
  for (int attempt = 0; attempt < 8; ++attempt) {
    const Look now = LookAt(folder.get(), name);
    if (const QString why = NotReplaceable(folder.get(), name, target, replacing, now); !why.isEmpty()) {
      removeOwn();
      return fail(why);
    }
    const bool present = now.present;
    ReachStage(WriteStage::Replacing);
    if (::renameat2(folder.get(), temporary.constData(), folder.get(), name.constData(),
                    present ? RENAME_EXCHANGE : RENAME_NOREPLACE) == 0) {
      const QString why =
          present ? NotReplaceable(folder.get(), temporary, target, replacing, LookAt(folder.get(), temporary)) : QString();
      if (!why.isEmpty()) {
        // Something else took the name meanwhile: it gets its name back.
        ::renameat2(folder.get(), temporary.constData(), folder.get(), name.constData(), RENAME_EXCHANGE);
        removeOwn();
        return fail(why);
      }
      if (present) ::unlinkat(folder.get(), temporary.constData(), 0);
      replaced = true;
      break;
    }
    const int failure = errno;
    // The name was emptied or taken meanwhile: look again.
    if (failure == ENOENT || failure == EEXIST) continue;
    // A file system that cannot swap: the plain rename right after the look
    // above.
    replaced = (failure == EINVAL || failure == ENOSYS || failure == EOPNOTSUPP) &&
               ::renameat(folder.get(), temporary.constData(), folder.get(), name.constData()) == 0;
    if (replaced) break;
    const int number = errno;
    removeOwn();
    return failWith(number);
  }
  if (!replaced) {
    removeOwn();
    return fail(NameChanged());
  }
  // The new entry of the folder (and the old file's removal) made lasting.
  if (const int number = SyncFolder(folder.get())) return failWith(number);
  return true;
}

ReadOpen OpenForReading(QFile& f, QString* reason, FileIdentity* identity) {
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
  if (identity) *identity = IdentityOf(st);
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
  r.state = OpenForReading(f, &r.reason, &r.identity);
  if (r.state == ReadOpen::Missing) r.reason = FileErrorReason(ENOENT, path, QString());
  if (r.state != ReadOpen::Opened) return r;
  r.size = f.size();
  if (wholeOnly && r.size > maxBytes) return r;
  errno = 0;
  // What the opened file tells, never beyond the longest wanted.
  r.bytes = f.read(qBound<qint64>(0, r.size, maxBytes));
  int failure = f.error() != QFileDevice::NoError ? errno : 0;
  QString systemText = f.errorString();
  if (const int injected = std::exchange(PendingReadFailure(), 0)) {
    failure = injected;
    systemText = SystemText(injected);
  }
  if (f.error() != QFileDevice::NoError || failure != 0) {
    r.state = ReadOpen::Unreadable;
    r.readFailed = true;
    r.reason = FileErrorReason(failure, path, systemText);
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
