#include "operations/CuttingRefusalRules.h"

#include "model/Data.h"
#include "platform/Numbers.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "texts/Gatelan.h"

using platform::IntText;

CuttingRefusal StepLimitRefusal() {
  return {CommonlanText(79), ActlanText(56).toLower() + QStringLiteral(" 5 !"), QString()};
}

CuttingRefusal CuttingTimingRefusal(const data& stand, int phase) {
  if (phase >= kPhaseCount - 1) return StepLimitRefusal();
  const bool twoGrowths = stand.FirstTwoPhasesAreGrowth();
  if (twoGrowths || stand.IsGrowthAfterCutting()) {
    QString line = QStringLiteral("hakkuutoimenpiteet suoritetaan");
    if (!twoGrowths) line += QStringLiteral(" peräkkäin");
    line += QStringLiteral(" ennen puuston kasvatusta tai ");
    line += stand.FirstPhaseIsGrowth() ? QStringLiteral("1. ja 2. kasvatuksen välillä")
                                       : QStringLiteral("kasvatuksen jälkeen");
    return {CommonlanText(49), line + QStringLiteral("   !"), QString()};
  }
  if (phase < 0 || stand.SlotTreeCount(phase) == 0)
    return {CommonlanText(71), QStringLiteral("puuston runkoluku on 0, ei hakkuutoimenpiteitä   !"), QString()};
  return {};
}

bool IsBelowRegenerationDiameter(bool strict, int d) { return strict ? d < 18 : d < 20; }

bool SelectionPreconditionsHold(int stems, int meanDiameterCm, int volume) {
  return meanDiameterCm >= 18 && stems >= 400 && stems <= 1500 && volume >= 150;
}

bool SelectionPreconditionsHoldAt(const data& stand, int k) {
  if (k < 0 || k >= kPhaseCount) return false;
  return SelectionPreconditionsHold(stand.SlotTreeCount(k), platform::RoundHalfAway(stand.SlotMeanDiameter(k)),
                                    stand.SlotTotalVolume(k));
}

QString SelectionReasonLine(int volume, int meanDiameterCm, int stems) {
  return QStringLiteral("puusto ") + IntText(volume) + QStringLiteral(" m3/ha,  keskiläpimitta ") +
         IntText(meanDiameterCm) + QStringLiteral(" cm,  runkoluku ") + IntText(stems) + QStringLiteral(" kpl/ha,");
}

QString SelectionFailLine() { return QStringLiteral("edellytykset poimintahakkuulle eivät täyty   !"); }

CuttingRefusal SpeciesRemovalRefusal(bool thinningStage, int meanDiameterCm, bool smallGapCutting) {
  if (thinningStage || meanDiameterCm >= 18 || smallGapCutting) return {};
  return {QStringLiteral("Puulajin poisto"),
          QStringLiteral("Puuston keskiläpimitta ") + IntText(meanDiameterCm) + QStringLiteral(" cm. ") +
              QStringLiteral("Puulajin poisto uudistus-/poimintahakkuun yhteydessä edellyttää, että"),
          QStringLiteral("keskiläpimitta on vähintään 18 cm. ") +
              QStringLiteral("Jos haluat poistaa puulajin, valitse kasvatushakkuu, hakkaa ajourat ja poista puulaji  !")};
}

CuttingRefusal CorridorRefusal(int stemsNow, int stemsBefore) {
  if (stemsNow == stemsBefore) return {CommonlanText(108), GatelanText(3), QString()};
  if (stemsBefore < kCorridorStemLimit)
    return {CommonlanText(108), GatelanText(4) + IntText(stemsBefore) + QLatin1Char('.'), GatelanText(5)};
  return {};
}

RegenerationQuestion RegenerationDiameterQuestion(int meanDiameterCm) {
  RegenerationQuestion q;
  if (!IsBelowRegenerationDiameter(false, meanDiameterCm)) return q;
  q.ask = true;
  q.line1 = ActlanText(95) + IntText(meanDiameterCm) + QStringLiteral(" cm  !");
  if (IsBelowRegenerationDiameter(true, meanDiameterCm)) {
    q.yesCaption = CommonlanText(38);
    q.closeCaption = CommonlanText(39);
    q.line2 = ActlanText(64) + QStringLiteral("  ?");
  } else {
    q.yesCaption = CommonlanText(7);
    q.closeCaption = CommonlanText(21);
    q.line2 = ActlanText(94) + QStringLiteral("  !");
  }
  return q;
}
