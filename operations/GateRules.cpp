#include "operations/GateRules.h"

#include "platform/Numbers.h"
#include "texts/Commonlan.h"

QStringList CorridorSpacingItems() {
  QStringList items;
  for (int i = 0; i < 4; ++i) items << platform::IntText(CorridorSpacing(i)) + QStringLiteral(" m");
  return items;
}

QStringList CorridorWidthItems() {
  QStringList items;
  for (int i = 0; i < 4; ++i) items << platform::FormatC("%1.1f m", static_cast<double>(CorridorWidth(i)));
  return items;
}

int CorridorSpacing(int index) { return index * 2 + 6; }

float CorridorWidth(int index) { return static_cast<float>(index * 0.5 + 1.0); }

QString CorridorName(const QString& widthItem, const QString& spacingItem) {
  return CommonlanText(108).toLower() + QLatin1Char(' ') + widthItem + QStringLiteral(", väli ") + spacingItem;
}
