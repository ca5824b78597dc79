// The regeneration cost estimate through its controls: opened by the main
// window's new-forest button after a regeneration cutting, its three pages
// filled by clicks and typing, OK storing the choices with the stand and
// the main window's hint following, Cancel putting everything back.
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>

#include "operations/NewFrst.h"
#include "tests/operations/RegenerationFixture.h"

namespace {

using regenfixture::RegenerationWindows;

std::vector<int> Choices(const data& s) {
  std::vector<int> v;
  for (int i = 0; i < RegenerationChoices::kCount; ++i) v.push_back(s.RegenerationChoice(i));
  return v;
}

class NewForest : public RegenerationWindows {
 protected:
  TNewFrstForm* Form() { return NewFrstForm; }
};

}  // namespace

TEST_F(NewForest, ClearCutEstimateOnEveryPageStoredByOk) {
  OpenMeasured();
  CommitRegeneration("Avohakkuu, säästöpuita 30 kpl/ha");
  ASSERT_TRUE(ActForm->IsNewForestButtonVisible());
  EXPECT_EQ(ActForm->Label40->text(), "Uusi metsä - painikkeella metsänuudistamisen kustannusarvio  !");
  // The recommendation panel invites to make the estimate.
  EXPECT_FALSE(ActForm->Panel12->isHidden());
  const std::vector<int> reset = Choices(Stand());
  TNewFrstForm* f = Form();
  EXPECT_TRUE(RunAfterBusy(ActForm->Button11, f, [&](QWidget*) {
    EXPECT_EQ(f->windowTitle(), " Uusi metsä");
    EXPECT_FALSE(f->BitBtn1->isEnabled());
    EXPECT_TRUE(f->PageControl1->isTabVisible(2));
    EXPECT_EQ(f->Label24->text(), "Metsänuudistaminen avohakkuun jälkeen");
    EXPECT_EQ(f->Label7->text(), "0 €/ha");
    EXPECT_FALSE(f->ComboBox5->isEnabled());
    // Clearing: 150 per ha on 2.5 ha.
    ClickItem(f, "RadioGroup3", 1);
    EXPECT_TRUE(f->BitBtn1->isEnabled());
    EXPECT_TRUE(f->ComboBox5->isEnabled());
    EXPECT_EQ(f->ComboBox5->currentText(), "0");
    EXPECT_EQ(f->Label20->text(), "raivaus,  kustannukset");
    Type(f, "ComboBox5", "150");
    EXPECT_EQ(f->Label6->text(), "150 €/ha");
    EXPECT_EQ(f->Label28->text(), "375 €/kuvio");
    EXPECT_EQ(f->Label22->text(), "375 €/kuvio");
    EXPECT_EQ(f->Label14->text(), " - hakkuualan raivaus");
    Shot(f, "newfrst-clearing.png");
    // Soil preparation: 250 per ha.
    f->PageControl1->setCurrentIndex(1);
    ClickItem(f, "RadioGroup1", 3);
    Type(f, "ComboBox1", "250");
    EXPECT_EQ(f->Label30->text(), "625 €/kuvio");
    EXPECT_EQ(f->Label5->text(), "625 €/kuvio");
    EXPECT_EQ(f->Label25->text(), " - hakkuualan mätästys");
    EXPECT_EQ(f->Label7->text(), "400 €/ha");
    EXPECT_EQ(f->Label8->text(), "1000 €/kuvio");
    Shot(f, "newfrst-soil.png");
    // Planting: the default amount for pine, then 2000 stems at 25 and 30
    // per 100 plants.
    f->PageControl1->setCurrentIndex(2);
    ClickItem(f, "RadioGroup4", 1);
    EXPECT_EQ(f->RadioGroup2->ItemIndex(), 0);
    EXPECT_EQ(f->ComboBox2->currentText(), "1800");
    EXPECT_EQ(f->Label10->text(), "istutus, mänty");
    EXPECT_EQ(f->Label13->text(), "€/100 kpl");
    Type(f, "ComboBox2", "2000");
    Type(f, "ComboBox3", "25");
    Type(f, "ComboBox4", "30");
    EXPECT_EQ(f->Label15->text(), "500 €/ha");
    EXPECT_EQ(f->Label16->text(), "1250 €/kuvio");
    EXPECT_EQ(f->Label17->text(), "600 €/ha");
    EXPECT_EQ(f->Label3->text(), "5000 kpl/kuvio");
    EXPECT_EQ(f->Label26->text(), " - istutus, mänty 2000 kpl/ha, 5000 kpl/kuvio");
    EXPECT_EQ(f->Label60->text(), "- taimet, kulut 25 €/100 kpl");
    EXPECT_EQ(f->Label61->text(), "- istutustyö, kulut 30 €/100 kpl");
    EXPECT_EQ(f->Label7->text(), "1500 €/ha");
    EXPECT_EQ(f->Label8->text(), "3750 €/kuvio");
    Shot(f, "newfrst-planting.png");
    ClickButton(f, "BitBtn1");
  }));
  EXPECT_FALSE(f->isVisible());
  EXPECT_TRUE(ActForm->HasUnsavedChanges());
  EXPECT_NE(Choices(Stand()), reset);
  EXPECT_EQ(Choices(Stand()), (std::vector<int>{1, 150, 3, 250, 1, 0, 10, 25, 30}));
  EXPECT_TRUE(f->HasRegenerationEstimate());
  EXPECT_EQ(ActForm->Label40->text(), "Uusi metsä avohakkuun jälkeen, kustannusarvio 1500 €/ha");
  EXPECT_TRUE(ActForm->Panel12->isHidden());
  ActForm->grab().save(testsupport::ShotPath("newfrst-main-window.png"));
}

