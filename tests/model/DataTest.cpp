// The stand object: accessors, index remapping, texts, names, phase recording
// and undo.

#include "model/Calc.h"
#include "model/Data.h"
#include "model/Names.h"
#include "model/Phase.h"
#include "tests/model/CuttingStands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using cuttingstands::SlotText;

// A stand of 161 trees whose sums are worked out by hand:
//   100 pine 21 cm 18 m: V = 0.300973 m3, cell 78/20 -> logs 0.7566, pulp 0.2234
//    50 spruce 28 cm 22 m: V = 0.631751 m3, cell 90/9 -> logs 0.873, pulp 0.117
//    10 birch 7 cm 9 m: V = 0.0169334 m3, all energy wood
//     1 pine removed by phase 1, and 1 tree reserved (100), neither counted
// Bins (m3/ha): pine pulp 6.724, spruce pulp 3.696, pine logs 22.772,
// spruce logs 27.576, energy wood 1.087 -> 7, 4, 23, 28, 1 (total 63).
// G = sum 3.14159 (d/2)^2 = 6.58085 m2/ha; basal-area-weighted means
// D = 24.1930 cm, H = 19.8187 m.
std::unique_ptr<data> HandStand() {
  auto s = std::make_unique<data>(162);
  int i = 0;
  auto put = [&](int count, float d, float h, int sp, int removed) {
    for (int k = 0; k < count; ++k, ++i) {
      s->Trees[i] = TreeRecord{30.0f + i, 60.0f + i % 100, d, h, removed, sp, {}};
    }
  };
  put(100, 2100, 1800, 0, 0);
  put(50, 2800, 2200, 1, 0);
  put(10, 700, 900, 2, 0);
  put(1, 3000, 2500, 0, 1);
  put(1, 3000, 2500, 1, kReservedPhase);
  s->Header.standId = "12a";
  s->Header.measurementDay = 43631;  // 15.06.2019
  s->Header.area = 2.5f;
  return s;
}

TEST(DataTest, NewAndEmptyStands) {
  EXPECT_EQ(data(5).RegenerationChoice(5), -1);
  data empty(0);
  int counts[6] = {};
  float vols[6] = {};
  empty.CountStandingBySpecies(100, counts);
  EXPECT_EQ(empty.SpeciesVolumes(true, false, vols), 0.0f);
  EXPECT_EQ(empty.StandingStockVolume(), 0);
  EXPECT_FALSE(empty.FindSpecies(2));
  empty.RecordPhase(0, "x", 0, 0);
  EXPECT_EQ(empty.SlotTreeCount(0), 0);
}

TEST(DataTest, SpeciesValueRemapsIndices) {
  data s(0);
  for (int w = 0; w < 13; ++w) s.SpeciesBlocks[3].words[w] = 100 + w;
  // Indices 0..6 are words 0..6, 7..9 the words 8..10 (the age first), 10 the
  // stems (word 7), anything else 0.
  const int want[] = {0, 100, 101, 102, 103, 104, 105, 106, 108, 109, 110, 107, 0};
  for (int i = -1; i <= 11; ++i) EXPECT_EQ(s.SpeciesValue(3, i), want[i + 1]) << i;

  const int ages[6] = {1, 2, 3, 4, 5, 6}, first[6] = {11, 12, 13, 14, 15, 16};
  const int counts[6] = {21, 22, 23, 24, 25, 26};
  s.SetSpeciesAges(ages);
  s.SetAgeChoices(first, counts);
  EXPECT_EQ(std::tuple(s.SpeciesValue(4, 7), s.SpeciesValue(4, 8), s.SpeciesValue(4, 9)), std::tuple(5, 15, 25));
  int32_t block[13] = {};
  s.CopySpeciesBlock(block, 4);
  EXPECT_TRUE(std::equal(block, block + 13, s.SpeciesBlocks[4].words.begin()));
}

