#pragma once
// Texts of the strip-road dialog.
// Each operation stores entry n in out and returns it; the one-argument form
// returns a fresh text.

#include <QString>

QString& RoadslanText(QString& out, int n);
QString RoadslanText(int n);
