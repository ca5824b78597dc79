#!/usr/bin/env bash
# Checks that the set-up installs what the build reads and the tests run:
# every Debian package that owns a CMake package configuration found by the
# build (the <Name>_DIR entries of the build's CMakeCache.txt), a library
# found through one of CMake's find modules (the entries listed in
# module_libraries below) or a program or file the tests need (the
# NORVALEN_NEEDS_<what> entries) must be in the set-up list
# (norvalen_packages in scripts/setup.sh) or among the hard dependencies of
# that list. Recommended packages do not count: the set-up installs with
# --no-install-recommends.
#
#   scripts/check-packages.sh [--without PACKAGE]... BUILD_DIR
#
# --without takes a package out of the list for this run (to show that the
# check notices a package missing from it). Exits 0 when everything is
# covered, 1 when a package is missing, 2 on a usage error and 77 (skipped)
# where there is no dpkg or apt.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
without=()
while [ $# -gt 0 ]; do
  case "$1" in
    --without) without+=("$2"); shift 2 ;;
    *) break ;;
  esac
done
if [ $# -ne 1 ] || [ ! -f "$1/CMakeCache.txt" ]; then
  echo "usage: $0 [--without PACKAGE]... BUILD_DIR (a configured build tree)" >&2
  exit 2
fi
cache="$1/CMakeCache.txt"
for tool in dpkg apt-cache; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: no $tool on this machine"
    exit 77
  fi
done

# The set-up list, less the packages taken out.
# shellcheck source=setup.sh
. "$here/setup.sh"
listed=()
for p in "${norvalen_packages[@]}"; do
  keep=1
  for w in "${without[@]+"${without[@]}"}"; do [ "$p" = "$w" ] && keep=0; done
  [ $keep -eq 1 ] && listed+=("$p")
done

# The configuration files of the packages the build found: <Name>_DIR:PATH
# entries naming a folder with a <Name>Config.cmake or <name>-config.cmake.
configs=()
declare -A entry_of=()
while IFS= read -r line; do
  name=${line%%_DIR:PATH=*}
  dir=${line#*_DIR:PATH=}
  [ -d "$dir" ] || continue
  for f in "$dir/${name}Config.cmake" "$dir/$(echo "$name" | tr '[:upper:]' '[:lower:]')-config.cmake"; do
    if [ -f "$f" ]; then
      configs+=("$f")
      entry_of[$f]="${name}_DIR"
      break
    fi
  done
done < <(grep -E '^[A-Za-z0-9_.+-]+_DIR:PATH=' "$cache")
if [ ${#configs[@]} -eq 0 ]; then
  echo "no CMake package configuration in $cache" >&2
  exit 1
fi
# The libraries of the find modules and what the tests need, by the path the
# package installed (its folder's links resolved: /sbin is /usr/sbin).
module_libraries='JPEG_LIBRARY_RELEASE|CUPS_LIBRARIES'
while IFS= read -r line; do
  name=${line%%:FILEPATH=*}
  file=${line#*:FILEPATH=}
  [ -e "$file" ] || continue
  file="$(cd "$(dirname "$file")" && pwd -P)/$(basename "$file")"
  configs+=("$file")
  entry_of[$file]=$name
done < <(grep -E "^(NORVALEN_NEEDS_[A-Za-z0-9_]+|$module_libraries):FILEPATH=" "$cache")

# Everything the list installs: the packages and their hard dependencies,
# recursively, from one apt-cache run. Lines without indentation are package
# names; virtual ones come in angle brackets.
declare -A installed_by_list=()
while IFS= read -r p; do
  installed_by_list[$p]=1
done < <(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts \
           --no-breaks --no-replaces --no-enhances "${listed[@]}" | grep -v '^ ' | sed 's/:.*$//')

# The owner of each configuration file, from one dpkg run. A line is
# "pkg[:arch][, pkg[:arch]]...: path"; diversion lines are skipped.
declare -A owners_of=()
while IFS= read -r line; do
  case "$line" in diversion*) continue ;; esac
  path=${line#*: }
  owners=${line%%: /*}
  owners_of[$path]=$(echo "$owners" | tr ',' '\n' | sed 's/^ *//; s/:.*$//' | tr '\n' ' ')
done < <(dpkg -S "${configs[@]}" 2>/dev/null || true)

status=0
checked=0
for f in "${configs[@]}"; do
  owners=${owners_of[$f]:-}
  if [ -z "$owners" ]; then
    echo "MISSING: no installed package owns $f (${entry_of[$f]}); install it through scripts/setup.sh"
    status=1
    continue
  fi
  covered=0
  for o in $owners; do
    [ -n "${installed_by_list[$o]:-}" ] && covered=1
  done
  checked=$((checked + 1))
  if [ $covered -eq 0 ]; then
    echo "MISSING: $owners(owner of ${entry_of[$f]}) is neither in norvalen_packages of scripts/setup.sh nor a hard dependency of it"
    status=1
  fi
done
if [ $status -eq 0 ]; then
  echo "ok: the $checked CMake package configurations, libraries and test needs of the build come from the set-up list (${#installed_by_list[@]} packages with their hard dependencies)"
fi
exit $status