TEST(DataTest, HeaderFlagsChoicesAndSpecies) {
  data s(2);
  s.Trees[0].species = 3;  // aspen
  s.Trees[1].species = 3;
  // Species 2 asks for any broadleaf.
  EXPECT_EQ(std::tuple(s.FindSpecies(2), s.FindSpecies(3), s.FindSpecies(0)), std::tuple(true, true, false));

  // Asked with -1 the header flag decides, 0 is never, 1 always.
  for (int flag : {0, 1}) {
    s.Header.modelEstate = flag;
    EXPECT_EQ(std::tuple(s.IsModelEstateStand(-1), s.IsModelEstateStand(0), s.IsModelEstateStand(1)),
              std::tuple(flag == 1, false, true));
  }

  // The byte choices 0, 2, 4 and 5 wrap as the file keeps them; there is no
  // choice 9 (the word after the choices is not one).
  s.Regeneration.reserved[0] = 7;
  for (int i = 0; i <= 9; ++i) s.SetRegenerationChoice(i, 200);
  EXPECT_EQ(s.Regeneration.choice, (std::array<int32_t, 9>{-56, 200, -56, 200, -56, -56, 200, 200, 200}));
  EXPECT_EQ(std::pair(s.RegenerationChoice(2), s.RegenerationChoice(9)), std::pair(-56, 0));
  s.ResetRegenerationChoices();
  EXPECT_EQ(s.Regeneration.choice, (std::array<int32_t, 9>{0, 0, 0, 0, 0, -1, 0, 0, 0}));
}

TEST(DataTest, TitleAndDateTexts) {
  // (The other title styles and the description are the stand card's.)
  auto s = HandStand();
  EXPECT_EQ(s->TitleText(7), "Kuvio12a");
  EXPECT_EQ(s->MeasurementYearText(), "2019");
  EXPECT_EQ(YearOfDateText("01.02.1999"), "1999");
}

TEST(DataTest, TreeSizesByGrowthSteps) {
  data s(1);
  s.Trees[0] = TreeRecord{100, 100, 1000, 900, 0, 0, {}};
  s.GrownSizes1 = {{1200, 1000}};
  s.GrownSizes2 = {{1500, 1200}};
  // The latest diameter, the diameter and height after the first growth,
  // the view's diameter now and before and its height now, and the measured
  // view's diameter.
  auto sizes = [&s] {
    std::string t;
    for (float v : {s.TreeDiameter(0), s.TreeDiameterAfterFirstGrowth(0), s.TreeHeightAfterFirstGrowth(0),
                    s.TreeValueForView(0, false, false, false), s.TreeValueForView(0, false, true, false),
                    s.TreeValueForView(0, false, false, true), s.TreeValueForView(0, true, false, false)})
      t += std::to_string(static_cast<int>(v)) + " ";
    return t;
  };
  EXPECT_EQ(sizes(), "1000 1000 900 1000 1000 900 1000 ");  // no growing step recorded
  s.Slots[1].years = 5;  // one growing step in phase 1
  EXPECT_EQ(sizes(), "1200 1200 1000 1200 1200 1000 1000 ");
  s.Slots[1].years = 0;  // one after a cutting: "before" shows the measured size
  s.Slots[2].years = 5;
  EXPECT_EQ(sizes(), "1200 1000 900 1200 1000 1000 1000 ");
  s.Slots[1].years = 5;  // two growing steps
  EXPECT_EQ(sizes(), "1500 1200 1000 1500 1200 1200 1000 ");
}

TEST(DataTest, CountsAndVolumesBySpecies) {
  auto s = HandStand();
  std::array<int, 6> counts{}, all{}, zero{};
  s->CountStandingBySpecies(1, counts.data());
  s->CountStandingBySpecies(101, all.data());
  s->CountZeroVolumeTrees(zero.data());  // the 7 cm birches give no pulpwood
  EXPECT_EQ(counts, (std::array<int, 6>{100, 50, 10, 0, 0, 0}));
  EXPECT_EQ(all, (std::array<int, 6>{101, 51, 10, 0, 0, 0}));
  EXPECT_EQ(zero, (std::array<int, 6>{0, 0, 10, 0, 0, 0}));

  float vols[6] = {};
  // 100 x 0.300973 + 50 x 0.631751 + 10 x 0.0169334 = 61.8549 m3
  EXPECT_NEAR(s->SpeciesVolumes(false, false, vols), 61.8549f, 0.001f);
  EXPECT_NEAR(vols[0], 30.0973f, 0.001f);
  float n[6] = {};
  EXPECT_EQ(s->SpeciesVolumes(true, true, n), 0.0f);
  EXPECT_EQ(std::pair(n[0], n[1]), std::pair(101.0f, 51.0f));
}

