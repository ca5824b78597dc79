// Strip roads and corridors: the corridor items, and the number and width of
// the bands the engine cuts for each choice of the dialogs (the strip roads'
// items and names are read in the dialogs' tests, RoadsTest and
// CloseWithoutOkTest).

#include <gtest/gtest.h>

#include "model/Data.h"
#include "operations/GateRules.h"
#include "operations/RoadsRules.h"

namespace {

// A line of standing pines every `step` units along x (alongX) or y, in the
// middle of the other side.
data LineStand(bool alongX, float step) {
  const int n = static_cast<int>((alongX ? 600 : 150) / step);
  data s(n);
  for (int i = 0; i < n; ++i) {
    TreeRecord& t = s.Trees[i];
    t.x = alongX ? 20.0f + (i + 0.5f) * step : 320.0f;
    t.y = alongX ? 125.0f : 50.0f + (i + 0.5f) * step;
    t.diameter = 1500.0f;
    t.height = 1400.0f;
  }
  return s;
}

// The runs of consecutive removed trees along the line: their count and the
// length of the longest.
std::pair<int, int> Runs(const data& s) {
  int runs = 0, longest = 0, length = 0;
  for (const TreeRecord& t : s.Trees) {
    if (t.removedBy != 0) {
      if (length++ == 0) ++runs;
      longest = std::max(longest, length);
    } else {
      length = 0;
    }
  }
  return {runs, longest};
}

TEST(StripRoadRules, RoadCountAndWidthBySpacing) {
  // round(199.9 / s) roads; a tree every 0.1 m (0.3 units): a road of w
  // metres takes about 10 w trees.
  struct Case {
    int spacingItem;
    int widthItem;
    int roads;
  };
  const Case cases[] = {{0, 1, 20}, {3, 1, 12}, {5, 6, 10}, {10, 8, 4}, {9, 2, 5}, {6, 3, 8}};
  for (const Case& c : cases) {
    data s = LineStand(true, 0.3f);
    const float w = StripRoadWidth(c.widthItem);
    s.SelectStripRoads(w, static_cast<float>(StripRoadSpacing(c.spacingItem)), 1);
    const auto [runs, longest] = Runs(s);
    EXPECT_EQ(runs, c.roads) << StripRoadSpacing(c.spacingItem);
    EXPECT_NEAR(longest, 10 * w, 1.0) << w;
  }
}

TEST(CorridorRules, ItemsValuesNamesAndCorridorCounts) {
  EXPECT_EQ(CorridorSpacingItems(), (QStringList{"6 m", "8 m", "10 m", "12 m"}));
  EXPECT_EQ(CorridorWidthItems(), (QStringList{"1.0 m", "1.5 m", "2.0 m", "2.5 m"}));
  // round(50 / s) corridors across the 50 m side; a tree every 0.05 m.
  const std::pair<int, int> counts[] = {{0, 8}, {1, 6}, {2, 5}, {3, 4}};
  for (auto [item, corridors] : counts) {
    for (int widthItem = 0; widthItem < 4; ++widthItem) {
      data s = LineStand(false, 0.15f);
      const float w = CorridorWidth(widthItem);
      s.SelectCorridors(w, static_cast<float>(CorridorSpacing(item)), 1);
      const auto [runs, longest] = Runs(s);
      EXPECT_EQ(runs, corridors) << CorridorSpacing(item);
      EXPECT_NEAR(longest, 20 * w, 1.0) << w;
    }
  }
}

}  // namespace
