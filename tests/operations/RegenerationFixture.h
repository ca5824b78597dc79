#pragma once
// The regeneration windows driven as the user drives them: the dialogs'
// fixture with a regeneration cutting committed as the cutting commands
// commit one, the price settings put back afterwards, and lists chosen by
// typing into them.

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "mainwindow/Acts.h"
#include "model/Data.h"
#include "model/Phase.h"
#include "model/Settings.h"
#include "tests/model/StandFixture.h"
#include "tests/operations/DialogFixture.h"

namespace regenfixture {

class RegenerationWindows : public dialogtest::Dialogs {
 protected:
  void SetUp() override {
    Dialogs::SetUp();
    savedSettings_ = model::CurrentSettings();
    // Typing into a list searches what is typed within this interval.
    QApplication::setKeyboardInputInterval(60);
  }
  void TearDown() override {
    Dialogs::TearDown();
    model::CurrentSettings() = savedSettings_;
  }

  // A measured stand of 2.5 ha opened at the final-cutting stage.
  void OpenMeasured() {
    auto s = standfixture::MakeStand(2500, 7);
    s->RecordPhase(0, "mitattu", 0, 0);
    Open(std::move(s), 1);
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

  // Clicks a main-window button that shows the busy display before it opens
  // `window` modally; `inWindow` runs once the window shows and must close
  // it. Returns whether the window opened.
  static bool RunAfterBusy(QAbstractButton* button, QWidget* window, const std::function<void(QWidget*)>& inWindow) {
    bool opened = false;
    int polls = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
      if (!window->isVisible()) {
        if (++polls > 500) timer.stop();
        return;
      }
      timer.stop();
      opened = true;
      inWindow(window);
      if (window->isVisible()) {
        ADD_FAILURE() << "window left open";
        QMetaObject::invokeMethod(window, "reject");
      }
    });
    timer.start(5);
    QTest::mouseClick(button, Qt::LeftButton);
    timer.stop();
    return opened;
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

  model::SettingsRecord savedSettings_;
};

}  // namespace regenfixture