TEST(DataTest, TreeVolumeIsScaledInDoubleAndStoredSingle) {
  // Pine 10 cm, 12 m: 48.7319756 dm3. 48.7319756 x 0.001 in double stored as
  // single is 0.0487319753 m3; the single-precision product would be
  // 0.048731979, one step higher.
  data s = cuttingstands::MakeStand({{300.0f, 100.0f, 1000.0f, 1200.0f}});
  ASSERT_EQ(StemVolume(1000.0f, 1200.0f, 0), 48.7319756f);
  float vols[6] = {};
  EXPECT_EQ(s.SpeciesVolumes(false, false, vols), 0.0487319753f);
  EXPECT_EQ(vols[0], 0.0487319753f);
  EXPECT_EQ(s.MeasuredVolumeAllTrees(), 0.0487319753f);
  float bins[kAssortmentCount] = {};
  data::AddTreeVolume(bins, 1000.0f, 1200.0f, 0);
  EXPECT_NEAR(std::accumulate(bins, bins + kAssortmentCount, 0.0f), 0.0487319753f, 1e-9f);
}

TEST(PhaseTest, RecordPhaseSums) {
  auto s = HandStand();
  s->RecordPhase(0, "Mitattu", 0, 0);
  const PhaseSlot& slot = s->Slots[0];
  EXPECT_EQ(SlotText(slot, 4), "Mitattu 0 y 160 stems: 7 4 0 0 0 0 23 28 0 0 0 0 1 6.5808 24.1930 19.8187");
  EXPECT_EQ(std::pair(s->SlotTotalVolume(0), s->StandingStockVolume()), std::pair(63, 63));

  int volume = 0;
  float g = 0, d = 0, h = 0;
  s->AssortmentTotalsOf(GrownSizeArray{}, volume, g, d, h);
  EXPECT_EQ(std::tuple(volume, g, d, h), std::tuple(63, slot.basalArea, slot.meanDiameter, slot.meanHeight));
  // Prices 10 per m3 for pine pulp and 50 for pine logs only: 70 + 1150.
  PriceFactors prices{10, 0, 0, 0, 0, 0, 50}, ones;
  ones.fill(1.0f);
  EXPECT_EQ(s->AssortmentTotals(ones, GrownSizeArray{}), 63.0f);
  EXPECT_EQ(s->AssortmentTotals(prices, GrownSizeArray{}), 1220.0f);

  // A name longer than the slot is cut to 63 characters.
  s->RecordPhase(1, QString(80, QChar('a')), 0, 0);
  EXPECT_EQ(s->Slots[1].name.size(), 63);
}

TEST(PhaseTest, RecordFromGrownSizesAndEmptyStand) {
  data s(2);
  s.Trees[0] = TreeRecord{100, 100, 1000, 900, 0, 0, {}};
  s.Trees[1] = TreeRecord{100, 100, 1000, 900, 2, 0, {}};
  s.GrownSizes1 = {{2100, 1800}, {1, 1}};
  // The grown pine of 21 cm and 18 m: 0.300973 m3 (no bin reaches 0.5), G = 0.034636 m2.
  s.RecordPhase(1, "Kasvu", 1, 5);
  EXPECT_EQ(SlotText(s.Slots[1], 4), "Kasvu 5 y 1 stems: 0 0 0 0 0 0 0 0 0 0 0 0 0 0.0346 21.0000 18.0000");
  // Nothing standing: everything 0.
  s.Trees[0].removedBy = 3;
  s.RecordPhase(3, "Avohakkuu", 0, 0);
  EXPECT_EQ(SlotText(s.Slots[3], 6), "Avohakkuu 0 y 0 stems: 0 0 0 0 0 0 0 0 0 0 0 0 0 0.000000 0.000000 0.000000");
}

TEST(PhaseTest, RecordInitialPhaseFromBlocks) {
  data s(0);
  s.SpeciesBlocks[0].words[WordStems] = 1000;
  s.SpeciesBlocks[0].words[WordMeanHeight] = 20;  // 2.0 m
  s.SpeciesBlocks[2].words[WordStems] = 1000;
  s.SpeciesBlocks[2].words[WordMeanHeight] = 30;
  s.Slots[0].volumes[3] = 5;  // what was recorded before goes
  s.RecordInitialPhase("Taimikko");  // H = (2000 + 3000) / 2000
  EXPECT_EQ(SlotText(s.Slots[0], 5), "Taimikko 0 y 2000 stems: 0 0 0 0 0 0 0 0 0 0 0 0 0 0.00000 0.00000 2.50000");
}

