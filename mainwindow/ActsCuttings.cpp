// The cutting commands of the stand card: each checks whether a cutting may
// be made at this point of the stand's chain of steps and the operation's
// own preconditions, then opens its dialog; after OK the enabling rules, the
// views and the unsaved mark follow.

#include <QLabel>
#include <QPushButton>

#include "mainwindow/Acts.h"
#include "operations/CuttingRefusalRules.h"
#include "model/Phase.h"
#include "operations/Clear.h"
#include "operations/Gate.h"
#include "operations/PlocCutt.h"
#include "operations/Roads.h"
#include "operations/Th1.h"
#include "operations/Th4.h"
#include "stands/StandCardRules.h"
#include "platform/Numbers.h"
#include "ui/Session.h"
#include "texts/Actlan.h"
#include "ui/MessageService.h"
#include "ui/RadioGroup.h"
#include "ui/WindowHelpers.h"

namespace {

// Mean diameter of slot k in whole cm, rounded half away from zero.
int MeanDiameterCm(const ::data& stand, int k) { return platform::RoundHalfAway(stand.SlotMeanDiameter(k)); }

// A refusal as a notice (one line) or a message window (two lines).
void ShowRefusal(const CuttingRefusal& r) {
  if (r.line2.isEmpty()) ShowNotice(r.caption, r.line1);
  else ShowMessage(r.caption, r.line1, r.line2);
}

}  // namespace

void TActForm::ConnectCuttingCommands() {
  connect(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });
  connect(Button7, &QPushButton::clicked, this, [this] { Button7Click(); });
  connect(Button10, &QPushButton::clicked, this, [this] { Button4Click(); });
  connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button14, &QPushButton::clicked, this, [this] { Button14Click(); });
  connect(Button15, &QPushButton::clicked, this, [this] { Button15Click(); });
}

void TActForm::CuttingCommitted() {
  setButtonState(CurrentPhase(), 0, true);
  UpdateView(0);
  MarkUnsaved();
}

int TActForm::RunCuttingDialog(TCuttingForm* dialog) {
  if (!dialog || dialog->ShowModal() != 1) return 2;
  CuttingCommitted();
  return 1;
}

bool TActForm::AskCuttingTiming() {
  ::data* stand = OpenedStand();
  if (!stand) return false;
  const CuttingRefusal r = CuttingTimingRefusal(*stand, CurrentPhase());
  if (r.Refused()) ShowRefusal(r);
  return !r.Refused();
}

void TActForm::Button7Click() {
  if (AskCuttingTiming()) RunCuttingDialog(Th1Form);
  ClearFocus(this);
}

void TActForm::Button5Click() {
  if (AskCuttingTiming()) RunStripRoadDialog();
  ClearFocus(this);
}

int TActForm::RunStripRoadDialog() { return RunCuttingDialog(RoadForm); }

void TActForm::Button4Click() {
  ::data* stand = OpenedStand();
  if (stand && AskCuttingTiming()) {
    const int p = CurrentPhase();
    const bool smallGap = IsSelectionOrSmallGapCutting(*stand, p, QString(), false);
    const CuttingRefusal r = SpeciesRemovalRefusal(IsThinningStageChosen(), MeanDiameterCm(*stand, p), smallGap);
    if (r.Refused()) ShowRefusal(r);
    else RunCuttingDialog(Th4Form);
  }
  ClearFocus(this);
}

void TActForm::Button1Click() {
  if (AskCuttingTiming()) RunCorridorThinning();
  ClearFocus(this);
}

int TActForm::RunCorridorThinning() {
  ::data* stand = OpenedStand();
  if (!stand) return 2;
  const int p = CurrentPhase();
  // At the measured state no strip roads can have been cut just before.
  const int now = stand->SlotTreeCount(p);
  const int before = p >= 1 ? stand->SlotTreeCount(p - 1) : now;
  const CuttingRefusal r = CorridorRefusal(now, before);
  if (r.Refused()) {
    ShowRefusal(r);
    return 2;
  }
  return RunCuttingDialog(GateForm);
}

void TActForm::Button14Click() {
  if (AskCuttingTiming()) RunRegenerationCutting();
  ClearFocus(this);
}

int TActForm::RunRegenerationCutting() {
  ::data* stand = OpenedStand();
  if (!stand) return 2;
  const int d = MeanDiameterCm(*stand, CurrentPhase());
  // Below 18 cm the dialog offers the clear-cut only.
  if (ClearForm) ClearForm->PageControl1->setTabVisible(StripPage, !IsBelowRegenerationDiameter(true, d));
  const RegenerationQuestion q = RegenerationDiameterQuestion(d);
  if (q.ask && ShowQuestion(ActlanText(9), q.line1, q.line2, q.yesCaption, q.closeCaption) != 1) return 2;
  return RunCuttingDialog(ClearForm);
}

void TActForm::Button15Click() {
  if (AskCuttingTiming()) RunSelectionCutting();
  ClearFocus(this);
}

int TActForm::RunSelectionCutting() {
  if (!PlocCuttForm) return 2;
  const bool ok = CheckSelectionCuttingPreconditions(true, CurrentPhase());
  PlocCuttForm->RadioGroup1->setEnabled(ok);
  return RunCuttingDialog(PlocCuttForm);
}

bool TActForm::CheckSelectionCuttingPreconditions(bool show, int phase) {
  ::data* stand = OpenedStand();
  if (!stand || phase < 0 || phase >= kPhaseCount) return false;
  const bool ok = SelectionPreconditionsHoldAt(*stand, phase);
  if (!ok && show && PlocCuttForm) {
    PlocCuttForm->RadioGroup1->setEnabled(false);
    PlocCuttForm->Label5->setText(SelectionReasonLine(stand->SlotTotalVolume(phase), MeanDiameterCm(*stand, phase),
                                                      stand->SlotTreeCount(phase)));
    PlocCuttForm->Label6->setText(SelectionFailLine());
  }
  return ok;
}
