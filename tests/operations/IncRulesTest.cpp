// The growth dialog's lines and forecast table: texts worked out by hand,
// and a forecast that leaves the stand exactly as it was. The periods, the
// choice line and the timing lines are read in the dialogs
// (GrowthDialogsTest).
#include <gtest/gtest.h>

#include "model/Phase.h"
#include "operations/IncRules.h"
#include "platform/Numbers.h"
#include "tests/model/StandFixture.h"
#include "tests/support/StandCompare.h"

namespace {

TEST(GrowthRules, AgeLine) {
  const int some[kSpeciesSlots] = {45, 50, 0, 30, 0, 0}, all[kSpeciesSlots] = {45, 50, 40, 30, 20, 0};
  const int none[kSpeciesSlots] = {};
  EXPECT_EQ((QStringList{StandAgeLineText(some, "2019"), StandAgeLineText(all, "2019"),
                         StandAgeLineText(none, "2019")}),
            (QStringList{"puuston ikä 2019  :  mänty 45 v,  kuusi 50 v,  haapa 30 v",
                         "puuston ikä 2019  :  mänty 45 v, kuusi 50 v, koivu 40 v, haapa 30 v, leppä 20 v",
                         "puuston ikä 2019  :  "}));
}

TEST(GrowthRules, FactorsValuesAndTimingTexts) {
  EXPECT_FLOAT_EQ(AnnualGrowthFactor(100.0f, 200.0f), 1.1486983f);  // 2^0.2
  EXPECT_EQ(std::pair(AnnualGrowthFactor(0.0f, 200.0f), AnnualGrowthFactor(100.0f, 0.0f)), std::pair(0.0f, 0.0f));
  EXPECT_EQ((QStringList{GrowthFactorText(1.1486983f), GrowthFactorText(0.0f), GrowthFactorText(0.98f)}),
            (QStringList{"14.9 % / vuosi", "", "-2.0 % / vuosi"}));
  // Slot volumes 10 m3 pine pulp, 20 spruce logs, 5 energy wood at prices
  // 15, 50 and 2.5: 150 + 1000 + 12.5.
  data stand(0);
  stand.Slots[1].volumes[PinePulpwood] = 10;
  stand.Slots[1].volumes[SpruceLogs] = 20;
  stand.Slots[1].volumes[EnergyWood] = 5;
  PriceFactors prices{};
  prices[PinePulpwood] = 15.0f;
  prices[SpruceLogs] = 50.0f;
  prices[EnergyWood] = 2.5f;
  EXPECT_FLOAT_EQ(StandValueAt(stand, 1, prices), 1162.5f);
  // 26.5 counts as 27.
  EXPECT_EQ((std::vector<bool>{TimingButtonVisible(false, 26.5f, 22.4f, 27, 22),
                               TimingButtonVisible(false, 26.4f, 22.4f, 27, 22),
                               TimingButtonVisible(false, 30.0f, 21.4f, 27, 22),
                               TimingButtonVisible(true, 30.0f, 30.0f, 27, 22)}),
            (std::vector<bool>{true, false, false, false}));
  EXPECT_EQ(ForecastHeadings(), (QStringList{"aika", "puusto", "kasvu", "puuston arvo", "arvon kasvu", "keskipituus",
                                             "keskiläpimitta", ""}));
}

TEST(GrowthRules, StartAges) {
  auto stand = standfixture::MakeStand(300, 5);  // ages 40..44 in the blocks
  const int chosen[kSpeciesSlots] = {61, 62, 63, 64, 65, 0};
  int out[kSpeciesSlots] = {};
  ForecastStartAges(*stand, chosen, true, out);
  EXPECT_EQ(std::to_array(out), std::to_array(chosen));
  // After a 10-year growth: the block ages plus 10, and 0 for a species
  // whose trees are all cut or that has no age.
  stand->Slots[1].years = 10;
  stand->SpeciesBlocks[3].words[WordAge] = 0;
  for (TreeRecord& t : stand->Trees)
    if (t.species == 4) t.removedBy = 2;
  ForecastStartAges(*stand, chosen, false, out);
  EXPECT_EQ(std::to_array(out), (std::array<int, kSpeciesSlots>{50, 51, 52, 0, 0, 0}));
}

// The forecast grows a copy and leaves the stand as it was; run twice it
// gives the same table.
TEST(GrowthRules, ForecastLeavesTheStandAndRepeats) {
  SetCurrentPhase(0);
  auto stand = standfixture::MakeStand(700, 11);
  stand->RecordPhase(0, "dummyStr", 0, 0);
  const data before = *stand;
  PriceFactors prices{};
  prices.fill(1.0f);
  const int ages[kSpeciesSlots] = {40, 41, 42, 43, 44, 0};
  const GrowthForecast a = FillGrowthForecast(*stand, 0, 2019, ages, true, prices);
  const GrowthForecast b = FillGrowthForecast(*stand, 0, 2019, ages, true, prices);
  EXPECT_EQ(std::pair(a.cells, a.valueFactors), std::pair(b.cells, b.valueFactors));
  standcompare::ExpectSameStand(*stand, before);
  // Row 1 is the slot now; with volume prices the value equals the volume.
  // (The period column is read in the growth dialog, GrowthDialogsTest.)
  const int v0 = stand->SlotTotalVolume(0);
  EXPECT_EQ((QStringList{a.cells[1][1], a.cells[1][2]}), (QStringList{platform::FormatC("%4d m3/ha", v0), ""}));
  // The stand grows: every factor is above 1, and each period's volume
  // factor is the fifth root of its two volumes.
  for (int i = 0; i < 4; ++i) {
    EXPECT_GT(a.volumeFactors[i], 1.0f) << i;
    EXPECT_GT(a.valueFactors[i], 1.0f) << i;
    EXPECT_EQ(a.cells[i + 2][2], GrowthFactorText(a.volumeFactors[i]));
  }
  const int v5 = a.cells[2][1].section(' ', 0, 0, QString::SectionSkipEmpty).toInt();
  EXPECT_FLOAT_EQ(a.volumeFactors[0], AnnualGrowthFactor(float(v0), float(v5)));
  // After a first growth the forecast starts from its sizes and leaves them,
  // the trees and the slots as they were.
  stand->GrownSizes1 = stand->AllocGrownSizes();
  stand->GrowTrees(stand->GrownSizes1, 1, 10, ages, true, true);
  stand->RecordPhase(1, "Kasvatus", 1, 10);
  SetCurrentPhase(1);
  const data grown = *stand;
  const int later[kSpeciesSlots] = {50, 51, 52, 53, 54, 0};
  EXPECT_EQ(FillGrowthForecast(*stand, 1, 2029, later, false, prices).cells[2][0], "2029 --> 2034");
  standcompare::ExpectSameStand(*stand, grown);
  SetCurrentPhase(0);
  // Phase 4 may still be forecast; phase 5 has no slot after it.
  EXPECT_TRUE(FillGrowthForecast(*stand, 5, 2019, ages, true, prices).cells[1][0].isEmpty());
}

}  // namespace
