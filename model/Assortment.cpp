// Tree volumes split into timber assortments, the stand sums over the
// standing trees, and the values and removals of the open stand.

#include "model/AssortmentSums.h"
#include "model/Calc.h"
#include "model/Data.h"
#include "model/Phase.h"
#include "model/Settings.h"
#include "platform/Numbers.h"

// ---- One tree ----

// A tree's volume in m3: the dm3 of the volume function times 0.001 in double,
// stored in single precision.
static float TreeVolumeM3(float d, float h, int species) {
  return static_cast<float>(static_cast<double>(StemVolume(d, h, species)) * 0.001);
}

// Adds a tree's volume to a single-precision running sum, the addition done
// in double and the sum stored back in single precision.
static void AddVolumeTo(float& sum, float d, float h, int species) {
  sum = static_cast<float>(static_cast<double>(sum) + static_cast<double>(StemVolume(d, h, species)) * 0.001);
}

bool data::AddTreeVolume(float bins[kAssortmentCount], float d, float h, int species) {
  const float v = TreeVolumeM3(d, h, species);
  float pulp = 0.0f;
  const float logs = AssortmentShares(pulp, platform::RoundHalfAway(d * 0.01f),
                                      platform::RoundHalfAway(h * 0.01f), species);
  bins[species] += v * pulp;
  bins[species + 6] += v * logs;
  bins[EnergyWood] += (1.0f - (pulp + logs)) * v;
  return logs > 0.0f;
}

void StandingSums::Add(float d, float h, int species) {
  ++count;
  data::AddTreeVolume(bins, d, h, species);
  const float g = TreeBasalArea(d);
  G += g;
  D += g * d * 0.01f;
  H += g * h * 0.01f;
}

int StandingSums::RoundedVolume() const {
  long long sum = 0;
  for (float b : bins) sum += platform::RoundHalfAway(b);
  return ClampToInt(sum);
}

const GrownSize* LatestGrownSizes(const data& stand) {
  const size_t n = stand.Trees.size();
  const int g = stand.GrowthStepCount();
  if (g >= 2 && stand.GrownSizes2.size() == n) return stand.GrownSizes2.data();
  if (g == 1 && stand.GrownSizes1.size() == n) return stand.GrownSizes1.data();
  return nullptr;
}

StandingSums SumStandingTrees(const data& stand, const GrownSizeArray* sizes) {
  const size_t n = stand.Trees.size();
  const GrownSize* s = sizes && sizes->size() == n ? sizes->data() : LatestGrownSizes(stand);
  StandingSums sums;
  for (size_t i = 0; i < n; ++i) {
    const TreeRecord& t = stand.Trees[i];
    if (!IsStanding(t)) continue;
    if (s) {
      sums.Add(s[i].diameter, s[i].height, t.species);
    } else {
      sums.Add(t.diameter, t.height, t.species);
    }
  }
  return sums;
}

float StandingBasalArea(const data& stand) {
  const GrownSize* s = LatestGrownSizes(stand);
  float G = 0.0f;
  for (size_t i = 0; i < stand.Trees.size(); ++i) {
    if (IsStanding(stand.Trees[i])) G += TreeBasalArea(s ? s[i].diameter : stand.Trees[i].diameter);
  }
  return G;
}

// ---- Stand sums ----

float data::AssortmentTotals(const PriceFactors& factors, const GrownSizeArray& sizes) const {
  const StandingSums sums = SumStandingTrees(*this, &sizes);
  long long total = 0;
  for (int j = 0; j < kAssortmentCount; ++j) {
    total += PricedVolume(platform::RoundHalfAway(sums.bins[j]), factors[j]);
  }
  return static_cast<float>(total);
}

void data::AssortmentTotalsOf(const GrownSizeArray& sizes, int& volume, float& basalArea,
                              float& meanDiameter, float& meanHeight) const {
  const StandingSums sums = SumStandingTrees(*this, &sizes);
  volume = sums.RoundedVolume();
  basalArea = sums.G;
  meanDiameter = sums.MeanDiameter();
  meanHeight = sums.MeanHeight();
}

