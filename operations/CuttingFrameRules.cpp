#include "operations/CuttingFrameRules.h"

#include "model/Calc.h"
#include "model/Phase.h"
#include "stands/EstateListRules.h"
#include "platform/Numbers.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "ui/PaletteRules.h"

namespace {

// The trial phase p + 1, or -1 when it lies beyond the last slot.
int TrialPhase() {
  const int k = CurrentPhase() + 1;
  return k < kPhaseCount ? k : -1;
}

int SlotStems(const data& stand, int k) { return k >= 0 ? stand.SlotTreeCount(k) : 0; }

int RoundedSize(float hundredths) { return platform::RoundHalfAway(hundredths / 100.0f); }

}  // namespace

int CuttingStartSlot(const data& stand) { return stand.FirstPhaseIsGrowth() ? 1 : 0; }

int TrialStemsRemovedSinceStart(const data& stand) {
  return SlotStems(stand, CuttingStartSlot(stand)) - SlotStems(stand, TrialPhase());
}

int TrialStemsRemoved(const data& stand) {
  return SlotStems(stand, CurrentPhase()) - SlotStems(stand, TrialPhase());
}

int TrialStemCount(const data& stand) { return SlotStems(stand, TrialPhase()); }

int TrialVolume(const data& stand) {
  const int k = TrialPhase();
  return k >= 0 ? stand.SlotTotalVolume(k) : 0;
}

int TrialSawlogPercent(const data& stand) {
  const int k = TrialPhase();
  return k >= 0 ? SlotVolumeByAssortmentGroup(stand, 0, k, false) : 0;
}

float TrialBasalArea(const data& stand) {
  const int k = TrialPhase();
  return k >= 0 ? stand.SlotBasalArea(k) : 0.0f;
}

RemovalGroups TrialRemovalByGroup(const data& stand, bool priced, int fromSlot, int toSlot) {
  RemovalGroups r;
  if (fromSlot < 0 || fromSlot >= kPhaseCount || toSlot < 0 || toSlot >= kPhaseCount) return r;
  PriceFactors factors;
  GetAssortmentPriceFactors(priced, factors);
  for (int j = 0; j < kAssortmentCount; ++j) {
    const int difference =
        stand.SlotAssortmentVolume(fromSlot, j, false) - stand.SlotAssortmentVolume(toSlot, j, false);
    const int v = PricedVolume(difference, factors[j]);
    r.total += v;
    if (j < PineLogs) r.pulpwood += v;
    else if (j < EnergyWood) r.logs += v;
  }
  r.energyWood = r.total - r.pulpwood - r.logs;
  return r;
}

void ResetTrialCutting(data& stand, int k) {
  if (k < 1 || k >= kPhaseCount) return;
  stand.UndoOperation(k);
  stand.ClearSlot(k);
}

CuttingResultTexts CuttingResultLabels(const data& stand, bool fourLabels) {
  CuttingResultTexts t;
  t.volume = platform::IntText(TrialVolume(stand)) + QStringLiteral(" m3/ha");
  const QString stems = platform::IntText(TrialStemCount(stand)) + QLatin1Char(' ') + CommonlanText(114);
  if (!fourLabels) {
    t.label2 = stems;
    return t;
  }
  t.label2 = QStringLiteral("tukki % ") + platform::IntText(TrialSawlogPercent(stand));
  t.label3 = stems;
  t.label4 = platform::FormatC("%1.1f m2/ha", static_cast<double>(TrialBasalArea(stand)));
  return t;
}

RemovalChartContent RemovalChartFor(const data& stand, bool priced) {
  RemovalChartContent c;
  c.valueFormat = QStringLiteral("###0.###");
  const int a = CuttingStartSlot(stand);
  const int k = TrialPhase();
  if (k < 0) return c;
  const RemovalGroups r = TrialRemovalByGroup(stand, priced, a, k);
  c.bars = {{r.energyWood, CommonlanText(48).toLower(), PaletteColorValue(26)},
            {r.pulpwood, CommonlanText(74).toLower(), PaletteColorValue(25)},
            {r.logs, CommonlanText(73).toLower(), PaletteColorValue(17)}};
  c.title << platform::IntText(r.total) + QLatin1Char(' ') +
                 (priced ? CommonlanText(56) : QStringLiteral("m3/ha"));
  if (priced) {
    const RemovalGroups volume = TrialRemovalByGroup(stand, false, a, k);
    c.title << NumberWithUnitText(r.total, volume.total);
  } else {
    c.title << QStringLiteral("tukki % ") + platform::IntText(RemovalDifference(stand, true, a, k));
  }
  return c;
}

std::vector<PreviewTree> CuttingPreviewTrees(data& stand) {
  // Trees that died in a first growing step are never drawn.
  const int skip = stand.FirstPhaseIsGrowth() ? 1 : -1;
  std::vector<PreviewTree> trees;
  trees.reserve(stand.TreeCount());
  stand.SortTreesForSave(false, true);
  for (int i = 0; i < stand.TreeCount(); ++i) {
    const int by = stand.TreeRemovedBy(i);
    if (by == skip) continue;
    PreviewTree t;
    t.plotX = platform::TruncToInt(stand.TreeX(i));
    t.plotY = platform::TruncToInt(stand.TreeY(i));
    t.species = stand.TreeSpecies(i);
    t.removed = by > 0;
    if (t.removed) {
      t.diameterCm = RoundedSize(stand.TreeDiameter(i));
      t.heightM = RoundedSize(stand.TreeHeight(i));
    } else {
      t.diameterCm = RoundedSize(stand.TreeDiameterAfterFirstGrowth(i));
      t.heightM = RoundedSize(stand.TreeHeightAfterFirstGrowth(i));
    }
    t.sawlog = TreeHasVolume(t.species, t.diameterCm, t.heightM);
    trees.push_back(t);
  }
  stand.SortTreesForSave(false, false);
  return trees;
}

int OperationLabelLeft(int okButtonLeft, int labelWidth) {
  return platform::TruncToInt((okButtonLeft - labelWidth) * 0.25);
}

QString SawlogNoteText(const std::vector<PreviewTree>& trees) {
  for (const PreviewTree& t : trees)
    if (t.sawlog) return ActlanText(91);
  return QString();
}
