#!/usr/bin/env bash
# Builds Norvalen and runs every test: a Release build with all tests on the
# offscreen Qt platform, then every test again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh
norvalen_install_missing

jobs=$(norvalen_jobs)
norvalen_use_compiler_cache
export QT_QPA_PLATFORM=offscreen

echo "== Release build"
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release $launcher >/dev/null
cmake --build build/release -j "$jobs"
echo "== Tests"
ctest --test-dir build/release --no-tests=error --output-on-failure -j "$jobs" --timeout 300

echo "== Sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer)"
# -O1 without debug information: quick to build, and the reports still name
# the functions.
cmake -S . -B build/asan $launcher -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O1 -DCMAKE_C_FLAGS_DEBUG=-O1 \
      -DNORVALEN_SANITIZE=ON -DNORVALEN_GUI=ON -DNORVALEN_BENCH=OFF >/dev/null
cmake --build build/asan -j "$jobs"
echo "== Tests under the sanitizers"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  ctest --test-dir build/asan --no-tests=error --output-on-failure -j "$jobs" -L engine --timeout 600
# Qt keeps allocations of its own until the process ends (fonts, plugins,
# style): leak reports of the window tests would be about Qt, not the program.
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
  ctest --test-dir build/asan --no-tests=error --output-on-failure -j "$jobs" -L gui --timeout 600
