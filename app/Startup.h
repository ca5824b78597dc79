#pragma once
// The start of the program: the screen's metrics, and the session and every
// window made in their order (and deleted again).

#include <QStringList>

class QScreen;

// Fills the platform's screen metrics from a screen: its size, and the
// menu-bar height of the enlarged-font question, which follows the logical
// DPI (20 pixels at 96 DPI).
void ReadScreenMetrics(const QScreen* screen);
int MenuBarHeightForDpi(double logicalDpi);

// Makes the session, then every window once, in the program's order: the
// main window first, then the start window and the dialogs. Returns the
// windows' object names in the order made.
QStringList CreateApplicationWindows();
// Deletes the windows again, the last made first, and then the session.
void DestroyApplicationWindows();