float data::SpeciesVolumes(bool allTrees, bool countOnly, float perSpecies[kSpeciesSlots]) const {
  const GrownSize* latest = allTrees ? nullptr : LatestGrownSizes(*this);
  float total = 0.0f;
  const int n = TreeCount();
  for (int i = 0; i < n; ++i) {
    const TreeRecord& t = Trees[i];
    if (!allTrees && !IsStanding(t)) continue;
    if (countOnly) {
      perSpecies[t.species] += 1.0f;
      continue;
    }
    const float d = latest ? latest[i].diameter : t.diameter;
    const float h = latest ? latest[i].height : t.height;
    AddVolumeTo(perSpecies[t.species], d, h, t.species);
    AddVolumeTo(total, d, h, t.species);
  }
  return countOnly ? 0.0f : total;
}

int data::StandingStockVolume() const { return SumStandingTrees(*this, nullptr).RoundedVolume(); }

float data::MeasuredVolumeAllTrees() const {
  float total = 0.0f;
  for (const TreeRecord& t : Trees) AddVolumeTo(total, t.diameter, t.height, t.species);
  return total;
}

// ---- Values ----

void GetAssortmentPriceFactors(bool priced, PriceFactors& out) {
  if (priced) {
    out = model::SettingsPriceVector();
  } else {
    out.fill(1.0f);
  }
}

int PricedVolume(int volume, float factor) {
  return platform::RoundHalfAway(static_cast<float>(volume) * factor);
}

int SlotAssortmentValues(const data& stand, int k, bool wholeStand, const PriceFactors& factors,
                         AssortmentVolumes& out) {
  long long sum = 0;
  for (int j = 0; j < kAssortmentCount; ++j) {
    out[j] = PricedVolume(stand.SlotAssortmentVolume(k, j, wholeStand), factors[j]);
    sum += out[j];
  }
  return ClampToInt(sum);
}

int AssortmentChartValues(const data& stand, int k, AssortmentVolumes& out, bool priced, bool wholeStand) {
  PriceFactors factors;
  GetAssortmentPriceFactors(priced, factors);
  return SlotAssortmentValues(stand, k, wholeStand, factors, out);
}

int data::SlotStockValue(int k, bool wholeStand) const {
  AssortmentVolumes values;
  return AssortmentChartValues(*this, k, values, true, wholeStand);
}

int LeadingGrowthCount(const data& stand) {
  if (stand.FirstTwoPhasesAreGrowth()) return 2;
  if (stand.FirstPhaseIsGrowth()) return 1;
  return 0;
}

int DisplayedPhase(const data& stand) {
  const int p = CurrentPhase();
  const int g = stand.GrowthStepCount();
  if (g > 0 && LeadingGrowthCount(stand) < g && p > 0) return p - 1;
  return p;
}

int LogShiftVolume(int shiftPercent, int logVolume) { return platform::RoundedPercentOf(shiftPercent, logVolume); }

int ShiftedAssortmentVolume(int j, int own, int logs, int shiftPercent) {
  if (shiftPercent == 0 || j == AlderPulpwood || j == EnergyWood) return own;
  const long long moved = LogShiftVolume(shiftPercent, logs);
  return ClampToInt(j < PineLogs ? own + moved : own - moved);
}

int AssortmentRemoval(const data& stand, int j, bool wholeStand, int shiftPercent) {
  const int P = DisplayedPhase(stand);
  if (P == 0) return 0;
  const int L = LeadingGrowthCount(stand);
  auto r = [&](int q) {
    return ClampToInt(static_cast<long long>(stand.SlotAssortmentVolume(L, q, wholeStand)) -
                      stand.SlotAssortmentVolume(P, q, wholeStand));
  };
  const int own = r(j);
  if (shiftPercent == 0 || j == AlderPulpwood || j == EnergyWood) return own;
  return ShiftedAssortmentVolume(j, own, j < PineLogs ? r(j + 6) : own, shiftPercent);
}

int RemovalValueSum(const data& stand, bool withEnergyWood, bool wholeStand, bool priced) {
  PriceFactors factors;
  GetAssortmentPriceFactors(priced, factors);
  const int last = withEnergyWood ? EnergyWood : EnergyWood - 1;
  long long sum = 0;
  for (int j = 0; j <= last; ++j) {
    sum += PricedVolume(AssortmentRemoval(stand, j, wholeStand, 0), factors[j]);
  }
  return ClampToInt(sum);
}

