#pragma once
// The cutting dialogs driven as the user drives them: a stand built by the
// engine is activated in the main window, the main window's operation
// button is clicked and the dialog that opens is worked through its
// controls by name; the next action is scheduled before each click that
// opens a modal dialog.

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>
#include <memory>
#include <tuple>

#include "mainwindow/Acts.h"
#include "model/Data.h"
#include "model/Phase.h"
#include "model/Settings.h"
#include "operations/CuttingFrame.h"
#include "platform/Screen.h"
#include "stands/Intro.h"
#include "stands/IntroStartup.h"
#include "tests/support/PictureStands.h"
#include "tests/support/Shots.h"
#include "tests/support/WindowsTest.h"
#include "ui/MessageService.h"
#include "ui/RadioGroup.h"
#include "ui/WindowHelpers.h"

namespace dialogtest {

// Stands as the measurement builds them (fixed seeds), named as the tests
// read them.
// A mature mixed stand ready for a selection or regeneration cutting: about
// 280 m3/ha, 24 cm, 740 stems/ha, every species.
inline constexpr picturestands::Measured kMatureMixed{6, {26, 24, 20, 22, 16}, {220, 210, 200, 210, 160},
                                                      {150, 80, 30, 10, 8}};
// A young thinning stand: about 2800 stems/ha, 11 cm, no aspen or alder.
inline constexpr picturestands::Measured kYoungThinning{4, {12, 10, 9, 0, 0}, {110, 90, 105, 0, 0},
                                                        {150, 40, 35, 0, 0}};
// An advanced thinning stand: about 1150 stems/ha, 186 m3/ha, 18 cm, alders.
inline constexpr picturestands::Measured kAdvancedThinning{5, {19, 17, 15, 0, 14}, {170, 150, 160, 0, 130},
                                                           {140, 60, 30, 0, 6}};

inline std::unique_ptr<data> StandOf(const picturestands::Measured& m, unsigned seed, const char* id) {
  auto s = picturestands::MakeStand(m, seed);
  s->Header.standId = QLatin1String(id);
  return s;
}
inline std::unique_ptr<data> MatureMixedStand() { return StandOf(kMatureMixed, 4711, "7"); }
inline std::unique_ptr<data> YoungThinningStand() { return StandOf(kYoungThinning, 1234, "3b"); }
inline std::unique_ptr<data> AdvancedThinningStand() { return StandOf(kAdvancedThinning, 99, "12"); }

// Field for field: the trees in their order with their grown sizes, the
// slots, the current phase.
inline void ExpectSameStand(const data& a, const data& b, int phaseA, int phaseB) {
  EXPECT_EQ(phaseA, phaseB);
  ASSERT_EQ(a.TreeCount(), b.TreeCount());
  int differing = 0;
  for (int i = 0; i < a.TreeCount(); ++i) {
    const TreeRecord& x = a.Trees[i];
    const TreeRecord& y = b.Trees[i];
    if (std::tie(x.x, x.y, x.diameter, x.height, x.removedBy, x.species) !=
        std::tie(y.x, y.y, y.diameter, y.height, y.removedBy, y.species))
      ++differing;
  }
  EXPECT_EQ(differing, 0);
  EXPECT_EQ(a.GrownSizes1.size(), b.GrownSizes1.size());
  for (int k = 0; k < kPhaseCount; ++k) {
    const PhaseSlot& x = a.Slots[k];
    const PhaseSlot& y = b.Slots[k];
    EXPECT_EQ(x.name, y.name) << "slot " << k;
    EXPECT_EQ(std::tie(x.years, x.stems, x.volumes, x.basalArea, x.meanDiameter, x.meanHeight),
              std::tie(y.years, y.stems, y.volumes, y.basalArea, y.meanDiameter, y.meanHeight))
        << "slot " << k;
  }
}

// The same trees (in any order: the dialogs leave them in y order, and trees
// of equal y in no particular order) and the same slots, the sums of the
// slots' sizes to the last bits that a different summing order may change.
inline void ExpectSameTrial(const data& a, const data& b) {
  using Key = std::tuple<float, float, float, float, int, int>;
  auto keys = [](const data& s) {
    std::vector<Key> k;
    for (const TreeRecord& t : s.Trees) k.emplace_back(t.x, t.y, t.diameter, t.height, t.removedBy, t.species);
    std::sort(k.begin(), k.end());
    return k;
  };
  EXPECT_TRUE(keys(a) == keys(b));
  for (int k = 0; k < kPhaseCount; ++k) {
    const PhaseSlot& x = a.Slots[k];
    const PhaseSlot& y = b.Slots[k];
    EXPECT_EQ(x.name, y.name) << "slot " << k;
    EXPECT_EQ(std::tie(x.years, x.stems, x.volumes), std::tie(y.years, y.stems, y.volumes)) << "slot " << k;
    EXPECT_NEAR(x.basalArea, y.basalArea, 1e-3) << "slot " << k;
    EXPECT_NEAR(x.meanDiameter, y.meanDiameter, 1e-3) << "slot " << k;
    EXPECT_NEAR(x.meanHeight, y.meanHeight, 1e-3) << "slot " << k;
  }
}

// The ways a dialog is closed without OK.
enum class Close { CancelButton, Escape, TitleBar };

class Dialogs : public testsupport::WindowsTest {
 protected:
  void SetUp() override {
    WindowsTest::SetUp();
    platform::SetScreenMetrics({.width = 1366, .height = 768});
    CreateApplicationWindows();
  }

