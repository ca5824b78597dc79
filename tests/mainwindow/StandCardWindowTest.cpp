// The stand on screen: a stand built by code is activated in the main window
// as a stand activation leaves it; the card, the operation buttons and the
// stand-view texts follow its chain through steps and undos, and the view
// boxes act through clicks. Pictures of the window at two sizes.
#include "mainwindow/ButtonRules.h"
#include "tests/model/StandFixture.h"
#include "tests/support/MainWindowFixture.h"
#include "ui/Palette.h"
#include "ui/Session.h"

using namespace testsupport;

namespace {

// A mixed stand of 2500 trees on 2.5 ha measured in 2019.
std::unique_ptr<data> MeasuredStand() {
  auto s = standfixture::MakeStand(2500, 7);
  s->RecordPhase(0, "dummyStr", 0, 0);
  return s;
}

// The same with strip roads and a low thinning of the given removal
// recorded, phase 2 current.
std::unique_ptr<data> ThinnedStand(int removal) {
  auto stand = MeasuredStand();
  for (TreeRecord& t : stand->Trees)
    if (static_cast<int>(t.x) % 60 < 4) t.removedBy = 1;
  stand->RecordPhase(1, "Ajourat 4.0 m, uraväli 20 m", 0, 0);
  SetCurrentPhase(1);
  stand->ThinToTargetVolume(1, stand->SlotTotalVolume(1) - removal, 2, true);
  stand->RecordPhase(2, QString::fromUtf8("Alaharvennus hakkuukertymään %1 m3/ha").arg(removal), 0, 0);
  SetCurrentPhase(2);
  return stand;
}

class StandOnScreen : public MainWindowTest {
 protected:
  // The program started on a screen, then a stand activated as the stand
  // loading does it.
  void Open(int w, int h, std::unique_ptr<data> stand, int stage) {
    StartProgram(w, h);
    ActivateStand(std::move(stand), stage);
  }
  ButtonStates Replayed() {
    return ReplayButtonStates(Stand(), CurrentPhase(), ActForm->IsThinningStageChosen());
  }
};

}  // namespace

TEST_F(StandOnScreen, ActivationReplaysTheChainAndStepsFollowIt) {
  Open(1366, 768, ThinnedStand(40), 0);
  // Thinning stage: the thinning group shown, every button of it closed
  // after strip roads and a thinning; undo open.
  EXPECT_TRUE(ActForm->Button7->isVisibleTo(ActForm->Panel1));
  EXPECT_FALSE(ActForm->Button14->isVisibleTo(ActForm->Panel1));
  EXPECT_EQ(ActForm->OperationButtonStates(), (ButtonStates{false, true, true, false, false, false, false}));
  EXPECT_TRUE(ActForm->Button12->isEnabled());
  // The stand view's texts of a thinning stage and the card's removal label.
  EXPECT_TRUE(ActForm->Label8->text().startsWith("kasvatushakkuu 2019  •  1.0 ha Otos puustosta 2019"))
      << ActForm->Label8->text().toStdString();
  EXPECT_TRUE(ActForm->Label27->text().startsWith("puuston muutos  :  -")) << ActForm->Label27->text().toStdString();
  EXPECT_TRUE(ActForm->Label15->text().startsWith("- hakkuukertymä ")) << ActForm->Label15->text().toStdString();
  EXPECT_FALSE(ActForm->Label15->text().contains("- hakkuukertymä 0 m3/ha"));

  // Undo the thinning, then the strip roads: the buttons are those of a
  // fresh replay at every step, and the undo button closes at phase 0.
  ClickUndo();
  EXPECT_EQ(ActForm->OperationButtonStates(), Replayed());
  EXPECT_TRUE(ActForm->Button7->isEnabled());
  ClickUndo();
  EXPECT_EQ(CurrentPhase(), 0);
  EXPECT_EQ(ActForm->OperationButtonStates(), BaselineButtonStates());
  EXPECT_FALSE(ActForm->Button12->isEnabled());
  // Grow, then strip roads and a species removal; undo the removal.
  GrowStand(10);
  EXPECT_EQ(ActForm->OperationButtonStates(), BaselineButtonStates());
  EXPECT_EQ(std::pair(ActForm->Label1->text(), ActForm->Label2->text()), std::pair(QString("puusto 2019"), QString("puusto 2029")));
  CommitCutting("Ajourat 4.0 m, uraväli 20 m", 25);
  CommitCutting("Puulajin poisto, koivu", 9);
  EXPECT_EQ(ActForm->OperationButtonStates(), Replayed());
  EXPECT_TRUE(ActForm->Button7->isEnabled());
  EXPECT_FALSE(ActForm->Button1->isEnabled());
  ClickUndo();
  EXPECT_EQ(ActForm->OperationButtonStates(), Replayed());
  EXPECT_TRUE(ActForm->Button1->isEnabled());
  EXPECT_EQ(script_.Count(MessageKind::SystemBox), 0);
}

