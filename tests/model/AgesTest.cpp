// Stand-age estimate: start ages, calibration and candidate counts.

#include "model/Ages.h"
#include "tests/model/CuttingStands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

namespace {

// n pines of one size recorded as measured, with the species block's mean
// diameter, stems and an age set.
data PineStand(int n, float d, float h) {
    data stand = cuttingstands::UniformStand(n, d, h);
    auto& words = stand.SpeciesBlocks[0].words;
    words[WordMeanDiameter] = static_cast<int>(std::lround(d / 100.0f));
    words[WordStems] = n;
    words[WordAge] = 77;
    return stand;
}

// V20 - T > V0 for the given ages, as the calibration tests it.
bool StillAboveTarget(data& stand, const int ages[kSpeciesSlots], float T) {
    GrownSizeArray work = stand.AllocGrownSizes();
    stand.GrowTrees(work, 1, 20, ages, false, true);
    int V20 = 0;
    float g = 0, dg = 0, hg = 0;
    stand.AssortmentTotalsOf(work, V20, g, dg, hg);
    return static_cast<float>(V20) - T > stand.MeasuredVolumeAllTrees();
}

}  // namespace

TEST(Ages, StartAgesByMeanDiameter) {
    // Table rows and the formula beyond 10 cm: pine 12 cm 12 + R(3.3) = 15,
    // alder 14 cm 14, spruce 13 cm 16 + R(4.62) = 21, birch 35 cm
    // 10 + R(28.5) = 39, aspen 20 cm 20. Below the table pine would start at
    // 12 - 15 = -3: one year instead (and birch too).
    const int cases[][3] = {{0, 2, 6},   {1, 3, 10},  {2, 5, 5},   {0, 7, 9},   {1, 10, 16}, {4, 8, 8}, {0, 12, 15},
                            {4, 14, 14}, {1, 13, 21}, {2, 35, 39}, {3, 20, 20}, {0, 1, 1},   {2, 1, 1}};
    for (auto [species, d, age] : cases) EXPECT_EQ(StartAge(species, d), age) << species << " " << d;
}

TEST(Ages, CalibrationTarget) {
    // Only birch, 6 cm, G 10, N 1800: 240 - 20 x 2 + 20 + 60 x 0.125^2 +
    // 60 x 0.15 = 229.9375.
    EXPECT_NEAR(AgeCalibrationTarget(6.0f, 10.0f, 1800, true), 229.9375f, 1e-3f);
    EXPECT_NEAR(AgeCalibrationTarget(6.0f, 10.0f, 1800, false), 209.9375f, 1e-3f);
    // 12 cm, G 0, N 900: 240 + 4.5 = 244.5, pulled toward 30:
    // sqrt(0.5) x 214.5 + 30 = 181.675.
    EXPECT_NEAR(AgeCalibrationTarget(12.0f, 0.0f, 900, false), 181.675f, 1e-3f);
    // d = 8 takes no diameter term; the broadleaf term needs d below 8.
    EXPECT_NEAR(AgeCalibrationTarget(8.0f, 0.0f, 1800, true), 249.0f, 1e-3f);
}

TEST(Ages, CandidateCounts) {
    // pine 25 cm: 62 capped at 51; pine 6 cm: 15 < 20 -> trunc(1.5 x 8) = 12;
    // birch 10 cm: 25; aspen 20 cm: 50 capped at 31; alder 10 cm: 25 capped
    // at 21; no diameter: 0.
    // Second: pine 6 cm 12, birch 7 cm 17 < 20 -> trunc(1.5 x 11) = 16,
    // aspen 8 cm 20 as it is.
    data stand(1);
    const int ages[kSpeciesSlots] = {8, 0, 11, 20, 10, 0};
    const int m1[kSpeciesSlots] = {25, 0, 10, 20, 10, 0}, m2[kSpeciesSlots] = {6, 0, 7, 8, 0, 0};
    std::array<int, kSpeciesSlots> counts{};
    ComputeAgeChoiceCounts(stand, counts.data(), ages, m1);
    EXPECT_EQ(counts, (std::array<int, kSpeciesSlots>{51, 0, 25, 31, 21, 0}));
    ComputeAgeChoiceCounts(stand, counts.data(), ages, m2);
    EXPECT_EQ(counts, (std::array<int, kSpeciesSlots>{12, 0, 16, 20, 0, 0}));
}

TEST(Ages, LargestAgesTheProgramWrites) {
    // First candidate age: pine and spruce of 45 cm start at 12 + R(57.75) =
    // 16 + R(53.9) = 70; 150 rounds of 2 years less the step back: 369.
    // Counts: the ceiling, or 1.5 x the age when more: pine from 30: 51, from
    // 40: 60; birch from 30: 45; alder from 10: 21; no age: none; beyond the
    // largest age as from it: 553. The stand age: the last of 553 from 369.
    EXPECT_EQ(std::tuple(LargestFirstCandidateAge(), LargestAgeChoiceCount(0, 30), LargestAgeChoiceCount(0, 40),
                         LargestAgeChoiceCount(2, 30), LargestAgeChoiceCount(4, 10), LargestAgeChoiceCount(1, 0),
                         LargestAgeChoiceCount(0, 2147483647), LargestStandAge()),
              std::tuple(369, 51, 60, 45, 21, 0, 553, 921));
}