  // The stand opened in the main window at phase 0.
  data& Open(std::unique_ptr<data> stand) {
    if (!ActForm->Started()) {
      ActForm->show();
      ActForm->FormActivate();
    }
    IntroForm->CurrentStand = std::move(stand);
    SetCurrentPhase(0);
    IntroForm->hide();
    ActForm->SetStartupPanelsVisibility(true);
    ActForm->UpdateView(1);
    return *IntroForm->CurrentStand;
  }
  data& Stand() { return *IntroForm->CurrentStand; }
  // The cutting stage chosen in the main window's list, as the user clicks
  // it: 0 thinnings, 1 final or selection cuttings.
  static void ChooseStage(int item) {
    QListWidget* list = ActForm->ListBox3;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(item)).center());
  }
  // The stand opened and the stage chosen.
  data& Open(std::unique_ptr<data> stand, int stage) {
    data& s = Open(std::move(stand));
    ChooseStage(stage);
    return s;
  }

  // Strip roads committed through their dialog (the thinning-stage cuttings
  // follow them): the default roads, or "ei uria".
  void CommitStripRoads(bool roads) {
    const bool opened = Run(ActForm->Button5, [&](QWidget* d) {
      if (!roads) ClickItem(d, "RadioGroup2", 0);
      ClickButton(d, "BitBtn1");
    });
    ASSERT_TRUE(opened);
  }

  // Clicks a main-window button with `inDialog` scheduled to run in the
  // modal dialog that the click opens (it must close the dialog); returns
  // whether a dialog opened.
  bool Run(QAbstractButton* button, const std::function<void(QWidget*)>& inDialog) {
    bool opened = false;
    // A timer of this call only: when the click opens no dialog, it must
    // not fire later into another one.
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
      QWidget* d = QApplication::activeModalWidget();
      if (!d) return;
      opened = true;
      inDialog(d);
      if (d->isVisible()) {
        ADD_FAILURE() << "dialog left open";
        QMetaObject::invokeMethod(d, "reject");
      }
    });
    timer.start(0);
    QTest::mouseClick(button, Qt::LeftButton);
    timer.stop();
    return opened;
  }

  template <typename T>
  static T* Child(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(QLatin1String(name));
    if (!c) ADD_FAILURE() << "no control " << name;
    return c;
  }
  static void ClickItem(QWidget* dialog, const char* group, int item) {
    TRadioGroup* g = Child<TRadioGroup>(dialog, group);
    QTest::mouseClick(g->Item(item), Qt::LeftButton, {}, QPoint(6, g->Item(item)->height() / 2));
  }
  static void ClickButton(QWidget* dialog, const char* name) {
    QTest::mouseClick(Child<QAbstractButton>(dialog, name), Qt::LeftButton);
  }
  static void CloseWithout(QWidget* dialog, Close how) {
    switch (how) {
      case Close::CancelButton: ClickButton(dialog, "BitBtn2"); break;
      case Close::Escape: QTest::keyClick(dialog, Qt::Key_Escape); break;
      case Close::TitleBar: dialog->close(); break;
    }
  }
  static int Recalculations(QWidget* dialog) { return static_cast<TCuttingForm*>(dialog)->RecalculationCount; }
  static QString Text(QWidget* dialog, const char* label) { return Child<QLabel>(dialog, label)->text(); }
  static void Shot(QWidget* dialog, const QString& file) {
    QApplication::processEvents();
    EXPECT_TRUE(dialog->grab().save(testsupport::ShotPath(file)));
  }

  MessageScript script_;
};

}  // namespace dialogtest
