// The stand on screen: a stand built by code is activated in the main window
// as a stand activation leaves it; the card, the operation buttons and the
// stand-view texts follow its chain through steps and undos, and the view
// boxes act through clicks. The frame, the card and the pages laid out at
// every screen size, with pictures of each.
#include "mainwindow/ButtonRules.h"
#include "mainwindow/OverviewChart.h"
#include "tests/model/StandFixture.h"
#include "stands/Settings1.h"
#include "tests/support/MainWindowFixture.h"
#include "ui/EstateChart.h"
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
  void Open(std::unique_ptr<data> stand, int stage, int w = 1366, int h = 768) {
    StartProgram(w, h);
    ActivateStand(std::move(stand), stage);
  }
  ButtonStates Replayed() { return ReplayButtonStates(Stand(), CurrentPhase(), ActForm->IsThinningStageChosen()); }
  // The operation buttons are those of a fresh replay of the chain.
  void ExpectReplayed() { EXPECT_EQ(ActForm->OperationButtonStates(), Replayed()); }
};

}  // namespace

TEST_F(StandOnScreen, ButtonsAndTextsFollowTheChainThroughStepsUndosAndStands) {
  Open(ThinnedStand(40), 0);
  TActForm* f = ActForm;
  // Thinning stage: the thinning group shown, every button of it closed
  // after strip roads and a thinning; undo open.
  EXPECT_TRUE(f->Button7->isVisibleTo(f->Panel1) && !f->Button14->isVisibleTo(f->Panel1) && f->Button12->isEnabled());
  EXPECT_EQ(f->OperationButtonStates(), (ButtonStates{false, true, true, false, false, false, false}));
  // The stand view's texts of a thinning stage and the card's removal label.
  EXPECT_TRUE(f->Label8->text().startsWith("kasvatushakkuu 2019  •  1.0 ha Otos puustosta 2019"))
      << f->Label8->text().toStdString();
  EXPECT_TRUE(f->Label27->text().startsWith("puuston muutos  :  -")) << f->Label27->text().toStdString();
  EXPECT_TRUE(f->Label15->text().startsWith("- hakkuukertymä ") && !f->Label15->text().contains(" 0 m3/ha"));
  // Undo the thinning, then the strip roads, on the overview page (with the
  // busy display); the undo button closes at phase 0.
  ClickTab(f->PageControl2, f->TabSheet6);
  ClickUndo();
  ExpectReplayed();
  EXPECT_TRUE(f->Button7->isEnabled());
  EXPECT_EQ(script_.Last(MessageKind::Busy).caption, "Perutaan toimenpidettä");
  ClickUndo();
  EXPECT_EQ(std::tuple(CurrentPhase(), f->OperationButtonStates(), f->Button12->isEnabled()),
            std::tuple(0, BaselineButtonStates(), false));
  // Grow, then strip roads and a species removal; undo the removal.
  GrowStand(10);
  EXPECT_EQ(f->OperationButtonStates(), BaselineButtonStates());
  EXPECT_EQ(std::pair(f->Label1->text(), f->Label2->text()), std::pair(QString("puusto 2019"), QString("puusto 2029")));
  CommitCutting("Ajourat 4.0 m, uraväli 20 m", 25);
  EXPECT_EQ(script_.Last(MessageKind::Busy).caption, "Uusi toimenpide");
  CommitCutting("Puulajin poisto, koivu", 9);
  ExpectReplayed();
  EXPECT_TRUE(f->Button7->isEnabled() && !f->Button1->isEnabled());
  ClickUndo();
  ExpectReplayed();
  EXPECT_TRUE(f->Button1->isEnabled());
  // A step name that no dialog writes changes no button and is reported
  // when it is made, and again whenever the buttons are replayed.
  const ButtonStates before = f->OperationButtonStates();
  EXPECT_EQ(script_.Count(MessageKind::SystemBox), 0);
  CommitCutting("jotain muuta", 50);
  EXPECT_EQ(f->OperationButtonStates(), before);
  EXPECT_EQ(std::pair(script_.Count(MessageKind::SystemBox), script_.Last(MessageKind::SystemBox).caption),
            std::pair(1, QString("setButtonState")));
  f->SetMainWindowMode(1);
  EXPECT_EQ(std::pair(script_.Count(MessageKind::SystemBox), script_.Last(MessageKind::SystemBox).lines.value(0)),
            std::pair(2, QString("nothing")));
  EXPECT_EQ(f->OperationButtonStates(), before);

  // Another stand, fresh, activated in the same window: no state leaks.
  TheSession->CurrentStand = MeasuredStand();
  SetCurrentPhase(0);
  f->UpdateView(2);
  EXPECT_EQ(std::tuple(f->OperationButtonStates(), f->Button12->isEnabled(), f->Label2->text()),
            std::tuple(BaselineButtonStates(), false, QString()));
}

