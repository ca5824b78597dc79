#pragma once
// The strip-road dialog's rules without a widget: the spacing and width
// items and values, the operation name and the operation line.

#include <QString>
#include <QStringList>

// Below this many stems/ha at the current phase no strip roads are offered.
constexpr int kStripRoadStemLimit = 600;

QStringList StripRoadSpacingItems();  // "10" .. "50", metres
QStringList StripRoadWidthItems();    // "ei uria", "1.5" .. "5.0"
// Spacing in metres of item i: 10 + 2i below 6, 25 + 5 (i - 6) up to 9, 50.
int StripRoadSpacing(int index);
// Width in metres of item j >= 1: 0.5 j + 1.0 (item 0 is "no roads").
float StripRoadWidth(int index);

// The name of the phase: the strip-road button's caption, then the width and
// the spacing ("Ajourat 4.0 m, uraväli 20 m") or " : ei uria".
QString StripRoadName(const QString& buttonCaption, const QString& widthItem, const QString& spacingItem,
                      bool roads);
// The operation line (not yet lower-cased): the name, or the warning of a
// stand below the stem limit.
QString StripRoadMessage(const QString& name, bool belowStemLimit);
