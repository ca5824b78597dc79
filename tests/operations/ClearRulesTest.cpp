// The regeneration cutting dialog's rules: which pages a stand allows at the
// edges of each threshold, the retention-per-group list rebuilt for each
// group count, the five operation texts, the sample captions and the OK
// checks.

#include <gtest/gtest.h>

#include "model/Data.h"
#include "operations/ClearRules.h"
#include "tests/model/CuttingStands.h"

namespace {

using Pages = std::array<bool, kRegenerationPageCount>;  // small gap, clear-cut, seed, shelter, strip

struct PageCase {
  const char* name;
  RegenerationStandFacts facts;
  Pages visible;
  bool retention;
  int firstPage;
};

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

}  // namespace

TEST(ClearRules, PageAvailabilityAtEveryThreshold) {
  const PageCase cases[] = {
      {"149 stems: clear-cut only, no groups", Facts(149, true, true, 200, 200), {0, 1, 0, 0, 0}, false, ClearCutPage},
      {"150 stems: clear-cut with groups and strips", Facts(150, true, true, 200, 200), {0, 1, 0, 0, 1}, true,
       ClearCutPage},
      {"199 stems: no seed trees yet", Facts(199, true, false, 200, 200), {0, 1, 0, 0, 1}, true, ClearCutPage},
      {"200 stems with pine: seed trees", Facts(200, true, false, 200, 200), {0, 1, 1, 0, 1}, true, ClearCutPage},
      {"200 stems with birch only: seed trees", Facts(200, false, true, 200, 0), {0, 1, 1, 0, 1}, true,
       ClearCutPage},
      {"no pine or birch: never seed trees", Facts(900, false, false, 200, 200), {1, 1, 0, 1, 1}, true,
       SmallGapPage},
      {"299 stems: no small gap", Facts(299, true, true, 200, 200), {0, 1, 1, 0, 1}, true, ClearCutPage},
      {"300 stems: small gap, opened first", Facts(300, true, true, 200, 200), {1, 1, 1, 0, 1}, true, SmallGapPage},
      {"419 stems: no shelter trees", Facts(419, true, true, 100, 40), {1, 1, 1, 0, 1}, true, SmallGapPage},
      {"420 stems, spruce 40 %: shelter trees", Facts(420, true, true, 100, 40), {1, 1, 1, 1, 1}, true,
       SmallGapPage},
      {"420 stems, spruce 39 %: no shelter trees", Facts(420, true, true, 100, 39), {1, 1, 1, 0, 1}, true,
       SmallGapPage},
      {"spruce 40 % of an uneven volume", Facts(500, true, true, 253, 102), {1, 1, 1, 1, 1}, true, SmallGapPage},
      {"spruce just under 40 % of it", Facts(500, true, true, 253, 101), {1, 1, 1, 0, 1}, true, SmallGapPage},
      {"strip page refused by the main window", Facts(1000, true, true, 300, 300, false), {0, 1, 0, 0, 0}, false,
       ClearCutPage},
  };
  for (const PageCase& c : cases) {
    const AllowedCuttingTypes a = AllowedCuttingTypesFor(c.facts);
    EXPECT_EQ(a.visible, c.visible) << c.name;
    EXPECT_EQ(a.retentionEnabled, c.retention) << c.name;
    EXPECT_EQ(a.retentionGroups, c.retention ? 2 : 0) << c.name;
    EXPECT_EQ(a.firstPage, c.firstPage) << c.name;
    EXPECT_EQ(a.optionsReset, c.facts.stripAllowed) << c.name;
  }
}

TEST(ClearRules, SpeciesBoxesFollowTheStandingSpecies) {
  // A species the stand lacks is disabled and never ticked on the seed-tree
  // page; on the shelter page the boxes start unticked.
  const AllowedCuttingTypes birchOnly = AllowedCuttingTypesFor(Facts(800, false, true, 200, 100));
  EXPECT_FALSE(birchOnly.seedPineEnabled);
  EXPECT_FALSE(birchOnly.seedPineTicked);
  EXPECT_TRUE(birchOnly.seedBirchEnabled);
  EXPECT_TRUE(birchOnly.seedBirchTicked);
  EXPECT_FALSE(birchOnly.shelterPineEnabled);
  EXPECT_TRUE(birchOnly.shelterBirchEnabled);
  const AllowedCuttingTypes both = AllowedCuttingTypesFor(Facts(800, true, true, 200, 100));
  EXPECT_TRUE(both.seedPineTicked && both.seedBirchTicked && both.shelterPineEnabled);
}

TEST(ClearRules, FactsReadTheCurrentSlotAndTheStandingTrees) {
  // Two spruces, one birch removed by phase 1: birch no longer stands.
  data s = cuttingstands::MakeStand({{30, 60, 2600, 2000, SpeciesSpruce},
                                     {40, 70, 2600, 2000, SpeciesSpruce},
                                     {50, 80, 2600, 2000, SpeciesBirch}});
  s.Trees[2].removedBy = 1;
  s.RecordPhase(1, "Puulajin poisto, koivu", 0, 0);
  const RegenerationStandFacts f = RegenerationFactsOf(s, 1, true);
  EXPECT_EQ(f.stemsPerHa, 2);
  EXPECT_FALSE(f.pineStands);
  EXPECT_FALSE(f.birchStands);
  EXPECT_EQ(f.totalVolume, s.SlotTotalVolume(1));
  EXPECT_EQ(f.spruceVolume, s.Slots[1].volumes[SprucePulpwood] + s.Slots[1].volumes[SpruceLogs]);
  EXPECT_GT(f.spruceVolume, 0);
  EXPECT_TRUE(f.stripAllowed);
}

