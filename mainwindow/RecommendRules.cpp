#include "mainwindow/RecommendRules.h"

#include "stands/StandCardRules.h"
#include "model/Data.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "ui/PaletteRules.h"

int RecommendationState(const data& stand, int p, bool newForestVisible, bool hasRegenerationEstimate) {
  if (IsSelectionOrSmallGapCutting(stand, p, QString(), true) ||
      IsSelectionOrSmallGapCutting(stand, p, QString(), false))
    return RecommendsNothing;
  if (IsRegenerationCutting(stand, p, QString()))
    return newForestVisible && hasRegenerationEstimate ? RecommendsNothing : RecommendsCostEstimate;
  return HasTreePicture(stand.DevelopmentClass()) ? RecommendsOperation : RecommendsNothing;
}

QString RecommendationPanelText(int state, bool recommendationsOff, const QString& operationRecommendation) {
  if (recommendationsOff || state == RecommendsNothing) return QString();
  if (state == RecommendsCostEstimate) return ActlanText(74).toLower();
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
