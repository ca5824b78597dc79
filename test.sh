#!/usr/bin/env bash
# Builds Norvalen and runs every test: a Release build with all tests on the
# offscreen Qt platform, then the tests without windows again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh
norvalen_install_missing

jobs=$(norvalen_jobs)
export QT_QPA_PLATFORM=offscreen

echo "== Release build"
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$jobs"
echo "== Tests"
ctest --test-dir build/release --output-on-failure -j "$jobs" --timeout 300

echo "== Sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer)"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNORVALEN_SANITIZE=ON \
      -DNORVALEN_GUI=OFF -DNORVALEN_BENCH=OFF >/dev/null
cmake --build build/asan -j "$jobs"
echo "== Tests under the sanitizers"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/asan --output-on-failure -j "$jobs" -L engine --timeout 600
