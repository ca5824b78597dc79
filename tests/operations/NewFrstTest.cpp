// The regeneration cost estimate through its controls: opened by the main
// window's new-forest button after a regeneration cutting, its three pages
// filled by clicks and typing, OK storing the choices with the stand and
// the main window's hint following, Cancel putting everything back.

#include <QComboBox>

#include "mainwindow/RecommendRules.h"
#include "model/Settings.h"
#include "operations/NewFrst.h"
#include "tests/model/StandFixture.h"
#include "tests/operations/DialogFixture.h"

namespace {

using namespace dialogtest;

std::vector<int> Choices(const data& s) {
  std::vector<int> v;
  for (int i = 0; i < RegenerationChoices::kCount; ++i) v.push_back(s.RegenerationChoice(i));
  return v;
}

class NewForest : public Dialogs {
 protected:
  void SetUp() override {
    Dialogs::SetUp();
    saved_ = model::CurrentSettings();
    // Typing into a list searches what is typed within this interval.
    QApplication::setKeyboardInputInterval(60);
  }
  void TearDown() override {
    Dialogs::TearDown();
    model::CurrentSettings() = saved_;
  }

  // A measured stand of 2.5 ha opened at the final-cutting stage and a
  // regeneration cutting committed as the cutting commands do after OK:
  // every standing tree but every tenth removed, the phase recorded and
  // stepped onto, the enabling rules and the views.
  TNewFrstForm* OpenAfter(const QString& cutting) {
    auto s = standfixture::MakeStand(2500, 7);
    s->RecordPhase(0, "mitattu", 0, 0);
    Open(std::move(s), 1);
    measuredRecommendation_ = ActForm->RecommendationState();
    int n = 0;
    for (TreeRecord& t : Stand().Trees)
      if (IsStanding(t) && ++n % 10 != 0) t.removedBy = 1;
    Stand().RecordPhase(1, cutting, 0, 0);
    SetCurrentPhase(100);
    Refresh(true);
    return NewFrstForm;
  }
  // The main window's enabling rules and views of the stand as it now is.
  void Refresh(bool views) {
    ActForm->setButtonState(CurrentPhase(), 0, views);
    if (views) ActForm->UpdateView(0);
  }
  // The estimate opened by the new-forest button (after a busy display).
  static bool RunEstimate(const std::function<void(QWidget*)>& inWindow) {
    return Run(ActForm->Button11, inWindow, NewFrstForm);
  }
  // Chooses the item of a list that the typed text starts, as a user types
  // it into the closed list; a pause longer than the interval first, so
  // that a new search starts.
  static void Type(QWidget* dialog, const char* list, const QString& text) {
    auto* box = Child<QComboBox>(dialog, list);
    QTest::qWait(QApplication::keyboardInputInterval() + 20);
    QTest::keyClicks(box, text);
    ASSERT_EQ(box->currentText(), text);
  }

  model::SettingsRecord saved_;
  int measuredRecommendation_ = -1;
};

}  // namespace

