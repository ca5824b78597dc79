#pragma once
// Texts of the thinning and species removal dialogs.
// Each operation stores entry n in out and returns it; the one-argument form
// returns a fresh text.

#include <QString>

QString& Th1lanText(QString& out, int n);
QString Th1lanText(int n);
