#pragma once
// The map window's arithmetic, without a widget: how much of a picture is
// shown, whether it is scrolled, and the window's size around it.

#include <QString>

// The visible area of a picture of w x h pixels and the allowance for the
// scroll bars: up to 1000 x 700 pixels are shown, a larger side is scrolled.
struct MapView {
  int visibleWidth = 0;
  int visibleHeight = 0;
  int extraWidth = 0;   // room for the vertical scroll bar
  int extraHeight = 0;  // room for the horizontal scroll bar
  bool scrolled = false;
};
MapView MapViewFor(int pictureWidth, int pictureHeight);

// The window width of the whole layout (the picture above a row of buttons):
// at least 370 pixels.
int WholeMapWindowWidth(int imageWidth);
// The window size of the scrolled layout (a button column at the left,
// imageLeft its width + 1): at least 370 x 260 pixels.
int ScrolledMapWindowWidth(int imageLeft, const MapView& view);
int ScrolledMapWindowHeight(int captionHeight, int imageTop, const MapView& view);
// The scrolled layout's view of a picture of w x h pixels made smaller where
// its window would be larger than the screen, until the window fits; a side
// that becomes cut gets the room for its scroll bar.
MapView FitMapViewToScreen(MapView view, int pictureWidth, int pictureHeight, int imageLeft, int captionHeight,
                           int screenWidth, int screenHeight);

// The label over a shown map: "karttatiedosto  :  " and the file's name.
QString MapFileLabel(const QString& path);

// The model estate's own map in a stand-file folder: folder + "/Mallitila.jpg".
QString ModelEstateMapPath(const QString& standFolder);
// True when the two folders are the same folder (compared as canonical
// paths when they exist, else as cleaned paths).
bool SameFolder(const QString& a, const QString& b);
