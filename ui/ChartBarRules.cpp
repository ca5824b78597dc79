#include "ui/ChartBarRules.h"

#include <QRegularExpression>

QString ChartValueText(double value, const QString& format) {
  // "###0" then a point, as many "0" as decimals always shown and as many
  // "#" as decimals shown when not zero.
  static const QRegularExpression pattern(QStringLiteral("#*0(?:\\.(0*)(#*))?"));
  const QRegularExpressionMatch m = pattern.match(format);
  const int least = m.hasMatch() ? static_cast<int>(m.capturedLength(1)) : 0;
  const int most = m.hasMatch() ? least + static_cast<int>(m.capturedLength(2)) : 3;
  QString number = QString::number(value, 'f', most);
  if (most > least) {
    const int keep = static_cast<int>(number.indexOf(QLatin1Char('.'))) + 1 + least;
    while (number.size() > keep && number.endsWith(QLatin1Char('0'))) number.chop(1);
    if (number.endsWith(QLatin1Char('.'))) number.chop(1);
  }
  // No minus before a value that shows as zero.
  if (number.startsWith(QLatin1Char('-')) && number.mid(1).remove(QLatin1Char('0')).remove(QLatin1Char('.')).isEmpty())
    number.remove(0, 1);
  if (!m.hasMatch()) return number + format;
  QString text = format;
  return text.replace(m.capturedStart(), m.capturedLength(), number);
}
