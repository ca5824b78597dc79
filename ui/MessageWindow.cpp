#include "ui/MessageWindow.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ui/Palette.h"
#include "platform/Screen.h"
#include "ui/WindowHelpers.h"
#include "texts/Commonlan.h"

QFont MessageLineFont() { return PixelFont(QStringLiteral("Calibri"), 16); }
QFont MessageButtonFont() { return PixelFont(QStringLiteral("Calibri Light"), 14); }

TMessageWindow::TMessageWindow(const QString& name, QWidget* parent) : QDialog(parent) {
  setObjectName(name);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel5 = new QFrame(this);
  Panel5->setObjectName(QStringLiteral("Panel5"));
  SetWidgetColor(Panel1, PaletteColor(1));
  SetWidgetColor(Panel5, PaletteColor(7));
  Button1 = new QPushButton(CommonlanText(8), Panel5);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setFont(MessageButtonFont());
  Button1->setAutoDefault(false);
  Button1->resize(96, 28);
  connect(Button1, &QPushButton::clicked, this, [this] { done(2); });
}

int TMessageWindow::PanelsOuterHeight(int textPanelHeight) {
  return textPanelHeight + kButtonPanelHeight + 6 + platform::GetScreenMetrics().captionHeight;
}

void TMessageWindow::PlacePanels(int windowWidth, int textPanelHeight) {
  SetOuterSize(this, windowWidth, PanelsOuterHeight(textPanelHeight));
  Panel1->setGeometry(0, 0, width(), textPanelHeight);
  Panel5->setGeometry(0, textPanelHeight, width(), kButtonPanelHeight);
}

void TMessageWindow::PlaceButton(QPushButton* button, int left) {
  button->move(left, (kButtonPanelHeight - button->height()) / 2);
}

QLabel* TMessageWindow::MakeLine(const QString& name) {
  auto* l = new QLabel(Panel1);
  l->setObjectName(name);
  l->setFont(MessageLineFont());
  l->setAttribute(Qt::WA_TranslucentBackground);
  return l;
}

int TMessageWindow::FitLabel(QLabel* label) {
  label->adjustSize();
  return label->width();
}

int TMessageWindow::ShowModal() {
  const int r = exec();
  return r == 1 ? 1 : 2;
}

void TMessageWindow::showEvent(QShowEvent* e) {
  FormActivate();
  QDialog::showEvent(e);
}

void TMessageWindow::reject() { done(2); }
