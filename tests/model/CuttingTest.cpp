// Cutting patterns on small hand-built stands: each pattern takes exactly the
// trees inside its geometry (small random stands run every pattern in
// ThinningTest's SmallStands).

#include "model/Calc.h"
#include "model/Data.h"
#include "tests/model/CuttingStands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <set>
#include <utility>
#include <vector>

namespace {

using cuttingstands::CountMarked;
using cuttingstands::MakeStand;
using cuttingstands::RandomStand;
using cuttingstands::SortedByY;
using cuttingstands::Tree;

// Trees at x = 20.5, 21.5, ..., 619.5 (one per unit across the plot).
data RowAcrossX() {
  std::vector<Tree> trees;
  for (int i = 0; i < 600; ++i) trees.push_back({20.5f + i, 120.0f});
  return MakeStand(trees);
}

// The removing phase of the (first) tree at x.
int PhaseAtX(const data& s, float x) {
  for (const TreeRecord& t : s.Trees) if (t.x == x) return t.removedBy;
  ADD_FAILURE() << "no tree at x " << x;
  return -1;
}

void ExpectPhasesAtX(const data& s, const std::vector<std::pair<float, int>>& phases) {
  for (auto [x, k] : phases) EXPECT_EQ(PhaseAtX(s, x), k) << "x " << x;
}

// The removing phases in list order (for trees the pattern does not reorder).
std::vector<int> Phases(const data& s) {
  std::vector<int> k;
  for (const TreeRecord& t : s.Trees) k.push_back(t.removedBy);
  return k;
}

TEST(StripCut, StripsOfTheirWidthBoundariesStay) {
  // w 20: a 10, c 11; h = 20 x 0.0025 x 600 = 30 units; P = 30, 70, ..., 190 m
  // gives strips (50, 110), (170, 230), (290, 350), (410, 470), (530, 590)
  // units. w 25: a 25, c 8; the last strip (i = 7) of the even count starts
  // at P - w = 175 m, 545 units, and runs to the right edge.
  const struct {
    int w;
    std::vector<std::pair<float, int>> phases;
  } cases[] = {{20, {{50.0f, 0}, {50.5f, 3}, {109.5f, 3}, {110.0f, 0}, {140.0f, 0}, {171.0f, 3}, {589.0f, 3}, {600.0f, 0}}},
               {25, {{545.0f, 0}, {545.5f, 3}, {620.0f, 3}, {540.0f, 0}}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.w);
    std::vector<Tree> trees;
    for (auto [x, k] : c.phases) trees.push_back({x, 100.0f});
    data s = MakeStand(trees);
    s.SelectStripCut(c.w, 2);
    ExpectPhasesAtX(s, c.phases);
  }
}

TEST(StripCut, EveryWidthTakesHalfThePlotAndOnlyStandingTrees) {
  for (int w : {20, 25, 30, 35, 40, 45, 50, 60, 70, 80, 90, 100}) {
    data s = RowAcrossX();
    s.Trees[0].removedBy = 1;  // x 20.5: never in a strip
    s.Trees[40].removedBy = 1;  // x 60.5: in the first strip of most widths
    const bool inStrip = w == 20 || w == 45 || w == 90 || w == 30;
    s.SelectStripCut(w, 1);
    // Strips hold 3 w units each: 300 of the 600 trees, less the one that
    // was removed before when it lies in a strip.
    EXPECT_EQ(CountMarked(s, 2), inStrip ? 299 : 300) << "width " << w;
    EXPECT_EQ(s.Trees[40].removedBy, 1);
  }
}

TEST(SmallGapCut, HalfDiscAroundTheMiddleOfTheFrontEdge) {
  // 0.05 ha: r = sqrt(5 x 200 / pi) = 17.841 m, R = 53.52 units around (320, 200).
  data s = MakeStand({{320.0f, 147.0f}, {320.0f, 146.0f}, {373.5f, 200.0f},
                      {373.6f, 200.0f}, {20.0f, 50.0f}});
  s.SelectSmallGapCut(5, 0);
  EXPECT_EQ(Phases(s), (std::vector<int>{1, 0, 1, 0, 0}));  // 53, 54, 53.5, 53.6 units away
  // 0.30 ha: r = sqrt(30 x 200 / pi) = 43.70 m, R = 131.1 units.
  data t = MakeStand({{320.0f, 69.0f}, {189.0f, 200.0f}, {188.8f, 200.0f}});
  t.SelectSmallGapCut(30, 2);
  EXPECT_EQ(Phases(t), (std::vector<int>{3, 3, 0}));
}

// 40 trees whose height fractions order them by index i (key 156.25 x (i + 1),
// truncated), laid into the list in a scrambled order. Species by i: every
// third pine, the next birch, the next spruce; i = 39 is pine.
data RetentionStand() {
  std::vector<Tree> trees;
  for (int i = 0; i < 40; ++i) {
    const int j = (i * 17) % 40;  // scrambled list position -> key index j
    const int species = j % 3 == 0 ? SpeciesPine : j % 3 == 1 ? SpeciesBirch : SpeciesSpruce;
    trees.push_back({20.0f + 10 * j, 60.0f + j, 2000.0f, 1500.0f + (j + 1) / 64.0f, species});
  }
  return MakeStand(trees);
}

// Key index of each tree left standing, by the tree's height fraction.
std::set<int> StandingKeys(const data& s) {
  std::set<int> keys;
  for (const TreeRecord& t : s.Trees) {
    EXPECT_NE(t.removedBy, kReservedPhase);
    if (t.removedBy == 0) keys.insert(static_cast<int>(std::lround((t.height - 1500.0f) * 64)) - 1);
  }
  return keys;
}

// Every third key index from a to b of each range.
std::set<int> Keys(std::initializer_list<std::pair<int, int>> ranges) {
  std::set<int> keys;
  for (auto [a, b] : ranges) for (int j = a; j <= b; j += 3) keys.insert(j);
  return keys;
}

TEST(RetentionCut, SeedTreesAndShelterwoodKeepTheLastTreesOfTheirSpecies) {
  // Pine j = 0, 3, ..., 39 (14 trees), birch j = 1, 4, ..., 37 (13), spruce
  // j = 2, 5, ..., 38. Seed trees of two species: walking from j = 39 down,
  // the last ten of each are reserved (pine 39..12, birch 37..10); with 23 to
  // keep the walk adds the next eligible trees from the end that were not
  // reserved: pine 9, birch 7, pine 6. Of one species nothing is reserved:
  // the walk keeps the last 5 pine; of none, nothing is kept. Shelterwood
  // always keeps spruce: with no species chosen the last 4 spruce; with
  // birch the last 10 birch are reserved, then the walk keeps spruce 38, 35
  // (pine is not eligible).
  const struct {
    bool shelterwood;
    int species1, species2, keep, k;
    std::set<int> standing;
  } cases[] = {{false, SpeciesPine, SpeciesBirch, 20, 0, Keys({{12, 39}, {10, 37}})},
               {false, SpeciesPine, SpeciesBirch, 23, 0, Keys({{6, 39}, {7, 37}})},
               {false, SpeciesPine, -1, 5, 1, Keys({{27, 39}})},
               {false, -1, -1, 50, 0, {}},
               {true, -1, -1, 4, 0, Keys({{29, 38}})},
               {true, -1, SpeciesBirch, 12, 0, Keys({{35, 38}, {10, 37}})}};
  for (const auto& c : cases) {
    data s = RetentionStand();
    const int kept = c.shelterwood ? s.SelectRetentionCut(c.species1, c.species2, 0, c.keep, 100, 300, c.k + 1)
                                   : s.SelectRetentionCutBySpecies(c.species1, c.species2, 0, c.keep, 20, 150, c.k + 1);
    SCOPED_TRACE(::testing::Message() << c.shelterwood << " " << c.species1 << " " << c.species2 << " " << c.keep);
    EXPECT_EQ(kept, static_cast<int>(c.standing.size()));
    EXPECT_EQ(StandingKeys(s), c.standing);
    EXPECT_EQ(CountMarked(s, c.k + 1), 40 - kept);
    EXPECT_TRUE(SortedByY(s));
  }
}

// n trees sorted by diameter 1..n cm.
data DiameterLadder(int n) {
  std::vector<Tree> trees;
  for (int i = 0; i < n; ++i) trees.push_back({20.0f + i, 100.0f, 100.0f * (i + 1)});
  return MakeStand(trees);
}

TEST(RetentionCut, LargeTreesMoveToTheMiddle) {
  // n trees sorted by diameter 1..n cm; the exchanges swap positions h + t
  // and n - 1 - t for t below the count moved, every other tree stays.
  // n 200 of 100..300: m = round(100 x 0.15 x 0.5) + 25 = round(7.5) + 25 =
  // 33. n 100 at nMax: m = round(50 x 0.15) + 25 = 33; t = 17..32 are the
  // pairs of t' = 49 - t again, swapped twice, so 17 move. 10 trees: m would
  // be 25, more than the upper half of 5; (10 - 5) / 2 = 2 exchanges, and
  // one choice (nMin = nMax) gives the base 25 without dividing by zero.
  const struct {
    int n, chosen, nMin, nMax, moved;
  } cases[] = {{200, 200, 100, 300, 33}, {100, 150, 20, 150, 17}, {10, 100, 100, 100, 2}};
  for (const auto& c : cases) {
    data s = DiameterLadder(c.n);
    s.MoveLargestTreesToMiddle(c.chosen, c.nMin, c.nMax);
    const int h = c.n / 2;
    for (int i = 0; i < c.n; ++i) {
      int from = i;
      if (i >= h && i < h + c.moved) from = c.n - 1 - (i - h);
      if (i > c.n - 1 - c.moved) from = h + (c.n - 1 - i);
      EXPECT_EQ(s.Trees[i].diameter, 100.0f * (from + 1)) << c.n << " position " << i;
    }
  }
}

// Trees on a line at x = 20, 30, ..., 20 + 10 (n - 1), all at y 100 + i / 100.
data LineStand(int n) {
  std::vector<Tree> trees;
  for (int i = n - 1; i >= 0; --i) trees.push_back({20.0f + 10 * i, 100.0f + i / 100.0f});
  return MakeStand(trees);
}

TEST(SpacedRetention, GroupsSpreadAlongXAroundStandingAnchorsOrNoGroupsAtAll) {
  // 12 trees, 3 groups of one: step 12 / 3 = 4, anchors at x-order
  // positions 2, 6, 10. 11 trees: step 3, positions 1, 4, 7, and 10 would
  // make a fourth anchor; so do 12 trees measured as 9. No groups is a clear
  // cut of what stands (the tree at x 100 was removed before and stays so).
  // 14 trees measured as 12 (step 4), groups of 3: position 6 (x 80) was
  // removed before, so the anchor moves to x 90; around x 40 the trees at 30
  // and 50 are both 10 away, the first in x order wins, then the other;
  // around x 90: 100 (10), then 70 (20; 80 is not marked by this cutting);
  // around x 120: 110 and 130. In groups of 2: 30, 100 and 110.
  const struct {
    int n, stems, groups, perGroup;
    float removed;  // x of a tree removed before (0: none)
    std::set<float> standing;
  } cases[] = {{12, 12, 3, 1, 0, {40, 80, 120}}, {11, 11, 3, 1, 0, {30, 60, 90}}, {12, 9, 3, 1, 0, {30, 60, 90}},
               {12, 12, 0, 1, 100, {}}, {14, 12, 3, 3, 80, {30, 40, 50, 70, 90, 100, 110, 120, 130}},
               {14, 12, 3, 2, 80, {30, 40, 90, 100, 110, 120}}};
  for (const auto& c : cases) {
    data s = LineStand(c.n);
    for (TreeRecord& t : s.Trees) if (t.x == c.removed) t.removedBy = 1;
    s.Slots[0].stems = c.stems;
    EXPECT_TRUE(s.SelectSpacedRetention(c.groups, c.perGroup, 1));
    std::set<float> standing;
    for (const TreeRecord& t : s.Trees) if (t.removedBy == 0) standing.insert(t.x);
    EXPECT_EQ(standing, c.standing) << c.n << " " << c.groups;
    EXPECT_EQ(CountMarked(s, 2), c.n - static_cast<int>(c.standing.size()) - (c.removed > 0)) << c.n;
    EXPECT_TRUE(c.groups == 0 || SortedByY(s));  // a clear cut does not reorder
  }
}

TEST(SpeciesRemoval, ChoicesByTreeSize) {
  // A 7 cm tree has no pulpwood share (all energy wood); a 20 cm, 15 m pine
  // has. Spruce with choice 1 goes whatever its size.
  data s = MakeStand({{30, 60, 700, 900, SpeciesPine},
                      {40, 70, 2000, 1500, SpeciesPine},
                      {50, 80, 2000, 1500, SpeciesSpruce},
                      {60, 90, 700, 900, SpeciesBirch}});
  EXPECT_FALSE(s.SelectSpeciesRemoval(2, 1, 0, 0, 0, 1));
  EXPECT_EQ(Phases(s), (std::vector<int>{1, 0, 1, 0}));
}

TEST(SpeciesRemoval, EveryChoiceOneRemovesTheWholeStand) {
  data s = RandomStand(30, 3);
  s.Trees[4].removedBy = 1;
  s.RecordPhase(1, "harvennus", 0, 0);  // 29 standing
  EXPECT_TRUE(s.SelectSpeciesRemoval(1, 1, 1, 1, 1, 2));
  EXPECT_EQ(CountMarked(s, 2), 29);
  EXPECT_EQ(s.Trees[4].removedBy, 1);
}

TEST(Corridors, BandsAcrossTheShortSide) {
  // w 4, s 20: n = round(2.5) = 3, h = 0.01 x 4 x 150 = 6 units; centres
  // 5, 25, 45 m, that is y 65, 125, 185: bands (59, 71), (119, 131), (179, 191).
  data s = MakeStand({{100, 59}, {101, 59.5f}, {102, 70.9f}, {103, 71}, {104, 100},
                      {105, 125}, {106, 190}, {107, 191}});
  s.SelectCorridors(4.0f, 20.0f, 2);
  EXPECT_EQ(Phases(s), (std::vector<int>{0, 2, 2, 0, 0, 2, 2, 0}));
}

// The row of trees across x after strip roads of width w metres, s apart.
data RoadsAcrossRow(float w, float s) {
  data row = RowAcrossX();
  row.SelectStripRoads(w, s, 1);
  return row;
}

TEST(StripRoads, RoadsAlongTheLongSideClearTheirWholeWidth) {
  // s 20: n = round(9.995) = 10 roads at 10, 30, ..., 190 m, x 50, 110, ...,
  // 590; w 4: h = 0.0025 x 4 x 600 = 6 units, 2 m on either side of the
  // centre line. Half-unit trees inside (C - 6, C + 6): 12 per road.
  const data s = RoadsAcrossRow(4.0f, 20.0f);
  EXPECT_EQ(CountMarked(s, 1), 120);
  ExpectPhasesAtX(s, {{44.5f, 1}, {55.5f, 1}, {56.5f, 0}});
  // s 25: n = round(7.996) = 8 roads at 12.5, ..., 187.5 m, x 57.5, ...,
  // 582.5; (51.5, 63.5) holds the 11 half-unit trees 52.5 .. 62.5.
  const data t = RoadsAcrossRow(4.0f, 25.0f);
  EXPECT_EQ(CountMarked(t, 1), 88);
  ExpectPhasesAtX(t, {{51.5f, 0}, {52.5f, 1}, {587.5f, 1}, {588.5f, 0}});
  // s 50: round(3.998) = 4 roads at 25, 75, 125, 175 m; w 1.5: h = 2.25
  // units, x 95 +- 2.25 holds 93.5 .. 96.5: 4 per road.
  EXPECT_EQ(CountMarked(RoadsAcrossRow(1.5f, 50.0f), 1), 16);
}

TEST(StripRoads, BoundaryTreesStay) {
  // Road centre x 50, w 4: the band is (44, 56).
  data s = MakeStand({{44, 100}, {56, 100}, {44.5f, 100}, {55.9f, 100}, {50, 100}});
  s.SelectStripRoads(4.0f, 20.0f, 3);
  EXPECT_EQ(Phases(s), (std::vector<int>{0, 0, 3, 3, 3}));
}

TEST(LargestTrees, TakesFromTheLargestUntilTheTargetIsReached) {
  // Diameters 20, 30, 40, 50 cm; removal stops once the taken volume reaches
  // the target, the last tree carrying it past.
  data s = MakeStand({{100, 150, 3000}, {110, 60, 5000}, {120, 90, 2000}, {130, 120, 4000}});
  const float v50 = StemVolume(5000, 1800, SpeciesPine) * 0.001f;
  const float v40 = StemVolume(4000, 1800, SpeciesPine) * 0.001f;
  data a = s;
  a.SelectLargestTrees(0, 0.9f * v50);
  EXPECT_EQ(CountMarked(a, 1), 1);
  data b = s;
  b.SelectLargestTrees(0, v50 + 0.5f * v40);
  EXPECT_EQ(CountMarked(b, 1), 2);
  for (const TreeRecord& t : b.Trees) EXPECT_EQ(t.removedBy == 1, t.diameter >= 4000) << t.diameter;
  EXPECT_TRUE(SortedByY(b));
}

TEST(LargestTrees, RunningSumInSinglePrecisionOfTheVolumeInDouble) {
  // removed := f32(0 + v x 0.001) after the first tree, v = 42.0588 dm3 for
  // 10 cm and 10.1 m: 0.0420588031. A target one step above it is not yet
  // reached, so the second tree goes too. (v x 0.001f in single precision
  // would give 0.0420588069, already at the target.)
  data s = MakeStand({{100, 150, 1000, 1010}, {110, 60, 900, 1000}});
  const float v = StemVolume(1000, 1010, SpeciesPine);
  const float taken = static_cast<float>(static_cast<double>(v) * 0.001);
  const float target = std::nextafter(taken, 1.0f);
  ASSERT_GE(v * 0.001f, target);
  s.SelectLargestTrees(0, target);
  EXPECT_EQ(CountMarked(s, 1), 2);
}

}  // namespace
