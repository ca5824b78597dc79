#pragma once
// Texts of the regeneration cost estimate.
// Each operation stores entry n in out and returns it; the one-argument form
// returns a fresh text.

#include <QString>

QString& NewfrstlanText(QString& out, int n);
QString NewfrstlanText(int n);
