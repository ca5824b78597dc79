// When the windows' handlers run, in every window, driven as the user
// drives it: every list with a handler (a mouse click on another row, on the
// chosen row, a move by the keys, a row set by the program, the right
// button, a drag across the rows, the focus taken by Tab with no row
// chosen) and every page control with one (a click on
// another page, on the page shown, Ctrl+Tab, a page set by the program, the
// focus taken); then every radio group and check box of the windows (a click
// on another item or on the box, on the item chosen, an arrow key, the
// program's change, the program setting what is already there, new items,
// the focus taken). The lists' and page controls' runs are counted by their
// one watcher; a radio group's or check box's handler follows its change
// signal, so the signal is counted.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <set>
#include <vector>

#include "estate/Folder.h"
#include "estate/Trade.h"
#include "mainwindow/Acts.h"
#include "mainwindow/Help.h"
#include "operations/Clear.h"
#include "operations/Roads.h"
#include "operations/Th1.h"
#include "stands/Intro.h"
#include "stands/Meas.h"
#include "stands/Settings.h"
#include "tests/support/MainWindowFixture.h"
#include "ui/ListClicks.h"
#include "ui/RadioGroup.h"

namespace {

using namespace testsupport;

// The handler runs counted by the control's watcher.
int Runs(const QWidget* control, const char* watch) {
  const QObject* w = control->findChild<QObject*>(QLatin1String(watch), Qt::FindDirectChildrenOnly);
  EXPECT_NE(w, nullptr) << control->objectName().toStdString() << " has no watcher";
  return w ? w->property(kHandlerRunsProperty).toInt() : 0;
}

// Runs `fn` while every modal window that a handler opens meanwhile (other
// than `keep`) is closed as soon as it is up.
void ClosingModals(QWidget* keep, const std::function<void()>& fn) {
  QTimer closer;
  closer.setInterval(5);
  QObject::connect(&closer, &QTimer::timeout, [keep] {
    auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (d && d != keep && d->isVisible()) d->reject();
  });
  closer.start();
  fn();
}

void Raise(QWidget* window) {
  if (!window->isVisible()) window->show();
  window->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << window->objectName().toStdString();
}

// Runs each act and keeps how many handler runs (or change signals) it
// gave.
class Acts {
 public:
  explicit Acts(std::function<int()> count) : count_(std::move(count)) {}
  void operator()(const std::function<void()>& act) {
    const int before = count_();
    act();
    QApplication::processEvents();
    runs.push_back(count_() - before);
  }
  std::vector<int> runs;

 private:
  std::function<int()> count_;
};

// The acts on a list, each with the handler runs it gave; whether a drag
// kept its row, and the row the focus left chosen (-1: none).
struct ListActs {
  std::vector<int> runs;
  bool rowAfterDrag = false;  // the drag left the row it started from
  int rowAfterFocus = -2;
};

ListActs ActOnList(QListWidget* list) {
  ListActs out;
  const int original = list->currentRow();
  Acts step([list] { return Runs(list, kListWatchName); });
  const auto other = [list] { return list->currentRow() == 1 ? 0 : 1; };
  // Set by the program, clicked on another row, clicked on the row chosen,
  // moved by the keys.
  step([&] { list->setCurrentRow(other()); });
  step([&] { ClickRow(list, other()); });
  step([&] { ClickRow(list, std::max(0, list->currentRow())); });
  step([&] { QTest::keyClick(list, list->currentRow() > 0 ? Qt::Key_Up : Qt::Key_Down); });
  // The right button on another row; a drag from the chosen row to another
  // (only the press on the chosen row counts).
  const auto centre = [list](int row) {
    list->scrollToItem(list->item(row));
    return list->visualItemRect(list->item(row)).center();
  };
  step([&] { QTest::mouseClick(list->viewport(), Qt::RightButton, {}, centre(other())); });
  step([&] {
    const int from = std::max(0, list->currentRow()), to = other();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, centre(from));
    QTest::mouseMove(list->viewport(), centre(to));
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, centre(to));
    out.rowAfterDrag = list->currentRow() == from;
  });
  // No row chosen, the focus elsewhere, then taken by Tab (in the active
  // window: a handler's own windows may have taken the activation).
  list->window()->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(list->window()));
  step([&] {
    list->setCurrentRow(-1);
    list->clearFocus();
    list->setFocus(Qt::TabFocusReason);
  });
  EXPECT_TRUE(list->hasFocus()) << list->objectName().toStdString();
  out.rowAfterFocus = list->currentRow();
  out.runs = step.runs;
  list->setCurrentRow(original);
  return out;
}

