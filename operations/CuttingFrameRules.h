#pragma once
// What every cutting dialog shares, without a widget: the trial of a cutting
// into the phase after the current one (p + 1, p = CurrentPhase()), the
// readings of that trial phase, the texts of the result labels, the content
// of the removal chart and the trees of the two 1-ha preview pictures.
//
// A trial phase beyond the last slot (a current phase of 5, which the
// cutting commands refuse) reads as empty and is never touched.

#include <QString>
#include <QStringList>

#include <vector>

#include "model/Data.h"

// Slot a from which the removals are counted: 1 when phase 1 is a growing
// step, else 0.
int CuttingStartSlot(const data& stand);

// Readings of the trial phase p + 1.
int TrialStemsRemovedSinceStart(const data& stand);  // stems of slot a - of slot p + 1
int TrialStemsRemoved(const data& stand);            // stems of slot p - of slot p + 1
int TrialStemCount(const data& stand);               // stems/ha of slot p + 1
int TrialVolume(const data& stand);                  // m3/ha of slot p + 1
int TrialSawlogPercent(const data& stand);           // sawlog % of slot p + 1's stock
float TrialBasalArea(const data& stand);             // m2/ha of slot p + 1

// The removal from slot `from` to slot `to` by assortment group, per
// hectare; each assortment's difference times its factor (unit prices when
// priced, else 1.0) rounded half away from zero.
struct RemovalGroups {
  int total = 0;
  int energyWood = 0;
  int pulpwood = 0;
  int logs = 0;
};
RemovalGroups TrialRemovalByGroup(const data& stand, bool priced, int fromSlot, int toSlot);

// Every tree removed by phase k stands again and slot k is emptied.
void ResetTrialCutting(data& stand, int k);

// The result labels after the trial phase is recorded: the volume label;
// with four labels the sawlog share, the stems and the basal area; with two
// (the regeneration cutting dialog) the stems in the second.
struct CuttingResultTexts {
  QString volume;
  QString label2;
  QString label3;
  QString label4;
};
CuttingResultTexts CuttingResultLabels(const data& stand, bool fourLabels);

// The removal chart from slot a to the trial slot: three bars (energy wood,
// pulpwood, logs) with palette colours 26, 25, 17 (0xBBGGRR), two title
// lines and the value format of the bars.
struct RemovalChartBar {
  int value = 0;
  QString label;
  int colour = 0;
};
struct RemovalChartContent {
  std::vector<RemovalChartBar> bars;
  QStringList title;
  QString valueFormat;
};
RemovalChartContent RemovalChartFor(const data& stand, bool priced);

// One tree of the preview pictures: its truncated plot position, its size in
// whole cm and m as the picture shows it, and whether it goes to the removal
// picture (removed by any cutting) or to the remaining-trees picture.
struct PreviewTree {
  int plotX = 0;
  int plotY = 0;
  int diameterCm = 0;
  int heightM = 0;
  int species = 0;
  bool removed = false;
  bool sawlog = false;
};
// The trees in drawing order (lowest first, so that taller trees are drawn
// over shorter ones), without those that died in a first growing step. The
// list is sorted by height for the walk and sorted back by y.
std::vector<PreviewTree> CuttingPreviewTrees(data& stand);

// The left edge of an operation-text label: a quarter of the room left of
// the OK button, truncated.
int OperationLabelLeft(int okButtonLeft, int labelWidth);

// The sawlog note under the removal picture: Actlan 91 when any drawn tree
// is a sawlog tree, else empty.
QString SawlogNoteText(const std::vector<PreviewTree>& trees);
