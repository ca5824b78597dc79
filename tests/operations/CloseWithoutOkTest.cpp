// Every cutting dialog, its options changed (each change one trial, a chart
// switch none) and then closed without OK by its Cancel button, Esc or the
// title bar: the stand stays as it was, at the phase it was.

#include "operations/Clear.h"
#include "operations/Gate.h"
#include "operations/PlocCutt.h"
#include "operations/Roads.h"
#include "operations/Th1.h"
#include "operations/Th4.h"
#include "tests/operations/DialogFixture.h"

namespace {

using namespace dialogtest;

class CuttingDialogs : public Dialogs {};

TEST_F(CuttingDialogs, EveryWayOfClosingButOkLeavesTheStandAsItWas) {
  struct Case {
    const char* dialog;
    std::unique_ptr<data> (*stand)();
    int stage;
    int stripRoads;  // -1 none committed first, 0 "ei uria", 1 the default roads
    QPushButton* TActForm::*button;
    int phase;  // the phase the stand stays at
    int trials;  // the trials the changes make
    std::function<void(QWidget*)> change;
  };
  const Case cases[] = {
      {"strip roads", YoungThinningStand, 0, -1, &TActForm::Button5, 0, 3,
       [this](QWidget* d) {
         // The defaults, 4.0 m roads 20 m apart, are tried at once.
         EXPECT_EQ(d, RoadForm);
         EXPECT_EQ(Text(d, "Label7"), "ajourat 4.0 m, uraväli 20 m");
         EXPECT_EQ(Stand().Slots[1].name, "Ajourat 4.0 m, uraväli 20 m");
         ClickItem(d, "RadioGroup1", 0);   // 10 m
         ClickItem(d, "RadioGroup2", 8);   // 5.0 m
         ClickItem(d, "RadioGroup1", 10);  // 50 m
         EXPECT_GT(Stand().SlotTreeCount(0) - Stand().SlotTreeCount(1), 0);
       }},
      {"corridors", YoungThinningStand, 0, 1, &TActForm::Button1, 1, 2,
       [](QWidget* d) {
         EXPECT_EQ(d, GateForm);
         EXPECT_EQ(Text(d, "Label7"), "käytäväharvennus 2.0 m, väli 10 m");
         ClickItem(d, "RadioGroup1", 0);
         ClickItem(d, "RadioGroup2", 3);
         TickBox(d, "CheckBox6");  // the chart only
       }},
      {"thinning", AdvancedThinningStand, 0, 0, &TActForm::Button7, 1, 6,
       [](QWidget* d) {
         EXPECT_EQ(d, Th1Form);
         ClickItem(d, "RadioGroup3", 4);
         ChoosePage(d, 1);
         ClickItem(d, "RadioGroup1", 2);
         ClickRow(Child<QListWidget>(d, "ListBox3"), 1);
         EXPECT_EQ(Child<TRadioGroup>(d, "RadioGroup1")->title(), " runkoluku yläharvennuksen jälkeen, runkoa/ha ");
         ChoosePage(d, 3);
         ClickItem(d, "RadioGroup4", 3);
         TickBox(d, "CheckBox1");  // the chart only
         EXPECT_TRUE(Text(d, "Label7").startsWith("yläharvennus, minimietäisyys 1.75 m"));
       }},
      {"species removal", MatureMixedStand, 1, -1, &TActForm::Button4, 0, 3,
       [](QWidget* d) {
         EXPECT_EQ(d, Th4Form);
         for (const char* box : {"CheckBox1", "CheckBox5", "CheckBox1", "CheckBox6"}) TickBox(d, box);  // 6: chart
       }},
      {"selection", MatureMixedStand, 1, -1, &TActForm::Button15, 0, 3,
       [](QWidget* d) {
         EXPECT_EQ(d, PlocCuttForm);
         ClickItem(d, "RadioGroup1", 3);
         TickBox(d, "CheckBox2");
         ClickItem(d, "RadioGroup1", 7);
         TickBox(d, "CheckBox1");  // the chart only
       }},
      {"regeneration", MatureMixedStand, 1, -1, &TActForm::Button14, 0, 4,
       [](QWidget* d) {
         // Each page chosen is tried at once.
         EXPECT_EQ(d, ClearForm);
         ClickItem(d, "RadioGroup8", 0);
         ChoosePage(d, SeedTreePage);
         ClickItem(d, "RadioGroup6", 0);
         ChoosePage(d, ClearCutPage);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dialog);
    Open(c.stand(), c.stage);
    if (c.stripRoads >= 0) CommitStripRoads(c.stripRoads == 1);
    const data before = Stand();
    for (Close how : kEveryClose) {
      EXPECT_TRUE(Run(ActForm->*c.button, [&](QWidget* d) {
        const int start = Recalculations(d);
        c.change(d);
        EXPECT_EQ(Recalculations(d) - start, c.trials);
        CloseWithout(d, how);
      })) << static_cast<int>(how);
      EXPECT_EQ(CurrentPhase(), c.phase);
      ExpectSameStand(Stand(), before);
    }
    EXPECT_FALSE(ActForm->IsNewForestButtonVisible());
  }
}

}  // namespace