// The same five acts on a page control.
std::vector<int> ActOnPages(QTabWidget* pages) {
  const int original = pages->currentIndex();
  Acts step([pages] { return Runs(pages, kPageWatchName); });
  const auto other = [pages] {
    for (int i = 0; i < pages->count(); ++i)
      if (i != pages->currentIndex() && pages->isTabVisible(i) && pages->isTabEnabled(i)) return i;
    return pages->currentIndex();
  };
  QTabBar* bar = pages->tabBar();
  step([&] { pages->setCurrentIndex(other()); });
  step([&] { QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(other()).center()); });
  step([&] { QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(pages->currentIndex()).center()); });
  step([&] { QTest::keyClick(pages, Qt::Key_Tab, Qt::ControlModifier); });
  step([&] {
    pages->clearFocus();
    pages->setFocus(Qt::TabFocusReason);
  });
  pages->setCurrentIndex(original);
  return step.runs;
}

class HandlerEvents : public ProgramWindowsTest {
 protected:
  void SetUp() override {
    ProgramWindowsTest::SetUp();
    LayOutProgramFolder();
    const QString model = folder_.file(QString::fromUtf8("Metsätilat/Mallitila"));
    ASSERT_TRUE(QDir().mkpath(model));
    const QString built = QString::fromUtf8(NORVALEN_MODEL_ESTATE_DIR);
    for (const QString& name : QDir(built).entryList(QDir::Files))
      ASSERT_TRUE(QFile::copy(built + "/" + name, model + "/" + name));
    stand_ = model + "/5.Norvalen";
    Start();
    ASSERT_TRUE(QTest::qWaitFor([] { return IntroForm->isVisible() && !IntroForm->FirstActivation; }, 10000));
  }
  QString stand_;
};

// A list's and a page control's handler: clicks and keys of the user (a
// click on the chosen row too), never the program's setting, and the focus
// taken chooses nothing.
const std::vector<int> kListRuns = {0, 1, 1, 1, 0, 1, 0};
const std::vector<int> kPageRuns = {0, 1, 0, 1, 0};

TEST_F(HandlerEvents, ListsAndPageControlsOfEveryWindowRunTheirHandlersForTheUsersClicksAndKeysOnly) {
  std::set<const QWidget*> visited;
  const auto checkList = [&](QListWidget* list) {
    const std::string name = list->window()->objectName().toStdString() + "." + list->objectName().toStdString();
    ASSERT_GE(list->count(), 2) << name;
    Raise(list->window());
    ListActs acts;
    ClosingModals(list->window(), [&] { acts = ActOnList(list); });
    EXPECT_EQ(std::tuple(acts.runs, acts.rowAfterDrag, acts.rowAfterFocus), std::tuple(kListRuns, true, -1)) << name;
    visited.insert(list);
  };
  const auto checkPages = [&](QTabWidget* pages) {
    Raise(pages->window());
    std::vector<int> runs;
    ClosingModals(pages->window(), [&] { runs = ActOnPages(pages); });
    EXPECT_EQ(runs, kPageRuns) << pages->window()->objectName().toStdString() << "."
                               << pages->objectName().toStdString();
    visited.insert(pages);
  };

  // The start window's size list, before a stand is opened; the open-stand
  // window's stand list in list mode, from the start window.
  checkList(IntroForm->ListBox1);
  script_.AnswerFile(stand_);
  EXPECT_TRUE(InModal(
      OpenWindowUp,
      [&] {
        checkList(OpenForm->ListBox1);
        Click(OpenForm->Button3);
      },
      [] { Click(IntroForm->Button3); }));
  ASSERT_NE(TheSession->CurrentStand, nullptr);
  // The main window: the stand list, the cutting stage, the estate folders,
  // the pages and the overview page's chart content.
  for (QListWidget* list :
       std::initializer_list<QListWidget*>{ActForm->ListBox1, ActForm->ListBox3, ActForm->DirectoryListBox1})
    checkList(list);
  checkPages(ActForm->PageControl2);
  ActForm->PageControl2->setCurrentWidget(ActForm->TabSheet6);
  checkList(ActForm->ListBox2);
  // The measurement window of the open stand: its grouping list.
  EXPECT_TRUE(InModal([] { return MeasForm->isVisible() && MeasForm->Initialised; },
                      [&] {
                        checkList(MeasForm->ListBox2);
                        Click(MeasForm->Button1);
                      },
                      [] { NewStandFromMeasurementWindow(true); }));
  // The price settings, the help window, the estate overview, the thinning
  // and regeneration dialogs (shown here without a trial).
  checkList(SettForm->ListBox2);
  checkList(SettForm->ListBox1);
  checkList(HelpDlg->ListBox1);
  checkPages(HelpDlg->PageControl1);
  FolderForm->SetupRequested = 1;
  checkList(FolderForm->ListBox1);
  checkList(Th1Form->ListBox3);
  checkPages(Th1Form->PageControl1);
  checkPages(ClearForm->PageControl1);
  for (QWidget* w : {static_cast<QWidget*>(SettForm), static_cast<QWidget*>(HelpDlg), static_cast<QWidget*>(FolderForm),
                     static_cast<QWidget*>(Th1Form), static_cast<QWidget*>(ClearForm)})
    w->hide();

  // No list or page control of the program is left out.
  for (QWidget* window : QApplication::topLevelWidgets())
    for (const char* watch : {kListWatchName, kPageWatchName})
      for (const QObject* w : window->findChildren<QObject*>(QLatin1String(watch)))
        EXPECT_TRUE(visited.count(static_cast<const QWidget*>(w->parent())))
            << window->objectName().toStdString() << "." << w->parent()->objectName().toStdString();
}

