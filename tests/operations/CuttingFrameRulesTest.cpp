// The shared frame of the cutting dialogs: trial readings, the removal by
// assortment group and its chart, the result labels and the trees of the
// preview pictures (the reset of a trial is read in the dialogs' tests).

#include <gtest/gtest.h>

#include "model/Data.h"
#include "model/Phase.h"
#include "model/Settings.h"
#include "operations/CuttingFrameRules.h"
#include "tests/mainwindow/SlotStands.h"
#include "ui/PaletteRules.h"

namespace {

// Slot 0 and a trial slot 1 worked by hand; one hectare.
data TwoSlots() {
  data s = slotstands::Measured(
      1.0f, 900, {{PinePulpwood, 40}, {SprucePulpwood, 30}, {PineLogs, 50}, {SpruceLogs, 20}, {EnergyWood, 10}});
  slotstands::SetSlot(s, 1, "Alaharvennus hakkuukertymään 27 m3/ha", 700,
                      {{PinePulpwood, 30}, {SprucePulpwood, 25}, {PineLogs, 40}, {SpruceLogs, 20}, {EnergyWood, 8}});
  s.Slots[1].basalArea = 18.3f;
  return s;
}

// The chart's bars as "value label colour".
QStringList Bars(const RemovalChartContent& c) {
  QStringList bars;
  for (const auto& b : c.bars) bars << QString("%1 %2 %3").arg(b.value).arg(b.label).arg(b.colour, 0, 16);
  return bars;
}

class CuttingFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = model::CurrentSettings();
    SetCurrentPhase(0);
  }
  void TearDown() override {
    model::CurrentSettings() = saved_;
    SetCurrentPhase(0);
  }
  model::SettingsRecord saved_;
};

TEST_F(CuttingFrame, TrialReadingsAndResultLabels) {
  const data s = TwoSlots();
  EXPECT_EQ((std::vector<int>{TrialStemsRemovedSinceStart(s), TrialStemsRemoved(s), TrialStemCount(s), TrialVolume(s)}),
            (std::vector<int>{200, 200, 700, 123}));
  // Shares of 30, 25, 40, 20, 8 of 123: 24.4, 20.3, 32.5, 16.3, 6.5 -> 24, 20,
  // 33, 16, 7 (adding up to 100); logs 33 + 16.
  EXPECT_EQ(TrialSawlogPercent(s), 49);
  const CuttingResultTexts four = CuttingResultLabels(s, true);
  const CuttingResultTexts two = CuttingResultLabels(s, false);
  EXPECT_EQ((QStringList{four.volume, four.label2, four.label3, four.label4, two.volume, two.label2, two.label3}),
            (QStringList{"123 m3/ha", "tukki % 49", "700 runkoa/ha", "18.3 m2/ha", "123 m3/ha", "700 runkoa/ha", ""}));
  // At phase 5 there is no trial slot: nothing is read.
  SetCurrentPhase(5);
  EXPECT_EQ(TrialStemCount(s), 0);
  EXPECT_EQ(RemovalChartFor(s, false).bars.size(), 0u);
}

TEST_F(CuttingFrame, RemovalByGroupAndChart) {
  const data s = TwoSlots();
  const RemovalGroups v = TrialRemovalByGroup(s, false, 0, 1);
  EXPECT_EQ((std::vector<int>{v.total, v.energyWood, v.pulpwood, v.logs}), (std::vector<int>{27, 2, 15, 10}));
  const RemovalChartContent c = RemovalChartFor(s, false);
  EXPECT_EQ(Bars(c), (QStringList{QString("2 ranka %1").arg(PaletteColorValue(26), 0, 16),
                                  QString("15 kuitu %1").arg(PaletteColorValue(25), 0, 16),
                                  QString("10 tukki %1").arg(PaletteColorValue(17), 0, 16)}));
  // Logs 10 of 27: shares 37.0, 18.5, 37.0, 7.4 -> 37, 19, 37, 7.
  EXPECT_EQ(std::pair(c.title, c.valueFormat), std::pair(QStringList{"27 m3/ha", "tukki % 37"}, QString("###0.###")));

  model::SettingsRecord& r = model::CurrentSettings();
  r.pulpwoodPrices = {15.0f, 17.0f, 12.0f, 10.0f, 9.0f};
  r.logPrices = {55.0f, 58.0f, 45.0f, 30.0f};
  r.energyWoodPrice = 5.0f;
  const RemovalGroups m = TrialRemovalByGroup(s, true, 0, 1);
  // 2 x 5; 10 x 15 + 5 x 17; 10 x 55.
  EXPECT_EQ((std::vector<int>{m.total, m.energyWood, m.pulpwood, m.logs}), (std::vector<int>{795, 10, 235, 550}));
  // 795 / 27 = 29.4 per m3; nothing removed: a value of 0 per m3.
  EXPECT_EQ(RemovalChartFor(s, true).title, (QStringList{"795 €/ha", "29 €/m3"}));
  data same = TwoSlots();
  same.Slots[1] = same.Slots[0];
  EXPECT_EQ(RemovalChartFor(same, true).title, (QStringList{"0 €/ha", "0 €/m3"}));
}

