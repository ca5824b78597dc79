// The thinning dialog through the main window's button.

#include <QTabBar>

#include "operations/Th1.h"
#include "tests/operations/DialogFixture.h"

namespace {

using namespace dialogtest;

class Thinning : public Dialogs {};

TEST_F(Thinning, ListsOfAnAdvancedThinningStand) {
  Open(AdvancedThinningStand(), 0);
  CommitStripRoads(false);
  SetCurrentPhase(1);
  const ThinningStand s = ThinningStandOf(Stand());
  EXPECT_TRUE(Run(ActForm->Button7, [&](QWidget* d) {
    EXPECT_EQ(d, Th1Form);
    EXPECT_EQ(d->windowTitle(), " Kuvio 12, ala - tai  yläharvennus");
    auto* pages = Child<QTabWidget>(d, "PageControl1");
    // Every page offered; the removal page first.
    EXPECT_EQ((std::vector<bool>{pages->isTabVisible(0), pages->isTabVisible(1), pages->isTabVisible(2),
                                 pages->isTabVisible(3)}),
              (std::vector<bool>{true, true, true, true}));
    EXPECT_EQ(pages->currentIndex(), 0);
    auto* removal = Child<TRadioGroup>(d, "RadioGroup3");
    const ThinningChoices r = RemovalChoices(s);
    EXPECT_EQ(removal->Count(), static_cast<int>(r.items.size()));
    EXPECT_EQ(removal->ItemIndex(), 1);
    EXPECT_EQ(Child<TRadioGroup>(d, "RadioGroup1")->Count(), static_cast<int>(StemCountChoices(s.stems).items.size()));
    EXPECT_EQ(Child<TRadioGroup>(d, "RadioGroup4")->ItemText(6), "2.50 m");
    EXPECT_EQ(removal->title(), " hakkuukertymä alaharvennuksen jälkeen, m3/ha ");
    EXPECT_TRUE(Child<QListWidget>(d, "ListBox3")->isEnabled());
    // The first trial: the second removal item.
    EXPECT_EQ(Text(d, "Label7"), ThinningRemovalText(true, r.values[1]).toLower());
    EXPECT_EQ(Stand().SlotTotalVolume(2), s.startVolume - r.values[1]);
    EXPECT_EQ(Text(d, "Label9"), "1 ha otos puustosta alaharvennuksen jälkeen");
    Shot(d, "th1_advanced.png");
    ClickButton(d, "BitBtn2");
  }));
}

TEST_F(Thinning, OptionChangesThenEveryWayOfClosingLeaveTheStandAsItWas) {
  Open(AdvancedThinningStand(), 0);
  CommitStripRoads(false);
  const data before = Stand();
  for (Close how : {Close::CancelButton, Close::Escape, Close::TitleBar}) {
    EXPECT_TRUE(Run(ActForm->Button7, [&](QWidget* d) {
      const int start = Recalculations(d);
      auto* pages = Child<QTabWidget>(d, "PageControl1");
      ClickItem(d, "RadioGroup3", 4);
      QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(1).center());
      ClickItem(d, "RadioGroup1", 2);
      auto* type = Child<QListWidget>(d, "ListBox3");
      QTest::mouseClick(type->viewport(), Qt::LeftButton, {}, type->visualItemRect(type->item(1)).center());
      EXPECT_EQ(Child<TRadioGroup>(d, "RadioGroup1")->title(), " runkoluku yläharvennuksen jälkeen, runkoa/ha ");
      QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(3).center());
      ClickItem(d, "RadioGroup4", 3);
      QTest::mouseClick(Child<QCheckBox>(d, "CheckBox1"), Qt::LeftButton);  // the chart only
      EXPECT_EQ(Recalculations(d) - start, 6);
      EXPECT_TRUE(Text(d, "Label7").startsWith("yläharvennus, minimietäisyys 1.75 m"));
      CloseWithout(d, how);
    }));
    ExpectSameStand(Stand(), before, CurrentPhase(), 1);
  }
}

