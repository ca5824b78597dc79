#include "mainwindow/ActsSaveRules.h"

#include "model/Phase.h"
#include "platform/Numbers.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"

CuttingRefusal GrowRefusal(const data& stand, int p) {
  const QString caption = CommonlanText(112);
  const int stems = p >= 0 && p < kPhaseCount ? stand.SlotTreeCount(p) : 0;
  const int g = stand.GrowthStepCount();
  if (stems == 0) return {caption, QStringLiteral("runkoluku on 0, ei puuston kasvatusta   !"), QString()};
  if (stems < kMinGrowingStems)
    return {caption,
            ActlanText(51).toLower() + QLatin1Char(' ') + platform::IntText(kMinGrowingStems) + QLatin1Char(' ') +
                CommonlanText(35) + QStringLiteral(" !"),
            QString()};
  if (g >= 2) return {caption, QStringLiteral("puustoa voidaan kasvattaa korkeintaan kahdesti   !"), QString()};
  if (g == 1 && !stand.FirstPhaseIsGrowth())
    return {caption, QStringLiteral("puustoa voidaan kasvattaa vain kerran hakkuun jälkeen   !"), QString()};
  if (p >= kPhaseCount - 1) return StepLimitRefusal();
  return {};
}

int NextGrowthKind(const data& stand) { return stand.GrowthStepCount() == 0 ? 1 : 2; }

void FirstGrowthAges(const data& stand, int ages[kSpeciesSlots]) {
  for (int s = 0; s < kSpeciesSlots; ++s) ages[s] = stand.SpeciesValue(s, 7);
}

void SecondGrowthAges(const data& stand, int ages[kSpeciesSlots]) {
  const int y1 = stand.FirstPhaseYears();
  for (int s = 0; s < kSpeciesSlots; ++s) {
    const int age = stand.SpeciesValue(s, 7);
    ages[s] = age > 0 ? age + y1 : 0;
  }
}

void ApplyGrowingStep(data& stand, int kind, int years) {
  const bool first = kind == 1;
  int ages[kSpeciesSlots] = {};
  if (first) FirstGrowthAges(stand, ages);
  else SecondGrowthAges(stand, ages);
  GrownSizeArray& sizes = first ? stand.GrownSizes1 : stand.GrownSizes2;
  sizes = stand.AllocGrownSizes();
  SetCurrentPhase(100);
  const int q = CurrentPhase();
  stand.GrowTrees(sizes, q, years, ages, true, first);
  stand.RecordPhase(q, CommonlanText(25), kind, years);
}
