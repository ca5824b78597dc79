// The cutting dialogs through the main window's buttons. Every dialog in one
// table: its options changed (each change one trial, a chart switch none),
// closed by Cancel, Esc and the title bar leaving the stand as it was, then
// changed again and kept by OK as one application of the last choice. Then
// each dialog's own refusals and questions.

#include <QTextEdit>

#include <cmath>

#include "operations/Clear.h"
#include "operations/PlocCutt.h"
#include "operations/Th1.h"
#include "platform/Numbers.h"
#include "texts/Commonlan.h"
#include "tests/operations/DialogFixture.h"

namespace {

using namespace dialogtest;

class CuttingDialogs : public Dialogs {};

TEST_F(CuttingDialogs, ClosingButOkPutsTheStandBackAndOkKeepsTheLastChoiceOnce) {
  struct Case {
    std::unique_ptr<data> (*stand)();
    int stage;
    int stripRoads;  // -1 none committed first, 0 "ei uria", 1 the default roads
    QPushButton* TActForm::*button;
    QString title;
    QString help;  // the help's caption; empty: no help
    int trials;    // the trials the changes make
    std::function<void(QWidget*)> change;
    // The last choice applied to the stand as it was before the dialog, into
    // the trial phase k.
    std::function<void(data&, int k)> kept;
  };
  const Case cases[] = {
      {YoungThinningStand, 0, -1, &TActForm::Button5, " Kuvio 3b, ajourat", "Ajourat", 3,
       [](QWidget* d) {
         // The defaults, 4.0 m roads 20 m apart, are tried at once.
         EXPECT_EQ(Text(d, "Label7"), "ajourat 4.0 m, uraväli 20 m");
         ClickItem(d, "RadioGroup1", 0);  // 10 m
         ClickItem(d, "RadioGroup2", 2);  // 2.0 m
         ClickItem(d, "RadioGroup1", 3);  // 16 m
         Shot(d, "roads_young.png");
       },
       [](data& s, int k) {
         s.SelectStripRoads(2.0f, 16.0f, k);
         s.RecordPhase(k, "Ajourat 2.0 m, uraväli 16 m", 0, 0);
       }},
      {YoungThinningStand, 0, 1, &TActForm::Button1, " Kuvio 3b, käytäväharvennus", "Käytäväharvennus", 2,
       [this](QWidget* d) {
         EXPECT_EQ(Text(d, "Label7"), "käytäväharvennus 2.0 m, väli 10 m");
         ClickItem(d, "RadioGroup1", 0);  // 6 m
         ClickItem(d, "RadioGroup2", 3);  // 2.5 m
         // The strip roads and the corridors together, from the measured
         // state; the switch redraws the chart only.
         auto* chart = Child<TRemovalChart>(d, "Chart1");
         const int total = TrialRemovalByGroup(Stand(), false, 0, 2).total;
         EXPECT_EQ(chart->TitleLines().at(0), QString::number(total) + " m3/ha");
         EXPECT_TRUE(chart->BottomAxisVisible());
         TickBox(d, "CheckBox6");
         EXPECT_TRUE(chart->TitleLines().at(0).endsWith(CommonlanText(56)));
         Shot(d, "gate_young.png");
       },
       [](data& s, int k) {
         s.SelectCorridors(2.5f, 6.0f, k);
         s.RecordPhase(k, "käytäväharvennus 2.5 m, väli 6 m", 0, 0);
       }},
      {AdvancedThinningStand, 0, 0, &TActForm::Button7, " Kuvio 12, ala - tai  yläharvennus",
       "Ala - tai  yläharvennus", 6,
       [this](QWidget* d) {
         // The removal page first, with its second item.
         const ThinningStand s = ThinningStandOf(Stand());
         const int r = RemovalChoices(s).values[1];
         EXPECT_EQ(Text(d, "Label7"), ThinningRemovalText(true, r).toLower());
         EXPECT_EQ(Stand().SlotTotalVolume(2), s.startVolume - r);
         Shot(d, "th1_advanced.png");
         ClickItem(d, "RadioGroup3", 4);
         ChoosePage(d, 1);
         ClickItem(d, "RadioGroup1", 2);
         ClickRow(Child<QListWidget>(d, "ListBox3"), 1);
         EXPECT_EQ(Child<TRadioGroup>(d, "RadioGroup1")->title(), " runkoluku yläharvennuksen jälkeen, runkoa/ha ");
         ChoosePage(d, 3);
         ClickItem(d, "RadioGroup4", 3);
         TickBox(d, "CheckBox1");
       },
       [](data& s, int k) {
         s.ThinByMinimumSpacing(1.75f, k - 1, false, ThinningCriterionCode(ThinningDistancePage));
         s.RecordPhase(k, ThinningDistanceText(false, 1.75f), 0, 0);
       }},
      {MatureMixedStand, 1, -1, &TActForm::Button4, " Kuvio 7, puulajin poisto", "", 2,
       [](QWidget* d) {
         // At the final-cutting stage whole species only.
         EXPECT_EQ(Texts(d, {"Label8", "Label16"}),
                   (QStringList{"Koska ajouraverkostoa ei hakata,", "valitse poistettavat puulajit   !"}));
         auto* pine = Child<QComboBox>(d, "ComboBox1");
         EXPECT_EQ(std::tuple(pine->count(), pine->isEnabled(), pine->currentIndex()), std::tuple(1, false, -1));
         EXPECT_FALSE(Child<QCheckBox>(d, "CheckBox6")->isVisibleTo(d));
         TickBox(d, "CheckBox3");  // birch
         TickBox(d, "CheckBox4");  // aspen
         EXPECT_EQ(Texts(d, {"Label16", "Label3"}),
                   (QStringList{"puulajin poisto, koivu/haapa", "1 ha otos puustosta puulajin poiston jälkeen"}));
         EXPECT_TRUE(Child<QCheckBox>(d, "CheckBox6")->isVisibleTo(d));
         TickBox(d, "CheckBox6");
         Shot(d, "th4_mature.png");
       },
       [](data& s, int k) {
         s.SelectSpeciesRemoval(0, 0, 1, 1, 0, k);
         s.RecordPhase(k, "Puulajin poisto, koivu/haapa", 0, 0);
       }},
      {MatureMixedStand, 1, -1, &TActForm::Button15, " Kuvio 7,  poimintahakkuu", "", 3,
       [this](QWidget* d) {
         // The list's first item, no removal, is tried at once.
         EXPECT_EQ(Stand().Slots[1].name, "valitse poimintahakkuun hakkuukertymä  !");
         EXPECT_FALSE(Child<QCheckBox>(d, "CheckBox2")->isEnabled());
         EXPECT_FALSE(Child<QCheckBox>(d, "CheckBox1")->isVisibleTo(d));
         // 50 m3/ha, then with more weight on large trees, then 70.
         ClickItem(d, "RadioGroup1", 4);
         ASSERT_EQ(Child<TRadioGroup>(d, "RadioGroup1")->ItemText(4), "50");
         EXPECT_EQ(Stand().SlotTotalVolume(1), Stand().SlotTotalVolume(0) - 50);
         TickBox(d, "CheckBox2");
         EXPECT_EQ(Texts(d, {"Label15", "Label9"}),
                   (QStringList{"poimintahakkuu+ 50 m3/ha", "1 ha otos puustosta poimintahakkuun jälkeen"}));
         EXPECT_TRUE(Child<QCheckBox>(d, "CheckBox1")->isVisibleTo(d));
         Shot(d, "ploccutt_mature.png");
         ClickItem(d, "RadioGroup1", 6);
         TickBox(d, "CheckBox1");
       },
       [](data& s, int k) {
         const int v = s.SlotTotalVolume(k - 1);
         s.SelectLargestTrees(k - 1, static_cast<float>(platform::RoundHalfAway(0.2 * 70)));
         const int left = s.ThinToTargetVolume(k - 1, static_cast<float>(v - 70), 5, false);
         s.RecordPhase(k, SelectionName(true, true, v - left), 0, 0);
       }},
      {MatureMixedStand, 1, -1, &TActForm::Button14, " Kuvio 7,  uudistushakkuu", "", 4,
       [](QWidget* d) {
         // Each page chosen is tried at once.
         ClickItem(d, "RadioGroup8", 0);
         ChoosePage(d, SeedTreePage);
         ClickItem(d, "RadioGroup6", 0);
         ChoosePage(d, ClearCutPage);
       },
       [](data& s, int k) {
         s.SelectSpacedRetention(2, 15, k - 1);
         s.RecordPhase(k, "Avohakkuu, säästöpuita 30 kpl/ha", 0, 0);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title.toStdString());
    Open(c.stand(), c.stage);
    if (c.stripRoads >= 0) CommitStripRoads(c.stripRoads == 1);
    const int phase = CurrentPhase();
    const data before = Stand();
    for (Close how : kEveryClose) {
      EXPECT_TRUE(Run(ActForm->*c.button, [&](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), c.title);
        const int start = Recalculations(d);
        c.change(d);
        EXPECT_EQ(Recalculations(d) - start, c.trials);
        CloseWithout(d, how);
      })) << static_cast<int>(how);
      EXPECT_EQ(CurrentPhase(), phase);
      ExpectSameStand(Stand(), before);
    }
    EXPECT_FALSE(ActForm->IsNewForestButtonVisible());
    EXPECT_TRUE(Run(ActForm->*c.button, [&](QWidget* d) {
      if (!c.help.isEmpty()) {
        ClickButton(d, "BitBtn3");
        EXPECT_EQ(script_.Last(MessageKind::HelpText).caption, c.help);
      }
      c.change(d);
      ClickButton(d, "BitBtn1");
    }));
    EXPECT_EQ(CurrentPhase(), phase + 1);
    data kept = before;
    c.kept(kept, phase + 1);
    ExpectSameTrial(Stand(), kept);
  }
}

