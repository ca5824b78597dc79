// The cutting stage chosen by the operation recommendation of a stand at its
// measured state, the estate panel's time point left as the user chose it;
// the basal area to leave after a cutting only in the thinning stage; the
// estate stand list moved by the keys opening the chosen stand as a click
// does. Stand files of an estate opened the user's way, driven by clicks
// and keys.
#include "mainwindow/ActsSaveRules.h"
#include "stands/Open.h"
#include "tests/mainwindow/GrowFixture.h"
#include "tests/support/Shots.h"
#include "texts/Commonlan.h"
#include "ui/RadioGroup.h"
#include "ui/Session.h"

using namespace growfixture;
using testsupport::ClickItem;
using testsupport::ClickRow;
using testsupport::ClickTab;

namespace {

class CuttingStage : public GrowWindows {
 protected:
  // Stand "1" ready for regeneration (mean diameter 29 cm), "2" to be
  // thinned (20 cm, 26 m2/ha) and "3" grown 10 years, which gives the estate
  // a second time point.
  void WriteEstate() {
    auto old = picturestands::MakeStand(picturestands::kOld, 5);
    old->Header.standId = "1";
    old->Header.measurementDay = 43631;
    old->RecordPhase(0, QStringLiteral("dummyStr"), 0, 0);
    ASSERT_EQ(old->WriteNewFile(PathOf("1")), StandFileStatus::Ok);
    WriteStand("2", 5);
    auto grown = MeasuredStand("3", 9);
    const int ages[kSpeciesSlots] = {40, 40, 40, 0, 0, 0};
    grown->SetSpeciesAges(ages);
    SetCurrentPhase(0);
    ApplyGrowingStep(*grown, NextGrowthKind(*grown), 10);
    SetCurrentPhase(0);
    ASSERT_EQ(grown->WriteNewFile(PathOf("3")), StandFileStatus::Ok);
  }
  static QString OpenId() { return TheSession->CurrentStand ? TheSession->CurrentStand->TitleText(0) : QString(); }
  // The stage list's chosen item, the buttons of the final cuttings shown,
  // those of the thinnings shown.
  static std::tuple<QString, bool, bool> Stage() {
    TActForm* f = ActForm;
    QListWidgetItem* chosen = f->ListBox3->currentItem();
    return {chosen ? chosen->text() : QString(),
            f->Button14->isVisibleTo(f->Panel1) && f->Button15->isVisibleTo(f->Panel1) &&
                f->Button4->isVisibleTo(f->Panel1),
            f->Button5->isVisibleTo(f->Panel1) && f->Button7->isVisibleTo(f->Panel1)};
  }
  // The open-stand window that `open` opens closed with its Open (Button3)
  // or Close (Button1); closed anyway when it offers no Open.
  static bool InOpenWindow(const char* button, const std::function<void()>& open) {
    return InModal(Shown(OpenForm), [button] {
      QWidget* b = testsupport::Child(OpenForm, button);
      EXPECT_TRUE(b->isVisible()) << button;
      Click(b->isVisible() ? b : testsupport::Child(OpenForm, "Button1"));
    }, open);
  }
  // A key pressed in the stand list, the open-stand window closed so.
  static bool KeyInStandList(Qt::Key key, const char* button) {
    ActForm->ListBox1->setFocus();
    return InOpenWindow(button, [key] { QTest::keyClick(ActForm->ListBox1, key); });
  }
  // The second line of the recommendation's message (the panel clicked).
  QString RecommendationShown() {
    ClickTab(ActForm->PageControl2, ActForm->TabSheet6);
    if (!ActForm->Panel12->isVisible()) return QString();
    Click(ActForm->Panel12);
    return script_.Last(MessageKind::Message).lines.value(1);
  }
};

}  // namespace

