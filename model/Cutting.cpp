// Cutting patterns: each pattern decides geometrically or by size which
// standing trees of the 1-ha plot a regeneration cutting, a species removal,
// corridor thinning, strip roads or the first pass of a selection cutting
// takes, and marks them with the removing phase of the step being built.
// Only standing trees (removing phase 0) are ever marked.

#include "model/Calc.h"
#include "model/Data.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Retention trees reserved per chosen species before the walk.
constexpr int kReservedPerSpecies = 10;

// Marks with phase k every standing tree whose coordinate (x when alongX,
// else y) lies strictly between lo and hi.
void MarkBetween(data& stand, bool alongX, float lo, float hi, int k) {
  for (TreeRecord& t : stand.Trees) {
    const float v = alongX ? t.x : t.y;
    if (IsStanding(t) && lo < v && v < hi) t.removedBy = k;
  }
}

// Marks the trees inside n bands of half width h units, s metres apart and
// centred on a side of lengthMetres metres: band i is centred at
// i x s + (length - (n - 1) x s) / 2 metres, that is at centre x factor x
// extent + origin units (factor x extent is 3 units per metre).
void MarkSpacedBands(data& stand, bool alongX, float s, int n, float lengthMetres,
                     double factor, int extent, int origin, float h, int k) {
  const float first = static_cast<float>((lengthMetres - static_cast<float>(n - 1) * s) * 0.5);
  for (int i = 0; i < n; ++i) {
    const float centre = static_cast<float>(i) * s + first;
    const float c = static_cast<float>(centre * factor * extent + origin);
    MarkBetween(stand, alongX, c - h, c + h, k);
  }
}

struct StripLayout {
  int width;
  int offset;  // metres from the left edge to the first strip
  int count;   // strips and gaps together
};

constexpr StripLayout kStripLayouts[] = {
    {20, 10, 11}, {25, 25, 8}, {30, 10, 8}, {35, 30, 6}, {40, 20, 6}, {45, 10, 6},
    {50, 25, 5},  {60, 40, 4}, {70, 30, 4}, {80, 20, 4}, {90, 10, 4},
};

// Whether the tree is one of the species chosen to stay.
bool Retainable(int species, int s1, int s2, bool shelterwood) {
  return species == s1 || species == s2 || (shelterwood && species == SpeciesSpruce);
}

// Shelterwood and seed-tree cutting: they differ only in which species are
// reserved and kept (spruce always stays in a shelterwood cutting).
int SelectRetention(data& stand, int s1, int s2, int large, int n, int nMin, int nMax, int k,
                    bool shelterwood) {
  if (large != 0) {
    stand.SortAllTrees(data::SortDiameter);
    stand.MoveLargestTreesToMiddle(n, nMin, nMax);
  } else {
    // The fractional height key puts the trees in an order unrelated to
    // their size or place.
    stand.SortAllTrees(data::SortHeightFraction);
  }
  const bool reserve = shelterwood ? (s1 >= 0 || s2 >= 0) : (s1 >= 0 && s2 >= 0);
  int kept = reserve ? stand.ReserveRetentionTrees(s1, s2) : 0;
  for (int i = stand.TreeCount() - 1; i >= 0; --i) {
    TreeRecord& t = stand.Trees[i];
    if (t.removedBy == kReservedPhase) {
      t.removedBy = 0;  // already counted by the reservation
    } else if (IsStanding(t)) {
      if (Retainable(t.species, s1, s2, shelterwood) && kept < n) {
        ++kept;
      } else {
        t.removedBy = k;
      }
    }
  }
  stand.SortAllTrees(data::SortY);
  return kept;
}

}  // namespace

