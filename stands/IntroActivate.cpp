// Activating a stand in the main window, and the estate stand list of the
// open stand's folder.

#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

#include "mainwindow/Acts.h"
#include "operations/Ages.h"
#include "model/Estate.h"
#include "model/Phase.h"
#include "platform/Files.h"
#include "stands/Intro.h"
#include "stands/IntroOpen.h"
#include "stands/OpenRules.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "ui/MessageService.h"
#include "ui/Palette.h"

void ShowStandFileProblem(StandFileStatus status, const QString& path) {
  switch (status) {
    case StandFileStatus::Ok: return;
    case StandFileStatus::CannotOpen:
      ShowNotice(CommonlanText(87), platform::FileExists(path)
                                        ? QStringLiteral("valitsemaasi kuviotiedostoa ei voi lukea  !")
                                        : QStringLiteral("valitsemaasi tiedostoa ei ole hakemistossa !"));
      return;
    default:
      ShowNotice(CommonlanText(87), QStringLiteral("valitsemasi tiedosto ei ole eheä kuviotiedosto  !"));
      return;
  }
}

bool ActivateStand(TIntroForm* intro, int mode) {
  if (!intro || !intro->CurrentStand || !ActForm) return false;
  data& stand = *intro->CurrentStand;
  const int dc = stand.DevelopmentClass();
  const QString dummy = CommonlanText(83);
  if (mode == ActivateNewStand || mode == ActivateRemeasuredStand) {
    SetCurrentPhase(0);
    if (IsSmallSeedlingStand(dc)) stand.RecordInitialPhase(dummy);
    else stand.RecordPhase(0, dummy, 0, 0);
    if (HasTreePicture(dc)) EstimateSpeciesAges(stand);
    QString reason;
    const StandFileStatus written = stand.WriteNewFile(intro->StandPath, &reason);
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
    const QSignalBlocker block(ActForm->ListBox3);
    ActForm->ListBox3->setCurrentRow(CuttingStageOfOpenedStand(stand));
  }
  if (mode >= ActivateNewStand) {
    const int text = mode == ActivateNewStand ? 68 : (mode == ActivateRemeasuredStand ? 75 : 79);
    ShowBusy(ActForm, 10, 100, ActlanText(text), PaletteColor(20));
    ActForm->ResetEstatePanel(platform::FileNameOfPath(intro->StandPath),
                              platform::FolderOfPath(intro->StandPath));
  }
  if (intro->isVisible()) intro->hide();
  if (intro->FirstStandActivation) {
    intro->FirstStandActivation = false;
    intro->ListBox1->hide();
    intro->Label5->hide();
    ActForm->ArrangeMainWindow(true);
  }
  // The stand-age lists belong to the stand now open.
  if (AgesForm) AgesForm->PrepareAgeChoices();
  ActForm->SetStartupPanelsVisibility(true);
  ActForm->show();
  ActForm->UpdateView(mode + 1);
  return true;
}

void OpenEstateFolder() {
  if (!IntroForm || !ActForm) return;
  QString folder = ActForm->DirectoryListBox1->Directory();
  if (folder.isEmpty()) folder = ActForm->FileListBox1->Directory();
  QStringList names;
  for (int i = 0; i < ActForm->FileListBox1->count(); ++i) names << ActForm->FileListBox1->item(i)->text();
  IntroForm->EstateRecords = BuildEstateList(folder, names);
  // The estate views follow the new list: time points, grid, chart and the
  // estate overview.
  ActForm->RefreshEstateViews();
}

void FillMainStandList(bool withTimePoint, bool asValue,
                       const std::function<StandRemovalAtTimePoint(int)>& removalAt) {
  if (!IntroForm || !ActForm) return;
  const QString sep = MainStandListSeparator();
  const EstateRecordList& records = IntroForm->EstateRecords;
  QListWidget* list = ActForm->ListBox1;
  const QSignalBlocker block(list);
  list->clear();
  for (int i = 0; i < ActForm->FileListBox1->count(); ++i) {
    EstateRecord missing;
    missing.fileName = ActForm->FileListBox1->item(i)->text();
    const EstateRecord& r = i < static_cast<int>(records.size()) ? records[i] : missing;
    StandRemovalAtTimePoint removal;
    const bool timePoint = withTimePoint && removalAt;
    if (timePoint) removal = removalAt(i);
    list->addItem(QLatin1Char(' ') + StandListRowText(r, false, sep, timePoint ? &removal : nullptr, asValue));
  }
  list->setCurrentRow(ActForm->FileListBox1->currentRow());
}
