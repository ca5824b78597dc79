// Thinnings: the pair rule, the minimum-spacing pass and its searched
// spacing, the size passes to a stem count, basal area or standing volume.

#include "model/Thinning.h"
#include "platform/Numbers.h"
#include "tests/model/CuttingStands.h"
#include "tests/support/PictureStands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <random>
#include <set>
#include <vector>

namespace {

using namespace cuttingstands;

TEST(PairRule, LowByHeightHighByHeightAndTheParityOfThePosition) {
  // Heights 10, 12, 10 m. Low: the lower tree goes, of equal ones j, the
  // earlier. High, option 0: yj odd, the lower i goes, otherwise i goes when xj
  // is odd; yj even, or option 3: the higher i goes, otherwise the x rule.
  data s = MakeStand({{100, 100, 2000, 1000}, {101, 101, 2000, 1200}, {102, 102, 2000, 1000}});
  // i, j, xj, yj, low, option, whether i goes.
  const std::tuple<int, int, int, int, bool, int, bool> cases[] = {
      {0, 1, 101, 101, true, 0, true},  {1, 0, 100, 100, true, 0, false},  {2, 0, 100, 100, true, 0, false},
      {0, 1, 100, 101, false, 0, true}, {1, 0, 100, 101, false, 0, false}, {1, 0, 101, 101, false, 0, true},
      {1, 0, 100, 100, false, 0, true}, {0, 1, 100, 100, false, 0, false}, {0, 1, 101, 100, false, 0, true},
      {1, 0, 100, 101, false, 3, true}, {0, 1, 100, 101, false, 3, false}};
  for (auto [i, j, xj, yj, low, option, iGoes] : cases) {
    EXPECT_EQ(s.ChooseTreeOfPair(i, j, xj, yj, low, option), iGoes)
        << i << " " << j << " " << xj << " " << yj << " " << low << " " << option;
  }
}

// 110 trees in y order: six close pairs, one above the other, at distances
// 3.0, 3.2, 3.35, 3.5, 3.77 and 3.8 units, pair k at x 50 + 80 k, y 60 + 10 k;
// then 98 trees 6 units apart along y 195, taller than any pair tree.
// Heights of the pairs (first, second): which goes in a low thinning is
// marked *: (1000*, 1100), (1150, 1050*), (1200*, 1200), (1010*, 1300),
// (1400, 1020*), (1030, 1040).
data PairStand() {
  const float gaps[6] = {3.0f, 3.2f, 3.35f, 3.5f, 3.77f, 3.8f};
  const float heights[6][2] = {{1000, 1100}, {1150, 1050}, {1200, 1200},
                               {1010, 1300}, {1400, 1020}, {1030, 1040}};
  std::vector<Tree> trees;
  for (int k = 0; k < 6; ++k) {
    const float x = 50.0f + 80 * k;
    const float y = 60.0f + 10 * k;
    trees.push_back({x, y, 1500, heights[k][0]});
    trees.push_back({x, y + gaps[k], 1500, heights[k][1]});
  }
  for (int j = 0; j < 98; ++j) trees.push_back({25.0f + 6 * j, 195.0f + 0.01f * j, 2500, 1500.0f + j});
  return MakeStand(trees);
}

// Heights of the trees marked with phase k.
std::multiset<float> MarkedHeights(const data& s, int k) {
  std::multiset<float> h;
  for (const TreeRecord& t : s.Trees) if (t.removedBy == k) h.insert(t.height);
  return h;
}

// The given trees, then `rest` trees `apart` units from each other along
// y 195, taller and thicker than those.
data TreesAndARow(std::vector<Tree> trees, int rest, float apart) {
  for (int j = 0; j < rest; ++j) trees.push_back({25.0f + apart * j, 195.0f + 0.01f * j, 2500, 1500});
  return MakeStand(trees);
}

// Pair A, `gapA` units apart at x `xA`, y 60, and pair B (5 cm taller),
// `gapB` apart at x `xB`, y 80, the lower tree first in each; then the row.
data TwoPairs(float xA, float gapA, float xB, float gapB, int rest, float apart) {
  return TreesAndARow(
      {{xA, 60, 1500, 1000}, {xA, 60 + gapA, 1500, 1100}, {xB, 80, 1500, 1005}, {xB, 80 + gapB, 1500, 1105}},
      rest, apart);
}

// The scan as the rule states it: every tree against the window of list
// positions before it, one pair at a time.
int PlainSpacingScan(data& s, float spacing, int k, bool low, int option) {
  const float r = static_cast<float>(150.0 * spacing * 0.02);
  const int w = platform::TruncToInt(0.75 * spacing * 0.02 * s.TreeCount());
  int count = 0;
  for (int i = 0; i < s.TreeCount(); ++i) {
    if (s.Trees[i].removedBy != 0) continue;
    for (int j = std::max(0, i - w); j < i && s.Trees[i].removedBy == 0; ++j) {
      if (s.Trees[j].removedBy != 0) continue;
      if (std::hypot(static_cast<double>(s.Trees[i].x - s.Trees[j].x),
                     static_cast<double>(s.Trees[i].y - s.Trees[j].y)) < r) {
        const bool goesI = s.ChooseTreeOfPair(i, j, platform::TruncToInt(s.Trees[j].x),
                                              platform::TruncToInt(s.Trees[j].y), low, option);
        s.Trees[goesI ? i : j].removedBy = k;
        ++count;
      }
    }
  }
  return count;
}

TEST(MinimumSpacing, SameTreesAsThePlainScan) {
  for (int n : {60, 700, 3000}) {
    data base = RandomStand(n, 40 + n);
    base.SortTrees(0, n - 1, 1);
    base.Trees[n / 3].removedBy = 1;  // removed before: never compared
    for (float spacing : {0.5f, 1.0f, 2.25f, 3.0f, 5.0f}) {
      for (int option : {0, 3}) {
        for (bool low : {true, false}) {
          data a = base;
          data b = base;
          EXPECT_EQ(a.ThinByMinimumSpacing(spacing, 1, low, option),
                    PlainSpacingScan(b, spacing, 2, low, option));
          for (int i = 0; i < n; ++i) {
            ASSERT_EQ(a.Trees[i].removedBy, b.Trees[i].removedBy) << n << " " << spacing << " " << i;
          }
        }
      }
    }
  }
}

// Thins the stand: the result, the heights of the trees marked with phase
// 1, and the list left in y order.
void ExpectThinning(const char* what, data s, float result, const std::multiset<float>& marked,
                    const std::function<float(data&)>& thin) {
  SCOPED_TRACE(what);
  EXPECT_FLOAT_EQ(thin(s), result);
  EXPECT_EQ(MarkedHeights(s, 1), marked);
  EXPECT_TRUE(SortedByY(s));
}

TEST(MinimumSpacing, DistanceInDoubleAndTheTreeOfEachClosePairByHeight) {
  // s = 0.54f (0.540000021): r = f32(150 x 0.540000021 x 0.02) = f32(1.6200000644)
  // = 1.62000012. The pair below is 1.62000007 apart, inside r; computing
  // 150 x s in single precision first gives 81 exactly and r = 1.62000000,
  // which would leave the pair. 130 trees: window trunc(0.75 x 0.54 x 0.02 x
  // 130) = 1 position; the rest stand 4.5 units apart along y 195.
  ExpectThinning(
      "distance taken in double",
      TreesAndARow({{100.0f, 100.0f, 1500, 1000}, {100.501198f, 101.54052f, 1500, 1100}}, 128, 4.5f), 1,
      {1000}, [](data& s) { return s.ThinByMinimumSpacing(0.54f, 0, true, 3); });
  // 1.2 m: r = 150 x 1.2 x 0.02 = 3.6 units, window trunc(0.75 x 1.2 x 0.02 x
  // 110) = 1 position; the pairs closer than 3.6 are the first four. An
  // unsorted list is put in y order first. Pair 2 is of equal heights: the
  // high thinning's x rule with x 210 (even) takes the first.
  ExpectThinning("low, shuffled", PairStand(), 4, {1000, 1050, 1200, 1010}, [](data& s) {
    std::mt19937 rng(5);
    std::shuffle(s.Trees.begin(), s.Trees.end(), rng);
    return s.ThinByMinimumSpacing(1.2f, 0, true, 3);
  });
  ExpectThinning("high, option 3", PairStand(), 4, {1100, 1150, 1200, 1300},
                 [](data& s) { return s.ThinByMinimumSpacing(1.2f, 0, false, 3); });
}

TEST(SpacingSearch, StepsBackClimbsByOneCentimetreAndStopsAtThreeMetres) {
  // Stems to 102 of 110, low: f = 0.6692 x (0.4 + 0.4 sqrt(110/12000) + 0.5)
  // = 0.6279, wanted = round(8 x 0.6279) = 5. Start t = 150 - round(150 x
  // (110/12000)^0.25) = 150 - 46 = 104 (r = 0.03 t units). Trials: 104 -> 1,
  // 114 -> 3, 124 -> 4, 134 -> 6 > 5: back to 124 -> 4, 125 -> 4, 126 -> 5,
  // 127 -> 6 > 5: t = 126, which takes 5 trees (the first five pairs).
  ExpectThinning("steps back and climbs", PairStand(), 5, {1000, 1050, 1200, 1010, 1020},
                 [](data& s) { return s.SpacingThinningPass(0, 102.0f, 0, true); });
  // The selection cutting marks its largest trees first; the trials only
  // let their own trees stand again.
  ExpectThinning("the marks of an earlier pass stay", PairStand(), 5,
                 {1000, 1050, 1200, 1010, 1020, 1596, 1597}, [](data& s) {
                   s.Trees[108].removedBy = s.Trees[109].removedBy = 1;
                   return s.SpacingThinningPass(0, 102.0f, 0, true);
                 });
  // 110 trees: pair A 2.95 units apart, pair B (5 cm taller) 3.05, the rest
  // 5.5 apart along y 195. Stems to 109: wanted = round(1 / 110 x 0.6279 x
  // 110) = 1; start t = 104 (r 3.12) takes both pairs, 2 > 1: back to 94 and
  // up by 1 cm: 94..98 (r 2.82..2.94) take none, 99 (2.97), 100 (3.00), 101
  // (3.03) take pair A, 102 (3.06) both: t = 101, whose pass takes the lower
  // tree of pair A.
  ExpectThinning("overshoot at the first spacing", TwoPairs(100, 2.95f, 300, 3.05f, 106, 5.5f), 1, {1000},
                 [](data& s) { return s.SpacingThinningPass(0, 109.0f, 0, true); });
  // 40 trees: pair A 8.7 units apart, pair B (5 cm taller) 9.0, 36 trees 10
  // apart. Stems to 10: wanted = round(30 x 0.6178) = 19, never reached. t
  // runs 114, 124, ..., 294, 304; at 304 (r 9.12) both pairs go, t >= 301
  // ends the search at 294 (r 8.82), which takes pair A only.
  ExpectThinning("never beyond 3 m", TwoPairs(500, 8.7f, 560, 9.0f, 36, 10.0f), 1, {1000},
                 [](data& s) { return s.SpacingThinningPass(0, 10.0f, 0, true); });
}

TEST(StemTarget, SpacingPassThenByHeightAndNothingWhenNotBelowTheStand) {
  // The spacing pass takes 5 (above); 102 + 5 < 110 leaves three more, the
  // lowest standing: 1030, 1040 (pair 5) and 1100.
  ExpectThinning("spacing pass, then the lowest", PairStand(), 1,
                 {1000, 1050, 1200, 1010, 1020, 1030, 1040, 1100},
                 [](data& s) { return s.ThinToTargetBasalArea(0, 102.0f, 0, true); });
  ExpectThinning("from below", PairStand(), 1, {1000, 1010, 1020, 1030, 1040},
                 [](data& s) { return s.ThinToTargetBasalArea(0, 105.0f, 100, true); });
  ExpectThinning("from above", PairStand(), 1, {1597, 1596, 1595, 1594, 1593},
                 [](data& s) { return s.ThinToTargetBasalArea(0, 105.0f, 100, false); });
  ExpectThinning("stems not below", PairStand(), 0, {},
                 [](data& s) { return s.ThinToTargetBasalArea(0, 110.0f, 0, true); });
  ExpectThinning("basal area not below", PairStand(), 0, {},
                 [](data& s) { return s.ThinToTargetBasalArea(0, s.SlotBasalArea(0), 1, false); });
}

TEST(VolumeTarget, TargetNotBelowTheStandMarksNothing) {
  // A removal of 0 (target = the standing volume) or a target above it: the
  // spacing pass must not take trees of close pairs, not even small ones
  // whose going leaves the rounded volume as it was.
  std::vector<Tree> pairs;
  for (int k = 0; k < 7; ++k) {
    pairs.push_back({50.0f + 80 * k, 60.0f + 10 * k, 500, 500});
    pairs.push_back({50.0f + 80 * k, 61.0f + 10 * k, 500, 520});
  }
  const data closePairs = TreesAndARow(pairs, 98, 6.0f);
  for (auto [mode, low] : {std::pair{2, true}, {2, false}, {4, false}}) {
    for (int extra : {0, 1, 50}) {
      data s = closePairs;
      const int v0 = s.SlotTotalVolume(0);
      EXPECT_EQ(s.ThinToTargetVolume(0, static_cast<float>(v0 + extra), mode, low), v0)
          << mode << low << extra;
      EXPECT_EQ(CountMarked(s, 1), 0) << mode << low << extra;
    }
  }
}

// The size pass as the rule states it, summing the whole list for every
// reading of the volume (with the batch cut short by the end of the list
// taken again tree by tree).
void PlainVolumeByHeight(data& s, int p, float target, bool low) {
  const int n = s.TreeCount();
  const int k = p + 1;
  const int size = low ? 25 : 5;
  int batch = platform::RoundHalfAway(s.SlotMeanDiameter(p)) < 26 ? 0 : -1;
  double vol = s.StandingStockVolume();
  std::vector<int> unsummed;
  for (int i = low ? 0 : n - 1; vol > target && i >= 0 && i < n; i += low ? 1 : -1) {
    if (s.Trees[i].removedBy != 0) continue;
    s.Trees[i].removedBy = k;
    if (batch >= 0 && ++batch < size) {  // inside a batch: taken as target + 1
      vol = target + 1.0;
      unsummed.push_back(i);
      continue;
    }
    vol = s.StandingStockVolume();
    if (batch == size) {
      batch = target + 10 < vol ? 0 : -1;
      unsummed.clear();
    }
  }
  for (int i : unsummed) s.Trees[i].removedBy = 0;
  if (!unsummed.empty()) vol = s.StandingStockVolume();
  for (size_t u = 0; u < unsummed.size() && vol > target; ++u) {
    s.Trees[unsummed[u]].removedBy = k;
    vol = s.StandingStockVolume();
  }
  // The correction walk.
  for (int j = 0; j < n && vol != target; ++j) {
    const bool reinstate = vol <= target && s.Trees[j].removedBy == k;
    if (reinstate || (vol > target && s.Trees[j].removedBy == 0)) {
      s.Trees[j].removedBy = reinstate ? 0 : k;
      vol = s.StandingStockVolume();
    }
  }
}

TEST(VolumeTarget, SameTreesAsSummingTheWholeListEveryTime) {
  // Stands of small trees (batches of 25 or 5) and of large ones (every
  // tree), sorted by height as the volume thinning sorts them, thinned from
  // below and from above to several targets, some of them out of reach; a
  // whole target is hit exactly by the size pass and the correction walk.
  for (unsigned seed : {31u, 32u, 33u}) {
    for (bool small : {true, false}) {
      // Small trees: mean diameter below 26 cm, summed in batches.
      data base = RandomStand(900, seed);
      if (small) {
        for (TreeRecord& t : base.Trees) {
          t.diameter *= 0.4f;
          t.height *= 0.6f;
        }
        base.RecordPhase(0, "mitattu", 0, 0);
      }
      ASSERT_EQ(base.SlotMeanDiameter(0) < 25.5f, small);
      base.Trees[5].removedBy = 3;  // removed by another step: never touched
      base.SortTrees(0, base.TreeCount() - 1, 3);
      const int v0 = base.StandingStockVolume();
      for (float target : {v0 - 1.0f, std::floor(v0 * 0.8f), std::floor(v0 * 0.7f), std::floor(v0 * 0.3f), 0.0f,
                           v0 * 0.5f + 0.5f}) {
        for (bool low : {true, false}) {
          data a = base;
          data b = base;
          a.ThinToVolumeByHeight(0, target, low);
          PlainVolumeByHeight(b, 0, target, low);
          if (target == std::floor(target)) {
            EXPECT_EQ(a.StandingStockVolume(), static_cast<int>(target)) << seed << " " << small << " " << low;
          }
          for (int i = 0; i < a.TreeCount(); ++i) {
            ASSERT_EQ(a.Trees[i].removedBy, b.Trees[i].removedBy)
                << seed << " " << small << " " << target << " " << low << " tree " << i;
          }
        }
      }
    }
  }
}

// 60 pines of 40 cm in ascending height (20.0, 20.1, ... m), each about
// 1 m3/ha; tree 24 (with big24) of 150 cm, 13 m3/ha. The mean diameter of
// slot 0 is set to the case under test.
data Ladder(bool big24, float meanDiameterCm) {
  std::vector<Tree> trees;
  for (int i = 0; i < 60; ++i) {
    trees.push_back({30.0f + 9 * i, 60.0f + 2 * i, big24 && i == 24 ? 15000.0f : 4000.0f, 2000.0f + 10 * i});
  }
  data s = MakeStand(trees);
  s.Slots[0].meanDiameter = meanDiameterCm;
  return s;
}

// The volume left when the trees first..last are removed.
int VolumeWithout(data s, int first, int last) {
  for (int i = first; i <= last; ++i) s.Trees[i].removedBy = 1;
  return s.StandingStockVolume();
}

TEST(VolumeTarget, LowThinningSumsAfterEvery25TreesOnlyBelowAMeanDiameterOf26Cm) {
  // Below a mean diameter of 26 cm (rounded half away from zero: 25.5 is 26)
  // the low thinning sums after every 25 trees. With tree 24 of 150 cm (13
  // m3/ha) and the target the volume without trees 0..24, exactly those 25
  // go (a sum after 24 would take a second batch, after 26 tree 25 too).
  // Otherwise the target is the volume without the ten lowest: summed tree by
  // tree exactly they go; in batches the first batch takes 25 and the
  // correction walk brings the lowest back, leaving tree 24 cut, tree 0 not.
  // Tree 24 of 150 cm, the mean diameter, the target the volume without
  // trees 0..lastWanted, whether in batches.
  const std::tuple<bool, float, int, bool> cases[] = {{true, 20.0f, 24, false},
                                                      {false, 25.5f, 9, false},
                                                      {false, 26.0f, 9, false},
                                                      {false, 25.49f, 9, true},
                                                      {false, 20.0f, 9, true}};
  for (auto [big24, meanDiameterCm, lastWanted, batches] : cases) {
    SCOPED_TRACE(::testing::Message() << big24 << " " << meanDiameterCm);
    data s = Ladder(big24, meanDiameterCm);
    const int target = VolumeWithout(s, 0, lastWanted);
    if (big24) {
      ASSERT_GT(VolumeWithout(s, 0, lastWanted - 1), target + 10);
    }
    s.ThinToVolumeByHeight(0, static_cast<float>(target), true);
    if (batches) {
      EXPECT_EQ(std::pair(s.Trees[0].removedBy, s.Trees[24].removedBy), std::pair(0, 1));
    } else {
      EXPECT_EQ(s.StandingStockVolume(), target);
      for (int i = 0; i < 60; ++i) EXPECT_EQ(s.Trees[i].removedBy, i <= lastWanted ? 1 : 0) << "tree " << i;
    }
  }
}

TEST(VolumeTarget, StandOfFewerTreesThanABatchIsNotCutWhole) {
  // 20 pines of 24 cm, 18..21.8 m: mean diameter below 26 cm, so the low
  // thinning sums the volume every 25 trees, more than the stand has. The
  // batch is taken tree by tree: the lowest trees go until the volume is at
  // the target, the tallest stay.
  std::vector<Tree> trees;
  for (int i = 0; i < 20; ++i) trees.push_back({30.0f + 25 * i, 60.0f + 7 * i, 2400, 1800.0f + 20 * i});
  data s = MakeStand(trees);
  const int v0 = s.SlotTotalVolume(0);
  ASSERT_GE(v0, 6);
  s.ThinToVolumeByHeight(0, static_cast<float>(v0 - 2), true);
  EXPECT_EQ(s.StandingStockVolume(), v0 - 2);
  EXPECT_LT(CountMarked(s, 1), 10);
  EXPECT_EQ(s.Trees[19].removedBy, 0);
}

TEST(StockVolume, FollowsTheFullSumThroughAThinningOfSmallTrees) {
  // 4000 small trees of nearly equal size: every bin is a long sum of like
  // terms, where single-precision rounding drifts most. Trees are taken from
  // the front of the list, as a low thinning does, and some are put back, as
  // the correction walk does; every reading must be the full sum's.
  std::vector<Tree> trees;
  std::mt19937 rng(8);
  std::uniform_real_distribution<float> jitter(0.0f, 40.0f);
  for (int i = 0; i < 4000; ++i) {
    trees.push_back({20.0f + i * 0.15f, 100.0f, 900.0f + jitter(rng), 1000.0f + jitter(rng), i % 5});
  }
  data s = MakeStand(trees);
  StockVolumeTracker tracker(s);
  ASSERT_EQ(tracker.Volume(), s.StandingStockVolume());
  for (int i = 0; i < 3000; ++i) {
    tracker.Mark(i, 1);
    if (i % 7 == 0) tracker.Reinstate(i / 2);
    // Comparisons first (from the bounds where they decide), then the sum.
    const int full = s.StandingStockVolume();
    ASSERT_EQ(tracker.Compare(full - 1.5), 1) << "tree " << i;
    ASSERT_EQ(tracker.Compare(full + 0.5), -1) << "tree " << i;
    ASSERT_EQ(tracker.Compare(full), 0) << "tree " << i;
    ASSERT_EQ(tracker.Volume(), full) << "tree " << i;
  }
}

// Tree for tree, in list order, what the thinnings have always given, run
// one after another as a cutting dialog tries them: each trial thrown away
// before the next, the preview's sorts by height and back by y after it.
// Dense sapling stands of 12000 and 3000 stems, a middle-aged stand and a
// young one after a growing step (trial on phase 1).
TEST(Thinnings, SameTreesInTheSameOrderAsEver) {
  struct Case {
    const picturestands::Measured& measured;
    unsigned seed;
    int trees;
    std::uint64_t expected;
  };
  const Case cases[] = {{picturestands::kDense, 31337, 0, 0xdc749912d63948c2ULL},
                        {picturestands::kDense, 5, 3000, 0x5fdf43edfad341dbULL},
                        {picturestands::kMiddle, 7, 0, 0x7760ffaf0efffdb3ULL},
                        {picturestands::kYoung, 11, 0, 0x6fb5e25e5b2fe846ULL}};
  for (const Case& c : cases) {
    std::unique_ptr<data> stand = picturestands::MakeStand(c.measured, c.seed, c.trees);
    data& s = *stand;
    int p = 0;
    if (&c.measured == &picturestands::kYoung) {
      const int ages[kSpeciesSlots] = {30, 25, 28, 0, 20, 0};
      s.GrownSizes1 = s.AllocGrownSizes();
      s.GrowTrees(s.GrownSizes1, 1, 5, ages, true, true);
      s.RecordPhase(1, QStringLiteral("kasvatus"), 1, 5);
      p = 1;
    }
    const float stems = static_cast<float>(s.SlotTreeCount(p));
    const float g = s.SlotBasalArea(p);
    const float v = static_cast<float>(s.SlotTotalVolume(p));
    // Mode (-1: the spacing pass alone), target as a share of the stems,
    // basal area or volume (or the spacing), low or high; modes 4 and 5
    // after the largest trees.
    const std::tuple<int, float, bool> trials[] = {{0, 0.6f, true},  {0, 0.6f, false}, {1, 0.7f, true},
                                                   {1, 0.7f, false}, {100, 0.5f, true}, {2, 0.7f, true},
                                                   {2, 0.7f, false}, {-1, 2.5f, true}, {-1, 2.5f, false},
                                                   {4, 0.7f, false}, {5, 0.7f, false}};
    const auto thin = [&](int mode, float share, bool low) -> int {
      if (mode < 0) return s.ThinByMinimumSpacing(share, p, low, 3);
      if (mode <= 1 || mode == 100) return s.ThinToTargetBasalArea(p, (mode == 1 ? g : stems) * share, mode, low);
      if (mode >= 4) s.SelectLargestTrees(p, v * 0.06f);
      return s.ThinToTargetVolume(p, v * share, mode, low);
    };
    standcompare::Digest digest;
    for (auto [mode, share, low] : trials) {
      s.UndoOperation(p + 1);
      s.ClearSlot(p + 1);
      digest.Add(thin(mode, share, low));
      digest.AddTrees(s);
      s.SortTreesForSave(false, true);
      s.SortTreesForSave(false, false);
      s.RecordPhase(p + 1, QStringLiteral("koe"), 0, 0);
      digest.AddTrees(s);
      for (const GrownSize& z : s.GrownSizes1) digest.Add(z.diameter, z.height);
    }
    EXPECT_EQ(digest.value, c.expected) << c.seed << " " << std::hex << digest.value;
  }
}

TEST(SmallStands, EmptyAndSingleTreeStandsRunEveryOperation) {
  for (int n : {0, 1}) {
    data s = n == 0 ? MakeStand({}) : MakeStand({{100, 100}});
    s.SelectStripCut(20, 0);
    s.SelectSmallGapCut(30, 0);
    s.SelectRetentionCut(0, 2, 1, 100, 100, 300, 1);
    s.SelectRetentionCutBySpecies(0, 2, 1, 20, 20, 150, 1);
    s.SelectSpacedRetention(3, 10, 0);
    s.SelectSpeciesRemoval(1, 1, 1, 1, 1, 1);
    s.SelectCorridors(4.0f, 20.0f, 1);
    s.SelectStripRoads(5.0f, 20.0f, 1);
    s.SelectLargestTrees(0, 5.0f);
    s.UndoOperation(1);
    EXPECT_EQ(s.ThinToTargetVolume(0, 0.0f, 2, true), 0);
    s.UndoOperation(1);
    EXPECT_EQ(s.ThinToTargetBasalArea(0, 0.0f, 0, false), n == 1);
    EXPECT_EQ(s.ThinByMinimumSpacing(3.0f, 0, true, 3), 0);
    EXPECT_EQ(CountMarked(s, 1), n);
  }
}

}  // namespace
