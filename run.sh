#!/usr/bin/env bash
# Builds Norvalen (Release) and starts it with ~/Norvalen/Ohjelma as the
# program folder: "Settings.dat" is kept there and the estates folder
# "Metsätilat" beside it (scripts/norvalen.sh). Without a display the program
# runs on a virtual one (Xvfb).
set -euo pipefail
cd "$(dirname "$0")"
repo=$(pwd)
. scripts/setup.sh
norvalen_install_missing

jobs=$(norvalen_jobs)
norvalen_use_compiler_cache
echo "== Käännetään (Release)"
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release $launcher >/dev/null
cmake --build build/release -j "$jobs" --target norvalen norvalen_model_estate

# The program's folders and the model estate are laid out by the start
# command the installation uses too.
NORVALEN_PROGRAM="$repo/build/release/app/norvalen" \
  NORVALEN_MODEL_ESTATE="$repo/build/release/ModelEstate/Mallitila" \
  exec scripts/norvalen.sh "$@"