TEST_F(NewForest, CancelPutsTheChoicesAndTheFiguresBack) {
  OpenMeasured();
  CommitRegeneration("Avohakkuu, säästöpuita 30 kpl/ha");
  Stand().SetRegenerationChoice(ClearingMethodChoice, 2);
  Stand().SetRegenerationChoice(ClearingCostChoice, 200);
  // The main window loads and computes as when the cutting was recorded.
  ActForm->setButtonState(CurrentPhase(), 0, true);
  ActForm->UpdateView(0);
  TNewFrstForm* f = Form();
  EXPECT_EQ(f->Label7->text(), "200 €/ha");
  const QString hint = ActForm->Label40->text();
  EXPECT_EQ(hint, "Uusi metsä avohakkuun jälkeen, kustannusarvio 200 €/ha");
  const std::vector<int> before = Choices(Stand());
  EXPECT_TRUE(RunAfterBusy(ActForm->Button11, f, [&](QWidget*) {
    EXPECT_EQ(f->RadioGroup3->ItemIndex(), 2);
    EXPECT_EQ(f->ComboBox5->currentText(), "200");
    EXPECT_EQ(f->Label20->text(), "kulotus,  kustannukset");
    ClickItem(f, "RadioGroup3", 0);
    EXPECT_FALSE(f->ComboBox5->isEnabled());
    EXPECT_EQ(f->Label7->text(), "0 €/ha");
    EXPECT_EQ(f->Label14->text(), " - ei hakkuualan raivausta tai kulotusta");
    ClickButton(f, "BitBtn2");
  }));
  EXPECT_EQ(Choices(Stand()), before);
  EXPECT_FALSE(ActForm->HasUnsavedChanges());
  EXPECT_EQ(f->RadioGroup3->ItemIndex(), 2);
  EXPECT_EQ(f->ComboBox5->currentText(), "200");
  EXPECT_EQ(f->Label7->text(), "200 €/ha");
  EXPECT_TRUE(f->HasRegenerationEstimate());
  EXPECT_EQ(ActForm->Label40->text(), hint);
  // Esc closes as Cancel does.
  EXPECT_TRUE(RunAfterBusy(ActForm->Button11, f, [&](QWidget*) {
    ClickItem(f, "RadioGroup3", 1);
    QTest::keyClick(f, Qt::Key_Escape);
  }));
  EXPECT_EQ(Choices(Stand()), before);
  EXPECT_EQ(f->Label7->text(), "200 €/ha");
}

