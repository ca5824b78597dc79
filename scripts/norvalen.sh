#!/usr/bin/env bash
# Starts Norvalen with ~/Norvalen/Ohjelma as the program folder: "Settings.dat"
# is kept there and the estates folder "Metsätilat" beside it, with the model
# estate laid out in it (only its missing files: a file already there is never
# overwritten). Installed as `norvalen` beside the program; ./run.sh starts the
# program of the build tree through it.
#   NORVALEN_PROGRAM       the program (default: ../libexec/norvalen/norvalen)
#   NORVALEN_MODEL_ESTATE  the model estate as built (default: ../share/norvalen/Mallitila)
# Without a display the program runs on a virtual one (Xvfb) when it is there.
set -euo pipefail
here=$(cd "$(dirname "$(readlink -f "$0")")" && pwd)
program=${NORVALEN_PROGRAM:-$here/../libexec/norvalen/norvalen}
model_estate=${NORVALEN_MODEL_ESTATE:-$here/../share/norvalen/Mallitila}
lay_out=$here/lay-out-model-estate.sh
[ -x "$lay_out" ] || lay_out=$here/../libexec/norvalen/lay-out-model-estate.sh

[ -x "$program" ] || { echo "Ohjelmaa ei löydy: $program" >&2; exit 1; }
program_folder="$HOME/Norvalen/Ohjelma"
mkdir -p "$program_folder" "$HOME/Norvalen/Metsätilat"
"$lay_out" "$model_estate" "$HOME/Norvalen/Metsätilat/Mallitila"
cd "$program_folder"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  if command -v xvfb-run >/dev/null; then
    echo "Näyttöä ei ole (DISPLAY puuttuu): Norvalen käynnistetään virtuaaliseen näyttöön (Xvfb, 1920 x 1080)."
    exec xvfb-run -a -s "-screen 0 1920x1080x24" "$program" "$@"
  fi
  echo "Näyttöä ei ole (DISPLAY puuttuu): Norvalen tarvitsee työpöydän." >&2
  exit 1
fi
exec "$program" "$@"
