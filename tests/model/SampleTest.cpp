// Stand sample engine and the measurement class tables.

#include "model/ClassTables.h"
#include "model/Data.h"
#include "model/Sample.h"
#include "model/Settings.h"
#include "texts/Commonlan.h"
#include "platform/Numbers.h"
#include "platform/Random.h"
#include "tests/support/PictureStands.h"
#include "tests/support/StandCompare.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

namespace {

float BasalArea(float d) {
    const float r = 0.00005f * d;
    return 3.14159f * r * r;
}

// A measurement of a thinning stand with the classes of the default
// alternative filled in.
SampleMeasurement Measure(std::array<int, 5> diameter, std::array<int, 5> heightTenths,
                          std::array<int, 5> basalTenths, int grouping = 1) {
    return picturestands::MeasurementOf({4, diameter, heightTenths, basalTenths}, grouping);
}

class SampleFixture : public ::testing::Test {
protected:
    void SetUp() override { platform::ForceSeed(20240601); }
    void TearDown() override {
        platform::ClearForcedSeed();
        FreeSampleTrees();
    }
};

}  // namespace

// ---- Class tables ------------------------------------------------------------

TEST(ClassTables, BetaFit) {
    // (10, 20, 30): m = 20, s^2 = 200 / 11, p = 0.5, v^2 = s^2 / 400 = 1 / 22,
    // r = 1, q = (22 / 4 - 1) / 2 - 1 = 1.25, a1 = 2 x 2.25 / 2 ... = 1.25.
    float a = 0, b = 0;
    FitBetaDistribution(10, 20, 30, a, b);
    EXPECT_NEAR(a, 1.25f, 1e-4f);
    EXPECT_NEAR(b, 1.25f, 1e-4f);
    // Bounds that meet, or a middle on a bound, fall back to even weights.
    FitBetaDistribution(5, 5, 5, a, b);
    EXPECT_EQ(std::pair(a, b), std::pair(0.0f, 0.0f));
    FitBetaDistribution(5, 5, 9, a, b);
    EXPECT_TRUE(std::isfinite(a) && std::isfinite(b));
}

TEST(ClassTables, AlternativeCountsEachSpeciesOnFromThePreviousOnes) {
    // "B3": pine 20 cm, 20.0 m2/ha in classes of 2 cm from 11 cm; birch
    // 12 cm, 5.0 m2/ha counted on from the pine's stems.
    const int basal[5] = {200, 0, 50, 0, 0};
    const int diam[5] = {20, 0, 12, 0, 0};
    int stems[5] = {};
    DiameterClassTable rows;
    ApplyStemCountAlternative(basal, diam, 2, stems, rows);
    EXPECT_NEAR(stems[0], 743, 1);
    EXPECT_EQ(stems[1], 0);
    for (int i = 0; i < 10; ++i) EXPECT_NEAR(rows[0].c[i + 1], 1100 + 200 * i, 1) << i;
    EXPECT_EQ(std::pair(rows[2].cum[0], rows[2].cum[10]), std::pair(stems[0], stems[0] + stems[2]));
    EXPECT_EQ(StemCountAlternativeTotal(basal, diam, 2), stems[0] + stems[2]);
    EXPECT_EQ(SpeciesStemCountFromBasalArea(200, 0, 2, 0, nullptr), 0);
    EXPECT_EQ(SpeciesStemCountFromBasalArea(0, 20, 2, 0, nullptr), 0);
}

TEST(ClassTables, ListsAndTexts) {
    // (The bounds and stem counts at 20 cm are the measurement rules' worked
    // example.) Every alternative spans 1..3 cm at 2 cm; any other is "B1".
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(std::pair(DiameterLowerBound(k, 2), DiameterUpperBound(k, 2)), std::pair(1, 3)) << k;
    }
    EXPECT_EQ(DiameterLowerBound(9, 20), 14);
    EXPECT_EQ(StemCountAlternativeName(7), QStringLiteral("B1"));
    // Mean heights offered for a diameter and species (-1: not looked at).
    const int ranges[][4] = {{4, 0, 4, 8}, {4, 2, -1, 9}, {31, 3, 15, 31}, {44, 0, 16, 33}};
    for (auto [d, species, lowest, highest] : ranges) {
        int lo = 0, hi = 0;
        MeanHeightRange(d, lo, hi, species);
        EXPECT_EQ(std::pair(lowest < 0 ? lowest : lo, hi), std::pair(lowest, highest)) << d << " " << species;
    }
    for (auto [text, tenths] : {std::pair{"25.5", 255}, {" 0.1", 1}, {" 0.0", 0}}) {
        EXPECT_EQ(TenthsFromText(QString::fromLatin1(text)), tenths) << text;
    }
}

