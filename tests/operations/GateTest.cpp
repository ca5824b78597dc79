// The corridor thinning dialog through the main window's button, after
// strip roads.

#include "operations/Gate.h"
#include "operations/GateRules.h"
#include "texts/Commonlan.h"
#include "tests/operations/DialogFixture.h"

namespace {

using namespace dialogtest;

class Corridors : public Dialogs {
 protected:
  // Strip roads 4.0 m every 20 m committed through their dialog.
  void OpenAfterStripRoads() {
    Open(YoungThinningStand(), 0);
    CommitStripRoads(true);
    ASSERT_EQ(CurrentPhase(), 1);
  }
};

TEST_F(Corridors, OptionChangesThenEveryWayOfClosingLeaveTheStandAsItWas) {
  OpenAfterStripRoads();
  const data before = Stand();
  for (Close how : {Close::CancelButton, Close::Escape, Close::TitleBar}) {
    EXPECT_TRUE(Run(ActForm->Button1, [&](QWidget* d) {
      EXPECT_EQ(d, GateForm);
      EXPECT_EQ(Text(d, "Label7"), "käytäväharvennus 2.0 m, väli 10 m");
      const int start = Recalculations(d);
      ClickItem(d, "RadioGroup1", 0);
      ClickItem(d, "RadioGroup2", 3);
      QTest::mouseClick(Child<QCheckBox>(d, "CheckBox6"), Qt::LeftButton);  // the chart only
      EXPECT_EQ(Recalculations(d) - start, 2);
      CloseWithout(d, how);
    }));
    ExpectSameStand(Stand(), before, CurrentPhase(), 1);
  }
}

TEST_F(Corridors, OkKeepsTheLastChoiceAndTheChartShowsBothRemovals) {
  OpenAfterStripRoads();
  data once = Stand();
  EXPECT_TRUE(Run(ActForm->Button1, [&](QWidget* d) {
    ClickItem(d, "RadioGroup1", 0);  // 6 m
    ClickItem(d, "RadioGroup2", 3);  // 2.5 m
    auto* chart = Child<TRemovalChart>(d, "Chart1");
    // Strip roads and corridors together, from the measured state.
    const RemovalGroups r = TrialRemovalByGroup(Stand(), false, 0, 2);
    EXPECT_EQ(chart->TitleLines().at(0), QString::number(r.total) + " m3/ha");
    EXPECT_TRUE(chart->BottomAxisVisible());
    EXPECT_EQ(Text(d, "Label12"), QString::number(Stand().SlotTotalVolume(2)) + " m3/ha");
    EXPECT_EQ(Text(d, "Label13"), QString::number(Stand().SlotTreeCount(2)) + " runkoa/ha");
    QTest::mouseClick(Child<QCheckBox>(d, "CheckBox6"), Qt::LeftButton);
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
  EXPECT_EQ(script_.Last(MessageKind::Notice).caption, "Käytäväharvennus");
  EXPECT_EQ(script_.Last(MessageKind::Notice).lines.at(0), "käytäväharvennus edellyttää ajourien hakkaamista   !");
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
