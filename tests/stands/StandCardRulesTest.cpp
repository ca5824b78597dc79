// Kind words of the operation texts, phase texts with their increments and
// the stand card's rows, bars and columns, with values worked out by hand.
#include <gtest/gtest.h>

#include "stands/StandCardRules.h"
#include "model/Data.h"
#include "model/Phase.h"
#include "model/Settings.h"
#include "tests/mainwindow/SlotStands.h"

namespace {

// Slot 0 of 55 m3/ha (pine pulpwood 20, pine logs 30, energy wood 5).
data SlotStand() { return slotstands::Measured(1.0f, 800, {{PinePulpwood, 20}, {PineLogs, 30}, {EnergyWood, 5}}); }

// Slot k as a growing step of the given years: pine pulpwood 25, logs 45,
// energy wood 6 (76 m3/ha).
void SetGrowth(data& s, int k, int years, int stems = 800) {
  slotstands::SetSlot(s, k, "Kasvatus", stems, {{PinePulpwood, 25}, {PineLogs, 45}, {EnergyWood, 6}}, years);
}

void SetOperation(data& s, int k, const QString& name, int pulp, int logs, int energy) {
  slotstands::SetSlot(s, k, name, 500, {{PinePulpwood, pulp}, {PineLogs, logs}, {EnergyWood, energy}});
}

}  // namespace

TEST(OperationKinds, KindWordOfTexts) {
  const std::pair<QString, QString> cases[] = {
      {"avohakkuu, säästöpuita 30 kpl/ha", "avohakkuu"},  // comma before the blank
      {"ajourat 4.0 m, uraväli 20 m", "ajourat"},         // blank before the comma
      {"ajourat : ei uria", "ajourat"},
      {"puulajin poisto, koivu/haapa", "puulajin poisto"},  // the word stands for the name
      {"Puulajin poisto, mänty", "puulajin poisto"},
      {"poimintahakkuu+ 40 m3/ha", "poimintahakkuu+"},
      {"kuvio 12a, mitattu 2019", "kuvio"},
      {"10 v kasvatus, kasvu 2.1 m3/vuosi", "10"},
      {"x,y z", "x"},
      {"Avohakkuu", "Avohakkuu"},  // one word without a blank
      {"", ""},                    // an empty slot names no kind
      {" x", ""},
  };
  for (const auto& [text, word] : cases) EXPECT_EQ(OperationKindWord(text), word) << text.toStdString();
  for (const char* w : {"avohakkuu", "Siemenpuuhakkuu", "suojuspuuhakkuu", "kaistalehakkuu", "pienaukkohakkuu"})
    EXPECT_TRUE(IsRegenerationKindWord(QString::fromUtf8(w))) << w;
  for (const char* w : {"poimintahakkuu", "ajourat", "alaharvennus", "puulajin poisto", ""})
    EXPECT_FALSE(IsRegenerationKindWord(QString::fromUtf8(w))) << w;
}

TEST(OperationKinds, RegenerationSelectionAndSmallGapOfPhasesAndTexts) {
  data s = SlotStand();
  SetOperation(s, 1, "Pienaukkohakkuu, aukon koko 0.20 ha", 10, 10, 2);
  SetOperation(s, 2, "poimintahakkuu+ 20 m3/ha", 5, 5, 1);
  EXPECT_TRUE(IsRegenerationCutting(s, 1, QString()));
  EXPECT_FALSE(IsRegenerationCutting(s, 2, QString()));
  EXPECT_TRUE(IsSelectionOrSmallGapCutting(s, 1, QString(), false));
  EXPECT_FALSE(IsSelectionOrSmallGapCutting(s, 1, QString(), true));
  EXPECT_TRUE(IsSelectionOrSmallGapCutting(s, 2, QString(), true));
  // A text given is judged instead of the phase, in lower case.
  EXPECT_TRUE(IsRegenerationCutting(s, 2, "Kaistalehakkuu, kaistaleen leveys 50 m"));
  EXPECT_TRUE(IsSelectionOrSmallGapCutting(s, 2, "PIENAUKKOHAKKUU, aukon koko 0.05 ha", false));
}

