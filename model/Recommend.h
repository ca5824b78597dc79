#pragma once
// The operation recommendation of the open stand: regeneration cutting,
// thinning, thinning of a dense young stand, or the basal area to leave,
// from the recommendation thresholds of the settings, chosen by whether the
// stand is conifer-dominated.

#include "model/Data.h"

#include <QString>

// Threshold index of SilvicultureThreshold.
enum SilvicultureKey : int {
    ThresholdCutDiameter = 0,        // "cc_d13": mean diameter for regeneration
    ThresholdCutDiameterHurry = 1,   // "cc_d13_hurry"
    ThresholdCutBasalArea = 2,       // "cc_ppa"
    ThresholdFirstHeight = 3,        // "th1_h": first-thinning height limit
    ThresholdFirstBasalArea = 4,     // "th1_ppa"
    ThresholdFirstHurry = 5,         // "th1_ppa_hurry"
    ThresholdFirstTarget = 6,        // "th1_ppa_target"
    ThresholdLaterBasalArea = 7,     // "th2_ppa"
    ThresholdLaterHurry = 8,         // "th2_ppa_hurry"
    ThresholdLaterTarget = 9,        // "th2_ppa_target"
    ThresholdDenseStems = 10,        // "min_rlk"
};

// Whether the trees standing now are conifer-dominated: pine and spruce are
// at least 40 % of the stems (whole percent). A stand in which nothing
// stands is judged by all its tree records; an empty stand counts as
// conifer-dominated.
bool IsConiferDominated(const data& stand);

// The settings key of a threshold index for a conifer-dominated stand
// ("ma_" keys) or another one ("ko_"); empty for an unknown index.
QString SilvicultureKeyName(int index, bool conifer);

// The threshold of an index (0 for any other index), recounting the stand.
int SilvicultureThreshold(const data& stand, int index);

struct OperationRecommendation {
    QString text;               // "puuston " + recommendation + "    !", or empty
    bool regeneration = false;  // a regeneration cutting is recommended
};

// The recommendation for phase p of the stand; thinningStageChosen: the
// main window's cutting-stage list shows its first item ("harvennushakkuu"),
// which allows the basal area to leave after a cutting.
OperationRecommendation RecommendOperation(const data& stand, int p, bool thinningStageChosen);

// The recommendation line for the current phase (CurrentPhase()).
QString OperationRecommendationText(const data& stand, bool thinningStageChosen);

// What the recommendation does to the main window's operation buttons.
struct RecommendationButtonStates {
    bool apply = false;          // false: nothing changes
    bool measuredState = false;  // phase 0: the buttons below are set
    // Phase 0: undo updated; strip roads, regeneration cutting, selection
    // cutting and selection or small-gap cutting with species removal on;
    // thinning, species removal and corridors off.
    bool updateUndo = false;
    bool enableStripRoads = false;
    bool enableRegeneration = false;
    bool enableSelection = false;
    bool enableSelectionOrGap = false;
    bool enableThinning = true;
    bool enableSpeciesRemoval = true;
    bool enableCorridors = true;
    // Item of the cutting-stage list to choose (1 "pääte- tai poimintahakkuu"
    // when a regeneration cutting is recommended, else 0), -1 none.
    int cuttingStageItem = -1;
    bool updateVisibility = false;
};

// The button states at phase p (applied only at phase 0, or at phase 1 when
// it is a growing step).
RecommendationButtonStates RecommendationButtons(const data& stand, int p, bool selectCuttingStage,
                                                 bool regenerationRecommended);
