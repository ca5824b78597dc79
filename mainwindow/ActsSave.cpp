// Save, grow and undo of the stand card, and the unsaved mark that every
// change of the chain sets and that a save or a load clears.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "ui/EstateChart.h"
#include "estate/Folder.h"
#include "mainwindow/Acts.h"
#include "mainwindow/ActsSaveRules.h"
#include "model/Data.h"
#include "model/Estate.h"
#include "model/Phase.h"
#include "operations/Ages.h"
#include "operations/Inc.h"
#include "platform/Files.h"
#include "ui/Session.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "ui/MessageService.h"
#include "ui/Palette.h"
#include "ui/WindowHelpers.h"

void TActForm::ShowSaveState(bool unsaved) {
  Unsaved = unsaved;
  const QColor panel = PaletteColor(unsaved ? 223 : 7);
  const QColor text = ColorFromBgr(unsaved ? 0xF0FBFF : 0x808080);
  SetWidgetColor(Panel10, panel);
  SetRoleColor(Panel10, QPalette::Button, panel);
  SetRoleColor(Panel10, QPalette::ButtonText, text);
  // The notice over the estate chart names the stand; it is centred over
  // the chart.
  const ::data* stand = OpenedStand();
  if (unsaved && stand)
    Label13->setText(ActlanText(23).toLower() + QStringLiteral(",  ") + stand->TitleText(1) + QStringLiteral("  !"));
  else
    Label13->clear();
  Label13->adjustSize();
  Label13->move(static_cast<int>((Chart2->width() - Label13->width()) * 0.5), Label13->y());
}

// ---- Save ----

void TActForm::Panel10Click() {
  ::data* stand = OpenedStand();
  if (!Unsaved) {
    ShowNotice(ActlanText(28), QStringLiteral("toimenpiteet on talletettu, suorita tai peru toimenpide   !"));
  } else if (stand && stand->IsModelEstateStand(-1)) {
    ShowNotice(CommonlanText(79),
               QString::fromUtf8("Mallitilan demokuvioiden toimenpideketjun muutoksia ei voi tallettaa   !"));
  } else if (stand) {
    SaveStandOperations();
  }
  ClearFocus(this);
}

bool TActForm::SaveStandOperations() {
  ::data* stand = OpenedStand();
  if (!stand || !TheSession) return false;
  ShowBusy(this, 10, 100, ActlanText(76), PaletteColor(20));
  QString error;
  if (stand->Save(TheSession->StandPath, &error) != StandFileStatus::Ok) {
    // Nothing was written: the old file, the estate record and the unsaved
    // mark stay as they were.
    ShowNotice(ActlanText(28), QString::fromUtf8("toimenpiteiden talletus ei onnistunut  :  ") + error + QStringLiteral("   !"));
    return false;
  }
  // The stand's record in the estate list: the item chosen in the file list,
  // which lists the folder's files in the records' order.
  EstateRecordList& records = TheSession->EstateRecords;
  const int i = FileListBox1->currentRow();
  if (i >= 0 && i < static_cast<int>(records.size()) &&
      records[i].fileName == platform::FileNameOfPath(TheSession->StandPath)) {
    SetEstateRegenerationChoices(records[i], stand->Regeneration);
    for (int k = 0; k < kPhaseCount; ++k) CopySlotBlocksToEstateRecord(records[i], k, stand->Slots[k]);
  }
  const bool removalShown = CheckBox18->isChecked();
  if (removalShown) FillStandList(true, CheckBox19->isChecked());
  BuildEstateTimePoints();
  if (FolderForm) FolderForm->FillEstateOverview(1, 1);
  if (removalShown) ShowStandListSummary(1, CheckBox19->isChecked());
  ShowSaveState(false);
  return true;
}

// ---- Grow ----

void TActForm::Panel4Click() {
  GrowStandStock();
  ClearFocus(this);
}

int TActForm::GrowStandStock() {
  ::data* stand = OpenedStand();
  if (!stand) return 2;
  const int p = CurrentPhase();
  const CuttingRefusal refusal = GrowRefusal(*stand, p);
  if (refusal.Refused()) {
    ShowNotice(refusal.caption, refusal.line1);
    return 2;
  }
  const int kind = NextGrowthKind(*stand);
  if (kind == 2) {
    if (!IncForm || IncForm->ShowModal() != 1) return 2;
  } else {
    // The stand-age dialog leads to the growth dialog and closes with it.
    if (!AgesForm || AgesForm->ShowModal() != 1) return 2;
    int ages[kSpeciesSlots] = {};
    AgesForm->ReadChosenAges(ages);
    stand->SetSpeciesAges(ages);
  }
  const int years = IncForm ? IncForm->ChosenYears() : 0;
  if (years < 1) return 2;
  ApplyGrowingStep(*stand, kind, years);
  setButtonState(p + 1, 0, true);
  UpdateView(0);
  MarkUnsaved();
  return 1;
}

// ---- Undo ----

void TActForm::Button12Click() {
  UndoLastOperation();
  ClearFocus(this);
}

void TActForm::UndoLastOperation() {
  ::data* stand = OpenedStand();
  const int p = CurrentPhase();
  if (!stand || p == 0) return;
  stand->UndoOperation(p);
  // The rules see the undone step's kind while its slot still holds it; an
  // undone growth frees its sizes there.
  setButtonState(p, 1, true);
  stand->ClearSlot(p);
  SetCurrentPhase(-1);
  UpdateView(0);
  MarkUnsaved();
}