TEST_F(StandOnScreen, NoButtonStateLeaksIntoTheNextStand) {
  Open(1366, 768, MeasuredStand(), 0);
  CommitCutting("Ajourat 4.0 m, uraväli 20 m", 25);
  CommitCutting("Yläharvennus 600 runkoon/ha", 4);
  EXPECT_FALSE(ActForm->Button5->isEnabled());
  // Another stand, fresh, activated in the same window.
  TheSession->CurrentStand = MeasuredStand();
  SetCurrentPhase(0);
  ActForm->UpdateView(2);
  EXPECT_EQ(ActForm->OperationButtonStates(), BaselineButtonStates());
  EXPECT_FALSE(ActForm->Button12->isEnabled());
  EXPECT_EQ(ActForm->Label2->text(), "");
}

TEST_F(StandOnScreen, RegenerationShowsTheNewForestButtonAndUndoHidesIt) {
  Open(1920, 1080, MeasuredStand(), 1);
  EXPECT_TRUE(ActForm->Button14->isVisibleTo(ActForm->Panel1));
  EXPECT_FALSE(ActForm->Button5->isVisibleTo(ActForm->Panel1));
  ActForm->SetGrowButtonState(false);
  CommitCutting("Avohakkuu, säästöpuita 30 kpl/ha", 1);
  EXPECT_TRUE(ActForm->IsNewForestButtonVisible());
  EXPECT_TRUE(ActForm->Label40->isVisibleTo(ActForm->Panel1));
  EXPECT_EQ(ActForm->OperationButtonStates(), Replayed());
  Stand().SetRegenerationChoice(1, 3);
  ClickUndo();
  EXPECT_FALSE(ActForm->IsNewForestButtonVisible());
  EXPECT_EQ(Stand().RegenerationChoice(1), RegenerationChoices{}.choice[1]);
  EXPECT_TRUE(ActForm->Panel4->isEnabled());
  EXPECT_EQ(ActForm->OperationButtonStates(), BaselineButtonStates());
}

