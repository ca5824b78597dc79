// The strip-road dialog and the corridor thinning dialog that follows strip
// roads, through the main window's buttons.

#include "operations/Gate.h"
#include "operations/GateRules.h"
#include "operations/Roads.h"
#include "operations/RoadsRules.h"
#include "texts/Commonlan.h"
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

TEST_F(StripRoads, NoRoadsAllowNoCorridorsAndAStandBelowTheStemLimitHasNoRoads) {
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
  // They removed nothing: no corridors.
  EXPECT_TRUE(ActForm->Button1->isEnabled());
  EXPECT_FALSE(Run(ActForm->Button1, [](QWidget*) {}));
  const MessageRecord notice = script_.Last(MessageKind::Notice);
  EXPECT_EQ((QStringList{notice.caption, notice.lines.at(0)}),
            (QStringList{"Käytäväharvennus", "käytäväharvennus edellyttää ajourien hakkaamista   !"}));
  EXPECT_EQ(CurrentPhase(), 1);

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

TEST_F(StripRoads, CorridorsFrom1600StemsBeforeTheRoadsKeepTheLastChoiceAndChartBothRemovals) {
  // Strip roads 4.0 m every 20 m first.
  Open(YoungThinningStand(), 0);
  CommitStripRoads(true);
  ASSERT_EQ(CurrentPhase(), 1);
  // 1599 stems before the strip roads: refused; 1600 allowed.
  Stand().Slots[0].stems = 1599;
  EXPECT_FALSE(Run(ActForm->Button1, [](QWidget*) {}));
  EXPECT_EQ(script_.Last(MessageKind::Message).lines.at(0), "Puuston runkoluku / ha ennen ajourien hakkuuta 1599.");
  Stand().Slots[0].stems = 1600;
  data once = Stand();
  EXPECT_TRUE(Run(ActForm->Button1, [&](QWidget* d) {
    ClickItem(d, "RadioGroup1", 0);  // 6 m
    ClickItem(d, "RadioGroup2", 3);  // 2.5 m
    auto* chart = Child<TRemovalChart>(d, "Chart1");
    // Strip roads and corridors together, from the measured state.
    const RemovalGroups r = TrialRemovalByGroup(Stand(), false, 0, 2);
    EXPECT_EQ(chart->TitleLines().at(0), QString::number(r.total) + " m3/ha");
    EXPECT_TRUE(chart->BottomAxisVisible());
    EXPECT_EQ(Texts(d, {"Label12", "Label13"}),
              (QStringList{QString::number(Stand().SlotTotalVolume(2)) + " m3/ha",
                           QString::number(Stand().SlotTreeCount(2)) + " runkoa/ha"}));
    TickBox(d, "CheckBox6");
    EXPECT_TRUE(chart->TitleLines().at(0).endsWith(CommonlanText(56)));
    Shot(d, "gate_young.png");
    ClickButton(d, "BitBtn1");
  }));
  EXPECT_EQ(CurrentPhase(), 2);
  once.SelectCorridors(2.5f, 6.0f, 2);
  once.RecordPhase(2, "käytäväharvennus 2.5 m, väli 6 m", 0, 0);
  ExpectSameTrial(Stand(), once);
}

}  // namespace
