#pragma once
// Caption texts and window arithmetic shared by every window, without a
// widget.

#include <QString>

class data;

// The text with one blank in front unless it already starts with one
// (an empty text gives a single blank).
QString PadCaption(const QString& text);

// The caption of a window about the stand: the stand's title (style 2), a
// comma and the subject as given; padded.
QString StandWindowCaption(const data& stand, const QString& subject);

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

// A window's offset on the screen by a factor of the free space:
// trunc((screen extent - window extent) x factor).
int ScreenOffset(int screenExtent, int windowExtent, double factor);

// Height classes of the main window's height: 0 = exactly 700, 1 = below
// 728, 2 = below 752.
bool IsWindowHeightClass(int heightClass, int height);

// The widest main-window sizes: 1920 when forced, else 1 when the screen is
// at least 1536 pixels wide, else 0.
int ScreenAllowsLargeWindow(bool forced, int screenWidth);

// Shape of a width and height, tested in this order.
enum class ScreenShape { FourThree, SixteenNine, SixteenTen, FiveFour, Other };
ScreenShape ShapeOf(int width, int height);
bool IsSixteenNine(int width, int height);
bool IsSixteenTen(int width, int height);
