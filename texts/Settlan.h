#pragma once
// Texts of the price, recommendation and display settings windows.
// Each operation stores entry n in out and returns it; the one-argument form
// returns a fresh text.

#include <QString>

QString& SettlanText(QString& out, int n);
QString SettlanText(int n);
