#pragma once
// Texts of the estate overview and the estate charts.
// Each operation stores entry n in out and returns it; the one-argument form
// returns a fresh text.

#include <QString>

QString& FolderlanText(QString& out, int n);
QString FolderlanText(int n);
