// The selection cutting dialog through the main window's button.

#include <QTextEdit>

#include "operations/PlocCutt.h"
#include "platform/Numbers.h"
#include "tests/operations/DialogFixture.h"

namespace {

using namespace dialogtest;

class Selection : public Dialogs {};

TEST_F(Selection, ListFirstTrialRefusalOfNoCuttingAndOkKeepingOneApplication) {
  Open(MatureMixedStand(), 1);
  const int v = Stand().SlotTotalVolume(0);
  data last(0);
  EXPECT_TRUE(Run(ActForm->Button15, [&](QWidget* d) {
    EXPECT_EQ(d->windowTitle(), " Kuvio 7,  poimintahakkuu");
    auto* group = Child<TRadioGroup>(d, "RadioGroup1");
    EXPECT_TRUE(group->isEnabled());
    EXPECT_EQ(group->Count(), static_cast<int>(BuildSelectionRemovalChoices(v).items.size()));
    EXPECT_EQ(group->ItemIndex(), 0);
    EXPECT_EQ(group->title(), " poimintahakkuun hakkuukertymä, m3/ha ");
    EXPECT_EQ(Stand().Slots[1].name, "valitse poimintahakkuun hakkuukertymä  !");
    EXPECT_EQ(Stand().SlotTreeCount(1), Stand().SlotTreeCount(0));
    EXPECT_FALSE(Child<QCheckBox>(d, "CheckBox2")->isEnabled());
    EXPECT_FALSE(Child<QCheckBox>(d, "CheckBox1")->isVisibleTo(d));
    EXPECT_EQ(Text(d, "Label9"), "1 ha otos puustosta ennen poimintahakkuuta");
    ClickButton(d, "BitBtn1");
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(script_.Last(MessageKind::Notice).lines.at(0), "valitse poimintahakkuun hakkuukertymä  !");
    // 50 m3/ha, then with more weight on large trees: one trial each.
    const int start = Recalculations(d);
    ClickItem(d, "RadioGroup1", 4);
    ASSERT_EQ(group->ItemText(4), "50");
    EXPECT_EQ(Text(d, "Label15"), "poimintahakkuu 50 m3/ha");
    EXPECT_EQ(Stand().SlotTotalVolume(1), v - 50);
    TickBox(d, "CheckBox2");
    EXPECT_EQ(Recalculations(d) - start, 2);
    EXPECT_EQ(Texts(d, {"Label15", "Label9"}),
              (QStringList{"poimintahakkuu+ 50 m3/ha", "1 ha otos puustosta poimintahakkuun jälkeen"}));
    EXPECT_TRUE(Child<QCheckBox>(d, "CheckBox1")->isVisibleTo(d));
    Shot(d, "ploccutt_mature.png");
    // Back to "0": the large-tree box is cleared without a further trial.
    ClickItem(d, "RadioGroup1", 0);
    EXPECT_EQ(Recalculations(d) - start, 3);
    EXPECT_FALSE(Ticked(d, "CheckBox2"));
    // 30 m3/ha weighted, then 70.
    ClickItem(d, "RadioGroup1", 2);
    TickBox(d, "CheckBox2");
    last = Stand();
    ClickItem(d, "RadioGroup1", 6);
    // The trial made to leave 1001 stems: asked; "Peru" keeps the dialog.
    const int stems = Stand().Slots[1].stems;
    Stand().Slots[1].stems = 1001;
    script_.Answer(2);
    ClickButton(d, "BitBtn1");
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(script_.Last(MessageKind::Question).lines.at(1),
              "Harkitse hakkuun perumista tai poimintahakkuun voimakkuuden lisäämistä  !");
    // 1000: no question.
    Stand().Slots[1].stems = 1000;
    ClickButton(d, "BitBtn1");
    EXPECT_FALSE(d->isVisible());
    Stand().Slots[1].stems = stems;
  }));
  EXPECT_EQ(script_.Count(MessageKind::Question), 1);
  EXPECT_EQ(CurrentPhase(), 1);
  ResetTrialCutting(last, 1);
  last.SelectLargestTrees(0, static_cast<float>(platform::RoundHalfAway(0.2 * 70)));
  const int left = last.ThinToTargetVolume(0, static_cast<float>(v - 70), 5, false);
  last.RecordPhase(1, SelectionName(true, true, v - left), 0, 0);
  ExpectSameStand(Stand(), last);
}

TEST_F(Selection, StandFailingTheRequirementsShowsOnlyTheExplanation) {
  Open(YoungThinningStand(), 1);
  const data before = Stand();
  EXPECT_TRUE(Run(ActForm->Button15, [&](QWidget* d) {
    EXPECT_FALSE(Child<TRadioGroup>(d, "RadioGroup1")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(d, "BitBtn1")->isVisibleTo(d));
    EXPECT_FALSE(Child<QFrame>(d, "Panel1")->isVisibleTo(d));
    EXPECT_TRUE(Child<QLabel>(d, "Label5")->isVisibleTo(d));
    EXPECT_EQ(Texts(d, {"Label5", "Label6"}),
              (QStringList{QStringLiteral("puusto %1 m3/ha,  keskiläpimitta 11 cm,  runkoluku %2 kpl/ha,")
                               .arg(Stand().SlotTotalVolume(0))
                               .arg(Stand().SlotTreeCount(0)),
                           "edellytykset poimintahakkuulle eivät täyty   !"}));
    EXPECT_TRUE(Child<QTextEdit>(d, "RichEdit1")->toPlainText().contains("Poimintahakkuulle asetetut vaatimukset"));
    EXPECT_EQ(Recalculations(d), 0);
    Shot(d, "ploccutt_refused.png");
    ClickButton(d, "BitBtn2");
  }));
  EXPECT_EQ(CurrentPhase(), 0);
  ExpectSameStand(Stand(), before);
  // The next stand that meets them gets the list back.
  Open(MatureMixedStand(), 1);
  EXPECT_TRUE(Run(ActForm->Button15, [&](QWidget* d) {
    EXPECT_TRUE(Child<TRadioGroup>(d, "RadioGroup1")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(d, "BitBtn1")->isVisibleTo(d));
    ClickButton(d, "BitBtn2");
  }));
}

}  // namespace
