// The operation buttons of the stand card: the rule table applied after each
// recorded step and undo, the replay for a loaded stand, the undo button and
// the grow panel's look.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include "mainwindow/Acts.h"
#include "mainwindow/ButtonRules.h"
#include "model/Data.h"
#include "model/Phase.h"
#include "operations/NewFrst.h"
#include "platform/Numbers.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "ui/Session.h"
#include "ui/MessageService.h"
#include "ui/WindowHelpers.h"

QPushButton* TActForm::OperationButtonOf(OperationButton b) const {
  switch (b) {
    case RegenerationButton: return Button14;
    case SelectionButton: return Button15;
    case CombinedRemovalButton: return Button4;
    case StripRoadsButton: return Button5;
    case ThinningButton: return Button7;
    case SpeciesRemovalButton: return Button10;
    case CorridorButton: return Button1;
    case kOperationButtonCount: break;
  }
  return nullptr;
}

ButtonStates TActForm::OperationButtonStates() const {
  ButtonStates s{};
  for (int b = 0; b < kOperationButtonCount; ++b) s[b] = OperationButtonOf(OperationButton(b))->isEnabled();
  return s;
}

void TActForm::SetOperationButtonStates(const ButtonStates& s) {
  for (int b = 0; b < kOperationButtonCount; ++b) OperationButtonOf(OperationButton(b))->setEnabled(s[b]);
}

bool TActForm::IsThinningStageChosen() const { return ListBox3->currentRow() == 0; }

bool TActForm::IsNewForestButtonVisible() const { return Button11->isVisibleTo(Panel1); }

void TActForm::Button11Click() {
  ShowBusy(this, 10, 100, ActlanText(82), PaletteColor(20));
  if (NewFrstForm) NewFrstForm->ShowModal();
  ClearFocus(this);
}

void TActForm::UpdateNewForestCaption() {
  if (!NewFrstForm) return;
  Label40->setText(NewFrstForm->RegenerationHintText());
  Label40->adjustSize();
  const int buttonRight = Button11->x() + Button11->width();
  const int cardRight = Image4->x() + Image4->width();
  // Centred between the button and the card's right edge; a text wider than
  // that room stays within the card panel.
  const int centred = platform::TruncToInt((buttonRight + cardRight - Label40->width()) * 0.5 - 1.0);
  Label40->move(qMax(0, qMin(centred, Panel1->width() - Label40->width() - 4)), Image4->y() + Image4->height() - 17);
}

void TActForm::setButtonState(int phase, int mode, bool busy) {
  ::data* stand = OpenedStand();
  if (busy) {
    StandCardDirty = true;
    AfterPictureDirty = true;
    CloseAfterPictureDirty = true;
    if (PageControl2->currentWidget() == TabSheet6) {
      repaint();
      ShowBusy(this, 5, 50, ActlanText(mode == 0 ? 59 : 61), PaletteColor(20));
    }
  }
  if (stand) {
    ButtonStates states = OperationButtonStates();
    const ButtonRuleEffects fx = ApplyButtonRule(states, *stand, phase, mode, IsThinningStageChosen());
    SetOperationButtonStates(states);
    // A step name no dialog writes (a foreign stand file) changes no button
    // and is reported whenever the rules meet it, the replay included.
    if (fx.unknownKind) SystemMessageBox(QStringLiteral("setButtonState"), QStringLiteral("nothing"), false);
    ApplyStandEffects(*stand, fx);
    if (fx.regeneration) {
      Label40->setVisible(fx.newForestVisible);
      ShowNewForestButton(fx.newForestVisible);
    }
    if (fx.loadRegenerationEstimate && NewFrstForm) {
      NewFrstForm->LoadRegenerationChoices();
      NewFrstForm->SetupRegenerationPage();
      NewFrstForm->ComputeRegenerationEstimate();
    }
    if (fx.enableGrowPanel) SetGrowButtonState(true);
  }
  // The undo button always counts the step being undone out, at phase 1 too.
  UpdateUndoButton(mode == 1);
}

void TActForm::UpdateOperationButtonsVisibility(bool replay) {
  CuttingStageIndex = ListBox3->currentRow();
  const bool finalStage = CuttingStageIndex >= 0 && CuttingStageIndex != 0;
  for (QPushButton* b : {Button14, Button15, Button4}) b->setVisible(finalStage);
  for (QPushButton* b : {Button5, Button7, Button10, Button1}) b->setVisible(!finalStage);
  ::data* stand = OpenedStand();
  // One baseline before every replay: nothing of another stand or of an
  // earlier stage choice stays behind. Choosing a stage replays too, so the
  // chain's states come back after the stage list was left without a choice.
  SetOperationButtonStates(BaselineButtonStates());
  Label40->hide();
  ShowNewForestButton(false);
  if (stand && (replay || CuttingStageIndex >= 0)) {
    const int p = CurrentPhase();
    for (int k = 1; k <= p; ++k) setButtonState(k, 0, false);
  }
  if (CuttingStageIndex < 0) {
    for (QPushButton* b : {Button5, Button7, Button10, Button1}) b->setEnabled(false);
  }
  UpdateUndoButton(false);
}

void TActForm::UpdateUndoButton(bool undoing) {
  Button12->setEnabled(UndoButtonEnabled(CurrentPhase(), undoing));
  Button12->setText(CommonlanText(21).toUpper());
}

void TActForm::RestoreThinningButtons(int phase) {
  ::data* stand = OpenedStand();
  if (!stand) return;
  ButtonStates states = OperationButtonStates();
  ::RestoreThinningButtons(states, *stand, phase);
  SetOperationButtonStates(states);
}

void TActForm::SetGrowButtonState(bool enabled) {
  Panel4->setEnabled(enabled);
  SetWidgetColor(Panel4, PaletteColor(enabled ? 251 : 7));
  SetRoleColor(Panel4, QPalette::Button, PaletteColor(enabled ? 251 : 7));
  SetRoleColor(Panel4, QPalette::ButtonText,
               enabled ? palette().color(QPalette::ButtonText) : ColorFromBgr(0x808080));
}

void TActForm::ListBox3Click() {
  ::data* stand = OpenedStand();
  const int chosen = ListBox3->currentRow();
  if (chosen != CuttingStageIndex) {
    const bool cutRecorded = CurrentPhase() != 0 && stand && !stand->IsCurrentLeadingGrowth(true) &&
                             !stand->IsCurrentLeadingGrowth(false);
    if (cutRecorded) {
      ShowNotice(ActlanText(7), ActlanText(62).toLower() + QStringLiteral("   !"));
      ListBox3->setCurrentRow(chosen == 0 ? 1 : 0);
    } else {
      UpdateOperationButtonsVisibility(false);
    }
  }
  ClearFocus(this);
}
