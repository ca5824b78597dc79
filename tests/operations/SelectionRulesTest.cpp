// The selection cutting dialog's removal list, worked out by hand, its
// captions, names and the stem-count question.

#include <gtest/gtest.h>

#include "operations/PlocCuttRules.h"

namespace {

std::vector<int> ZeroThen(int from, int to, int step) {
  std::vector<int> v{0};
  for (int x = from; x <= to; x += step) v.push_back(x);
  return v;
}

TEST(SelectionRules, RemovalList) {
  // Volume, values, columns.
  const std::tuple<int, std::vector<int>, int> cases[] = {
      // f = 0.4 + 0.2 sqrt(0.0025 x 250) = 0.5581, limit round(210 f) = 117.
      {250, ZeroThen(20, 130, 10), 7},
      // f 0.6, limit 276; the count limit (14 items) stops at 300.
      {500, ZeroThen(60, 300, 20), 7},
      // f = 0.5225, limit round(110 f) = 57.
      {150, ZeroThen(20, 70, 10), 4},
      // 401: f 0.6, limit round(361 x 0.6) = 217; steps of 20 from 40.
      {401, ZeroThen(40, 240, 20), 6},
      // 420: from 60, limit 228; 13 items.
      {420, ZeroThen(60, 280, 20), 7},
      // 199: f = 0.5411, limit 86.
      {199, ZeroThen(20, 100, 10), 5},
      // 40 and less: no removal below (V - 40) f.
      {40, {0}, 3},
  };
  for (const auto& [volume, values, columns] : cases) {
    const SelectionRemovalList l = BuildSelectionRemovalChoices(volume);
    EXPECT_EQ(std::tuple(l.values, l.columns, l.items.size(), l.items.first()),
              std::tuple(values, columns, static_cast<qsizetype>(values.size()), QString("0")))
        << volume;
  }
}

TEST(SelectionRules, CaptionsNamesAndMessages) {
  const SelectionCaptions none = SelectionCaptionsFor(0, true, true);
  const SelectionCaptions alone = SelectionCaptionsFor(3, false, true);
  const SelectionCaptions gap = SelectionCaptionsFor(3, true, true);
  const SelectionCaptions species = SelectionCaptionsFor(3, true, false);
  EXPECT_EQ((QStringList{none.remaining, none.removal, alone.remaining, gap.removal, species.remaining}),
            (QStringList{"1 ha otos puustosta ennen poimintahakkuuta", "1 ha otos hakkuukertymästä ennen poimintahakkuuta",
                         "1 ha otos puustosta poimintahakkuun jälkeen",
                         "1 ha otos hakkuukertymästä pienaukko - ja poimintahakkuun jälkeen",
                         "1 ha otos puustosta puulajin poiston ja poimintahakkuun jälkeen"}));
  const QString heavy = SelectionName(true, true, 120);
  EXPECT_EQ((QStringList{heavy, SelectionName(true, false, 80), SelectionName(false, true, 0),
                         SelectionMessage(heavy, true, 35, true), SelectionMessage(heavy, true, 35, false),
                         SelectionMessage(heavy, true, 0, true), SelectionMessage("x", false, 35, true)}),
            (QStringList{"poimintahakkuu+ 120 m3/ha", "poimintahakkuu 80 m3/ha", "valitse poimintahakkuun hakkuukertymä  !",
                         "Pienaukkohakkuu 35 m3/ha,  poimintahakkuu+ 120 m3/ha",
                         "Puulajin poisto 35 m3/ha,  poimintahakkuu+ 120 m3/ha", "poimintahakkuu+ 120 m3/ha", "x"}));
  EXPECT_TRUE(SelectionExplanation(true).endsWith("keskiläpimitta vähintään 18 cm ja runkoluku 400 - 1500 / ha. "));
  EXPECT_FALSE(SelectionExplanation(false).contains("vaatimukset"));
}

TEST(SelectionRules, StemCountQuestion) {
  const QStringList selection = StemCountQuestionLines(true, 1001);
  EXPECT_EQ(selection.at(0),
            "Puuston runkoluku hakkuun jälkeen 1001 kpl/ha. Koska ajouraverkostoa ei hakata, runkoluvuksi suositellaan "
            "korkeintaan 1000 kpl/ha  !");
  EXPECT_EQ(selection.at(1), "Harkitse hakkuun perumista tai poimintahakkuun voimakkuuden lisäämistä  !");
  EXPECT_EQ(StemCountQuestionLines(false, 1200).at(1),
            "Harkitse hakkuun perumista ja kasvatushakkuun valitsemista, jolloin voit hakata ajourat ja poistaa "
            "puulajin  !");
}

}  // namespace
