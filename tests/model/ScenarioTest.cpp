// The engine from measurement to a twice-saved stand: a full 12000-stem
// sample built with a fixed seed, phase 0 recorded, ages estimated, the stand
// file written and read, a low thinning to a target volume, ten years of
// growth with mortality, strip roads, a save over the file and a second read.

#include "model/Ages.h"
#include "model/Phase.h"
#include "model/StandFile.h"
#include "tests/model/CuttingStands.h"
#include "tests/support/FileBytes.h"
#include "tests/support/PictureStands.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class Scenario : public ::testing::Test {
protected:
    void SetUp() override { SetCurrentPhase(0); }
    void TearDown() override { SetCurrentPhase(0); }
    testsupport::TempDir dir;
};

}  // namespace

TEST_F(Scenario, MeasureThinGrowCutAndSaveTwice) {
    // ---- A new stand from the measurement ----
    // Pine 7 cm / 7.0 m / 21.6 m2/ha, spruce 6 cm / 6.0 m / 4.0 m2/ha, birch
    // 5 cm / 6.5 m / 5.3 m2/ha: under "B3" exactly 12000 stems.
    const std::unique_ptr<data> created = picturestands::MakeStand(picturestands::kDense, 31337);
    ASSERT_EQ(created->TreeCount(), 12000);
    EXPECT_EQ(created->SlotTreeCount(0), 12000);
    // The sample matches the measured basal area to within the steps of
    // its correction: 21.6 + 4.0 + 5.3 m2/ha.
    EXPECT_NEAR(created->SlotBasalArea(0), 30.9f, 0.05f);

    EstimateSpeciesAges(*created);
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(created->SpeciesValue(s, 7), 0) << s;   // stand age cleared
        EXPECT_GT(created->SpeciesValue(s, 8), 0) << s;   // first candidate age
        EXPECT_GT(created->SpeciesValue(s, 9), 0) << s;   // candidate count
    }
    EXPECT_EQ(created->SpeciesValue(3, 8), 0);

    const QString path = dir.file(QStringLiteral("7b.Norvalen"));
    ASSERT_EQ(created->WriteNewFile(path), StandFileStatus::Ok);
    std::unique_ptr<data> stand;
    ASSERT_EQ(data::ReadStandFile(path, true, stand), StandFileStatus::Ok);
    // Writing left the object in the file's order.
    cuttingstands::ExpectSameStand(*created, *stand);
    EXPECT_EQ(CurrentPhase(), 0);

    // ---- A low thinning to 25 m3/ha below the measured volume ----
    const int v0 = stand->SlotTotalVolume(0);
    ASSERT_GT(v0, 40);
    const int target = v0 - 25;
    EXPECT_EQ(stand->ThinToTargetVolume(0, static_cast<float>(target), 2, true), target);
    stand->RecordPhase(1, QStringLiteral("Alaharvennus"), 0, 0);
    SetCurrentPhase(100);
    EXPECT_EQ(stand->SlotTotalVolume(1), target);
    const int thinned = cuttingstands::CountMarked(*stand, 1);
    EXPECT_GT(thinned, 0);
    EXPECT_EQ(stand->SlotTreeCount(1), 12000 - thinned);

    // ---- Ten years of growth from the first candidate ages ----
    int ages[kSpeciesSlots] = {};
    for (int s = 0; s < kSpeciesSlots; ++s) ages[s] = stand->SpeciesValue(s, 8);
    stand->SetSpeciesAges(ages);
    stand->GrownSizes1 = stand->AllocGrownSizes();
    SetCurrentPhase(100);
    stand->GrowTrees(stand->GrownSizes1, 2, 10, ages, true, true);
    stand->RecordPhase(2, QStringLiteral("Kasvatus 10 v"), 1, 10);
    const int died = cuttingstands::CountMarked(*stand, 2);
    EXPECT_GT(died, 0);
    EXPECT_EQ(stand->SlotTreeCount(2), 12000 - thinned - died);
    EXPECT_GT(stand->SlotMeanDiameter(2), stand->SlotMeanDiameter(1));
    EXPECT_TRUE(stand->HeightWork.empty());

    // ---- Strip roads 4 m (+ 1 m) wide, 20 m apart ----
    stand->SelectStripRoads(5.0f, 20.0f, 3);
    stand->RecordPhase(3, QStringLiteral("Ajourat"), 0, 0);
    SetCurrentPhase(100);
    const int roads = cuttingstands::CountMarked(*stand, 3);
    EXPECT_GT(roads, 0);
    EXPECT_EQ(stand->SlotTreeCount(3), 12000 - thinned - died - roads);
    ASSERT_EQ(CurrentPhase(), 3);

    // ---- Saved over the file and read again ----
    ASSERT_EQ(stand->Save(path), StandFileStatus::Ok);
    std::unique_ptr<data> back;
    ASSERT_EQ(data::ReadStandFile(path, false, back), StandFileStatus::Ok);
    EXPECT_EQ(CurrentPhase(), 3);
    // Save leaves the object in y order and the file in measured-height order.
    stand->SortTreesForSave(true, true);
    cuttingstands::ExpectSameStand(*stand, *back);
    EXPECT_EQ(std::pair(back->Header.standId, back->Header.area), std::pair(QStringLiteral("7b"), 2.0f));
    // What was read writes the same bytes again.
    EXPECT_TRUE(standfile::EncodeStand(*back) == testsupport::ReadAll(path));
}
