#pragma once
// Mixed stands as the measurement builds them (the program's own sample
// engine with a fixed seed), for the stand-picture tests, screenshots and
// benchmarks: a young, a middle-aged and an old mixed stand, and dense
// sapling stands of a given tree count.

#include <QString>

#include <array>
#include <memory>

#include "model/ClassTables.h"
#include "model/Data.h"
#include "model/Sample.h"
#include "platform/Random.h"

namespace picturestands {

// Mean diameter (cm), mean height (dm) and basal area (0.1 m2/ha) per species
// pine .. alder.
struct Measured {
  int developmentClass;
  std::array<int, 5> diameterCm;
  std::array<int, 5> heightDm;
  std::array<int, 5> basalTenths;
};

// A young mixed thinning stand, a middle-aged one and an old one ready for
// regeneration, as on a southern Finnish mineral soil.
inline constexpr Measured kYoung{4, {10, 8, 9, 0, 7}, {90, 70, 110, 0, 80}, {90, 40, 50, 0, 10}};
inline constexpr Measured kMiddle{5, {20, 18, 18, 22, 14}, {170, 150, 190, 200, 140}, {110, 70, 40, 10, 5}};
inline constexpr Measured kOld{6, {30, 28, 27, 32, 0}, {240, 230, 240, 260, 0}, {130, 100, 30, 10, 0}};
// A dense sapling stand: 12000 stems under the default alternative.
inline constexpr Measured kDense{4, {7, 6, 5, 0, 0}, {70, 60, 65, 0, 0}, {216, 40, 53, 0, 0}};

// The measurement with the diameter classes and stems of the default
// stem-count alternative.
inline SampleMeasurement MeasurementOf(const Measured& m, int grouping = 1) {
  SampleMeasurement s;
  s.meanDiameter = m.diameterCm;
  s.meanHeightTenths = m.heightDm;
  s.basalAreaTenths = m.basalTenths;
  s.grouping = grouping;
  s.developmentClass = m.developmentClass;
  int stems[5] = {};
  ApplyStemCountAlternative(s.basalAreaTenths.data(), s.meanDiameter.data(), kDefaultStemCountAlternative, stems,
                            s.classes);
  for (int k = 0; k < 5; ++k) s.stems[static_cast<std::size_t>(k)] = stems[k];
  return s;
}

// The new stand of the first n trees of the measurement's sample, as the
// measurement window fills it; the sample engine's array is released.
inline std::unique_ptr<data> StandOfSample(const SampleMeasurement& s, int n, const StandHeader& header) {
  MeasurementParams params;
  params.header = header;
  for (std::size_t k = 0; k < 5; ++k) {
    auto& w = params.blocks[k].words;
    w[WordMeanDiameter] = s.meanDiameter[k];
    w[WordMeanHeight] = s.meanHeightTenths[k];
    w[WordBasalArea] = s.basalAreaTenths[k];
    w[WordStems] = s.stems[k];
  }
  params.sampleCount = n;
  auto stand = std::make_unique<data>(n);
  stand->FillFromMeasurement(params);
  FreeSampleTrees();
  return stand;
}

// The stand the measurement gives, with at most maxTrees trees (0: all;
// fewer are taken evenly over the sample, so that they still cover the
// plot), sorted by y, slot 0 recorded. The sample engine's array is
// released.
inline std::unique_ptr<data> MakeStand(const Measured& m, unsigned seed, int maxTrees = 0) {
  platform::ForceSeed(seed);
  const SampleMeasurement s = MeasurementOf(m);
  const int built = RebuildStandSample(s);
  const int n = maxTrees > 0 && maxTrees < built ? maxTrees : built;
  for (int i = 0; i < n; ++i) {
    const int j = static_cast<int>(static_cast<long long>(i) * built / n);
    SetSampleTree(i, SampleTreeX(j), SampleTreeY(j), SampleTreeDiameter(j), SampleTreeHeight(j), SampleTreeSpecies(j));
  }
  StandHeader header;
  header.estateName = QStringLiteral("Koetila");
  header.standId = QStringLiteral("7b");
  header.developmentClass = m.developmentClass;
  header.siteType = 3;
  header.measurementDay = 45000;
  header.area = 2.0f;
  auto stand = StandOfSample(s, n, header);
  platform::ClearForcedSeed();
  stand->SortAllTrees(data::SortY);
  stand->RecordPhase(0, QStringLiteral("mitattu"), 0, 0);
  return stand;
}

// A low thinning of the measured stand to the given share of its basal area,
// recorded as phase 1 (the caller makes phase 1 current).
inline void ThinFromBelow(data& stand, float keepShare) {
  stand.ThinToTargetBasalArea(0, stand.SlotBasalArea(0) * keepShare, 1, true);
  stand.RecordPhase(1, QStringLiteral("harvennus"), 0, 0);
}

}  // namespace picturestands
