#!/usr/bin/env bash
# The model estate's layout: every file copied into a missing folder, and a
# user's changed file left as it is while missing files are added.
set -euo pipefail
source=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
target="$work/Metsätilat/Mallitila"
"$here/lay-out-model-estate.sh" "$source" "$target"
diff -r "$source" "$target"
echo "käyttäjän muutos" > "$target/1.Norvalen"
rm "$target/2.Norvalen"
"$here/lay-out-model-estate.sh" "$source" "$target"
[ "$(cat "$target/1.Norvalen")" = "käyttäjän muutos" ] || { echo "a user's file was overwritten"; exit 1; }
cmp "$source/2.Norvalen" "$target/2.Norvalen"
echo ok
