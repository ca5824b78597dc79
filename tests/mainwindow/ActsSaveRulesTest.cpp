// The grow command's refusals in their order, the ages of both growing
// steps, and growth undone step by step back to the measured state.
#include <gtest/gtest.h>

#include "mainwindow/ActsSaveRules.h"
#include "mainwindow/ButtonRules.h"
#include "model/Phase.h"
#include "tests/model/StandFixture.h"
#include "tests/support/StandCompare.h"

namespace {

// Slot stems and step kinds ("G" growth of 10 years, "C" a cutting).
data Chain(const std::vector<int>& stems, const char* kinds) {
  data s(0);
  for (std::size_t k = 0; k < stems.size(); ++k) {
    s.Slots[k].stems = stems[k];
    s.Slots[k].name = k == 0 ? QStringLiteral("dummyStr") : QStringLiteral("x");
    if (k > 0 && kinds[k - 1] == 'G') s.Slots[k].years = 10;
  }
  return s;
}

TEST(GrowRules, RefusalsInOrder) {
  const QString zero = QStringLiteral("runkoluku on 0, ei puuston kasvatusta   !");
  const QString few = QString::fromUtf8("kasvatettavan puuston runkoluku vähintään 10 kpl/ha !");
  const QString twice = QStringLiteral("puustoa voidaan kasvattaa korkeintaan kahdesti   !");
  const QString afterCut = QString::fromUtf8("puustoa voidaan kasvattaa vain kerran hakkuun jälkeen   !");
  const QString limit = QString::fromUtf8("toimenpiteiden lukumäärä korkeintaan 5 !");
  struct Case {
    std::vector<int> stems;
    const char* kinds;
    QString line;  // empty: allowed
  };
  const Case cases[] = {
      {{0}, "", zero},
      {{9}, "", few},
      {{10}, "", ""},
      {{900, 880, 0}, "GG", zero},        // no stems comes first
      {{900, 880, 870}, "GG", twice},
      {{900, 880, 500, 490}, "GCG", twice},
      {{900, 600, 590}, "CG", afterCut},  // cut, grow, grow
      {{900, 880, 500}, "GC", ""},        // grow, cut, grow
      {{900, 600}, "C", ""},              // a first growth after a cutting
      {{900, 800, 700, 600, 500, 400}, "CCCCC", limit},
      {{900, 880, 700, 600, 500, 400}, "GCCCC", limit},
  };
  for (const Case& c : cases) {
    const data s = Chain(c.stems, c.kinds);
    const CuttingRefusal r = GrowRefusal(s, static_cast<int>(c.stems.size()) - 1);
    EXPECT_EQ(r.line1, c.line) << c.kinds << " " << c.stems.back();
    if (c.line.isEmpty()) continue;
    EXPECT_EQ(r.caption, c.line == limit ? QStringLiteral("Rajoite") : QStringLiteral("Puuston kasvatus"));
  }
}

TEST(GrowRules, AgesOfBothSteps) {
  data s(0);
  for (int sp = 0; sp < kSpeciesSlots; ++sp) s.SpeciesBlocks[sp].words[WordAge] = sp < 3 ? 40 + sp : 0;
  s.Slots[1].years = 7;
  int first[kSpeciesSlots] = {};
  int second[kSpeciesSlots] = {};
  FirstGrowthAges(s, first);
  SecondGrowthAges(s, second);
  EXPECT_EQ(std::to_array(first), (std::array<int, kSpeciesSlots>{40, 41, 42, 0, 0, 0}));
  EXPECT_EQ(std::to_array(second), (std::array<int, kSpeciesSlots>{47, 48, 49, 0, 0, 0}));
}

// Undo as the main window does it: the trees of the step stand again, the
// rules run while the slot still holds the step, then the slot is cleared.
void Undo(data& s) {
  const int p = CurrentPhase();
  s.UndoOperation(p);
  ButtonStates states = BaselineButtonStates();
  ApplyStandEffects(s, ApplyButtonRule(states, s, p, 1, true));
  s.ClearSlot(p);
  SetCurrentPhase(-1);
}

TEST(GrowRules, GrowGrowUndoUndoReturnsTheMeasuredStand) {
  SetCurrentPhase(0);
  auto stand = standfixture::MakeStand(700, 21);
  stand->RecordPhase(0, "dummyStr", 0, 0);
  const data start = *stand;

  ApplyGrowingStep(*stand, NextGrowthKind(*stand), 10);
  EXPECT_EQ(CurrentPhase(), 1);
  EXPECT_EQ(stand->Slots[1].name, "Kasvatus");
  EXPECT_EQ(stand->Slots[1].years, 10);
  EXPECT_EQ(stand->GrownSizes1.size(), stand->Trees.size());
  EXPECT_GT(stand->SlotTotalVolume(1), stand->SlotTotalVolume(0));
  // Mortality removed trees by phase 1, as the slot counts.
  int died = 0;
  for (const TreeRecord& t : stand->Trees) died += t.removedBy == 1;
  EXPECT_GT(died, 0);
  EXPECT_EQ(stand->SlotTreeCount(1), 700 - died);
  const data afterFirst = *stand;

  ASSERT_EQ(NextGrowthKind(*stand), 2);
  ApplyGrowingStep(*stand, 2, 5);
  EXPECT_EQ(CurrentPhase(), 2);
  EXPECT_EQ(stand->GrownSizes2.size(), stand->Trees.size());
  EXPECT_GE(stand->SlotMeanHeight(2), stand->SlotMeanHeight(1));
  EXPECT_EQ(stand->PhaseYearText(2), "2029");

  Undo(*stand);
  EXPECT_EQ(CurrentPhase(), 1);
  EXPECT_TRUE(stand->GrownSizes2.empty());
  standcompare::ExpectSameStand(*stand, afterFirst);

  Undo(*stand);
  EXPECT_EQ(CurrentPhase(), 0);
  EXPECT_TRUE(stand->GrownSizes1.empty());  // the first step's sizes go too
  standcompare::ExpectSameStand(*stand, start);
  // The first undone growth takes the ages given for it.
  EXPECT_EQ(stand->SpeciesValue(0, 7), 0);
}

}  // namespace
