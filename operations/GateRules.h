#pragma once
// The corridor thinning dialog's rules without a widget: the spacing and
// width items and values and the operation name.

#include <QString>
#include <QStringList>

QStringList CorridorSpacingItems();  // "6 m" .. "12 m"
QStringList CorridorWidthItems();    // "1.0 m" .. "2.5 m"
int CorridorSpacing(int index);      // index x 2 + 6 m
float CorridorWidth(int index);      // index x 0.5 + 1.0 m
// "käytäväharvennus 2.0 m, väli 10 m".
QString CorridorName(const QString& widthItem, const QString& spacingItem);