TEST_F(StandOnScreen, ViewBoxesTreeGroupsAndCarbonDioxideByClicks) {
  auto stand = MeasuredStand();
  for (TreeRecord& t : stand->Trees)
    if (static_cast<int>(t.y) % 7 == 0) t.removedBy = 1;
  stand->RecordPhase(1, "Alaharvennus hakkuukertymään 30 m3/ha", 0, 0);
  SetCurrentPhase(1);
  Open(1366, 768, std::move(stand), 1);
  ClickTab(ActForm->PageControl2, ActForm->TabSheet8);
  // Carbon dioxide through its box: both heading rows in tonnes.
  Tick(ActForm->CheckBox16);
  ASSERT_TRUE(ActForm->CheckBox16->isChecked());
  EXPECT_EQ(ActForm->Label1->text(), "puustoon sitoutunut hiilidioksidi 2019");
  EXPECT_TRUE(ActForm->Label111->text().endsWith(" tonnia/ha"));
  EXPECT_TRUE(ActForm->Label27->text().startsWith("puustoon sitoutuneen hiilidioksidin muutos  :  -"))
      << ActForm->Label27->text().toStdString();
  EXPECT_EQ(script_.Last(MessageKind::Busy).caption, "Laskenta");
  // The log-tree group: the carbon dioxide box is closed and unticked.
  ActForm->ComboBox28->setFocus();
  QTest::keyClick(ActForm->ComboBox28, Qt::Key_Down);
  EXPECT_EQ(ActForm->TreeGroupIndex, 1);
  EXPECT_FALSE(ActForm->CheckBox16->isEnabled() || ActForm->CheckBox16->isChecked());
  EXPECT_EQ(ActForm->Label1->text(), "tukkipuut 2019");
  EXPECT_TRUE(ActForm->Label111->text().startsWith("   :   tukkiosan tilavuus ")) << ActForm->Label111->text().toStdString();
  // The removal sample of the whole stock.
  QTest::keyClick(ActForm->ComboBox28, Qt::Key_Up);
  Tick(ActForm->CheckBox33);
  EXPECT_EQ(ActForm->Label2->text(), "hakkuukertymä 2019");
  EXPECT_TRUE(ActForm->Label8->text().contains("otos hakkuukertymästä 2019")) << ActForm->Label8->text().toStdString();
  EXPECT_FALSE(ActForm->CheckBox16->isEnabled());
}

TEST_F(StandOnScreen, CuttingStageChosenByClicksUntilACuttingIsRecorded) {
  Open(1366, 768, MeasuredStand(), -1);
  // No stage chosen: the thinning group shown but closed.
  EXPECT_TRUE(ActForm->Button5->isVisibleTo(ActForm->Panel1));
  EXPECT_FALSE(ActForm->Button5->isEnabled());
  auto click = [](int row) { ClickRow(ActForm->ListBox3, row); };
  click(0);
  // Strip roads open the thinning chain at once.
  EXPECT_EQ(ActForm->CuttingStageIndex, 0);
  EXPECT_EQ(ActForm->OperationButtonStates(), BaselineButtonStates());
  EXPECT_TRUE(ActForm->Button5->isEnabled());
  click(1);
  EXPECT_TRUE(ActForm->Button14->isVisibleTo(ActForm->Panel1));
  EXPECT_TRUE(ActForm->Button14->isEnabled());
  // After a cutting the stage stays.
  CommitCutting("poimintahakkuu 30 m3/ha", 5);
  click(0);
  EXPECT_EQ(ActForm->ListBox3->currentRow(), 1);
  EXPECT_EQ(script_.Last(MessageKind::Notice).lines.value(0),
            "hakkuutoimenpiteet on peruttava, jos hakkuutapaa halutaan vaihtaa   !");
  EXPECT_TRUE(ActForm->Button14->isVisibleTo(ActForm->Panel1));
}

TEST_F(StandOnScreen, BusyDisplayOnTheOverviewPageAndUnknownSteps) {
  Open(1366, 768, MeasuredStand(), 0);
  ClickTab(ActForm->PageControl2, ActForm->TabSheet6);
  CommitCutting("Ajourat 4.0 m, uraväli 20 m", 30);
  EXPECT_EQ(script_.Last(MessageKind::Busy).caption, "Uusi toimenpide");
  ClickUndo();
  EXPECT_EQ(script_.Last(MessageKind::Busy).caption, "Perutaan toimenpidettä");
  // A step name that no dialog writes changes no button and is reported
  // when it is made, not at every replay.
  const ButtonStates before = ActForm->OperationButtonStates();
  CommitCutting("jotain muuta", 50);
  EXPECT_EQ(ActForm->OperationButtonStates(), before);
  EXPECT_EQ(script_.Count(MessageKind::SystemBox), 1);
  EXPECT_EQ(script_.Last(MessageKind::SystemBox).caption, "setButtonState");
  ActForm->SetMainWindowMode(1);
  EXPECT_EQ(script_.Count(MessageKind::SystemBox), 1);
}

