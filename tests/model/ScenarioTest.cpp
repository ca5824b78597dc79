// The engine from measurement to a twice-saved stand: a full 12000-stem
// sample built with a fixed seed, phase 0 recorded, ages estimated, the stand
// file written and read, a low thinning to a target volume, ten years of
// growth with mortality, strip roads, a save over the file and a second read.

#include "model/Ages.h"
#include "model/ClassTables.h"
#include "model/Phase.h"
#include "model/Sample.h"
#include "model/StandFile.h"
#include "platform/Random.h"
#include "tests/model/CuttingStands.h"
#include "tests/support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <tuple>
#include <vector>

namespace {

// Pine 7 cm / 7.0 m / 21.6 m2/ha, spruce 6 cm / 6.0 m / 4.0 m2/ha, birch
// 5 cm / 6.5 m / 5.3 m2/ha: under "B3" exactly 12000 stems.
SampleMeasurement FullMeasurement() {
    SampleMeasurement m;
    m.meanDiameter = {7, 6, 5, 0, 0};
    m.meanHeightTenths = {70, 60, 65, 0, 0};
    m.basalAreaTenths = {216, 40, 53, 0, 0};
    m.grouping = 1;
    m.developmentClass = 4;
    int stems[5] = {};
    ApplyStemCountAlternative(m.basalAreaTenths.data(), m.meanDiameter.data(),
                              kDefaultStemCountAlternative, stems, m.classes);
    for (int s = 0; s < 5; ++s) m.stems[static_cast<std::size_t>(s)] = stems[s];
    return m;
}

// One tree with its sizes after the first growing step, for comparing tree
// lists whose order differs (the file keeps the trees sorted by height).
using TreeKey = std::tuple<float, float, float, float, int, int, float, float>;

std::vector<TreeKey> TreeKeys(const data& s) {
    std::vector<TreeKey> keys;
    const bool grown = s.GrownSizes1.size() == s.Trees.size();
    for (std::size_t i = 0; i < s.Trees.size(); ++i) {
        const TreeRecord& t = s.Trees[i];
        keys.emplace_back(t.x, t.y, t.diameter, t.height, t.species, t.removedBy,
                          grown ? s.GrownSizes1[i].diameter : 0.0f,
                          grown ? s.GrownSizes1[i].height : 0.0f);
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

void ExpectSameStand(const data& saved, const data& read) {
    ASSERT_EQ(read.TreeCount(), saved.TreeCount());
    EXPECT_EQ(read.GrownSizes1.size(), saved.GrownSizes1.size());
    EXPECT_TRUE(read.GrownSizes2.empty());
    EXPECT_TRUE(TreeKeys(read) == TreeKeys(saved));
    cuttingstands::ExpectSameSlotsAndBlocks(saved, read);
}

class Scenario : public ::testing::Test {
protected:
    void SetUp() override {
        platform::ForceSeed(31337);
        SetCurrentPhase(0);
    }
    void TearDown() override {
        platform::ClearForcedSeed();
        FreeSampleTrees();
        SetCurrentPhase(0);
    }
    testsupport::TempDir dir;
};

}  // namespace

TEST_F(Scenario, MeasureThinGrowCutAndSaveTwice) {
    // ---- A new stand from the measurement ----
    const SampleMeasurement m = FullMeasurement();
    ASSERT_EQ(m.TotalStems(), 12000);
    ASSERT_EQ(RebuildStandSample(m), 12000);

    MeasurementParams params;
    params.header.estateName = QStringLiteral("Koetila");
    params.header.standId = QStringLiteral("12a");
    params.header.developmentClass = 4;
    params.header.siteType = 3;
    params.header.measurementDay = 45000;
    params.header.area = 2.5f;
    for (int s = 0; s < 5; ++s) {
        const auto si = static_cast<std::size_t>(s);
        auto& w = params.blocks[si].words;
        w[WordMeanDiameter] = m.meanDiameter[si];
        w[WordMeanHeight] = m.meanHeightTenths[si];
        w[WordBasalArea] = m.basalAreaTenths[si];
        w[WordStems] = m.stems[si];
    }
    params.sampleCount = 12000;
    auto created = std::make_unique<data>(12000);
    created->FillFromMeasurement(params);
    created->RecordPhase(0, QStringLiteral("mitattu"), 0, 0);
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

    const QString path = dir.file(QStringLiteral("12a.Norvalen"));
    ASSERT_EQ(created->WriteNewFile(path), StandFileStatus::Ok);
    std::unique_ptr<data> stand;
    ASSERT_EQ(data::ReadStandFile(path, true, stand), StandFileStatus::Ok);
    ExpectSameStand(*created, *stand);
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
    ExpectSameStand(*stand, *back);
    EXPECT_EQ(back->Header.standId, QStringLiteral("12a"));
    EXPECT_EQ(back->Header.area, 2.5f);
    // What was read writes the same bytes again.
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(standfile::EncodeStand(*back) == f.readAll());
}
