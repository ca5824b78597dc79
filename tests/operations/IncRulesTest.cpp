// The growth dialog's periods, lines and forecast table: texts worked out
// by hand, and a forecast that leaves the stand exactly as it was.
#include <gtest/gtest.h>

#include "model/Phase.h"
#include "operations/IncRules.h"
#include "platform/Numbers.h"
#include "tests/model/StandFixture.h"
#include "tests/support/StandCompare.h"

namespace {

TEST(GrowthRules, PeriodsAndChoiceLine) {
  const QStringList items = GrowthPeriodItems();
  ASSERT_EQ(items.size(), 20);
  EXPECT_EQ(items.mid(0, 4), (QStringList{"1", "11", "2", "12"}));
  EXPECT_EQ(items.mid(18), (QStringList{"10", "20"}));
  EXPECT_EQ(GrowthYearsOfItem("12"), 12);
  // Column-major in 10 columns: the top row reads 1..10, the bottom 11..20.
  for (int c = 0; c < kGrowthPeriodColumns; ++c) {
    EXPECT_EQ(GrowthYearsOfItem(items[2 * c]), c + 1);
    EXPECT_EQ(GrowthYearsOfItem(items[2 * c + 1]), c + 11);
  }
  // The first growth's lines are read in the growth dialog (GrowthDialogsTest).
  EXPECT_EQ(GrowthChoiceLine(1, "2029", "15"), "puuston 2. kasvatus 2029,  kasvatusaika 15 vuotta");
}

TEST(GrowthRules, AgeLine) {
  const int some[kSpeciesSlots] = {45, 50, 0, 30, 0, 0};
  EXPECT_EQ(StandAgeLineText(some, "2019"),
            QString::fromUtf8("puuston ikä 2019  :  mänty 45 v,  kuusi 50 v,  haapa 30 v"));
  const int all[kSpeciesSlots] = {45, 50, 40, 30, 20, 0};
  EXPECT_EQ(StandAgeLineText(all, "2019"),
            QString::fromUtf8("puuston ikä 2019  :  mänty 45 v, kuusi 50 v, koivu 40 v, haapa 30 v, leppä 20 v"));
  const int none[kSpeciesSlots] = {};
  EXPECT_EQ(StandAgeLineText(none, "2019"), QString::fromUtf8("puuston ikä 2019  :  "));
}

TEST(GrowthRules, FactorsValuesAndTimingTexts) {
  EXPECT_FLOAT_EQ(AnnualGrowthFactor(100.0f, 200.0f), 1.1486983f);  // 2^0.2
  EXPECT_EQ(AnnualGrowthFactor(0.0f, 200.0f), 0.0f);
  EXPECT_EQ(AnnualGrowthFactor(100.0f, 0.0f), 0.0f);
  EXPECT_EQ(GrowthFactorText(1.1486983f), "14.9 % / vuosi");
  EXPECT_EQ(GrowthFactorText(0.0f), "");
  EXPECT_EQ(GrowthFactorText(0.98f), "-2.0 % / vuosi");
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
  EXPECT_TRUE(TimingButtonVisible(false, 26.5f, 22.4f, 27, 22));   // 26.5 counts as 27
  EXPECT_FALSE(TimingButtonVisible(false, 26.4f, 22.4f, 27, 22));
  EXPECT_FALSE(TimingButtonVisible(false, 30.0f, 21.4f, 27, 22));
  EXPECT_FALSE(TimingButtonVisible(true, 30.0f, 30.0f, 27, 22));
  EXPECT_EQ(TimingStateLine(2019, 26.5f, 22.4f),
            "Vuonna 2039 puuston keskiläpimitta 27 cm ja pohjapinta-ala 22 m2/ha.");
  EXPECT_EQ(TimingRateLine(2019), "Jos harkitset uudistushakkuuta v. 2019 - 2039,  aseta vaatimus minimikorolle");
  EXPECT_EQ(ForecastHeadings(), (QStringList{"aika", "puusto", "kasvu", "puuston arvo", "arvon kasvu", "keskipituus",
                                             "keskiläpimitta", ""}));
}

TEST(GrowthRules, StartAges) {
  auto stand = standfixture::MakeStand(300, 5);  // ages 40..44 in the blocks
  const int chosen[kSpeciesSlots] = {61, 62, 63, 64, 65, 0};
  int out[kSpeciesSlots] = {};
  ForecastStartAges(*stand, chosen, true, out);
  EXPECT_EQ(out[2], 63);
  // After a 10-year growth: the block ages plus 10, and 0 for a species
  // whose trees are all cut or that has no age.
  stand->Slots[1].years = 10;
  stand->SpeciesBlocks[3].words[WordAge] = 0;
  for (TreeRecord& t : stand->Trees)
    if (t.species == 4) t.removedBy = 2;
  ForecastStartAges(*stand, chosen, false, out);
  EXPECT_EQ((std::array<int, 6>{out[0], out[1], out[2], out[3], out[4], out[5]}),
            (std::array<int, 6>{50, 51, 52, 0, 0, 0}));
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
  EXPECT_EQ(a.cells, b.cells);
  EXPECT_EQ(a.valueFactors, b.valueFactors);
  standcompare::ExpectSameStand(*stand, before);
  // Row 1 is the slot now; with volume prices the value equals the volume.
  const int v0 = stand->SlotTotalVolume(0);
  // (The period column is read in the growth dialog, GrowthDialogsTest.)
  EXPECT_EQ(a.cells[1][1], platform::FormatC("%4d m3/ha", v0));
  EXPECT_EQ(a.cells[1][2], "");
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
  const GrowthForecast c = FillGrowthForecast(*stand, 1, 2029, later, false, prices);
  EXPECT_EQ(c.cells[2][0], "2029 --> 2034");
  standcompare::ExpectSameStand(*stand, grown);
  SetCurrentPhase(0);
  // Phase 4 may still be forecast; phase 5 has no slot after it.
  EXPECT_TRUE(FillGrowthForecast(*stand, 5, 2019, ages, true, prices).cells[1][0].isEmpty());
}

}  // namespace
