#include "ui/Palette.h"

#include <QApplication>
#include <QPalette>
#include <QProgressBar>
#include <QThread>
#include <QWidget>

#include "platform/Clock.h"
#include "ui/MessageService.h"
#include "ui/ProgBar.h"


QColor ColorFromBgr(int bgr) {
  if (bgr == kButtonFaceColor) return QApplication::palette().color(QPalette::Button);
  const unsigned v = static_cast<unsigned>(bgr);
  return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                static_cast<int>((v >> 16) & 0xFF));
}

QColor PaletteColor(int index) { return ColorFromBgr(PaletteColorValue(index)); }

QColor SpeciesColor(int code) { return ColorFromBgr(SpeciesColorValue(code)); }

QColor PaleOrPaletteColor12(const QWidget*, bool flag) {
  return flag ? ColorFromBgr(0xF0FBFF) : PaletteColor(12);
}

QColor PictureBackdropColor(const QWidget*) { return QColor(0, 0, 0); }

void SetRoleColor(QWidget* w, QPalette::ColorRole role, const QColor& c) {
  QPalette p = w->palette();
  p.setColor(role, c);
  w->setPalette(p);
}

void SetWidgetColor(QWidget* w, const QColor& c) {
  SetRoleColor(w, QPalette::Window, c);
  w->setAutoFillBackground(true);
}

void ShowBusy(QWidget* owner, int stepMs, int endMs, const QString& text, const QColor& colour) {
  RecordBusyDisplay(text);
  auto* form = new TProgBarForm(owner);
  ProgBarForm = form;
  form->setWindowTitle(text + " ...");
  SetWidgetColor(form->Panel1, colour);
  form->ProgressBar1->setValue(0);
  form->FormActivate();
  form->show();
  form->repaint();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  for (int i = 0; i < 34; ++i) {
    platform::Pause(stepMs);
    form->ProgressBar1->setValue(3 * i);
    form->ProgressBar1->repaint();
  }
  platform::Pause(endMs);
  delete form;
  if (ProgBarForm == form) ProgBarForm = nullptr;
}

void EndProgram() {
  if (QThread::currentThread()->loopLevel() > 0) QApplication::exit(0);
}

