#include "stands/StandCardRules.h"

#include <algorithm>
#include <cmath>

#include "ui/WindowRules.h"
#include "model/Data.h"
#include "model/Phase.h"
#include "platform/Numbers.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "texts/Inclan.h"

QString StripRoadsKind() { return CommonlanText(23).toLower(); }
QString LowThinningKind() { return CommonlanText(26).toLower(); }
QString HighThinningKind() { return CommonlanText(27).toLower(); }
QString SpeciesRemovalKind() { return CommonlanText(28).toLower(); }
QString CorridorThinningKind() { return CommonlanText(108).toLower(); }
QString SmallGapKind() { return CommonlanText(33).toLower(); }
QString SelectionKind() { return ActlanText(6).toLower(); }

QString OperationKindWord(const QString& text) {
  // A text without a blank ends its one word at its end.
  int blank = text.indexOf(QLatin1Char(' '));
  if (blank < 0) blank = text.size();
  const int comma = text.indexOf(QLatin1Char(','));
  const QString word = comma < 0 || comma >= blank ? text.left(blank) : text.left(comma);
  // "puulajin" (or any part of the name) stands for the whole name. An empty
  // word (an empty slot, a text opening with a blank) names no kind.
  if (!word.isEmpty() && SpeciesRemovalKind().contains(word.toLower())) return SpeciesRemovalKind();
  return word;
}

bool IsRegenerationKindWord(const QString& word) {
  const QString w = word.toLower();
  for (int n : {29, 30, 31, 32, 33})
    if (w == CommonlanText(n).toLower()) return true;
  return false;
}

int IncrementMode(IncrementBoxes boxes, int slotStemsPerHa) {
  return (boxes.value ? 2 : 0) + (boxes.percent && slotStemsPerHa >= 100 ? 1 : 0);
}

namespace {

// Sum over the 13 assortments of the slot's volume times its factor, each
// term rounded half away from zero.
long long PricedSlotSum(const data& stand, int k, const PriceFactors& factors) {
  long long sum = 0;
  for (int j = 0; j < kAssortmentCount; ++j) sum += PricedVolume(stand.Slots[k].volumes[j], factors[j]);
  return sum;
}

QString KindOfText(const data& stand, int phase, const QString& text) {
  return text.isEmpty() ? PhaseKindWord(stand, phase) : OperationKindWord(text.toLower());
}

}  // namespace

QString PhaseText(const data& stand, int phase, bool omitTitle, IncrementBoxes boxes) {
  if (phase < 0 || phase >= kPhaseCount) return QString();
  const int years = stand.PhaseYears(phase);
  if (years == 0) return stand.DescriptionText(phase, omitTitle).toLower();
  QString text = platform::IntText(years) + QLatin1Char(' ') + CommonlanText(89) + QLatin1Char(' ') +
                 CommonlanText(25).toLower();
  // A growing step is never phase 0, so the slot before it exists.
  const int mode = IncrementMode(boxes, stand.SlotTreeCount(phase));
  PriceFactors factors;
  GetAssortmentPriceFactors(mode >= 2, factors);
  const long long now = PricedSlotSum(stand, phase, factors);
  const long long before = phase > 0 ? PricedSlotSum(stand, phase - 1, factors) : 0;
  if (mode == 0) {
    text += platform::FormatC(", kasvu %1.1f m3", static_cast<double>(now - before) / years);
  } else if (mode == 2) {
    text += platform::FormatC(", arvokasvu %d ", platform::RoundHalfAway(static_cast<double>(now - before) / years)) +
            CommonlanText(54);
  } else if (now > 0 && before > 0) {
    const double r = std::exp(std::log(static_cast<double>(now) / static_cast<double>(before)) / years);
    text += QStringLiteral(", ") + InclanText(mode == 1 ? 2 : 4) + platform::FormatC(" %1.1f %%", 100.0 * r - 100.0);
  }
  return text + QLatin1Char('/') + CommonlanText(60);
}

QString PhaseKindWord(const data& stand, int phase) { return OperationKindWord(PhaseText(stand, phase, false)); }

bool IsRegenerationCutting(const data& stand, int phase, const QString& text) {
  return IsRegenerationKindWord(KindOfText(stand, phase, text));
}

bool IsSelectionOrSmallGapCutting(const data& stand, int phase, const QString& text, bool selection) {
  const QString kind = KindOfText(stand, phase, text).toLower();
  return selection ? kind.contains(SelectionKind()) : kind == SmallGapKind();
}

bool IncrementBoxesVisible(const data& stand, int phase) {
  if (stand.GrowthStepCount() <= 0) return false;
  const int slot = stand.FirstPhaseIsGrowth() ? 1 : phase;
  if (slot < 0 || slot >= kPhaseCount) return false;
  return stand.SlotTreeCount(slot) >= 100;
}