TEST(PhaseTexts, OperationsGrowthAndIncrementModes) {
  model::SetDefaultSettings(model::CurrentSettings());
  data s = SlotStand();
  SetGrowth(s, 1, 10);
  SetOperation(s, 2, "Alaharvennus hakkuukertymään 40 m3/ha", 10, 20, 3);
  EXPECT_EQ(PhaseText(s, 2, false), "alaharvennus hakkuukertymään 40 m3/ha");
  EXPECT_EQ(PhaseText(s, 0, true), "mitattu 2019, ei toimenpiteitä");
  EXPECT_EQ(PhaseText(s, 0, false), "kuvio 12a, mitattu 2019, ei toimenpiteitä");
  // Volumes 55 -> 76 m3/ha over 10 years: 2.1 m3 a year, or
  // exp(ln(76 / 55) / 10) = 1.03287: 3.3 %. Values at the default prices
  // (pulpwood and logs 10, energy wood 1): 505 -> 706, 20.1 -> 20 a year,
  // exp(ln(706 / 505) / 10) = 1.03407: 3.4 %.
  EXPECT_EQ(PhaseText(s, 1, false, {false, false}), "10 v kasvatus, kasvu 2.1 m3/vuosi");
  EXPECT_EQ(PhaseText(s, 1, false, {false, true}), "10 v kasvatus, kasvu 3.3 %/vuosi");
  EXPECT_EQ(PhaseText(s, 1, false, {true, false}), "10 v kasvatus, arvokasvu 20 €/vuosi");
  EXPECT_EQ(PhaseText(s, 1, false, {true, true}), "10 v kasvatus, arvokasvu 3.4 %/vuosi");
  // Percent only at 100 stems/ha or more.
  SetGrowth(s, 1, 10, 99);
  EXPECT_EQ(PhaseText(s, 1, false, {false, true}), "10 v kasvatus, kasvu 2.1 m3/vuosi");
  EXPECT_EQ(IncrementMode({true, true}, 99), 2);
  EXPECT_EQ(IncrementMode({true, true}, 100), 3);
  // A percentage over no stock before the step: the years and "/vuosi" only.
  s.Slots[0].volumes.fill(0);
  SetGrowth(s, 1, 10);
  EXPECT_EQ(PhaseText(s, 1, false, {false, true}), "10 v kasvatus/vuosi");
}

TEST(PhaseTexts, IncrementBoxesNeedAGrowingStepOfAHundredStems) {
  data s = SlotStand();
  SetOperation(s, 1, "ajourat : ei uria", 20, 30, 5);
  EXPECT_FALSE(IncrementBoxesVisible(s, 1));  // no growing step
  SetGrowth(s, 2, 5, 100);
  EXPECT_TRUE(IncrementBoxesVisible(s, 2));
  s.Slots[2].stems = 99;
  EXPECT_FALSE(IncrementBoxesVisible(s, 2));
  // A leading growing step is judged by slot 1 whatever the phase.
  data t = SlotStand();
  SetGrowth(t, 1, 5, 150);
  SetOperation(t, 2, "avohakkuu, säästöpuita 0 kpl/ha", 0, 0, 0);
  t.Slots[2].stems = 0;
  EXPECT_TRUE(IncrementBoxesVisible(t, 2));
}

TEST(StandCard, GeometryByNewForestGrowthAndPhase) {
  struct Case {
    bool newForest;
    int growth, phase, pitch, offset, bar;
  };
  const Case cases[] = {{false, 0, 0, 18, 38, 14}, {false, 2, 3, 18, 38, 14}, {false, 0, 4, 15, 34, 12},
                        {false, 1, 5, 13, 32, 10}, {true, 1, 3, 17, 36, 13}, {true, 2, 5, 14, 33, 10},
                        {true, 0, 4, 15, 34, 12}};
  for (const Case& c : cases) {
    const StandCardGeometry g = StandCardGeometryFor(c.newForest, c.growth, c.phase);
    EXPECT_EQ(std::tuple(g.pitch, g.offset, g.barHeight), std::tuple(c.pitch, c.offset, c.bar))
        << c.newForest << c.growth << c.phase;
  }
  EXPECT_EQ(StandCardTextPointSize(1429, 752), 10);
  EXPECT_EQ(StandCardTextPointSize(1347, 728), 9);
  EXPECT_EQ(StandCardTextPointSize(1100, 768), 9);
}

