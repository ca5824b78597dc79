// Operation recommendation against the recommendation thresholds.

#include "model/Phase.h"
#include "model/Recommend.h"
#include "model/Settings.h"

#include <gtest/gtest.h>

namespace {

// Default thresholds (the same for "ma_" and "ko_"): cc_d13 25, hurry 27,
// cc_ppa 20, th1_h 14, th1_ppa 22 (hurry 29, target 16), th2_ppa 22
// (hurry 30, target 15), min_rlk 3000.
class Recommend : public ::testing::Test {
protected:
    // Every test starts and ends with the default settings at the measured phase.
    void SetUp() override { TearDown(); }
    void TearDown() override {
        model::SetDefaultSettings(model::CurrentSettings());
        SetCurrentPhase(0);
    }
    // A stand of `pine` pines and `birch` birches with slot k set.
    static data Stand(int pine, int birch) {
        data stand(pine + birch);
        for (int i = 0; i < pine + birch; ++i)
            stand.Trees[static_cast<std::size_t>(i)].species = i < pine ? 0 : 2;
        return stand;
    }
    static void Slot(data& stand, int k, float G, float D, float H, int N, int years = 0) {
        stand.Slots[static_cast<std::size_t>(k)] = PhaseSlot{QStringLiteral("vaihe"), years, N, {}, G, D, H, {}};
    }
};

}  // namespace

TEST_F(Recommend, RegenerationThinningAndDenseStands) {
    // 26.5 cm counts as 27, at the urgent diameter: regeneration outright. 25
    // cm and 24 m2/ha (not below th2_ppa 22): regeneration or thinning; with
    // only 19.9 m2/ha no regeneration, and below 22 no thinning. H 16 m >=
    // th1_h 14: the later-thinning limit 22 applies, urgent from 30; H 12 m <
    // 14: first thinning, urgent from 29. Dense from 3000 stems.
    struct Case {
        float G, D, H;
        int N;
        const char* text;
        bool regeneration;
    };
    const Case cases[] = {
        {21.0f, 26.5f, 20.0f, 600, "puuston Keskiläpimitta 27 cm,  Harkitse uudistushakkuuta    !", true},
        {24.0f, 25.4f, 20.0f, 600, "puuston Keskiläpimitta 25 cm,  Harkitse uudistus - tai kasvatushakkuuta    !", true},
        {19.9f, 25.4f, 20.0f, 600, "", false},
        {25.0f, 18.0f, 16.0f, 1200, "puuston Pohjapinta-ala 25.0 m2/ha,  Harkitse kasvatushakkuuta    !", false},
        {30.0f, 18.0f, 16.0f, 1200, "puuston Pohjapinta-ala 30.0 m2/ha,  Harkitse kasvatushakkuuta välittömästi    !", false},
        {29.0f, 14.0f, 12.0f, 2000, "puuston Pohjapinta-ala 29.0 m2/ha,  Harkitse kasvatushakkuuta välittömästi    !", false},
        {10.0f, 8.0f, 7.0f, 3500, "puuston Runkoluku 3500 kpl/ha,  Harkitse puuston harventamista    !", false},
        {10.0f, 8.0f, 7.0f, 2999, "", false}};
    data stand = Stand(10, 0);
    for (const Case& c : cases) {
        Slot(stand, 0, c.G, c.D, c.H, c.N);
        const OperationRecommendation r = RecommendOperation(stand, 0, false);
        EXPECT_EQ(r.text, QString::fromUtf8(c.text)) << c.G << " " << c.D;
        EXPECT_EQ(r.regeneration, c.regeneration) << c.G << " " << c.D;
    }
}

