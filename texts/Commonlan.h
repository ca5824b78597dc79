#pragma once
// The vocabulary shared by every window: program title, buttons, species,
// measures and units, operation and assortment names, settings captions.
// Each operation stores entry n in out and returns it; the one-argument form
// returns a fresh text.

#include <QString>

QString& CommonlanText(QString& out, int n);
QString CommonlanText(int n);