TEST_F(CuttingStage, RecommendationChoosesTheStageAndTheEstateTimePointStays) {
  WriteEstate();
  const QString thinnings = QStringLiteral("harvennushakkuu");
  const QString finals = QString::fromUtf8("pääte- tai poimintahakkuu");
  // A stand to be thinned, opened at its measured state: the thinnings.
  OpenStandFile("2");
  EXPECT_EQ(Stage(), std::tuple(thinnings, false, true));
  EXPECT_EQ(TheSession->ThinningStageChosen, true);
  TRadioGroup* timePoint = ActForm->RadioGroup1;
  ASSERT_GE(timePoint->Count(), 2);
  EXPECT_EQ(timePoint->ItemIndex(), 0);

  // The stand for regeneration picked in the stand list with the keys, as
  // a click picks it: the final cuttings, their buttons open; the estate
  // stays at its measured time point.
  ASSERT_EQ(ActForm->ListBox1->currentRow(), 1);
  EXPECT_TRUE(KeyInStandList(Qt::Key_Up, "Button3"));
  EXPECT_EQ(std::tuple(OpenId(), ActForm->ListBox1->currentRow(), ActForm->FileListBox1->currentRow()),
            std::tuple(QString("1"), 0, 0));
  EXPECT_EQ(Stage(), std::tuple(finals, true, false));
  EXPECT_TRUE(ActForm->Button14->isEnabled() && ActForm->Button15->isEnabled());
  EXPECT_EQ(std::pair(TheSession->ThinningStageChosen, timePoint->ItemIndex()), std::pair(false, 0));
  testsupport::Shot(ActForm, "cutting_stage_final_1366.png");
  EXPECT_TRUE(RecommendationShown().contains("harkitse uudistushakkuuta"));

  // The user's time point, then the thinning stand again by a click: its
  // stage comes back, the time point stays.
  ClickItem(timePoint, 1);
  ASSERT_EQ(timePoint->ItemIndex(), 1);
  EXPECT_TRUE(InOpenWindow("Button3", [] { ClickRow(ActForm->ListBox1, 1); }));
  EXPECT_EQ(std::pair(OpenId(), Stage()), std::pair(QString("2"), std::tuple(thinnings, false, true)));
  EXPECT_EQ(timePoint->ItemIndex(), 1);
  testsupport::Shot(ActForm, "cutting_stage_thinning_1366.png");

  // A key into the stand list whose open-stand window is closed without
  // opening: the open stand's row chosen and highlighted again.
  EXPECT_TRUE(KeyInStandList(Qt::Key_Down, "Button1"));
  EXPECT_EQ(std::tuple(OpenId(), ActForm->ListBox1->currentRow(), ActForm->ListBox1->selectedItems().value(0),
                       TheSession->StandListRow),
            std::tuple(QString("2"), 1, ActForm->ListBox1->item(1), 1));
  // The same with the mouse.
  EXPECT_TRUE(InOpenWindow("Button1", [] { ClickRow(ActForm->ListBox1, 2); }));
  EXPECT_EQ(std::tuple(OpenId(), ActForm->ListBox1->currentRow(), ActForm->ListBox1->selectedItems().value(0)),
            std::tuple(QString("2"), 1, ActForm->ListBox1->item(1)));
}

TEST_F(CuttingStage, BasalAreaToLeaveAfterACuttingOnlyInTheThinningStage) {
  WriteStand("2", 5);
  OpenStandFile("2");
  ASSERT_TRUE(ActForm->IsThinningStageChosen());
  // A species removal in the thinning stage: the basal area to leave.
  CommitCutting("Puulajin poisto, koivu", 9);
  const QString thinningStage = RecommendationShown();
  EXPECT_TRUE(thinningStage.contains(CommonlanText(94))) << thinningStage.toStdString();
  EXPECT_TRUE(thinningStage.contains(QString::fromUtf8("pohjapinta-ala")));
  // Undone, the final cuttings chosen, the same removal: no basal area to
  // leave.
  ClickUndo();
  ClickRow(ActForm->ListBox3, 1);
  ASSERT_FALSE(ActForm->IsThinningStageChosen());
  CommitCutting("Puulajin poisto, koivu", 9);
  const QString finalStage = RecommendationShown();
  EXPECT_FALSE(finalStage.contains(CommonlanText(94))) << finalStage.toStdString();
  EXPECT_TRUE(finalStage.contains(QString::fromUtf8("pohjapinta-ala")));
}
