#pragma once
// The species removal dialog's rules without a widget: the per-species
// choice lists, the guidance lines, the operation name, the operation line,
// the picture captions and the decision of OK.

#include <QString>
#include <QStringList>

#include <array>

// Per-species choice c in species order (pine .. alder): 0 keep, 1 all
// trees, 2 only trees smaller than pulpwood.
using SpeciesRemovalChoices = std::array<int, 5>;

// The five guidance lines, by the cutting stage of the main window.
QStringList SpeciesRemovalGuidance(bool thinningStage);

// The items of a species' choice list: "kaikki ..." and, when offered,
// "kuitupuuta pienempi ...ranka".
QStringList SpeciesChoiceItems(int species, bool offerSmallTrees);

// The operation name: "Puulajin poisto, " and the chosen species, each
// followed by "/", the last "/" dropped; empty when no species is chosen.
QString SpeciesRemovalName(const SpeciesRemovalChoices& choices);

// The operation line (not yet lower-cased): the request to choose species
// for an empty name; beside an earlier cutting of the final-cutting stage
// (removal so far S > 0) that removal and this one (R); else the name.
QString SpeciesRemovalMessage(const QString& name, bool thinningStage, int removalSoFar, int removal);

// The picture captions (remaining, removal) after r stems were removed by
// this trial; sinceStart are the stems removed from slot a to the trial.
struct SpeciesRemovalCaptions {
  QString remaining;
  QString removal;
};
SpeciesRemovalCaptions SpeciesRemovalCaptionsFor(int removed, bool thinningStage, int removedSinceStart);

// The decision of OK.
enum class SpeciesRemovalOk {
  Accept,          // modal result OK
  AskStemCount,    // the stem-count question decides
  RefuseAll,       // every standing tree chosen: a clear-cut instead
  RefuseNothing,   // nothing removed: choose species or cancel
};
struct SpeciesRemovalOkInput {
  bool allRemoved = false;      // the trial removed every standing tree
  int removed = 0;              // stems removed by the trial
  bool thinningStage = false;   // the main window's cutting stage
  int stemsAfter = 0;           // stems/ha of the trial phase
  bool gapBefore = false;       // the current phase is a small-gap cutting
  bool selectionAccepts = false;  // the trial phase meets the selection cutting's requirements
};
SpeciesRemovalOk DecideSpeciesRemovalOk(const SpeciesRemovalOkInput& in);
// The notice line of a refusal (RefuseAll or RefuseNothing).
QString SpeciesRemovalRefusalLine(SpeciesRemovalOk decision);
