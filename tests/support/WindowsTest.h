#pragma once
// Base of the window tests that make the program's windows: each test runs
// in a folder of its own with the fonts mapped, default settings and the
// current phase 0, and afterwards the windows are destroyed, the open stand
// dropped and the folder, settings folder, settings record, today's date and
// screen metrics put back.
#include <QDir>
#include <QString>
#include <gtest/gtest.h>

#include "model/Phase.h"
#include "model/Settings.h"
#include "platform/Clock.h"
#include "platform/Screen.h"
#include "stands/Intro.h"
#include "app/Startup.h"
#include "tests/support/TempDir.h"
#include "ui/WindowHelpers.h"
#include "ui/Session.h"

namespace testsupport {

class WindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallFontSubstitutions();
    saved_ = platform::GetScreenMetrics();
    savedSettings_ = model::CurrentSettings();
    model::SetDefaultSettings(model::CurrentSettings());
    savedFolder_ = QDir::currentPath();
    QDir::setCurrent(folder_.path());
    SetCurrentPhase(0);
  }
  void TearDown() override {
    if (TheSession) TheSession->CurrentStand.reset();
    DestroyApplicationWindows();
    SetCurrentPhase(0);
    QDir::setCurrent(savedFolder_);
    model::SetSettingsFolder(savedFolder_);
    platform::SetScreenMetrics(saved_);
    model::CurrentSettings() = savedSettings_;
    platform::SetToday(QDate());
  }

  TempDir folder_;
  platform::ScreenMetrics saved_;
  QString savedFolder_;
  model::SettingsRecord savedSettings_;
};

}  // namespace testsupport
