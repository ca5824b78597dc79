#pragma once
// Texts of the main window and its stand views, borrowed by a few other windows.
// Unknown numbers give "error" (without the " !" of the other tables).
// Each operation stores entry n in out and returns it; the one-argument form
// returns a fresh text.

#include <QString>

QString& ActlanText(QString& out, int n);
QString ActlanText(int n);
