#include "platform/Screen.h"

namespace platform {

namespace {
ScreenMetrics g_metrics;
}

ScreenMetrics GetScreenMetrics() { return g_metrics; }
void SetScreenMetrics(const ScreenMetrics& m) { g_metrics = m; }

}  // namespace platform
