#include "ui/Error.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "platform/Screen.h"
#include "ui/WindowHelpers.h"

TErrorForm* ErrorForm = nullptr;

namespace {
constexpr int kTextPanelHeight = 62;
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
  const int outerHeight = PanelsOuterHeight(kTextPanelHeight);
  const NoticeLayout l = ComputeNoticeLayout(lineWidth, Button1->width(), outerHeight, s.width, s.height);
  PlacePanels(l.windowWidth, kTextPanelHeight);
  errorMsg->move(l.lineLeft, (kTextPanelHeight - errorMsg->height()) / 2);
  PlaceButton(Button1, l.buttonLeft);
  move(l.left, l.top);
  setWindowTitle(PadCaption(windowTitle()));
}