// ---- Engine pieces -------------------------------------------------------------

TEST(SampleEngine, MinimumSpacing) {
    // N = 1: t = 11999 / 12000, 7 t^8 + 2 = 8.995; at 12000 stems 2, 1.5 and
    // 0.5 m by grouping, any other grouping as the last.
    EXPECT_NEAR(MinTreeSpacing(1, 0), 8.995f, 0.001f);
    const float cases[][2] = {{0, 2.0f}, {1, 1.5f}, {2, 0.5f}, {7, 0.5f}};
    for (auto [grouping, spacing] : cases) EXPECT_FLOAT_EQ(MinTreeSpacing(12000, static_cast<int>(grouping)), spacing);
}

TEST(SampleEngine, ClassDiameterUsesTheMiddleOfItsOwnClass) {
    // Classes of 2 cm with middles 11, 13, ... cm; two trees in class 0, three
    // in class 1. Class 0 spreads 2 trees over 10..12 cm: 11 and 12 cm.
    DiameterClassRow row;
    const int cum[] = {0, 2, 5, 5, 5, 5, 5, 5, 5, 5, 5};
    for (int i = 0; i < 11; ++i) row.cum[i] = cum[i];
    for (int i = 0; i < 10; ++i) row.c[i + 1] = 1100 + 200 * i;
    EXPECT_FLOAT_EQ(ClassDiameter(row, 0), 1100.0f);  // 1100 - 100 + 1 x 200 / 2
    EXPECT_FLOAT_EQ(ClassDiameter(row, 1), 1200.0f);
    EXPECT_NEAR(ClassDiameter(row, 2), 1266.67f, 0.01f);  // 1300 - 100 + 200 / 3
    EXPECT_FLOAT_EQ(ClassDiameter(row, 4), 1400.0f);
}

TEST(SampleEngine, HeightCurveAndParityVariation) {
    // Pine D = 20 cm, H = 18 m: b = 0.2908 + 0.001341 x 20 - 0.006337 x 18 =
    // 0.203554, a = 20 / sqrt(16.7) - 20 b = 0.82301.
    float a = 0, b = 0;
    HeightCurveParameters(0, 20.0f, 180, a, b);
    EXPECT_NEAR(b, 0.203554f, 1e-5f);
    EXPECT_NEAR(a, 0.82301f, 1e-4f);
    // Curve heights (cm) 1800.56 / 1801.40 / 1801.68 / 1802.52 at d = 2002,
    // 2005, 2006, 2009: even/even 1.01, odd/odd 0.94, even/odd 1.09,
    // odd/even 0.97.
    // Spruce curve with the cube: d = 1501 gives 1400.64 cm, odd/even.
    // Birch: b = 0.2754 - 0.004176 x 13, 1201 gives 1300.47 cm.
    const float cases[][5] = {{0, 2002, 20, 180, 1.01f * 1800.561f}, {0, 2005, 20, 180, 0.94f * 1801.402f},
                              {0, 2006, 20, 180, 1.09f * 1801.681f}, {0, 2009, 20, 180, 0.97f * 1802.519f},
                              {1, 1501, 15, 140, 0.97f * 1400.639f}, {2, 1201, 12, 130, 0.97f * 1300.475f}};
    for (auto [species, d, D, H, h] : cases) {
        EXPECT_NEAR(HeightFromDiameter(static_cast<int>(species), d, D, static_cast<int>(H)), h, 0.05f)
            << species << " " << d;
    }
    // A mean height at breast height or below has no curve: still finite.
    EXPECT_TRUE(std::isfinite(HeightFromDiameter(0, 500, 5, 13)));
    EXPECT_TRUE(std::isfinite(HeightFromDiameter(1, 500, 5, 0)));
}

