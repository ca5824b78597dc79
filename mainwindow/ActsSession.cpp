// The main window and the session: it keeps the session's view of the window
// current (the stand list, the cutting stage, the page shown, the new-forest
// button, the estate chart's info panel), carries out the session's requests
// (connected directly, so each runs at the moment it is emitted) and answers
// as its StandHost.
#include <QCheckBox>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "mainwindow/Acts.h"
#include "platform/Clock.h"
#include "ui/Session.h"

void TActForm::ConnectSession() {
  Session* s = TheSession;
  if (!s) return;
  s->Host = this;
  constexpr auto direct = Qt::DirectConnection;
  connect(s, &Session::mainWindowModeRequested, this, [this](int mode) { SetMainWindowMode(mode); }, direct);
  connect(s, &Session::estatePanelResetRequested, this,
          [this](const QString& fileName, const QString& folder) { ResetEstatePanel(fileName, folder); }, direct);
  connect(s, &Session::measurementYearsCheckRequested, this,
          [this](const QString& yearText) { WarnMeasurementYears(yearText); }, direct);
  connect(s, &Session::settingsRead, this, [this] {
    ApplyCurrencyCaptions();
    // The wide view starts off.
    CheckBox15->setChecked(false);
  }, direct);
  connect(s, &Session::programEndRequested, this, [this] { close(); }, direct);
  connect(s, &Session::estateOverviewRequested, this, [this] { ShowStandDatabase(false); }, direct);
  connect(s, &Session::regenerationEstimateStored, this, [this] {
    MarkUnsaved();
    UpdateNewForestCaption();
    // The recommendation panel asks for an estimate only while none exists.
    ShowOperationRecommendation(RecommendationState(), false);
  }, direct);
  connect(s, &Session::newForestCaptionOutdated, this, [this] { UpdateNewForestCaption(); }, direct);

  // The states the dialogs read. The selection models report every change of
  // the current row, also those made with the lists' signals blocked.
  connect(ListBox3->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [s](const QModelIndex& current) { s->ThinningStageChosen = current.row() == 0; }, direct);
  connect(ListBox1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [s](const QModelIndex& current) { s->StandListRow = current.row(); }, direct);
  // The page shown: the tab bar reports every change of the page, the
  // user's and the window's own.
  auto pageShown = [this, s] { s->OverviewPageShown = PageControl2->currentWidget() == TabSheet6; };
  connect(PageControl2->tabBar(), &QTabBar::currentChanged, this, pageShown, direct);
  pageShown();
  s->ThinningStageChosen = ListBox3->currentRow() == 0;
  PublishStandList();
}

void TActForm::PublishStandList() {
  if (!TheSession) return;
  QStringList rows;
  for (int i = 0; i < ListBox1->count(); ++i) rows << ListBox1->item(i)->text();
  TheSession->StandListRows = rows;
  TheSession->StandListRow = ListBox1->currentRow();
}

void TActForm::ShowNewForestButton(bool shown) {
  Button11->setVisible(shown);
  if (TheSession) TheSession->NewForestButtonShown = shown;
}

void TActForm::ShowForecastInfoPanel(bool shown) {
  Panel5->setVisible(shown);
  if (TheSession) TheSession->ForecastInfoShown = shown;
}

QSize TActForm::WindowSize() const { return QSize(GetMainWindowSize('x'), GetMainWindowSize('y')); }

void TActForm::ResizeMainWindow(QSize target) {
  show();
  platform::Pause(800);
  ComputeMainWindowSize(target.width(), target.height(), false);
  Image12->repaint();
  platform::Pause(800);
}

void TActForm::CentreStartWindow() { CenterIntroOverMain(); }
