// Entry of the window tests: one QApplication on the offscreen platform for
// all cases, with the program's fonts, pauses switched off.
#include "ui/Application.h"
#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "ui/WindowHelpers.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TApplication app(argc, argv);
  // The fonts as the program's start sets them, for every window a test makes.
  InstallFontSubstitutions();
  platform::SetPauseFunction([](int) {});
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