TEST(Ages, SparseStandKeepsItsStartAges) {
    // 20 pines of 12 cm: target sqrt(20 / 1800) (240.1 - 30) + 30 = 52 m3/ha,
    // far above what 20 trees add in 20 years; no raise, no step back.
    // Pine: the age (word 8) cleared, first candidate 12 + R(3.3) = 15,
    // trunc(2.5 x 12) = 30 candidates; none for birch.
    data stand = PineStand(20, 1200.0f, 1100.0f);
    EstimateSpeciesAges(stand);
    EXPECT_EQ(std::tuple(stand.SpeciesValue(0, 7), stand.SpeciesValue(0, 8), stand.SpeciesValue(0, 9),
                         stand.SpeciesValue(2, 8), stand.SpeciesValue(2, 9)),
              std::tuple(0, 15, 30, 0, 0));
    EXPECT_TRUE(stand.TimingWork.empty());
}

TEST(Ages, CalibrationGivesTheAgesOfTheOneByOneLoop) {
    // The loop as written: grow 20 years at the ages, and while V20 - T > V0
    // raise every age above 0 by the step; at the end one year back when any
    // age was raised. Large stands (rounds tried several at a time) and a
    // small one, with one, two and three species; the one of 3000 trees and
    // the single species must be raised (mean diameter 14 cm: steps of 2).
    struct Case {
        int n;
        float pineD, birchD, spruceD;
    };
    for (const Case c : {Case{3000, 1400.0f, 900.0f, 0.0f}, Case{1200, 800.0f, 600.0f, 700.0f},
                         Case{300, 1600.0f, 0.0f, 1100.0f}, Case{2500, 1400.0f, 0.0f, 0.0f}}) {
        data stand(c.n);
        for (int i = 0; i < c.n; ++i) {
            TreeRecord& t = stand.Trees[static_cast<std::size_t>(i)];
            t.x = 20.0f + static_cast<float>((i * 37) % 600);
            t.y = 50.0f + static_cast<float>((i * 11) % 150);
            const int s = i % 3 == 0 ? 2 : (i % 3 == 1 ? 0 : 1);
            const float d = s == 0 ? c.pineD : (s == 2 ? c.birchD : c.spruceD);
            t.species = d > 0.0f ? s : 0;
            const float base = d > 0.0f ? d : c.pineD;
            t.diameter = base * (0.7f + 0.6f * static_cast<float>(i % 7) / 6.0f);
            t.height = 0.9f * base * (0.9f + 0.2f * static_cast<float>(i % 4) / 3.0f);
        }
        stand.RecordPhase(0, QStringLiteral("mitattu"), 0, 0);
        int start[kSpeciesSlots] = {StartAge(0, 14), c.spruceD > 0 ? StartAge(1, 11) : 0,
                                    c.birchD > 0 ? StartAge(2, 9) : 0, 0, 0, 0};
        const float d = stand.SlotMeanDiameter(0);
        const int step = d >= 10.0f ? 2 : 1;
        const float T = AgeCalibrationTarget(d, stand.SlotBasalArea(0), stand.SlotTreeCount(0),
                                             false);
        int expected[kSpeciesSlots];
        std::copy(start, start + kSpeciesSlots, expected);
        bool raised = false;
        while (StillAboveTarget(stand, expected, T)) {
            for (int& a : expected) a += a > 0 ? step : 0;
            raised = true;
            ASSERT_LT(expected[0], 400);
        }
        if (raised) for (int& a : expected) a -= a > 0 ? 1 : 0;
        int ages[kSpeciesSlots];
        std::copy(start, start + kSpeciesSlots, ages);
        CalibrateSpeciesAges(stand, ages);
        for (int s = 0; s < kSpeciesSlots; ++s) EXPECT_EQ(ages[s], expected[s]) << c.n << " " << s;
        EXPECT_TRUE(raised || (c.n != 3000 && c.n != 2500)) << c.n;
    }
}

TEST(Ages, CalibrationWithoutAgesEnds) {
    // No species has an age to raise: the increment cannot change, so the
    // calibration ends at once instead of growing the same stand forever.
    data stand = PineStand(2500, 1400.0f, 1200.0f);
    int ages[kSpeciesSlots] = {};
    const float T = AgeCalibrationTarget(stand.SlotMeanDiameter(0), stand.SlotBasalArea(0),
                                         stand.SlotTreeCount(0), false);
    ASSERT_TRUE(StillAboveTarget(stand, ages, T));
    CalibrateSpeciesAges(stand, ages);
    for (int a : ages) EXPECT_EQ(a, 0);
    EXPECT_TRUE(stand.TimingWork.empty());
}
