#include "ui/ListClicks.h"

#include <QEvent>
#include <QListWidget>
#include <QSignalBlocker>

namespace {

class ListClickWatch : public QObject {
 public:
  ListClickWatch(QListWidget* list, std::function<void()> onChosenRowClick)
      : QObject(list), list_(list), onChosenRowClick_(std::move(onChosenRowClick)) {
    list->viewport()->installEventFilter(this);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { KeepHighlightOnCurrentRow(); });
    connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
      // One click per press: the release after a double click's second
      // press is not a further click on the chosen row.
      const bool chosen = item && list_->row(item) == rowAtPress_;
      rowAtPress_ = -2;
      if (chosen && onChosenRowClick_) onChosenRowClick_();
    });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::MouseButtonPress && watched == list_->viewport()) rowAtPress_ = list_->currentRow();
    return false;
  }

 private:
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
  std::function<void()> onChosenRowClick_;
  int rowAtPress_ = -2;  // the current row when the mouse went down on the list
};

}  // namespace

void WatchListClicks(QListWidget* list, std::function<void()> onChosenRowClick) {
  new ListClickWatch(list, std::move(onChosenRowClick));
}
