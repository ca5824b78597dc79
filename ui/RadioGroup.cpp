#include "ui/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

#include <algorithm>

TRadioGroup::TRadioGroup(QWidget* parent, const QString& name, int columns)
    : QGroupBox(parent), group_(new QButtonGroup(this)), columns_(std::max(1, columns)) {
  setObjectName(name);
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(8, 2, 8, 4);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(0);
  connect(group_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) emit Clicked();
  });
}

void TRadioGroup::SetItems(const QStringList& items) {
  for (QAbstractButton* b : group_->buttons()) {
    group_->removeButton(b);
    delete b;
  }
  for (int i = 0; i < items.size(); ++i) {
    auto* b = new QRadioButton(items[i], this);
    b->setObjectName(objectName() + QStringLiteral("Item") + QString::number(i));
    group_->addButton(b, i);
  }
  PlaceItems();
}

void TRadioGroup::SetColumns(int columns) {
  columns_ = std::max(1, columns);
  PlaceItems();
}

void TRadioGroup::SetColumnMajor(bool columnMajor) {
  columnMajor_ = columnMajor;
  PlaceItems();
}

void TRadioGroup::PlaceItems() {
  auto* grid = static_cast<QGridLayout*>(layout());
  for (QAbstractButton* b : group_->buttons()) grid->removeWidget(b);
  const int rows = std::max(1, (Count() + columns_ - 1) / columns_);
  for (int i = 0; i < Count(); ++i) {
    QAbstractButton* b = group_->button(i);
    if (columnMajor_) grid->addWidget(b, i % rows, i / rows);
    else grid->addWidget(b, i / columns_, i % columns_);
    b->show();
  }
}

int TRadioGroup::ItemIndex() const { return group_->checkedId(); }

void TRadioGroup::SetItemIndex(int index) {
  if (index == ItemIndex()) return;
  if (QAbstractButton* b = group_->button(index)) {
    b->setChecked(true);
    return;
  }
  // No choice.
  group_->setExclusive(false);
  for (QAbstractButton* b : group_->buttons()) b->setChecked(false);
  group_->setExclusive(true);
}

QString TRadioGroup::ItemText(int index) const {
  const QAbstractButton* b = group_->button(index);
  return b ? b->text() : QString();
}

QAbstractButton* TRadioGroup::Item(int index) const { return group_->button(index); }

int TRadioGroup::Count() const { return static_cast<int>(group_->buttons().size()); }
