#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QShowEvent>
#include <QTabWidget>

#include "mainwindow/Acts.h"
#include "platform/Clock.h"
#include "platform/Screen.h"
#include "stands/Intro.h"
#include "stands/Meas.h"
#include "stands/Open.h"
#include "ui/WindowHelpers.h"
#include "ui/MessageService.h"
#include "texts/Commonlan.h"

void TActForm::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  // The first activation runs once the window is on the screen; it is posted
  // so that it runs from the event loop, not inside show().
  if (!activationQueued_ && IntroForm && IntroForm->windowTitle().isEmpty()) {
    activationQueued_ = true;
    QMetaObject::invokeMethod(this, [this] { FormActivate(); }, Qt::QueuedConnection);
  }
}

void TActForm::FormActivate() {
  // The start window's caption is empty only until this has run once.
  if (started_ || refused_ || !IntroForm || !IntroForm->windowTitle().isEmpty()) return;
  const platform::ScreenMetrics m = platform::GetScreenMetrics();
  setWindowTitle(MainWindowTitle(true));
  ComputeMainWindowSize(m.width, m.height, true);
  if (!CheckScreenSuitability()) {
    // A refused screen ends the program here; nothing else of the start runs.
    refused_ = true;
    hide();
    EndProgram();
    return;
  }
  platform::Pause(500);
  started_ = true;
  if (OpenForm) OpenForm->LayoutOpenWindow(true);
  IntroForm->show();
  SetStartupPanelsVisibility(false);
  IntroForm->setWindowTitle(MainWindowTitle(false));
  IntroForm->ShowStartPicture();
  if (MeasForm) MeasForm->ShowStandViewPanel(false, false);
  CenterIntroOverMain();
  IntroForm->raise();
  IntroForm->activateWindow();
  // The start window's start-up flow runs at its own first activation; it
  // is run here too where the platform does not activate windows (no
  // window manager, offscreen).
  IntroForm->FormActivate();
}

bool TActForm::CheckScreenSuitability() {
  const platform::ScreenMetrics m = platform::GetScreenMetrics();
  const QString caption = CommonlanText(0);
  switch (RefusalOf(m.width, m.height)) {
    case ScreenTest::RefuseAspect:
      SystemMessageBox(caption, QStringLiteral("Näytön kuvasuhde tulee olla vähintään 12:10 !"), false);
      return false;
    case ScreenTest::RefuseSize:
      SystemMessageBox(caption,
                       QStringLiteral("Näytön pieni koko (resoluutio) ei mahdollista sovelluksen "
                                      "käynnistämistä   !"),
                       false);
      return false;
    case ScreenTest::Accept:
      break;
  }
  if (AsksSmallScreen(m.width) &&
      SystemMessageBox(caption,
                       QStringLiteral("Suositellaan suurempaa näytön kokoa (resoluutiota), jatketaanko näytön "
                                      "pienestä koosta huolimatta  ?"),
                       true) != 1)
    return false;
  if (AsksLargeFont(m.menuBarHeight) &&
      SystemMessageBox(caption,
                       QStringLiteral("Sovellusta ei ole suunniteltu normaalia ( 100 % ) suuremmalle "
                                      "kirjasinkoolle. Haluatko välttämättä käynnistää sovelluksen suuresta "
                                      "kirjasinkoosta huolimatta ?"),
                       true) != 1)
    return false;
  return true;
}

void TActForm::SetStartupPanelsVisibility(bool visible) {
  Panel1->setVisible(visible);
  Panel2->setVisible(visible);
  if (!visible) Panel9->hide();
  PageControl2->setVisible(visible);
  CheckBox15->setVisible(visible);
  setEnabled(visible);
}
