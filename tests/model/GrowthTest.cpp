// Growth in five-year periods with natural mortality.

#include "model/Calc.h"
#include "tests/model/CuttingStands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace {

using cuttingstands::UniformStand;

float Basal(float dcm) { return 3.14159f * (0.005f * dcm) * (0.005f * dcm); }

}  // namespace

TEST(Growth, TwelveYearsGrowInPeriodsOfFiveFiveAndTwoWithAgesRaisedByFive) {
    // One pine of 20 cm and 18 m, age 40. By hand: the stand is the tree, so
    // G is its basal area, Dg its diameter and Hdom its height, renewed after
    // each period; the periods are 5, 5 and 2 years at ages 40, 45 and 50.
    data stand = UniformStand(1, 2000.0f, 1800.0f);
    const int ages[kSpeciesSlots] = {40, 0, 0, 0, 0, 0};
    float d = 20.0f, h = 18.0f;
    const int lengths[] = {5, 5, 2};
    for (int i = 0; i < 3; ++i) {
        float nd = 0, nh = 0;
        TreeGrowthStep(nd, nh, d, h, 0, 40.0f + 5.0f * i, lengths[i], Basal(d), d, h, h);
        d = nd;
        h = nh;
    }
    GrownSizeArray out = stand.AllocGrownSizes();
    stand.GrowTrees(out, 1, 12, ages, false, true);
    EXPECT_NEAR(out[0].diameter, d * 100.0f, d * 100.0f * 1e-5f);
    EXPECT_NEAR(out[0].height, h * 100.0f, h * 100.0f * 1e-5f);
    EXPECT_GT(out[0].diameter, 2000.0f);

    // 5 years: one period; 1 year: one period of one year.
    for (int years : {5, 1}) {
        TreeGrowthStep(d, h, 20.0f, 18.0f, 0, 40.0f, years, Basal(20.0f), 20.0f, 18.0f, 18.0f);
        stand.GrowTrees(out, 1, years, ages, false, true);
        EXPECT_NEAR(out[0].diameter, d * 100.0f, 0.01f) << years;
        EXPECT_NEAR(out[0].height, h * 100.0f, 0.01f) << years;
    }
}

TEST(Growth, MortalityIntervalWorkedValues) {
    // N 1000, G 20, A 50: D = 1.125 x 500 x 0.0625 + 20 = 55.16, E = 50^1.32 =
    // 174.8, R = (0.699 + 0.1 + 0.1269) x 0.2 = 0.1852, Q = 28.125 R = 5.209,
    // k = 2000 / (5 Q) = 76.8 -> 77 (L = 3: 128).
    // N 2000, G 25, A 30: 111; N 500, G 10, A 80: 49.
    data stand(1);
    const float cases[][6] = {{0, 1000, 20, 5, 50, 77}, {0, 1000, 20, 3, 50, 128}, {1, 2000, 25, 5, 30, 111},
                              {2, 500, 10, 5, 80, 49}};
    for (auto [k, N, G, L, A, want] : cases) {
        stand.Slots[static_cast<std::size_t>(k)].stems = static_cast<int>(N);
        stand.Slots[static_cast<std::size_t>(k)].basalArea = G;
        EXPECT_EQ(stand.MortalityInterval(static_cast<int>(k), static_cast<int>(L), A), static_cast<int>(want)) << k;
    }
}

