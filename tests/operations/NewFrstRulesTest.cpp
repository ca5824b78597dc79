// The regeneration cost estimate's rules: the cost arithmetic per hectare
// and per stand worked by hand, the result and summary lines, the
// cultivation lists of each method, and the title, hint and estimate
// answers that other windows read.

#include <gtest/gtest.h>

#include "model/Data.h"
#include "operations/ClearRules.h"
#include "operations/NewFrstRules.h"

namespace {

RegenerationEstimateInput Costs(float area, int clearing, int soil) {
  RegenerationEstimateInput in;
  in.areaHa = area;
  in.clearingMethod = clearing > 0 ? 1 : 0;
  in.clearingCostEnabled = clearing > 0;
  in.clearingCostText = clearing > 0 ? QString::number(clearing) : QString();
  in.soilMethod = soil > 0 ? 3 : 0;
  in.soilCostEnabled = soil > 0;
  in.soilCostText = soil > 0 ? QString::number(soil) : QString();
  return in;
}

RegenerationEstimateInput Cultivation(float area, int method, int species, int amountIndex, int material, int work) {
  RegenerationEstimateInput in = Costs(area, 0, 0);
  in.cultivationShown = true;
  in.cultivationMethod = method;
  in.species = species;
  in.amountIndex = amountIndex;
  in.amountText = CultivationListsFor(method).amount.value(amountIndex);
  in.materialEnabled = in.workEnabled = true;
  in.materialText = QString::number(material);
  in.workText = QString::number(work);
  return in;
}

// A stand whose phase names are given: empty names are not recorded, a name
// starting with a digit is a growing step of that many years.
data Chain(const QStringList& names) {
  data s(0);
  s.Header.standId = "12a";
  s.Slots[0].name = "mitattu";
  for (int k = 1; k <= names.size(); ++k) {
    s.Slots[k].name = names[k - 1];
    s.Slots[k].years = names[k - 1].at(0).isDigit() ? names[k - 1].section(' ', 0, 0).toInt() : 0;
  }
  return s;
}

}  // namespace

TEST(NewFrstRules, ClearingAndSoilPerHectareAndPerStand) {
  // 2.5 ha: clearing 150 and soil preparation 250 per ha.
  const RegenerationEstimate e = EstimateRegenerationCosts(Costs(2.5f, 150, 250));
  EXPECT_EQ((std::vector<int>{e.clearingPerHa, e.clearingPerStand, e.soilPerHa, e.soilPerStand, e.totalPerHa,
                              e.totalPerStand}),
            (std::vector<int>{150, 375, 250, 625, 400, 1000}));
  EXPECT_EQ((QStringList{e.clearingPerHaText, e.clearingPerStandText, e.clearingPageText, e.soilPerHaText,
                         e.soilPerStandText, e.soilPageText, e.totalPerHaText, e.totalPerStandText}),
            (QStringList{"150 €/ha", "375 €/kuvio", "375 €/kuvio", "250 €/ha", "625 €/kuvio", "625 €/kuvio",
                         "400 €/ha", "1000 €/kuvio"}));
  EXPECT_EQ(e.clearingLine, " - hakkuualan raivaus");
  EXPECT_EQ(e.soilLine, " - hakkuualan mätästys");
  // Nothing chosen: zeros, the "ei" lines, empty page repeats.
  const RegenerationEstimate none = EstimateRegenerationCosts(Costs(2.5f, 0, 0));
  EXPECT_EQ(none.totalPerStandText, "0 €/kuvio");
  EXPECT_EQ(none.clearingLine, " - ei hakkuualan raivausta tai kulotusta");
  EXPECT_EQ(none.soilLine, " - ei hakkuualan muokkausta");
  EXPECT_TRUE(none.clearingPageText.isEmpty() && none.soilPageText.isEmpty());
  // A list without a choice counts as 0, and so does a disabled one.
  RegenerationEstimateInput blank = Costs(2.5f, 150, 250);
  blank.clearingCostText.clear();
  blank.soilCostEnabled = false;
  EXPECT_EQ(EstimateRegenerationCosts(blank).totalPerHa, 0);
}

TEST(NewFrstRules, PerStandTotalAddsTheRoundedParts) {
  // 1.3 ha (1.2999999 in single precision): each part of 1 per ha rounds to
  // 1 per stand; the total is 2, not the rounded 2.6.
  const RegenerationEstimate e = EstimateRegenerationCosts(Costs(1.3f, 1, 1));
  EXPECT_EQ(e.clearingPerStand, 1);
  EXPECT_EQ(e.soilPerStand, 1);
  EXPECT_EQ(e.totalPerStand, 2);
  // Halves round away from zero: 3 x 2.5 = 7.5 gives 8 per stand.
  EXPECT_EQ(EstimateRegenerationCosts(Costs(2.5f, 3, 0)).clearingPerStand, 8);
}

