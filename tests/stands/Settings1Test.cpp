// The recommendation settings window: choices, derived lines, restore
// defaults and the close question.
#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>

#include "tests/stands/SettingsFixture.h"

TEST_F(SettingsWindows, RecommendationLinesFromStoredDefaults) {
  LoadAll();
  TSettForm1& w = *recommendation;
  EXPECT_EQ(w.RadioGroup1->ItemIndex(), 2);
  EXPECT_EQ(w.RadioGroup2->ItemIndex(), 1);
  EXPECT_EQ(w.RadioGroup3->ItemIndex(), 2);
  EXPECT_EQ(w.RadioGroup4->ItemIndex(), 2);
  EXPECT_EQ(w.RadioGroup5->ItemIndex(), 10);
  EXPECT_EQ(w.StemCountLowerLimit(), 3000);
  // Birch: 12 + 2 x 2 = 16 m2/ha, 22 + 1 = 23 cm.
  EXPECT_EQ(w.Label29->text(), "pohjapinta-ala => 16 m2/ha  ja  keskiläpimitta => 23 cm");
  // Birch case 1: 13 + 2 = 15 m, 16 + 2 = 18 m2/ha, target 18 - 6 = 12 -> 10 - 14.
  EXPECT_EQ(w.Label14->text(), "keskipituus < 15 m  ja pohjapinta-ala => 18 m2/ha");
  EXPECT_EQ(w.Label31->text(), "- kasvatushakkuun jälkeen pohjapinta-alaksi suositellaan 10 - 14 m2/ha");
  // Pine case 2: 14 m, 22 + 3 = 25 m2/ha, target 25 - 7 = 18 -> 16 - 20.
  EXPECT_EQ(w.Label13->text(), "tai keskipituus => 14 m  ja  pohjapinta-ala => 25 m2/ha");
  EXPECT_TRUE(w.Label30->text().endsWith("16 - 20 m2/ha"));
  // Birch case 2: 15 m, 18 + 3 = 21 m2/ha, target 14 -> 12 - 16.
  EXPECT_EQ(w.Label15->text(), "tai keskipituus => 15 m  ja  pohjapinta-ala => 21 m2/ha");
  EXPECT_TRUE(w.Label32->text().endsWith("12 - 16 m2/ha"));
  // Pine case 1 target: 22 - 6 = 16 -> 14 - 18.
  EXPECT_TRUE(w.Label23->text().endsWith("14 - 18 m2/ha"));
  // Lines 13, 14 and 15 share their left edge.
  EXPECT_EQ(w.Label13->x(), w.Label14->x());
  EXPECT_EQ(w.Label15->x(), w.Label14->x());
  EXPECT_EQ(w.RadioGroup1->title(), "pohjapinta-ala on vähintään, m2/ha");
  EXPECT_EQ(w.RadioGroup5->title(), "runkoluvun alaraja, kpl/ha");
  EXPECT_EQ(w.windowTitle(), " Toimenpidesuositukset");
}

TEST_F(SettingsWindows, RecommendationChoiceChangesBirchLine) {
  LoadAll();
  TSettForm1& w = *recommendation;
  w.show();
  EXPECT_FALSE(w.BitBtn1->isEnabled());
  w.RadioGroup1->SetItemIndex(0);  // 16: birch 12
  EXPECT_TRUE(w.Label29->text().startsWith("pohjapinta-ala => 12 m2/ha"));
  EXPECT_TRUE(w.BitBtn1->isEnabled());
  w.RadioGroup1->SetItemIndex(5);  // 26: birch 22
  EXPECT_TRUE(w.Label29->text().startsWith("pohjapinta-ala => 22 m2/ha"));
  Shoot(&w, "settings_recommendation_1");
  w.PageControl2->setCurrentIndex(1);
  Shoot(&w, "settings_recommendation_2");
  w.PageControl2->setCurrentIndex(2);
  Shoot(&w, "settings_recommendation_3");
}

