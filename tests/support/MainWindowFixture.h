#pragma once
// The main window driven as the user drives it: the program started on a
// screen of a given size (in an estate folder beside its program folder
// where a test needs one), a stand activated as the stand loading leaves
// it, and the steps the cutting and grow commands commit.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <memory>

#include "mainwindow/ActsSaveRules.h"
#include "model/Data.h"
#include "model/Phase.h"
#include "stands/OpenFile.h"
#include "tests/support/ProgramWindows.h"
#include "texts/Commonlan.h"

namespace testsupport {

// The window is up (for InModal).
inline std::function<bool()> Shown(QWidget* window) {
  return [window] { return window->isVisible(); };
}
inline void ClickTab(QTabWidget* pages, QWidget* page) {
  QTabBar* bar = pages->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(pages->indexOf(page)).center());
  EXPECT_EQ(pages->currentWidget(), page) << page->objectName().toStdString();
}
// The open-stand window that `open` brings up, left by its button `button`
// ("Button3" opens the chosen stand, "Button1" closes).
inline bool ThroughOpenWindow(const char* button, const std::function<void()>& open) {
  return InModal(OpenWindowUp, [button] { Click(Child(OpenForm, button)); }, open);
}

class MainWindowTest : public ProgramWindowsTest {
 protected:
  // The windows made for the screen and the main window started.
  void StartProgram(int w = 1366, int h = 768) { Start(w, h); }

  // A stand activated as the stand loading leaves it: the start window
  // hidden, the cutting stage chosen, the main window laid out and
  // refreshed at the given level.
  data& ActivateStand(std::unique_ptr<data> stand, int stage, int level = 3) {
    TheSession->CurrentStand = std::move(stand);
    IntroForm->hide();
    {
      // Set as the stand loading sets it, without the list's handler.
      const QSignalBlocker block(ActForm->ListBox3);
      ActForm->ListBox3->setCurrentRow(stage);
    }
    ActForm->ArrangeMainWindow(true);
    ActForm->SetStartupPanelsVisibility(true);
    ActForm->UpdateView(level);
    return Stand();
  }
  data& Stand() { return *TheSession->CurrentStand; }

  // A cutting committed as the cutting commands do after OK: every
  // `every`-th standing tree removed.
  void CommitCutting(const QString& name, int every) {
    const int k = CurrentPhase() + 1;
    int n = 0;
    for (TreeRecord& t : Stand().Trees)
      if (IsStanding(t) && ++n % every == 0) t.removedBy = k;
    Stand().RecordPhase(k, name, 0, 0);
    SetCurrentPhase(100);
    ActForm->setButtonState(CurrentPhase(), 0, true);
    ActForm->UpdateView(0);
  }
  // A growing step committed as the grow command does once its dialogs are
  // accepted; a species without a stand age is taken as 20 years old.
  void GrowStand(int years) {
    const int p = CurrentPhase();
    if (Stand().GrowthStepCount() == 0) {
      int ages[kSpeciesSlots] = {};
      for (int s = 0; s < kSpeciesSlots; ++s) ages[s] = std::max(20, Stand().SpeciesValue(s, 7));
      Stand().SetSpeciesAges(ages);
    }
    ApplyGrowingStep(Stand(), NextGrowthKind(Stand()), years);
    ActForm->setButtonState(p + 1, 0, true);
    ActForm->UpdateView(0);
  }
  void ClickUndo() { Click(ActForm->Button12); }
};

// The program started on a 1366 x 768 screen in the estate folder
// "Koivula", whose stand files a test opens as the open dialog does.
class EstateWindowsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    estate_ = LayOutProgramFolder();
    StartProgram();
  }
  QString PathOf(const QString& id) const { return estate_ + "/" + id + "." + CommonlanText(0); }
  // The file read whole, the main window pointed at its folder, the stand
  // activated.
  void OpenStandPath(const QString& path) { ASSERT_TRUE(LoadStandFile(0, path, true)); }

  QString estate_;
};

}  // namespace testsupport
