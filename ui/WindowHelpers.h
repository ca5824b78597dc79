#pragma once
// Small helpers that every window uses: the fonts, the outer size and place
// of a window and the fitting of its height to its lowest control.

#include <QFont>
#include <QString>

#include "ui/WindowRules.h"

class QTabWidget;
class QWidget;

// Sets the window's height to FittedFormHeight with the screen's caption
// height (the window's client area loses the caption and the frame again).
void FitFormHeight(QWidget* window, int top, int height);

// The outer size of a window (frame and caption included) as the windows'
// layouts count it, and its setting: the client area is the outer size less
// the 3-pixel frame on every side and the caption. The size is fixed: the
// user does not resize the windows.
int OuterWidth(const QWidget* window);
int OuterHeight(const QWidget* window);
void SetOuterSize(QWidget* window, int width, int height);
void SetOuterWidth(QWidget* window, int width);
void SetOuterHeight(QWidget* window, int height);

// The control that has the focus in the window loses it, so that none
// shows it.
void ClearFocus(QWidget* window);

// Centres a window by factors of the free screen space:
// left = trunc((screen width - outer width) x fx), top likewise with fy.
void PlaceOnScreen(QWidget* window, double fx, double fy);

// head + tail, head shortened at its end (to one character at least) until
// the text, in a label of that font, is at most width - margin wide.
QString FitTextToLabel(const QString& head, const QString& tail, int width, int margin, const QFont& font);

// A new page of a page control, named for the tests, with an empty caption.
QWidget* AddTabSheet(QTabWidget* pages, const QString& name);

// A font of the family at a size in pixels (the windows' layouts are in
// pixels, so their fonts are too).
QFont PixelFont(const QString& family, int pixelSize, bool bold = false);

// The program's default font: every control that names no font of its own
// is drawn in it, whatever the desktop's font ("MS Sans Serif" of 11
// pixels, Liberation Sans here).
QFont ProgramDefaultFont();

// Maps the fonts the windows name to the metric-compatible fonts installed
// with the program (Calibri -> Carlito, Arial -> Liberation Sans, ...) and
// makes ProgramDefaultFont the application's font. Run once at start,
// before any window is made.
void InstallFontSubstitutions();
