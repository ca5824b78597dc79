#pragma once
// Texts of the about box.
// Each operation stores entry n in out and returns it; the one-argument form
// returns a fresh text.

#include <QString>

QString& AboutlanText(QString& out, int n);
QString AboutlanText(int n);
