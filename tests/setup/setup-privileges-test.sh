#!/usr/bin/env bash
# The set-up without root and without a usable sudo: when packages are
# missing it says so in one Finnish line and stops with a failure, without
# running apt-get. With root or a sudo that needs no password it installs.
# The system commands it uses are replaced by stubs on PATH.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# run <case> <uid> <sudo: none|refuses|works> <installed: yes|no>
# Runs norvalen_install_missing with the stubs; leaves its output in
# $work/<case>.out and .err and its exit status in $status.
run() {
  local name=$1 uid=$2 sudo=$3 installed=$4 bin="$work/$1/bin"
  mkdir -p "$bin"
  local tool
  for tool in grep env true; do ln -s "$(type -P "$tool")" "$bin/$tool"; done
  printf '#!/bin/sh\necho %s\n' "$uid" >"$bin/id"
  if [ "$installed" = yes ]; then
    printf '#!/bin/sh\necho "install ok installed"\n' >"$bin/dpkg-query"
  else
    printf '#!/bin/sh\nexit 1\n' >"$bin/dpkg-query"
  fi
  printf '#!/bin/sh\necho "$*" >>"%s/apt-get.calls"\n' "$work/$name" >"$bin/apt-get"
  printf '#!/bin/sh\necho fi_FI.utf8\n' >"$bin/locale"
  case "$sudo" in
    refuses) printf '#!/bin/sh\necho "sudo: a password is required" >&2\nexit 1\n' >"$bin/sudo" ;;
    works) printf '#!/bin/sh\n[ "$1" = -n ] && shift\nexec "$@"\n' >"$bin/sudo" ;;
  esac
  chmod +x "$bin"/*
  PATH="$bin" /bin/bash -c '
    . "$1/scripts/setup.sh"
    norvalen_packages=(norvalen-stub-a norvalen-stub-b)
    norvalen_install_missing' _ "$root" >"$work/$name.out" 2>"$work/$name.err"
  status=$?
}

expect() {
  if ! eval "$2"; then
    echo "FAIL $1: $2"
    echo "  stdout: $(cat "$work/$1.out")"
    echo "  stderr: $(cat "$work/$1.err")"
    failures=$((failures + 1))
  fi
}

for case in "no-sudo none" "sudo-refuses refuses"; do
  set -- $case
  run "$1" 1000 "$2" no
  expect "$1" '[ $status -ne 0 ]'
  expect "$1" '[ ! -e "$work/$1/apt-get.calls" ]'
  expect "$1" '[ "$(wc -l <"$work/$1.err")" -eq 1 ]'
  expect "$1" 'grep -q "^Puuttuvia paketteja ei voi asentaa.*pääkäyttäjä.*norvalen-stub-a norvalen-stub-b$" "$work/$1.err"'
done

run sudo-works 1000 works no
expect sudo-works '[ $status -eq 0 ]'
expect sudo-works 'grep -q "install -y -qq --no-install-recommends norvalen-stub-a norvalen-stub-b" "$work/sudo-works/apt-get.calls"'

run root 0 none no
expect root '[ $status -eq 0 ]'
expect root '[ -e "$work/root/apt-get.calls" ]'

run nothing-missing 1000 none yes
expect nothing-missing '[ $status -eq 0 ] && [ ! -s "$work/nothing-missing.err" ]'

[ $failures -eq 0 ] && echo "ok: the set-up stops with one line where it cannot install"
exit $((failures > 0))
