// The stand card's command checks: timing of a cutting in the chain of
// steps, each cutting's own requirements and questions, the grow command's
// refusals and ages, growth undone back to the measured state, and the
// recommendation panel.
#include <QStringList>
#include <gtest/gtest.h>

#include <cstring>

#include "operations/CuttingRefusalRules.h"
#include "mainwindow/ActsSaveRules.h"
#include "mainwindow/ButtonRules.h"
#include "mainwindow/RecommendRules.h"
#include "model/Phase.h"
#include "tests/mainwindow/SlotStands.h"
#include "tests/model/StandFixture.h"
#include "tests/support/StandCompare.h"

namespace {

using slotstands::Chain;
using slotstands::Steps;

TEST(CuttingCommandRules, Timing) {
  // Steps ('G' growth, 'C' a thinning), the stems of the last; the caption
  // and line of the refusal.
  const std::tuple<const char*, int, const char*, const char*> cases[] = {
      {"", 800, "", ""},
      {"CCCCC", 800, "Rajoite", "toimenpiteiden lukumäärä korkeintaan 5 !"},
      {"GG", 800, "Hakkuutoimenpiteet",
       "hakkuutoimenpiteet suoritetaan ennen puuston kasvatusta tai 1. ja 2. kasvatuksen välillä   !"},
      {"CG", 800, "Hakkuutoimenpiteet",
       "hakkuutoimenpiteet suoritetaan peräkkäin ennen puuston kasvatusta tai kasvatuksen jälkeen   !"},
      {"GCG", 800, "Hakkuutoimenpiteet",
       "hakkuutoimenpiteet suoritetaan peräkkäin ennen puuston kasvatusta tai 1. ja 2. kasvatuksen välillä   !"},
      {"G", 800, "", ""},   // after the first growth
      {"CC", 800, "", ""},  // cuttings in a row
      {"GC", 0, "Runkoluku", "puuston runkoluku on 0, ei hakkuutoimenpiteitä   !"},
  };
  for (const auto& [kinds, stems, caption, line] : cases) {
    const int phase = static_cast<int>(strlen(kinds));
    SetCurrentPhase(phase);
    const CuttingRefusal r = CuttingTimingRefusal(Chain(Steps(kinds), {stems}), phase);
    EXPECT_EQ(std::pair(r.caption, r.line1), std::pair(QString(caption), QString(line))) << kinds;
  }
  SetCurrentPhase(0);
}

TEST(CuttingCommandRules, SelectionRequirementsAndReasons) {
  // Stems, mean diameter, volume: whether a selection cutting may be tried.
  const std::tuple<int, int, int, bool> cases[] = {{1500, 18, 150, true}, {1501, 18, 150, false},
                                                   {400, 18, 150, true},  {399, 18, 150, false},
                                                   {800, 17, 200, false}, {800, 30, 149, false}};
  for (auto [stems, d, volume, hold] : cases) EXPECT_EQ(SelectionPreconditionsHold(stems, d, volume), hold) << stems;
  data s(0);
  s.Slots[1].stems = 1500;
  s.Slots[1].meanDiameter = 17.5f;  // rounds to 18
  s.Slots[1].volumes[PineLogs] = 150;
  const bool at175 = SelectionPreconditionsHoldAt(s, 1);
  s.Slots[1].meanDiameter = 17.49f;
  EXPECT_EQ((std::array{at175, SelectionPreconditionsHoldAt(s, 1), SelectionPreconditionsHoldAt(s, 6)}),
            (std::array{true, false, false}));
  EXPECT_EQ(SelectionReasonLine(120, 16, 1800), "puusto 120 m3/ha,  keskiläpimitta 16 cm,  runkoluku 1800 kpl/ha,");
  EXPECT_EQ(SelectionFailLine(), "edellytykset poimintahakkuulle eivät täyty   !");
}

TEST(CuttingCommandRules, SpeciesRemovalCorridorAndRegeneration) {
  EXPECT_EQ(
      (std::array{SpeciesRemovalRefusal(true, 12, false).Refused(), SpeciesRemovalRefusal(false, 18, false).Refused(),
                  SpeciesRemovalRefusal(false, 12, true).Refused()}),
      (std::array{false, false, false}));
  const CuttingRefusal species = SpeciesRemovalRefusal(false, 17, false);
  EXPECT_EQ((QStringList{species.caption, species.line1, species.line2}),
            (QStringList{"Puulajin poisto",
                         "Puuston keskiläpimitta 17 cm. Puulajin poisto uudistus-/poimintahakkuun yhteydessä edellyttää, että",
                         "keskiläpimitta on vähintään 18 cm. Jos haluat poistaa puulajin, valitse kasvatushakkuu, hakkaa "
                         "ajourat ja poista puulaji  !"}));

  const CuttingRefusal noRoads = CorridorRefusal(1800, 1800);
  EXPECT_EQ((QStringList{noRoads.caption, noRoads.line1, noRoads.line2}),
            (QStringList{"Käytäväharvennus", "käytäväharvennus edellyttää ajourien hakkaamista   !", ""}));
  const CuttingRefusal sparse = CorridorRefusal(1400, 1599);
  EXPECT_EQ((QStringList{sparse.line1, sparse.line2}),
            (QStringList{"Puuston runkoluku / ha ennen ajourien hakkuuta 1599.",
                         "Lähinnä puuston ensiharvennuksiin tarkoitetussa käytäväharvennuksessa runkoluvun oltava ennen "
                         "hakkuuta vähintään 1600 kpl/ha   !"}));
  EXPECT_FALSE(CorridorRefusal(1400, 1600).Refused());

  EXPECT_EQ((std::vector<bool>{IsBelowRegenerationDiameter(true, 17), IsBelowRegenerationDiameter(true, 18),
                               IsBelowRegenerationDiameter(false, 19), IsBelowRegenerationDiameter(false, 20)}),
            (std::vector<bool>{true, false, true, false}));
  const RegenerationQuestion atAll = RegenerationDiameterQuestion(17);
  const RegenerationQuestion milder = RegenerationDiameterQuestion(18);
  EXPECT_EQ((QStringList{atAll.yesCaption, atAll.closeCaption, atAll.line1, atAll.line2, milder.yesCaption,
                         milder.closeCaption, milder.line2}),
            (QStringList{"Kyllä", "Ei", "Puuston keskiläpimitta 17 cm  !", "Haluatko todella tehdä uudistushakkuun  ?",
                         "Jatka", "Peru", "Kuviota ei suositella uudistushakattavaksi  !"}));
  EXPECT_FALSE(RegenerationDiameterQuestion(20).ask);
}

TEST(GrowRules, RefusalsInOrder) {
  const QString zero = "runkoluku on 0, ei puuston kasvatusta   !";
  const QString few = "kasvatettavan puuston runkoluku vähintään 10 kpl/ha !";
  const QString twice = "puustoa voidaan kasvattaa korkeintaan kahdesti   !";
  const QString afterCut = "puustoa voidaan kasvattaa vain kerran hakkuun jälkeen   !";
  const QString limit = "toimenpiteiden lukumäärä korkeintaan 5 !";
  // The stems of slots 0.., the steps; the refusal's line (empty: allowed).
  const std::tuple<std::vector<int>, const char*, QString> cases[] = {
      {{0}, "", zero},
      {{9}, "", few},
      {{10}, "", ""},
      {{900, 880, 0}, "GG", zero},  // no stems comes first
      {{900, 880, 870}, "GG", twice},
      {{900, 880, 500, 490}, "GCG", twice},
      {{900, 600, 590}, "CG", afterCut},  // cut, grow, grow
      {{900, 880, 500}, "GC", ""},        // grow, cut, grow
      {{900, 600}, "C", ""},              // a first growth after a cutting
      {{900, 800, 700, 600, 500, 400}, "CCCCC", limit},
      {{900, 880, 700, 600, 500, 400}, "GCCCC", limit},
  };
  for (const auto& [stems, kinds, line] : cases) {
    const CuttingRefusal r = GrowRefusal(Chain(Steps(kinds), stems), static_cast<int>(stems.size()) - 1);
    const QString caption = line.isEmpty() ? "" : line == limit ? "Rajoite" : "Puuston kasvatus";
    EXPECT_EQ(std::pair(r.caption, r.line1), std::pair(caption, line)) << kinds << " " << stems.back();
  }
}

TEST(GrowRules, AgesOfBothSteps) {
  data s(0);
  for (int sp = 0; sp < kSpeciesSlots; ++sp) s.SpeciesBlocks[sp].words[WordAge] = sp < 3 ? 40 + sp : 0;
  s.Slots[1].years = 7;
  int first[kSpeciesSlots] = {};
  int second[kSpeciesSlots] = {};
  FirstGrowthAges(s, first);
  SecondGrowthAges(s, second);
  EXPECT_EQ(std::to_array(first), (std::array<int, kSpeciesSlots>{40, 41, 42, 0, 0, 0}));
  EXPECT_EQ(std::to_array(second), (std::array<int, kSpeciesSlots>{47, 48, 49, 0, 0, 0}));
}

// Undo as the main window does it: the trees of the step stand again, the
// rules run while the slot still holds the step, then the slot is cleared.
void Undo(data& s) {
  const int p = CurrentPhase();
  s.UndoOperation(p);
  ButtonStates states = BaselineButtonStates();
  ApplyStandEffects(s, ApplyButtonRule(states, s, p, 1, true));
  s.ClearSlot(p);
  SetCurrentPhase(-1);
}

TEST(GrowRules, GrowGrowUndoUndoReturnsTheMeasuredStand) {
  SetCurrentPhase(0);
  auto stand = standfixture::MakeStand(700, 21);
  stand->RecordPhase(0, "dummyStr", 0, 0);
  const data start = *stand;

  ApplyGrowingStep(*stand, NextGrowthKind(*stand), 10);
  EXPECT_EQ(std::tuple(CurrentPhase(), stand->Slots[1].name, stand->Slots[1].years, stand->GrownSizes1.size()),
            std::tuple(1, "Kasvatus", 10, stand->Trees.size()));
  EXPECT_GT(stand->SlotTotalVolume(1), stand->SlotTotalVolume(0));
  // Mortality removed trees by phase 1, as the slot counts.
  int died = 0;
  for (const TreeRecord& t : stand->Trees) died += t.removedBy == 1;
  EXPECT_GT(died, 0);
  EXPECT_EQ(stand->SlotTreeCount(1), 700 - died);
  const data afterFirst = *stand;

  ASSERT_EQ(NextGrowthKind(*stand), 2);
  ApplyGrowingStep(*stand, 2, 5);
  EXPECT_EQ(std::tuple(CurrentPhase(), stand->GrownSizes2.size(), stand->PhaseYearText(2)),
            std::tuple(2, stand->Trees.size(), QString("2029")));
  EXPECT_GE(stand->SlotMeanHeight(2), stand->SlotMeanHeight(1));

  Undo(*stand);
  EXPECT_EQ(std::pair(CurrentPhase(), stand->GrownSizes2.empty()), std::pair(1, true));
  standcompare::ExpectSameStand(*stand, afterFirst);
  Undo(*stand);
  EXPECT_EQ(std::pair(CurrentPhase(), stand->GrownSizes1.empty()),
            std::pair(0, true));  // the first step's sizes go too
  standcompare::ExpectSameStand(*stand, start);
  EXPECT_EQ(stand->SpeciesValue(0, 7), 0);  // the ages given for the first step go
}

TEST(RecommendRules, StateByStepAndClass) {
  // Development class, slot 1's name (phase 1 when given, else phase 0), the
  // new-forest button shown, an estimate made; the panel's state.
  const std::tuple<int, const char*, bool, bool, int> cases[] = {
      {6, nullptr, false, false, RecommendsOperation},
      {1, nullptr, false, false, RecommendsNothing},  // treeless area
      {2, nullptr, false, false, RecommendsNothing},  // small seedling stand
      {6, "poimintahakkuu 40 m3/ha", false, false, RecommendsNothing},
      {6, "Pienaukkohakkuu, aukon koko 0.20 ha", false, false, RecommendsNothing},
      {6, "Avohakkuu, säästöpuita 30 kpl/ha", true, false, RecommendsCostEstimate},
      {6, "Avohakkuu, säästöpuita 30 kpl/ha", false, true, RecommendsCostEstimate},
      {6, "Avohakkuu, säästöpuita 30 kpl/ha", true, true, RecommendsNothing},
      {6, "alaharvennus hakkuukertymään 40 m3/ha", false, false, RecommendsOperation},
  };
  for (const auto& [devClass, step, newForest, estimate, state] : cases) {
    data s = Chain(step ? std::vector<QString>{step} : std::vector<QString>{});
    s.Header.developmentClass = devClass;
    EXPECT_EQ(RecommendationState(s, step ? 1 : 0, newForest, estimate), state)
        << devClass << " " << (step ? step : "-");
  }
}

TEST(RecommendRules, TextsCaptionAndMessage) {
  const QString rec = "puuston Pohjapinta-ala 31.0 m2/ha,  Harkitse kasvatushakkuuta    !";
  EXPECT_EQ((QStringList{RecommendationPanelText(RecommendsOperation, false, rec), RecommendationPanelText(3, false, rec),
                         RecommendationPanelText(RecommendsOperation, true, rec),
                         RecommendationPanelText(RecommendsNothing, false, rec),
                         RecommendationPanelText(RecommendsOperation, false, ""),
                         RecommendationPanelText(RecommendsCostEstimate, false, rec)}),
            (QStringList{rec.toLower(), rec.toLower(), "", "", "",
                         "harkitse kustannusarvion laatimista metsänuudistamisen kuluista   !"}));
  EXPECT_EQ((QStringList{RecommendationPanelCaption("2029"), RecommendationMessageLine1(0, false, "2019"),
                         RecommendationMessageLine1(1, true, "2029"), RecommendationMessageLine1(2, false, "2029"),
                         RecommendationMessageLine2("abc")}),
            (QStringList{"Toimenpidesuositus  v. 2029", "Toimenpidesuositus mittauksen jälkeen  v. 2019",
                         "Toimenpidesuositus kasvatuksen jälkeen  v. 2029", "Toimenpidesuositus hakkuun jälkeen  v. 2029",
                         "            -  abc"}));
}

}  // namespace
