#pragma once
// Sums over the standing trees of a stand, shared by phase recording and the
// stand sums: stem count, the 13 assortment bins (m3), basal area and the
// basal-area-weighted diameter and height. All in single precision.

#include "model/Data.h"

#include <limits>

struct StandingSums {
  int count = 0;
  float bins[kAssortmentCount] = {};
  float G = 0.0f;  // basal area, m2
  float D = 0.0f;  // sum of g x diameter (cm)
  float H = 0.0f;  // sum of g x height (m)

  // One tree of diameter d (1/100 cm) and height h (cm).
  void Add(float d, float h, int species);
  float MeanDiameter() const { return G > 0.0f ? D / G : 0.0f; }
  float MeanHeight() const { return G > 0.0f ? H / G : 0.0f; }
  // Sum of the 13 bins each rounded half away from zero.
  int RoundedVolume() const;
};

// Basal area (m2) of a tree of diameter d (1/100 cm), as the stand sums take it.
inline float TreeBasalArea(float d) {
  const float r = d * 0.00005f;
  return 3.14159f * (r * r);
}

// The trees standing now (removing phase 0) with the given sizes; null, or
// an array that does not match the tree list, means the latest sizes.
StandingSums SumStandingTrees(const data& stand, const GrownSizeArray* sizes);

// The basal area (m2) of the trees standing now with their latest sizes: the
// G of SumStandingTrees, summed alike, without the volumes.
float StandingBasalArea(const data& stand);

// The latest sizes of the stand as an array, or null for the measured sizes.
const GrownSize* LatestGrownSizes(const data& stand);

// A wide sum brought back into the int range (volumes and values of absurd
// stands saturate instead of wrapping).
inline int ClampToInt(long long v) {
  if (v > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (v < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(v);
}
