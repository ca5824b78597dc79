// The stand-view texts: method names, the chain of steps, tree groups, the
// stock and removal lines, carbon dioxide and the change line, with values
// worked out by hand on stands whose slots are set directly.
#include <gtest/gtest.h>

#include "estate/StandTextsRules.h"
#include "model/Data.h"
#include "model/Phase.h"
#include "model/Settings.h"
#include "tests/mainwindow/SlotStands.h"

namespace {

// Measured 15.06.2019 on 1.0 ha; slot 0: pine pulpwood 20, pine logs 60,
// energy wood 20 (100 m3/ha, logs 60 %), 500 stems.
data TextStand() {
  data s = slotstands::Measured(1.0f, 500, {{PinePulpwood, 20}, {PineLogs, 60}, {EnergyWood, 20}}, 6);
  s.Header.siteType = 3;
  s.Slots[0].meanHeight = 18.3f;
  s.Slots[0].meanDiameter = 22.5f;
  return s;
}

// Slot k after a cutting: pulpwood 10, logs 30, energy wood 15 (55 m3/ha).
void SetCut(data& s, int k, const QString& name) {
  slotstands::SetSlot(s, k, name, 300, {{PinePulpwood, 10}, {PineLogs, 30}, {EnergyWood, 15}});
}

const auto SetGrowth = slotstands::Grow;

// TextStand with steps after its measurement: a growth of the given years,
// or (0) the cutting of SetCut, a low thinning.
data Stepped(const std::vector<int>& steps) {
  data s = TextStand();
  for (int k = 1; k <= static_cast<int>(steps.size()); ++k) {
    if (steps[k - 1] > 0) SetGrowth(s, k, steps[k - 1]);
    else SetCut(s, k, "Alaharvennus hakkuukertymään 45 m3/ha");
  }
  return s;
}

StandViewState State(int phase, bool thinningStage = false) {
  StandViewState v;
  v.phase = phase;
  v.groupItems = {"Kuvio 12a", "Kuvio 12a, tukkipuut"};
  v.thinningStage = thinningStage;
  return v;
}

using StandTexts = slotstands::SlotStandTest;

}  // namespace

TEST_F(StandTexts, MethodNamesAndCombinedNames) {
  data s = TextStand();
  EXPECT_EQ(OperationMethodName(s, State(0), false), "");  // nothing at the measured state
  SetCut(s, 1, "Alaharvennus hakkuukertymään 45 m3/ha");
  EXPECT_EQ((QStringList{OperationMethodName(s, State(1), false), OperationMethodName(s, State(1), true),
                         OperationMethodName(s, State(1, true), false)}),
            (QStringList{"alaharvennus 2019", "alaharvennus", "kasvatushakkuu 2019"}));
  struct Case {
    const char* first;
    const char* second;
    const char* name;
  };
  const Case cases[] = {
      {"Pienaukkohakkuu, aukon koko 0.20 ha", "poimintahakkuu 20 m3/ha", "pienaukko- ja poimintahakkuu 2019"},
      {"Pienaukkohakkuu, aukon koko 0.20 ha", "poimintahakkuu+ 20 m3/ha", "pienaukko- ja poimintahakkuu+ 2019"},
      {"Pienaukkohakkuu, aukon koko 0.20 ha", "Puulajin poisto, koivu", "pienaukkohakkuu ja puulajin poisto 2019"},
      {"Puulajin poisto, koivu", "poimintahakkuu 20 m3/ha", "puulajin poisto ja poimintahakkuu 2019"},
      {"Avohakkuu, säästöpuita 30 kpl/ha", "poimintahakkuu 20 m3/ha", "poimintahakkuu 2019"},
  };
  for (const Case& c : cases) {
    SetCut(s, 1, QString::fromUtf8(c.first));
    SetCut(s, 2, QString::fromUtf8(c.second));
    EXPECT_EQ(OperationMethodName(s, State(2), false), QString::fromUtf8(c.name)) << c.name;
  }
  // Two leading growing steps: no method.
  const data g = Stepped({10, 5});
  EXPECT_EQ(OperationMethodName(g, State(2), false) + OperationMethodName(g, State(1), false), "");
}

TEST_F(StandTexts, ChainOfSteps) {
  struct Case {
    std::vector<int> steps;
    int phase;
    const char* chain;
  };
  // The cutting after a 10-year growth is dated 2029.
  const Case cases[] = {{{10}, 1, "kasvatus 10 v"},
                        {{10, 0}, 2, "kasvatus 10 v,  alaharvennus 2029"},
                        {{10, 0, 5}, 3, "kasvatus 10 v,  alaharvennus 2029,  kasvatus 5 v"},
                        {{10, 5}, 2, "kasvatus 10 v,  kasvatus 5 v"},
                        {{0, 5}, 2, "alaharvennus 2019,  kasvatus 5 v"},
                        {{0, 5}, 0, ""}};
  for (const Case& c : cases) EXPECT_EQ(OperationChainText(Stepped(c.steps), State(c.phase), c.phase), c.chain);
}

