#pragma once
// Texts of the corridor thinning dialog.
// Each operation stores entry n in out and returns it; the one-argument form
// returns a fresh text.

#include <QString>

QString& GatelanText(QString& out, int n);
QString GatelanText(int n);
