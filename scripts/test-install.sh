#!/usr/bin/env bash
# `cmake --install` of the build tree (first argument) into an empty prefix:
# the start command, the program, the model estate, the desktop entry; then
# the installed program started for a user whose home is empty: its program
# and estates folders are made in the home, the model estate laid out, and
# the program keeps running (it is stopped after a few seconds).
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/norvalen libexec/norvalen/norvalen libexec/norvalen/lay-out-model-estate.sh \
         share/norvalen/Mallitila/Mallitila.jpg share/applications/norvalen.desktop share/pixmaps/norvalen.png; do
  [ -e "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
[ -x "$prefix/bin/norvalen" ] && [ -x "$prefix/libexec/norvalen/norvalen" ] || { echo "not executable"; exit 1; }
if grep -q "$build" "$prefix/bin/norvalen"; then echo "the start command names the build tree"; exit 1; fi

home="$work/home"
mkdir -p "$home"
rc=0
HOME="$home" QT_QPA_PLATFORM=offscreen timeout 5 "$prefix/bin/norvalen" >"$work/out" 2>&1 || rc=$?
[ "$rc" = 124 ] || { echo "the program ended at once ($rc):"; cat "$work/out"; exit 1; }
[ -d "$home/Norvalen/Ohjelma" ] || { echo "no program folder"; exit 1; }
diff -r "$prefix/share/norvalen/Mallitila" "$home/Norvalen/Metsätilat/Mallitila"
echo ok