TEST_F(SampleFixture, AdjustmentEndsTwoStepsLowerWhenAlreadyExact) {
    AllocSampleTrees(3);
    float sum = 0;
    for (int i = 0; i < 3; ++i) {
        SetSampleTree(i, 30, 60, 2000, 1800, 0);
        sum += BasalArea(2000);
    }
    AdjustSampleDiameters(0, 3, sum, sum);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(SampleTreeDiameter(i), 1999.6f, 1e-3f);
    // Mean height 18 m already: two steps of 0.2 cm down as well.
    AdjustSampleHeights(0, 3, 18.0f, 18.0f);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(SampleTreeHeight(i), 1799.6f, 1e-3f);
}

TEST_F(SampleFixture, HeightsStartFromTheMeanOfTheCorrectedDiameters) {
    // A: 10 cm, 20 m (g 0.00785398); B: 20 cm, 10 m (g 0.0314159): mean
    // height (0.15708 + 0.314159) / 0.0392699 = 12.0 m. The measured basal
    // area is that of 15 and 25 cm, 3.14159 (0.075^2 + 0.125^2) = 0.066759,
    // so both diameters grow by about 5 cm; the small, tall tree then weighs
    // more: (0.0176715 x 20 + 0.0490873 x 10) / 0.0667588 = 12.647 m. The
    // measured mean height 12.05 m lies between: the heights must come down
    // to it (steps of 0.2 cm move the mean by 0.002 m), not go up from 12.0.
    AllocSampleTrees(2);
    SetSampleTree(0, 30, 60, 1000, 2000, 0);
    SetSampleTree(1, 60, 90, 2000, 1000, 0);
    MatchSampleSpecies(0, 2, 0.066759f, 12.05f);
    EXPECT_NEAR(SampleTreeDiameter(0), 1500.0f, 0.5f);
    EXPECT_NEAR(SampleTreeDiameter(1) - SampleTreeDiameter(0), 1000.0f, 1e-2f);
    EXPECT_NEAR(SampleMeanHeight(0, 2), 12.05f, 0.0021f);
    EXPECT_LT(SampleTreeHeight(0), 2000.0f);
    EXPECT_NEAR(SampleBasalArea(0, 2), 0.066759f, 0.00002f);
}

// ---- Placement and the whole build ---------------------------------------------

TEST_F(SampleFixture, PlacementKeepsTheSpacingAgainstItsPredecessors) {
    for (int grouping = 0; grouping < 3; ++grouping) {
        for (int n : {1, 10, 60, 3000, 12000}) {
            AllocSampleTrees(n);
            platform::SeedRandom(77 + n);
            PlaceSampleTrees(n, grouping);
            const float spacing = MinTreeSpacing(n, grouping);
            const int k = platform::RoundHalfAway(300.0 / spacing);
            int violations = 0;
            for (int i = 0; i < n; ++i) {
                ASSERT_GE(SampleTreeX(i), 20.0f);
                ASSERT_LT(SampleTreeX(i), 621.0f);
                ASSERT_GE(SampleTreeY(i), 50.0f);
                ASSERT_LT(SampleTreeY(i), 201.0f);
                if (i > 0) {
                    ASSERT_LE(SampleTreeY(i - 1), SampleTreeY(i));
                }
                for (int j = std::max(i - k, 0); j < i; ++j) {
                    const float dx = SampleTreeX(i) - SampleTreeX(j);
                    const float dy = SampleTreeY(i) - SampleTreeY(j);
                    if (std::abs(std::trunc(dx)) < spacing && std::abs(std::trunc(dy)) < spacing &&
                        std::hypot(dx, dy) < spacing)
                        ++violations;
                }
            }
            EXPECT_EQ(violations, 0) << "grouping " << grouping << " n " << n;
        }
    }
}

