#include "stands/IntroHelpers.h"

#include <QFont>
#include <QWidget>

#include "platform/Numbers.h"
#include "platform/Files.h"
#include "platform/Screen.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"

namespace {
constexpr int kFrame = 3;  // frame width on every side of a dialog
}

QString PadCaption(const QString& text) {
  if (text.startsWith(QLatin1Char(' '))) return text;
  return QLatin1Char(' ') + text;
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

int OuterWidth(const QWidget* window) { return window->width() + 2 * kFrame; }

int OuterHeight(const QWidget* window) {
  return window->height() + 2 * kFrame + platform::GetScreenMetrics().captionHeight;
}

void SetOuterSize(QWidget* window, int width, int height) {
  const int caption = platform::GetScreenMetrics().captionHeight;
  // The user does not resize the program's windows; they size themselves.
  window->setFixedSize(qMax(1, width - 2 * kFrame), qMax(1, height - 2 * kFrame - caption));
}

void SetOuterWidth(QWidget* window, int width) { SetOuterSize(window, width, OuterHeight(window)); }
void SetOuterHeight(QWidget* window, int height) { SetOuterSize(window, OuterWidth(window), height); }

void FitFormHeight(QWidget* window, int top, int height) {
  SetOuterHeight(window, FittedFormHeight(top, height, platform::GetScreenMetrics().captionHeight));
}

void ClearFocus(QWidget* window) {
  if (QWidget* f = window->focusWidget()) f->clearFocus();
}

int ScreenOffset(int screenExtent, int windowExtent, double factor) {
  return platform::TruncToInt((screenExtent - windowExtent) * factor);
}

void PlaceOnScreen(QWidget* window, double fx, double fy) {
  const platform::ScreenMetrics s = platform::GetScreenMetrics();
  window->move(ScreenOffset(s.width, OuterWidth(window), fx),
               ScreenOffset(s.height, OuterHeight(window), fy));
}

QFont PixelFont(const QString& family, int pixelSize, bool bold) {
  QFont f(family);
  f.setPixelSize(pixelSize);
  if (bold) f.setBold(true);
  return f;
}

void InstallFontSubstitutions() {
  QFont::insertSubstitution(QStringLiteral("Calibri"), QStringLiteral("Carlito"));
  QFont::insertSubstitution(QStringLiteral("Calibri Light"), QStringLiteral("Carlito"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"));
  QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}