TEST_F(StandTexts, TreeGroupsAndSampleCaptions) {
  StandViewState v = State(0);
  v.groupItems = {"Kuvio 1", "Kuvio 1, tukkipuut", "Kuvio 1, kuuset", "Kuvio 1, lehtipuut"};
  // Four items without pines: item 2 spruces, item 3 broadleaved.
  const int expected[] = {0, 1, 3, 4};
  for (int i = 0; i < 4; ++i) {
    v.groupItem = i;
    EXPECT_EQ(ChosenTreeGroup(v, false), expected[i]) << i;
    EXPECT_EQ(ChosenTreeGroup(v, true), i);
  }
  EXPECT_EQ((QStringList{TreeGroupName(v, 0), TreeGroupName(v, 1), TreeGroupName(v, 2), TreeGroupName(v, 3)}),
            (QStringList{"puusto", "tukkipuut", "kuuset", "lehtipuut"}));
  v.groupItems = {"Kuvio 1", "Kuvio 1, tukkipuut", "Kuvio 1, männyt", "Kuvio 1, kuuset"};
  // With pines, and with five items, the items map one to one.
  for (int i : {2, 3, 4}) {
    if (i == 4) v.groupItems << "Kuvio 1, lehtipuut";
    v.groupItem = i;
    EXPECT_EQ(ChosenTreeGroup(v, false), i);
  }
  EXPECT_EQ((QStringList{SampleCaption(true, 0), SampleCaption(true, 1), SampleCaption(true, 4),
                         SampleCaption(false, 1), SampleCaption(false, 2)}),
            (QStringList{"otos hakkuukertymästä", "otos tukkipuiden hakkuukertymästä",
                         "otos lehtipuiden hakkuukertymästä", "Otos tukkipuista", "otos männyistä"}));
}

TEST_F(StandTexts, StockLinesByGroupAndSettings) {
  data s = TextStand();
  StandViewState v = State(0);
  EXPECT_EQ(StockSummaryText(s, v, 0), "   :   100 m3/ha,  tukki % 60");
  // Value 20 x 10 + 60 x 10 + 20 x 1 = 820 €/ha, 8 €/m3; height 18.3 m;
  // diameter 22.5 rounded half away to 23 cm.
  v.viewFlags = 111;
  EXPECT_EQ(StockSummaryText(s, v, 0),
            "   :   100 m3/ha,  tukki % 60  •  820 €/ha,  8 €/m3  •  keskipituus 18.3 m  •  keskiläpimitta 23 cm");
  v.viewFlags = 110;
  EXPECT_EQ(StockSummaryText(s, v, 0), "   :   100 m3/ha,  tukki % 60  •  keskipituus 18.3 m  •  keskiläpimitta 23 cm");
  // With the removal sample the value shows and the means do not.
  v.removal = true;
  EXPECT_EQ(StockSummaryText(s, v, 0), "   :   100 m3/ha,  tukki % 60  •  820 €/ha,  8 €/m3");
  v = State(0);
  v.groupItem = 1;
  EXPECT_EQ(StockSummaryText(s, v, 0), "   :   tukkiosan tilavuus 60 m3/ha");
  v.groupItems << "Kuvio 12a, männyt";
  v.groupItem = 2;
  EXPECT_EQ(StockSummaryText(s, v, 0), "   :   kuitu 20 m3/ha,  tukki 60 m3/ha");
  EXPECT_EQ(TreeGroupYearText(s, v, 0), "männyt 2019");
  // 1000 x 100 / 500; no stems: no division.
  for (const auto& [stems, text] : {std::pair(500, "200"), std::pair(300, "333"), std::pair(0, "0")}) {
    s.Slots[0].stems = stems;
    EXPECT_EQ(MeanStemVolumeText(s, 0), text) << stems;
  }
}

