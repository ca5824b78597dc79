#pragma once
// Screen metrics as the windows ask for them. The application fills them from
// the primary screen at start; a test sets them to the screen it wants.

namespace platform {

struct ScreenMetrics {
  int width = 1920;          // screen width in pixels
  int height = 1080;         // screen height in pixels
  int captionHeight = 23;    // title-bar height of a window
  int captionButtonHeight = 21;
  int menuBarHeight = 20;    // height of a one-line menu bar
  double logicalDpi = 96.0;  // 96 at the normal font size
};

ScreenMetrics GetScreenMetrics();
void SetScreenMetrics(const ScreenMetrics& m);

}  // namespace platform
