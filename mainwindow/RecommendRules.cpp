#include "mainwindow/RecommendRules.h"

#include "mainwindow/StandCardRules.h"
#include "model/Data.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "ui/PaletteRules.h"

int RecommendationState(const data& stand, int p, bool newForestVisible, bool hasRegenerationEstimate) {
  if (IsSelectionOrSmallGapCutting(stand, p, QString(), true) ||
      IsSelectionOrSmallGapCutting(stand, p, QString(), false))
    return RecommendNothing;
  if (IsRegenerationCutting(stand, p, QString()))
    return newForestVisible && hasRegenerationEstimate ? RecommendNothing : RecommendCostEstimate;
  return HasTreePicture(stand.DevelopmentClass()) ? RecommendOperation : RecommendNothing;
}

QString RecommendationPanelText(int state, bool recommendationsOff, const QString& operationRecommendation) {
  if (recommendationsOff || state == RecommendNothing) return QString();
  if (state == RecommendCostEstimate) return ActlanText(74).toLower();
  return operationRecommendation.toLower();
}

QString RecommendationPanelCaption(const QString& yearText) {
  return CommonlanText(86) + QStringLiteral("  v. ") + yearText;
}

QString RecommendationMessageLine1(int p, bool phaseIsGrowth, const QString& yearText) {
  const int when = p == 0 ? 14 : (phaseIsGrowth ? 10 : 11);
  return CommonlanText(78) + QLatin1Char(' ') + ActlanText(when) + QStringLiteral("  v. ") + yearText;
}

QString RecommendationMessageLine2(const QString& recommendation) {
  return QStringLiteral("            -  ") + recommendation;
}