TEST_F(StandTexts, RemovalLinesAndHeadingRows) {
  data s = Stepped({0});
  SetCurrentPhase(1);
  StandViewState v = State(1);
  // Removed 10 + 30 + 5 = 45 m3/ha worth 100 + 300 + 5 = 405 €, 9 €/m3; logs
  // 30 of 45: shares 22.2, 66.7, 11.1 give 22, 67, 11.
  EXPECT_EQ(std::pair(RemovalSampleText(s, v), RemovalSummaryText(s, v, false)),
            std::pair(QString("45 m3/ha,  tukki % 67  •  405 €/ha,  9 €/m3"), QString("otos hakkuukertymästä  v. 2019")));
  v.groupItem = 1;
  EXPECT_EQ(RemovalSampleText(s, v), "tukkiosan tilavuus 30 m3/ha");
  v.groupItems << "Kuvio 12a, männyt";
  v.groupItem = 2;
  EXPECT_EQ(RemovalSampleText(s, v), "kuitu 10 m3/ha,  tukki 30 m3/ha");
  v = State(1);
  // Slot 1: 55 m3/ha, logs 30 of 55: 18.2, 54.5, 27.3 give 18, 55, 27.
  HeadingRow after = AfterHeadingRow(s, v);
  EXPECT_EQ(std::pair(after.group, after.values), std::pair(QString("puusto 2019"), QString("   :   55 m3/ha,  tukki % 55")));
  v.removal = true;
  after = AfterHeadingRow(s, v);
  EXPECT_EQ(std::pair(after.group, after.values),
            std::pair(QString("hakkuukertymä 2019"), QString("   :   45 m3/ha,  tukki % 67  •  405 €/ha,  9 €/m3")));
  v.groupItem = 1;
  EXPECT_EQ(AfterHeadingRow(s, v).group, "hakkuukertymä,  tukkipuut 2019");
  EXPECT_EQ(AfterHeadingRow(s, State(0)).group, "");  // no after-row at the measured state
  v = State(1);
  v.carbon = true;
  EXPECT_EQ(std::pair(MeasuredHeadingRow(s, v).group, MeasuredHeadingRow(s, v).values),
            std::pair(QString("puustoon sitoutunut hiilidioksidi 2019"), QString("   :   130 tonnia/ha")));
  EXPECT_EQ(AfterHeadingRow(s, v).values, "   :   72 tonnia/ha");  // 55 x 1.3 = 71.5
  // No cutting recorded: the short notice.
  SetCurrentPhase(0);
  EXPECT_EQ(RemovalSummaryText(TextStand(), State(0), false), "ei hakkuutoimia,   ei hakkuukertymää  !");
}

TEST_F(StandTexts, DescriptionLines) {
  data s = TextStand();
  EXPECT_EQ(InitialStateText(s, State(0), false),
            "ei toimenpiteitä,  varttunut kasvatusmetsä,  tuore kangas  •  1.0 ha Otos puustosta 2019");
  EXPECT_EQ(InitialStateText(s, State(0), true),
            "ei toimenpiteitä,  varttunut kasvatusmetsä,  tuore kangas  •  0.5 ha Otos puustosta 2019");
  SetCut(s, 1, "Alaharvennus hakkuukertymään 45 m3/ha");
  SetCurrentPhase(1);
  StandViewState v = State(1);
  EXPECT_EQ(AfterStateText(s, v, false), "alaharvennus 2019  •  1.0 ha Otos puustosta 2019");
  v.removal = true;
  EXPECT_EQ(AfterStateText(s, v, true), "alaharvennus 2019  •  0.5 ha otos hakkuukertymästä 2019");
  // A growth before the cutting is named first in the removal line.
  data g = Stepped({10, 0});
  SetCurrentPhase(2);
  StandViewState w = State(2);
  w.removal = true;
  EXPECT_EQ(AfterStateText(g, w, false), "kasvatus 10 v,  alaharvennus 2029  •  1.0 ha otos hakkuukertymästä 2029");
}