TEST_F(CuttingFrame, AfterAFirstGrowingStepRemovalsCountFromItsSlot) {
  // Slot 1 a growth to the stock of TwoSlots' slot 0, slot 2 the trial.
  data s = TwoSlots();
  s.Slots[2] = s.Slots[1];
  s.Slots[1] = s.Slots[0];
  s.Slots[1].years = 10;
  s.Slots[0].volumes.fill(0);
  s.Slots[0].stems = 2000;
  SetCurrentPhase(1);
  EXPECT_EQ(std::tuple(CuttingStartSlot(s), TrialStemsRemovedSinceStart(s), RemovalChartFor(s, false).title),
            std::tuple(1, 200, QStringList{"27 m3/ha", "tukki % 37"}));
}

TEST_F(CuttingFrame, PreviewTreesAfterAGrowingStep) {
  // Phase 1 a growth of 10 years (tree 0 died in it), phase 2 a cutting
  // (tree 1), the trial phase 3 (tree 3). Trees in y order.
  data s(5);
  const float heights[5] = {900, 2300, 1200, 1500, 700};
  const int removed[5] = {1, 2, 0, 3, 0};
  for (int i = 0; i < 5; ++i) {
    s.Trees[i] = TreeRecord{20.0f + 100 * i + 0.7f, 60.0f + 10 * i + 0.9f, 1000.0f + 500 * i, heights[i], removed[i],
                            i % 2, {}};
  }
  s.Slots[1].years = 10;
  s.Slots[1].name = "Kasvatus";
  s.GrownSizes1.resize(5);
  for (int i = 0; i < 5; ++i) s.GrownSizes1[i] = GrownSize{s.Trees[i].diameter + 449.0f, s.Trees[i].height + 160.0f};
  SetCurrentPhase(2);
  const std::vector<PreviewTree> t = CuttingPreviewTrees(s);
  // Tree 0 is not drawn; the others by latest height: 4 (860), 2 (1360),
  // 3 (1660), 1 (2460). Sizes after the growth, rounded: 1000 + 500 i + 449
  // hundredths of a cm, heights + 160 cm. A 29 cm, 17 m spruce gives logs, and
  // so does a 34 cm, 9 m pine (the pine rows of 32 and 40 cm give logs at any
  // height).
  ASSERT_EQ(t.size(), 4u);
  const std::array<int, 5> want[4] = {
      {420, 100, 34, 9, false}, {220, 80, 24, 14, false}, {320, 90, 29, 17, true}, {120, 70, 19, 25, true}};
  for (int j = 0; j < 4; ++j)
    EXPECT_EQ((std::array<int, 5>{t[j].plotX, t[j].plotY, t[j].diameterCm, t[j].heightM, t[j].removed}), want[j]) << j;
  EXPECT_EQ(std::pair(t[0].sawlog, t[2].sawlog), std::pair(true, true));
  EXPECT_EQ(SawlogNoteText(t), "tukkipuut isolla pisteellä  !");
  // The list is back in y order.
  for (int i = 1; i < 5; ++i) EXPECT_LT(s.Trees[i - 1].y, s.Trees[i].y);
  EXPECT_EQ(s.Trees[1].removedBy, 2);

  // Without a growing step every removed tree is drawn, with measured sizes.
  data plain(2);
  plain.Trees[0] = TreeRecord{50, 60, 1249, 951, 1, 0, {}};
  plain.Trees[1] = TreeRecord{80, 70, 1250, 950, 0, 0, {}};
  SetCurrentPhase(1);
  const std::vector<PreviewTree> p = CuttingPreviewTrees(plain);
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ((std::vector<int>{p[0].diameterCm, p[0].heightM, p[0].removed, p[1].diameterCm, p[1].heightM}),
            (std::vector<int>{13, 10, 0, 12, 10}));
  // Pines of 12 and 13 cm give no logs (the 12 and 16 cm rows have none).
  EXPECT_EQ(SawlogNoteText(p), "");
  EXPECT_EQ(std::pair(OperationLabelLeft(500, 200), OperationLabelLeft(500, 503)), std::pair(75, 0));
}

}  // namespace