TEST(Growth, MortalityMarksEveryKthStandingTreeFromTheEnd) {
    // Slot 0 with no stems and no age: D = 500 (0.0125 G)^2 + 20, E = 0.
    // G = 360: D = 10145, R = 4.687, Q = 131.8, k = 3.03 -> 3.
    // G = 444: k = 1.999 -> 2. G = 600: k = 1.10 -> 1.
    const int ages[kSpeciesSlots] = {};
    auto run = [&](float G, int preRemoved) {
        data stand = UniformStand(10, 1000.0f, 1000.0f);
        stand.Slots[0].stems = 0;
        stand.Slots[0].basalArea = G;
        if (preRemoved >= 0) stand.SetTreeRemovedBy(preRemoved, 4);
        stand.ApplyMortality(0, 5, ages, 5, false);
        std::vector<int> dead;
        for (int i = 0; i < 10; ++i)
            if (stand.TreeRemovedBy(i) == 1) dead.push_back(i);
        return dead;
    };
    // k = 3: the 2nd standing tree from the end dies, then every 3rd.
    EXPECT_EQ(run(360.0f, -1), (std::vector<int>{2, 5, 8}));
    // A tree removed earlier is not counted: 9 8 [7] 6 5 4 ...
    EXPECT_EQ(run(360.0f, 7), (std::vector<int>{1, 4, 8}));
    // k = 2: every second from the end, the last tree first.
    EXPECT_EQ(run(444.0f, -1), (std::vector<int>{1, 3, 5, 7, 9}));
    // k = 1: nobody dies.
    EXPECT_TRUE(run(600.0f, -1).empty());
}

TEST(Growth, MeanAgeByVolumeByStemsAndOfNothing) {
    data stand = UniformStand(8, 1000.0f, 1000.0f);
    // Volumes: pine 10 + 30, birch 8 + 2; ages 50 and 30, 5 years elapsed:
    // (40 x 55 + 10 x 35) / 50 = 51.
    PhaseSlot& slot = stand.Slots[3];
    slot.volumes = {10, 0, 8, 0, 0, 0, 30, 0, 2};
    const int ages[kSpeciesSlots] = {50, 0, 30, 0, 0, 0};
    EXPECT_EQ(stand.MeanAgeWeighted(3, ages, 5), 51.0f);
    // No volume: by stems. 3 pine (40), 1 birch (20), 4 spruce without age:
    // (3 x 40 + 20) / 8 = 17.5 -> 17.
    slot.volumes = {};
    for (int i = 0; i < 8; ++i) stand.Trees[static_cast<std::size_t>(i)].species = i < 3 ? 0 : (i == 3 ? 2 : 1);
    const int ages2[kSpeciesSlots] = {40, 0, 20, 0, 0, 0};
    EXPECT_EQ(stand.MeanAgeWeighted(3, ages2, 0), 17.0f);
    // Nothing stands: 0, not a division by zero.
    for (int i = 0; i < 8; ++i) stand.SetTreeRemovedBy(i, 1);
    EXPECT_EQ(stand.MeanAgeWeighted(3, ages2, 0), 0.0f);
}

TEST(Growth, DominantHeightIsTheMeanOfTheHundredTallest) {
    // Heights 1 .. 150 m: the 100 tallest are 51 .. 150 m, mean 100.5 m.
    data stand(150);
    for (int i = 0; i < 150; ++i) stand.Trees[static_cast<std::size_t>(i)].height = 100.0f * (150 - i);
    stand.AllocHeightWork(150);
    EXPECT_NEAR(stand.MeanOfTallest(150, true), 100.5f, 1e-3f);
    // Fewer than 100 entries: all of them. The refill walks from the last tree
    // and stops when the array is full: 1 .. 30 m, mean 15.5.
    stand.AllocHeightWork(30);
    EXPECT_NEAR(stand.MeanOfTallest(30, true), 15.5f, 1e-4f);
    stand.AllocHeightWork(0);
    EXPECT_EQ(stand.MeanOfTallest(0, true), 0.0f);
    stand.FreeHeightWork();
    EXPECT_TRUE(stand.HeightWork.empty());
}