TEST_F(NewForest, ClosingWithoutAChangeLeavesTheStandAlone) {
  OpenMeasured();
  CommitRegeneration("Avohakkuu, säästöpuita 0 kpl/ha");
  const std::vector<int> before = Choices(Stand());
  TNewFrstForm* f = Form();
  EXPECT_TRUE(RunAfterBusy(ActForm->Button11, f, [&](QWidget*) {
    EXPECT_FALSE(f->BitBtn1->isEnabled());
    EXPECT_FALSE(f->EstimateChanged);
    ClickButton(f, "BitBtn2");
  }));
  EXPECT_EQ(Choices(Stand()), before);
  // OK stays disabled until a choice changes, so nothing marks the stand.
  EXPECT_FALSE(f->HasRegenerationEstimate());
}

TEST_F(NewForest, SeedTreeCuttingHasNoCultivationPage) {
  OpenMeasured();
  CommitRegeneration("Siemenpuuhakkuu, mänty/koivu 50 kpl/ha");
  // Cultivation choices left from a clear-cut estimate.
  Stand().SetRegenerationChoice(CultivationMethodChoice, Planting);
  Stand().SetRegenerationChoice(AmountChoice, 10);
  ActForm->setButtonState(CurrentPhase(), 0, false);
  TNewFrstForm* f = Form();
  EXPECT_FALSE(f->HasRegenerationEstimate());
  EXPECT_TRUE(RunAfterBusy(ActForm->Button11, f, [&](QWidget*) {
    EXPECT_FALSE(f->PageControl1->isTabVisible(2));
    EXPECT_FALSE(f->Label26->isVisible());
    EXPECT_FALSE(f->Label58->isVisible());
    EXPECT_EQ(f->Label24->text(), "Metsänuudistaminen siemenpuuhakkuun jälkeen");
    // The total line sits under the soil-preparation line.
    EXPECT_EQ(f->Label27->y(), f->Label25->y() + f->Label25->height() + 4);
    f->PageControl1->setCurrentIndex(1);
    ClickItem(f, "RadioGroup1", 1);
    Type(f, "ComboBox1", "90");
    EXPECT_EQ(f->Label7->text(), "90 €/ha");
    EXPECT_EQ(f->Label8->text(), "225 €/kuvio");
    Shot(f, "newfrst-seed-tree.png");
    ClickButton(f, "BitBtn1");
  }));
  // Choices 4..8 of the hidden page are neither counted nor overwritten.
  EXPECT_EQ(Choices(Stand()), (std::vector<int>{0, -1, 1, 90, Planting, -1, 10, 0, 0}));
  EXPECT_TRUE(f->HasRegenerationEstimate());
  EXPECT_EQ(ActForm->Label40->text(), "Uusi metsä siemenpuuhakkuun jälkeen, kustannusarvio 90 €/ha");
}