TEST_F(Thinning, OkKeepsOneApplicationOfTheLastChoice) {
  Open(AdvancedThinningStand(), 0);
  CommitStripRoads(false);
  data last(0);
  int stems = 0;
  EXPECT_TRUE(Run(ActForm->Button7, [&](QWidget* d) {
    ClickItem(d, "RadioGroup3", 5);
    auto* pages = Child<QTabWidget>(d, "PageControl1");
    QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(1).center());
    auto* group = Child<TRadioGroup>(d, "RadioGroup1");
    last = Stand();
    ClickItem(d, "RadioGroup1", 1);
    stems = group->ItemText(1).toInt();
    ClickButton(d, "BitBtn1");
  }));
  EXPECT_EQ(CurrentPhase(), 2);
  // The same thinning once, on the stand as the dialog had it.
  ResetTrialCutting(last, 2);
  ASSERT_TRUE(last.ThinToTargetBasalArea(1, static_cast<float>(stems), 0, true));
  last.RecordPhase(2, ThinningStemText(true, stems), 0, 0);
  ExpectSameStand(Stand(), last, 2, 2);
  EXPECT_EQ(Stand().Slots[2].name, "Alaharvennus " + QString::number(stems) + " runkoon/ha");
}

TEST_F(Thinning, UnreachableTargetIsRefusedAndTheDialogStaysOpen) {
  // 150 stems/ha: only the stem page, with the fixed items 10 .. 100; a
  // target above the stand's stems cannot be reached.
  Open(MatureMixedStand(), 0);
  CommitStripRoads(false);
  Stand().Slots[1].stems = 150;
  EXPECT_TRUE(Run(ActForm->Button7, [&](QWidget* d) {
    auto* pages = Child<QTabWidget>(d, "PageControl1");
    EXPECT_EQ((std::vector<bool>{pages->isTabVisible(0), pages->isTabVisible(2), pages->isTabVisible(3)}),
              (std::vector<bool>{false, false, false}));
    auto* group = Child<TRadioGroup>(d, "RadioGroup1");
    EXPECT_EQ(group->ItemText(0), "10");
    EXPECT_EQ(group->ItemText(9), "100");
    // The slot says 150 stems: 100 is below it, so the thinning runs.
    ClickItem(d, "RadioGroup1", 9);
    EXPECT_TRUE(static_cast<TTh1Form*>(d)->Feasible);
    Stand().Slots[1].stems = 90;  // now 100 is out of reach
    ClickItem(d, "RadioGroup1", 8);
    ClickItem(d, "RadioGroup1", 9);
    EXPECT_FALSE(static_cast<TTh1Form*>(d)->Feasible);
    EXPECT_EQ(Text(d, "Label7"), "");
    ClickButton(d, "BitBtn1");
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(script_.Last(MessageKind::Notice).caption, "Alaharvennus");
    EXPECT_EQ(script_.Last(MessageKind::Notice).lines.at(0), "lisää harvennusvoimakkuutta tai peru hakkuu !");
    ClickButton(d, "BitBtn2");
  }));
  EXPECT_EQ(CurrentPhase(), 1);
  EXPECT_TRUE(Stand().Slots[2].name.isEmpty());
}

TEST_F(Thinning, HighThinningNeedsFiftyCubicMetres) {
  Open(YoungThinningStand(), 0);
  CommitStripRoads(false);
  ASSERT_GE(Stand().SlotTotalVolume(1), 50);
  Stand().Slots[1].volumes.fill(0);
  Stand().Slots[1].volumes[PinePulpwood] = 49;
  EXPECT_TRUE(Run(ActForm->Button7, [&](QWidget* d) {
    EXPECT_FALSE(Child<QListWidget>(d, "ListBox3")->isEnabled());
    EXPECT_EQ(Child<QListWidget>(d, "ListBox3")->currentRow(), 0);
    ClickButton(d, "BitBtn3");
    ClickButton(d, "BitBtn2");
  }));
  EXPECT_EQ(script_.Last(MessageKind::HelpText).caption, "Ala - tai  yläharvennus");
}

}  // namespace
