#pragma once
// The cutting dialogs driven as the user drives them: a stand built by the
// engine is opened in the main window, the main window's operation button
// is clicked and the dialog that opens is worked through its controls by
// name.

#include <initializer_list>
#include <vector>

#include "mainwindow/Acts.h"
#include "operations/CuttingFrame.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/PictureStands.h"
#include "tests/support/StandCompare.h"

namespace dialogtest {

using namespace testsupport;
using standcompare::ExpectSameStand;
using standcompare::ExpectSameTrial;

// Stands as the measurement builds them (fixed seeds).
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

// The ways a dialog is closed without OK.
enum class Close { CancelButton, Escape, TitleBar };
inline constexpr Close kEveryClose[] = {Close::CancelButton, Close::Escape, Close::TitleBar};

class Dialogs : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    StartProgram();
  }

  // The stand opened in the main window at phase 0 and the cutting stage
  // chosen in the main window's list as the user clicks it: 0 thinnings,
  // 1 final or selection cuttings.
  data& Open(std::unique_ptr<data> stand, int stage) {
    SetCurrentPhase(0);
    ActivateStand(std::move(stand), stage, 1);
    ClickRow(ActForm->ListBox3, stage);
    return Stand();
  }

  // Strip roads committed through their dialog (the thinning-stage cuttings
  // follow them): the default roads, or "ei uria".
  void CommitStripRoads(bool roads) {
    ASSERT_TRUE(Run(ActForm->Button5, [&](QWidget* d) {
      if (!roads) ClickItem(d, "RadioGroup2", 0);
      ClickButton(d, "BitBtn1");
    }));
  }

  // Clicks a main-window button with `inDialog` run in the dialog that the
  // click opens (the active modal window, or `window` once it shows after a
  // busy display); `inDialog` must close it. Returns whether it opened.
  static bool Run(QWidget* button, const std::function<void(QWidget*)>& inDialog, QWidget* window = nullptr) {
    const auto dialog = [window] { return window ? window : QApplication::activeModalWidget(); };
    return InModal([&] { return dialog() && dialog()->isVisible(); },
                   [&] {
                     QWidget* d = dialog();
                     inDialog(d);
                     if (d->isVisible()) {
                       ADD_FAILURE() << "dialog left open";
                       QMetaObject::invokeMethod(d, "reject");
                     }
                   },
                   [&] { Click(button); });
  }

  static void ClickItem(QWidget* dialog, const char* group, int item) {
    testsupport::ClickItem(Child<TRadioGroup>(dialog, group), item);
  }
  static void ClickButton(QWidget* dialog, const char* name) { Click(Child<QAbstractButton>(dialog, name)); }
  static void TickBox(QWidget* dialog, const char* name) { Tick(Child<QCheckBox>(dialog, name)); }
  static bool Ticked(QWidget* dialog, const char* name) { return Child<QCheckBox>(dialog, name)->isChecked(); }
  // A click on the tab of that page of the dialog's page control.
  static void ChoosePage(QWidget* dialog, int page) {
    QTabBar* tabs = Child<QTabWidget>(dialog, "PageControl1")->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page).center());
    ASSERT_EQ(Child<QTabWidget>(dialog, "PageControl1")->currentIndex(), page);
  }
  static void CloseWithout(QWidget* dialog, Close how) {
    switch (how) {
      case Close::CancelButton: ClickButton(dialog, "BitBtn2"); break;
      case Close::Escape: QTest::keyClick(dialog, Qt::Key_Escape); break;
      case Close::TitleBar: dialog->close(); break;
    }
  }
  static int Recalculations(QWidget* dialog) { return static_cast<TCuttingForm*>(dialog)->RecalculationCount; }
  // Which pages of the dialog's page control are offered.
  static std::vector<bool> VisiblePages(QWidget* dialog) {
    auto* pages = Child<QTabWidget>(dialog, "PageControl1");
    std::vector<bool> v;
    for (int i = 0; i < pages->count(); ++i) v.push_back(pages->isTabVisible(i));
    return v;
  }
  // The last message of a kind: its caption and its first line.
  QStringList Said(MessageKind kind) const {
    const MessageRecord m = script_.Last(kind);
    return {m.caption, m.lines.value(0)};
  }
  static QString Text(QWidget* dialog, const char* label) { return Child<QLabel>(dialog, label)->text(); }
  // The texts of several labels, to compare with a list.
  static QStringList Texts(QWidget* dialog, std::initializer_list<const char*> labels) {
    QStringList texts;
    for (const char* label : labels) texts << Text(dialog, label);
    return texts;
  }
};

}  // namespace dialogtest
