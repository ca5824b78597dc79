#pragma once
// Time services: the deliberate pauses of the windows and today's date, both
// replaceable so that tests run without waiting and on a fixed day.

#include <QDate>
#include <functional>

namespace platform {

// Pauses the thread for ms milliseconds through the installed pause function
// (the default sleeps; tests install one that returns at once).
void Pause(int ms);
void SetPauseFunction(std::function<void(int)> fn);
// Total milliseconds asked of Pause() since start (tests read it).
long long PausedMilliseconds();

QDate Today();
// An invalid date returns to the system clock.
void SetToday(const QDate& day);

}  // namespace platform
