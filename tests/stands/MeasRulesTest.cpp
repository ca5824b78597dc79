// The view filters of a stand view of the measurement sample.
#include <gtest/gtest.h>

#include <vector>

#include "model/Sample.h"
#include "stands/MeasRules.h"

TEST(MeasRules, SampleTreeVisibleUnderEachFilter) {
  // A pine of 30 cm / 22 m (logs), a pine of 5 cm / 5 m (none), a birch of
  // 30 cm / 22 m (logs) and an alder of 8 cm / 9 m (none).
  AllocSampleTrees(4);
  SetSampleTree(0, 100, 100, 3000, 2200, 0);
  SetSampleTree(1, 100, 100, 500, 500, 0);
  SetSampleTree(2, 100, 100, 3000, 2200, 2);
  SetSampleTree(3, 100, 100, 800, 900, 4);
  ASSERT_TRUE(SampleTreeIsLogTree(0));
  ASSERT_TRUE(SampleTreeIsLogTree(2));
  struct Row {
    SampleViewFilter filter;
    std::vector<bool> shown;
  };
  const std::vector<Row> rows = {
      {{false, false, false}, {true, true, true, true}},    // no filter
      {{true, false, false}, {true, false, true, false}},   // log trees
      {{false, true, false}, {false, false, true, true}},   // broadleaves
      {{false, false, true}, {true, true, false, false}},   // conifers
      {{true, true, false}, {false, false, true, false}},   // broadleaf logs
      {{true, false, true}, {true, false, false, false}},   // conifer logs
  };
  for (std::size_t k = 0; k < rows.size(); ++k)
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(SampleTreeVisible(SampleTreeSpecies(i), i, rows[k].filter), rows[k].shown[i]) << k << " tree " << i;
  FreeSampleTrees();
}
