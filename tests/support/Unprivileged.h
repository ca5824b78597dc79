#pragma once
// File access as an ordinary user, for tests of unreadable files on a
// machine where the tests run as root (who reads every file): while it
// lives, this thread's file-system user and group are "nobody", which takes away the
// rights to read and write past the permissions; the root rights come back
// at its end. Elsewhere it does nothing. And a whole test run as an
// ordinary user, in a child process where the tests run as root.
#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <grp.h>
#include <string>
#include <sys/fsuid.h>
#include <sys/wait.h>
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

// ---- A test run as an ordinary user ----
// Where a test must meet the permissions an ordinary user meets (a
// write-protected file, which root writes all the same), it runs as one:
// here when this program already runs as an ordinary user; under root again
// in a child process, this test program started anew with this test alone
// after fork has dropped root for the user "nobody" (setgroups, setgid,
// setuid) in the child. The child's output joins this program's, and its
// result is this test's. Where root cannot give up its rights (no setuid
// allowed) or the test program cannot be run as "nobody" (its folder closed
// to other users), the test is skipped with the reason.
namespace testsupport {

enum class OrdinaryUserRun { Here, RanInChild, Impossible };

inline OrdinaryUserRun RunAsOrdinaryUser(std::string& whyNot) {
  if (::geteuid() != 0) return OrdinaryUserRun::Here;
  constexpr int kCannotDrop = 77, kCannotRun = 78;
  constexpr uid_t kNobody = 65534;
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string filter = std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();
  char self[PATH_MAX] = {};
  if (::readlink("/proc/self/exe", self, sizeof self - 1) <= 0) {
    whyNot = "the test program's own path is unknown";
    return OrdinaryUserRun::Impossible;
  }
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {
    // Only calls that are safe between fork and exec.
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(kCannotDrop);
    if (::chdir("/") != 0) ::_exit(kCannotRun);
    char* argv[] = {self, filter.data(), nullptr};
    ::execv(self, argv);
    ::_exit(kCannotRun);
  }
  int status = 0;
  while (child > 0 && ::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  const int code = child > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (code == kCannotDrop || code == kCannotRun) {
    whyNot = code == kCannotDrop ? "root cannot become the user nobody here"
                                 : "the user nobody cannot run the test program from its folder";
    return OrdinaryUserRun::Impossible;
  }
  EXPECT_EQ(code, 0) << "the test as the user nobody (its output above)";
  return OrdinaryUserRun::RanInChild;
}

}  // namespace testsupport

// The rest of the test runs as an ordinary user (RunAsOrdinaryUser): here,
// or in a child process in its place.
#define NORVALEN_AS_ORDINARY_USER()                                                  \
  do {                                                                               \
    std::string whyNot_;                                                             \
    switch (testsupport::RunAsOrdinaryUser(whyNot_)) {                               \
      case testsupport::OrdinaryUserRun::Here: break;                                \
      case testsupport::OrdinaryUserRun::RanInChild: return;                         \
      case testsupport::OrdinaryUserRun::Impossible: GTEST_SKIP() << whyNot_;        \
    }                                                                                \
  } while (false)
