#include "ui/WindowRules.h"

#include "model/Data.h"
#include "platform/Files.h"
#include "platform/Numbers.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"

QString PadCaption(const QString& text) {
  if (text.startsWith(QLatin1Char(' '))) return text;
  return QLatin1Char(' ') + text;
}

QString StandWindowCaption(const data& stand, const QString& subject) {
  return PadCaption(stand.TitleText(2) + QStringLiteral(", ") + subject);
}

QString ProgramTitleText() { return CommonlanText(0); }

QString MainWindowTitle(bool hasStand) { return PadCaption(CommonlanText(hasStand ? 0 : 24)); }

QString WindowTextByMode(const QString& path, int mode) {
  const QString n = platform::FileNameOfPath(path);
  const QString folderWord = ActlanText(3);
  const QString listWord = ActlanText(72);
  const QChar blank = QLatin1Char(' ');
  switch (mode) {
    case 1: return folderWord.toLower() + blank + n;
    case 2: return folderWord + blank + n;
    case 3: return listWord.toLower() + blank + n;
    case 4: return listWord + blank + n;
    case 5: return listWord.toLower() + QStringLiteral("   •   ") + folderWord.toLower() + blank + n;
    default: return n;
  }
}

int FittedFormHeight(int top, int height, int captionHeight) {
  return top + height + captionHeight + (captionHeight >= 20 ? 7 : 6);
}

int ScreenOffset(int screenExtent, int windowExtent, double factor) {
  return platform::TruncToInt((screenExtent - windowExtent) * factor);
}

bool IsWindowHeightClass(int heightClass, int height) {
  switch (heightClass) {
    case 0: return height == 700;
    case 1: return height < 728;
    case 2: return height < 752;
    default: return false;
  }
}

int ScreenAllowsLargeWindow(bool forced, int screenWidth) {
  if (forced) return 1920;
  return screenWidth >= 1536 ? 1 : 0;
}

bool IsSixteenNine(int width, int height) {
  return height > 0 && static_cast<double>(width + 10) / height >= 16.0 / 9.0;
}

bool IsSixteenTen(int width, int height) {
  return height > 0 && static_cast<double>(width + 10) / height >= 1.6;
}

ScreenShape ShapeOf(int width, int height) {
  if (width <= 0 || height <= 0) return ScreenShape::Other;
  if (height * 100 / width == 75) return ScreenShape::FourThree;
  if (IsSixteenNine(width, height)) return ScreenShape::SixteenNine;
  if (IsSixteenTen(width, height)) return ScreenShape::SixteenTen;
  if (static_cast<double>(height + 1) / width > 0.8) return ScreenShape::FiveFour;
  return ScreenShape::Other;
}