TEST(NewFrstRules, PlantingAndSeeding) {
  struct Case {
    const char* name;
    RegenerationEstimateInput in;
    int material, work, materialStand, workStand;
    QString amountPerStand;
  };
  const Case cases[] = {
      // 2000 stems/ha (item 10) at 25 per 100 plants: 500; work 30 per 100: 600.
      {"planting", Cultivation(2.5f, Planting, 0, 10, 25, 30), 500, 600, 1250, 1500, "5000 kpl/kuvio"},
      // Item 3 is 0.20 kg/ha: at 300 per kg 60; the work is per hectare.
      {"seeding", Cultivation(2.5f, Seeding, 1, 3, 300, 120), 60, 120, 150, 300, "0.50 kg/kuvio"},
      // 1800 stems (item 8) at 33 per 100: 594; work 1 per 100: 18.
      {"planting 1800", Cultivation(1.0f, Planting, 1, 8, 33, 1), 594, 18, 594, 18, "1800 kpl/kuvio"},
  };
  for (const Case& c : cases) {
    const RegenerationEstimate e = EstimateRegenerationCosts(c.in);
    EXPECT_EQ((std::vector<int>{e.materialPerHa, e.workPerHa, e.materialPerStand, e.workPerStand}),
              (std::vector<int>{c.material, c.work, c.materialStand, c.workStand}))
        << c.name;
    EXPECT_EQ(e.totalPerHa, c.material + c.work) << c.name;
    EXPECT_EQ(e.totalPerStand, c.materialStand + c.workStand) << c.name;
    EXPECT_EQ(e.amountPerStand, c.amountPerStand) << c.name;
  }
  // The result lines of planting.
  const RegenerationEstimate p = EstimateRegenerationCosts(Cultivation(2.5f, Planting, 0, 10, 25, 30));
  EXPECT_EQ((QStringList{p.materialPerHaText, p.materialPerStandText, p.materialLine, p.workPerHaText,
                         p.workPerStandText, p.workLine, p.materialPagePerHa, p.workPagePerStand}),
            (QStringList{"500 €/ha", "1250 €/kuvio", "- taimet, kulut 25 €/100 kpl", "600 €/ha", "1500 €/kuvio",
                         "- istutustyö, kulut 30 €/100 kpl", "500 €/ha", "1500 €/kuvio"}));
  EXPECT_EQ(p.cultivationLine, " - istutus, mänty 2000 kpl/ha, 5000 kpl/kuvio");
  const RegenerationEstimate s = EstimateRegenerationCosts(Cultivation(2.5f, Seeding, 1, 3, 300, 120));
  EXPECT_EQ(s.materialLine, "- siemenet, kulut 300 €/kg");
  EXPECT_EQ(s.workLine, "- kylvötyö, kulut 120 €/ha");
  EXPECT_EQ(s.cultivationLine, " - kylvö, koivu 0.20 kg/ha, 0.50 kg/kuvio");
  // The amount for a stand of 4.3725 ha.
  EXPECT_EQ(EstimateRegenerationCosts(Cultivation(4.3725f, Planting, 0, 10, 0, 0)).cultivationLine,
            " - istutus, mänty 2000 kpl/ha, 8745 kpl/kuvio");
}

TEST(NewFrstRules, CultivationCountsOnlyWhereItIsShownAndChosen) {
  RegenerationEstimateInput hidden = Cultivation(2.0f, Planting, 0, 10, 25, 30);
  hidden.cultivationShown = false;
  const RegenerationEstimate h = EstimateRegenerationCosts(hidden);
  EXPECT_EQ(h.totalPerHa, 0);
  EXPECT_TRUE(h.cultivationLine.isEmpty());
  RegenerationEstimateInput none = Cultivation(2.0f, NoCultivation, -1, -1, 0, 0);
  none.materialText.clear();
  none.workText.clear();
  none.materialEnabled = none.workEnabled = false;
  const RegenerationEstimate n = EstimateRegenerationCosts(none);
  EXPECT_EQ(n.totalPerHa, 0);
  EXPECT_EQ(n.cultivationLine, " - ei metsänviljelyä ");
  EXPECT_TRUE(n.amountPerStand.isEmpty());
  EXPECT_EQ(n.materialLine, "- ei materiaalia  ");
  EXPECT_TRUE(n.materialPagePerHa.isEmpty() && n.workPagePerStand.isEmpty());
}