TEST(PhaseTest, CurrentPhaseStaysInRange) {
  // A number past the last phase steps forward (not past 5), a negative one
  // steps back (not below 0).
  const int steps[][3] = {{2, 100, 3}, {3, -1, 2}, {5, 100, 5}, {0, -1, 0}, {0, 6, 1}};
  for (auto [from, step, want] : steps) {
    SetCurrentPhase(from);
    SetCurrentPhase(step);
    EXPECT_EQ(CurrentPhase(), want) << from << " " << step;
  }
  SetCurrentPhase(0);
}

TEST(PhaseTest, PredicatesAndYearTexts) {
  data s(0);
  s.Header.measurementDay = 43631;  // 2019
  // The growing steps; whether the first two phases are growth, the current
  // one is a growth after a cutting, is a growth, is the leading growth
  // first or second; the phases that can be chosen; the year texts of the
  // current phase and of the first phase, and the calendar year of phase 2.
  auto state = [&s] {
    std::string t = std::to_string(s.GrowthStepCount()) + " steps,";
    for (bool b : {s.FirstTwoPhasesAreGrowth(), s.IsGrowthAfterCutting(), s.IsCurrentPhaseGrowth(),
                   s.IsCurrentLeadingGrowth(true), s.IsCurrentLeadingGrowth(false)})
      t += b ? " 1" : " 0";
    t += ", selectable ";
    for (int q = 0; q < kPhaseCount; ++q) t += s.IsPhaseSelectable(q) ? '1' : '0';
    return t + ", " + (s.PhaseYearText(CurrentPhase()) + " " + s.FirstPhaseYearText() + " " +
                       s.PhaseCalendarYearText(2)).toStdString();
  };
  // Growing years of slots 1 and 2 (a cutting has none), the current phase.
  const struct {
    int years1, years2, phase;
    const char* state;
  } cases[] = {{5, 10, 2, "2 steps, 1 0 1 0 1, selectable 000111, 2024 2024 2034"},
               {5, 10, 1, "2 steps, 1 0 1 1 0, selectable 000111, 2024 2024 2034"},
               {5, 0, 1, "1 steps, 0 0 1 1 0, selectable 001111, 2024 2024 2024"},
               {0, 5, 2, "1 steps, 0 1 1 0 0, selectable 000111, 2019 2019 2024"},
               {0, 5, 3, "1 steps, 0 0 0 0 0, selectable 011011, 2019 2019 2024"},
               {0, 5, 0, "1 steps, 0 0 0 0 0, selectable 011111, 2019 2019 2024"},
               {0, 5, 5, "1 steps, 0 0 0 0 0, selectable 011110, 2019 2019 2024"}};
  for (const auto& c : cases) {
    s.Slots[1].years = c.years1;
    s.Slots[2].years = c.years2;
    SetCurrentPhase(c.phase);
    EXPECT_EQ(state(), c.state) << c.years1 << " " << c.years2 << " at " << c.phase;
  }
  SetCurrentPhase(0);
}

TEST(PhaseTest, WholeStandVolumesAndRemovals) {
  data s(0);
  s.Header.area = 2.5f;
  s.Slots[0].volumes[6] = 50;  // pine logs measured
  s.Slots[1].volumes[6] = 30;  // after the cutting
  s.Slots[0].volumes[0] = 41;
  s.Slots[1].volumes[0] = 17;
  s.Slots[0].stems = 900;
  s.Slots[1].stems = 600;
  s.Slots[1].name = "Harvennus";
  // round(41 x 2.5) - round((41 - 17) x 2.5) = 103 - 60 = 43.
  EXPECT_EQ(s.SlotAssortmentVolume(1, 0, true), 43);
  EXPECT_EQ(s.SlotAssortmentVolume(0, 0, true), 103);
  EXPECT_EQ(s.SlotAssortmentVolume(1, 0, false), 17);
  // 25 m3/ha on 0.70 ha is 17.5 m3 and rounds up to 18; 15 m3/ha is 10.5 ->
  // 11, so a slot of 10 m3/ha is 18 - 11 = 7.
  // A later slot above the base: round(25 x 0.7) - round(-15 x 0.7) = 18 + 11.
  for (auto [slot, want] : {std::pair{25, 18}, {10, 7}, {0, 0}, {40, 29}}) {
    EXPECT_EQ(AreaScaledDifference(0.7f, 25, slot), want) << slot;
  }

  SetCurrentPhase(0);
  for (int j = 0; j < 13; ++j) EXPECT_EQ(AssortmentRemoval(s, j, false, 10), 0);
  SetCurrentPhase(1);
  // Pine logs and pulpwood; with a shift 10 % of the 20 m3 pine log removal moves to pine pulpwood.
  for (auto [j, shift, removal] : {std::tuple{6, 0, 20}, {0, 0, 24}, {0, 10, 26}, {6, 10, 18}})
    EXPECT_EQ(AssortmentRemoval(s, j, false, shift), removal) << j << " " << shift;
  EXPECT_EQ(RemovalValueSum(s, true, false, false), 44);
  EXPECT_EQ(RemovedStemCount(s), 300);
  SetCurrentPhase(0);
}

