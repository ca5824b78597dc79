#include "stands/OpenRules.h"

#include <algorithm>

#include "stands/StandCardRules.h"
#include "model/Calc.h"
#include "model/Names.h"
#include "platform/Numbers.h"
#include "stands/EstateListRules.h"
#include "texts/Commonlan.h"
#include "texts/Meoplan.h"
#include "ui/PaletteRules.h"

namespace {

int SlotVolume(const PhaseSlot& slot) {
  long long sum = 0;
  for (int32_t v : slot.volumes) sum += v;
  return static_cast<int>(sum);
}

QString Fixed1(const char* format, int tenths) { return platform::FormatC(format, tenths * 0.1); }

}  // namespace

bool TreeGivesLogs(int species, float diameter, float height) {
  const int d = platform::RoundHalfAway(static_cast<double>(diameter) * 0.01);
  const int h = platform::RoundHalfAway(static_cast<double>(height) * 0.01);
  return TreeHasVolume(species, d, h);
}

float TreeBasalArea(float diameter) {
  const float r = diameter * 0.00005f;
  return 3.14159f * r * r;
}

int PreviewRemovalOfSlots(const std::array<PhaseSlot, kPhaseCount>& phases) {
  int before = SlotVolume(phases[0]);
  bool cut = false;
  int after = 0;
  for (int k = 1; k < kPhaseCount && !phases[k].name.isEmpty(); ++k) {
    const int v = SlotVolume(phases[k]);
    if (phases[k].years != 0) {
      if (k == 1) before = v;
    } else {
      cut = true;
      after = v;
    }
  }
  return cut ? before - after : 0;
}

StandProbe ProbeStand(const data& stand) {
  StandProbe p;
  for (const SpeciesBlock& b : stand.SpeciesBlocks) p.treeCount += b.words[WordStems];
  p.slot0Volumes = stand.Slots[0].volumes;
  p.slot0Volume = SlotVolume(stand.Slots[0]);
  p.removal = PreviewRemovalOfSlots(stand.Slots);
  const bool seedlings = IsSmallSeedlingStand(stand.DevelopmentClass());
  for (const TreeRecord& t : stand.Trees) {
    if (t.species > 1) p.hasBroadleaves = true;
    if (seedlings) continue;
    if (TreeGivesLogs(t.species, t.diameter, t.height)) p.hasLogs = true;
    const float g = TreeBasalArea(t.diameter);
    p.sumG += g;
    p.sumGH += t.height * 0.01f * g;
    p.sumGD += t.diameter * 0.01f * g;
    if (t.species >= 0 && t.species < kSpeciesSlots) p.speciesTrees[t.species] += 1;
  }
  return p;
}

int CuttingStageOfOpenedStand(const data& stand) {
  if (stand.IsCurrentLeadingGrowth(true) || stand.IsCurrentLeadingGrowth(false)) return 0;
  for (int k = 1; k <= 2; ++k)
    if (OperationKindWord(PhaseText(stand, k, true)) == CommonlanText(23).toLower()) return 0;
  return 1;
}

StandMeans PreviewStandMeans(const StandProbe& p, int developmentClass,
                             const std::array<SpeciesBlock, kSpeciesSlots>& blocks) {
  StandMeans m;
  if (p.sumG > 0.0f) {
    m.meanHeight = p.sumGH / p.sumG;
    m.meanDiameter = p.sumGD / p.sumG;
    m.basalArea = p.sumG;
    return m;
  }
  if (IsSmallSeedlingStand(developmentClass)) {
    m.basalArea = -1.0f;
    long long weighted = 0;
    for (const SpeciesBlock& b : blocks)
      weighted += static_cast<long long>(b.words[WordStems]) * b.words[WordMeanHeight];
    if (p.treeCount > 0) m.meanHeight = 0.1f * static_cast<float>(weighted) / static_cast<float>(p.treeCount);
    return m;
  }
  m.basalArea = p.sumG;
  return m;
}

QString OpenListLine(const EstateRecord& r) {
  if (!r.IsReadable())
    return CommonlanText(50) + QLatin1Char(' ') + StripTitleSuffix(r.fileName) + QStringLiteral("  :  ") +
           StandFileProblemText(r.status);
  return CommonlanText(50) +
         platform::FormatC(" %s  :  %1.2f ha,   ", r.standId.toUtf8().constData(), static_cast<double>(r.area)) +
         DevelopmentClassName(1, r.developmentClass) +
         platform::FormatC(",   puusto %d m3/ha", SlotVolume(r.phaseSlots[0]));
}

QString OpenListYearText(const QString& smallest, const QString& largest) {
  if (smallest == largest) return smallest;
  return smallest + QLatin1Char('-') + largest.mid(2, 2);
}