TEST_F(StandOnScreen, RegenerationShowsTheNewForestButtonAndUndoHidesIt) {
  Open(MeasuredStand(), 1, 1920, 1080);
  TActForm* f = ActForm;
  EXPECT_TRUE(f->Button14->isVisibleTo(f->Panel1) && !f->Button5->isVisibleTo(f->Panel1));
  f->SetGrowButtonState(false);
  CommitCutting("Avohakkuu, säästöpuita 30 kpl/ha", 1);
  EXPECT_TRUE(f->IsNewForestButtonVisible() && f->Label40->isVisibleTo(f->Panel1));
  ExpectReplayed();
  Stand().SetRegenerationChoice(1, 3);
  ClickUndo();
  EXPECT_FALSE(f->IsNewForestButtonVisible());
  EXPECT_EQ(Stand().RegenerationChoice(1), RegenerationChoices{}.choice[1]);
  EXPECT_TRUE(f->Panel4->isEnabled());
  EXPECT_EQ(f->OperationButtonStates(), BaselineButtonStates());
}

TEST_F(StandOnScreen, CuttingStageChosenByClicksUntilACuttingIsRecorded) {
  // With the recommendations switched off nothing chooses the stage of a
  // stand at its measured state.
  StartProgram();
  SettForm1->CheckBox1->setChecked(true);
  ActivateStand(MeasuredStand(), -1);
  TActForm* f = ActForm;
  // No stage chosen: the thinning group shown but closed.
  EXPECT_TRUE(f->Button5->isVisibleTo(f->Panel1) && !f->Button5->isEnabled());
  // Strip roads open the thinning chain at once.
  ClickRow(f->ListBox3, 0);
  EXPECT_EQ(std::tuple(f->CuttingStageIndex, f->OperationButtonStates(), f->Button5->isEnabled()),
            std::tuple(0, BaselineButtonStates(), true));
  ClickRow(f->ListBox3, 1);
  EXPECT_TRUE(f->Button14->isVisibleTo(f->Panel1) && f->Button14->isEnabled());
  // After a cutting the stage stays.
  CommitCutting("poimintahakkuu 30 m3/ha", 5);
  ClickRow(f->ListBox3, 0);
  EXPECT_EQ(f->ListBox3->currentRow(), 1);
  EXPECT_EQ(script_.Last(MessageKind::Notice).lines.value(0),
            "hakkuutoimenpiteet on peruttava, jos hakkuutapaa halutaan vaihtaa   !");
  EXPECT_TRUE(f->Button14->isVisibleTo(f->Panel1));
}

