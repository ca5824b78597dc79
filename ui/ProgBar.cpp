#include "ui/ProgBar.h"

#include <QFrame>
#include <QProgressBar>

#include "ui/Palette.h"
#include "platform/Numbers.h"
#include "platform/Screen.h"
#include "ui/Ask.h"
#include "ui/WindowHelpers.h"

TProgBarForm* ProgBarForm = nullptr;

QPoint ComputeProgressPosition(int windowWidth, int windowHeight, int screenWidth, int screenHeight,
                               const QRect* anchor) {
  if (anchor)
    return QPoint(anchor->left() + platform::TruncToInt((anchor->width() - windowWidth) * 0.5),
                  anchor->top() + platform::TruncToInt((anchor->height() - windowHeight) * 0.42));
  return QPoint(ScreenOffset(screenWidth, windowWidth, 0.5), ScreenOffset(screenHeight, windowHeight, 0.4));
}

TProgBarForm::TProgBarForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ProgBarForm"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFixedSize(420, 64);
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(0, 0, 420, 64);
  Panel2 = new QFrame(Panel1);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setGeometry(8, 8, 404, 48);
  SetWidgetColor(Panel2, PaletteColor(1));
  ProgressBar1 = new QProgressBar(Panel2);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setTextVisible(false);
  ProgressBar1->setGeometry(12, 14, 380, 20);
}

void TProgBarForm::FormActivate() {
  setWindowTitle(PadCaption(windowTitle()));
  QWidget* anchorWindow = VisibleWindowNamed(QStringLiteral("MeasForm"));
  if (!anchorWindow) anchorWindow = VisibleWindowNamed(QStringLiteral("OpenForm"));
  QRect anchor;
  if (anchorWindow) anchor = QRect(anchorWindow->x(), anchorWindow->y(), OuterWidth(anchorWindow), OuterHeight(anchorWindow));
  const platform::ScreenMetrics s = platform::GetScreenMetrics();
  move(ComputeProgressPosition(OuterWidth(this), OuterHeight(this), s.width, s.height,
                               anchorWindow ? &anchor : nullptr));
}
