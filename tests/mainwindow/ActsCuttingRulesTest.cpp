// The cutting commands' checks: timing of a cutting in the chain of steps,
// the selection cutting's requirements, the species removal's diameter,
// the corridor thinning's strip roads and stems, the regeneration questions.

#include <QStringList>
#include <gtest/gtest.h>

#include "mainwindow/ActsCuttingRules.h"
#include "model/Data.h"
#include "model/Phase.h"

namespace {

// A stand whose slots 1.. are the given steps: years > 0 a growing step,
// 0 a cutting; every slot with `stems` stems.
data Chain(std::vector<int> years, int stems = 800) {
  data s(0);
  s.Slots[0].name = "mitattu";
  s.Slots[0].stems = stems;
  for (size_t k = 0; k < years.size(); ++k) {
    s.Slots[k + 1].name = years[k] > 0 ? "Kasvatus" : "Alaharvennus";
    s.Slots[k + 1].years = years[k];
    s.Slots[k + 1].stems = stems;
  }
  return s;
}

TEST(CuttingCommandRules, Timing) {
  struct Case {
    std::vector<int> years;
    int phase;
    int stems;
    const char* caption;
    const char* line;
  };
  const Case cases[] = {
      {{}, 0, 800, "", ""},
      {{0, 0, 0, 0, 0}, 5, 800, "Rajoite", "toimenpiteiden lukumäärä korkeintaan 5 !"},
      {{10, 5}, 2, 800, "Hakkuutoimenpiteet",
       "hakkuutoimenpiteet suoritetaan ennen puuston kasvatusta tai 1. ja 2. kasvatuksen välillä   !"},
      {{0, 10}, 2, 800, "Hakkuutoimenpiteet",
       "hakkuutoimenpiteet suoritetaan peräkkäin ennen puuston kasvatusta tai kasvatuksen jälkeen   !"},
      {{10, 0, 10}, 3, 800, "Hakkuutoimenpiteet",
       "hakkuutoimenpiteet suoritetaan peräkkäin ennen puuston kasvatusta tai 1. ja 2. kasvatuksen välillä   !"},
      {{10}, 1, 800, "", ""},        // after the first growth
      {{0, 0}, 2, 800, "", ""},      // cuttings in a row
      {{10, 0}, 2, 0, "Runkoluku", "puuston runkoluku on 0, ei hakkuutoimenpiteitä   !"},
  };
  for (const Case& c : cases) {
    const data s = Chain(c.years, c.stems);
    SetCurrentPhase(c.phase);
    const CuttingRefusal r = CuttingTimingRefusal(s, c.phase);
    EXPECT_EQ(r.caption, QString::fromUtf8(c.caption)) << c.phase;
    EXPECT_EQ(r.line1, QString::fromUtf8(c.line)) << c.phase;
  }
  SetCurrentPhase(0);
}

TEST(CuttingCommandRules, SelectionRequirementsAndReasons) {
  struct Case {
    int stems, d, volume;
    bool hold;
  };
  const Case cases[] = {{1500, 18, 150, true}, {1501, 18, 150, false}, {400, 18, 150, true}, {399, 18, 150, false},
                        {800, 17, 200, false}, {800, 30, 149, false}};
  for (const Case& c : cases) EXPECT_EQ(SelectionPreconditionsHold(c.stems, c.d, c.volume), c.hold) << c.stems;
  data s(0);
  s.Slots[1].stems = 1500;
  s.Slots[1].meanDiameter = 17.5f;  // rounds to 18
  s.Slots[1].volumes[PineLogs] = 150;
  EXPECT_TRUE(SelectionPreconditionsHoldAt(s, 1));
  s.Slots[1].meanDiameter = 17.49f;
  EXPECT_FALSE(SelectionPreconditionsHoldAt(s, 1));
  EXPECT_FALSE(SelectionPreconditionsHoldAt(s, 6));
  EXPECT_EQ(SelectionReasonLine(120, 16, 1800), "puusto 120 m3/ha,  keskiläpimitta 16 cm,  runkoluku 1800 kpl/ha,");
  EXPECT_EQ(SelectionFailLine(), "edellytykset poimintahakkuulle eivät täyty   !");
}

TEST(CuttingCommandRules, SpeciesRemovalCorridorAndRegeneration) {
  EXPECT_FALSE(SpeciesRemovalRefusal(true, 12, false).Refused());
  EXPECT_FALSE(SpeciesRemovalRefusal(false, 18, false).Refused());
  EXPECT_FALSE(SpeciesRemovalRefusal(false, 12, true).Refused());
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

}  // namespace