TEST_F(StandTexts, CarbonDioxideAndTheChangeLine) {
  EXPECT_EQ((QStringList{TonnesPerHectareUnit(1), TonnesPerHectareUnit(-1), TonnesPerHectareUnit(0),
                         TonnesPerHectareUnit(2), SignPrefix(0.5), SignPrefix(0), SignPrefix(-3)}),
            (QStringList{" tonni/ha", " tonni/ha", " tonnia/ha", " tonnia/ha", "+", "", ""}));
  data s = Stepped({0});
  SetCurrentPhase(1);
  // 100 m3 x 1.3 = 130 t; 55 x 1.3 = 71.5 -> 72 t; -58 t is -44.6 %.
  EXPECT_EQ(std::pair(SlotCarbonDioxide(s, 0), SlotCarbonDioxide(s, 1)), std::pair(130, 72));
  EXPECT_EQ(std::pair(CarbonDioxideText(s, 1, 0), CarbonDioxideText(s, 1, 10)),
            std::pair(QString("   :   130 tonnia/ha"), QString("-58 tonnia/ha,  -44.6 %")));
  StandViewState v = State(1);
  // Logs 55 % against 60 %: -5; value 415 against 820, 7 against 8 €/m3.
  EXPECT_EQ(StockChangeText(s, v), "puuston muutos  :  -45 m3/ha,  tukki % -5");
  v.viewFlags = 1;
  EXPECT_EQ(StockChangeText(s, v), "puuston muutos  :  -45 m3/ha,  tukki % -5,  -405 €/ha,  -1 €/m3");
  v.carbon = true;
  EXPECT_EQ(StockChangeText(s, v), "puustoon sitoutuneen hiilidioksidin muutos  :  -58 tonnia/ha,  -44.6 %");
  v.carbon = false;
  v.removal = true;
  EXPECT_EQ(StockChangeText(s, v), "");  // the removal's carbon dioxide is off by default
  v.viewFlags = 1000;
  EXPECT_EQ(StockChangeText(s, v), "hakkuukertymään sitoutunut hiilidioksidi  :  58 tonnia/ha");
  v.groupItem = 1;
  EXPECT_EQ(StockChangeText(s, v), "");
  // A growth of ten years: the span of years and a gain.
  data g = Stepped({10});
  g.Slots[1].volumes[PineLogs] = 101;  // 141 m3/ha: 183.3 -> 183 t
  SetCurrentPhase(1);
  StandViewState w = State(1);
  w.carbon = true;
  EXPECT_EQ(StockChangeText(g, w), "puustoon sitoutuneen hiilidioksidin muutos 2019-2029  :  +53 tonnia/ha,  +40.8 %");
  // No percentage over a measured stock of nothing; one tonne is singular.
  data e = TextStand();
  e.Slots[0].volumes.fill(0);
  SetGrowth(e, 1, 5);
  e.Slots[1].volumes[PineLogs] = 1;  // 1.3 t -> 1
  EXPECT_EQ(CarbonDioxideText(e, 1, 10), "+1 tonni/ha");
  // The box is usable for the whole stock without the removal sample.
  EXPECT_TRUE(CarbonBoxEnabled(State(1)));
  StandViewState removal = State(1), logs = State(1);
  removal.removal = true;
  logs.groupItem = 1;
  EXPECT_FALSE(CarbonBoxEnabled(removal) || CarbonBoxEnabled(logs));
}

TEST_F(StandTexts, GroupingWordsTimberSalePanelAndSpecies) {
  // -3: lists hidden, no prefix.
  EXPECT_EQ((QStringList{StandGroupingText(true, 12), StandGroupingText(true, -1), StandGroupingText(true, -2),
                         StandGroupingText(true, -3), StandGroupingText(true, -4), StandGroupingText(false, 25),
                         StandGroupingText(true, 35)}),
            (QStringList{"puuston ryhmitys normaali", "puuston ryhmitys tasainen", "puuston ryhmitys normaali",
                         "epätasainen", "", "epätasainen", ""}));
  data s = Stepped({0});
  SetCurrentPhase(1);
  // 0.65 x 186 = 120.9 -> 120, (190 - 120) x 0.49 = 34.3 -> 34; below 728
  // pixels 0.70 x 186 = 130.2 -> 130.
  TimberSalePanel t = TimberSalePanelFor(s, 1, 186, 190, 752);
  EXPECT_EQ(std::tuple(t.caption, t.hasRemoval, t.width, t.left, t.removal),
            std::tuple(QString("Puukauppa 2019"), true, 120, 34, 45));
  EXPECT_EQ(TimberSalePanelFor(s, 1, 186, 190, 720).width, 130);
  SetCurrentPhase(0);
  t = TimberSalePanelFor(s, 0, 186, 190, 752);
  EXPECT_EQ(std::tuple(t.caption, t.hasRemoval, t.width), std::tuple(QString("Puukauppa"), false, 93));
  // Species labels of the overview page: the age of a grown species, the
  // note for one cut before the growth.
  data g(3);
  g.Header.measurementDay = 43631;
  g.Trees[0].species = SpeciesPine;
  g.Trees[1].species = SpeciesPine;
  g.Trees[2].species = SpeciesBirch;
  g.Trees[2].removedBy = 1;
  g.SpeciesBlocks[SpeciesPine].words[WordAge] = 45;
  EXPECT_EQ(OverviewSpeciesSuffix(g, SpeciesPine, true), "");  // no growing step yet
  g.Slots[1].name = "Alaharvennus";
  g.Slots[2].name = "Kasvatus";
  g.Slots[2].years = 10;
  EXPECT_EQ(OverviewSpeciesSuffix(g, SpeciesPine, true), " • ikä 45 v.");
  EXPECT_EQ(OverviewSpeciesSuffix(g, SpeciesBirch, true), " • hakattu ennen kasvatusta");
  EXPECT_EQ(OverviewSpeciesSuffix(g, SpeciesSpruce, false), "");
}
