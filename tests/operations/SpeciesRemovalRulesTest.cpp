// The species removal dialog's names, lines, captions and OK decision; the
// dialog's tests (Th4Test) read the names of every species, its refusals and
// the whole-species items.

#include <gtest/gtest.h>

#include "operations/Th4Rules.h"

namespace {

TEST(SpeciesRemovalRules, NamesAbbreviateByHowManySpeciesAreChosen) {
  const std::pair<SpeciesRemovalChoices, const char*> cases[] = {
      {{0, 0, 0, 0, 0}, ""},
      {{2, 0, 0, 0, 0}, "Puulajin poisto, mäntyranka"},
      {{1, 0, 0, 0, 0}, "Puulajin poisto, mänty"},
      {{1, 2, 0, 0, 0}, "Puulajin poisto, mänty/kuusiranka"},
      {{2, 1, 1, 0, 0}, "Puulajin poisto, mäRa/kuusi/koivu"},
      {{0, 0, 2, 2, 2}, "Puulajin poisto, koRa/haRa/leRa"},
      {{2, 1, 2, 1, 2}, "Puulajin poisto, mäRa/ku/koRa/ha/leRa"},
      {{0, 0, 0, 0, 1}, "Puulajin poisto, leppä"},
  };
  for (const auto& [choices, name] : cases) EXPECT_EQ(SpeciesRemovalName(choices), QString::fromUtf8(name)) << name;
}

TEST(SpeciesRemovalRules, ChoiceItemsAndGuidance) {
  EXPECT_EQ(SpeciesChoiceItems(3, false), (QStringList{"kaikki haavat"}));
  EXPECT_EQ(SpeciesRemovalGuidance(true).size(), 5);
  EXPECT_EQ(SpeciesRemovalGuidance(true).at(4), "ennakkoraivauksessa.");
  EXPECT_EQ(SpeciesRemovalGuidance(false).at(0), "Koska ajouraverkostoa ei hakata,");
  EXPECT_EQ(SpeciesRemovalGuidance(false).at(4), "");
}

TEST(SpeciesRemovalRules, OperationLineAndCaptions) {
  EXPECT_EQ((QStringList{SpeciesRemovalMessage("", false, 40, 10), SpeciesRemovalMessage("Puulajin poisto, kuusi", false, 40, 25),
                         SpeciesRemovalMessage("Puulajin poisto, kuusi", true, 40, 25),
                         SpeciesRemovalMessage("Puulajin poisto, kuusi", false, 0, 25)}),
            (QStringList{"valitse poistettavat puulajit   !", "Pienaukkohakkuu 40 m3/ha,  Puulajin poisto 25 m3/ha",
                         "Puulajin poisto, kuusi", "Puulajin poisto, kuusi"}));
  const SpeciesRemovalCaptions before = SpeciesRemovalCaptionsFor(0, false, 100);
  const SpeciesRemovalCaptions withGap = SpeciesRemovalCaptionsFor(50, false, 120);
  const SpeciesRemovalCaptions alone = SpeciesRemovalCaptionsFor(50, false, 50);
  const SpeciesRemovalCaptions thinning = SpeciesRemovalCaptionsFor(50, true, 120);
  EXPECT_EQ((QStringList{before.remaining, before.removal, withGap.remaining, withGap.removal, alone.remaining,
                         thinning.removal}),
            (QStringList{"1 ha otos puustosta ennen puulajin poistoa", "1 ha otos hakkuukertymästä ennen puulajin poistoa",
                         "1 ha otos puustosta pienaukkohakkuun ja puulajin poiston jälkeen",
                         "1 ha otos hakkuukertymästä pienaukkohakkuun ja puulajin poiston jälkeen",
                         "1 ha otos puustosta puulajin poiston jälkeen",
                         "1 ha otos hakkuukertymästä puulajin poiston jälkeen"}));
}

TEST(SpeciesRemovalRules, OkDecision) {
  using D = SpeciesRemovalOk;
  struct Case {
    SpeciesRemovalOkInput in;  // allRemoved, removed, thinning, stemsAfter, gapBefore, selectionAccepts
    D decision;
  };
  const Case cases[] = {
      {{false, 10, true, 3000, true, false}, D::Accept},    // thinning stage never asks
      {{false, 10, false, 1000, true, false}, D::Accept},   // 1000 left: no question
      {{false, 10, false, 1001, true, true}, D::AskStemCount},  // beside a small-gap cutting
      {{false, 10, false, 1001, false, false}, D::AskStemCount}, // selection would refuse the stand
      {{false, 10, false, 1001, false, true}, D::Accept},
      {{false, 0, false, 500, false, true}, D::RefuseNothing},
      {{true, 500, false, 0, false, false}, D::RefuseAll},
  };
  for (const Case& c : cases) EXPECT_EQ(DecideSpeciesRemovalOk(c.in), c.decision) << c.in.stemsAfter;
  // The refusal lines are read in the dialog (Th4Test).
}

}  // namespace
