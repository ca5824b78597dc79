#include "ui/WindowHelpers.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QTabWidget>
#include <QWidget>

#include "platform/Numbers.h"
#include "platform/Files.h"
#include "platform/Screen.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"

namespace {
constexpr int kFrame = 3;  // frame width on every side of a dialog
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

QString FitTextToLabel(const QString& head, const QString& tail, int width, int margin, const QFont& font) {
  // A label inside a window (a window of its own would be kept within the
  // screen).
  QWidget holder;
  QLabel measure(&holder);
  measure.setFont(font);
  QString shown = head;
  QString caption;
  for (;;) {
    caption = shown + tail;
    measure.setText(caption);
    measure.adjustSize();
    if (measure.width() <= width - margin || shown.size() <= 1) break;
    shown.chop(1);
  }
  return caption;
}

void ClearFocus(QWidget* window) {
  if (QWidget* f = window->focusWidget()) f->clearFocus();
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
  // The stand card's legend font: a narrow humanist sans like Carlito.
  QFont::insertSubstitution(QStringLiteral("Corbel"), QStringLiteral("Carlito"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"));
  QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
  // The desktop's font is no part of the windows' layouts: their sizes are
  // in pixels, measured for this one.
  QApplication::setFont(ProgramDefaultFont());
}

QFont ProgramDefaultFont() { return PixelFont(QStringLiteral("MS Sans Serif"), 11); }

QWidget* AddTabSheet(QTabWidget* pages, const QString& name) {
  auto* page = new QWidget;
  page->setObjectName(name);
  pages->addTab(page, QString());
  return page;
}
