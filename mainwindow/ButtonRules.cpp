#include "mainwindow/ButtonRules.h"

#include "stands/StandCardRules.h"
#include "model/Data.h"

ButtonStates BaselineButtonStates() {
  ButtonStates s{};
  s.fill(true);
  s[ThinningButton] = false;
  s[SpeciesRemovalButton] = false;
  s[CorridorButton] = false;
  return s;
}

StepKind StepKindOf(const data& stand, int k) {
  if (k <= 0 || k >= kPhaseCount) return StepKind::Other;
  if (stand.PhaseYears(k) != 0) return StepKind::Growth;
  const QString word = PhaseKindWord(stand, k);
  if (word == SmallGapKind()) return StepKind::SmallGap;
  if (word.contains(SelectionKind())) return StepKind::Selection;
  if (IsRegenerationKindWord(word)) return StepKind::Regeneration;
  if (word == SpeciesRemovalKind()) return StepKind::SpeciesRemoval;
  // Strip roads by the common table's name, whatever the button shows.
  if (word == StripRoadsKind()) return StepKind::StripRoads;
  if (word == LowThinningKind() || word == HighThinningKind()) return StepKind::Thinning;
  if (word == CorridorThinningKind()) return StepKind::Corridor;
  return StepKind::Other;
}

namespace {

// After an undo the rows open the buttons that the step closed.
void ReopenThinningGroupClosed(ButtonStates& s) {
  s[StripRoadsButton] = true;
  s[ThinningButton] = false;
  s[SpeciesRemovalButton] = false;
  s[CorridorButton] = false;
}

}  // namespace

ButtonRuleEffects ApplyButtonRule(ButtonStates& s, const data& stand, int phase, int mode, bool thinningStage) {
  ButtonRuleEffects fx;
  const bool undo = mode == 1;
  // "= mode": closed after a new step, open when the step is undone.
  const bool byMode = undo;
  const StepKind kind = StepKindOf(stand, phase);
  const StepKind previous = StepKindOf(stand, phase - 1);
  switch (kind) {
    case StepKind::Growth:
      if (phase <= 1) {
        s = BaselineButtonStates();
        if (undo) {
          fx.resetSpeciesAges = true;
          // The sizes of the undone first step go with it.
          fx.freeFirstGrowth = true;
        }
      } else if (undo) {
        const int g = stand.GrowthStepCount();
        if (thinningStage && ((g == 1 && phase > 1) || (g == 2 && phase > 2))) {
          RestoreThinningButtons(s, stand, phase);
          fx.restoreThinning = true;
        }
        if (g == 1) {
          fx.resetSpeciesAges = true;
          fx.freeFirstGrowth = true;
        } else if (g == 2) {
          fx.freeSecondGrowth = true;
        }
      }
      break;
    case StepKind::SmallGap:
      s[RegenerationButton] = byMode;
      if (undo) {
        s[CombinedRemovalButton] = true;
        ReopenThinningGroupClosed(s);
      }
      break;
    case StepKind::Selection:
      s[RegenerationButton] =
          byMode && previous != StepKind::SmallGap && previous != StepKind::SpeciesRemoval;
      s[SelectionButton] = byMode;
      if (!(undo && previous == StepKind::SpeciesRemoval)) s[CombinedRemovalButton] = byMode;
      if (undo) ReopenThinningGroupClosed(s);
      break;
    case StepKind::Regeneration:
      s[RegenerationButton] = byMode;
      s[SelectionButton] = byMode;
      s[CombinedRemovalButton] = byMode;
      fx.regeneration = true;
      fx.newForestVisible = !undo;
      if (undo) {
        ReopenThinningGroupClosed(s);
        fx.resetRegenerationChoices = true;
        fx.enableGrowPanel = true;
      } else {
        fx.loadRegenerationEstimate = true;
      }
      break;
    case StepKind::SpeciesRemoval:
      if (!thinningStage) {
        s[RegenerationButton] = byMode && !(undo && previous == StepKind::SmallGap);
        if (previous == StepKind::SmallGap) s[SelectionButton] = byMode;
        s[CombinedRemovalButton] = byMode;
      } else {
        s[SpeciesRemovalButton] = byMode;
        s[CorridorButton] = byMode;
      }
      break;
    case StepKind::StripRoads:
      s[RegenerationButton] = byMode;
      s[StripRoadsButton] = byMode;
      s[ThinningButton] = !byMode;
      s[SpeciesRemovalButton] = !byMode;
      s[CorridorButton] = !byMode;
      break;
    case StepKind::Thinning:
      s[ThinningButton] = byMode;
      if (!(undo && previous == StepKind::SpeciesRemoval)) s[SpeciesRemovalButton] = byMode;
      s[CorridorButton] = previous != StepKind::SpeciesRemoval && byMode;
      break;
    case StepKind::Corridor:
      s[ThinningButton] = byMode;
      s[SpeciesRemovalButton] = byMode;
      s[CorridorButton] = byMode;
      break;
    case StepKind::Other:
      fx.unknownKind = true;
      break;
  }
  return fx;
}

void RestoreThinningButtons(ButtonStates& s, const data& stand, int phase) {
  for (OperationButton b : {StripRoadsButton, ThinningButton, SpeciesRemovalButton, CorridorButton}) s[b] = true;
  for (int k = phase; k >= 2; --k) {
    switch (StepKindOf(stand, k - 1)) {
      case StepKind::StripRoads:
        s[StripRoadsButton] = false;
        break;
      case StepKind::Thinning:
      case StepKind::Corridor:
        s[ThinningButton] = false;
        s[SpeciesRemovalButton] = false;
        s[CorridorButton] = false;
        break;
      case StepKind::SpeciesRemoval:
        s[CorridorButton] = false;
        s[SpeciesRemovalButton] = false;
        break;
      default:
        break;
    }
  }
}

bool UndoButtonEnabled(int currentPhase, bool undoing) { return currentPhase - (undoing ? 1 : 0) >= 1; }

ButtonStates ReplayButtonStates(const data& stand, int currentPhase, bool thinningStage) {
  ButtonStates s = BaselineButtonStates();
  for (int k = 1; k <= currentPhase && k < kPhaseCount; ++k) ApplyButtonRule(s, stand, k, 0, thinningStage);
  return s;
}

void ApplyStandEffects(data& stand, const ButtonRuleEffects& fx) {
  if (fx.resetSpeciesAges) {
    const int zero[kSpeciesSlots] = {};
    stand.SetSpeciesAges(zero);
  }
  if (fx.freeFirstGrowth) stand.FreeGrownSizes(stand.GrownSizes1);
  if (fx.freeSecondGrowth) stand.FreeGrownSizes(stand.GrownSizes2);
  if (fx.resetRegenerationChoices) stand.ResetRegenerationChoices();
}
