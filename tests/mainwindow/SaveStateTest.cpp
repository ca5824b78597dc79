// The unsaved mark of the main window: the save panel's look and the notice
// that names the stand, set by a change and cleared by the reset after a
// load.
#include <QDir>
#include <QPushButton>
#include <gtest/gtest.h>

#include "mainwindow/Acts.h"
#include "model/Phase.h"
#include "platform/Screen.h"
#include "stands/Intro.h"
#include "stands/IntroStartup.h"
#include "tests/model/StandFixture.h"
#include "tests/support/TempDir.h"
#include "ui/MessageService.h"
#include "ui/Palette.h"
#include "ui/WindowHelpers.h"

namespace {

class SaveState : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallFontSubstitutions();
    saved_ = platform::GetScreenMetrics();
    platform::SetScreenMetrics({.width = 1366, .height = 768});
    SetCurrentPhase(0);
    CreateApplicationWindows();
    ActForm->show();
    ActForm->FormActivate();
    auto stand = standfixture::MakeStand(400, 3);
    stand->RecordPhase(0, "dummyStr", 0, 0);
    IntroForm->CurrentStand = std::move(stand);
    IntroForm->hide();
    ActForm->ArrangeMainWindow(true);
    ActForm->SetStartupPanelsVisibility(true);
    ActForm->UpdateView(3);
  }
  void TearDown() override {
    if (IntroForm) IntroForm->CurrentStand.reset();
    DestroyApplicationWindows();
    SetCurrentPhase(0);
    platform::SetScreenMetrics(saved_);
  }
  QColor PanelColour() const { return ActForm->Panel10->palette().color(QPalette::Button); }
  QColor TextColour() const { return ActForm->Panel10->palette().color(QPalette::ButtonText); }

  MessageScript script_;
  platform::ScreenMetrics saved_;
};

TEST_F(SaveState, AChangeMarksTheStandAndALoadClearsTheMark) {
  EXPECT_FALSE(ActForm->HasUnsavedChanges());
  EXPECT_EQ(PanelColour(), PaletteColor(7));
  EXPECT_EQ(TextColour(), ColorFromBgr(0x808080));

  ActForm->MarkUnsaved();
  EXPECT_TRUE(ActForm->HasUnsavedChanges());
  EXPECT_EQ(PanelColour(), PaletteColor(223));
  EXPECT_EQ(TextColour(), ColorFromBgr(0xF0FBFF));

  // A refresh of the same stand keeps the mark; the reset of a load clears it.
  ActForm->UpdateView(0);
  EXPECT_TRUE(ActForm->HasUnsavedChanges());
  ActForm->UpdateView(2);
  EXPECT_FALSE(ActForm->HasUnsavedChanges());
  EXPECT_EQ(PanelColour(), PaletteColor(7));
}

}  // namespace
