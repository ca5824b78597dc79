// The cutting commands of the stand card: the timing refusals, the
// preconditions the card checks before a dialog opens, and the enabling
// rules and the unsaved mark after a committed dialog.

#include "operations/PlocCutt.h"
#include "ui/Palette.h"
#include "tests/operations/DialogFixture.h"

namespace {

using namespace dialogtest;
using CuttingCommands = Dialogs;

TEST_F(CuttingCommands, TimingRefusalsOpenNoDialog) {
  // Two growing steps: whichever cutting button the chain leaves enabled
  // refuses alike (the texts of every refusal are the rules' own).
  Open(YoungThinningStand(), 0);
  GrowStand(10);
  GrowStand(5);
  QPushButton* enabled = nullptr;
  for (QPushButton* b : {ActForm->Button5, ActForm->Button7, ActForm->Button10, ActForm->Button1})
    if (b->isEnabled() && !enabled) enabled = b;
  ASSERT_NE(enabled, nullptr);
  EXPECT_FALSE(Run(enabled, [](QWidget*) {}));
  EXPECT_EQ(std::pair(script_.Last(MessageKind::Notice).caption, CurrentPhase()),
            std::pair(QString("Hakkuutoimenpiteet"), 2));
  // A stand without stems.
  Open(YoungThinningStand(), 0);
  Stand().Slots[0].stems = 0;
  EXPECT_FALSE(Run(ActForm->Button5, [](QWidget*) {}));
  EXPECT_EQ(script_.Last(MessageKind::Notice).lines.at(0), "puuston runkoluku on 0, ei hakkuutoimenpiteitä   !");
}

TEST_F(CuttingCommands, CommittedStripRoadsSetTheButtonsAndTheUnsavedMark) {
  Open(YoungThinningStand(), 0);
  EXPECT_FALSE(ActForm->Button7->isEnabled());
  // A cancelled dialog changes nothing; OK marks the stand unsaved.
  EXPECT_TRUE(Run(ActForm->Button5, [](QWidget* d) { ClickButton(d, "BitBtn2"); }));
  EXPECT_FALSE(ActForm->Unsaved);
  CommitStripRoads(true);
  EXPECT_EQ(std::tuple(CurrentPhase(), ActForm->Unsaved, ActForm->Panel10->palette().color(QPalette::Button)),
            std::tuple(1, true, PaletteColor(223)));
  EXPECT_EQ((std::vector<bool>{ActForm->Button5->isEnabled(), ActForm->Button7->isEnabled(),
                               ActForm->Button10->isEnabled(), ActForm->Button1->isEnabled(),
                               ActForm->Button12->isEnabled()}),
            (std::vector<bool>{false, true, true, true, true}));
  // A cancelled dialog leaves the buttons as they were.
  EXPECT_TRUE(Run(ActForm->Button7, [](QWidget* d) { ClickButton(d, "BitBtn2"); }));
  EXPECT_EQ(std::pair(ActForm->Button7->isEnabled(), CurrentPhase()), std::pair(true, 1));
}

TEST_F(CuttingCommands, SpeciesRemovalOnTheFinalStageNeedsEighteenCentimetres) {
  Open(YoungThinningStand(), 1);
  EXPECT_FALSE(Run(ActForm->Button4, [](QWidget*) {}));
  const MessageRecord m = script_.Last(MessageKind::Message);
  EXPECT_EQ(std::pair(m.caption, m.lines.at(0)),
            std::pair(QString("Puulajin poisto"), QString("Puuston keskiläpimitta 11 cm. Puulajin poisto "
                                                          "uudistus-/poimintahakkuun yhteydessä edellyttää, että")));
  // 17.5 cm rounds to 18: the dialog opens.
  Stand().Slots[0].meanDiameter = 17.5f;
  EXPECT_TRUE(Run(ActForm->Button4, [](QWidget* d) { ClickButton(d, "BitBtn2"); }));
}

TEST_F(CuttingCommands, RegenerationQuestionsByMeanDiameterAsRounded) {
  // 17.4 cm is asked about at all ("Ei" ends the command), 17.5 cm is told
  // as 18 with the milder question.
  Open(MatureMixedStand(), 1);
  for (const auto& [cm, yes, line] : {std::tuple(17.4f, "Kyllä", "Puuston keskiläpimitta 17 cm  !"),
                                      std::tuple(17.5f, "Jatka", "Puuston keskiläpimitta 18 cm  !")}) {
    Stand().Slots[0].meanDiameter = cm;
    script_.Answer(2);
    EXPECT_FALSE(Run(ActForm->Button14, [](QWidget*) {}));
    const MessageRecord q = script_.Last(MessageKind::Question);
    EXPECT_EQ((QStringList{q.yesCaption, q.lines.at(0)}), (QStringList{yes, line})) << cm;
  }
  EXPECT_EQ(CurrentPhase(), 0);
}

}  // namespace