TEST(ClearRules, OptionLists) {
  EXPECT_EQ(SmallGapItems(), (QStringList{"0.05", "0.10", "0.15", "0.20", "0.25", "0.30"}));
  EXPECT_EQ(RetentionGroupItems(), (QStringList{"0", "1", "2", "3"}));
  EXPECT_EQ(StripWidthItems(), (QStringList{"20", "25", "30", "35", "40", "45", "50", "60", "70", "80", "90", "100"}));
  const QStringList seed = SeedTreeCountItems();
  const QStringList shelter = ShelterTreeCountItems();
  EXPECT_EQ((std::vector<qsizetype>{seed.size(), shelter.size()}), (std::vector<qsizetype>{14, 11}));
  const QString strip = StripWidthItems().at(kStripWidthDefault);
  EXPECT_EQ((QStringList{seed.at(kSeedTreeCountDefault), seed.last(), shelter.last(), strip}),
            (QStringList{"50", "150", "300", "50"}));
  // Retention trees per group: 1..15, then by fives to a last that falls
  // with the groups (the window rebuilds it, ClearTest).
  for (auto [groups, last] : {std::pair(1, "60"), std::pair(2, "40"), std::pair(3, "25")}) {
    const QStringList items = RetentionPerGroupItems(groups);
    EXPECT_EQ((QStringList{items.first(), items.at(kPerGroupDefault), items.at(15), items.last()}),
              (QStringList{"1", "15", "20", last}))
        << groups;
  }
  EXPECT_EQ(std::pair(RetainedIndex(14, 17), RetainedIndex(-1, 17)), std::pair(14, -1));
}

// The texts the regeneration dialog shows on each page's default choices are
// read in the dialog (ClearTest); here the others.
TEST(ClearRules, OperationTexts) {
  struct Case {
    QString text;
    QString expected;
  };
  const Case cases[] = {
      {SmallGapOperationText(0), "Pienaukkohakkuu, aukon koko 0.05 ha"},
      {SmallGapOperationText(2), "Pienaukkohakkuu, aukon koko 0.15 ha"},
      {ClearCutOperationText(0, 0), "Avohakkuu, säästöpuita 0 kpl/ha"},
      {SeedTreeOperationText(true, true, true, 50), "Siemenpuuhakkuu, mänty+/koivu+ 50 kpl/ha"},
      {SeedTreeOperationText(false, true, true, 37), "Siemenpuuhakkuu, koivu+ 37 kpl/ha"},
      {SeedTreeOperationText(false, false, true, 50), ""},
      {ShelterwoodOperationText(true, false, false, 100), "Suojuspuuhakkuu, Kuusi/Mänty 100 kpl/ha"},
      {ShelterwoodOperationText(true, true, true, 120), "Suojuspuuhakkuu, ku+/mä+/ko+ 120 kpl/ha"},
      {ShelterwoodOperationText(false, false, false, 100), "Suojuspuuhakkuu, Kuusi 100 kpl/ha"},
      {ShelterwoodOperationText(false, true, true, 90), "Suojuspuuhakkuu, Kuusi+/Koivu+ 90 kpl/ha"},
      {StripOperationText(50), "Kaistalehakkuu, kaistaleen leveys 50 m"},
      {RemainingSampleCaption(ClearCutPage), "1 ha otos puustosta avohakkuun jälkeen"},
      {RemovalSampleCaption(StripPage), "1 ha otos hakkuukertymästä kaistalehakkuun jälkeen"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.text, c.expected) << c.expected.toStdString();
  EXPECT_EQ(SmallGapArea(3), 20);
}

TEST(ClearRules, OkChecks) {
  struct Case {
    const char* name;
    int page;
    bool pine, birch;
    int chosen, kept;
    ClearOkCheck::Kind kind;
    QString caption, line1, line2;
  };
  const Case cases[] = {
      {"clear-cut closes", ClearCutPage, false, false, 0, 0, ClearOkCheck::Close, "", "", ""},
      {"seed trees without species", SeedTreePage, false, false, 50, 0, ClearOkCheck::Notice, "Siemenpuuhakkuu",
       "valitse puulajit !", ""},
      {"seed trees kept as chosen", SeedTreePage, true, false, 50, 50, ClearOkCheck::Close, "", "", ""},
      {"fewer seed trees than chosen", SeedTreePage, true, false, 50, 49, ClearOkCheck::Question, "Siemenpuuhakkuu",
       "Valittuja puita hakkuualalla 49 kpl !", "Suoritetaanko siemenpuuhakkuu  ?"},
      {"fewer shelter trees than chosen", ShelterwoodPage, false, false, 120, 80, ClearOkCheck::Question,
       "Suojuspuuhakkuu", "Valittuja puita hakkuualalla 80 kpl !", "Suoritetaanko suojuspuuhakkuu  ?"},
      {"shelter trees kept as chosen", ShelterwoodPage, false, false, 100, 100, ClearOkCheck::Close, "", "", ""},
  };
  for (const Case& c : cases) {
    const ClearOkCheck k = ClearOkCheckFor(c.page, c.pine, c.birch, c.chosen, c.kept);
    EXPECT_EQ(k.kind, c.kind) << c.name;
    EXPECT_EQ(k.caption, c.caption) << c.name;
    EXPECT_EQ(k.line1, c.line1) << c.name;
    EXPECT_EQ(k.line2, c.line2) << c.name;
  }
}
