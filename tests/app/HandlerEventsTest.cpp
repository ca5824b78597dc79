// When the handlers of every window run, driven as the user drives them:
// every list, page control, radio group and check box with a handler,
// through mouse clicks on another item and on the chosen one, keys, the
// program's changes and the focus taken by Tab. A list's or page control's
// runs are counted by its one watcher, a radio group's or check box's by the
// change signal its handler follows. Then the road of a price class reset.
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <vector>

#include "estate/Folder.h"
#include "estate/Trade.h"
#include "mainwindow/Help.h"
#include "operations/Clear.h"
#include "operations/Roads.h"
#include "operations/Th1.h"
#include "stands/Meas.h"
#include "stands/Settings.h"
#include "tests/support/MainWindowFixture.h"
#include "ui/ListClicks.h"

namespace {

using namespace testsupport;

// Runs `fn` with every modal window a handler opens meanwhile (other than
// `keep`) closed as soon as it is up.
void ClosingModals(QWidget* keep, const std::function<void()>& fn) {
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [keep] {
    auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (d && d != keep && d->isVisible()) d->reject();
  });
  closer.start(5);
  fn();
}

void Raise(QWidget* window) {
  if (!window->isVisible()) window->show();
  window->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << window->objectName().toStdString();
}

// The focus taken by Tab from elsewhere.
void TabInto(QWidget* w) {
  w->clearFocus();
  w->setFocus(Qt::TabFocusReason);
}

// Each act with the handler runs (or change signals) it gave.
struct Acts {
  explicit Acts(std::function<int()> counter) : count(std::move(counter)) {}
  std::function<int()> count;
  std::vector<int> runs;
  void operator()(const std::function<void()>& act) {
    const int before = count();
    act();
    QApplication::processEvents();
    runs.push_back(count() - before);
  }
};

// The handler runs counted by the control's watcher.
std::function<int()> WatchedRuns(const QWidget* control, const char* watch) {
  const QObject* w = control->findChild<QObject*>(QLatin1String(watch), Qt::FindDirectChildrenOnly);
  EXPECT_NE(w, nullptr) << control->objectName().toStdString() << " has no watcher";
  return [w] { return w ? w->property(kHandlerRunsProperty).toInt() : 0; };
}

// A list: a row set by the program, a click on another row, on the chosen
// row, a move by the keys, the right button on another row, a drag from the
// chosen row to another (the row pressed stays chosen), the focus taken by
// Tab with no row chosen (none is chosen then).
std::vector<int> ActOnList(QListWidget* list) {
  const int original = list->currentRow();
  Acts step{WatchedRuns(list, kListWatchName)};
  const auto other = [list] { return list->currentRow() == 1 ? 0 : 1; };
  const auto centre = [list](int row) {
    list->scrollToItem(list->item(row));
    return list->visualItemRect(list->item(row)).center();
  };
  step([&] { list->setCurrentRow(other()); });
  step([&] { ClickRow(list, other()); });
  step([&] { ClickRow(list, std::max(0, list->currentRow())); });
  step([&] { QTest::keyClick(list, list->currentRow() > 0 ? Qt::Key_Up : Qt::Key_Down); });
  step([&] { QTest::mouseClick(list->viewport(), Qt::RightButton, {}, centre(other())); });
  step([&] {
    const int from = std::max(0, list->currentRow()), to = other();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, centre(from));
    QTest::mouseMove(list->viewport(), centre(to));
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, centre(to));
    EXPECT_EQ(list->currentRow(), from) << "after the drag";
  });
  Raise(list->window());  // a handler's own windows may have taken the activation
  step([&] {
    list->setCurrentRow(-1);
    TabInto(list);
  });
  EXPECT_EQ(std::pair(list->hasFocus(), list->currentRow()), std::pair(true, -1)) << "after the focus";
  list->setCurrentRow(original);
  return step.runs;
}

