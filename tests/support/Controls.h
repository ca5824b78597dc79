#pragma once
// The user's hand in the window tests: clicks, ticks, list rows, typing, a
// list item chosen with the keys, and the modal windows a click opens.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "tests/support/FileBytes.h"
#include "ui/RadioGroup.h"

namespace testsupport {

// The control of that object name in the window (a failure when missing).
template <class T = QWidget>
T* Child(const QWidget* window, const char* name) {
  T* w = window->findChild<T*>(QLatin1String(name));
  EXPECT_NE(w, nullptr) << name;
  return w;
}

// A click in the middle of a control.
inline void Click(QWidget* w) {
  ASSERT_NE(w, nullptr);
  QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}
// A click on the box of a check box or radio button.
inline void Tick(QAbstractButton* b) {
  ASSERT_NE(b, nullptr);
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
}
inline void ClickItem(TRadioGroup* group, int i) { Tick(group->Item(i)); }
// A click on the radio group's item of that text (a failure when none).
inline void ClickItem(TRadioGroup* group, const QString& text) {
  for (int i = 0; i < group->Count(); ++i)
    if (group->ItemText(i) == text) return ClickItem(group, i);
  ADD_FAILURE() << group->objectName().toStdString() << " has no item " << text.toStdString();
}
// A click on row i of a list, scrolled into view first.
inline void ClickRow(QListWidget* list, int row) {
  ASSERT_NE(list->item(row), nullptr) << row;
  list->scrollToItem(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}
inline QStringList Rows(const QListWidget* list) {
  QStringList rows;
  for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
  return rows;
}

// Whether the label's text ends in blanks that take its right edge to x,
// and no further than one blank does: with one blank fewer the label would
// end left of x.
inline bool PaddedUpTo(const QLabel* label, int x) {
  if (!label->text().endsWith(QLatin1Char(' ')) || label->x() + label->width() < x) return false;
  QLabel shorter(label->text().chopped(1));
  shorter.setFont(label->font());
  shorter.adjustSize();
  return label->x() + shorter.width() < x;
}

// The text of a grid cell (empty where the cell has no item).
inline QString CellText(const QTableWidget* grid, int row, int column) {
  const QTableWidgetItem* it = grid->item(row, column);
  return it ? it->text() : QString();
}

// A printed PDF's text as pdftotext gives it with the option (empty when it
// cannot be read); laid out as on the page.
inline QString PdfToText(const QString& pdf, const char* option) {
  QProcess p;
  p.start("pdftotext", {option, pdf, "-"});
  return p.waitForFinished(30000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}
inline QString PdfLayoutText(const QString& pdf) { return PdfToText(pdf, "-layout"); }

// Opens a drop-down list and takes the item of that text (blanks ignored)
// with the keys: the open list ignores a mouse release that follows its
// opening too closely.
inline void ChooseItem(QComboBox* list, const QString& text) {
  ASSERT_NE(list, nullptr);
  int index = -1;
  for (int i = 0; i < list->count(); ++i)
    if (list->itemText(i).trimmed() == text.trimmed()) index = i;
  ASSERT_GE(index, 0) << list->objectName().toStdString() << " has no " << text.toStdString();
  list->showPopup();
  QAbstractItemView* view = list->view();
  view->setCurrentIndex(view->model()->index(index, 0));
  QTest::keyClick(view, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(list->currentIndex(), index) << list->objectName().toStdString();
}

// Replaces the text of an edit by typing.
inline void TypeInto(QLineEdit* edit, const QString& text) {
  ASSERT_NE(edit, nullptr);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, text);
}

// Runs `inside` once `ready` holds, in the modal window that `open` opens. A
// click that opens a modal window returns only when the window closes, so
// the step is scheduled before `open` runs (a busy display may come first).
// Returns whether `inside` ran; a window that never opened runs nothing
// later.
inline bool InModal(const std::function<bool()>& ready, const std::function<void()>& inside,
                    const std::function<void()>& open) {
  auto pending = std::make_shared<std::function<void()>>(inside);
  auto ran = std::make_shared<bool>(false);
  auto* timer = new QTimer;
  timer->setInterval(2);
  QElapsedTimer clock;
  clock.start();
  const auto stop = [timer] {
    timer->stop();
    timer->deleteLater();
  };
  QObject::connect(timer, &QTimer::timeout, [=] {
    if (!*pending || clock.hasExpired(10000)) return stop();
    if (!ready()) return;
    stop();
    const std::function<void()> fn = std::move(*pending);
    *pending = nullptr;
    *ran = true;
    fn();
  });
  timer->start();
  open();
  *pending = nullptr;
  return *ran;
}
// The same in the modal window of that object name.
inline bool InModal(const QString& name, const std::function<void()>& inside, const std::function<void()>& open) {
  const auto named = [name] {
    QWidget* m = QApplication::activeModalWidget();
    return m && m->objectName() == name && m->isVisible();
  };
  return InModal(named, inside, open);
}

// The file's bytes (empty when it cannot be read).
inline QByteArray FileBytes(const QString& path) { return ReadAll(path); }

}  // namespace testsupport
