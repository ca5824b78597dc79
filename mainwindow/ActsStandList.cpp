// Activating a stand in the main window, and the estate stand list of the
// open stand's folder.

#include <QLabel>
#include <QListWidget>

#include "mainwindow/Acts.h"
#include "model/Estate.h"
#include "model/Phase.h"
#include "operations/Ages.h"
#include "platform/Files.h"
#include "stands/Intro.h"
#include "stands/OpenRules.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "ui/MessageService.h"
#include "ui/Palette.h"
#include "ui/Session.h"

bool TActForm::ActivateStand(int mode) {
  if (!TheSession || !TheSession->CurrentStand || !IntroForm) return false;
  ::data& stand = *TheSession->CurrentStand;
  const QString& path = TheSession->StandPath;
  const int dc = stand.DevelopmentClass();
  const QString dummy = CommonlanText(83);
  if (mode == ActivateNewStand || mode == ActivateRemeasuredStand) {
    SetCurrentPhase(0);
    if (IsSmallSeedlingStand(dc)) stand.RecordInitialPhase(dummy);
    else stand.RecordPhase(0, dummy, 0, 0);
    if (HasTreePicture(dc)) EstimateSpeciesAges(stand);
    QString reason;
    const StandFileStatus written = stand.WriteNewFile(path, &reason);
    if (written != StandFileStatus::Ok) {
      ShowNotice(CommonlanText(87), QStringLiteral("kuviotiedoston tallennus ei onnistunut (") + reason +
                                        QStringLiteral(")  !"));
      return false;
    }
  } else if (IsSmallSeedlingStand(dc)) {
    stand.RecordInitialPhase(dummy);
  } else if (CurrentPhase() > 0) {
    // A stand opened with recorded steps continues in the cutting stage of
    // its steps.
    ListBox3->setCurrentRow(CuttingStageOfOpenedStand(stand));
  }
  if (mode >= ActivateNewStand) {
    const int text = mode == ActivateNewStand ? 68 : (mode == ActivateRemeasuredStand ? 75 : 79);
    ShowBusy(this, 10, 100, ActlanText(text), PaletteColor(20));
    ResetEstatePanel(platform::FileNameOfPath(path), platform::FolderOfPath(path));
  }
  TIntroForm* intro = IntroForm;
  if (intro->isVisible()) intro->hide();
  if (intro->FirstStandActivation) {
    intro->FirstStandActivation = false;
    intro->ListBox1->hide();
    intro->Label5->hide();
    ArrangeMainWindow(true);
  }
  // The stand-age lists belong to the stand now open.
  if (AgesForm) AgesForm->PrepareAgeChoices();
  SetStartupPanelsVisibility(true);
  show();
  UpdateView(mode + 1);
  return true;
}

void TActForm::OpenEstateFolder() {
  if (!TheSession) return;
  QString folder = DirectoryListBox1->Directory();
  if (folder.isEmpty()) folder = FileListBox1->Directory();
  QStringList names;
  for (int i = 0; i < FileListBox1->count(); ++i) names << FileListBox1->item(i)->text();
  TheSession->EstateRecords = BuildEstateList(folder, names);
  // The estate views follow the new list: time points, grid, chart and the
  // estate overview.
  RefreshEstateViews();
}

void TActForm::FillMainStandList(bool withTimePoint, bool asValue,
                                 const std::function<StandRemovalAtTimePoint(int)>& removalAt) {
  if (!TheSession) return;
  const QString sep = MainStandListSeparator();
  QListWidget* list = ListBox1;
  list->clear();
  for (int i = 0; i < FileListBox1->count(); ++i)
    list->addItem(QLatin1Char(' ') + MainStandListRow(i, sep, withTimePoint, asValue, removalAt));
  list->setCurrentRow(FileListBox1->currentRow());
  PublishStandList();
}

QString TActForm::MainStandListRow(int i, const QString& separator, bool withTimePoint, bool asValue,
                                   const std::function<StandRemovalAtTimePoint(int)>& removalAt) const {
  if (!TheSession || i < 0 || i >= FileListBox1->count()) return QString();
  const EstateRecordList& records = TheSession->EstateRecords;
  EstateRecord missing;
  missing.fileName = FileListBox1->item(i)->text();
  const EstateRecord& r = i < static_cast<int>(records.size()) ? records[i] : missing;
  StandRemovalAtTimePoint removal;
  const bool timePoint = withTimePoint && removalAt;
  if (timePoint) removal = removalAt(i);
  return StandListRowText(r, false, separator, timePoint ? &removal : nullptr, asValue);
}
