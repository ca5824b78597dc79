#pragma once
// Texts of the stand-age dialog.
// Each operation stores entry n in out and returns it; the one-argument form
// returns a fresh text.

#include <QString>

QString& AgeslanText(QString& out, int n);
QString AgeslanText(int n);
