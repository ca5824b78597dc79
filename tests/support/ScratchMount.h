#pragma once
// A small file system of its own for one test, as a full or a read-only disk
// would be: a tmpfs of a given size mounted over a folder in a mount
// namespace private to this test process (so nothing is seen outside it and
// the mount goes when the process ends). Mounting needs root or a user
// namespace; where neither is allowed (a locked-down CI machine) Mounted()
// is false and Reason() says why, and the test skips.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

namespace testsupport {

class ScratchMount {
 public:
  ScratchMount(const QString& folder, long bytes) : folder_(folder) {
    QDir().mkpath(folder);
    if (!PrivateNamespace(reason_)) return;
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0777";
    if (::mount("norvalen-test", Path(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) != 0) {
      reason_ = QStringLiteral("mount: ") + QString::fromLocal8Bit(std::strerror(errno));
      return;
    }
    mounted_ = true;
  }
  ~ScratchMount() {
    if (mounted_) ::umount2(Path(), MNT_DETACH);
  }
  ScratchMount(const ScratchMount&) = delete;
  ScratchMount& operator=(const ScratchMount&) = delete;

  bool Mounted() const { return mounted_; }
  QString Reason() const { return reason_; }
  QString Folder() const { return folder_; }
  QString File(const QString& name) const { return folder_ + QLatin1Char('/') + name; }

  // Remounts the file system read-only (as a write-protected disk).
  bool MakeReadOnly() {
    return mounted_ && ::mount(nullptr, Path(), nullptr, MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) == 0;
  }

  // Fills the free room with a file of its own until the system refuses,
  // then frees `leaveBytes` of it again (rounded to whole pages by tmpfs).
  void Fill(long leaveBytes) {
    const QString filler = File(QStringLiteral("filler.bin"));
    QFile f(filler);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
    const QByteArray chunk(4096, 'x');
    while (f.write(chunk) == chunk.size()) {
    }
    f.close();
    if (leaveBytes > 0) f.resize(std::max<qint64>(0, QFileInfo(filler).size() - leaveBytes));
  }

 private:
  const char* Path() {
    path_ = QFile::encodeName(folder_);
    return path_.constData();
  }

  // This process in a mount namespace of its own, with nothing shared back
  // to the parent; as root, else through a user namespace.
  static bool PrivateNamespace(QString& reason) {
    static QString why;
    static const bool done = Unshare(why);  // tried once
    reason = why;
    return done;
  }

  static bool Unshare(QString& why) {
    if (::unshare(CLONE_NEWNS) != 0) {
      const uid_t uid = ::getuid();
      const gid_t gid = ::getgid();
      if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
        why = QStringLiteral("unshare: ") + QString::fromLocal8Bit(std::strerror(errno));
        return false;
      }
      WriteProc("/proc/self/setgroups", "deny");
      WriteProc("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1");
      WriteProc("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1");
    }
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
      why = QStringLiteral("private mounts: ") + QString::fromLocal8Bit(std::strerror(errno));
      return false;
    }
    return true;
  }

  static void WriteProc(const char* file, const std::string& text) {
    const int fd = ::open(file, O_WRONLY);
    if (fd < 0) return;
    [[maybe_unused]] const ssize_t n = ::write(fd, text.data(), text.size());
    ::close(fd);
  }

  QString folder_;
  QString reason_;
  QByteArray path_;
  bool mounted_ = false;
};

}  // namespace testsupport
