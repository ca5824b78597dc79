#pragma once
// Whole files as bytes, and little-endian numbers inside them, for the tests
// of the file layouts; names that are not regular files, a folder's state to
// tell that nothing changed, a name changed during a write, and a guard that
// ends a read that hangs.
#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "platform/Files.h"

namespace testsupport {

// The file's bytes; empty when it cannot be read.
inline QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  ASSERT_EQ(f.write(bytes), bytes.size());
}

inline std::int32_t I32At(const QByteArray& b, int at) {
  std::uint32_t u = 0;
  for (int k = 3; k >= 0; --k) u = (u << 8) | static_cast<unsigned char>(b[at + k]);
  return static_cast<std::int32_t>(u);
}

inline float F32At(const QByteArray& b, int at) {
  const auto u = static_cast<std::uint32_t>(I32At(b, at));
  float f;
  std::memcpy(&f, &u, 4);
  return f;
}

inline void PutI32(QByteArray& b, int at, std::int32_t v) {
  for (int k = 0; k < 4; ++k) b[at + k] = static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * k)) & 0xFF);
}

inline void PutF32(QByteArray& b, int at, float v) {
  std::uint32_t u;
  std::memcpy(&u, &v, 4);
  PutI32(b, at, static_cast<std::int32_t>(u));
}

// ---- Names that are not regular files ------------------------------------

// What a reader may meet under a file's name besides a file, and the reason
// the program gives for it.
struct NotAFile {
  const char* what;
  bool (*make)(const QString& path);
  const char* reason;
};

inline void PrintTo(const NotAFile& k, std::ostream* os) { *os << k.what; }

inline bool MakePipe(const QString& path) { return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0; }
// A link to a device that reads zeros without end. As root the device is a
// node of its own beside the link, so that a program at fault could replace
// only that node, never the system's /dev/zero.
inline bool MakeDeviceLink(const QString& path) {
  const QByteArray node = QFile::encodeName(path + ".laite");
  if (::geteuid() == 0 && ::mknod(node.constData(), S_IFCHR | 0666, makedev(1, 5)) == 0) {
    const int fd = ::open(node.constData(), O_RDONLY);  // not on a file system mounted nodev
    if (fd >= 0 && ::close(fd) == 0) return QFile::link(path + ".laite", path);
    ::unlink(node.constData());
  }
  return QFile::link("/dev/zero", path);
}
inline bool MakeFolder(const QString& path) {
  return QDir().mkdir(path) && QFile(path + "/keep").open(QIODevice::WriteOnly);
}

inline const NotAFile kNotAFiles[] = {
    {"a pipe", MakePipe, "tiedoston nimellä on putki tai laite"},
    {"a link to a pipe", [](const QString& p) { return MakePipe(p + ".putki") && QFile::link(p + ".putki", p); },
     "tiedoston nimellä on putki tai laite"},
    {"a link to a device", MakeDeviceLink, "tiedoston nimellä on putki tai laite"},
    {"a folder", MakeFolder, "tiedoston nimellä on kansio"},
};

// Every entry under a folder with its kind and its bytes (regular files) or
// target (links), one line each, read without ever opening anything else.
inline std::string FolderState(const QString& folder) {
  QStringList state;
  QDirIterator it(folder, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) continue;
    QString line = QDir(folder).relativeFilePath(path) + QString(" %1 ").arg(st.st_mode, 0, 8);
    if (S_ISLNK(st.st_mode)) line += QFile::symLinkTarget(path);
    if (S_ISREG(st.st_mode)) line += QCryptographicHash::hash(ReadAll(path), QCryptographicHash::Sha1).toHex();
    state << line;
  }
  state.sort();
  return state.join('\n').toStdString();
}

// The stages of an atomic write at which another program may change the
// name; while a NameSwap lives, the first time a write reaches `at` the file
// `path` is moved to `aside` and `swap` puts something else in its name.
inline constexpr platform::WriteStage kWriteStages[] = {platform::WriteStage::Started, platform::WriteStage::Checked,
                                                        platform::WriteStage::Written, platform::WriteStage::Replacing};
class NameSwap {
 public:
  NameSwap(platform::WriteStage at, const QString& path, const QString& aside, std::function<bool()> swap) {
    platform::SetWriteStageHook([=, this](platform::WriteStage stage) {
      if (stage == at && !made) made = QFile::rename(path, aside) && swap();
    });
  }
  ~NameSwap() { platform::SetWriteStageHook({}); }
  NameSwap(const NameSwap&) = delete;
  NameSwap& operator=(const NameSwap&) = delete;
  bool made = false;  // moved aside and swapped
};

// Ends the test program with a message when what it guards has not returned
// in time: a read that waits on a pipe or reads a device without end fails
// at once instead of hanging the test.
class Deadline {
 public:
  explicit Deadline(const char* what, unsigned seconds = 1) {
    what_ = what;
    std::signal(SIGALRM, &Expired);
    ::alarm(seconds);
  }
  ~Deadline() { ::alarm(0); }
  Deadline(const Deadline&) = delete;
  Deadline& operator=(const Deadline&) = delete;

 private:
  static inline const char* what_ = "";
  static void Expired(int) {
    (void)!::write(2, "\nhangs: ", 9);
    (void)!::write(2, what_, std::strlen(what_));
    (void)!::write(2, "\n", 1);
    ::_exit(124);
  }
};

}  // namespace testsupport
