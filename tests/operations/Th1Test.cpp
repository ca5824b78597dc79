// The thinning dialog through the main window's button.

#include "operations/Th1.h"
#include "tests/operations/DialogFixture.h"

namespace {

using namespace dialogtest;

class Thinning : public Dialogs {
 protected:
  static std::vector<bool> VisiblePages(QWidget* d) {
    auto* pages = Child<QTabWidget>(d, "PageControl1");
    std::vector<bool> v;
    for (int i = 0; i < pages->count(); ++i) v.push_back(pages->isTabVisible(i));
    return v;
  }
};

TEST_F(Thinning, ListsOfAnAdvancedThinningStandAndOkKeepsOneApplicationOfTheLastChoice) {
  Open(AdvancedThinningStand(), 0);
  CommitStripRoads(false);
  ASSERT_EQ(CurrentPhase(), 1);
  const ThinningStand s = ThinningStandOf(Stand());
  data last(0);
  int stems = 0;
  EXPECT_TRUE(Run(ActForm->Button7, [&](QWidget* d) {
    EXPECT_EQ(d->windowTitle(), " Kuvio 12, ala - tai  yläharvennus");
    // Every page offered; the removal page first.
    EXPECT_EQ(VisiblePages(d), (std::vector<bool>{true, true, true, true}));
    EXPECT_EQ(Child<QTabWidget>(d, "PageControl1")->currentIndex(), 0);
    auto* removal = Child<TRadioGroup>(d, "RadioGroup3");
    const ThinningChoices r = RemovalChoices(s);
    EXPECT_EQ(removal->Count(), static_cast<int>(r.items.size()));
    EXPECT_EQ(removal->ItemIndex(), 1);
    EXPECT_EQ(Child<TRadioGroup>(d, "RadioGroup1")->Count(), static_cast<int>(StemCountChoices(s.stems).items.size()));
    EXPECT_EQ(Child<TRadioGroup>(d, "RadioGroup4")->ItemText(6), "2.50 m");
    EXPECT_EQ(removal->title(), " hakkuukertymä alaharvennuksen jälkeen, m3/ha ");
    EXPECT_TRUE(Child<QListWidget>(d, "ListBox3")->isEnabled());
    // The first trial: the second removal item.
    EXPECT_EQ(Texts(d, {"Label7", "Label9"}), (QStringList{ThinningRemovalText(true, r.values[1]).toLower(),
                                                           "1 ha otos puustosta alaharvennuksen jälkeen"}));
    EXPECT_EQ(Stand().SlotTotalVolume(2), s.startVolume - r.values[1]);
    Shot(d, "th1_advanced.png");
    // Another removal, then a stem count: kept.
    ClickItem(d, "RadioGroup3", 5);
    ChoosePage(d, 1);
    last = Stand();
    ClickItem(d, "RadioGroup1", 1);
    stems = Child<TRadioGroup>(d, "RadioGroup1")->ItemText(1).toInt();
    ClickButton(d, "BitBtn1");
  }));
  EXPECT_EQ(CurrentPhase(), 2);
  // The same thinning once, on the stand as the dialog had it.
  ResetTrialCutting(last, 2);
  ASSERT_TRUE(last.ThinToTargetBasalArea(1, static_cast<float>(stems), 0, true));
  last.RecordPhase(2, ThinningStemText(true, stems), 0, 0);
  ExpectSameStand(Stand(), last);
  EXPECT_EQ(Stand().Slots[2].name, "Alaharvennus " + QString::number(stems) + " runkoon/ha");
}

TEST_F(Thinning, UnreachableTargetIsRefusedAndTheDialogStaysOpen) {
  // 150 stems/ha: only the stem page, with the fixed items 10 .. 100; a
  // target above the stand's stems cannot be reached.
  Open(MatureMixedStand(), 0);
  CommitStripRoads(false);
  Stand().Slots[1].stems = 150;
  EXPECT_TRUE(Run(ActForm->Button7, [&](QWidget* d) {
    EXPECT_EQ(VisiblePages(d), (std::vector<bool>{false, true, false, false}));
    auto* group = Child<TRadioGroup>(d, "RadioGroup1");
    EXPECT_EQ(std::pair(group->ItemText(0), group->ItemText(9)), std::pair(QString("10"), QString("100")));
    // The slot says 150 stems: 100 is below it, so the thinning runs.
    ClickItem(d, "RadioGroup1", 9);
    EXPECT_TRUE(static_cast<TTh1Form*>(d)->Feasible);
    Stand().Slots[1].stems = 90;  // now 100 is out of reach
    ClickItem(d, "RadioGroup1", 8);
    ClickItem(d, "RadioGroup1", 9);
    EXPECT_FALSE(static_cast<TTh1Form*>(d)->Feasible);
    EXPECT_EQ(Text(d, "Label7"), "");
    ClickButton(d, "BitBtn1");
    EXPECT_TRUE(d->isVisible());
    const MessageRecord notice = script_.Last(MessageKind::Notice);
    EXPECT_EQ((QStringList{notice.caption, notice.lines.at(0)}),
              (QStringList{"Alaharvennus", "lisää harvennusvoimakkuutta tai peru hakkuu !"}));
    ClickButton(d, "BitBtn2");
  }));
  EXPECT_EQ(CurrentPhase(), 1);
  EXPECT_TRUE(Stand().Slots[2].name.isEmpty());
}

TEST_F(Thinning, HighThinningNeedsFiftyCubicMetres) {
  Open(YoungThinningStand(), 0);
  CommitStripRoads(false);
  ASSERT_GE(Stand().SlotTotalVolume(1), 50);
  Stand().Slots[1].volumes.fill(0);
  Stand().Slots[1].volumes[PinePulpwood] = 49;
  EXPECT_TRUE(Run(ActForm->Button7, [&](QWidget* d) {
    EXPECT_FALSE(Child<QListWidget>(d, "ListBox3")->isEnabled());
    EXPECT_EQ(Child<QListWidget>(d, "ListBox3")->currentRow(), 0);
    ClickButton(d, "BitBtn3");
    ClickButton(d, "BitBtn2");
  }));
  EXPECT_EQ(script_.Last(MessageKind::HelpText).caption, "Ala - tai  yläharvennus");
}

}  // namespace
