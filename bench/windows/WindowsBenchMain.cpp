// Entry of the window benchmarks: one application on the offscreen platform,
// the pauses switched off (a timing never includes a deliberate pause).
#include <QApplication>
#include <benchmark/benchmark.h>

#include "platform/Clock.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  platform::SetPauseFunction([](int) {});
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
