// The current phase and the phase slots of the stand: recording the standing
// stock of a phase, undo, the phase predicates and the year texts.

#include "model/Phase.h"

#include "model/AssortmentSums.h"
#include "model/Data.h"
#include "platform/Numbers.h"

namespace {
int currentPhase = 0;
}  // namespace

int CurrentPhase() { return currentPhase; }

void SetCurrentPhase(int k) {
  if (k >= 0 && k < kPhaseCount) {
    currentPhase = k;
  } else if (k < 0) {
    if (currentPhase > 0) --currentPhase;
  } else if (currentPhase < kPhaseCount - 1) {
    ++currentPhase;
  }
}

void data::RecordPhase(int k, const QString& name, int source, int years) {
  const GrownSizeArray* sizes = source == 1 ? &GrownSizes1 : source == 2 ? &GrownSizes2 : nullptr;
  const StandingSums sums = SumStandingTrees(*this, sizes);
  PhaseSlot& slot = Slots[k];
  slot.name = name.left(PhaseSlot::kNameWidth - 1);
  slot.years = years;
  slot.stems = sums.count;
  for (int j = 0; j < kAssortmentCount; ++j) slot.volumes[j] = platform::RoundHalfAway(sums.bins[j]);
  slot.basalArea = sums.G;
  slot.meanDiameter = sums.MeanDiameter();
  slot.meanHeight = sums.MeanHeight();
}

void data::RecordInitialPhase(const QString& name) {
  int stems = 0;
  float heights = 0.0f;
  for (const SpeciesBlock& b : SpeciesBlocks) {
    stems += b.words[WordStems];
    heights += static_cast<float>(b.words[WordMeanHeight]) * static_cast<float>(b.words[WordStems]) * 0.1f;
  }
  PhaseSlot& slot = Slots[0];
  slot.name = name.left(PhaseSlot::kNameWidth - 1);
  slot.volumes.fill(0);
  slot.stems = stems;
  slot.basalArea = 0.0f;
  slot.meanDiameter = 0.0f;
  slot.meanHeight = stems >= 1 ? heights / static_cast<float>(stems) : 0.0f;
}

void data::UndoOperation(int k) {
  for (TreeRecord& t : Trees) {
    if (t.removedBy == k) t.removedBy = 0;
  }
}

void data::ClearSlot(int k) { Slots[k] = PhaseSlot{}; }

int data::SlotTotalVolume(int k) const {
  long long sum = 0;
  for (int v : Slots[k].volumes) sum += v;
  return ClampToInt(sum);
}

int data::SlotAssortmentVolume(int k, int j, bool wholeStand) const {
  const int c = Slots[k].volumes[j];
  if (!wholeStand) return c;
  // Every whole-stand volume is a difference from the same rounded base, the
  // larger of slots 0 and 1, so that whole-stand removals add up.
  const int m = Slots[0].volumes[j] > Slots[1].volumes[j] ? Slots[0].volumes[j] : Slots[1].volumes[j];
  return AreaScaledDifference(Area(), m, c);
}

int AreaScaledDifference(float area, int m, int c) {
  // The area is a two-decimal number of hectares; the products are taken with
  // that decimal value in whole hundredths, so that 25 m3/ha on 0.70 ha is
  // 17.5 and rounds to 18 (the binary 0.7f would give 17.4999997 and 17).
  const long long hundredths = platform::RoundHalfAway(static_cast<double>(area) * 100.0);
  auto scaled = [hundredths](long long v) {
    const long long x = v * hundredths;
    return x >= 0 ? (x + 50) / 100 : -((50 - x) / 100);
  };
  return ClampToInt(scaled(m) - scaled(static_cast<long long>(m) - c));
}

int data::GrowthStepCount() const {
  int n = 0;
  for (const PhaseSlot& s : Slots) {
    if (s.years >= 1) ++n;
  }
  return n;
}

bool data::FirstPhaseIsGrowth() const { return Slots[1].years != 0; }

bool data::FirstTwoPhasesAreGrowth() const { return Slots[1].years != 0 && Slots[2].years != 0; }

bool data::IsCurrentPhaseGrowth() const { return Slots[CurrentPhase()].years > 0; }

bool data::IsGrowthAfterCutting() const {
  const int p = CurrentPhase();
  return p >= 2 && Slots[p - 1].years == 0 && Slots[p].years != 0;
}

bool data::IsCurrentLeadingGrowth(bool first) const {
  const int p = CurrentPhase();
  if (first) return p == 1 && FirstPhaseIsGrowth();
  return p == 2 && FirstTwoPhasesAreGrowth();
}

bool data::IsPhaseSelectable(int q) const {
  const int p = CurrentPhase();
  if (FirstTwoPhasesAreGrowth()) return q >= 3 && q != p;
  if (FirstPhaseIsGrowth()) {
    if (q < 2) return false;
  } else if (q == 0) {
    return false;
  }
  if (IsGrowthAfterCutting()) return q != p && q != p - 1;
  return q != p;
}

QString data::PhaseCalendarYearText(int k) const {
  int year = MeasurementYearText().toInt();
  for (int q = 1; q <= k && q < kPhaseCount; ++q) year += Slots[q].years;
  return platform::IntText(year);
}

QString data::FirstPhaseYearText() const {
  int year = MeasurementYearText().toInt();
  if (GrowthStepCount() > 0) year += Slots[1].years;
  return platform::IntText(year);
}

QString data::PhaseYearText(int k) const {
  if (GrowthStepCount() == 2) return platform::IntText(MeasurementYearText().toInt() + Slots[1].years);
  if (FirstPhaseIsGrowth()) return PhaseCalendarYearText(k);
  return MeasurementYearText();
}
