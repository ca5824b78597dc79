#include "stands/Error.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "platform/Screen.h"
#include "stands/IntroHelpers.h"

TErrorForm* ErrorForm = nullptr;

namespace {
constexpr int kTextPanelHeight = 62;
constexpr int kButtonPanelHeight = 46;
}  // namespace

NoticeLayout ComputeNoticeLayout(int lineWidth, int buttonWidth, int windowHeight, int screenWidth,
                                 int screenHeight) {
  NoticeLayout l;
  // A short line still leaves the button whole, 8 pixels in from the left.
  l.windowWidth = qMax(lineWidth + 80, 8 + buttonWidth + 8 + 6);
  l.panelWidth = l.windowWidth - 6;
  l.lineLeft = (l.panelWidth - lineWidth) / 2;
  l.buttonLeft = l.panelWidth - buttonWidth - 8;
  l.left = ScreenOffset(screenWidth, l.windowWidth, 0.5);
  l.top = ScreenOffset(screenHeight, windowHeight, 0.4);
  return l;
}

TErrorForm::TErrorForm(QWidget* parent) : TMessageWindow(QStringLiteral("ErrorForm"), parent) {
  errorMsg = MakeLine(QStringLiteral("errorMsg"));
}

void TErrorForm::FormActivate() {
  const int lineWidth = FitLabel(errorMsg);
  const platform::ScreenMetrics s = platform::GetScreenMetrics();
  const int clientHeight = kTextPanelHeight + kButtonPanelHeight;
  const int outerHeight = clientHeight + 6 + s.captionHeight;
  const NoticeLayout l = ComputeNoticeLayout(lineWidth, Button1->width(), outerHeight, s.width, s.height);
  SetOuterSize(this, l.windowWidth, outerHeight);
  Panel1->setGeometry(0, 0, l.panelWidth, kTextPanelHeight);
  Panel5->setGeometry(0, kTextPanelHeight, l.panelWidth, kButtonPanelHeight);
  errorMsg->move(l.lineLeft, (kTextPanelHeight - errorMsg->height()) / 2);
  Button1->move(l.buttonLeft, (kButtonPanelHeight - Button1->height()) / 2);
  move(l.left, l.top);
  setWindowTitle(PadCaption(windowTitle()));
}