OpenListTotals OpenListTotalsOf(const EstateRecordList& records) {
  OpenListTotals t;
  t.count = static_cast<int>(records.size());
  QString low, high;
  bool any = false;
  for (const EstateRecord& r : records) {
    if (!r.IsReadable()) continue;
    t.areaHa += r.area;
    for (int32_t v : r.phaseSlots[0].volumes) t.volumeM3 += AreaScaledDifference(r.area, v, v);
    const QString year = r.Year();
    if (!any) {
      low = high = year;
      any = true;
    } else if (year.toInt() < low.toInt()) {
      low = year;
    } else if (year.toInt() > high.toInt()) {
      high = year;
    }
  }
  t.yearText = OpenListYearText(low, high);
  return t;
}

QString OpenListHeaderTail(const QString& countText, float areaHa, int volumeM3, const QString& tail) {
  return platform::FormatC(",  %s,  %1.2f ha,  %d m3,  %s", countText.toUtf8().constData(),
                           static_cast<double>(areaHa), volumeM3, tail.toUtf8().constData());
}

QString OpenWindowCaptionText(OpenMode mode, const QString& standId, bool startWindowShown) {
  if (mode == OpenMode::List) return MeoplanOpenText(startWindowShown ? 8 : 7);
  const QString subject = mode == OpenMode::SingleStand ? MeoplanOpenText(9) : CommonlanText(101);
  return CommonlanText(50) + QLatin1Char(' ') + standId + QStringLiteral(", ") + subject.toLower();
}

QString OpenEstateLine(const QString& estateName) {
  return MeoplanMeasText(18) + QStringLiteral("  :  ") + estateName;
}

QString PreviewMeasurementLine(const StandHeader& h) {
  return CommonlanText(50) + QLatin1Char(' ') + h.standId + QStringLiteral("  :  ") + CommonlanText(80) +
         QLatin1Char(' ') + MeasurementDateTextOfDay(h.measurementDay);
}

QString PreviewSummaryLine(const StandHeader& h, int removal) {
  return CommonlanText(50).toLower() + QLatin1Char(' ') + h.standId + QStringLiteral(",  ") +
         DevelopmentClassName(1, h.developmentClass) + QStringLiteral(",  ") + CommonlanText(52).toLower() +
         QLatin1Char(' ') + platform::IntText(removal) + QStringLiteral(" m3/ha");
}

std::array<PreviewColumn, 5> PreviewSpeciesColumns(int developmentClass,
                                                   const std::array<SpeciesBlock, kSpeciesSlots>& blocks) {
  std::array<PreviewColumn, 5> columns;
  const bool seedlings = IsSmallSeedlingStand(developmentClass);
  const bool treeless = IsTreelessArea(developmentClass);
  for (int s = 0; s < 5; ++s) {
    const auto& w = blocks[s].words;
    PreviewColumn& c = columns[s];
    if (seedlings) {
      c.shown = w[WordStems] >= 1;
      c.diameter = platform::FormatC("%4d", w[WordStems]);
      c.height = Fixed1("%3.1f", w[WordMeanHeight]);
      continue;
    }
    c.shown = c.basalAreaShown = w[WordBasalArea] > 0 || treeless;
    c.basalArea = Fixed1("%4.1f", w[WordBasalArea]);
    c.diameter = platform::FormatC("%2d", w[WordMeanDiameter]);
    c.height = Fixed1("%4.1f", w[WordMeanHeight]);
  }
  return columns;
}

PreviewAges PreviewAgesOf(int developmentClass, const std::array<SpeciesBlock, kSpeciesSlots>& blocks) {
  PreviewAges a;
  if (IsTreelessArea(developmentClass)) {
    a.ages.fill(QStringLiteral("0"));
  } else if (IsSmallSeedlingStand(developmentClass)) {
    a.basalAreaRowShown = false;
    a.stemCountRow = true;
  } else {
    a.noteShown = std::all_of(blocks.begin(), blocks.begin() + 5,
                              [](const SpeciesBlock& b) { return b.words[WordAge] == 0; });
    for (int s = 0; s < 5 && !a.noteShown; ++s)
      if (blocks[s].words[WordAge] > 0) a.ages[s] = platform::IntText(blocks[s].words[WordAge]);
  }
  a.unitShown = !IsSmallSeedlingStand(developmentClass) && !a.noteShown;
  return a;
}

QStringList OpenWindowHelpLines(OpenMode mode) {
  const QString first = (mode == OpenMode::List ? MeoplanOpenText(1) + QLatin1Char(' ') : QString()) +
                        MeoplanOpenText(4);
  const int last = mode == OpenMode::List ? 5 : (mode == OpenMode::SingleStand ? 2 : 3);
  return {first, QString(), MeoplanOpenText(last)};
}