TEST_F(SettingsWindows, RestoreDefaults) {
  LoadAll();
  TSettForm1& w = *recommendation;
  w.show();
  // Already the defaults: nothing changes.
  w.Button2->click();
  EXPECT_FALSE(w.BitBtn1->isEnabled());
  // Other choices and the box ticked: all back, window marked.
  w.hide();
  w.RadioGroup3->SetItemIndex(4);
  w.RadioGroup5->SetItemIndex(0);
  w.CheckBox1->setChecked(true);
  w.show();
  EXPECT_FALSE(w.BitBtn1->isEnabled());  // changes made while hidden do not mark
  w.Button2->click();
  EXPECT_TRUE(w.BitBtn1->isEnabled());
  EXPECT_FALSE(w.CheckBox1->isChecked());
  EXPECT_EQ(w.RadioGroup3->ItemIndex(), 2);
  EXPECT_EQ(w.RadioGroup5->ItemIndex(), 10);
  // Nothing stored yet.
  EXPECT_EQ(model::CurrentSettings().pineThinningHeight, 14);
}

TEST_F(SettingsWindows, RecommendationSavedOnOk) {
  LoadAll();
  TSettForm1& w = *recommendation;
  w.show();
  w.RadioGroup2->SetItemIndex(3);   // 27 cm, birch 25
  w.CheckBox1->click();
  EXPECT_TRUE(RecommendationsOff());
  w.BitBtn1->click();
  EXPECT_EQ(w.result(), 1);
  ASSERT_TRUE(price->SaveSettings(2));
  const model::SettingsRecord& r = model::CurrentSettings();
  EXPECT_EQ(r.pineFinalCutDiameter, 27);
  EXPECT_EQ(r.spruceFinalCutDiameter, 27);
  EXPECT_EQ(r.birchFinalCutDiameter, 25);
  EXPECT_EQ(r.recommendationsOff, 1);
  EXPECT_EQ(model::RecommendationParameter(u"ma_cc_d13_hurry"), 29);
  EXPECT_EQ(FileBytes(), model::SettingsToBytes(r));
}

TEST_F(SettingsWindows, RecommendationCloseDeclinedReloadsChoices) {
  LoadAll();
  TSettForm1& w = *recommendation;
  w.show();
  w.RadioGroup4->SetItemIndex(4);
  script.Answer(2);
  w.close();
  ASSERT_EQ(script.Count(MessageKind::Question), 1);
  EXPECT_EQ(script.Last(MessageKind::Question).lines.at(0), "Toimenpidesuositusten asetuksia muutettu  !");
  EXPECT_EQ(w.result(), 2);
  EXPECT_EQ(w.RadioGroup4->ItemIndex(), 2);
  EXPECT_TRUE(w.Label23->text().endsWith("14 - 18 m2/ha"));
}

TEST_F(SettingsWindows, StoredValuesOutsideTheGroupsAreClamped) {
  LoadAll();
  model::SettingsRecord& r = model::CurrentSettings();
  r.pineFinalCutBasalArea = 60;
  r.pineThinningHeight = -4;
  r.stemCountLowerLimit = 99999;
  ASSERT_TRUE(model::WriteSettingsFile(r, model::SettingsFilePath()));
  price->LoadSettings(2);
  EXPECT_EQ(recommendation->RadioGroup1->ItemIndex(), 5);
  EXPECT_EQ(recommendation->RadioGroup3->ItemIndex(), 0);
  EXPECT_EQ(recommendation->RadioGroup5->ItemIndex(), 15);
}

TEST_F(SettingsWindows, UnloadedGroupsSaveTheDefaults) {
  // Created but never loaded: the groups have no choice yet.
  EXPECT_EQ(recommendation->RadioGroup1->ItemIndex(), -1);
  EXPECT_EQ(recommendation->StemCountLowerLimit(), 3000);
  ASSERT_TRUE(price->SaveSettings(2));
  EXPECT_EQ(model::CurrentSettings().pineFinalCutBasalArea, 20);
  EXPECT_EQ(model::CurrentSettings().birchFinalCutBasalArea, 16);
}
