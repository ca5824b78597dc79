// Entry of the window tests: one QApplication on the offscreen platform for
// all cases, pauses switched off.
#include "ui/Application.h"
#include <gtest/gtest.h>

#include "platform/Clock.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TApplication app(argc, argv);
  platform::SetPauseFunction([](int) {});
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
