#include "operations/RoadsRules.h"

#include "platform/Numbers.h"
#include "texts/Commonlan.h"
#include "texts/Roadslan.h"

QStringList StripRoadSpacingItems() {
  QStringList items;
  for (int i = 0; i <= 10; ++i) items << platform::IntText(StripRoadSpacing(i));
  return items;
}

QStringList StripRoadWidthItems() {
  QStringList items{CommonlanText(103)};
  for (int j = 1; j <= 8; ++j) items << platform::FormatC("%1.1f", static_cast<double>(StripRoadWidth(j)));
  return items;
}

int StripRoadSpacing(int index) {
  if (index < 6) return 10 + 2 * index;
  if (index <= 9) return 25 + 5 * (index - 6);
  return 50;
}

float StripRoadWidth(int index) { return static_cast<float>(0.5 * index + 1.0); }

QString StripRoadName(const QString& buttonCaption, const QString& widthItem, const QString& spacingItem,
                      bool roads) {
  if (!roads) return buttonCaption + RoadslanText(3);
  return buttonCaption + QLatin1Char(' ') + widthItem + QStringLiteral(" m, uraväli ") + spacingItem +
         QStringLiteral(" m");
}

QString StripRoadMessage(const QString& name, bool belowStemLimit) {
  if (belowStemLimit)
    return QStringLiteral("runkoluku < ") + platform::IntText(kStripRoadStemLimit) + QStringLiteral("/ha,  ei ajouria  !");
  return name;
}