void data::SelectStripCut(int width, int p) {
  int offset = 50;
  int count = 3;
  for (const StripLayout& l : kStripLayouts) {
    if (l.width == width) {
      offset = l.offset;
      count = l.count;
    }
  }
  const int w = Plot.right - Plot.left;
  const float h = static_cast<float>(width * 0.0025 * w);  // half the strip, units
  int position = offset;
  for (int i = 1; i < count; i += 2) {
    position += i == 1 ? width : 2 * width;
    const float c = static_cast<float>(position * 0.005 * w + Plot.left - h);
    if (i == count - 1) {
      // The last strip of an even count runs to the right edge.
      for (TreeRecord& t : Trees) {
        if (IsStanding(t) && t.x > c - h) t.removedBy = p + 1;
      }
    } else {
      MarkBetween(*this, true, c - h, c + h, p + 1);
    }
  }
}

void data::SelectSmallGapCut(int area, int p) {
  // A half disc of area/100 ha centred on the middle of the front edge.
  const double r = std::sqrt(area * 200 * 0.31831015504887655);  // metres
  const float radius = 3 * static_cast<float>(r);
  const int cx = Plot.left + (Plot.right - Plot.left) / 2;
  const int cy = Plot.bottom;
  for (TreeRecord& t : Trees) {
    if (!IsStanding(t)) continue;
    const float d = static_cast<float>(std::hypot(static_cast<double>(cx - t.x),
                                                  static_cast<double>(cy - t.y)));
    if (d < radius) t.removedBy = p + 1;
  }
}

int data::SelectRetentionCut(int s1, int s2, int large, int n, int nMin, int nMax, int k) {
  return SelectRetention(*this, s1, s2, large, n, nMin, nMax, k, true);
}

int data::SelectRetentionCutBySpecies(int s1, int s2, int large, int n, int nMin, int nMax,
                                      int k) {
  return SelectRetention(*this, s1, s2, large, n, nMin, nMax, k, false);
}

int data::ReserveRetentionTrees(int s1, int s2) {
  int c1 = 0;
  int c2 = 0;
  for (int i = TreeCount() - 1;
       i >= 0 && (c1 < kReservedPerSpecies || c2 < kReservedPerSpecies); --i) {
    TreeRecord& t = Trees[i];
    if (!IsStanding(t)) continue;
    if (t.species == s1 && c1 < kReservedPerSpecies) {
      t.removedBy = kReservedPhase;
      ++c1;
    } else if (t.species == s2 && c2 < kReservedPerSpecies) {
      t.removedBy = kReservedPhase;
      ++c2;
    }
  }
  return c1 + c2;
}

void data::MoveLargestTreesToMiddle(int n, int nMin, int nMax) {
  const int count = TreeCount();
  const int half = count / 2;
  // The share of the count list chosen; a list of one choice gives none.
  const double share = nMax != nMin ? half * 0.15 * (n - nMin) / (nMax - nMin) : 0.0;
  int m = std::max(0, platform::RoundHalfAway(share) + 25);
  // Up to the size of the upper half the exchanges run as counted; when m
  // passes the middle of the upper half, the later exchanges meet pairs
  // already exchanged and put them back. In a stand too small for m
  // exchanges at all, as many of the largest as fit beside the middle move.
  if (m > count - half) m = (count - half) / 2;
  for (int t = 0; t < m; ++t) SwapTrees(count - 1 - t, half + t);
}

bool data::SelectSpacedRetention(int groups, int perGroup, int p) {
  const int k = p + 1;
  if (groups <= 0) {
    for (TreeRecord& t : Trees) {
      if (IsStanding(t)) t.removedBy = k;
    }
    return true;
  }
  SortAllTrees(SortX);
  const int count = TreeCount();
  // One anchor in the middle of each of `groups` equal runs of the list in x
  // order; at least one tree per run so that every anchor has a place.
  const int step = std::max(1, SlotTreeCount(0) / groups);
  std::vector<int> anchors;
  anchors.reserve(groups);
  for (int j = 0; j < count; ++j) {
    const int placed = static_cast<int>(anchors.size());
    if (placed < groups && j == step / 2 + placed * step) {
      while (j < count - 1 && Trees[j].removedBy >= 1) ++j;
      anchors.push_back(j);
      continue;
    }
    if (IsStanding(Trees[j])) Trees[j].removedBy = k;
  }
  if (perGroup > 1 && !anchors.empty()) {
    GroupRetainedTrees(static_cast<int>(anchors.size()), perGroup, anchors.data(), k);
  }
  SortAllTrees(SortY);
  return true;
}

