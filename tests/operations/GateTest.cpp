// The corridor thinning dialog through the main window's button, after
// strip roads.

#include "operations/Gate.h"
#include "operations/GateRules.h"
#include "texts/Commonlan.h"
#include "tests/operations/DialogFixture.h"

namespace {

using namespace dialogtest;

class Corridors : public Dialogs {};

TEST_F(Corridors, OkKeepsTheLastChoiceAndTheChartShowsBothRemovals) {
  // Strip roads 4.0 m every 20 m first.
  Open(YoungThinningStand(), 0);
  CommitStripRoads(true);
  ASSERT_EQ(CurrentPhase(), 1);
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

TEST_F(Corridors, RefusedWithoutStripRoadsJustBeforeAndBelow1600StemsBeforeThem) {
  // Strip roads "ei uria" removed nothing: no corridors.
  Open(YoungThinningStand(), 0);
  CommitStripRoads(false);
  EXPECT_TRUE(ActForm->Button1->isEnabled());
  EXPECT_FALSE(Run(ActForm->Button1, [](QWidget*) {}));
  const MessageRecord notice = script_.Last(MessageKind::Notice);
  EXPECT_EQ((QStringList{notice.caption, notice.lines.at(0)}),
            (QStringList{"Käytäväharvennus", "käytäväharvennus edellyttää ajourien hakkaamista   !"}));
  EXPECT_EQ(CurrentPhase(), 1);

  // 1599 stems before the strip roads: refused; 1600 allowed.
  Open(YoungThinningStand(), 0);
  CommitStripRoads(true);
  Stand().Slots[0].stems = 1599;
  EXPECT_FALSE(Run(ActForm->Button1, [](QWidget*) {}));
  EXPECT_EQ(script_.Last(MessageKind::Message).lines.at(0), "Puuston runkoluku / ha ennen ajourien hakkuuta 1599.");
  Stand().Slots[0].stems = 1600;
  EXPECT_TRUE(Run(ActForm->Button1, [&](QWidget* d) { ClickButton(d, "BitBtn2"); }));
}

}  // namespace
