#pragma once
// Set-up shared by the window benchmarks.

#include "mainwindow/Acts.h"
#include "platform/Screen.h"
#include "app/Startup.h"
#include "ui/WindowHelpers.h"

// The program's windows made offscreen for a 1366 x 768 screen, the main
// window laid out as it opens there.
inline void CreateWindowsAt1366x768() {
  InstallFontSubstitutions();
  platform::SetScreenMetrics({.width = 1366, .height = 768});
  CreateApplicationWindows();
  ActForm->ComputeMainWindowSize(1366, 768, false);
  ActForm->ArrangeMainWindow(true);
}
