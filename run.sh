#!/usr/bin/env bash
# Builds Norvalen (Release) and starts it with ~/Norvalen/Ohjelma as the
# program folder: "Settings.dat" is kept there and the estates folder
# "Metsätilat" beside it. Without a display the program runs on a virtual
# one (Xvfb).
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

program_folder="$HOME/Norvalen/Ohjelma"
mkdir -p "$program_folder" "$HOME/Norvalen/Metsätilat"

# The model estate: its files that are missing are laid out; a file already
# there (the user's) is never overwritten.
scripts/lay-out-model-estate.sh "$repo/build/release/ModelEstate/Mallitila" "$HOME/Norvalen/Metsätilat/Mallitila"
cd "$program_folder"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Näyttöä ei ole (DISPLAY puuttuu): Norvalen käynnistetään virtuaaliseen näyttöön (Xvfb, 1920 x 1080)."
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$repo/build/release/app/norvalen" "$@"
fi
exec "$repo/build/release/app/norvalen" "$@"