TEST_F(StandOnScreen, IncrementBoxesRedrawTheCard) {
  Open(1366, 768, MeasuredStand(), 0);
  EXPECT_FALSE(ActForm->CheckBox10->isVisibleTo(ActForm->Panel1));
  GrowStand(10);
  ASSERT_TRUE(ActForm->CheckBox10->isVisibleTo(ActForm->Panel1));
  const QImage volume = ActForm->Image4->pixmap().toImage();
  Tick(ActForm->CheckBox10);
  EXPECT_NE(ActForm->Image4->pixmap().toImage(), volume);  // value increment drawn
  Tick(ActForm->CheckBox10);
  EXPECT_EQ(ActForm->Image4->pixmap().toImage(), volume);
  // Undoing the growth hides and unticks the boxes.
  Tick(ActForm->CheckBox4);
  ClickUndo();
  EXPECT_FALSE(ActForm->CheckBox4->isVisibleTo(ActForm->Panel1) || ActForm->CheckBox4->isChecked());
}

TEST_F(StandOnScreen, RemovalSampleWithoutACuttingIsRefused) {
  Open(1366, 768, MeasuredStand(), 0);
  ActForm->CheckBox33->show();  // shown only once a cutting is recorded
  Tick(ActForm->CheckBox33);
  EXPECT_FALSE(ActForm->CheckBox33->isChecked());
  EXPECT_EQ(script_.Last(MessageKind::Notice).lines.value(0), "ei hakkuutoimia,  ei hakkuukertymää  !");
}

TEST_F(StandOnScreen, PicturesOfTheStandOnScreen) {
  for (QSize screen : {QSize(1366, 768), QSize(1920, 1080)}) {
    SCOPED_TRACE(screen.width());
    Open(screen.width(), screen.height(), ThinnedStand(45), 0);
    GrowStand(10);
    // Every shown text of the card and the stand view lies inside its panel.
    for (QLabel* l : {ActForm->Label1, ActForm->Label111, ActForm->Label2, ActForm->Label222, ActForm->Label18,
                      ActForm->Label8, ActForm->Label27}) {
      EXPECT_TRUE(ActForm->Panel6->rect().contains(l->geometry())) << l->objectName().toStdString();
      EXPECT_FALSE(l->text().isEmpty()) << l->objectName().toStdString();
    }
    EXPECT_TRUE(ActForm->Panel1->rect().contains(ActForm->Image4->geometry()));
    Shot(ActForm, QStringLiteral("stand_card_%1.png").arg(screen.width()));
    ClickTab(ActForm->PageControl2, ActForm->TabSheet9);
    Shot(ActForm, QStringLiteral("stand_closeup_%1.png").arg(screen.width()));
    TheSession->CurrentStand.reset();
    DestroyApplicationWindows();
    SetCurrentPhase(0);
  }
}

TEST_F(StandOnScreen, AChangeMarksTheStandAndALoadClearsTheMark) {
  Open(1366, 768, MeasuredStand(), 0);
  auto colours = [] {
    const QPalette p = ActForm->Panel10->palette();
    return std::pair(p.color(QPalette::Button), p.color(QPalette::ButtonText));
  };
  EXPECT_EQ(colours(), std::pair(PaletteColor(7), ColorFromBgr(0x808080)));
  ActForm->MarkUnsaved();
  EXPECT_EQ(colours(), std::pair(PaletteColor(223), ColorFromBgr(0xF0FBFF)));
  // A refresh of the same stand keeps the mark; the reset of a load clears it.
  ActForm->UpdateView(0);
  EXPECT_TRUE(ActForm->HasUnsavedChanges());
  ActForm->UpdateView(2);
  EXPECT_FALSE(ActForm->HasUnsavedChanges());
  EXPECT_EQ(colours().first, PaletteColor(7));
}