TEST(PhaseTest, LogShiftRoundsExactHalvesAwayFromZero) {
  // 10 % of a 5 m3 log removal is 0.5 m3 and moves 1 m3; 10 % of 15 m3 is
  // 1.5 and moves 2 (in single precision 10 x 0.01 is 0.099999994 and moved
  // 0 and 1).
  for (auto [logs, moved] : {std::pair{5, 1}, {15, 2}, {14, 1}, {25, 3}, {0, 0}, {-5, -1}})
    EXPECT_EQ(LogShiftVolume(10, logs), moved) << logs;
  // Pulpwood gains what the logs lose; alder pulpwood and energy wood keep theirs.
  const std::tuple<int, int, int> shifts[] = {{PinePulpwood, 7, 8}, {PineLogs, 5, 4}, {AlderPulpwood, 7, 7},
                                              {EnergyWood, 7, 7}};
  for (auto [j, own, shifted] : shifts) EXPECT_EQ(ShiftedAssortmentVolume(j, own, 5, 10), shifted) << j;

  data s(0);
  s.Header.area = 3.0f;
  s.Slots[0].volumes[SpruceLogs] = 20;  // 5 m3/ha removed, 15 m3 for the stand
  s.Slots[1].volumes[SpruceLogs] = 15;
  s.Slots[0].volumes[SprucePulpwood] = 10;
  s.Slots[1].volumes[SprucePulpwood] = 6;  // 4 m3/ha, 12 m3
  s.Slots[1].name = "Harvennus";
  SetCurrentPhase(1);
  // Per hectare 10 % of 5 m3/ha moves 1 m3/ha; for the whole stand 10 % of
  // 15 m3 is 1.5 and moves 2 m3.
  const std::tuple<int, bool, int, int> removals[] = {{SpruceLogs, false, 10, 4}, {SprucePulpwood, false, 10, 5},
                                                      {SpruceLogs, true, 0, 15}, {SpruceLogs, true, 10, 13},
                                                      {SprucePulpwood, true, 10, 14}};
  for (auto [j, whole, shift, removal] : removals)
    EXPECT_EQ(AssortmentRemoval(s, j, whole, shift), removal) << j << " " << whole << " " << shift;
  SetCurrentPhase(0);
}

TEST(NamesTest, DevelopmentClassSiteTypeAndAssortment) {
  struct Name {
    QString (*of)(int, int);
    int style, value;
    const char* text;
  };
  const Name names[] = {
      {DevelopmentClassName, 2, 7, "uudistuskypsä metsikkö "}, {DevelopmentClassName, 4, 0, "ei kehitysluokkatietoa  "},
      {DevelopmentClassName, 0, 0, "ei tietoa puuston kehitysluokasta"},
      {DevelopmentClassName, 1, 0, "ei tietoa kehitysluokasta"}, {DevelopmentClassName, -1, 0, "ei tietoa kehitysluokasta"},
      {DevelopmentClassName, 9, 6, "kasvatus,vartt."}, {DevelopmentClassName, 0, 10, "khl - error"},
      {SiteTypeName, 2, 0, "ei kasvupaikkatyyppiä"}, {SiteTypeName, 3, 0, "ei tietoa            "},
      {SiteTypeName, 0, 0, "ei tietoa kuvion kasvupaikkatyypistä"}, {SiteTypeName, 1, 3, "tuore kangas"},
      {SiteTypeName, 2, 6, "karukkokangas        "}, {SiteTypeName, 1, 7, "mt - error"}};
  for (const Name& n : names) EXPECT_EQ(n.of(n.style, n.value), QString::fromUtf8(n.text)) << n.text;
  for (int c = 0; c < 10; ++c) {
    EXPECT_EQ(DevelopmentClassName(2, c).size(), 23) << c;
    EXPECT_EQ(DevelopmentClassName(4, c).size(), 24) << c;
  }
  const std::pair<int, const char*> assortments[] = {
      {112, "ranka"}, {12, "ranka     "}, {8, "koivutukki"}, {4, "leppäkuitu"},
      {1006, "mäRun"}, {2007, "kuusirunko"}, {5, "ranka   "}};
  for (auto [a, text] : assortments) EXPECT_EQ(AssortmentName(a, false), QString::fromUtf8(text)) << a;
  EXPECT_EQ(AssortmentName(0, true), QString::fromUtf8(" mäntykuitu"));
}