// The acts on a radio group, each with the changes it signalled: a click on
// another item, on the item chosen, an arrow key, the program choosing
// another item, the item chosen, new items, the focus taken by Tab.
std::vector<int> ActOnGroup(TRadioGroup* group) {
  QSignalSpy spy(group, &TRadioGroup::Clicked);
  Acts step([&spy] { return static_cast<int>(spy.count()); });
  const int original = group->ItemIndex();
  const auto other = [group] { return group->ItemIndex() == 1 ? 0 : 1; };
  step([&] { ClickItem(group, other()); });
  step([&] { ClickItem(group, std::max(0, group->ItemIndex())); });
  step([&] {
    // The arrow that points from the chosen item to the other one.
    QAbstractButton* chosen = group->Item(std::max(0, group->ItemIndex()));
    const QPoint d = group->Item(other())->geometry().center() - chosen->geometry().center();
    const Qt::Key key = std::abs(d.x()) > std::abs(d.y()) ? (d.x() > 0 ? Qt::Key_Right : Qt::Key_Left)
                                                          : (d.y() > 0 ? Qt::Key_Down : Qt::Key_Up);
    group->window()->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(group->window()));
    chosen->setFocus(Qt::TabFocusReason);
    QTest::keyClick(chosen, key);
  });
  step([&] { group->SetItemIndex(other()); });
  step([&] { group->SetItemIndex(group->ItemIndex()); });
  QStringList items;
  for (int i = 0; i < group->Count(); ++i) items << group->ItemText(i);
  step([&] { group->SetItems(items); });
  group->SetItemIndex(std::max(0, original));
  step([&] {
    group->window()->setFocus();
    group->Item(group->ItemIndex())->setFocus(Qt::TabFocusReason);
  });
  group->SetItemIndex(original);
  return step.runs;
}

// The acts on a check box: a click, the program changing the tick, setting
// it as it is, the focus taken by Tab.
std::vector<int> ActOnBox(QCheckBox* box) {
  QSignalSpy spy(box, &QCheckBox::toggled);
  Acts step([&spy] { return static_cast<int>(spy.count()); });
  const bool original = box->isChecked();
  step([&] { Tick(box); });
  step([&] { box->setChecked(!box->isChecked()); });
  step([&] { box->setChecked(box->isChecked()); });
  step([&] {
    box->window()->setFocus();
    box->setFocus(Qt::TabFocusReason);
  });
  box->setChecked(original);
  return step.runs;
}

const std::vector<int> kGroupRuns = {1, 0, 1, 1, 0, 0, 0};
const std::vector<int> kBoxRuns = {1, 1, 0, 0};
// Boxes whose handler puts a new tick back at once, through the same
// handler: the refused language, the stem price whose question was not
// answered "Jatka", the timber sale that the report's box opened and that
// was closed without attaching it, the removal sample of a stand without a
// cutting.
const std::vector<int> kPutBackRuns = {2, 2, 0, 0};
const std::set<QString> kPutBack = {"SettForm2.CheckBox6", "TradeForm.CheckBox14", "TradeForm.CheckBox15",
                                    "RapForm.CheckBox3", "ActForm.CheckBox33"};

