#include "app/Startup.h"

#include <QScreen>

#include "estate/Map.h"
#include "estate/Folder.h"
#include "estate/Graph.h"
#include "estate/Raport.h"
#include "estate/dbRaport.h"
#include "estate/Trade.h"
#include "mainwindow/Acts.h"
#include "mainwindow/Help.h"
#include "operations/Ages.h"
#include "operations/Inc.h"
#include "operations/Inc1.h"
#include "operations/NewFrst.h"
#include "platform/Numbers.h"
#include "platform/Screen.h"
#include "ui/AboutDlg.h"
#include "ui/ApplicationWindows.h"
#include "ui/Ask.h"
#include "ui/Error.h"
#include "ui/Info.h"
#include "stands/Intro.h"
#include "stands/Meas.h"
#include "stands/Open.h"
#include "ui/WindowHelpers.h"
#include "ui/Msg.h"
#include "ui/ProgBar.h"
#include "ui/Session.h"
#include "stands/Settings.h"
#include "stands/Settings1.h"
#include "stands/Settings2.h"
#include "operations/Clear.h"
#include "operations/Gate.h"
#include "operations/PlocCutt.h"
#include "operations/Roads.h"
#include "operations/Th1.h"
#include "operations/Th4.h"

int MenuBarHeightForDpi(double logicalDpi) {
  if (!(logicalDpi > 0)) return 20;
  return platform::RoundHalfAway(20.0 * logicalDpi / 96.0);
}

void ReadScreenMetrics(const QScreen* screen) {
  platform::ScreenMetrics m = platform::GetScreenMetrics();
  if (screen) {
    m.width = screen->size().width();
    m.height = screen->size().height();
    m.logicalDpi = screen->logicalDotsPerInchY();
  }
  m.menuBarHeight = MenuBarHeightForDpi(m.logicalDpi);
  platform::SetScreenMetrics(m);
}

QStringList CreateApplicationWindows() {
  new Session;
  QStringList names;
  auto add = [&names](QWidget* w) {
    AddApplicationWindow(w);
    names << w->objectName();
  };
  add(new TActForm);
  add(new TIntroForm);
  add(AboutBox = new TAboutBox);
  add(new TAgesForm);
  add(AskForm = new TAskForm);
  add(new TClearForm);
  add(new TdbRapForm);
  add(ErrorForm = new TErrorForm);
  add(new TFolderForm);
  add(new TGateForm);
  add(new TGraphForm);
  add(HelpDlg = new THelpDlg);
  add(new TIncForm);
  add(new TIncForm1);
  add(InfoForm = new TInfoForm);
  add(MapForm = new TMapForm);
  add(new TMeasForm);
  add(MsgForm = new TMsgForm);
  add(new TNewFrstForm);
  add(new TOpenForm);
  add(new TPlocCuttForm);
  add(ProgBarForm = new TProgBarForm);
  add(new TRapForm);
  add(new TRoadForm);
  add(new TSettForm);
  add(new TSettForm1);
  add(new TSettForm2);
  add(new TTh1Form);
  add(new TTh4Form);
  add(new TTradeForm);
  // The stand report and the timber sale open each other: the report calls
  // the sale (below it), the sale asks for the report through its signal.
  QObject::connect(TradeForm, &TTradeForm::standReportRequested, RapForm, [] { RapForm->ShowOverSale(TradeForm); },
                   Qt::DirectConnection);
  return names;
}

void DestroyApplicationWindows() {
  while (QWidget* w = TakeLastApplicationWindow()) {
    if (w == AboutBox) AboutBox = nullptr;
    if (w == AskForm) AskForm = nullptr;
    if (w == ErrorForm) ErrorForm = nullptr;
    if (w == InfoForm) InfoForm = nullptr;
    if (w == MsgForm) MsgForm = nullptr;
    if (w == MapForm) MapForm = nullptr;
    if (w == HelpDlg) HelpDlg = nullptr;
    if (w == FolderForm) FolderForm = nullptr;
    if (w == GraphForm) GraphForm = nullptr;
    if (w == ProgBarForm) ProgBarForm = nullptr;
    delete w;
  }
  delete TheSession;
}
