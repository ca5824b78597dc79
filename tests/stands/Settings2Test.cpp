// The display settings window: boxes from the record, packing, the refused
// language box and saving only what changed.
#include <QCheckBox>
#include <QPushButton>

#include "tests/stands/SettingsFixture.h"

namespace {
struct Calls : model::SettingsRefresh {
  QStringList calls;
  void PlaceMainPanels() override { calls << "panels"; }
  void MainWindowTitleText() override { calls << "title"; }
  void RefreshStandViewAnnotations(bool) override { calls << "annotations"; }
};
}  // namespace

TEST_F(SettingsWindows, DisplayDefaults) {
  LoadAll();
  TSettForm2& w = *display;
  for (QCheckBox* b : {w.CheckBox2, w.CheckBox8, w.CheckBox9, w.CheckBox10, w.CheckBox3, w.CheckBox4})
    EXPECT_TRUE(b->isChecked()) << b->objectName().toStdString();
  EXPECT_FALSE(w.CheckBox5->isChecked());
  EXPECT_FALSE(w.CheckBox7->isChecked());
  EXPECT_EQ(TitleBarFlags(4), 111);
  EXPECT_EQ(StandViewFlags(5), 11);
  EXPECT_EQ(StandViewFlags(2), 1);
  EXPECT_EQ(StandListOnRight(), 1);
  EXPECT_EQ(InitialWideViewState(), 0);
  EXPECT_EQ(w.windowTitle(), " Perusasetukset");
  w.show();
  Shoot(&w, "settings_display");
}

TEST_F(SettingsWindows, DisplayBoxesFromPackedDigits) {
  LoadAll();
  model::SettingsRecord& r = model::CurrentSettings();
  r.titleBarFlags = 101;
  r.standViewFlags = 1000;
  ASSERT_TRUE(model::WriteSettingsFile(r, model::SettingsFilePath()));
  price->LoadSettings(3);
  TSettForm2& w = *display;
  EXPECT_TRUE(w.CheckBox8->isChecked());
  EXPECT_FALSE(w.CheckBox9->isChecked());
  EXPECT_TRUE(w.CheckBox10->isChecked());
  EXPECT_FALSE(w.CheckBox3->isChecked());
  EXPECT_FALSE(w.CheckBox4->isChecked());
  EXPECT_FALSE(w.CheckBox5->isChecked());
  EXPECT_TRUE(w.CheckBox7->isChecked());
  EXPECT_EQ(StandViewFlags(5), 1000);
}

TEST_F(SettingsWindows, LanguageBoxIsRefused) {
  LoadAll();
  TSettForm2& w = *display;
  w.show();
  w.CheckBox6->click();
  ASSERT_EQ(script.Count(MessageKind::Notice), 1);
  EXPECT_EQ(script.Last(MessageKind::Notice).caption, "Perusasetukset");
  EXPECT_EQ(script.Last(MessageKind::Notice).lines.at(0),
            "toistaiseksi käytettävissä vain suomenkielinen versio   !");
  EXPECT_FALSE(w.CheckBox6->isChecked());
  EXPECT_FALSE(w.BitBtn1->isEnabled());
}

TEST_F(SettingsWindows, DisplaySaveRefreshesOnlyTheTitle) {
  LoadAll();
  Calls calls;
  model::SetSettingsRefresh(&calls);
  TSettForm2& w = *display;
  w.show();
  w.CheckBox9->click();
  EXPECT_TRUE(w.BitBtn1->isEnabled());
  w.BitBtn1->click();
  EXPECT_EQ(w.result(), 1);
  ASSERT_TRUE(price->SaveSettings(3));
  EXPECT_EQ(model::CurrentSettings().titleBarFlags, 101);
  EXPECT_EQ(calls.calls, QStringList{"title"});
  EXPECT_EQ(FileBytes().mid(16, 4), QByteArray("\x65\0\0\0", 4));
}

TEST_F(SettingsWindows, DisplayCloseDeclinedReloadsBoxes) {
  LoadAll();
  TSettForm2& w = *display;
  w.show();
  w.CheckBox7->click();
  script.Answer(2);
  w.Button1->click();
  EXPECT_EQ(script.Last(MessageKind::Question).lines.at(0), "Perusasetuksia muutettu  !");
  EXPECT_FALSE(w.CheckBox7->isChecked());
  EXPECT_EQ(model::CurrentSettings().standViewFlags, 11);
}