// ---- Stand card --------------------------------------------------------

StandCardGeometry StandCardGeometryFor(bool newForestVisible, int growthSteps, int phase) {
  StandCardGeometry g;
  if (newForestVisible && growthSteps > 0) {
    g = growthSteps == 1 ? StandCardGeometry{17, 34, 13} : StandCardGeometry{14, 31, 10};
  } else if (phase < 4) {
    g = {18, 36, 14};
  } else if (phase == 4) {
    g = {15, 32, 12};
  } else {
    g = {13, 30, 10};
  }
  g.offset += 2;
  return g;
}

int StandCardTextPointSize(int mainWindowWidth, int mainWindowHeight) {
  return IsWindowHeightClass(2, mainWindowHeight) || mainWindowWidth < 1200 ? 9 : 10;
}

StandCardContent BuildStandCard(const data& stand, int phase, IncrementBoxes boxes, bool newForestVisible,
                                int textPointSize) {
  StandCardContent card;
  phase = std::clamp(phase, 0, kPhaseCount - 1);
  const int growthSteps = stand.GrowthStepCount();
  card.geometry = StandCardGeometryFor(newForestVisible, growthSteps, phase);
  int lineShift = phase < 4 ? ((newForestVisible && growthSteps == 2) ? -2 : -1) : phase == 4 ? -2 : -4;
  if (textPointSize < 10) lineShift += 1;
  for (int k = 0; k <= phase; ++k) {
    StandCardRow row;
    row.phase = k;
    // The stand title stands beside the card already.
    row.text = PhaseText(stand, k, true, boxes);
    row.growth = stand.PhaseYears(k) > 0;
    row.selectable = stand.IsPhaseSelectable(k);
    row.volume = stand.SlotTotalVolume(k);
    const auto& v = stand.Slots[k].volumes;
    row.energyWood = v[EnergyWood];
    for (int j = PinePulpwood; j <= SixthPulpwood; ++j) row.pulpwood += v[j];
    for (int j = PineLogs; j <= SixthLogs; ++j) row.logs += v[j];
    row.top = card.geometry.offset + k * card.geometry.pitch;
    row.textY = row.top + lineShift;
    if (k > 0 && !row.growth) {
      if (card.operationRows == 0) card.firstOperationY = row.textY;
      card.lastOperationY = row.textY;
      ++card.operationRows;
    }
    card.maxVolume = std::max(card.maxVolume, row.volume);
    card.rows.push_back(row);
  }
  card.scale = card.maxVolume != 0 ? card.maxVolume : 1000;
  card.valueLabel = platform::IntText(card.maxVolume) + QStringLiteral(" m3/ha");
  card.fieldWidth = static_cast<int>(platform::IntText(card.maxVolume).size());
  return card;
}

QString StandCardValueText(int volume, int fieldWidth) {
  return platform::IntText(volume).rightJustified(fieldWidth, QLatin1Char(' ')) + QStringLiteral(" m3/ha");
}

StandCardBar StandCardBarFor(const StandCardRow& row, int barWidth, int scale) {
  if (scale == 0) scale = 1000;
  // Wide products: a bar of a few hundred pixels times a volume stays far
  // inside 64 bits, never inside 32 for absurd volumes.
  auto end = [&](long long volume) {
    return 4 + static_cast<int>(static_cast<long long>(barWidth) * volume / scale);
  };
  StandCardBar bar;
  bar.energyEnd = end(row.energyWood);
  bar.pulpEnd = end(static_cast<long long>(row.energyWood) + row.pulpwood);
  bar.logsEnd = end(static_cast<long long>(row.energyWood) + row.pulpwood + row.logs);
  return bar;
}

StandCardColumns StandCardColumnsFor(int width, int textColumn, int valueColumn) {
  StandCardColumns c;
  c.barWidth = width - textColumn - valueColumn - 4 - 5;
  // A long phase text never pushes the figures off the picture's left
  // edge: the texts follow the value column and their ends give instead.
  c.valueX = std::max(0, width - valueColumn - textColumn);
  c.textX0 = c.valueX + valueColumn;
  c.textX = c.textX0 + 16;
  c.bracketX = c.textX0 + 8;
  return c;
}

StandCardBracket StandCardBracketFor(const StandCardContent& card, int bracketX, int textPointSize) {
  StandCardBracket b;
  if (card.operationRows < 2) return b;
  b.shown = true;
  b.x = bracketX;
  b.y1 = card.firstOperationY + 5;
  b.y2 = card.lastOperationY + textPointSize + 5;
  return b;
}