TEST_F(SampleFixture, RebuildGivesEachSpeciesItsStemsBasalAreaAndMeanHeight) {
    // Pine 20 cm / 18.0 m / 12.0 m2/ha, spruce 14 cm / 13.5 m / 6.5 m2/ha,
    // birch 8 cm / 9.0 m / 1.5 m2/ha.
    const SampleMeasurement m = Measure({20, 14, 8, 0, 0}, {180, 135, 90, 0, 0}, {120, 65, 15, 0, 0});
    const int n = RebuildStandSample(m);
    ASSERT_EQ(n, m.TotalStems());
    ASSERT_EQ(SampleTreeCount(), n);
    for (int s = 0; s < 5; ++s) {
        const int count = m.stems[static_cast<std::size_t>(s)];
        float G = 0, GH = 0, Gnext = 0;
        int ofSpecies = 0;
        for (int i = 0; i < n; ++i) {
            if (SampleTreeSpecies(i) != s) continue;
            ++ofSpecies;
            EXPECT_GT(SampleTreeDiameter(i), 0.0f);
            const float g = BasalArea(SampleTreeDiameter(i));
            G += g;
            GH += g * 0.01f * SampleTreeHeight(i);
            Gnext += BasalArea(SampleTreeDiameter(i) + 0.2f);
        }
        EXPECT_EQ(ofSpecies, count) << s;
        if (count == 0) continue;
        const float target = m.basalAreaTenths[static_cast<std::size_t>(s)] / 10.0f;
        EXPECT_LE(std::abs(G - target), Gnext - G + 1e-5f) << s;
        // One height step moves the mean by 0.002 m.
        EXPECT_NEAR(GH / G, m.meanHeightTenths[static_cast<std::size_t>(s)] / 10.0f, 0.0021f) << s;
    }
}

// Tree for tree the samples the engine has always drawn, over seeds,
// groupings and stem counts (12000 down to a few hundred, a small seedling
// stand): the array after the build, in the y order of the map with its
// summary, and in the height order of the stand view.
TEST_F(SampleFixture, SameSamplesForTheSameSeeds) {
    using picturestands::Measured;
    const std::pair<Measured, std::uint64_t> cases[] = {
        {picturestands::kDense, 0x66c44f64a003c5d2ULL},
        {picturestands::kYoung, 0xc71386647f0517d0ULL},
        {picturestands::kMiddle, 0x0b5ac0a75724b9e7ULL},
        {picturestands::kOld, 0xce02c8393472ae62ULL},
        {Measured{2, {0, 0, 0, 0, 0}, {8, 5, 6, 0, 3}, {0, 0, 0, 0, 0}}, 0xac9ba79a84a78bcfULL}};
    for (const auto& [measured, expected] : cases) {
        standcompare::Digest digest;
        auto addSample = [&digest](int n) {
            for (int i = 0; i < n; ++i)
                digest.Add(SampleTreeX(i), SampleTreeY(i), SampleTreeDiameter(i), SampleTreeHeight(i),
                           SampleTreeSpecies(i));
        };
        for (int grouping = 0; grouping < 3; ++grouping) {
            for (unsigned seed : {1u, 2u}) {
                platform::ForceSeed(seed);
                SampleMeasurement m = picturestands::MeasurementOf(measured, grouping);
                if (measured.developmentClass == 2) m.stems = {800, 500, 600, 0, 300};
                const int n = RebuildStandSample(m);
                addSample(n);
                const SampleSummary sum = SummariseSample(n, 0.0f, measured.developmentClass == 2);
                digest.Add(n, sum.volumes, sum.basalArea, sum.meanHeight, sum.meanDiameter, sum.Code());
                addSample(n);
                if (n > 0) SortSampleTrees(0, n - 1, false);
                addSample(n);
            }
        }
        EXPECT_EQ(digest.value, expected) << std::hex << digest.value;
    }
}

TEST_F(SampleFixture, NoSampleOutsideTheStemLimits) {
    // No stems, 12001 stems: no sample; one small seedling: one tree.
    for (int stems : {0, 12001, 1}) {
        SampleMeasurement m;
        m.stems = {stems, 0, 0, 0, 0};
        m.developmentClass = 2;
        EXPECT_EQ(RebuildStandSample(m), stems == 1 ? 1 : 0) << stems;
        EXPECT_EQ(HasSampleTrees(), stems == 1) << stems;
    }
}

