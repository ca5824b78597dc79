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

inline constexpr uid_t kNobody = 65534;

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
  bool root_;
};

// A test that must meet an ordinary user's permissions (root writes a
// write-protected file all the same) runs as one: here, or under root in a
// child process that drops to "nobody" (setgroups, setgid, setuid) and runs
// this test program with this test alone, whose result is the test's.
// Returns whether the test goes on here; otherwise `whyNot` says why it is
// skipped (root cannot drop its rights, the program's folder is closed to
// other users), or is empty when the child ran it.
inline bool GoOnAsOrdinaryUser(std::string& whyNot) {
  if (::geteuid() != 0) return true;
  constexpr int kCannotDrop = 77, kCannotRun = 78;
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string filter = std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();
  char self[PATH_MAX] = {};
  if (::readlink("/proc/self/exe", self, sizeof self - 1) <= 0) {
    whyNot = "the test program's own path is unknown";
    return false;
  }
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {  // only calls that are safe between fork and exec
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(kCannotDrop);
    char* argv[] = {self, filter.data(), nullptr};
    if (::chdir("/") == 0) ::execv(self, argv);
    ::_exit(kCannotRun);
  }
  int status = 0;
  while (child > 0 && ::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  const int code = child > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (code == kCannotDrop || code == kCannotRun) {
    whyNot = code == kCannotDrop ? "root cannot become the user nobody here"
                                 : "the user nobody cannot run the test program from its folder";
  } else {
    EXPECT_EQ(code, 0) << "the test as the user nobody (its output above)";
  }
  return false;
}

}  // namespace testsupport

// The rest of the test runs as an ordinary user (GoOnAsOrdinaryUser).
#define NORVALEN_AS_ORDINARY_USER()                                      \
  do {                                                                   \
    std::string whyNot_;                                                 \
    if (testsupport::GoOnAsOrdinaryUser(whyNot_)) break;                 \
    if (!whyNot_.empty()) GTEST_SKIP() << whyNot_;                       \
    return;                                                              \
  } while (false)
