#!/usr/bin/env bash
# Lays out the model estate written by the build (first argument) as the
# user's model estate folder (second argument): the folder is made when
# missing and every file missing there is copied; a file already there is
# never overwritten.
set -euo pipefail
source=$1
target=$2
[ -d "$source" ] || { echo "Mallitilaa ei ole käännetty: $source puuttuu." >&2; exit 1; }
mkdir -p "$target"
for file in "$source"/*; do
  name=$(basename "$file")
  [ -e "$target/$name" ] || cp "$file" "$target/$name"
done