TEST_F(Recommend, BasalAreaToLeaveAfterACutting) {
    data stand = Stand(10, 0);
    // Phase 1 a thinning: mode "after cutting"; H of phase 0 is 16 m, so the
    // target is th2_ppa_target 15 and G0 = 25 >= 15.
    Slot(stand, 0, 25.0f, 18.0f, 16.0f, 1200);
    Slot(stand, 1, 14.0f, 18.5f, 16.2f, 700);
    EXPECT_EQ(RecommendOperation(stand, 1, true).text,
              QStringLiteral("puuston Pohjapinta-ala 14.0 m2/ha,  suositus 13.0 - 17.0 m2/ha    !"));
    // Another time point chosen: 14 < 15, no thinning, few stems: nothing.
    EXPECT_TRUE(RecommendOperation(stand, 1, false).text.isEmpty());
    // A growing step after the cutting is judged as uncut, by its own height.
    Slot(stand, 2, 23.0f, 20.0f, 17.0f, 690, 10);
    EXPECT_EQ(RecommendOperation(stand, 2, true).text,
              QStringLiteral("puuston Pohjapinta-ala 23.0 m2/ha,  Harkitse kasvatushakkuuta    !"));
    // Two growing steps in a row: the second is judged by what to leave, with
    // phase 1's height (13 m < 14: th1 target 16) and phase 1's basal area.
    data grown = Stand(10, 0);
    Slot(grown, 0, 12.0f, 12.0f, 11.0f, 1500);
    Slot(grown, 1, 18.0f, 14.0f, 13.0f, 1450, 10);
    Slot(grown, 2, 24.0f, 16.0f, 15.0f, 1400, 10);
    EXPECT_EQ(RecommendOperation(grown, 2, true).text,
              QStringLiteral("puuston Pohjapinta-ala 24.0 m2/ha,  suositus 14.0 - 18.0 m2/ha    !"));
    SetCurrentPhase(2);
    EXPECT_EQ(OperationRecommendationText(grown, true), RecommendOperation(grown, 2, true).text);
}

TEST_F(Recommend, ConiferShareChoosesTheKeys) {
    model::SettingsRecord& r = model::CurrentSettings();
    r.birchFinalCutDiameter = 23;
    r.pineFinalCutDiameter = 26;
    data even = Stand(2, 3);  // 2 x 100 / 5 = 40 %: conifer keys
    EXPECT_TRUE(IsConiferDominated(even));
    EXPECT_EQ(SilvicultureThreshold(even, ThresholdCutDiameter), 26);
    EXPECT_EQ(SilvicultureThreshold(even, ThresholdCutDiameterHurry), 28);
    data birchy = Stand(2, 4);  // 33 %: broadleaf keys
    EXPECT_FALSE(IsConiferDominated(birchy));
    EXPECT_EQ(SilvicultureThreshold(birchy, ThresholdCutDiameter), 23);
    EXPECT_EQ(SilvicultureThreshold(birchy, ThresholdDenseStems), 3000);
    EXPECT_EQ(SilvicultureThreshold(birchy, ThresholdLaterTarget), 15);
    EXPECT_EQ(SilvicultureThreshold(birchy, 11), 0);
    EXPECT_EQ(SilvicultureThreshold(birchy, -1), 0);
    // Removed trees do not count: with two birches gone it is 50 %.
    birchy.SetTreeRemovedBy(4, 1);
    birchy.SetTreeRemovedBy(5, 1);
    EXPECT_TRUE(IsConiferDominated(birchy));
    // Nothing stands: the recorded trees decide; no trees at all: conifer.
    for (int i = 0; i < 6; ++i) birchy.SetTreeRemovedBy(i, 1);
    EXPECT_FALSE(IsConiferDominated(birchy));
    data empty(0);
    EXPECT_TRUE(IsConiferDominated(empty));
    EXPECT_EQ(SilvicultureKeyName(9, false), QStringLiteral("ko_th2_ppa_target"));
}

TEST_F(Recommend, ButtonStates) {
    data stand = Stand(5, 0);
    RecommendationButtonStates b = RecommendationButtons(stand, 0, true, true);
    EXPECT_TRUE(b.apply);
    EXPECT_TRUE(b.updateUndo);
    EXPECT_TRUE(b.enableStripRoads && b.enableRegeneration && b.enableSelection && b.enableSelectionOrGap);
    EXPECT_FALSE(b.enableThinning || b.enableSpeciesRemoval || b.enableCorridors);
    EXPECT_EQ(b.cuttingStageItem, 1);
    EXPECT_EQ(RecommendationButtons(stand, 0, true, false).cuttingStageItem, 0);
    EXPECT_EQ(RecommendationButtons(stand, 0, false, true).cuttingStageItem, -1);
    // Phase 1 a growing step: only the cutting stage and the visibility.
    Slot(stand, 1, 20.0f, 20.0f, 18.0f, 500, 10);
    b = RecommendationButtons(stand, 1, true, false);
    EXPECT_TRUE(b.apply);
    EXPECT_FALSE(b.measuredState);
    EXPECT_EQ(b.cuttingStageItem, 0);
    EXPECT_TRUE(b.updateVisibility);
    // Phase 1 a cutting: nothing.
    Slot(stand, 1, 20.0f, 20.0f, 18.0f, 500, 0);
    EXPECT_FALSE(RecommendationButtons(stand, 1, true, false).apply);
}
