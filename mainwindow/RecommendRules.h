#pragma once
// The operation recommendation panel of the overview page without a
// widget: what it shows (nothing, the hint to estimate the regeneration
// costs, or the operation recommendation), its caption and its message.

#include <QString>

class data;

enum RecommendationStateKind : int {
  RecommendsNothing = 0,
  RecommendsCostEstimate = 1,
  RecommendsOperation = 2,
};

// At phase p: nothing after a selection or small-gap cutting; the cost
// estimate hint after a regeneration cutting unless the new-forest button
// is shown and an estimate has been made (then nothing); otherwise the
// operation recommendation when the development class has trees to draw.
int RecommendationState(const data& stand, int p, bool newForestVisible, bool hasRegenerationEstimate);

// The panel's text, lower-cased: empty when recommendations are switched
// off or the state is 0; the cost-estimate hint for state 1; the operation
// recommendation for any other state.
QString RecommendationPanelText(int state, bool recommendationsOff, const QString& operationRecommendation);

// "Toimenpidesuositus  v. 2029".
QString RecommendationPanelCaption(const QString& yearText);

// The message's lines: "Toimenpidesuositus mittauksen jälkeen  v. 2019"
// (after a growth "kasvatuksen jälkeen", after a cutting "hakkuun
// jälkeen"), and the recommendation behind a dash.
QString RecommendationMessageLine1(int p, bool phaseIsGrowth, const QString& yearText);
QString RecommendationMessageLine2(const QString& recommendation);
