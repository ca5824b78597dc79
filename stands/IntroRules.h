#pragma once
// The window-size choices of the start window, without a widget.

#include <QSize>
#include <QString>

// Window-size choices of the start window.
struct SizeChoice {
  bool listVisible = false;
  int itemIndex = -1;          // 0 suuri, 1 keski, 2 pieni, -1 none
  int smallestSizeIndex = -1;  // the smallest index the user may choose
};
// The offered choice for a computed main-window size on a screen of the given
// width.
SizeChoice SizeChoiceFor(int mainWindowWidth, int mainWindowHeight, int screenWidth);
// The target size of a choice: 0 the full screen, 1 1366 x 768, 2 1280 x 720.
QSize TargetSizeOfChoice(int index, int screenWidth, int screenHeight);

// The filter of the stand-file dialogs as the start window keeps it:
// "<files>    ( * . <extension> )|*.<extension>".
QString StandFileOpenFilter();