TEST_F(CuttingDialogs, CancelPutsTreesOfEqualYBackInTheirOrder) {
  // Trees on whole plot units of y and whole metres of height: the trial's
  // sort by height and back by y leaves many of them in another order,
  // which a cancel undoes.
  auto young = YoungThinningStand();
  for (TreeRecord& t : young->Trees) {
    t.y = std::floor(t.y);
    t.height = std::floor(t.height / 100) * 100;
  }
  Open(std::move(young), 0);
  const data before = Stand();
  EXPECT_TRUE(Run(ActForm->Button5, [](QWidget* d) {
    ClickItem(d, "RadioGroup1", 0);
    ClickButton(d, "BitBtn2");
  }));
  ExpectSameStand(Stand(), before);
}

TEST_F(CuttingDialogs, StripRoadsOfNoneOrBelow600StemsAndCorridorsWithoutThemOrBelow1600StemsRefused) {
  // "ei uria": no spacing, nothing removed, kept by OK; then no corridors.
  Open(YoungThinningStand(), 0);
  EXPECT_TRUE(Run(ActForm->Button5, [&](QWidget* d) {
    ClickItem(d, "RadioGroup2", 0);
    EXPECT_FALSE(Child<TRadioGroup>(d, "RadioGroup1")->isEnabled());
    EXPECT_EQ(Text(d, "Label7"), "ajourat : ei uria");
    EXPECT_EQ(Stand().SlotTreeCount(1), Stand().SlotTreeCount(0));
    ClickButton(d, "BitBtn1");
  }));
  EXPECT_EQ(Stand().Slots[1].name, "Ajourat : ei uria");
  EXPECT_TRUE(ActForm->Button1->isEnabled());
  EXPECT_FALSE(Run(ActForm->Button1, [](QWidget*) {}));
  EXPECT_EQ(Said(MessageKind::Notice),
            (QStringList{"Käytäväharvennus", "käytäväharvennus edellyttää ajourien hakkaamista   !"}));
  // Roads cut from 1599 stems: no corridors; from 1600 they open.
  Open(YoungThinningStand(), 0);
  CommitStripRoads(true);
  Stand().Slots[0].stems = 1599;
  EXPECT_FALSE(Run(ActForm->Button1, [](QWidget*) {}));
  EXPECT_EQ(script_.Last(MessageKind::Message).lines.at(0), "Puuston runkoluku / ha ennen ajourien hakkuuta 1599.");
  Stand().Slots[0].stems = 1600;
  EXPECT_TRUE(Run(ActForm->Button1, [](QWidget* d) { ClickButton(d, "BitBtn2"); }));
  // 599 stems/ha: both lists disabled, the warning, OK records no removal.
  Open(MatureMixedStand(), 0);
  Stand().Slots[0].stems = 599;
  EXPECT_TRUE(Run(ActForm->Button5, [&](QWidget* d) {
    auto* spacing = Child<TRadioGroup>(d, "RadioGroup1");
    auto* width = Child<TRadioGroup>(d, "RadioGroup2");
    EXPECT_FALSE(spacing->isEnabled() || width->isEnabled());
    EXPECT_EQ(std::pair(width->ItemIndex(), spacing->ItemIndex()), std::pair(0, -1));
    EXPECT_EQ(Text(d, "Label7"), "runkoluku < 600/ha,  ei ajouria  !");
    Shot(d, "roads_below_limit.png");
    ClickButton(d, "BitBtn1");
  }));
  EXPECT_EQ(Stand().Slots[1].name, "Ajourat : ei uria");
}