// A page control: a page set by the program, a click on another page, on
// the page shown, Ctrl+Tab, the focus taken by Tab.
std::vector<int> ActOnPages(QTabWidget* pages) {
  const int original = pages->currentIndex();
  Acts step{WatchedRuns(pages, kPageWatchName)};
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
  step([&] { TabInto(pages); });
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

// A list's and a page control's handler runs for the user's clicks (the
// chosen row too) and keys, never for the program's setting or the focus.
const std::vector<int> kListRuns = {0, 1, 1, 1, 0, 1, 0};
const std::vector<int> kPageRuns = {0, 1, 0, 1, 0};

TEST_F(HandlerEvents, ListsAndPageControlsOfEveryWindowRunTheirHandlersForTheUsersClicksAndKeysOnly) {
  std::set<const QWidget*> visited;
  std::set<QWidget*> shownHere;
  // Each control in its window, raised.
  const auto check = [&](std::initializer_list<QWidget*> controls) {
    for (QWidget* c : controls) {
      QWidget* window = c->window();
      SCOPED_TRACE(window->objectName().toStdString() + "." + c->objectName().toStdString());
      if (!window->isVisible()) shownHere.insert(window);
      Raise(window);
      auto* list = qobject_cast<QListWidget*>(c);
      ASSERT_TRUE(!list || list->count() >= 2);
      std::vector<int> runs;
      ClosingModals(window, [&] { runs = list ? ActOnList(list) : ActOnPages(static_cast<QTabWidget*>(c)); });
      EXPECT_EQ(runs, list ? kListRuns : kPageRuns);
      visited.insert(c);
    }
  };

  // The start window's size list; the open-stand window's stand list in
  // list mode, from the start window.
  check({IntroForm->ListBox1});
  EXPECT_TRUE(OpenThroughTheList(stand_, [&] {
    check({OpenForm->ListBox1});
    Click(OpenForm->Button3);
  }));
  ASSERT_NE(TheSession->CurrentStand, nullptr);
  // The main window: the stand list, the cutting stage, the estate folders,
  // the pages and the overview page's chart content.
  check({ActForm->ListBox1, ActForm->ListBox3, ActForm->DirectoryListBox1, ActForm->PageControl2});
  ActForm->PageControl2->setCurrentWidget(ActForm->TabSheet6);
  check({ActForm->ListBox2});
  // The open stand's measurement window: its grouping list.
  EXPECT_TRUE(InModal([] { return MeasForm->isVisible() && MeasForm->Initialised; },
                      [&] {
                        check({MeasForm->ListBox2});
                        Click(MeasForm->Button1);
                      },
                      [] { NewStandFromMeasurementWindow(true); }));
  // The price settings, the help window, the estate overview, the thinning
  // and regeneration dialogs (shown here without a trial).
  check({SettForm->ListBox2, SettForm->ListBox1, HelpDlg->ListBox1, HelpDlg->PageControl1});
  FolderForm->SetupRequested = 1;
  check({FolderForm->ListBox1, Th1Form->ListBox3, Th1Form->PageControl1, ClearForm->PageControl1});
  for (QWidget* w : shownHere) w->hide();

  // No list or page control of the program is left out.
  for (QWidget* window : QApplication::topLevelWidgets())
    for (const char* watch : {kListWatchName, kPageWatchName})
      for (const QObject* w : window->findChildren<QObject*>(QLatin1String(watch)))
        EXPECT_TRUE(visited.count(static_cast<const QWidget*>(w->parent())))
            << window->objectName().toStdString() << "." << w->parent()->objectName().toStdString();
}

// A radio group: a click on another item, on the item chosen, the arrow key
// towards the other item, the program choosing another item, the item
// chosen, new items, the focus taken by Tab.
std::vector<int> ActOnGroup(TRadioGroup* group) {
  QSignalSpy spy(group, &TRadioGroup::Clicked);
  Acts step{[&spy] { return static_cast<int>(spy.count()); }};
  const int original = group->ItemIndex();
  const auto other = [group] { return group->ItemIndex() == 1 ? 0 : 1; };
  step([&] { ClickItem(group, other()); });
  step([&] { ClickItem(group, std::max(0, group->ItemIndex())); });
  step([&] {
    QAbstractButton* chosen = group->Item(std::max(0, group->ItemIndex()));
    const QPoint d = group->Item(other())->geometry().center() - chosen->geometry().center();
    const Qt::Key key = std::abs(d.x()) > std::abs(d.y()) ? (d.x() > 0 ? Qt::Key_Right : Qt::Key_Left)
                                                          : (d.y() > 0 ? Qt::Key_Down : Qt::Key_Up);
    Raise(group->window());
    chosen->setFocus(Qt::TabFocusReason);
    QTest::keyClick(chosen, key);
  });
  step([&] { group->SetItemIndex(other()); });
  step([&] { group->SetItemIndex(group->ItemIndex()); });
  QStringList items;
  for (int i = 0; i < group->Count(); ++i) items << group->ItemText(i);
  step([&] { group->SetItems(items); });
  group->SetItemIndex(std::max(0, original));
  step([&] { TabInto(group->Item(group->ItemIndex())); });
  group->SetItemIndex(original);
  return step.runs;
}

// A check box: a click, the program changing the tick, setting it as it is,
// the focus taken by Tab.
std::vector<int> ActOnBox(QCheckBox* box) {
  QSignalSpy spy(box, &QCheckBox::toggled);
  Acts step{[&spy] { return static_cast<int>(spy.count()); }};
  const bool original = box->isChecked();
  step([&] { Tick(box); });
  step([&] { box->setChecked(!box->isChecked()); });
  step([&] { box->setChecked(box->isChecked()); });
  step([&] { TabInto(box); });
  box->setChecked(original);
  return step.runs;
}

const std::vector<int> kGroupRuns = {1, 0, 1, 1, 0, 0, 0};
const std::vector<int> kBoxRuns = {1, 1, 0, 0};
// Boxes whose handler puts a new tick back at once, through the same
// handler: the refused language, the stem price not answered "Jatka", the
// report's timber sale closed without attaching it, the removal sample of a
// stand without a cutting.
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
    ClickItem(RoadForm->RadioGroup2, "4.0");
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
    ClickTab(ClearForm->PageControl1, ClearForm->PageControl1->widget(1));
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
