#include "ui/Ask.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "platform/Screen.h"
#include "ui/WindowHelpers.h"

TAskForm* AskForm = nullptr;

namespace {
constexpr int kTextPanelHeight = 86;
}  // namespace

QWidget* VisibleWindowNamed(const QString& name) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == name && w->isVisible()) return w;
  return nullptr;
}

QuestionLayout ComputeQuestionLayout(int line1Width, int line2Width, int yesWidth, int closeWidth,
                                     int windowHeight, int screenWidth, int screenHeight,
                                     int tradeWindowTop) {
  QuestionLayout l;
  // Short lines still leave the buttons whole, 8 pixels in from the left.
  l.windowWidth = qMax(qMax(line1Width, line2Width) + 60, 8 + yesWidth + 2 + closeWidth + 6 + 6);
  l.panelWidth = l.windowWidth - 6;
  l.lineLeft = 20;
  l.closeLeft = l.panelWidth - closeWidth - 6;
  l.yesLeft = l.closeLeft - yesWidth - 2;
  l.left = ScreenOffset(screenWidth, l.windowWidth, 0.5);
  l.top = tradeWindowTop >= 0 ? tradeWindowTop + 45 : ScreenOffset(screenHeight, windowHeight, 0.4);
  return l;
}

TAskForm::TAskForm(QWidget* parent) : TMessageWindow(QStringLiteral("AskForm"), parent) {
  askMsg1 = MakeLine(QStringLiteral("askMsg1"));
  askMsg2 = MakeLine(QStringLiteral("askMsg2"));
  BitBtn1 = new QPushButton(QStringLiteral("Kyllä"), Panel5);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setFont(MessageButtonFont());
  BitBtn1->setAutoDefault(false);
  BitBtn1->resize(80, 28);
  Button1->setText(QStringLiteral("Sulje"));
  Button1->resize(80, 28);
  connect(BitBtn1, &QPushButton::clicked, this, [this] { done(1); });
}

void TAskForm::FormActivate() {
  setWindowTitle(PadCaption(windowTitle()));
  BitBtn1->setVisible(!BitBtn1->text().isEmpty());
  const platform::ScreenMetrics s = platform::GetScreenMetrics();
  const int outerHeight = PanelsOuterHeight(kTextPanelHeight);
  const QWidget* trade = VisibleWindowNamed(QStringLiteral("TradeForm"));
  // Captions set by the caller are never cut.
  for (QPushButton* b : {BitBtn1, Button1}) b->resize(qMax(80, b->sizeHint().width()), b->height());
  const int yesWidth = BitBtn1->text().isEmpty() ? 0 : BitBtn1->width();
  const QuestionLayout l = ComputeQuestionLayout(FitLabel(askMsg1), FitLabel(askMsg2), yesWidth, Button1->width(),
                                                 outerHeight, s.width, s.height, trade ? trade->y() : -1);
  PlacePanels(l.windowWidth, kTextPanelHeight);
  askMsg1->move(l.lineLeft, 18);
  askMsg2->move(l.lineLeft, 18 + askMsg1->height() + 8);
  PlaceButton(Button1, l.closeLeft);
  PlaceButton(BitBtn1, l.yesLeft);
  move(l.left, l.top);
  setFocus();
  ClearFocus(this);
}