TEST(Growth, DeadTreesGetUnitSizesAndASecondStepGrowsOnFromTheFirst) {
    // 200 pines of 15 cm / 14 m aged 50: G = 200 x 0.0176714 = 3.534 m2/ha,
    // mean age 55 after the 5 years; D = 1.025 x 500 x 0.00195 + 20 = 21.0,
    // E = 55^1.32 = 198.3, R = 0.1883, Q = 5.295, k = 75.5 -> 76: the 75th
    // tree from the end (index 125) dies, then index 49.
    data stand = UniformStand(200, 1500.0f, 1400.0f);
    const int ages[kSpeciesSlots] = {50, 0, 0, 0, 0, 0};
    EXPECT_EQ(stand.MortalityInterval(0, 5, 55.0f), 76);

    stand.GrownSizes1 = stand.AllocGrownSizes();
    stand.GrowTrees(stand.GrownSizes1, 1, 5, ages, true, true);
    std::vector<int> dead;
    for (int i = 0; i < 200; ++i) {
        if (stand.TreeRemovedBy(i) != 0) {
            dead.push_back(i);
            EXPECT_EQ(stand.TreeRemovedBy(i), 1);
            const GrownSize& g = stand.GrownSizes1[static_cast<std::size_t>(i)];
            EXPECT_EQ(std::pair(g.diameter, g.height), std::pair(1.0f, 1.0f));
        } else {
            EXPECT_GT(stand.GrownSizes1[static_cast<std::size_t>(i)].diameter, 1500.0f);
            EXPECT_GT(stand.GrownSizes1[static_cast<std::size_t>(i)].height, 1400.0f);
        }
    }
    EXPECT_EQ(dead, (std::vector<int>{49, 125}));
    stand.RecordPhase(1, QStringLiteral("Kasvatus 5 v"), 1, 5);
    EXPECT_EQ(stand.SlotTreeCount(1), 198);

    // A second step grows on from the first step's sizes.
    const int ages2[kSpeciesSlots] = {55, 0, 0, 0, 0, 0};
    stand.GrownSizes2 = stand.AllocGrownSizes();
    stand.GrowTrees(stand.GrownSizes2, 2, 5, ages2, true, false);
    for (int i = 0; i < 200; ++i) {
        if (stand.TreeRemovedBy(i) != 0) continue;
        EXPECT_GT(stand.GrownSizes2[static_cast<std::size_t>(i)].diameter,
                  stand.GrownSizes1[static_cast<std::size_t>(i)].diameter) << i;
    }
}

TEST(Growth, GuardsAgainstBadInput) {
    const int ages[kSpeciesSlots] = {30, 0, 0, 0, 0, 0};
    // Years outside 1..20: nothing grows, nothing dies.
    data stand = UniformStand(20, 1500.0f, 1400.0f);
    GrownSizeArray out = stand.AllocGrownSizes();
    stand.GrowTrees(out, 1, 0, ages, true, true);
    stand.GrowTrees(out, 1, 21, ages, true, true);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(out[static_cast<std::size_t>(i)].diameter, 0.0f);
        EXPECT_EQ(stand.TreeRemovedBy(i), 0);
    }

    // Nothing stands: every tree (1, 1), no NaN.
    for (int i = 0; i < 20; ++i) stand.SetTreeRemovedBy(i, 1);
    stand.GrowTrees(out, 2, 10, ages, true, true);
    for (const GrownSize& g : out) EXPECT_EQ(std::pair(g.diameter, g.height), std::pair(1.0f, 1.0f));

    // A spruce of age 0 grows to finite sizes.
    data young = UniformStand(12, 300.0f, 350.0f, 1);
    const int none[kSpeciesSlots] = {};
    GrownSizeArray y = young.AllocGrownSizes();
    young.GrowTrees(y, 1, 20, none, true, true);
    for (int i = 0; i < 12; ++i) {
        if (young.TreeRemovedBy(i) != 0) continue;
        EXPECT_TRUE(std::isfinite(y[static_cast<std::size_t>(i)].diameter));
        EXPECT_GE(y[static_cast<std::size_t>(i)].diameter, 300.0f);
    }

    // A slot that counts fewer stems than actually stand: the work array
    // holds every standing tree.
    data odd = UniformStand(50, 1500.0f, 1400.0f);
    odd.Slots[0].stems = 3;
    GrownSizeArray o = odd.AllocGrownSizes();
    odd.GrowTrees(o, 1, 20, ages, false, true);
    for (const GrownSize& g : o) EXPECT_TRUE(std::isfinite(g.diameter) && g.diameter > 1500.0f);
}
