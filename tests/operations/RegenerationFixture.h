#pragma once
// The program's windows with a stand activated in the main window as a stand
// loading leaves it, for the tests of the regeneration windows: the final-
// cutting stage chosen, a regeneration cutting recorded as the cutting
// commands record one, pictures of the dialogs left for a person to look at.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "mainwindow/Acts.h"
#include "model/Data.h"
#include "model/Phase.h"
#include "model/Settings.h"
#include "platform/Screen.h"
#include "stands/Intro.h"
#include "stands/IntroStartup.h"
#include "tests/model/StandFixture.h"
#include "tests/support/Shots.h"
#include "tests/support/TempDir.h"
#include "ui/MessageService.h"
#include "ui/RadioGroup.h"
#include "ui/WindowHelpers.h"

namespace regenfixture {

class RegenerationWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallFontSubstitutions();
    QApplication::setKeyboardInputInterval(60);
    savedScreen_ = platform::GetScreenMetrics();
    savedSettings_ = model::CurrentSettings();
    savedFolder_ = QDir::currentPath();
    QDir::setCurrent(folder_.path());
    SetCurrentPhase(0);
  }
  void TearDown() override {
    if (IntroForm) IntroForm->CurrentStand.reset();
    DestroyApplicationWindows();
    SetCurrentPhase(0);
    QDir::setCurrent(savedFolder_);
    model::SetSettingsFolder(savedFolder_);
    model::CurrentSettings() = savedSettings_;
    platform::SetScreenMetrics(savedScreen_);
  }

  // The program on a 1366 x 768 screen with the stand activated, the
  // final-cutting stage chosen.
  void Open(std::unique_ptr<data> stand) {
    platform::SetScreenMetrics({.width = 1366, .height = 768});
    CreateApplicationWindows();
    ActForm->show();
    ActForm->FormActivate();
    IntroForm->CurrentStand = std::move(stand);
    IntroForm->hide();
    ActForm->ListBox3->setCurrentRow(1);
    ActForm->ArrangeMainWindow(true);
    ActForm->SetStartupPanelsVisibility(true);
    ActForm->UpdateView(3);
  }
  data& Stand() { return *IntroForm->CurrentStand; }

  // A measured stand of 2.5 ha.
  static std::unique_ptr<data> MeasuredStand(int trees = 2500, unsigned seed = 7) {
    auto s = standfixture::MakeStand(trees, seed);
    s->RecordPhase(0, "mitattu", 0, 0);
    return s;
  }

  // A regeneration cutting committed as the cutting commands do after OK:
  // every standing tree but every tenth removed, the phase recorded and
  // stepped onto, the enabling rules and the views.
  void CommitRegeneration(const QString& name) {
    const int k = CurrentPhase() + 1;
    int n = 0;
    for (TreeRecord& t : Stand().Trees)
      if (IsStanding(t) && ++n % 10 != 0) t.removedBy = k;
    Stand().RecordPhase(k, name, 0, 0);
    SetCurrentPhase(100);
    ActForm->setButtonState(CurrentPhase(), 0, true);
    ActForm->UpdateView(0);
  }

  // Opens a modal window by clicking a button; the driver runs once the
  // window is shown and must close it.
  static void ClickAndDrive(QAbstractButton* opener, QWidget* window, std::function<void()> driver) {
    bool ran = false;
    std::function<void()> poll;
    poll = [&] {
      if (!window->isVisible()) {
        QTimer::singleShot(10, poll);
        return;
      }
      ran = true;
      driver();
    };
    QTimer::singleShot(0, poll);
    QTest::mouseClick(opener, Qt::LeftButton);
    EXPECT_TRUE(ran);
  }

  static void Click(QWidget* window, const QString& name) {
    auto* b = window->findChild<QAbstractButton*>(name);
    ASSERT_NE(b, nullptr) << name.toStdString();
    ASSERT_TRUE(b->isEnabled()) << name.toStdString();
    QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
  }
  // Chooses an item of a radio group by clicking it.
  static void ClickItem(TRadioGroup* group, int index) {
    ASSERT_NE(group->Item(index), nullptr);
    QTest::mouseClick(group->Item(index), Qt::LeftButton, {}, QPoint(6, group->Item(index)->height() / 2));
  }
  // Chooses the item of a list that the typed text starts, as a user types
  // it into the closed list.
  // A list searches the text typed within the keyboard interval; a pause
  // longer than that starts a new search.
  static void Type(QComboBox* list, const QString& text) {
    QTest::qWait(QApplication::keyboardInputInterval() + 20);
    QTest::keyClicks(list, text);
    ASSERT_EQ(list->currentText(), text);
  }
  static void Shot(QWidget* window, const QString& file) {
    window->grab().save(testsupport::ShotPath(file));
  }

  testsupport::TempDir folder_;
  MessageScript script_;
  platform::ScreenMetrics savedScreen_;
  model::SettingsRecord savedSettings_;
  QString savedFolder_;
};

}  // namespace regenfixture