TEST_F(HandlerEvents, RadioGroupsAndCheckBoxesOfEveryWindowSignalTheUsersAndTheProgramsChanges) {
  OpenFromTheList(stand_);
  // Every window of the program, shown on its own; the controls that are
  // on the screen and enabled there.
  int groups = 0, boxes = 0;
  QWidgetList windows = QApplication::topLevelWidgets();
  std::sort(windows.begin(), windows.end(),
            [](const QWidget* a, const QWidget* b) { return a->objectName() < b->objectName(); });
  for (QWidget* window : windows) {
    if (window->objectName().isEmpty() || window->parentWidget()) continue;
    const bool wasShown = window->isVisible();
    Raise(window);
    ClosingModals(window, [&] {
      for (TRadioGroup* g : window->findChildren<TRadioGroup*>()) {
        if (!g->isVisible() || !g->isEnabled() || g->Count() < 2) continue;
        ++groups;
        EXPECT_EQ(ActOnGroup(g), kGroupRuns)
            << window->objectName().toStdString() << " " << g->objectName().toStdString();
      }
      for (QCheckBox* b : window->findChildren<QCheckBox*>()) {
        if (!b->isVisible() || !b->isEnabled()) continue;
        ++boxes;
        const QString name = window->objectName() + "." + b->objectName();
        EXPECT_EQ(ActOnBox(b), kPutBack.count(name) ? kPutBackRuns : kBoxRuns) << name.toStdString();
      }
    });
    if (!wasShown) window->hide();
  }
  EXPECT_GE(std::pair(groups, boxes), std::pair(14, 45));
}

// A dialog that a main-window button opens (after its busy display), with
// `fn` run in it; `fn` closes it.
void InDialog(QWidget* dialog, QAbstractButton* opener, const std::function<void()>& fn) {
  EXPECT_TRUE(InModal([dialog] { return dialog->isVisible(); }, fn, [opener] { Click(opener); }))
      << dialog->objectName().toStdString();
}

QCheckBox* SaleRowBox(int assortment) {
  for (const TTradeForm::SaleRow& r : TradeForm->Rows)
    if (r.assortment == assortment) return r.box;
  return nullptr;
}

}  // namespace

// Model stand 5 after strip roads of 4.0 m (price class 0): the pine stem
// price taken ("Jatka") and the pine log row unticked by the user; then the
// roads undone and a clear-cut made (price class 1). The sale opened again
// resets its prices: the stem box unticked by the program runs its handler,
// which switches back to the log price and ticks the log row again, so the
// total is that of every row with a volume.
TEST_F(HandlerEvents, PriceClassResetUntickingTheStemPriceTicksItsLogRowAgain) {
  OpenFromTheList(stand_);
  const int opened = CurrentPhase();
  ClickRow(ActForm->ListBox3, 0);
  InDialog(RoadForm, ActForm->Button5, [] {
    for (int i = 0; i < RoadForm->RadioGroup2->Count(); ++i)
      if (RoadForm->RadioGroup2->ItemText(i) == "4.0") ClickItem(RoadForm->RadioGroup2, i);
    Click(Child<QAbstractButton>(RoadForm, "BitBtn1"));
  });
  ASSERT_EQ(CurrentPhase(), opened + 1);
  InDialog(TradeForm, ActForm->Panel11, [this] {
    script_.Answer(1);
    Click(TradeForm->CheckBox14);
    ASSERT_TRUE(TradeForm->CheckBox14->isChecked());
    Click(SaleRowBox(PineLogs));
    EXPECT_FALSE(SaleRowBox(PineLogs)->isChecked());
    Click(TradeForm->Button2);
  });
  Click(ActForm->Button12);
  ClickRow(ActForm->ListBox3, 1);
  InDialog(ClearForm, ActForm->Button14, [] {
    QTabBar* bar = ClearForm->PageControl1->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    Click(Child<QAbstractButton>(ClearForm, "BitBtn1"));
  });
  ASSERT_EQ(CurrentPhase(), opened + 1);
  InDialog(TradeForm, ActForm->Panel11, [] {
    EXPECT_EQ(
        std::tuple(TradeForm->CheckBox14->isChecked(), SaleRowBox(PineLogs)->isChecked(), TradeForm->Label43->text()),
        std::tuple(false, true, QString::fromUtf8("10428 €")));
    Click(TradeForm->Button2);
  });
}
