#pragma once
// Texts of the start window, the window-size choice and the operation
// recommendation.
// Each operation stores entry n in out and returns it; the one-argument form
// returns a fresh text.

#include <QString>

QString& IntrolanText(QString& out, int n);
QString IntrolanText(int n);
