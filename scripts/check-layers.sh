#!/usr/bin/env bash
# Checks that the includes of the program's folders go one way:
#   platform <- texts <- model <- rule files <- ui <- window folders <- app
# A rule file (<Unit>Rules.h/.cpp, Qt Core only) includes only platform,
# texts, model and other rule files. Prints every include against the order
# and fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

rank_of_folder() {
  case "$1" in
    platform) echo 0 ;; texts) echo 1 ;; model) echo 2 ;;
    ui) echo 4 ;; stands|mainwindow|operations|estate) echo 5 ;; app) echo 6 ;;
    *) echo -1 ;;
  esac
}
rank_of_file() {
  local file=$1 folder=${1%%/*}
  case "$file" in *Rules.h|*Rules.cpp) echo 3; return ;; esac
  rank_of_folder "$folder"
}

bad=0
for file in $(git ls-files '*.h' '*.cpp' | grep -E '^(platform|texts|model|ui|stands|mainwindow|operations|estate|app)/'); do
  own=$(rank_of_file "$file")
  while IFS= read -r inc; do
    target=$(rank_of_file "$inc")
    [ "$target" -ge 0 ] || continue
    if [ "$target" -gt "$own" ]; then
      echo "$file includes $inc (a folder above it)"
      bad=1
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done
exit $bad
