// The species removal dialog through the main window's buttons, on the
// final-cutting stage (Button4) and on the thinning stage (Button10).

#include "operations/Th4.h"
#include "tests/operations/DialogFixture.h"

namespace {

using namespace dialogtest;

class SpeciesRemoval : public Dialogs {
 protected:
  // The check box and the list of a species, numbered from 1.
  static QByteArray Numbered(const char* control, int species) { return control + QByteArray::number(species + 1); }
  static void Tick(QWidget* d, int species) { TickBox(d, Numbered("CheckBox", species).constData()); }
  static QComboBox* List(QWidget* d, int species) {
    return Child<QComboBox>(d, Numbered("ComboBox", species).constData());
  }
};

TEST_F(SpeciesRemoval, FinalCuttingStageOffersWholeSpeciesOnly) {
  Open(MatureMixedStand(), 1);
  EXPECT_TRUE(Run(ActForm->Button4, [&](QWidget* d) {
    EXPECT_EQ(d->windowTitle(), " Kuvio 7, puulajin poisto");
    EXPECT_EQ(Texts(d, {"Label8", "Label14", "Label16", "Label3"}),
              (QStringList{"Koska ajouraverkostoa ei hakata,", "", "valitse poistettavat puulajit   !",
                           "1 ha otos puustosta ennen puulajin poistoa"}));
    for (int s = 0; s < 5; ++s) {
      EXPECT_EQ(List(d, s)->count(), 1) << s;
      EXPECT_FALSE(List(d, s)->isEnabled()) << s;
      EXPECT_EQ(List(d, s)->currentIndex(), -1) << s;
    }
    EXPECT_FALSE(Child<QCheckBox>(d, "CheckBox6")->isVisibleTo(d));
    const int start = Recalculations(d);
    Tick(d, 2);  // birch
    Tick(d, 3);  // aspen
    EXPECT_EQ(Recalculations(d) - start, 2);
    EXPECT_EQ(Stand().Slots[1].name, "Puulajin poisto, koivu/haapa");
    EXPECT_EQ(Texts(d, {"Label16", "Label3"}),
              (QStringList{"puulajin poisto, koivu/haapa", "1 ha otos puustosta puulajin poiston jälkeen"}));
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
    EXPECT_FALSE(List(d, 4)->isVisibleTo(d));
    int small[kSpeciesSlots] = {};
    Stand().CountZeroVolumeTrees(small);
    ASSERT_GT(small[0], 0);
    QComboBox* pine = List(d, 0);
    Tick(d, 0);
    EXPECT_TRUE(pine->isEnabled());
    EXPECT_EQ(pine->currentIndex(), 0);
    ASSERT_EQ(pine->count(), 2);
    EXPECT_EQ(pine->itemText(1), "kuitupuuta pienempi mäntyranka");
    last = Stand();
    // The pine list moved down with the arrow key: one trial.
    const int start = Recalculations(d);
    QTest::keyClick(pine, Qt::Key_Down);
    EXPECT_EQ(Recalculations(d) - start, 1);
    EXPECT_EQ(Text(d, "Label16"), "puulajin poisto, mäntyranka");
    Shot(d, "th4_young.png");
    ClickButton(d, "BitBtn1");
  }));
  ASSERT_EQ(CurrentPhase(), 2);
  ResetTrialCutting(last, 2);
  last.SelectSpeciesRemoval(2, 0, 0, 0, 0, 2);
  last.RecordPhase(2, "Puulajin poisto, mäntyranka", 0, 0);
  ExpectSameStand(Stand(), last);
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
    EXPECT_EQ((QStringList{q.caption, q.yesCaption, q.closeCaption}), (QStringList{d->windowTitle(), "Jatka", "Peru"}));
    EXPECT_TRUE(q.lines.at(0).startsWith("Puuston runkoluku hakkuun jälkeen 1001 kpl/ha. "));
    EXPECT_TRUE(q.lines.at(1).startsWith("Harkitse hakkuun perumista ja kasvatushakkuun valitsemista"));
    // "Jatka" keeps the removal.
    script_.Answer(1);
    ClickButton(d, "BitBtn1");
    EXPECT_FALSE(d->isVisible());
  }));
  EXPECT_EQ(CurrentPhase(), 1);
  EXPECT_EQ(Stand().Slots[1].name, "Puulajin poisto, leppä");

  // 1000 stems left: no question.
  Open(AdvancedThinningStand(), 1);
  EXPECT_TRUE(Run(ActForm->Button4, [&](QWidget* d) {
    Tick(d, 4);
    Stand().Slots[1].meanDiameter = 12.0f;
    Stand().Slots[1].stems = 1000;
    const int questions = script_.Count(MessageKind::Question);
    ClickButton(d, "BitBtn1");
    EXPECT_EQ(script_.Count(MessageKind::Question), questions);
  }));
  EXPECT_EQ(CurrentPhase(), 1);
}

}  // namespace
