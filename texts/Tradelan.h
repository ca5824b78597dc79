#pragma once
// Texts of the timber sale.
// Each operation stores entry n in out and returns it; the one-argument form
// returns a fresh text.

#include <QString>

QString& TradelanText(QString& out, int n);
QString TradelanText(int n);