TEST(SharesTest, RoundPercentsTo100) {
  const struct {
    std::vector<float> shares;
    std::vector<int> percents;
    float first;  // the first share after the rounding
  } cases[] = {
      // 34 + 34 + 33 = 101: the first of the equal gains is lowered by 0.5.
      {{33.5f, 33.5f, 33.0f}, {33, 34, 33}, 33.0f},
      // Seven shares of 100/7 round to 14 (98): the first, then the second, rise.
      {std::vector<float>(7, 100.0f / 7.0f), {15, 15, 14, 14, 14, 14, 14}, 100.0f / 7.0f + 0.5f},
      // Negative shares round away from zero; all zero stops at once.
      {{-2.5f, 102.5f}, {-3, 103}, -2.5f},
      {{0.0f, 0.0f, 0.0f}, {0, 0, 0}, 0.0f}};
  for (auto c : cases) {
    std::vector<int> out(c.shares.size(), 7);
    RoundPercentsTo100(c.shares.data(), out.data(), static_cast<int>(out.size()));
    EXPECT_EQ(out, c.percents) << c.first;
    EXPECT_EQ(c.shares[0], c.first);
  }
}

TEST(SharesTest, SlotGroupsAndRemovalDifference) {
  int zero[13] = {};
  int untouched[13] = {5};
  EXPECT_EQ(AssortmentShareOf(zero, untouched, true), 0);
  EXPECT_EQ(untouched[0], 5);

  data s(0);
  s.Header.area = 2.0f;
  // Slot 0: 10 pine pulp, 10 spruce pulp, 10 pine logs; whole area 20 each.
  // Shares 33.33 round to 33 (99); the first rises: 34, 33, 33.
  for (int a : {0, 1, 6}) s.Slots[0].volumes[a] = 10;
  EXPECT_EQ(SlotVolumeByAssortmentGroup(s, 0, 0, false), 33);
  EXPECT_EQ(SlotVolumeByAssortmentGroup(s, -1, 0, false), 67);
  // Slot 1 after a cutting: 4 pine pulp, 6 spruce pulp, 2 pine logs, 3 birch
  // pulp, 1 aspen logs.
  for (auto [a, v] : {std::pair{0, 4}, {1, 6}, {6, 2}, {2, 3}, {9, 1}}) s.Slots[1].volumes[a] = v;
  const std::pair<int, int> groups[] = {{1, 3}, {3, 4}, {6, 0}, {7, 3}, {8, 1}, {9, 0}};
  for (auto [group, want] : groups) EXPECT_EQ(SlotVolumeByAssortmentGroup(s, group, 1, false), want) << group;
  // Removal 0 -> 1 over the whole area (base 10 of slot 0, so 2 x difference):
  // pine pulp 12, spruce pulp 8, pine logs 16, birch pulp -6, aspen logs -2
  // (total 28): log shares 57.14 and -7.14 round to 57 and -7 -> 50 % (the
  // pulpwood 42.86 -> 43, 28.57 -> 29, -21.43 -> -21 make 101; a pulpwood
  // share with the largest gain, 0.43, is lowered).
  EXPECT_EQ(RemovalDifference(s, true, 0, 1), 50);
  // Per hectare, the logs removed: (10 - 2) + (0 - 1) = 7.
  EXPECT_EQ(RemovalDifference(s, false, 0, 1), 7);
}

}  // namespace
