// Opening a stand file: the open dialog, the probe and preview in the
// open-stand window, and the loading of the stand the user confirmed.

#include "stands/OpenFile.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>

#include "model/Estate.h"
#include "model/Phase.h"
#include "model/Sample.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "stands/Open.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "ui/ApplicationWindows.h"
#include "ui/MessageService.h"
#include "ui/Palette.h"
#include "ui/Session.h"
#include "ui/StandHost.h"

namespace {

// The name the start window's filter gives the stand files, and the pattern
// that lists only them in the open dialog.
QString StandFileDialogFilter() {
  return CommonlanText(20) + QStringLiteral("    ( * . ") + CommonlanText(0) + QStringLiteral(" ) (") +
         StandFileMask() + QLatin1Char(')');
}

bool SamePath(const QString& a, const QString& b) {
  return QDir::cleanPath(a).compare(QDir::cleanPath(b), Qt::CaseInsensitive) == 0;
}

// The message of a stand file that cannot be read, in the notice window.
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

void RequestMainWindowMode(int mode) {
  if (TheSession) emit TheSession->mainWindowModeRequested(mode);
}

}  // namespace

int ShowOpenWindowModal() {
  RequestMainWindowMode(0);
  const int r = OpenForm->exec();
  if (r != 1) RequestMainWindowMode(1);
  return r;
}

int OpenStandFile(const QString& path, bool showList, bool /*fromDialog*/) {
  std::unique_ptr<data> stand;
  const StandFileStatus status = data::PreviewStandFile(path, stand);
  if (status != StandFileStatus::Ok) {
    ShowStandFileProblem(status, path);
    return -1;
  }
  TOpenForm* w = OpenForm;
  const StandProbe probe = ProbeStand(*stand);
  w->PreviewHeader = stand->Header;
  w->PreviewSpecies = stand->SpeciesBlocks;
  w->PreviewVolumes = probe.slot0Volumes;
  w->PreviewSpeciesTrees = probe.speciesTrees;
  w->SetPreviewRemoval(probe.removal);
  w->ClearStandViewImage(w->Image1, false, false);
  w->ClearStandViewImage(w->Image3, false, true);
  // The trees: the dot map's symbols, and (but for a small seedling stand)
  // the sample the stand view draws.
  const bool seedlings = IsSmallSeedlingStand(stand->DevelopmentClass());
  const int n = stand->TreeCount();
  if (n > 0 && !seedlings) AllocSampleTrees(n);
  w->PreviewMapTrees.clear();
  w->PreviewMapTrees.reserve(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    const TreeRecord& t = stand->Trees[i];
    const bool logs = !seedlings && TreeGivesLogs(t.species, t.diameter, t.height);
    if (!seedlings) SetSampleTree(i, t.x, t.y, t.diameter, t.height, t.species);
    w->PreviewMapTrees.push_back({t.x, t.y, t.species, logs});
  }
  w->DrawPreviewMap();
  w->SetShowMode(true, showList);
  w->ShowPreviewTotals(probe, path);
  if (w->isVisible()) {
    w->Activated = true;
    return -1;
  }
  w->Activated = false;
  // (The window is hidden: the box's handler does nothing.)
  w->CheckBox1->setChecked(false);
  const int r = ShowOpenWindowModal();
  if (r == 3) return -2;
  if (r == 1) return w->PreviewTreeCount;
  return -1;
}

bool LoadStandFile(int /*treeCount*/, const QString& path, bool fromDialog) {
  // The whole file is read and checked into a new object before the open
  // stand is replaced: a file that turns out unreadable leaves it alone.
  std::unique_ptr<data> stand;
  const StandFileStatus status = data::ReadStandFile(path, false, stand);
  if (status != StandFileStatus::Ok) {
    ShowStandFileProblem(status, path);
    RequestMainWindowMode(1);
    return false;
  }
  if (!TheSession) return false;
  TheSession->StandPath = path;
  TheSession->CurrentStand = std::move(stand);
  if (fromDialog)
    emit TheSession->estatePanelResetRequested(platform::FileNameOfPath(path), platform::FolderOfPath(path));
  return TheSession->Host &&
         TheSession->Host->ActivateStand(fromDialog ? ActivateFromOpenDialog : ActivateFromStandList);
}

int OpenStand(const QString& path) {
  const int n = OpenStandFile(path, false, false);
  if (n >= 0 && !LoadStandFile(n, OpenForm->PreviewPath, false)) return -1;
  return n;
}

QString StandDialogFolder() {
  return TheSession && !TheSession->EstateFolder.isEmpty() ? TheSession->EstateFolder : EstatesFolder();
}

void OpenStandByDialog(bool changeList) {
  if (!TheSession) return;
  const QString current = TheSession->EstateFolder;
  const QString start = changeList ? EstatesFolder() : StandDialogFolder();
  // The start window while it is shown, else the main window.
  QWidget* intro = ApplicationWindow(QStringLiteral("IntroForm"));
  const bool fromStart = intro && intro->isVisible();
  const QString title = QStringLiteral("  ") + (fromStart ? CommonlanText(91) : CommonlanText(90));
  QWidget* parent = fromStart ? intro : MainApplicationWindow();
  for (;;) {
    if (!OpenForm->isVisible()) RequestMainWindowMode(0);
    const QString name = OpenFileDialog(parent, title, start, StandFileDialogFilter(), CommonlanText(0));
    if (name.isEmpty()) {
      if (!OpenForm->isVisible()) RequestMainWindowMode(1);
      return;
    }
    if (!(intro && intro->isVisible()) && SamePath(platform::FolderOfPath(name), current)) {
      ShowNotice(ActlanText(72), QStringLiteral("kuviolistaa ei ole vaihdettu  !"));
      continue;
    }
    const int n = OpenStandFile(name, true, true);
    // The file opened is the one the window showed last (the user may have
    // previewed another file of the list; a file that failed to preview is
    // never the one opened).
    if (n >= 0) LoadStandFile(n, OpenForm->PreviewPath, true);
    else if (!OpenForm->isVisible()) RequestMainWindowMode(1);
    return;
  }
}

int DrawStandPicture(int /*treeCount*/, const std::array<SpeciesBlock, kSpeciesSlots>& blocks,
                     const StandHeader& header) {
  TOpenForm* w = OpenForm;
  w->PreviewSpecies = blocks;
  w->PreviewHeader = header;
  w->ClearStandViewImage(w->Image1, false, false);
  platform::Pause(100);
  w->PreviewMapTrees.clear();
  if (data* stand = OpenedStand()) {
    const bool seedlings = IsSmallSeedlingStand(stand->DevelopmentClass());
    stand->SortTreesForSave(true, true);
    for (int i = 0; i < stand->TreeCount(); ++i) {
      const TreeRecord& t = stand->Trees[i];
      w->PreviewMapTrees.push_back(
          {t.x, t.y, t.species, !seedlings && TreeGivesLogs(t.species, t.diameter, t.height)});
    }
    stand->SortTreesForSave(false, false);
    for (int j = 0; j < kAssortmentCount; ++j) w->PreviewVolumes[j] = stand->SlotAssortmentVolume(0, j, false);
  }
  w->DrawPreviewMap();
  w->Activated = false;
  w->SetShowMode(false, false);
  // (The window is hidden: the box's handler does nothing.)
  w->CheckBox1->setChecked(false);
  return ShowOpenWindowModal();
}

