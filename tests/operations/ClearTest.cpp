// The regeneration cutting dialog through the main window's regeneration
// button: the pages a stand allows, each cutting tried through its options,
// the questions and refusals of OK, and the cutting kept as the stand's next
// step.

#include <QTextEdit>

#include "operations/Clear.h"
#include "operations/NewFrst.h"
#include "tests/operations/DialogFixture.h"

namespace {

using namespace dialogtest;

// A spruce stand with pine and birch beside it: every page is offered
// (about 490 stems/ha, spruce three quarters of the stock).
constexpr picturestands::Measured kSpruceStand{6, {26, 24, 20, 0, 0}, {220, 210, 200, 0, 0}, {40, 160, 20, 0, 0}};
// Few large spruces among smaller pines and birches: spruce half the stock
// or more but only about 130 stems/ha of it.
constexpr picturestands::Measured kLargeSpruces{6, {18, 34, 18, 0, 0}, {160, 260, 160, 0, 0}, {60, 120, 60, 0, 0}};
// Birch and spruce without pine.
constexpr picturestands::Measured kNoPine{6, {0, 24, 22, 0, 0}, {0, 210, 210, 0, 0}, {0, 160, 60, 0, 0}};

const std::vector<bool> kEveryPage(kRegenerationPageCount, true);
const std::vector<bool> kClearCutOnly{false, true, false, false, false};

class Regeneration : public Dialogs {
 protected:
  // The stems per hectare that the stems label shows.
  static int StemsShown(QWidget* d) { return Text(d, "Label4").section(' ', 0, 0).toInt(); }
  void OpenSpruceStand() { Open(StandOf(kSpruceStand, 31, "21"), 1); }
};

}  // namespace