void data::GroupRetainedTrees(int groups, int perGroup, const int anchors[], int k) {
  constexpr int kWindow = 100;  // list positions searched on either side
  const int count = TreeCount();
  for (int a = 0; a < groups; ++a) {
    const int t = anchors[a];
    if (t < 0 || t >= count) continue;
    const int x0 = platform::TruncToInt(Trees[t].x);
    const int y0 = platform::TruncToInt(Trees[t].y);
    const int need = Trees[t].removedBy > 0 ? perGroup : perGroup - 1;
    const int lo = std::max(0, t - kWindow);
    const int hi = std::min(count, t + kWindow);
    for (int n = 0; n < need; ++n) {
      double best = 1000.0;
      int nearest = -1;
      for (int i = lo; i < hi; ++i) {
        if (Trees[i].removedBy != k) continue;
        const double d = std::hypot(static_cast<double>(x0 - platform::TruncToInt(Trees[i].x)),
                                    static_cast<double>(y0 - platform::TruncToInt(Trees[i].y)));
        if (d < best) {
          // Held as its whole part: of nearly equal candidates the first wins.
          best = std::trunc(d);
          nearest = i;
        }
      }
      if (nearest < 0) break;
      Trees[nearest].removedBy = 0;
    }
  }
}

bool data::SelectSpeciesRemoval(int c0, int c1, int c2, int c3, int c4, int k) {
  const int choices[5] = {c0, c1, c2, c3, c4};
  int marked = 0;
  for (int i = 0; i < TreeCount(); ++i) {
    TreeRecord& t = Trees[i];
    if (!IsStanding(t) || t.species < 0 || t.species > 4) continue;
    const int c = choices[t.species];
    bool take = c == 1;
    if (c == 2) {
      // Too small for timber: no pulpwood at its latest size.
      float pulp = 0.0f;
      AssortmentShares(pulp, platform::RoundHalfAway(TreeDiameter(i) * 0.01),
                       platform::RoundHalfAway(TreeHeight(i) * 0.01), t.species);
      take = pulp == 0.0f;
    }
    if (take) {
      t.removedBy = k;
      ++marked;
    }
  }
  return k >= 1 && k - 1 < kPhaseCount && marked == SlotTreeCount(k - 1);
}

void data::SelectCorridors(float width, float spacing, int k) {
  if (!(spacing > 0.0f)) return;
  const int extent = Plot.bottom - Plot.top;
  const int n = platform::RoundHalfAway(50.0 / spacing);
  const float h = static_cast<float>(0.01 * width * extent);
  MarkSpacedBands(*this, false, spacing, n, 50.0f, 0.02, extent, Plot.top, h, k);
}

void data::SelectStripRoads(float width, float spacing, int k) {
  if (!(spacing > 0.0f)) return;
  const int extent = Plot.right - Plot.left;
  const int n = platform::RoundHalfAway(199.9 / spacing);
  // Half the road width in units (1.5 units per metre of width): a road of
  // w metres clears a band w metres wide, w / 2 on either side of its centre
  // line, as the strip-road dialog offers it.
  const float h = static_cast<float>(0.0025 * width * extent);
  MarkSpacedBands(*this, true, spacing, n, 200.0f, 0.005, extent, Plot.left, h, k);
}

void data::SelectLargestTrees(int p, float target) {
  SortAllTrees(SortDiameter);
  float removed = 0.0f;
  for (int i = TreeCount() - 1; i >= 0 && removed < target; --i) {
    if (!IsStanding(Trees[i])) continue;
    Trees[i].removedBy = p + 1;
    // m3 added in double, the running sum kept in single precision.
    removed = static_cast<float>(
        removed + static_cast<double>(StemVolume(TreeDiameter(i), TreeHeight(i), Trees[i].species)) *
                      0.001);
  }
  SortAllTrees(SortY);
}
