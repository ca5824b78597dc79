// The operation recommendation panel of the overview page: it announces a
// recommendation for the stand's next step and shows it when clicked; after
// a regeneration cutting it suggests a cost estimate instead.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "mainwindow/Acts.h"
#include "mainwindow/RecommendRules.h"
#include "model/Data.h"
#include "model/Phase.h"
#include "model/Recommend.h"
#include "operations/NewFrst.h"
#include "ui/Session.h"
#include "stands/Settings1.h"
#include "ui/Palette.h"
#include "texts/Commonlan.h"
#include "ui/MessageService.h"
#include "ui/WindowHelpers.h"

void TActForm::RefreshCardAndRecommendation(bool fullRefresh, int phase) {
  DrawStandCard();
  ShowOperationRecommendation(RecommendationState(), fullRefresh);
  // The removal and mortality boxes of the overview tab start unticked for
  // a new stand and at the measured state.
  if (!(phase > 0 && !fullRefresh)) {
    CheckBox2->setChecked(false);
    CheckBox5->setChecked(false);
  }
  UpdateOverviewTab();
}

int TActForm::RecommendationState() const {
  const ::data* stand = OpenedStand();
  if (!stand) return RecommendsNothing;
  const bool hasEstimate = NewFrstForm && NewFrstForm->HasRegenerationEstimate();
  return ::RecommendationState(*stand, CurrentPhase(), IsNewForestButtonVisible(), hasEstimate);
}

void TActForm::ShowOperationRecommendation(int state, bool fullRefresh) {
  ::data* stand = OpenedStand();
  const int p = CurrentPhase();
  const bool off = ::RecommendationsOff();
  Label30->setVisible(off);
  QString operation;
  if (stand && !off && state != RecommendsNothing && state != RecommendsCostEstimate) {
    const OperationRecommendation rec = RecommendOperation(*stand, p, IsThinningStageChosen());
    operation = rec.text;
    // At the measured state the recommendation also sets the operation
    // buttons and, on a full refresh, the cutting stage: the final cuttings
    // when a regeneration cutting is recommended, else the thinnings.
    if (p == 0) {
      const RecommendationButtonStates b = RecommendationButtons(*stand, p, fullRefresh, rec.regeneration);
      if (b.apply) {
        if (b.measuredState) {
          UpdateUndoButton(false);
          Button5->setEnabled(b.enableStripRoads);
          Button14->setEnabled(b.enableRegeneration);
          Button15->setEnabled(b.enableSelection);
          Button4->setEnabled(b.enableSelectionOrGap);
          Button7->setEnabled(b.enableThinning);
          Button10->setEnabled(b.enableSpeciesRemoval);
          Button1->setEnabled(b.enableCorridors);
        }
        if (b.cuttingStageItem >= 0 && b.cuttingStageItem < ListBox3->count()) {
          // The stage's buttons follow right below, as the list's own
          // handler would give them.
          ListBox3->setCurrentRow(b.cuttingStageItem);
        }
        if (b.updateVisibility) UpdateOperationButtonsVisibility(false);
      }
    }
  }
  RecommendationText = off ? QString() : RecommendationPanelText(state, off, operation);
  Panel12->setVisible(!RecommendationText.isEmpty());
  if (stand && !RecommendationText.isEmpty()) {
    Panel12->setText(RecommendationPanelCaption(stand->PhaseCalendarYearText(p)));
    Panel12->resize(Panel12->sizeHint().width() + 16, 26);
  }
  PlaceRecommendationPanel();
}

void TActForm::Panel12Click() {
  ::data* stand = OpenedStand();
  if (!stand) return;
  const int p = CurrentPhase();
  const QString line1 = RecommendationMessageLine1(p, stand->IsCurrentPhaseGrowth(), stand->PhaseCalendarYearText(p));
  ShowBusy(this, 5, 50, CommonlanText(78), PaletteColor(20));
  ShowMessage(stand->TitleText(2), line1, RecommendationMessageLine2(RecommendationText));
  ClearFocus(this);
}
