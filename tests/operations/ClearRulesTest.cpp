// The regeneration cutting dialog's rules: which pages a stand allows by its
// species and spruce share, the option lists, the operation texts and the OK
// checks that the dialog's tests (ClearTest) do not reach: there the stem
// thresholds, the retention trees per group, the texts of each page and the
// seed-tree checks are read in the dialog.

#include <gtest/gtest.h>

#include "model/Data.h"
#include "operations/ClearRules.h"
#include "tests/model/CuttingStands.h"

namespace {

RegenerationStandFacts Facts(int n, bool pine, bool birch, int volume, int spruce, bool strip = true) {
  RegenerationStandFacts f;
  f.stemsPerHa = n;
  f.pineStands = pine;
  f.birchStands = birch;
  f.totalVolume = volume;
  f.spruceVolume = spruce;
  f.stripAllowed = strip;
  return f;
}

// The pages shown, small gap, clear-cut, seed trees, shelter trees and
// strips, as "1" or "0".
QString Pages(const AllowedCuttingTypes& a) {
  QString shown;
  for (bool v : a.visible) shown += v ? '1' : '0';
  return shown;
}

}  // namespace

TEST(ClearRules, PageAvailabilityAtEveryThreshold) {
  const std::tuple<RegenerationStandFacts, const char*, bool, int> cases[] = {
      {Facts(149, true, true, 200, 200), "01000", false, ClearCutPage},  // no groups, no strips
      {Facts(150, true, true, 200, 200), "01001", true, ClearCutPage},
      {Facts(200, false, true, 200, 0), "01101", true, ClearCutPage},    // seed trees with birch only
      {Facts(900, false, false, 200, 200), "11011", true, SmallGapPage},  // neither: never seed trees
      {Facts(299, true, true, 200, 200), "01101", true, ClearCutPage},   // no small gap
      {Facts(300, true, true, 200, 200), "11101", true, SmallGapPage},   // small gap, opened first
      {Facts(420, true, true, 100, 40), "11111", true, SmallGapPage},    // spruce 40 %: shelter trees
      {Facts(420, true, true, 100, 39), "11101", true, SmallGapPage},
      {Facts(500, true, true, 253, 102), "11111", true, SmallGapPage},  // 40 % of an uneven volume
      {Facts(500, true, true, 253, 101), "11101", true, SmallGapPage},
      // The strip page refused by the main window.
      {Facts(1000, true, true, 300, 300, false), "01000", false, ClearCutPage},
  };
  for (const auto& [facts, pages, retention, first] : cases) {
    const AllowedCuttingTypes a = AllowedCuttingTypesFor(facts);
    EXPECT_EQ(std::tuple(Pages(a), a.retentionEnabled, a.retentionGroups, a.firstPage, a.optionsReset),
              std::tuple(QString(pages), retention, retention ? 2 : 0, first, facts.stripAllowed))
        << facts.stemsPerHa;
  }
}

TEST(ClearRules, SpeciesBoxesFollowTheStandingSpecies) {
  // A species the stand lacks is disabled and never ticked on the seed-tree
  // page; on the shelter page the boxes start unticked.
  const auto boxes = [](const AllowedCuttingTypes& a) {
    return std::tuple(a.seedPineEnabled, a.seedPineTicked, a.seedBirchEnabled, a.seedBirchTicked, a.shelterPineEnabled,
                      a.shelterBirchEnabled);
  };
  EXPECT_EQ(boxes(AllowedCuttingTypesFor(Facts(800, false, true, 200, 100))),
            std::tuple(false, false, true, true, false, true));
  EXPECT_EQ(boxes(AllowedCuttingTypesFor(Facts(800, true, true, 200, 100))),
            std::tuple(true, true, true, true, true, true));
}

TEST(ClearRules, FactsReadTheCurrentSlotAndTheStandingTrees) {
  // Two spruces, one birch removed by phase 1: birch no longer stands.
  data s = cuttingstands::MakeStand({{30, 60, 2600, 2000, SpeciesSpruce},
                                     {40, 70, 2600, 2000, SpeciesSpruce},
                                     {50, 80, 2600, 2000, SpeciesBirch}});
  s.Trees[2].removedBy = 1;
  s.RecordPhase(1, "Puulajin poisto, koivu", 0, 0);
  const RegenerationStandFacts f = RegenerationFactsOf(s, 1, true);
  EXPECT_EQ(std::tuple(f.stemsPerHa, f.pineStands, f.birchStands, f.totalVolume, f.spruceVolume, f.stripAllowed),
            std::tuple(2, false, false, s.SlotTotalVolume(1),
                       s.Slots[1].volumes[SprucePulpwood] + s.Slots[1].volumes[SpruceLogs], true));
  EXPECT_GT(f.spruceVolume, 0);
}

TEST(ClearRules, OptionLists) {
  EXPECT_EQ(StripWidthItems(), (QStringList{"20", "25", "30", "35", "40", "45", "50", "60", "70", "80", "90", "100"}));
  const QStringList seed = SeedTreeCountItems();
  const QStringList shelter = ShelterTreeCountItems();
  EXPECT_EQ((std::vector<qsizetype>{seed.size(), shelter.size()}), (std::vector<qsizetype>{14, 11}));
  const QString strip = StripWidthItems().at(kStripWidthDefault);
  EXPECT_EQ((QStringList{seed.at(kSeedTreeCountDefault), seed.last(), shelter.last(), strip}),
            (QStringList{"50", "150", "300", "50"}));
  EXPECT_EQ(std::pair(RetainedIndex(14, 17), RetainedIndex(-1, 17)), std::pair(14, -1));
}

TEST(ClearRules, OperationTexts) {
  EXPECT_EQ((QStringList{SeedTreeOperationText(false, false, true, 50), ShelterwoodOperationText(false, true, true, 90),
                         RemovalSampleCaption(StripPage)}),
            (QStringList{"", "Suojuspuuhakkuu, Kuusi+/Koivu+ 90 kpl/ha",
                         "1 ha otos hakkuukertymästä kaistalehakkuun jälkeen"}));
}

TEST(ClearRules, OkChecks) {
  using K = ClearOkCheck::Kind;
  const std::tuple<int, bool, bool, int, int, K, QStringList> cases[] = {
      {ClearCutPage, false, false, 0, 0, K::Close, {"", "", ""}},
      {ShelterwoodPage, false, false, 120, 80, K::Question,
       {"Suojuspuuhakkuu", "Valittuja puita hakkuualalla 80 kpl !", "Suoritetaanko suojuspuuhakkuu  ?"}},
      {ShelterwoodPage, false, false, 100, 100, K::Close, {"", "", ""}},
  };
  for (const auto& [page, pine, birch, chosen, kept, kind, lines] : cases) {
    const ClearOkCheck k = ClearOkCheckFor(page, pine, birch, chosen, kept);
    EXPECT_EQ(std::pair(k.kind, QStringList({k.caption, k.line1, k.line2})), std::pair(kind, lines)) << page << kept;
  }
}