TEST(StandCard, RowsValuesBarsAndBracket) {
  data s = SlotStand();
  SetOperation(s, 1, "ajourat 4.0 m, uraväli 20 m", 18, 28, 5);
  SetOperation(s, 2, "alaharvennus hakkuukertymään 20 m3/ha", 10, 20, 3);
  SetGrowth(s, 3, 5);
  SetCurrentPhase(3);
  // Phase 3 < 4: pitch 18, offset 36 + 2; 10 points: text one pixel up.
  const StandCardContent card = BuildStandCard(s, 3, {}, false, 10);
  ASSERT_EQ(card.rows.size(), 4u);
  std::vector<int> tops, lines;
  std::vector<bool> selectable;
  for (const StandCardRow& r : card.rows) {
    tops.push_back(r.top);
    lines.push_back(r.textY);
    selectable.push_back(r.selectable);
  }
  EXPECT_EQ(tops, (std::vector<int>{38, 56, 74, 92}));
  EXPECT_EQ(lines, (std::vector<int>{37, 55, 73, 91}));
  // A growth after a cutting: the phase before it and the current phase
  // show their states, phase 0 always; only phase 1 is selectable.
  EXPECT_EQ(selectable, (std::vector<bool>{false, true, false, false}));
  EXPECT_TRUE(card.rows[3].growth);
  EXPECT_EQ(card.rows[0].text, "mitattu 2019, ei toimenpiteitä");  // the title stands beside the card
  // (76 - 33) / 5 = 8.6 m3 a year.
  EXPECT_EQ(card.rows[3].text, "5 v kasvatus, kasvu 8.6 m3/vuosi");
  EXPECT_EQ(std::tuple(card.maxVolume, card.scale, card.fieldWidth), std::tuple(76, 76, 2));
  EXPECT_EQ(card.valueLabel, "76 m3/ha");
  EXPECT_EQ(StandCardValueText(5, card.fieldWidth), " 5 m3/ha");
  // Operation rows 1 and 2: the bracket from 55 + 5 down to 73 + 10 + 5.
  const StandCardBracket b = StandCardBracketFor(card, 258, 10);
  EXPECT_EQ(std::tuple(b.shown, b.x, b.y1, b.y2), std::tuple(true, 258, 60, 88));
  // 9 points: every text line one pixel lower.
  EXPECT_EQ(BuildStandCard(s, 3, {}, false, 9).rows[1].textY, 56);
  SetCurrentPhase(0);
}

TEST(StandCard, BarEndsColumnsAndZeroScale) {
  StandCardRow row;
  row.energyWood = 5;
  row.pulpwood = 20;
  row.logs = 30;
  // B = 200, scale 100: 4 + 200 x 5 / 100, 4 + 200 x 25 / 100, 4 + 200 x 55 / 100.
  const StandCardBar bar = StandCardBarFor(row, 200, 100);
  EXPECT_EQ(std::tuple(bar.energyEnd, bar.pulpEnd, bar.logsEnd), std::tuple(14, 54, 114));
  // Integer division: 4 + 7 x 5 / 100 = 4.
  EXPECT_EQ(StandCardBarFor(row, 7, 100).energyEnd, 4);
  const StandCardColumns c = StandCardColumnsFor(400, 150, 70);
  EXPECT_EQ(std::tuple(c.barWidth, c.valueX, c.textX0, c.textX, c.bracketX), std::tuple(171, 180, 250, 266, 258));
  // A text column too wide for the picture: the figures start at its left
  // edge, the texts right after them, and no bar has room.
  const StandCardColumns narrow = StandCardColumnsFor(250, 230, 70);
  EXPECT_EQ(std::tuple(narrow.barWidth, narrow.valueX, narrow.textX0, narrow.textX, narrow.bracketX),
            std::tuple(-59, 0, 70, 86, 78));
  // Every slot empty: scale 1000, no division by zero, one operation row
  // and no bracket.
  data s(0);
  s.Header.measurementDay = 43631;
  s.Slots[1].name = "avohakkuu, säästöpuita 0 kpl/ha";
  const StandCardContent card = BuildStandCard(s, 1, {}, false, 10);
  EXPECT_EQ(std::tuple(card.maxVolume, card.scale), std::tuple(0, 1000));
  EXPECT_EQ(StandCardBarFor(card.rows[0], 300, card.scale).logsEnd, 4);
  EXPECT_FALSE(StandCardBracketFor(card, 10, 10).shown);
}
