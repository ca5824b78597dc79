#include "operations/AgesRules.h"

#include "platform/Numbers.h"
#include "texts/Ageslan.h"
#include "texts/Commonlan.h"

QStringList AgeChoiceItems(int first, int count) {
  QStringList items;
  const QString unit = QLatin1Char(' ') + CommonlanText(62);
  // In 64 bits: the last age, first + count - 1, stays exact whatever the
  // two numbers are.
  for (qint64 age = first; age < qint64(first) + count; ++age) items << platform::IntText(age) + unit;
  return items;
}

int DefaultAgeChoiceIndex(int first, int count) {
  if (count <= 0) return -1;
  const int index = count < 21 ? platform::TruncToInt(count * 0.1 + 3)
                               : platform::TruncToInt((first * 0.002 + 0.17) * count);
  return index < count ? index : count - 1;
}

int AgeOfChoiceText(const QString& text) { return text.section(QLatin1Char(' '), 0, 0).toInt(); }

QString SpeciesMeanDiameterText(int meanDiameterCm) {
  if (meanDiameterCm == 0) return QString();
  return platform::FormatC("%2d ", meanDiameterCm) + CommonlanText(17);
}

QString SpeciesMeanHeightText(int meanDiameterCm, int meanHeightDm) {
  if (meanDiameterCm == 0) return QString();
  return platform::FormatC("%4.1f ", meanHeightDm * 0.1) + CommonlanText(19);
}

QString AgeRowTitle(const QString& yearText) { return AgeslanText(0).toLower() + QLatin1Char(' ') + yearText; }

PlaceFactors AgesWindowPlaceFactors(bool raised) {
  return raised ? PlaceFactors{0.4, 0.3} : PlaceFactors{0.5, 0.4};
}
