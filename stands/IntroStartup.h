#pragma once
// The start of the program: the screen's metrics, the fonts and the creation
// of every window in its order.

#include <QDialog>
#include <QStringList>

class QScreen;

// Fills the platform's screen metrics from a screen: its size, and the
// menu-bar height of the enlarged-font question, which follows the logical
// DPI (20 pixels at 96 DPI).
void ReadScreenMetrics(const QScreen* screen);
int MenuBarHeightForDpi(double logicalDpi);

// A window whose contents are built later: it exists with its name, caption
// and size so that every window of the program is there from the start.
class TPendingWindow : public QDialog {
  Q_OBJECT
 public:
  TPendingWindow(const QString& name, int width, int height, QWidget* parent = nullptr);
};

// Creates every window once, in the program's order: the main window first,
// then the start window and the dialogs. Returns the object names in the
// order created.
QStringList CreateApplicationWindows();
// Deletes them again, the last created first.
void DestroyApplicationWindows();
// The window of a name created by CreateApplicationWindows (nullptr if none).
QWidget* ApplicationWindow(const QString& name);