TEST_F(StandOnScreen, ViewBoxesTreeGroupsAndCarbonDioxideByClicks) {
  auto stand = MeasuredStand();
  for (TreeRecord& t : stand->Trees)
    if (static_cast<int>(t.y) % 7 == 0) t.removedBy = 1;
  stand->RecordPhase(1, "Alaharvennus hakkuukertymään 30 m3/ha", 0, 0);
  SetCurrentPhase(1);
  Open(std::move(stand), 1);
  TActForm* f = ActForm;
  ClickTab(f->PageControl2, f->TabSheet8);
  // Carbon dioxide through its box: both heading rows in tonnes.
  Tick(f->CheckBox16);
  ASSERT_TRUE(f->CheckBox16->isChecked());
  EXPECT_EQ(f->Label1->text(), "puustoon sitoutunut hiilidioksidi 2019");
  EXPECT_TRUE(f->Label111->text().endsWith(" tonnia/ha"));
  EXPECT_TRUE(f->Label27->text().startsWith("puustoon sitoutuneen hiilidioksidin muutos  :  -"))
      << f->Label27->text().toStdString();
  EXPECT_EQ(script_.Last(MessageKind::Busy).caption, "Laskenta");
  // The log-tree group: the carbon dioxide box is closed and unticked.
  f->ComboBox28->setFocus();
  QTest::keyClick(f->ComboBox28, Qt::Key_Down);
  EXPECT_EQ(f->TreeGroupIndex, 1);
  EXPECT_FALSE(f->CheckBox16->isEnabled() || f->CheckBox16->isChecked());
  EXPECT_EQ(f->Label1->text(), "tukkipuut 2019");
  EXPECT_TRUE(f->Label111->text().startsWith("   :   tukkiosan tilavuus ")) << f->Label111->text().toStdString();
  // The removal sample of the whole stock.
  QTest::keyClick(f->ComboBox28, Qt::Key_Up);
  Tick(f->CheckBox33);
  EXPECT_EQ(f->Label2->text(), "hakkuukertymä 2019");
  EXPECT_TRUE(f->Label8->text().contains("otos hakkuukertymästä 2019")) << f->Label8->text().toStdString();
  EXPECT_FALSE(f->CheckBox16->isEnabled());
}

TEST_F(StandOnScreen, IncrementBoxesRemovalSampleAndTheUnsavedMark) {
  Open(MeasuredStand(), 0);
  TActForm* f = ActForm;
  // The removal sample without a cutting is refused.
  f->CheckBox33->show();  // shown only once a cutting is recorded
  Tick(f->CheckBox33);
  EXPECT_FALSE(f->CheckBox33->isChecked());
  EXPECT_EQ(script_.Last(MessageKind::Notice).lines.value(0), "ei hakkuutoimia,  ei hakkuukertymää  !");
  // The unsaved mark: a change marks the stand, a refresh of the same stand
  // keeps the mark, the reset of a load clears it.
  auto colours = [f] {
    const QPalette p = f->Panel10->palette();
    return std::pair(p.color(QPalette::Button), p.color(QPalette::ButtonText));
  };
  EXPECT_EQ(colours(), std::pair(PaletteColor(7), ColorFromBgr(0x808080)));
  f->MarkUnsaved();
  EXPECT_EQ(colours(), std::pair(PaletteColor(223), ColorFromBgr(0xF0FBFF)));
  f->UpdateView(0);
  EXPECT_TRUE(f->HasUnsavedChanges());
  f->UpdateView(2);
  EXPECT_FALSE(f->HasUnsavedChanges());
  EXPECT_EQ(colours().first, PaletteColor(7));
  // The increment boxes come with a growth and redraw the card.
  EXPECT_FALSE(f->CheckBox10->isVisibleTo(f->Panel1));
  GrowStand(10);
  ASSERT_TRUE(f->CheckBox10->isVisibleTo(f->Panel1));
  const QImage volume = f->Image4->pixmap().toImage();
  Tick(f->CheckBox10);
  EXPECT_NE(f->Image4->pixmap().toImage(), volume);  // value increment drawn
  Tick(f->CheckBox10);
  EXPECT_EQ(f->Image4->pixmap().toImage(), volume);
  // Undoing the growth hides and unticks the boxes.
  Tick(f->CheckBox4);
  ClickUndo();
  EXPECT_FALSE(f->CheckBox4->isVisibleTo(f->Panel1) || f->CheckBox4->isChecked());
}