TEST_F(SampleFixture, NewStandTakesTheSample) {
    const SampleMeasurement m = Measure({18, 0, 0, 0, 0}, {160, 0, 0, 0, 0}, {10, 0, 0, 0, 0});
    const int n = RebuildStandSample(m);
    ASSERT_GT(n, 0);
    data stand(n);
    stand.Slots[2].name = QStringLiteral("vanha");
    stand.Trees[0].removedBy = 3;
    MeasurementParams params;
    params.header.standId = QStringLiteral("12a");
    params.blocks[0].words[WordStems] = n;
    params.sampleCount = n;
    stand.FillFromMeasurement(params);
    EXPECT_EQ(std::tuple(stand.Header.standId, stand.SpeciesValue(0, 10), stand.Slots[2].name),
              std::tuple(QStringLiteral("12a"), n, QString()));
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(std::tuple(stand.TreeX(i), stand.TreeY(i), stand.BaseDiameter(i), stand.BaseHeight(i),
                             stand.TreeSpecies(i), stand.TreeRemovedBy(i)),
                  std::tuple(SampleTreeX(i), SampleTreeY(i), SampleTreeDiameter(i), SampleTreeHeight(i),
                             SampleTreeSpecies(i), 0))
            << i;
    }
}

// ---- What the window shows ------------------------------------------------------

TEST_F(SampleFixture, SummaryMeansAndLimits) {
    // 20 cm / 18 m and 10 cm / 12 m: g = 0.0314159 and 0.00785398;
    // hg = (0.0314159 x 18 + 0.00785398 x 12) / 0.0392699 = 16.8 m,
    // dg = (0.0314159 x 20 + 0.00785398 x 10) / 0.0392699 = 18.0 cm.
    AllocSampleTrees(2);
    SetSampleTree(0, 100, 100, 2000, 1800, 0);
    SetSampleTree(1, 200, 60, 1000, 1200, 3);
    SampleSummary s = SummariseSample(2, 10.0f, false);
    // Sorted by y for the map: the tree at y 60 first.
    EXPECT_EQ(std::tuple(s.drawn, SampleTreeSpecies(0), s.anyBroadleaf, s.Code() % 10),
              std::tuple(true, 3, true, 1));
    EXPECT_NEAR(s.basalArea, 0.0392699f, 1e-6f);
    EXPECT_NEAR(s.meanHeight, 16.8f, 1e-4f);
    EXPECT_NEAR(s.meanDiameter, 18.0f, 1e-4f);
    EXPECT_EQ((std::array{SummariseSample(2, 80.1f, false).drawn, SummariseSample(2, 80.0f, false).drawn,
                          SummariseSample(0, 1.0f, false).drawn}),
              (std::array{false, true, false}));
}

TEST(StandMeans, CodesAndTexts) {
    // Over 80 m2/ha -4, over 12000 stems -3 (-2 for a small seedling stand),
    // a small seedling stand -1, otherwise the basal area.
    // Stems, entered and sample basal area, small seedling stand, code.
    const std::tuple<int, float, float, bool, float> codes[] = {{500, 80.1f, 20.0f, false, -4.0f},
                                                                {12001, 80.0f, 20.0f, false, -3.0f},
                                                                {12001, 10.0f, 0.0f, true, -2.0f},
                                                                {12000, 10.0f, 0.0f, true, -1.0f},
                                                                {12000, 80.0f, 22.5f, false, 22.5f}};
    for (auto [stems, entered, basalArea, seedlings, code] : codes)
        EXPECT_EQ(StandMeansCode(stems, entered, basalArea, seedlings), code) << code;
    const std::tuple<float, float, float, const char*> texts[] = {
        {0, 0, -4, "pohjapinta-ala ylittää 80 m2/ha  !"},
        {0, 0, -2, "yli 12000 runkoa/ha"},
        {16.8f, 17.5f, 22.5f, "keskiläpimitta 18 cm,  keskipituus 16.8 m,  pohjapinta-ala 22.5 m2/ha"},
        {0, 0, 0, "keskiläpimitta 0 cm,  keskipituus 0 m,  pohjapinta-ala 0 m2/ha"}};
    for (auto [h, d, code, text] : texts)
        EXPECT_EQ(StandMeansText(h, d, code), QString::fromUtf8(text)) << code;
}

