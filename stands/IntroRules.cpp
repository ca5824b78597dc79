#include "stands/IntroRules.h"

#include "ui/WindowRules.h"
#include "texts/Commonlan.h"

SizeChoice SizeChoiceFor(int mainWindowWidth, int mainWindowHeight, int screenWidth) {
  SizeChoice c;
  c.listVisible = mainWindowWidth > 1200;
  if (c.listVisible) {
    if (mainWindowHeight == 752) c.itemIndex = 0;
    else c.itemIndex = IsWindowHeightClass(1, mainWindowHeight) ? 2 : 1;
  }
  c.smallestSizeIndex =
      (c.itemIndex == 1 && ScreenAllowsLargeWindow(false, screenWidth) != 0) ? 0 : c.itemIndex;
  return c;
}

QSize TargetSizeOfChoice(int index, int screenWidth, int screenHeight) {
  if (index == 0) return QSize(screenWidth, screenHeight);
  if (index == 1) return QSize(1366, 768);
  return QSize(1280, 720);
}

QString StandFileOpenFilter() {
  return CommonlanText(20) + QStringLiteral("    ( * . ") + CommonlanText(0) + QStringLiteral(" )") +
         QStringLiteral("|*.") + CommonlanText(0);
}