// A swatch or a bar given by two corners leaves out its right and bottom
// edges: the swatches (7, 17)-(34, 25) and 30 and 60 further right are
// 27 x 8; the measured state's bar (pitch 18, offset 36 + 2, 14 high)
// covers rows 38 to 51 from x 4, its energy, pulp and log parts side by side.
TEST_F(StandOnScreen, CardSwatchesAndBarsLeaveOutTheirRightAndBottomEdges) {
  Open(MeasuredStand(), 0);
  const QImage card = ActForm->Image4->pixmap().toImage();
  int barFrom = 4;
  for (const auto& [colour, swatchLeft] : {std::pair(26, 7), {25, 37}, {17, 67}}) {
    const auto of = [colour](QRgb p) { return QColor(p) == PaletteColor(colour); };
    EXPECT_EQ(PixelBox(card, of, QRect(0, 0, card.width(), 30)), QRect(swatchLeft, 17, 27, 8)) << colour;
    const QRect bar = PixelBox(card, of, QRect(0, 30, card.width(), card.height() - 30));
    EXPECT_EQ(std::tuple(bar.left(), bar.top(), bar.height()), std::tuple(barFrom, 38, 14)) << colour;
    barFrom = bar.right() + 1;
  }
}

TEST_F(StandOnScreen, EveryPartLaidOutAtEveryScreenSize) {
  // 1024 x 768: 1024 x 700, started after the small-screen question.
  for (QSize screen : {QSize(1920, 1080), QSize(1366, 768), QSize(1280, 720), QSize(1024, 768)}) {
    const int w = screen.width();
    SCOPED_TRACE(w);
    if (w < 1100) script_.Answer(1);  // "Kyllä" to the small-screen question
    StartProgram(w, screen.height());
    ASSERT_TRUE(ActForm->Started());
    Shot(IntroForm, QStringLiteral("intro_%1.png").arg(w));
    ActivateStand(ThinnedStand(45), 0);
    GrowStand(10);
    TActForm* f = ActForm;
    QFrame* card = f->Panel1;
    QFrame* list = f->Panel2;
    QTabWidget* pages = f->PageControl2;
    const QRect client = f->Client->rect();
    for (QWidget* p : std::initializer_list<QWidget*>{card, list, pages}) {
      SCOPED_TRACE(p->objectName().toStdString());
      EXPECT_TRUE(p->isVisibleTo(f));
      EXPECT_TRUE(p->geometry().right() >= client.left() && p->x() <= client.right());
      EXPECT_LE(p->geometry().bottom(), client.bottom() + 1);
    }
    // Card band and page control do not overlap; the card's buttons stay in
    // the card, their texts whole, none over another.
    EXPECT_GE(pages->y(), card->geometry().bottom());
    QList<QPushButton*> shown;
    for (QPushButton* b : card->findChildren<QPushButton*>()) {
      if (!b->isVisibleTo(card)) continue;
      SCOPED_TRACE(b->objectName().toStdString());
      EXPECT_TRUE(card->rect().contains(b->geometry()));
      EXPECT_GE(b->width(), b->fontMetrics().horizontalAdvance(b->text()) + 8);
      for (QPushButton* other : shown) EXPECT_FALSE(b->geometry().intersects(other->geometry())) << other->objectName().toStdString();
      shown << b;
    }
    // Every shown text of the card and the stand view lies inside its panel.
    for (QLabel* l : {f->Label1, f->Label111, f->Label2, f->Label222, f->Label18, f->Label8, f->Label27}) {
      EXPECT_TRUE(f->Panel6->rect().contains(l->geometry())) << l->objectName().toStdString();
      EXPECT_FALSE(l->text().isEmpty()) << l->objectName().toStdString();
    }
    EXPECT_TRUE(card->rect().contains(f->Image4->geometry()));
    Shot(f, QStringLiteral("stand_card_%1.png").arg(w));
    // Card and stand list side by side across the window, the list on the
    // chosen side; the pages under them reach across the window but for the
    // estate summary beside them.
    for (int onRight : {0, 1}) {
      SCOPED_TRACE(onRight);
      model::CurrentSettings().standListOnRight = onRight;
      f->PlaceMainPanels();
      EXPECT_EQ(onRight ? card->x() : list->x(), onRight ? 0 : -1);
      EXPECT_EQ(onRight ? list->x() : card->x(), (onRight ? card : list)->geometry().right() + 1);
      EXPECT_GE(qMax(card->geometry().right(), list->geometry().right()), client.width() - 2);
      QFrame* summary = f->Panel9;
      if (summary->isVisibleTo(f)) {
        EXPECT_FALSE(pages->geometry().adjusted(2, 0, -2, 0).intersects(summary->geometry()));
        EXPECT_EQ(onRight != 0, summary->x() > pages->x());
      }
      Shot(f, QString(onRight ? "main_%1.png" : "main_%1_listleft.png").arg(w));
    }
    // The overview page: every shown control inside it, the maps clear of
    // the charts, the options right-aligned over the charts and their bars
    // and texts clear of the options.
    ClickTab(pages, f->TabSheet6);
    for (QWidget* c : f->Panel3->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!c->isVisible()) continue;
      EXPECT_TRUE(f->Panel3->rect().contains(c->geometry())) << c->objectName().toStdString();
    }
    EXPECT_LT(f->Image111->geometry().right(), f->Chart4->x());
    EXPECT_EQ(f->ListBox2->geometry().right(), f->Chart3->geometry().right() - 6);
    EXPECT_LT(f->Chart3->x() + f->Chart3->ActiveSeries()->geometry().right(), f->ListBox2->x());
    EXPECT_LT(f->Chart4->x() + f->Chart4->ActiveSeries()->geometry().right(), f->CheckBox2->x());
    EXPECT_LT(f->Image111->geometry().bottom(), f->Label17->y());
    Shot(f, QStringLiteral("overview_%1.png").arg(w));
    ClickTab(pages, f->TabSheet9);
    Shot(f, QStringLiteral("stand_closeup_%1.png").arg(w));
    TheSession->CurrentStand.reset();
    DestroyApplicationWindows();
    SetCurrentPhase(0);
  }
}

