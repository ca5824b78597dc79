// The cutting stage chosen by the recommendation of a stand at its measured
// state, the estate's time point left as the user chose it; the basal area to
// leave only in the thinning stage; the stand list moved by the keys.
#include "tests/mainwindow/GrowFixture.h"
#include "ui/RadioGroup.h"

using namespace growfixture;
using namespace testsupport;

namespace {

class CuttingStage : public GrowWindows {
 protected:
  // The stage list's chosen item, the final cuttings' buttons shown, the
  // thinnings' shown.
  static std::tuple<QString, bool, bool> Stage() {
    TActForm* f = ActForm;
    return {f->ListBox3->currentItem() ? f->ListBox3->currentItem()->text() : QString(),
            f->Button14->isVisibleTo(f->Panel1) && f->Button4->isVisibleTo(f->Panel1),
            f->Button5->isVisibleTo(f->Panel1)};
  }
  // The open stand's id, the stand list's current and highlighted rows.
  std::tuple<QString, int, int> StandRow() {
    QListWidget* list = ActForm->ListBox1;
    const QList<QListWidgetItem*> highlighted = list->selectedItems();
    return {Stand().TitleText(0), list->currentRow(), highlighted.size() == 1 ? list->row(highlighted[0]) : -1};
  }
  static bool KeyInStandList(Qt::Key key, const char* button) {
    ActForm->ListBox1->setFocus();
    return ThroughOpenWindow(button, [key] { QTest::keyClick(ActForm->ListBox1, key); });
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
  // Stand "1" ready for regeneration (mean diameter 29 cm), "2" to be
  // thinned (20 cm, 26 m2/ha) and "3" grown 10 years, which gives the estate
  // a second time point.
  auto old = picturestands::MakeStand(picturestands::kOld, 5);
  old->Header.standId = "1";
  old->Header.measurementDay = 43631;
  old->RecordPhase(0, QStringLiteral("dummyStr"), 0, 0);
  ASSERT_EQ(old->WriteNewFile(PathOf("1")), StandFileStatus::Ok);
  WriteStand("2", 5);
  auto grown = MeasuredStand("3", 9);
  const int ages[kSpeciesSlots] = {40, 40, 40, 0, 0, 0};
  grown->SetSpeciesAges(ages);
  ApplyGrowingStep(*grown, NextGrowthKind(*grown), 10);
  SetCurrentPhase(0);
  ASSERT_EQ(grown->WriteNewFile(PathOf("3")), StandFileStatus::Ok);
  const QString thinnings = QStringLiteral("harvennushakkuu");
  const QString finals = QString::fromUtf8("pääte- tai poimintahakkuu");
  // A stand to be thinned, opened at its measured state: the thinnings.
  OpenStandFile("2");
  EXPECT_EQ(Stage(), std::tuple(thinnings, false, true));
  TRadioGroup* timePoint = ActForm->RadioGroup1;
  ASSERT_GE(timePoint->Count(), 2);
  EXPECT_EQ(timePoint->ItemIndex(), 0);
  // The stand for regeneration picked in the stand list with the keys, as a
  // click picks it: the final cuttings, their buttons open; the estate stays
  // at its measured time point.
  EXPECT_TRUE(KeyInStandList(Qt::Key_Up, "Button3"));
  EXPECT_EQ(std::pair(StandRow(), ActForm->FileListBox1->currentRow()), std::pair(std::tuple(QString("1"), 0, 0), 0));
  EXPECT_EQ(Stage(), std::tuple(finals, true, false));
  EXPECT_TRUE(ActForm->Button14->isEnabled() && ActForm->Button15->isEnabled());
  EXPECT_EQ(std::pair(TheSession->ThinningStageChosen, timePoint->ItemIndex()), std::pair(false, 0));
  EXPECT_TRUE(RecommendationShown().contains("harkitse uudistushakkuuta"));
  // The user's time point, then the thinning stand again by a click: its
  // stage comes back, the time point stays.
  ClickItem(timePoint, 1);
  EXPECT_TRUE(ThroughOpenWindow("Button3", [] { ClickRow(ActForm->ListBox1, 1); }));
  EXPECT_EQ(std::tuple(Stand().TitleText(0), Stage(), timePoint->ItemIndex()),
            std::tuple(QString("2"), std::tuple(thinnings, false, true), 1));
  // A key into the stand list whose open-stand window is closed without
  // opening: the open stand's row chosen and highlighted again.
  EXPECT_TRUE(KeyInStandList(Qt::Key_Down, "Button1"));
  EXPECT_EQ(std::pair(StandRow(), TheSession->StandListRow), std::pair(std::tuple(QString("2"), 1, 1), 1));
}

TEST_F(CuttingStage, BasalAreaToLeaveAfterACuttingOnlyInTheThinningStage) {
  WriteStand("2", 5);
  OpenStandFile("2");
  // A species removal in the thinning stage: the basal area to leave; undone,
  // the final cuttings chosen, the same removal: none.
  for (const bool thinning : {true, false}) {
    if (!thinning) {
      ClickUndo();
      ClickRow(ActForm->ListBox3, 1);
    }
    ASSERT_EQ(ActForm->IsThinningStageChosen(), thinning);
    CommitCutting("Puulajin poisto, koivu", 9);
    const QString shown = RecommendationShown();
    EXPECT_EQ(shown.contains(CommonlanText(94)), thinning) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QString::fromUtf8("pohjapinta-ala")));
  }
}
