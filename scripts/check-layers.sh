#!/usr/bin/env bash
# Checks that the includes of the program's folders go one way, in two
# orders at once:
#   libraries:  platform <- texts <- model <- rule files <- ui <- stands
#               <- operations <- estate <- mainwindow <- app
#   folders:    platform <- texts <- model <- ui <- stands <- operations
#               <- estate <- mainwindow <- app
# A rule file (<Unit>Rules.h/.cpp, Qt Core only) sits below every window
# library, so it includes only platform, texts, model and other rule files;
# among the rule files the folder order holds too (a rule file of stands/
# may use one of ui/, not one of estate/). A window folder reaches a higher
# one only through the session in ui/ (ui/Session.h). Prints every include
# against either order and fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

folders="platform texts model ui stands operations estate mainwindow app"
pattern="^($(echo $folders | tr ' ' '|'))/"

git ls-files '*.h' '*.cpp' | grep -E "$pattern" | xargs grep -H '^#include "' | awk -v folders="$folders" '
  BEGIN { n = split(folders, f, " "); for (i = 1; i <= n; ++i) rank[f[i]] = i * 10 }
  function folder(path) { split(path, p, "/"); return (p[1] in rank) ? rank[p[1]] : -1 }
  # The library layer: the folder, rule files between model and ui.
  function layer(path) { return path ~ /Rules\.(h|cpp)$/ ? rank["model"] + 5 : folder(path) }
  {
    file = $0; sub(/:.*/, "", file)
    inc = $0; sub(/^[^"]*"/, "", inc); sub(/".*/, "", inc)
    if (folder(inc) < 0) next
    if (folder(inc) > folder(file)) { print file " includes " inc " (a folder above it)"; bad = 1 }
    else if (layer(inc) > layer(file)) { print file " includes " inc " (a library above it)"; bad = 1 }
  }
  END { exit bad }'