TEST_F(CuttingDialogs, ThinningStageSpeciesRemovalOfSmallTreesAndThinningRefusals) {
  Open(YoungThinningStand(), 0);
  CommitStripRoads(false);
  // Species removal: no aspen or alder rows; pine trees smaller than
  // pulpwood offered, chosen with the arrow key as one trial.
  EXPECT_TRUE(Run(ActForm->Button10, [&](QWidget* d) {
    EXPECT_EQ(Text(d, "Label8"), "Poistettavien puiden koko voidaan");
    EXPECT_FALSE(Child<QCheckBox>(d, "CheckBox4")->isVisibleTo(d) || Child<QComboBox>(d, "ComboBox5")->isVisibleTo(d));
    auto* pine = Child<QComboBox>(d, "ComboBox1");
    TickBox(d, "CheckBox1");
    EXPECT_EQ(std::tuple(pine->isEnabled(), pine->currentIndex(), pine->count()), std::tuple(true, 0, 2));
    EXPECT_EQ(pine->itemText(1), "kuitupuuta pienempi mäntyranka");
    const int start = Recalculations(d);
    QTest::keyClick(pine, Qt::Key_Down);
    EXPECT_EQ(Recalculations(d) - start, 1);
    Shot(d, "th4_young.png");
    ClickButton(d, "BitBtn2");
  }));
  // Thinning of 49 m3/ha: low thinning only.
  Stand().Slots[1].volumes.fill(0);
  Stand().Slots[1].volumes[PinePulpwood] = 49;
  EXPECT_TRUE(Run(ActForm->Button7, [&](QWidget* d) {
    auto* type = Child<QListWidget>(d, "ListBox3");
    EXPECT_EQ(std::pair(type->isEnabled(), type->currentRow()), std::pair(false, 0));
    ClickButton(d, "BitBtn2");
  }));
  // 150 stems/ha: only the stem page; its target of 100 stems runs, but not
  // once the stand has only 90: refused, the dialog stays open.
  Stand().Slots[1].stems = 150;
  EXPECT_TRUE(Run(ActForm->Button7, [&](QWidget* d) {
    EXPECT_EQ(VisiblePages(d), (std::vector<bool>{false, true, false, false}));
    ClickItem(d, "RadioGroup1", 9);
    ASSERT_EQ(Child<TRadioGroup>(d, "RadioGroup1")->ItemText(9), "100");
    EXPECT_TRUE(static_cast<TTh1Form*>(d)->Feasible);
    Stand().Slots[1].stems = 90;
    ClickItem(d, "RadioGroup1", 8);
    ClickItem(d, "RadioGroup1", 9);
    EXPECT_EQ(Text(d, "Label7"), "");
    ClickButton(d, "BitBtn1");
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(Said(MessageKind::Notice), (QStringList{"Alaharvennus", "lisää harvennusvoimakkuutta tai peru hakkuu !"}));
    ClickButton(d, "BitBtn2");
  }));
  EXPECT_EQ(CurrentPhase(), 1);
}

