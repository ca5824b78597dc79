#include "ui/Msg.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "platform/Numbers.h"
#include "platform/Screen.h"
#include "ui/WindowHelpers.h"

TMsgForm* MsgForm = nullptr;

namespace {
constexpr int kTextPanelHeight = 86;
}  // namespace

MessageLayout ComputeMessageLayout(int line1Width, int line2Width, int buttonWidth, int windowHeight,
                                   int screenWidth, int screenHeight) {
  MessageLayout l;
  l.lineWidth = qMax(line1Width, line2Width);
  // Short lines still leave the button whole, 8 pixels in from the left.
  l.windowWidth = qMax(l.lineWidth + 60, 8 + buttonWidth + 8 + 6);
  l.panelWidth = l.windowWidth - 6;
  l.lineLeft = 10;
  l.buttonLeft = l.panelWidth - buttonWidth - 8;
  l.left = ScreenOffset(screenWidth, l.windowWidth, 0.5);
  l.top = platform::TruncToInt((screenHeight - windowHeight) * 0.5 - 100);
  return l;
}

TMsgForm::TMsgForm(QWidget* parent) : TMessageWindow(QStringLiteral("MsgForm"), parent) {
  msg1 = MakeLine(QStringLiteral("msg1"));
  msg2 = MakeLine(QStringLiteral("msg2"));
  msg1->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  msg2->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
}

void TMsgForm::FormActivate() {
  setWindowTitle(PadCaption(windowTitle()));
  const platform::ScreenMetrics s = platform::GetScreenMetrics();
  const int outerHeight = PanelsOuterHeight(kTextPanelHeight);
  const MessageLayout l = ComputeMessageLayout(FitLabel(msg1), FitLabel(msg2), Button1->width(),
                                               outerHeight, s.width, s.height);
  PlacePanels(l.windowWidth, kTextPanelHeight);
  msg1->setGeometry(l.lineLeft, 18, l.lineWidth, msg1->height());
  msg2->setGeometry(l.lineLeft, 18 + msg1->height() + 8, l.lineWidth, msg2->height());
  PlaceButton(Button1, l.buttonLeft);
  move(l.left, l.top);
}
