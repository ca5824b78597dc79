#pragma once
// Which operation buttons of the stand card may be pressed, as plain
// functions (no widget): the rule table applied after each recorded step
// (mode 0) and when a step is undone (mode 1), the thinning-group rebuild
// after an undone growing step, and the replay that gives a loaded stand the
// states of its recorded chain.

#include <array>

class data;

// The seven operation buttons.
enum OperationButton : int {
  RegenerationButton = 0,  // Button14 "uudistushakkuu"
  SelectionButton,         // Button15 "poiminta"
  CombinedRemovalButton,   // Button4  "poiminta/pienaukko + puulaji"
  StripRoadsButton,        // Button5  "ajourat"
  ThinningButton,          // Button7  "harvennus"
  SpeciesRemovalButton,    // Button10 "puulaji"
  CorridorButton,          // Button1  "käytävä"
  kOperationButtonCount
};

// Enabled state of each button, indexed by OperationButton.
using ButtonStates = std::array<bool, kOperationButtonCount>;

// The states of a stand without a recorded cutting (also what a leading
// growing step sets): every button but thinning, species removal and
// corridor thinning. The thinning chain opens with the strip-road command
// (which records "ei uria" where no roads are cut); corridor thinning needs
// strip roads just before it, so it is never open at the measured state.
ButtonStates BaselineButtonStates();

// The kind of a recorded step, as the rules tell them apart.
enum class StepKind {
  Growth,
  SmallGap,
  Selection,
  Regeneration,
  SpeciesRemoval,
  StripRoads,
  Thinning,  // low or high thinning
  Corridor,
  Other,
};
// The kind of phase k's step from its kind word; phase 0 and phases outside
// 0..5 are Other.
StepKind StepKindOf(const data& stand, int k);

// What a rule does besides the buttons.
struct ButtonRuleEffects {
  bool unknownKind = false;         // no row matched: nothing changed
  bool resetSpeciesAges = false;    // the six species ages set to 0
  bool restoreThinning = false;     // RestoreThinningButtons (phase) ran
  bool freeFirstGrowth = false;     // sizes after the first growing step freed
  bool freeSecondGrowth = false;    // sizes after the second growing step freed
  bool regeneration = false;        // a regeneration row matched
  bool loadRegenerationEstimate = false;  // mode 0: the cost estimate is set up
  bool resetRegenerationChoices = false;  // mode 1
  bool enableGrowPanel = false;           // mode 1
  bool newForestVisible = false;    // Label40 and Button11 shown (regeneration rows only)
};

// Applies the rule row of phase's step to the states. mode 0: the step was
// just recorded; mode 1: it is being undone (its slot still holds it).
// thinningStage: the cutting-stage list shows its first item.
ButtonRuleEffects ApplyButtonRule(ButtonStates& states, const data& stand, int phase, int mode,
                                  bool thinningStage);

// After an undone growing step in the thinning stage: the thinning group
// enabled, then for k = phase down to 2 what the step of phase k - 1 rules
// out (strip roads: strip roads; a thinning or corridor thinning: thinning,
// species removal and corridor; a species removal: species removal and
// corridor).
void RestoreThinningButtons(ButtonStates& states, const data& stand, int phase);

// Whether the undo button is enabled: the current phase, one less when the
// step being undone is counted out, is 1 or more.
bool UndoButtonEnabled(int currentPhase, bool undoing);

// The states of the recorded chain: the baseline, then the mode-0 rule of
// each phase 1..currentPhase.
ButtonStates ReplayButtonStates(const data& stand, int currentPhase, bool thinningStage);

// The stand changes that a rule's effects ask for (species ages, grown
// sizes, regeneration choices), shared by the window and the tests.
void ApplyStandEffects(data& stand, const ButtonRuleEffects& effects);
