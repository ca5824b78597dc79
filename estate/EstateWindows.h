#pragma once
// Controls that the estate windows share: read-only grids of fixed-width
// text, clickable panels ("info", "Lisätietoja"), buttons, and the opening
// of the estate report.

#include <QColor>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>

class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;
class QWidget;
class TRadioGroup;

// A grid of rows x columns cells without headers, selection or editing.
QTableWidget* MakeEstateGrid(QWidget* parent, const char* name, int rows, int columns);
void SetGridColors(QTableWidget* grid, const QColor& back, const QColor& text);
// Row 0 of the stand table's heading grid.
void SetStandTableHeadings(QTableWidget* grid, bool removalView);
// A caption filling a panel, the panel's clicks passing through it.
QLabel* AddPanelCaption(QFrame* panel, const QString& text);
// A raised panel with a centred caption that runs onClick when clicked.
QFrame* MakeClickPanel(QWidget* parent, const char* name, const QString& caption, std::function<void()> onClick);
// The "info" panel of the estate windows.
QFrame* MakeInfoPanel(QWidget* parent, const char* name, std::function<void()> onClick);
QPushButton* MakeEstateButton(QWidget* parent, const char* name, const QString& caption);
// Runs onClick when the widget is clicked with the left button.
void OnPanelClick(QWidget* panel, std::function<void()> onClick);
// Buttons 26 pixels high side by side, the first at the right edge.
void PlaceButtonRow(std::initializer_list<QPushButton*> rightToLeft, int right, int top);
// Replaces the items of a time-point group and chooses item 0, its click
// handler not run.
void SetTimePointGroupItems(TRadioGroup* group, const QStringList& items);
// The items of a radio group.
QStringList RadioGroupItems(const TRadioGroup* group);
// The notice of the forecast information for the chosen time point of a
// group (the overview's or the charts').
void ShowTimePointForecastInfo(const TRadioGroup* group);
// The estate report window, its third section box captioned as given,
// after the busy display.
void OpenEstateReport(const QString& standSectionCaption);
// The stand report window's place: left = (screen width - width) x 0.5,
// top = (screen height - height - 30) x 0.8, truncated.
void CentreReportWindow(QWidget* report);