TEST_F(Regeneration, EveryPageTriedThenTheStripCuttingKept) {
  OpenSpruceStand();
  const int n = Stand().SlotTreeCount(0);
  ASSERT_GE(n, 420);
  EXPECT_TRUE(Run(ActForm->Button14, [&](QWidget* d) {
    EXPECT_EQ(VisiblePages(d), kEveryPage);
    EXPECT_FALSE(Child<QTextEdit>(d, "RichEdit2")->isEnabled());
    // Small gap, opened first with 0.20 ha, then 0.30 ha: a larger gap.
    EXPECT_EQ(Texts(d, {"Label7", "Label10", "Label9", "Label12"}),
              (QStringList{"pienaukkohakkuu, aukon koko 0.20 ha", "1 ha otos hakkuukertymästä pienaukkohakkuun jälkeen",
                           "1 ha otos puustosta pienaukkohakkuun jälkeen",
                           QString::number(Stand().SlotTotalVolume(1)) + " m3/ha"}));
    EXPECT_EQ(StemsShown(d), Stand().SlotTreeCount(1));
    const int gap20 = n - Stand().SlotTreeCount(1);
    ClickItem(d, "RadioGroup8", 5);
    EXPECT_EQ(Text(d, "Label7"), "pienaukkohakkuu, aukon koko 0.30 ha");
    EXPECT_GT(n - Stand().SlotTreeCount(1), gap20);
    Shot(d, "clear-small-gap.png");
    // Clear-cut with two groups of 15; the chart's value mode.
    ChoosePage(d, ClearCutPage);
    EXPECT_EQ(Texts(d, {"Label7", "Label10"}),
              (QStringList{"avohakkuu, säästöpuita 30 kpl/ha", "1 ha otos hakkuukertymästä avohakkuun jälkeen"}));
    EXPECT_EQ(StemsShown(d), 30);
    auto* chart = Child<TRemovalChart>(d, "Chart1");
    EXPECT_EQ(chart->TitleLines().at(0),
              QString::number(Stand().SlotTotalVolume(0) - Stand().SlotTotalVolume(1)) + " m3/ha");
    TickBox(d, "CheckBox6");
    EXPECT_TRUE(chart->TitleLines().at(0).endsWith("€/ha"));
    // The trees per group follow the groups: one group of 45, three groups
    // whose list ends at 25, which is chosen; no groups, every tree cut.
    auto* perGroup = Child<TRadioGroup>(d, "RadioGroup2");
    const auto shape = [perGroup] { return std::pair{perGroup->Count(), perGroup->Columns()}; };
    EXPECT_EQ(shape(), (std::pair{20, 7}));
    ClickItem(d, "RadioGroup1", 1);
    EXPECT_EQ(shape(), (std::pair{24, 8}));
    ClickItem(d, "RadioGroup2", 20);
    ASSERT_EQ(perGroup->ItemText(20), "45");
    EXPECT_EQ(Text(d, "Label7"), "avohakkuu, säästöpuita 45 kpl/ha");
    ClickItem(d, "RadioGroup1", 3);
    EXPECT_EQ(shape(), (std::pair{17, 6}));
    EXPECT_EQ(Text(d, "Label7"), "avohakkuu, säästöpuita 75 kpl/ha");
    ClickItem(d, "RadioGroup1", 0);
    EXPECT_EQ(std::pair(perGroup->isEnabled(), perGroup->ItemIndex()), std::pair(false, -1));
    EXPECT_EQ(Text(d, "Label7"), "avohakkuu, säästöpuita 0 kpl/ha");
    EXPECT_EQ(Stand().SlotTreeCount(1), 0);
    // Seed trees need a species; then large pines only.
    ChoosePage(d, SeedTreePage);
    EXPECT_EQ(Text(d, "Label7"), "siemenpuuhakkuu, mänty/koivu 50 kpl/ha");
    TickBox(d, "CheckBox1");
    TickBox(d, "CheckBox2");
    EXPECT_TRUE(Text(d, "Label7").isEmpty());
    EXPECT_EQ(Stand().SlotTreeCount(1), n);
    ClickButton(d, "BitBtn1");
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(Said(MessageKind::Notice), (QStringList{"Siemenpuuhakkuu", "valitse puulajit !"}));
    TickBox(d, "CheckBox1");
    ClickItem(d, "RadioGroup6", 0);
    EXPECT_EQ(Text(d, "Label7"), "siemenpuuhakkuu, mänty+ 50 kpl/ha");
    EXPECT_EQ(StemsShown(d), 50);
    // Shelter trees: spruce always; with pine, then birch.
    ChoosePage(d, ShelterwoodPage);
    EXPECT_EQ(Text(d, "Label7"), "suojuspuuhakkuu, kuusi 100 kpl/ha");
    TickBox(d, "CheckBox5");
    EXPECT_TRUE(Ticked(d, "CheckBox5"));
    TickBox(d, "CheckBox3");
    ClickItem(d, "RadioGroup4", 1);
    EXPECT_EQ(Stand().Slots[1].name, "Suojuspuuhakkuu, Kuusi/Mänty 120 kpl/ha");
    TickBox(d, "CheckBox4");
    EXPECT_EQ(Text(d, "Label7"), "suojuspuuhakkuu, ku/mä/ko 120 kpl/ha");
    Shot(d, "clear-shelterwood.png");
    // Strips of 40 m, kept.
    ChoosePage(d, StripPage);
    EXPECT_EQ(Text(d, "Label7"), "kaistalehakkuu, kaistaleen leveys 50 m");
    ClickItem(d, "RadioGroup5", 4);
    ClickButton(d, "BitBtn1");
  }));
  EXPECT_EQ(CurrentPhase(), 1);
  EXPECT_EQ(Stand().Slots[1].name, "Kaistalehakkuu, kaistaleen leveys 40 m");
  // After a regeneration cutting the new-forest button and its hint.
  EXPECT_TRUE(ActForm->IsNewForestButtonVisible());
  EXPECT_EQ(ActForm->Label40->text(), "Uusi metsä - painikkeella metsänuudistamisen kustannusarvio  !");
  EXPECT_FALSE(NewFrstForm->CultivationShown());
  EXPECT_EQ(NewFrstForm->Label24->text(), "Metsänuudistaminen kaistalehakkuun jälkeen");
  EXPECT_TRUE(ActForm->HasUnsavedChanges());
}