TEST_F(NewForest, MethodsKeepTheirLastChoicesWithinAnOpening) {
  OpenMeasured();
  CommitRegeneration("Avohakkuu, säästöpuita 30 kpl/ha");
  TNewFrstForm* f = Form();
  EXPECT_TRUE(RunAfterBusy(ActForm->Button11, f, [&](QWidget*) {
    f->PageControl1->setCurrentIndex(2);
    ClickItem(f, "RadioGroup4", 1);
    ClickItem(f, "RadioGroup2", 2);  // birch: 1600 stems by default
    EXPECT_EQ(f->ComboBox2->currentText(), "1600");
    Type(f, "ComboBox3", "40");
    // Seeding has lists of its own and a default amount of its own.
    ClickItem(f, "RadioGroup4", 2);
    EXPECT_EQ(f->RadioGroup2->Count(), 2);
    EXPECT_EQ(f->RadioGroup2->ItemIndex(), 0);
    EXPECT_EQ(f->ComboBox2->currentText(), "0.45");
    EXPECT_EQ(f->ComboBox3->count(), 801);
    EXPECT_EQ(f->Label13->text(), "€/kg");
    EXPECT_EQ(f->Label19->text(), "€/ha");
    Type(f, "ComboBox2", "0.20");
    Type(f, "ComboBox3", "300");
    EXPECT_EQ(f->Label15->text(), "60 €/ha");
    EXPECT_EQ(f->Label3->text(), "0.50 kg/kuvio");
    Shot(f, "newfrst-seeding.png");
    // Back to planting: its species, amount and price as left.
    ClickItem(f, "RadioGroup4", 1);
    EXPECT_EQ(f->RadioGroup2->ItemIndex(), 2);
    EXPECT_EQ(f->ComboBox2->currentText(), "1600");
    EXPECT_EQ(f->ComboBox3->currentText(), "40");
    EXPECT_EQ(f->Label10->text(), "istutus, koivu");
    // No method: empty lists, disabled.
    ClickItem(f, "RadioGroup4", 0);
    EXPECT_EQ(f->ComboBox2->count(), 0);
    EXPECT_FALSE(f->ComboBox3->isEnabled());
    EXPECT_FALSE(f->RadioGroup2->isEnabled());
    EXPECT_EQ(f->RadioGroup2->ItemIndex(), -1);
    EXPECT_EQ(f->Label11->text(), "- ei materiaalia");
    EXPECT_TRUE(f->Label13->text().isEmpty());
    EXPECT_EQ(f->Label26->text(), " - ei metsänviljelyä ");
    ClickButton(f, "BitBtn2");
  }));
}

TEST_F(NewForest, CurrencyChangeRefreshesUnitsAndFigures) {
  OpenMeasured();
  CommitRegeneration("Avohakkuu, säästöpuita 30 kpl/ha");
  Stand().SetRegenerationChoice(SoilMethodChoice, 1);
  Stand().SetRegenerationChoice(SoilCostChoice, 100);
  Stand().SetRegenerationChoice(CultivationMethodChoice, Planting);
  ActForm->setButtonState(CurrentPhase(), 0, false);
  TNewFrstForm* f = Form();
  EXPECT_EQ(f->Label13->text(), "€/100 kpl");
  const int euro = model::CurrentSettings().currencyIndex;
  int other = 0;
  while (model::CurrencyUnitOf(model::CurrencyListText(other), true) == "€") ++other;
  model::CurrentSettings().currencyIndex = other;
  const QString unit = model::CurrencyUnitOf(model::CurrencyListText(other), true);
  model::GetSettingsRefresh()->RefreshRegenerationPrices();
  EXPECT_EQ(f->Label13->text(), unit + "/100 kpl");
  EXPECT_EQ(f->Label7->text(), "100 " + unit + "/ha");
  EXPECT_TRUE(ActForm->Label40->text().endsWith("100 " + unit + "/ha"));
  model::CurrentSettings().currencyIndex = euro;
}

TEST_F(NewForest, UndoingTheCuttingHidesTheButtonAndResetsTheChoices) {
  OpenMeasured();
  CommitRegeneration("Avohakkuu, säästöpuita 30 kpl/ha");
  Stand().SetRegenerationChoice(ClearingMethodChoice, 1);
  const int p = CurrentPhase();
  Stand().UndoOperation(p);
  ActForm->setButtonState(p, 1, true);
  Stand().ClearSlot(p);
  SetCurrentPhase(-1);
  ActForm->UpdateView(0);
  EXPECT_FALSE(ActForm->IsNewForestButtonVisible());
  EXPECT_EQ(Choices(Stand()), (std::vector<int>{0, 0, 0, 0, 0, -1, 0, 0, 0}));
}
