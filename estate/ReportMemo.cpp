#include "estate/ReportMemo.h"

#include <QCheckBox>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>

#include "texts/Commonlan.h"
#include "ui/Palette.h"
#include "ui/WindowHelpers.h"

void SetUpReportWindow(QDialog* window, const QString& name) {
  window->setObjectName(name);
  window->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
  window->setFont(PixelFont(QStringLiteral("Calibri"), 14));
  window->setWindowTitle(PadCaption(CommonlanText(69)));
}

QPlainTextEdit* MakeReportMemo(QWidget* parent, const QString& name) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(name);
  memo->setReadOnly(true);
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setFont(PixelFont(QStringLiteral("Courier New"), 12));
  SetRoleColor(memo, QPalette::Base, PaletteColor(1));
  return memo;
}

QStringList ReportMemoLines(const QPlainTextEdit* memo) {
  const QString text = memo->toPlainText();
  return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void ShowReportLines(QPlainTextEdit* memo, const QStringList& lines, int showLine) {
  memo->setPlainText(lines.join(QLatin1Char('\n')));
  // To the end first, then back to the line: it then stands at the top.
  memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum());
  memo->setTextCursor(QTextCursor(memo->document()->findBlockByLineNumber(qMax(0, showLine))));
  memo->ensureCursorVisible();
  if (showLine <= 0) memo->verticalScrollBar()->setValue(0);
}

QCheckBox* MakeReportCheckBox(QWidget* panel, const QString& name, const QString& text) {
  auto* box = new QCheckBox(text, panel);
  box->setObjectName(name);
  // The box stands on the panel's colour.
  SetRoleColor(box, QPalette::Window, PaletteColor(7));
  SetRoleColor(box, QPalette::WindowText, QColor(240, 240, 240));
  return box;
}

QPushButton* MakeReportButton(QWidget* panel, const QString& name, const QString& text) {
  auto* b = new QPushButton(text, panel);
  b->setObjectName(name);
  b->setAutoDefault(false);
  b->resize(96, 30);
  return b;
}