TEST_F(Regeneration, PagesAndSpeciesBoxesFollowTheStemsTheMeanDiameterAndTheSpecies) {
  // 149 stems: the clear-cut only, no groups, every tree cut.
  Open(picturestands::MakeStand(kSpruceStand, 31, 149), 1);
  ASSERT_EQ(Stand().SlotTreeCount(0), 149);
  EXPECT_TRUE(Run(ActForm->Button14, [&](QWidget* d) {
    EXPECT_EQ(VisiblePages(d), kClearCutOnly);
    auto* groups = Child<TRadioGroup>(d, "RadioGroup1");
    EXPECT_EQ(std::pair(groups->isEnabled(), groups->ItemIndex()), std::pair(false, 0));
    EXPECT_EQ(Texts(d, {"Label7", "Label4"}), (QStringList{"avohakkuu, säästöpuita 0 kpl/ha", "0 runkoa/ha"}));
    Shot(d, "clear-149-stems.png");
    ClickButton(d, "BitBtn2");
  }));
  // Below 18 cm, asked about, only the clear-cut; at 18 cm every page again.
  OpenSpruceStand();
  for (float cm : {17.4f, 18.0f}) {
    Stand().Slots[0].meanDiameter = cm;
    script_.Answer(1);
    EXPECT_TRUE(Run(ActForm->Button14, [&](QWidget* d) {
      EXPECT_EQ(VisiblePages(d), cm < 18 ? kClearCutOnly : kEveryPage) << cm;
      EXPECT_EQ(Child<TRadioGroup>(d, "RadioGroup1")->isEnabled(), cm >= 18) << cm;
      ClickButton(d, "BitBtn2");
    }));
    EXPECT_EQ(script_.Last(MessageKind::Question).lines.at(0), QString("Puuston keskiläpimitta %1 cm  !").arg(int(cm)));
  }
  // The pine box was ticked for the stand with pine; the next stand has none.
  Open(StandOf(kNoPine, 8, "22"), 1);
  EXPECT_TRUE(Run(ActForm->Button14, [&](QWidget* d) {
    ChoosePage(d, SeedTreePage);
    auto* pine = Child<QCheckBox>(d, "CheckBox1");
    EXPECT_EQ(std::pair(pine->isEnabled(), pine->isChecked()), std::pair(false, false));
    EXPECT_FALSE(Child<QCheckBox>(d, "CheckBox3")->isEnabled());
    EXPECT_EQ(Text(d, "Label7"), "siemenpuuhakkuu, koivu 50 kpl/ha");
    ClickButton(d, "BitBtn2");
  }));
}

TEST_F(Regeneration, ShelterwoodPageOfferedFrom420Stems) {
  for (int n : {419, 420}) {
    Open(picturestands::MakeStand(kSpruceStand, 31, n), 1);
    ASSERT_EQ(Stand().SlotTreeCount(0), n);
    EXPECT_TRUE(Run(ActForm->Button14, [&](QWidget* d) {
      EXPECT_EQ(VisiblePages(d), (std::vector<bool>{true, true, true, n >= 420, true})) << n;
      ClickButton(d, "BitBtn2");
    }));
  }
}

TEST_F(Regeneration, FewerShelterTreesThanChosenAsked) {
  Open(StandOf(kLargeSpruces, 5, "23"), 1);
  ASSERT_GE(Stand().SlotTreeCount(0), 420);
  EXPECT_TRUE(Run(ActForm->Button14, [&](QWidget* d) {
    ChoosePage(d, ShelterwoodPage);
    ClickItem(d, "RadioGroup4", 10);
    const QString kept = QString::number(StemsShown(d));
    ASSERT_LT(kept.toInt(), 300);
    EXPECT_EQ(Text(d, "Label7"), "suojuspuuhakkuu, kuusi " + kept + " kpl/ha");
    script_.Answer(2);
    ClickButton(d, "BitBtn1");
    EXPECT_TRUE(d->isVisible());
    const MessageRecord q = script_.Last(MessageKind::Question);
    EXPECT_EQ((QStringList{q.caption, q.lines.at(0), q.lines.at(1), q.yesCaption, q.closeCaption}),
              (QStringList{"Suojuspuuhakkuu", "Valittuja puita hakkuualalla " + kept + " kpl !",
                           "Suoritetaanko suojuspuuhakkuu  ?", "Kyllä", "Ei"}));
    script_.Answer(1);
    ClickButton(d, "BitBtn1");
  }));
  EXPECT_EQ(CurrentPhase(), 1);
  EXPECT_TRUE(Stand().Slots[1].name.startsWith("Suojuspuuhakkuu, Kuusi "));
}