TEST_F(NewForest, ClearCutEstimateOnEveryPageStoredByOk) {
  TNewFrstForm* f = OpenAfter("Avohakkuu, säästöpuita 30 kpl/ha");
  ASSERT_TRUE(ActForm->IsNewForestButtonVisible());
  // The recommendation panel invites to make the estimate.
  EXPECT_FALSE(ActForm->Panel12->isHidden());
  EXPECT_TRUE(RunEstimate([&](QWidget*) {
    EXPECT_EQ(f->windowTitle(), " Uusi metsä");
    EXPECT_EQ(Texts(f, {"Label24", "Label7"}), (QStringList{"Metsänuudistaminen avohakkuun jälkeen", "0 €/ha"}));
    EXPECT_FALSE(f->ComboBox5->isEnabled());
    // Clearing: 150 per ha on 2.5 ha.
    ClickItem(f, "RadioGroup3", 1);
    EXPECT_TRUE(f->BitBtn1->isEnabled() && f->ComboBox5->isEnabled());
    EXPECT_EQ(f->ComboBox5->currentText(), "0");
    EXPECT_EQ(Text(f, "Label20"), "raivaus,  kustannukset");
    Type(f, "ComboBox5", "150");
    EXPECT_EQ(Texts(f, {"Label6", "Label28", "Label22", "Label14"}),
              (QStringList{"150 €/ha", "375 €/kuvio", "375 €/kuvio", " - hakkuualan raivaus"}));
    Shot(f, "newfrst-clearing.png");
    // Soil preparation: 250 per ha.
    ChoosePage(f, 1);
    ClickItem(f, "RadioGroup1", 3);
    Type(f, "ComboBox1", "250");
    EXPECT_EQ(Texts(f, {"Label30", "Label5", "Label25", "Label7", "Label8"}),
              (QStringList{"625 €/kuvio", "625 €/kuvio", " - hakkuualan mätästys", "400 €/ha", "1000 €/kuvio"}));
    Shot(f, "newfrst-soil.png");
    // Planting: the default amount for pine, then 2000 stems at 25 and 30
    // per 100 plants.
    ChoosePage(f, 2);
    ClickItem(f, "RadioGroup4", 1);
    EXPECT_EQ(std::pair(f->RadioGroup2->ItemIndex(), f->ComboBox2->currentText()), std::pair(0, QString("1800")));
    EXPECT_EQ(Texts(f, {"Label10", "Label13"}), (QStringList{"istutus, mänty", "€/100 kpl"}));
    Type(f, "ComboBox2", "2000");
    Type(f, "ComboBox3", "25");
    Type(f, "ComboBox4", "30");
    EXPECT_EQ(Texts(f, {"Label15", "Label16", "Label17", "Label3", "Label26", "Label60", "Label61", "Label7", "Label8"}),
              (QStringList{"500 €/ha", "1250 €/kuvio", "600 €/ha", "5000 kpl/kuvio",
                           " - istutus, mänty 2000 kpl/ha, 5000 kpl/kuvio", "- taimet, kulut 25 €/100 kpl",
                           "- istutustyö, kulut 30 €/100 kpl", "1500 €/ha", "3750 €/kuvio"}));
    Shot(f, "newfrst-planting.png");
    ClickButton(f, "BitBtn1");
  }));
  EXPECT_FALSE(f->isVisible());
  EXPECT_TRUE(ActForm->HasUnsavedChanges());
  EXPECT_EQ(Choices(Stand()), (std::vector<int>{1, 150, 3, 250, 1, 0, 10, 25, 30}));
  EXPECT_EQ(ActForm->Label40->text(), "Uusi metsä avohakkuun jälkeen, kustannusarvio 1500 €/ha");
  EXPECT_TRUE(ActForm->Panel12->isHidden());
  Shot(ActForm, "newfrst-main-window.png");
}

TEST_F(NewForest, CancelOrEscPutsTheChoicesAndTheFiguresBack) {
  TNewFrstForm* f = OpenAfter("Avohakkuu, säästöpuita 0 kpl/ha");
  // Without a change OK stays disabled, so nothing marks the stand.
  const std::vector<int> reset = Choices(Stand());
  EXPECT_TRUE(RunEstimate([&](QWidget*) {
    EXPECT_FALSE(f->BitBtn1->isEnabled() || f->EstimateChanged);
    ClickButton(f, "BitBtn2");
  }));
  EXPECT_EQ(Choices(Stand()), reset);
  EXPECT_FALSE(f->HasRegenerationEstimate());
  // Burning at 200 per ha chosen before; the main window loads and computes
  // as when the cutting was recorded.
  Stand().SetRegenerationChoice(ClearingMethodChoice, 2);
  Stand().SetRegenerationChoice(ClearingCostChoice, 200);
  Refresh(true);
  const QStringList shown{"200", "200 €/ha", "Uusi metsä avohakkuun jälkeen, kustannusarvio 200 €/ha"};
  const auto figures = [f] { return QStringList{f->ComboBox5->currentText(), Text(f, "Label7"), ActForm->Label40->text()}; };
  EXPECT_EQ(figures(), shown);
  const std::vector<int> before = Choices(Stand());
  EXPECT_TRUE(RunEstimate([&](QWidget*) {
    EXPECT_EQ(f->RadioGroup3->ItemIndex(), 2);
    EXPECT_EQ(Text(f, "Label20"), "kulotus,  kustannukset");
    ClickItem(f, "RadioGroup3", 0);
    EXPECT_FALSE(f->ComboBox5->isEnabled());
    EXPECT_EQ(Texts(f, {"Label7", "Label14"}), (QStringList{"0 €/ha", " - ei hakkuualan raivausta tai kulotusta"}));
    ClickButton(f, "BitBtn2");
  }));
  EXPECT_TRUE(RunEstimate([&](QWidget*) {
    ClickItem(f, "RadioGroup3", 1);
    QTest::keyClick(f, Qt::Key_Escape);
  }));
  EXPECT_EQ(Choices(Stand()), before);
  EXPECT_FALSE(ActForm->HasUnsavedChanges());
  EXPECT_EQ(f->RadioGroup3->ItemIndex(), 2);
  EXPECT_EQ(figures(), shown);
  EXPECT_TRUE(f->HasRegenerationEstimate());
}

