#pragma once
// The program's windows for the window tests of the stands and the estate
// views: a program folder "Ohjelma" beside the estates folder "Metsätilat",
// the windows started on a screen of the size under test, message windows
// answered by a script, the open-stand window reached through the start
// window's stand list, and pictures of the windows.
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>

#include "mainwindow/Acts.h"
#include "model/Settings.h"
#include "platform/Clock.h"
#include "platform/Screen.h"
#include "stands/Intro.h"
#include "app/Startup.h"
#include "stands/Open.h"
#include "tests/support/Controls.h"
#include "tests/support/Shots.h"
#include "tests/support/WindowsTest.h"
#include "ui/MessageService.h"
#include "ui/Session.h"

namespace testsupport {

// The window as drawn, and under a real display (Xvfb) the whole screen.
inline void SaveShot(QWidget* w, const QString& name) {
  Shot(w, name);
  if (QGuiApplication::platformName() != "offscreen")
    QGuiApplication::primaryScreen()->grabWindow(0).save(ShotPath("screen-" + name));
}

// The open-stand window is up and has run its activation.
inline bool OpenWindowUp() { return OpenForm && OpenForm->isVisible() && OpenForm->Activated; }

// The window tests' base: the program folder, the windows started, the
// stand list of the start window, message windows answered by a script.
class ProgramWindowsTest : public WindowsTest {
 protected:
  // The program folder "Ohjelma", made current with its default settings
  // written, beside "Metsätilat/<estate>"; returns the estate folder.
  QString LayOutProgramFolder(const QString& estate = QStringLiteral("Koivula")) {
    const QString estates = folder_.file(QString::fromUtf8("Metsätilat"));
    EXPECT_TRUE(QDir().mkpath(folder_.file("Ohjelma")));
    EXPECT_TRUE(QDir().mkpath(estates + "/" + estate));
    EXPECT_TRUE(QDir::setCurrent(folder_.file("Ohjelma")));
    model::SetSettingsFolder(QDir::currentPath());
    EXPECT_TRUE(model::SaveDefaultSettings().written);
    return estates + "/" + estate;
  }
  // Creates the windows and runs the main window's first activation on a
  // screen of the given size.
  void Start(int width = 1366, int height = 768, int menuBarHeight = 20) {
    platform::SetScreenMetrics({.width = width, .height = height, .menuBarHeight = menuBarHeight});
    CreateApplicationWindows();
    ActForm->show();
    ActForm->FormActivate();
  }

  // The start window's stand-list button with `path` chosen in the dialog;
  // `inside` runs in the open-stand window.
  bool OpenThroughTheList(const QString& path, const std::function<void()>& inside) {
    script_.AnswerFile(path);
    return InModal(OpenWindowUp, inside, [] { Click(IntroForm->Button3); });
  }
  // The same, opened with the window's Open button.
  void OpenFromTheList(const QString& path) {
    EXPECT_TRUE(OpenThroughTheList(path, [] { Click(OpenForm->Button3); }));
    ASSERT_NE(TheSession->CurrentStand, nullptr);
    script_.Clear();
  }

  MessageScript script_;
};

}  // namespace testsupport
