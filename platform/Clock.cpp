#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace platform {

namespace {
std::function<void(int)>& PauseFn() {
  static std::function<void(int)> fn = [](int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  };
  return fn;
}
long long g_paused = 0;
QDate g_today;
}  // namespace

void Pause(int ms) {
  if (ms > 0) g_paused += ms;
  if (PauseFn()) PauseFn()(ms);
}

void SetPauseFunction(std::function<void(int)> fn) { PauseFn() = std::move(fn); }

long long PausedMilliseconds() { return g_paused; }

QDate Today() { return g_today.isValid() ? g_today : QDate::currentDate(); }

void SetToday(const QDate& day) { g_today = day; }

}  // namespace platform
