#pragma once
// Texts of the measurement window and the open-stand window.
// Each operation stores entry n in out and returns it; the one-argument form
// returns a fresh text.

#include <QString>

QString& MeoplanMeasText(QString& out, int n);
QString MeoplanMeasText(int n);

QString& MeoplanOpenText(QString& out, int n);
QString MeoplanOpenText(int n);
