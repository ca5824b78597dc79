// The species removal dialog through the main window's buttons, on the
// final-cutting stage (Button4) and on the thinning stage (Button10).

#include "operations/Th4.h"
#include "tests/operations/DialogFixture.h"

namespace {

using namespace dialogtest;

class SpeciesRemoval : public Dialogs {
 protected:
  static void Tick(QWidget* d, int species) {
    QTest::mouseClick(Child<QCheckBox>(d, QStringLiteral("CheckBox%1").arg(species + 1).toLatin1().constData()),
                      Qt::LeftButton);
  }
  // Moves a species' list down to `item` with the arrow key, as the user
  // does; each step is one choice.
  static void Choose(QWidget* d, int species, int item) {
    auto* c = Child<QComboBox>(d, QStringLiteral("ComboBox%1").arg(species + 1).toLatin1().constData());
    while (c->currentIndex() < item) QTest::keyClick(c, Qt::Key_Down);
  }
};

TEST_F(SpeciesRemoval, FinalCuttingStageOffersWholeSpeciesOnly) {
  Open(MatureMixedStand(), 1);
  EXPECT_TRUE(Run(ActForm->Button4, [&](QWidget* d) {
    EXPECT_EQ(d, Th4Form);
    EXPECT_EQ(d->windowTitle(), " Kuvio 7, puulajin poisto");
    EXPECT_EQ(Text(d, "Label8"), "Koska ajouraverkostoa ei hakata,");
    EXPECT_EQ(Text(d, "Label14"), "");
    for (int s = 0; s < 5; ++s) {
      auto* c = Child<QComboBox>(d, QStringLiteral("ComboBox%1").arg(s + 1).toLatin1().constData());
      EXPECT_EQ(c->count(), 1) << s;
      EXPECT_FALSE(c->isEnabled());
      EXPECT_EQ(c->currentIndex(), -1);
    }
    EXPECT_EQ(Text(d, "Label16"), "valitse poistettavat puulajit   !");
    EXPECT_EQ(Text(d, "Label3"), "1 ha otos puustosta ennen puulajin poistoa");
    EXPECT_FALSE(Child<QCheckBox>(d, "CheckBox6")->isVisibleTo(d));
    const int start = Recalculations(d);
    Tick(d, 2);  // birch
    Tick(d, 3);  // aspen
    EXPECT_EQ(Recalculations(d) - start, 2);
    EXPECT_EQ(Stand().Slots[1].name, "Puulajin poisto, koivu/haapa");
    EXPECT_EQ(Text(d, "Label16"), "puulajin poisto, koivu/haapa");
    EXPECT_EQ(Text(d, "Label3"), "1 ha otos puustosta puulajin poiston jälkeen");
    EXPECT_TRUE(Child<QCheckBox>(d, "CheckBox6")->isVisibleTo(d));
    int standing[kSpeciesSlots] = {};
    Stand().CountStandingBySpecies(1, standing);
    EXPECT_EQ(standing[2] + standing[3], 0);
    Shot(d, "th4_mature.png");
    ClickButton(d, "BitBtn1");
  }));
  EXPECT_EQ(CurrentPhase(), 1);
}

TEST_F(SpeciesRemoval, ThinningStageOffersTreesSmallerThanPulpwood) {
  Open(YoungThinningStand(), 0);
  CommitStripRoads(false);
  data last(0);
  EXPECT_TRUE(Run(ActForm->Button10, [&](QWidget* d) {
    EXPECT_EQ(Text(d, "Label8"), "Poistettavien puiden koko voidaan");
    // No aspen or alder: their rows are hidden.
    EXPECT_FALSE(Child<QCheckBox>(d, "CheckBox4")->isVisibleTo(d));
    EXPECT_FALSE(Child<QComboBox>(d, "ComboBox5")->isVisibleTo(d));
    int small[kSpeciesSlots] = {};
    Stand().CountZeroVolumeTrees(small);
    auto* pine = Child<QComboBox>(d, "ComboBox1");
    Tick(d, 0);
    EXPECT_TRUE(pine->isEnabled());
    EXPECT_EQ(pine->currentIndex(), 0);
    EXPECT_EQ(pine->count(), small[0] > 0 ? 2 : 1);
    if (small[0] > 0) {
      EXPECT_EQ(pine->itemText(1), "kuitupuuta pienempi mäntyranka");
      last = Stand();
      const int start = Recalculations(d);
      Choose(d, 0, 1);
      EXPECT_EQ(Recalculations(d) - start, 1);
      EXPECT_EQ(Text(d, "Label16"), "puulajin poisto, mäntyranka");
    }
    Shot(d, "th4_young.png");
    ClickButton(d, "BitBtn1");
  }));
  ASSERT_EQ(CurrentPhase(), 2);
  if (last.TreeCount() > 0) {
    ResetTrialCutting(last, 2);
    last.SelectSpeciesRemoval(2, 0, 0, 0, 0, 2);
    last.RecordPhase(2, "Puulajin poisto, mäntyranka", 0, 0);
    ExpectSameStand(Stand(), last, 2, 2);
  }
}

TEST_F(SpeciesRemoval, OptionChangesThenEveryWayOfClosingLeaveTheStandAsItWas) {
  Open(MatureMixedStand(), 1);
  const data before = Stand();
  for (Close how : {Close::CancelButton, Close::Escape, Close::TitleBar}) {
    EXPECT_TRUE(Run(ActForm->Button4, [&](QWidget* d) {
      Tick(d, 0);
      Tick(d, 4);
      Tick(d, 0);
      QTest::mouseClick(Child<QCheckBox>(d, "CheckBox6"), Qt::LeftButton);
      CloseWithout(d, how);
    }));
    ExpectSameStand(Stand(), before, CurrentPhase(), 0);
  }
}

TEST_F(SpeciesRemoval, OkRefusalsAndTheStemCountQuestion) {
  // About 1150 stems/ha, 45 of them alders.
  Open(AdvancedThinningStand(), 1);
  EXPECT_TRUE(Run(ActForm->Button4, [&](QWidget* d) {
    // Nothing chosen.
    ClickButton(d, "BitBtn1");
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(script_.Last(MessageKind::Notice).lines.at(0),
              "valitse poistettavat puulajit tai paina Peru - painiketta   !");
    EXPECT_EQ(script_.Last(MessageKind::Notice).caption, d->windowTitle());
    // Every species: a clear-cut instead.
    for (int s : {0, 1, 2, 4}) Tick(d, s);
    EXPECT_EQ(Stand().Slots[1].name, "Puulajin poisto, mänty/kuusi/koivu/leppä");
    ClickButton(d, "BitBtn1");
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(script_.Last(MessageKind::Notice).lines.at(0), "suorita avohakkuu, jos haluat poistaa kaikki puulajit !");
    // Alder alone leaves over 1000 stems; with the trial's mean diameter
    // made too small for a selection cutting the stem count is asked about.
    for (int s : {0, 1, 2}) Tick(d, s);
    ASSERT_GT(Stand().Slots[1].stems, 1001);
    Stand().Slots[1].meanDiameter = 12.0f;
    Stand().Slots[1].stems = 1001;
    script_.Answer(2);  // "Peru": the dialog stays open
    ClickButton(d, "BitBtn1");
    EXPECT_TRUE(d->isVisible());
    const MessageRecord q = script_.Last(MessageKind::Question);
    EXPECT_EQ(q.caption, d->windowTitle());
    EXPECT_EQ((QStringList{q.yesCaption, q.closeCaption}), (QStringList{"Jatka", "Peru"}));
    EXPECT_TRUE(q.lines.at(0).startsWith("Puuston runkoluku hakkuun jälkeen 1001 kpl/ha. "));
    EXPECT_TRUE(q.lines.at(1).startsWith("Harkitse hakkuun perumista ja kasvatushakkuun valitsemista"));
    Stand().Slots[1].stems = 1000;
    const int questions = script_.Count(MessageKind::Question);
    ClickButton(d, "BitBtn1");
    EXPECT_EQ(script_.Count(MessageKind::Question), questions);
    EXPECT_FALSE(d->isVisible());
  }));
  EXPECT_EQ(CurrentPhase(), 1);
  EXPECT_EQ(Stand().Slots[1].name, "Puulajin poisto, leppä");
}

TEST_F(SpeciesRemoval, StemCountQuestionAnsweredJatkaKeepsTheRemoval) {
  Open(AdvancedThinningStand(), 1);
  EXPECT_TRUE(Run(ActForm->Button4, [&](QWidget* d) {
    Tick(d, 4);
    Stand().Slots[1].meanDiameter = 12.0f;
    Stand().Slots[1].stems = 1001;
    script_.Answer(1);
    ClickButton(d, "BitBtn1");
  }));
  EXPECT_EQ(CurrentPhase(), 1);
}

}  // namespace