TEST_F(CuttingDialogs, ThinningTypeChosenByTheKeysAsByTheMouseAndAClickOnTheChosenTypeTriesItAgain) {
  Open(AdvancedThinningStand(), 0);
  CommitStripRoads(false);
  EXPECT_TRUE(Run(ActForm->Button7, [&](QWidget* d) {
    auto* type = Child<QListWidget>(d, "ListBox3");
    const int start = Recalculations(d);
    ClickRow(type, 0);
    EXPECT_EQ(std::pair(Recalculations(d) - start, type->hasFocus()), std::pair(1, false));
    QTest::keyClick(type, Qt::Key_Down);
    EXPECT_EQ(std::pair(Recalculations(d) - start, Text(d, "Label9")),
              std::pair(2, QString("1 ha otos puustosta yläharvennuksen jälkeen")));
    ClickButton(d, "BitBtn2");
  }));
}

TEST_F(CuttingDialogs, SpeciesRemovalOkRefusalsAndTheStemCountQuestion) {
  // About 1150 stems/ha, 45 of them alders.
  Open(AdvancedThinningStand(), 1);
  EXPECT_TRUE(Run(ActForm->Button4, [&](QWidget* d) {
    ClickButton(d, "BitBtn1");
    EXPECT_EQ(Said(MessageKind::Notice),
              (QStringList{d->windowTitle(), "valitse poistettavat puulajit tai paina Peru - painiketta   !"}));
    // Every species: a clear-cut instead.
    for (const char* box : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox5"}) TickBox(d, box);
    EXPECT_EQ(Stand().Slots[1].name, "Puulajin poisto, mänty/kuusi/koivu/leppä");
    ClickButton(d, "BitBtn1");
    EXPECT_EQ(script_.Last(MessageKind::Notice).lines.at(0), "suorita avohakkuu, jos haluat poistaa kaikki puulajit !");
    // Alder alone leaves over 1000 stems; with the trial's mean diameter
    // made too small for a selection cutting the stem count is asked about.
    for (const char* box : {"CheckBox1", "CheckBox2", "CheckBox3"}) TickBox(d, box);
    ASSERT_GT(Stand().Slots[1].stems, 1001);
    Stand().Slots[1].meanDiameter = 12.0f;
    Stand().Slots[1].stems = 1001;
    script_.Answer(2);  // "Peru": the dialog stays open
    ClickButton(d, "BitBtn1");
    EXPECT_TRUE(d->isVisible());
    const MessageRecord q = script_.Last(MessageKind::Question);
    EXPECT_EQ((QStringList{q.caption, q.yesCaption, q.closeCaption}), (QStringList{d->windowTitle(), "Jatka", "Peru"}));
    EXPECT_TRUE(q.lines.at(1).startsWith("Harkitse hakkuun perumista ja kasvatushakkuun valitsemista"));
    // 1000 stems: no question.
    Stand().Slots[1].stems = 1000;
    ClickButton(d, "BitBtn1");
    EXPECT_FALSE(d->isVisible());
  }));
  EXPECT_EQ(script_.Count(MessageKind::Question), 1);
  EXPECT_EQ(Stand().Slots[1].name, "Puulajin poisto, leppä");
  // "Jatka" keeps the removal.
  Open(AdvancedThinningStand(), 1);
  EXPECT_TRUE(Run(ActForm->Button4, [&](QWidget* d) {
    TickBox(d, "CheckBox5");
    Stand().Slots[1].meanDiameter = 12.0f;
    Stand().Slots[1].stems = 1001;
    script_.Answer(1);
    ClickButton(d, "BitBtn1");
  }));
  EXPECT_EQ(CurrentPhase(), 1);
}

TEST_F(CuttingDialogs, SelectionOnlyExplainedForAStandFailingTheRequirementsRefusedWithoutRemovalAndAsked) {
  Open(YoungThinningStand(), 1);
  EXPECT_TRUE(Run(ActForm->Button15, [&](QWidget* d) {
    EXPECT_FALSE(Child<TRadioGroup>(d, "RadioGroup1")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(d, "BitBtn1")->isVisibleTo(d) || Child<QFrame>(d, "Panel1")->isVisibleTo(d));
    EXPECT_EQ(Texts(d, {"Label5", "Label6"}),
              (QStringList{QStringLiteral("puusto %1 m3/ha,  keskiläpimitta 11 cm,  runkoluku %2 kpl/ha,")
                               .arg(Stand().SlotTotalVolume(0))
                               .arg(Stand().SlotTreeCount(0)),
                           "edellytykset poimintahakkuulle eivät täyty   !"}));
    EXPECT_TRUE(Child<QTextEdit>(d, "RichEdit1")->toPlainText().contains("Poimintahakkuulle asetetut vaatimukset"));
    EXPECT_EQ(Recalculations(d), 0);
    Shot(d, "ploccutt_refused.png");
    ClickButton(d, "BitBtn2");
  }));
  // The next stand meets them: the list back, but no removal refused.
  Open(MatureMixedStand(), 1);
  EXPECT_TRUE(Run(ActForm->Button15, [&](QWidget* d) {
    EXPECT_TRUE(Child<TRadioGroup>(d, "RadioGroup1")->isEnabled() && Child<QPushButton>(d, "BitBtn1")->isVisibleTo(d));
    ClickButton(d, "BitBtn1");
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(script_.Last(MessageKind::Notice).lines.at(0), "valitse poimintahakkuun hakkuukertymä  !");
    // Weighted 50 m3/ha, then back to "0": the large-tree box is cleared
    // without a further trial.
    const int start = Recalculations(d);
    ClickItem(d, "RadioGroup1", 4);
    TickBox(d, "CheckBox2");
    ClickItem(d, "RadioGroup1", 0);
    EXPECT_EQ(Recalculations(d) - start, 3);
    EXPECT_FALSE(Ticked(d, "CheckBox2"));
    // 70 m3/ha leaving 1001 stems: asked, "Peru" keeps the dialog; 1000:
    // no question.
    ClickItem(d, "RadioGroup1", 6);
    Stand().Slots[1].stems = 1001;
    script_.Answer(2);
    ClickButton(d, "BitBtn1");
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(script_.Last(MessageKind::Question).lines.at(1),
              "Harkitse hakkuun perumista tai poimintahakkuun voimakkuuden lisäämistä  !");
    Stand().Slots[1].stems = 1000;
    ClickButton(d, "BitBtn1");
    EXPECT_FALSE(d->isVisible());
  }));
  EXPECT_EQ(script_.Count(MessageKind::Question), 1);
  EXPECT_EQ(CurrentPhase(), 1);
}

}  // namespace
