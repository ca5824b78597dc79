#pragma once
// Texts of the growth forecast and the regeneration timing.
// Each operation stores entry n in out and returns it; the one-argument form
// returns a fresh text.

#include <QString>

QString& InclanText(QString& out, int n);
QString InclanText(int n);
