#pragma once
// The program's windows by name: every window made at start is listed here
// (app/ makes them), so that a window can find another one as a plain widget
// (to place itself over it, or to use it as a dialog's parent) without
// knowing its class.

#include <QDialog>
#include <QString>

// Lists a window (in the order made).
void AddApplicationWindow(QWidget* window);
// Takes the last window listed off the list (nullptr when none is left).
QWidget* TakeLastApplicationWindow();
// The listed window of that object name (nullptr if none).
QWidget* ApplicationWindow(const QString& name);
// The main window: the first window made (nullptr before it is made).
QWidget* MainApplicationWindow();

// A window whose contents are built later: it exists with its name, caption
// and size so that every window of the program is there from the start.
class TPendingWindow : public QDialog {
  Q_OBJECT
 public:
  TPendingWindow(const QString& name, int width, int height, QWidget* parent = nullptr);
};