TEST(GrowingStock, ChartOfVolumesAndValues) {
    model::SetDefaultSettings(model::CurrentSettings());
    std::array<std::int32_t, 13> volumes{};
    volumes[0] = 10;
    volumes[6] = 30;
    volumes[12] = 5;
    // 45 m3/ha, logs 30 / 45 = 66.7 % -> 67.
    GrowingStockChart c = GrowingStockChartContent(volumes, 0, false);
    EXPECT_EQ(QStringList({c.title1, c.title2}), QStringList({"puuston tilavuus ", "45 m3/ha, tukki % 67"}));
    ASSERT_TRUE(c.axisVisible);
    ASSERT_EQ(c.bars.size(), 10u);
    EXPECT_EQ(c.bars[0].assortment, 9);
    EXPECT_EQ(std::tuple(c.bars[3].assortment, c.bars[3].value, c.bars[3].colourCode), std::tuple(6, 30, 0));
    EXPECT_EQ(std::tuple(c.bars[9].assortment, c.bars[9].colourCode), std::tuple(12, 100));
    // Default prices 10 per m3 of pulpwood and logs, 1 of energy wood:
    // 100 + 300 + 5 = 405, logs 300 / 405 = 74.1 % -> 74.
    c = GrowingStockChartContent(volumes, 0, true);
    EXPECT_EQ(QStringList({c.title1, c.title2}),
              QStringList({"puuston arvo ", "405 " + CommonlanText(56) + ", tukki % 74"}));
    EXPECT_EQ(c.bars[3].value, 300);
    // Nothing drawn: a zero on the first line, no axis, no bars.
    c = GrowingStockChartContent({}, 0, false);
    EXPECT_EQ(c.title1, QStringLiteral("puuston tilavuus 0 m3/ha"));
    EXPECT_TRUE(c.title2.isEmpty() && !c.axisVisible && c.bars.empty());
    // Over the limits.
    for (auto [stems, basalArea, state] : {std::tuple{12000, 80.0f, 0}, {12001, 80.0f, 1}, {100, 80.1f, 2}})
        EXPECT_EQ(GrowingStockState(stems, basalArea), state) << stems << " " << basalArea;
    c = GrowingStockChartContent({}, 2, false);
    EXPECT_EQ(QStringList({c.title1, c.title2}),
              QStringList({"ei puustoarviota, max.", "pohjapinta-ala 80 m2/ha  !"}));
    EXPECT_EQ(GrowingStockChartContent({}, 1, false).title2, QStringLiteral("runkoluku 12000 kpl/ha  !"));
}

TEST(StemCountChart, BarsAndCaption) {
    const int counts[6] = {700, 0, 150, 0, 25, 0};
    const std::vector<StemCountBar> bars = StemCountChartBars(counts, true);
    ASSERT_EQ(bars.size(), 5u);
    EXPECT_EQ(std::tuple(bars[0].species, bars[0].label, bars[0].colourCode), std::tuple(4, QStringLiteral("leppä"), 14));
    EXPECT_EQ(bars[1].label, QStringLiteral(" "));  // no aspen
    EXPECT_EQ(std::tuple(bars[4].label, bars[4].value), std::tuple(QStringLiteral("mänty"), 700));
    EXPECT_TRUE(StemCountChartBars(counts, false).empty());
    const int none[6] = {};
    EXPECT_TRUE(StemCountChartBars(none, true).empty());
    EXPECT_EQ(StemCountCaption(true, 0, true, QStringLiteral("A1 :  x"), -1),
              QStringLiteral("0 runkoa/ha     (A1)"));
    EXPECT_EQ(StemCountCaption(false, 875, false, QString(), 2), QString());
}
