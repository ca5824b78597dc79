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
    // Pine 7 cm / 7.0 m / 21.6 m2/ha, spruce 6 cm / 6.0 m / 4.0 m2/ha, birch
    // 5 cm / 6.5 m / 5.3 m2/ha: under "B3" exactly 12000 stems, whose basal
    // area is the measured one to within the steps of its correction.
    const std::unique_ptr<data> created = picturestands::MakeStand(picturestands::kDense, 31337);
    ASSERT_EQ(created->SlotTreeCount(0), 12000);
    EXPECT_NEAR(created->SlotBasalArea(0), 30.9f, 0.05f);
    EstimateSpeciesAges(*created);
    const QString path = dir.file(QStringLiteral("7b.Norvalen"));
    ASSERT_EQ(created->WriteNewFile(path), StandFileStatus::Ok);
    std::unique_ptr<data> stand;
    ASSERT_EQ(data::ReadStandFile(path, true, stand), StandFileStatus::Ok);
    cuttingstands::ExpectSameStand(*created, *stand);  // writing left it in the file's order

    // A low thinning to 25 m3/ha below the measured volume.
    const int target = stand->SlotTotalVolume(0) - 25;
    EXPECT_EQ(stand->ThinToTargetVolume(0, static_cast<float>(target), 2, true), target);
    stand->RecordPhase(1, QStringLiteral("Alaharvennus"), 0, 0);
    EXPECT_EQ(stand->SlotTotalVolume(1), target);

    // Ten years of growth with mortality from the first candidate ages.
    int ages[kSpeciesSlots] = {};
    for (int s = 0; s < kSpeciesSlots; ++s) ages[s] = stand->SpeciesValue(s, 8);
    ASSERT_GT(ages[0], 0);
    stand->SetSpeciesAges(ages);
    stand->GrownSizes1 = stand->AllocGrownSizes();
    SetCurrentPhase(100);
    stand->GrowTrees(stand->GrownSizes1, 2, 10, ages, true, true);
    stand->RecordPhase(2, QStringLiteral("Kasvatus 10 v"), 1, 10);
    EXPECT_GT(cuttingstands::CountMarked(*stand, 2), 0);
    EXPECT_GT(stand->SlotMeanDiameter(2), stand->SlotMeanDiameter(1));

    // Strip roads 4 m (+ 1 m) wide, 20 m apart; saved over the file.
    stand->SelectStripRoads(5.0f, 20.0f, 3);
    stand->RecordPhase(3, QStringLiteral("Ajourat"), 0, 0);
    SetCurrentPhase(100);
    EXPECT_GT(cuttingstands::CountMarked(*stand, 3), 0);
    ASSERT_EQ(stand->Save(path), StandFileStatus::Ok);
    std::unique_ptr<data> back;
    ASSERT_EQ(data::ReadStandFile(path, false, back), StandFileStatus::Ok);
    EXPECT_EQ(CurrentPhase(), 3);
    stand->SortTreesForSave(true, true);  // the file's order
    cuttingstands::ExpectSameStand(*stand, *back);
    EXPECT_TRUE(standfile::EncodeStand(*back) == testsupport::ReadAll(path));
}
