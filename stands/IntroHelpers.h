#pragma once
// Small helpers of the start window that every window uses: the caption
// padding, the fonts and the fitting of a window's height to its lowest
// control.

#include <QFont>
#include <QString>

class QWidget;

// The text with one blank in front unless it already starts with one
// (an empty text gives a single blank).
QString PadCaption(const QString& text);

// The main window's caption: the program title with a stand open, otherwise
// the text for opening a stand list or making a new stand; padded.
QString MainWindowTitle(bool hasStand);
QString ProgramTitleText();

// A main-window text built from a path: n = the path's last part; mode 1
// "hakemisto n", 2 "Hakemisto n", 3 "kuviolista n", 4 "Kuviolista n",
// 5 "kuviolista   •   hakemisto n", any other mode n.
QString WindowTextByMode(const QString& path, int mode);

// Outer window height for a lowest control ending at top + height: adds the
// caption height and the frame, 6 pixels, or 7 when the caption is 20 pixels
// or more.
int FittedFormHeight(int top, int height, int captionHeight);
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
// The same arithmetic without a window.
int ScreenOffset(int screenExtent, int windowExtent, double factor);

// A font of the family at a size in pixels (the windows' layouts are in
// pixels, so their fonts are too).
QFont PixelFont(const QString& family, int pixelSize, bool bold = false);

// Maps the fonts the windows name to the metric-compatible fonts installed
// with the program (Calibri -> Carlito, Arial -> Liberation Sans, ...). Run
// once at start, before any window is made.
void InstallFontSubstitutions();
