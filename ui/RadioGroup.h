#pragma once
// A group of radio buttons in columns with one chosen item (ItemIndex -1:
// none), the radio group of the windows' layouts. Clicked runs whenever the
// chosen item changes, by the user or by code (SetItemIndex), once per
// change; choosing the item already chosen runs nothing. The windows guard
// their handlers while their own code sets the items.
//
// The items are radio buttons named <group name>Item<i>, so tests find them.

#include <QGroupBox>
#include <QStringList>

class QAbstractButton;
class QButtonGroup;

class TRadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  TRadioGroup(QWidget* parent, const QString& name, int columns);
  // Replaces the items; none is chosen afterwards.
  void SetItems(const QStringList& items);
  int ItemIndex() const;
  void SetItemIndex(int index);
  QString ItemText(int index) const;
  int Count() const;
  int Columns() const { return columns_; }
  // Lays the present items out again in the given number of columns
  // (filled row by row, or column by column when set so).
  void SetColumns(int columns);
  void SetColumnMajor(bool columnMajor);
  QAbstractButton* Item(int index) const;
 signals:
  void Clicked();

 private:
  void PlaceItems();
  QButtonGroup* group_;
  int columns_;
  bool columnMajor_ = false;
};
