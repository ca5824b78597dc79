#pragma once
// File access as an ordinary user, for tests of unreadable files on a
// machine where the tests run as root (who reads every file): while it
// lives, this thread's file-system user and group are "nobody", which takes away the
// rights to read and write past the permissions; the root rights come back
// at its end. Elsewhere it does nothing.
#include <sys/fsuid.h>
#include <unistd.h>

namespace testsupport {

class UnprivilegedFiles {
 public:
  UnprivilegedFiles() : root_(::geteuid() == 0) {
    if (!root_) return;
    // The group too: root's group would be checked against the group bits.
    ::setfsgid(kNobody);
    ::setfsuid(kNobody);
  }
  ~UnprivilegedFiles() {
    if (!root_) return;
    ::setfsuid(0);
    ::setfsgid(0);
  }
  UnprivilegedFiles(const UnprivilegedFiles&) = delete;
  UnprivilegedFiles& operator=(const UnprivilegedFiles&) = delete;

 private:
  static constexpr uid_t kNobody = 65534;
  bool root_;
};

}  // namespace testsupport
