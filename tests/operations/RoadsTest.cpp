// The strip-road dialog through the main window's button.

#include "operations/Roads.h"
#include "operations/RoadsRules.h"
#include "tests/operations/DialogFixture.h"

namespace {

using namespace dialogtest;

class StripRoads : public Dialogs {};

TEST_F(StripRoads, OptionChangesThenEveryWayOfClosingLeaveTheStandAsItWas) {
  Open(YoungThinningStand(), 0);
  const data before = Stand();
  for (Close how : {Close::CancelButton, Close::Escape, Close::TitleBar}) {
    EXPECT_TRUE(Run(ActForm->Button5, [&](QWidget* d) {
      EXPECT_EQ(d, RoadForm);
      // The defaults: 4.0 m roads 20 m apart, tried at once.
      EXPECT_EQ(Text(d, "Label7"), "ajourat 4.0 m, uraväli 20 m");
      EXPECT_EQ(Stand().Slots[1].name, "Ajourat 4.0 m, uraväli 20 m");
      const int start = Recalculations(d);
      ClickItem(d, "RadioGroup1", 0);  // 10 m
      ClickItem(d, "RadioGroup2", 8);  // 5.0 m
      ClickItem(d, "RadioGroup1", 10); // 50 m
      EXPECT_EQ(Recalculations(d) - start, 3);
      EXPECT_GT(Stand().SlotTreeCount(0) - Stand().SlotTreeCount(1), 0);
      CloseWithout(d, how);
    }));
    SCOPED_TRACE(static_cast<int>(how));
    ExpectSameStand(Stand(), before, CurrentPhase(), 0);
  }
}

TEST_F(StripRoads, OkKeepsTheLastChoiceAsTheNextPhase) {
  Open(YoungThinningStand(), 0);
  data once = Stand();
  EXPECT_TRUE(Run(ActForm->Button5, [&](QWidget* d) {
    ClickItem(d, "RadioGroup2", 2);  // 2.0 m
    ClickItem(d, "RadioGroup1", 3);  // 16 m
    Shot(d, "roads_young.png");
    ClickButton(d, "BitBtn1");
  }));
  EXPECT_EQ(CurrentPhase(), 1);
  once.SelectStripRoads(2.0f, 16.0f, 1);
  once.RecordPhase(1, "Ajourat 2.0 m, uraväli 16 m", 0, 0);
  ExpectSameTrial(Stand(), once);
}

TEST_F(StripRoads, NoRoadsAndAStandBelowTheStemLimit) {
  Open(YoungThinningStand(), 0);
  EXPECT_TRUE(Run(ActForm->Button5, [&](QWidget* d) {
    ClickItem(d, "RadioGroup2", 0);  // "ei uria"
    EXPECT_FALSE(Child<TRadioGroup>(d, "RadioGroup1")->isEnabled());
    EXPECT_EQ(Text(d, "Label7"), "ajourat : ei uria");
    EXPECT_EQ(Stand().SlotTreeCount(1), Stand().SlotTreeCount(0));
    ClickButton(d, "BitBtn1");
  }));
  EXPECT_EQ(CurrentPhase(), 1);
  EXPECT_EQ(Stand().Slots[1].name, "Ajourat : ei uria");

  // 599 stems/ha: both lists disabled, the warning, OK records no removal.
  Open(MatureMixedStand(), 0);
  Stand().Slots[0].stems = 599;
  EXPECT_TRUE(Run(ActForm->Button5, [&](QWidget* d) {
    EXPECT_FALSE(Child<TRadioGroup>(d, "RadioGroup1")->isEnabled());
    EXPECT_FALSE(Child<TRadioGroup>(d, "RadioGroup2")->isEnabled());
    EXPECT_EQ(Child<TRadioGroup>(d, "RadioGroup2")->ItemIndex(), 0);
    EXPECT_EQ(Child<TRadioGroup>(d, "RadioGroup1")->ItemIndex(), -1);
    EXPECT_EQ(Text(d, "Label7"), "runkoluku < 600/ha,  ei ajouria  !");
    Shot(d, "roads_below_limit.png");
    ClickButton(d, "BitBtn1");
  }));
  EXPECT_EQ(Stand().Slots[1].name, "Ajourat : ei uria");
}

TEST_F(StripRoads, HelpText) {
  Open(YoungThinningStand(), 0);
  EXPECT_TRUE(Run(ActForm->Button5, [&](QWidget* d) {
    ClickButton(d, "BitBtn3");
    ClickButton(d, "BitBtn2");
  }));
  EXPECT_EQ(script_.Last(MessageKind::HelpText).caption, "Ajourat");
  EXPECT_TRUE(script_.Last(MessageKind::HelpText).lines.at(0).startsWith("Keskikokoinen metsätraktori"));
}

}  // namespace
