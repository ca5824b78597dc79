#include "ui/ListClicks.h"

#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>

#include <utility>

namespace {

// How often the watcher ran its handler, for the window tests.
void CountHandlerRun(QObject* watch) {
  watch->setProperty(kHandlerRunsProperty, watch->property(kHandlerRunsProperty).toInt() + 1);
}

// Hands an input event to the object itself (its own event handling, as the
// event filter's caller would next), with `flag` set while the object
// handles it: a change that the object makes meanwhile is the user's. The
// event's acceptance is left as the object set it, so that an ignored key
// still goes on to the parents.
bool DeliverAsUserInput(QObject* watched, QEvent* e, bool& delivering, bool& flag) {
  delivering = true;
  flag = true;
  watched->event(e);
  flag = false;
  delivering = false;
  return true;
}

// A view makes its first row current when it takes the focus with none,
// unless a current row was set since its rows were last reset: setting none
// keeps none.
void KeepNoCurrentRowAtFocus(QAbstractItemView* view) {
  if (!view->currentIndex().isValid()) view->setCurrentIndex(QModelIndex());
}

class FocusChoiceWatch : public QObject {
 public:
  explicit FocusChoiceWatch(QAbstractItemView* view) : QObject(view), view_(view) { view->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched == view_ && e->type() == QEvent::FocusIn) KeepNoCurrentRowAtFocus(view_);
    return false;
  }

 private:
  QAbstractItemView* view_;
};

class ListClickWatch : public QObject {
 public:
  ListClickWatch(QListWidget* list, std::function<void()> onClick)
      : QObject(list), list_(list), viewport_(list->viewport()), onClick_(std::move(onClick)) {
    setObjectName(QLatin1String(kListWatchName));
    list->installEventFilter(this);
    viewport_->installEventFilter(this);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { KeepHighlightOnCurrentRow(); });
    // The view tells of a press on a row after making it current: the click,
    // on another row or on the chosen one.
    connect(list, &QAbstractItemView::pressed, this, [this] {
      if (std::exchange(leftPress_, false)) Run();
    });
    // A move by the keys (once per key: the handler's own changes of the row
    // run nothing).
    connect(list, &QListWidget::currentRowChanged, this, [this] {
      if (std::exchange(byKey_, false)) Run();
    });
  }

 protected:
  // (The list and its viewport are compared by address only: while the list
  // is being destroyed they still send events here.)
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched == viewport_) return ViewportEvent(e);
    if (watched != list_ || e->type() != QEvent::KeyPress || delivering_) return false;
    const int key = static_cast<QKeyEvent*>(e)->key();
    if (key != Qt::Key_Tab && key != Qt::Key_Backtab) return DeliverAsUserInput(list_, e, delivering_, byKey_);
    return false;
  }

 private:
  void Run() {
    CountHandlerRun(this);
    onClick_();
  }

  bool ViewportEvent(QEvent* e) {
    switch (e->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        // Only the left button chooses a row.
        if (static_cast<QMouseEvent*>(e)->button() != Qt::LeftButton) return true;
        leftPress_ = true;
        return false;
      case QEvent::MouseButtonRelease:
        leftPress_ = false;
        return false;
      case QEvent::MouseMove:
        // A drag with the button down chooses nothing.
        return (static_cast<QMouseEvent*>(e)->buttons() & Qt::LeftButton) != 0;
      default:
        return false;
    }
  }

  // The one selected row is the current row (none when there is none).
  void KeepHighlightOnCurrentRow() {
    const int row = list_->currentRow();
    const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
    if (row < 0 ? selected.isEmpty() : selected.size() == 1 && selected.front().row() == row) return;
    const QSignalBlocker block(list_);
    if (row >= 0) list_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    else list_->clearSelection();
  }

  QListWidget* list_;
  QWidget* viewport_;
  std::function<void()> onClick_;
  bool leftPress_ = false;   // a left press on the list is being handled
  bool byKey_ = false;       // a key is being handled by the list
  bool delivering_ = false;
};

class PageChangeWatch : public QObject {
 public:
  PageChangeWatch(QTabWidget* pages, std::function<void()> onChange)
      : QObject(pages), pages_(pages), bar_(pages->tabBar()), onChange_(std::move(onChange)) {
    setObjectName(QLatin1String(kPageWatchName));
    pages->installEventFilter(this);
    bar_->installEventFilter(this);
    connect(pages, &QTabWidget::currentChanged, this, [this] {
      if (!std::exchange(byUser_, false)) return;
      CountHandlerRun(this);
      onChange_();
    });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (delivering_ || (watched != pages_ && watched != bar_)) return false;
    switch (e->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseButtonRelease:
      case QEvent::KeyPress:
      case QEvent::Wheel:
        return DeliverAsUserInput(watched, e, delivering_, byUser_);
      default:
        return false;
    }
  }

 private:
  QTabWidget* pages_;
  QTabBar* bar_;
  std::function<void()> onChange_;
  bool byUser_ = false;  // the user's mouse, wheel or key is being handled
  bool delivering_ = false;
};

}  // namespace

void WatchListClicks(QListWidget* list, std::function<void()> onClick) {
  new ListClickWatch(list, std::move(onClick));
  WatchFocusChoice(list);
}

void WatchFocusChoice(QAbstractItemView* view) { new FocusChoiceWatch(view); }

void WatchPageChanges(QTabWidget* pages, std::function<void()> onChange) {
  new PageChangeWatch(pages, std::move(onChange));
}