TEST_F(NewForest, SeedTreeCuttingHasNoCultivationPage) {
  TNewFrstForm* f = OpenAfter("Siemenpuuhakkuu, mänty/koivu 50 kpl/ha");
  // Cultivation choices left from a clear-cut estimate.
  Stand().SetRegenerationChoice(CultivationMethodChoice, Planting);
  Stand().SetRegenerationChoice(AmountChoice, 10);
  Refresh(false);
  EXPECT_FALSE(f->HasRegenerationEstimate());
  EXPECT_TRUE(RunEstimate([&](QWidget*) {
    EXPECT_FALSE(f->PageControl1->isTabVisible(2) || f->Label26->isVisible() || f->Label58->isVisible());
    EXPECT_EQ(Text(f, "Label24"), "Metsänuudistaminen siemenpuuhakkuun jälkeen");
    // The total line sits under the soil-preparation line.
    EXPECT_EQ(f->Label27->y(), f->Label25->y() + f->Label25->height() + 4);
    ChoosePage(f, 1);
    ClickItem(f, "RadioGroup1", 1);
    Type(f, "ComboBox1", "90");
    EXPECT_EQ(Texts(f, {"Label7", "Label8"}), (QStringList{"90 €/ha", "225 €/kuvio"}));
    Shot(f, "newfrst-seed-tree.png");
    ClickButton(f, "BitBtn1");
  }));
  // Choices 4..8 of the hidden page are neither counted nor overwritten.
  EXPECT_EQ(Choices(Stand()), (std::vector<int>{0, -1, 1, 90, Planting, -1, 10, 0, 0}));
  EXPECT_EQ(ActForm->Label40->text(), "Uusi metsä siemenpuuhakkuun jälkeen, kustannusarvio 90 €/ha");
}

TEST_F(NewForest, MethodsKeepTheirLastChoicesWithinAnOpening) {
  TNewFrstForm* f = OpenAfter("Avohakkuu, säästöpuita 30 kpl/ha");
  EXPECT_TRUE(RunEstimate([&](QWidget*) {
    ChoosePage(f, 2);
    ClickItem(f, "RadioGroup4", 1);
    ClickItem(f, "RadioGroup2", 2);  // birch: 1600 stems by default
    EXPECT_EQ(f->ComboBox2->currentText(), "1600");
    Type(f, "ComboBox3", "40");
    // Seeding has lists of its own and a default amount of its own.
    ClickItem(f, "RadioGroup4", 2);
    EXPECT_EQ(std::pair(f->RadioGroup2->Count(), f->RadioGroup2->ItemIndex()), std::pair(2, 0));
    EXPECT_EQ(std::pair(f->ComboBox2->currentText(), f->ComboBox3->count()), std::pair(QString("0.45"), 801));
    EXPECT_EQ(Texts(f, {"Label13", "Label19"}), (QStringList{"€/kg", "€/ha"}));
    Type(f, "ComboBox2", "0.20");
    Type(f, "ComboBox3", "300");
    EXPECT_EQ(Texts(f, {"Label15", "Label3"}), (QStringList{"60 €/ha", "0.50 kg/kuvio"}));
    Shot(f, "newfrst-seeding.png");
    // Back to planting: its species, amount and price as left.
    ClickItem(f, "RadioGroup4", 1);
    EXPECT_EQ(f->RadioGroup2->ItemIndex(), 2);
    EXPECT_EQ((QStringList{f->ComboBox2->currentText(), f->ComboBox3->currentText(), Text(f, "Label10")}),
              (QStringList{"1600", "40", "istutus, koivu"}));
    // No method: empty lists, disabled.
    ClickItem(f, "RadioGroup4", 0);
    EXPECT_EQ(std::pair(f->ComboBox2->count(), f->RadioGroup2->ItemIndex()), std::pair(0, -1));
    EXPECT_FALSE(f->ComboBox3->isEnabled() || f->RadioGroup2->isEnabled());
    EXPECT_EQ(Texts(f, {"Label11", "Label13", "Label26"}),
              (QStringList{"- ei materiaalia", "", " - ei metsänviljelyä "}));
    ClickButton(f, "BitBtn2");
  }));
}