int RemovedStemCount(const data& stand) {
  return ClampToInt(static_cast<long long>(stand.SlotTreeCount(LeadingGrowthCount(stand))) -
                    stand.SlotTreeCount(DisplayedPhase(stand)));
}

// ---- Percentage shares ----

void RoundPercentsTo100(float* shares, int* out, int n) {
  if (n <= 0) return;
  // Each adjustment moves the rounded sum one step toward 100; the bound only
  // guards against shares that do not add up to 100 at all.
  for (int round = 0; round < 100 + 4 * n; ++round) {
    int sum = 0;
    for (int i = 0; i < n; ++i) sum += platform::RoundHalfAway(shares[i]);
    if (sum > 100 || (sum >= 1 && sum <= 99)) {
      const bool over = sum > 100;
      int pick = 0;  // the first element when none gained (or lost)
      float largest = 0.0f;
      for (int i = 0; i < n; ++i) {
        const float rounded = static_cast<float>(platform::RoundHalfAway(shares[i]));
        const float change = over ? rounded - shares[i] : shares[i] - rounded;
        if (change > largest) {
          largest = change;
          pick = i;
        }
      }
      shares[pick] += over ? -0.5f : 0.5f;
    }
    int total = 0;
    for (int i = 0; i < n; ++i) {
      out[i] = platform::RoundHalfAway(shares[i]);
      total += out[i];
    }
    if (total == 100 || total <= 0) return;
  }
}

int AssortmentShareOf(const int volumes[kAssortmentCount], int out[kAssortmentCount], bool sawlogs) {
  long long total = 0;
  for (int j = 0; j < kAssortmentCount; ++j) total += volumes[j];
  if (total <= 0) return 0;
  float shares[kAssortmentCount];
  for (int j = 0; j < kAssortmentCount; ++j) {
    shares[j] = static_cast<float>(volumes[j]) * 100.0f / static_cast<float>(total);
  }
  RoundPercentsTo100(shares, out, kAssortmentCount);
  int sum = 0;
  for (int j = sawlogs ? PineLogs : PinePulpwood; j <= (sawlogs ? SixthLogs : SixthPulpwood); ++j) {
    sum += out[j];
  }
  return sum;
}

int SlotVolumeByAssortmentGroup(const data& stand, int group, int k, bool priced) {
  const auto& v = stand.Slots[k].volumes;
  switch (group) {
    case 1: return ClampToInt(static_cast<long long>(v[PineLogs]) + v[SpruceLogs] + v[BirchLogs] +
                              v[AspenLogs] + v[AlderLogs] + v[SixthLogs]);
    case 2:
    case 3: return v[PinePulpwood];
    case 4: return v[PineLogs];
    case 5: return v[SprucePulpwood];
    case 6: return v[SpruceLogs];
    case 7: return ClampToInt(static_cast<long long>(v[BirchPulpwood]) + v[AspenPulpwood] + v[AlderPulpwood]);
    case 8: return ClampToInt(static_cast<long long>(v[BirchLogs]) + v[AspenLogs] + v[AlderLogs]);
    default: break;
  }
  if (group > 0) return 0;
  // Group 0: the sawlog percentage of the slot's whole-area stock (volume or
  // value); a negative group the pulpwood percentage.
  PriceFactors factors;
  GetAssortmentPriceFactors(priced, factors);
  int values[kAssortmentCount];
  for (int j = 0; j < kAssortmentCount; ++j) {
    values[j] = PricedVolume(stand.SlotAssortmentVolume(k, j, true), factors[j]);
  }
  int percents[kAssortmentCount] = {};
  return AssortmentShareOf(values, percents, group == 0);
}

int RemovalDifference(const data& stand, bool perAssortment, int a, int b) {
  if (perAssortment) {
    int differences[kAssortmentCount];
    for (int j = 0; j < kAssortmentCount; ++j) {
      differences[j] = ClampToInt(static_cast<long long>(stand.SlotAssortmentVolume(a, j, true)) -
                                  stand.SlotAssortmentVolume(b, j, true));
    }
    int percents[kAssortmentCount] = {};
    return AssortmentShareOf(differences, percents, true);
  }
  long long logs = 0;
  for (int j = PineLogs; j <= SixthLogs; ++j) {
    logs += static_cast<long long>(stand.Slots[a].volumes[j]) - stand.Slots[b].volumes[j];
  }
  return ClampToInt(logs);
}