TEST(NewFrstRules, ListsLabelsAndCaptions) {
  const CultivationLists planting = CultivationListsFor(Planting);
  EXPECT_EQ(planting.amount.size(), 41);
  EXPECT_EQ(planting.amount.at(8), "1800");
  EXPECT_EQ(planting.amount.at(6), "1600");
  EXPECT_EQ(planting.amount.last(), "5000");
  EXPECT_EQ(planting.material.size(), 101);
  EXPECT_EQ(planting.work.size(), 101);
  EXPECT_EQ(planting.species, (QStringList{"mänty", "kuusi", "koivu", "haapa", "lehtikuusi"}));
  EXPECT_EQ(planting.amountUnit, "kpl/ha");
  const CultivationLists seeding = CultivationListsFor(Seeding);
  EXPECT_EQ(seeding.amount.size(), 16);
  EXPECT_EQ(seeding.amount.first(), "0.05");
  EXPECT_EQ(seeding.amount.at(8), "0.45");
  EXPECT_EQ(seeding.amount.at(6), "0.35");
  EXPECT_EQ(seeding.amount.last(), "0.80");
  EXPECT_EQ(seeding.material.size(), 801);
  EXPECT_EQ(seeding.work.size(), 201);
  EXPECT_EQ(seeding.species, (QStringList{"mänty", "koivu"}));
  const CultivationLists none = CultivationListsFor(NoCultivation);
  EXPECT_TRUE(none.amount.isEmpty() && none.material.isEmpty() && !none.enabled);
  EXPECT_EQ((QStringList{none.materialLabel, none.workLabel, none.amountUnit}),
            (QStringList{"- ei materiaalia", "- ei työkuluja", ""}));
  EXPECT_EQ(PriceUnitTextsFor(Planting).material, "€/100 kpl");
  EXPECT_EQ(PriceUnitTextsFor(Planting).work, "€/100 kpl");
  EXPECT_EQ(PriceUnitTextsFor(Seeding).material, "€/kg");
  EXPECT_EQ(PriceUnitTextsFor(Seeding).work, "€/ha");
  EXPECT_TRUE(PriceUnitTextsFor(NoCultivation).material.isEmpty());
  EXPECT_EQ(CostPerHaItems().size(), kCostPerHaItems);
  EXPECT_EQ(CostPerHaItems().last(), "5000");
  EXPECT_EQ((std::vector<int>{DefaultAmountIndex(0), DefaultAmountIndex(1), DefaultAmountIndex(2),
                              DefaultAmountIndex(4)}),
            (std::vector<int>{8, 8, 6, 6}));
  EXPECT_EQ(MethodCostCaption("Raivaus", true), "raivaus,  kustannukset");
  EXPECT_EQ(MethodCostCaption("ei muokkausta", false), "ei muokkausta");
  EXPECT_EQ(CultivationCaption(Planting, 4), "istutus, lehtikuusi");
  EXPECT_EQ(CultivationCaption(Seeding, -1), "kylvö");
  EXPECT_EQ((std::vector<int>{ParseLeadingInt("150 €/ha"), ParseLeadingInt("42"), ParseLeadingInt(""),
                              ParseLeadingInt("x 1")}),
            (std::vector<int>{150, 42, 0, 0}));
}

TEST(NewFrstRules, EstimateExists) {
  struct Case {
    int clearing, soil;
    bool shown;
    int method;
    bool has;
  };
  const Case cases[] = {{0, 0, true, 0, false}, {1, 0, false, 0, true}, {0, 5, false, 0, true},
                        {0, 0, true, 2, true},  {0, 0, false, 1, false}};
  for (const Case& c : cases)
    EXPECT_EQ(HasRegenerationEstimate(c.clearing, c.soil, c.shown, c.method), c.has)
        << c.clearing << c.soil << c.shown << c.method;
}

TEST(NewFrstRules, TitleHintAndTheClearCutQuestion) {
  const data clear = Chain({"Avohakkuu, säästöpuita 30 kpl/ha"});
  EXPECT_EQ(RegenerationCuttingPhase(clear), 1);
  EXPECT_TRUE(NextOperationIsClearCut(clear));
  // The title follows the lower-cased phase text.
  EXPECT_EQ(RegenerationTitle(clear, false), "Metsänuudistaminen avohakkuun jälkeen");
  EXPECT_EQ(RegenerationTitle(clear, true), "Uusi metsä avohakkuun jälkeen");
  EXPECT_EQ(RegenerationHintText(clear, true, "1350 €/ha"), "Uusi metsä avohakkuun jälkeen, kustannusarvio 1350 €/ha");
  EXPECT_EQ(RegenerationHintText(clear, false, "0 €/ha"),
            "Uusi metsä - painikkeella metsänuudistamisen kustannusarvio  !");
  // After a growing step the cutting is phase 2.
  const data grown = Chain({"10 v kasvatus", "Siemenpuuhakkuu, mänty/koivu 50 kpl/ha"});
  EXPECT_EQ(RegenerationCuttingPhase(grown), 2);
  EXPECT_FALSE(NextOperationIsClearCut(grown));
  EXPECT_EQ(RegenerationTitle(grown, false), "Metsänuudistaminen siemenpuuhakkuun jälkeen");
  EXPECT_FALSE(NextOperationIsClearCut(Chain({"Pienaukkohakkuu, aukon koko 0.20 ha"})));
  // Without a comma the text is no clear-cut.
  EXPECT_FALSE(NextOperationIsClearCut(Chain({"Avohakkuu"})));
  EXPECT_EQ(ClearFormCaption(clear), " Kuvio 12a,  uudistushakkuu");
}