TEST_F(NewForest, StoredChoicesAreShownButNotRememberedWithinTheOpening) {
  TNewFrstForm* f = OpenAfter("Avohakkuu, säästöpuita 30 kpl/ha");
  // Planting pine, 2400 stems/ha (item 14), 25 and 30 per 100 plants.
  for (auto [choice, index] : {std::pair{CultivationMethodChoice, int(Planting)}, {CultivationSpeciesChoice, 0},
                               {AmountChoice, 14}, {MaterialChoice, 25}, {WorkChoice, 30}})
    Stand().SetRegenerationChoice(choice, index);
  Refresh(false);
  const auto shown = [f] {
    return QStringList{f->ComboBox2->currentText(), f->ComboBox3->currentText(), f->ComboBox4->currentText(),
                       Text(f, "Label7"), Text(f, "Label10")};
  };
  EXPECT_TRUE(RunEstimate([&](QWidget*) {
    ChoosePage(f, 2);
    // 24 x 25 + 24 x 30 = 600 + 720 per ha.
    EXPECT_EQ(shown(), (QStringList{"2400", "25", "30", "1320 €/ha", "istutus, mänty"}));
    // Spruce: its default 1800 stems; 18 x 25 + 18 x 30 = 450 + 540.
    ClickItem(f, "RadioGroup2", 1);
    EXPECT_EQ(shown(), (QStringList{"1800", "25", "30", "990 €/ha", "istutus, kuusi"}));
    // Seeding and back: spruce, its default amount, the first price items.
    ClickItem(f, "RadioGroup4", 2);
    ClickItem(f, "RadioGroup4", 1);
    EXPECT_EQ(shown(), (QStringList{"1800", "0", "0", "0 €/ha", "istutus, kuusi"}));
    ClickButton(f, "BitBtn1");
  }));
  EXPECT_EQ(Choices(Stand()), (std::vector<int>{0, -1, 0, -1, Planting, 1, 8, 0, 0}));
}

TEST_F(NewForest, StoredSpeciesIsRememberedAsItsChoiceRunsItsHandlerAtLoading) {
  TNewFrstForm* f = OpenAfter("Avohakkuu, säästöpuita 30 kpl/ha");
  // Planting birch, 2000 stems/ha (item 10), 25 and 30 per 100 plants.
  for (auto [choice, index] : {std::pair{CultivationMethodChoice, int(Planting)}, {CultivationSpeciesChoice, 2},
                               {AmountChoice, 10}, {MaterialChoice, 25}, {WorkChoice, 30}})
    Stand().SetRegenerationChoice(choice, index);
  Refresh(false);
  EXPECT_TRUE(RunEstimate([&](QWidget*) {
    ChoosePage(f, 2);
    EXPECT_EQ((QStringList{f->ComboBox2->currentText(), Text(f, "Label10")}), (QStringList{"2000", "istutus, koivu"}));
    // Seeding and back: the species loaded was remembered for planting,
    // the amount was not: birch's default 1600 stems/ha.
    ClickItem(f, "RadioGroup4", 2);
    ClickItem(f, "RadioGroup4", 1);
    EXPECT_EQ((QStringList{f->ComboBox2->currentText(), f->ComboBox3->currentText(), Text(f, "Label10")}),
              (QStringList{"1600", "0", "istutus, koivu"}));
    ClickButton(f, "BitBtn1");
  }));
  EXPECT_EQ(Choices(Stand()), (std::vector<int>{0, -1, 0, -1, Planting, 2, 6, 0, 0}));
}

TEST_F(NewForest, CurrencyChangeRefreshesUnitsAndFigures) {
  TNewFrstForm* f = OpenAfter("Avohakkuu, säästöpuita 30 kpl/ha");
  Stand().SetRegenerationChoice(SoilMethodChoice, 1);
  Stand().SetRegenerationChoice(SoilCostChoice, 100);
  Stand().SetRegenerationChoice(CultivationMethodChoice, Planting);
  Refresh(false);
  EXPECT_EQ(Text(f, "Label13"), "€/100 kpl");
  int other = 0;
  while (model::CurrencyUnitOf(model::CurrencyListText(other), true) == "€") ++other;
  model::CurrentSettings().currencyIndex = other;
  const QString unit = model::CurrencyUnitOf(model::CurrencyListText(other), true);
  model::GetSettingsRefresh()->RefreshRegenerationPrices();
  EXPECT_EQ(Texts(f, {"Label13", "Label7"}), (QStringList{unit + "/100 kpl", "100 " + unit + "/ha"}));
  EXPECT_TRUE(ActForm->Label40->text().endsWith("100 " + unit + "/ha"));
}

TEST_F(NewForest, UndoingTheCuttingHidesTheButtonAndResetsTheChoicesAndTheRecommendation) {
  OpenAfter("Avohakkuu, säästöpuita 30 kpl/ha");
  Stand().SetRegenerationChoice(ClearingMethodChoice, 1);
  // Without an estimate the panel advises one.
  EXPECT_EQ(ActForm->RecommendationState(), RecommendsCostEstimate);
  EXPECT_EQ(ActForm->RecommendationText, "harkitse kustannusarvion laatimista metsänuudistamisen kuluista   !");
  Click(ActForm->Button12);
  EXPECT_FALSE(ActForm->IsNewForestButtonVisible());
  EXPECT_EQ(Choices(Stand()), (std::vector<int>{0, 0, 0, 0, 0, -1, 0, 0, 0}));
  // The measured stand's recommendation comes back.
  EXPECT_NE(measuredRecommendation_, RecommendsCostEstimate);
  EXPECT_EQ(ActForm->RecommendationState(), measuredRecommendation_);
}
