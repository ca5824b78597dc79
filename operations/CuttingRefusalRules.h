#pragma once
// The cutting commands' checks without a widget: whether a cutting may be
// made at this point of the stand's chain of steps, and each command's own
// preconditions, with the texts of their refusals.

#include <QString>

class data;

// A refusal shown as a notice (caption and one line) or, with a second
// line, as a message window; empty caption = allowed.
struct CuttingRefusal {
  QString caption;
  QString line1;
  QString line2;
  bool Refused() const { return !caption.isEmpty(); }
};

// Five steps are already recorded after the measured state ("Rajoite").
CuttingRefusal StepLimitRefusal();

// At the current phase p: five steps already recorded, the order of growing
// steps and cuttings, or a stand without stems.
CuttingRefusal CuttingTimingRefusal(const data& stand, int phase);

// d in whole cm: below 18 when strict, below 20 otherwise.
bool IsBelowRegenerationDiameter(bool strict, int d);

// The selection cutting's requirements at slot k: mean diameter (rounded)
// at least 18 cm, 400..1500 stems/ha and at least 150 m3/ha.
bool SelectionPreconditionsHold(int stems, int meanDiameterCm, int volume);
bool SelectionPreconditionsHoldAt(const data& stand, int k);
// The two reasons shown in the selection dialog when they fail.
QString SelectionReasonLine(int volume, int meanDiameterCm, int stems);
QString SelectionFailLine();

// Species removal on the final-cutting stage needs a mean diameter of 18 cm
// (rounded) unless the current phase is a small-gap cutting.
CuttingRefusal SpeciesRemovalRefusal(bool thinningStage, int meanDiameterCm, bool smallGapCutting);

// Corridor thinning: strip roads just before (the step before removed
// trees: stems now n differ from stems before m) and at least 1600 stems/ha
// before them.
constexpr int kCorridorStemLimit = 1600;
CuttingRefusal CorridorRefusal(int stemsNow, int stemsBefore);

// The regeneration cutting's questions by the rounded mean diameter: none
// at 20 cm or more; below 18 whether to cut at all; else a milder warning.
struct RegenerationQuestion {
  bool ask = false;
  QString yesCaption;
  QString closeCaption;
  QString line1;
  QString line2;
};
RegenerationQuestion RegenerationDiameterQuestion(int meanDiameterCm);
