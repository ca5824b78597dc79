#pragma once
// Texts of the selection cutting dialog.
// Each operation stores entry n in out and returns it; the one-argument form
// returns a fresh text.

#include <QString>

QString& PloclanText(QString& out, int n);
QString PloclanText(int n);
