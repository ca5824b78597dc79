// The strip-road dialog through the main window's button.

#include "operations/Roads.h"
#include "operations/RoadsRules.h"
#include "tests/operations/DialogFixture.h"

namespace {

using namespace dialogtest;

class StripRoads : public Dialogs {};

TEST_F(StripRoads, OkKeepsTheLastChoiceAsTheNextPhaseAndHelpTells) {
  Open(YoungThinningStand(), 0);
  data once = Stand();
  EXPECT_TRUE(Run(ActForm->Button5, [&](QWidget* d) {
    ClickButton(d, "BitBtn3");
    const MessageRecord help = script_.Last(MessageKind::HelpText);
    EXPECT_EQ(help.caption, "Ajourat");
    EXPECT_TRUE(help.lines.at(0).startsWith("Keskikokoinen metsätraktori"));
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
    auto* spacing = Child<TRadioGroup>(d, "RadioGroup1");
    auto* width = Child<TRadioGroup>(d, "RadioGroup2");
    EXPECT_FALSE(spacing->isEnabled() || width->isEnabled());
    EXPECT_EQ(std::pair(width->ItemIndex(), spacing->ItemIndex()), std::pair(0, -1));
    EXPECT_EQ(Text(d, "Label7"), "runkoluku < 600/ha,  ei ajouria  !");
    Shot(d, "roads_below_limit.png");
    ClickButton(d, "BitBtn1");
  }));
  EXPECT_EQ(Stand().Slots[1].name, "Ajourat : ei uria");
}

}  // namespace
