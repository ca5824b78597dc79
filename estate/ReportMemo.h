#pragma once
// What the stand report and the estate report windows share: the window's
// look, the read-only memo in the report's fixed-pitch font, its lines, and
// the check boxes and buttons on the dark button panel.

#include <QString>
#include <QStringList>

class QCheckBox;
class QDialog;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// A fixed dialog with the windows' font and the caption "Raportti".
void SetUpReportWindow(QDialog* window, const QString& name);
// The memo: read-only, no wrapping, a vertical scroll bar, "Courier New"
// of 12 pixels on palette colour 1.
QPlainTextEdit* MakeReportMemo(QWidget* parent, const QString& name);
QStringList ReportMemoLines(const QPlainTextEdit* memo);
// Replaces the memo's lines; the view shows line showLine at the top (the
// first line of what was added, or the first line of the report).
void ShowReportLines(QPlainTextEdit* memo, const QStringList& lines, int showLine);
// A check box in the colours of the button panel (palette colour 7).
QCheckBox* MakeReportCheckBox(QWidget* panel, const QString& name, const QString& text);
QPushButton* MakeReportButton(QWidget* panel, const QString& name, const QString& text);