TEST_F(StandOnScreen, CuttingStageMovedByTheKeysAfterACuttingIsRefusedAsAClickIs) {
  Open(ThinnedStand(40), 0);
  TActForm* f = ActForm;
  const auto state = [f, this] {
    return std::tuple(f->ListBox3->currentRow(), f->ListBox3->selectedItems().value(0), f->CuttingStageIndex,
                      f->OperationButtonStates(), f->Button14->isVisibleTo(f->Panel1), CurrentPhase(),
                      RemovedStemCount(Stand()), f->Label8->text(), TheSession->ThinningStageChosen);
  };
  const auto before = state();
  ASSERT_EQ(std::get<1>(before), f->ListBox3->item(0));
  script_.Clear();
  // A click on the stage already chosen; the key moving the choice, refused
  // as a click is; a click on the other item, refused, its row not left
  // highlighted; the stand's data shown in the open-stand window and closed,
  // the buttons replayed. Each time the list on its item and without the
  // focus, the stand, its texts and buttons as they were.
  const std::function<void()> moves[] = {
      [f] { ClickRow(f->ListBox3, 0); }, [f] { QTest::keyClick(f->ListBox3, Qt::Key_Down); },
      [f] { ClickRow(f->ListBox3, 1); },
      [f] { EXPECT_TRUE(ThroughOpenWindow("Button1", [f] { f->M11->trigger(); })); }};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    f->ListBox3->setFocus();
    moves[i]();
    EXPECT_EQ(std::pair(state(), script_.Count(MessageKind::Notice)), std::pair(before, std::min(i, 2)));
    if (i < 3) {
      EXPECT_NE(f->focusWidget(), f->ListBox3);
    }
  }
  EXPECT_EQ(script_.Last(MessageKind::Notice).lines.value(0),
            QString("hakkuutoimenpiteet on peruttava, jos hakkuutapaa halutaan vaihtaa   !"));
}
