#!/usr/bin/env bash
# Mutation run: proves that the tests catch real faults. Each line of the
# list (scripts/mutants.txt) is a one-line change of the program's code; the
# script makes the changes one at a time in copies of the sources, builds
# the tests, runs them and says which change no test catches.
#
#   scripts/mutants.sh                  every mutant, two copies at a time
#   scripts/mutants.sh -j 4             four copies in parallel
#   scripts/mutants.sh -f model,rules   only the mutants of these folders
#                                       (first part of the path; "rules":
#                                       the *Rules.cpp files)
#   scripts/mutants.sh -l 40-80         only the list's lines 40 to 80
#   scripts/mutants.sh -c               only checks the list's fragments
#
# Other options: -b N build jobs of each copy (default 2); -t S seconds a
# test program may run before the mutant counts as caught by timeout
# (default 240); -s skips the run of the tests over the unchanged sources;
# -L FILE another list.
#
# The list: one mutant a line, fields separated by " | ":
#   path | original fragment | replacement | why (optional)
# The fragment must occur exactly once in the file: the script refuses a
# line (and names it) where it does not, so after a file moves only the path
# changes. The replacement is never empty (";" drops a statement). A field
# cannot contain " | " itself. Blank lines and lines starting with # are
# skipped.
#
# The copies are git worktrees build/mutants/w1..wN at this checkout's HEAD,
# with its changed and new files laid over them; each has its own Ninja build
# tree (build/release, benchmarks left out) and all share the compiler cache,
# so a copy's first build is mostly cache hits and a mutant rebuilds one file
# and relinks. The copies stay for the next run, which resets them. For each
# mutant the test program of the mutated file's folder runs first
# (build/release/tests/norvalen_tests_<folder>; the rule files:
# norvalen_tests_rules; the model estate generator: norvalen_tests_stands;
# the scripts: the CTest script tests), stopping at its first failure; only
# when it passes are the other test programs and the CTest script tests
# (fuzz corpus replays, include layers, model estate layout) built and run.
# A mutant that does not compile is reported as such, not as caught; one
# that makes a test hang is caught by timeout; one that makes a build step
# fail (the model estate generator) is caught by the build. The whole list
# takes about six minutes with two copies on an 8-core machine, once the
# copies are built.
#
# Prints one line per mutant and at the end "caught X of Y; survivors: ...";
# exits 1 when a mutant survives or does not compile, 2 when the list or the
# unchanged sources are at fault.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
list=$root/scripts/mutants.txt
copies=2
build_jobs=2
test_timeout=240
folders=""
range=""
check_only=0
baseline=1

usage() { sed -n '2,/^set -uo/p' "$0" | sed '$d' | sed 's/^# \{0,1\}//'; exit 2; }
while getopts "j:b:t:f:l:L:csh" opt; do
  case $opt in
    j) copies=$OPTARG ;;
    b) build_jobs=$OPTARG ;;
    t) test_timeout=$OPTARG ;;
    f) folders=",$OPTARG," ;;
    l) range=$OPTARG ;;
    L) list=$(cd "$(dirname "$OPTARG")" && pwd)/$(basename "$OPTARG") ;;
    c) check_only=1 ;;
    s) baseline=0 ;;
    *) usage ;;
  esac
done
[[ $copies =~ ^[1-9][0-9]*$ && $build_jobs =~ ^[1-9][0-9]*$ && $test_timeout =~ ^[1-9][0-9]*$ ]] || usage
from=1
to=999999
if [ -n "$range" ]; then
  [[ $range =~ ^([0-9]+)-([0-9]+)$ ]] || usage
  from=${BASH_REMATCH[1]}
  to=${BASH_REMATCH[2]}
fi
[ -f "$list" ] || { echo "no list: $list" >&2; exit 2; }
command -v ninja >/dev/null 2>&1 || { echo "the copies are built with Ninja: apt-get install ninja-build" >&2; exit 2; }

trim() {
  local s=$1
  s=${s#"${s%%[![:space:]]*}"}
  s=${s%"${s##*[![:space:]]}"}
  printf '%s' "$s"
}

# The folder a path belongs to for -f.
folder_of() {
  case $1 in
    *Rules.cpp | *Rules.h) echo rules ;;
    *) echo "${1%%/*}" ;;
  esac
}

# The test program run first for a mutant of a path (empty: none first).
first_program() {
  case $1 in
    *Rules.cpp | *Rules.h) echo norvalen_tests_rules ;;
    tools/modelestate/*) echo norvalen_tests_stands ;;
    platform/* | texts/* | model/* | ui/* | stands/* | mainwindow/* | operations/* | estate/* | app/*)
      echo "norvalen_tests_${1%%/*}" ;;
    scripts/* | cmake/*) echo ctest ;;
  esac
}

# Times a fragment occurs in a file.
occurrences() {
  FRAGMENT=$1 perl -0777 -ne '$n = () = /\Q$ENV{FRAGMENT}\E/g; END { print $n + 0 }' "$2"
}

# --- The list -----------------------------------------------------------
m_line=() m_path=() m_orig=() m_repl=() m_why=()
bad=0
sep=' | '
n=0
while IFS= read -r text || [ -n "$text" ]; do
  n=$((n + 1))
  [[ -z ${text//[[:space:]]/} || $text =~ ^[[:space:]]*# ]] && continue
  if [ "$n" -lt "$from" ] || [ "$n" -gt "$to" ]; then continue; fi
  if [[ $text != *"$sep"*"$sep"* ]]; then
    echo "line $n: not \"path | fragment | replacement\": $text"
    bad=1
    continue
  fi
  path=$(trim "${text%%"$sep"*}")
  rest=${text#*"$sep"}
  orig=$(trim "${rest%%"$sep"*}")
  rest=${rest#*"$sep"}
  why=""
  if [[ $rest == *"$sep"* ]]; then
    why=$(trim "${rest#*"$sep"}")
    rest=${rest%%"$sep"*}
  fi
  repl=$(trim "$rest")
  if [ -n "$folders" ] && [[ $folders != *",$(folder_of "$path"),"* && $folders != *",${path%%/*},"* ]]; then
    continue
  fi
  if [ ! -f "$root/$path" ]; then
    echo "line $n: no file $path"
    bad=1
    continue
  fi
  if [ -z "$orig" ] || [ -z "$repl" ] || [ "$orig" = "$repl" ]; then
    echo "line $n: the fragment and the replacement must differ and neither be empty"
    bad=1
    continue
  fi
  count=$(occurrences "$orig" "$root/$path")
  if [ "$count" != 1 ]; then
    echo "line $n: $path: the fragment occurs $count times (must be once): $orig"
    bad=1
    continue
  fi
  m_line+=("$n") m_path+=("$path") m_orig+=("$orig") m_repl+=("$repl") m_why+=("$why")
done < "$list"
[ "$bad" = 0 ] || { echo "the list is refused: mend the lines named above" >&2; exit 2; }
total=${#m_line[@]}
[ "$total" -gt 0 ] || { echo "no mutant selected" >&2; exit 2; }
{
  printf '%d mutants:' "$total"
  for p in "${m_path[@]}"; do folder_of "$p"; done | sort | uniq -c | awk '{ printf " %s %d", $2, $1 }'
  echo
}
[ "$check_only" = 1 ] && { echo "every fragment occurs once"; exit 0; }

# --- The copies ---------------------------------------------------------
export QT_QPA_PLATFORM=offscreen
base=$root/build/mutants
state=$base/run
mkdir -p "$base"
exec 8>"$base/lock"
flock -n 8 || { echo "another mutation run uses $base" >&2; exit 2; }
rm -rf "$state"
mkdir -p "$state"
head=$(git -C "$root" rev-parse HEAD)
[ "$copies" -le "$total" ] || copies=$total
started=$(date +%s)

# Lays a copy out at HEAD with this checkout's changes over it.
prepare_copy() {
  local dir=$1 f
  if [ ! -e "$dir/.git" ]; then
    # A copy whose folder went (build/ removed) is still registered: -f
    # takes its place again.
    rm -rf "$dir"
    git -C "$root" worktree add -f -q --detach "$dir" "$head" || return 1
  else
    git -C "$dir" checkout -q -f --detach "$head" && git -C "$dir" clean -q -fd || return 1
  fi
  # Every file that differs from HEAD (staged or not) and every new one.
  { git -C "$root" diff -z --name-only HEAD; git -C "$root" ls-files -z -o --exclude-standard; } |
    while IFS= read -r -d '' f; do
      if [ -f "$root/$f" ]; then
        mkdir -p "$(dirname "$dir/$f")"
        cmp -s "$root/$f" "$dir/$f" || cp "$root/$f" "$dir/$f"
      else
        rm -f "$dir/$f"
      fi
    done
}

# Configures and builds a copy's test programs; runs in the copy.
build_copy() {
  local dir=$1 jobs=$2
  cd "$dir" || return 1
  # shellcheck source=/dev/null
  . scripts/setup.sh
  norvalen_use_compiler_cache
  # launcher is set by norvalen_use_compiler_cache; the target names are words.
  # shellcheck disable=SC2086,SC2154,SC2046
  cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DNORVALEN_BENCH=OFF $launcher >/dev/null &&
    ninja -C build/release -j "$jobs" $(test_targets) >/dev/null
}

# The targets a full check builds: the test programs, the fuzz replays and
# the model estate.
test_targets() {
  ninja -C build/release -t targets all |
    sed -n 's/^\(norvalen_tests_[a-z0-9]*\|[a-z0-9]*_fuzz\|norvalen_model_estate\): phony$/\1/p'
}

echo "laying out $copies copies in $base (HEAD $(git -C "$root" rev-parse --short HEAD) and this checkout's changes)"
for w in $(seq 1 "$copies"); do
  prepare_copy "$base/w$w" >"$state/prepare.$w.log" 2>&1 || {
    echo "copy w$w could not be laid out:" >&2; cat "$state/prepare.$w.log" >&2; exit 2
  }
done
# The first copy builds alone (its misses fill the cache), the others after it.
echo "building the tests in the copies"
(build_copy "$base/w1" $((copies * build_jobs))) >"$state/build.1.log" 2>&1 || {
  echo "the unchanged sources do not build:" >&2; tail -30 "$state/build.1.log" >&2; exit 2
}
pids=()
for w in $(seq 2 "$copies"); do
  (build_copy "$base/w$w" "$build_jobs") >"$state/build.$w.log" 2>&1 &
  pids+=($!)
done
for p in "${pids[@]}"; do
  wait "$p" || { echo "a copy does not build: see $state/build.*.log" >&2; exit 2; }
done

targets=$(cd "$base/w1" && test_targets)
programs=$(grep '^norvalen_tests_' <<<"$targets" | sort)
script_tests='^(fuzz_replay_.*|layers_include_one_way|model_estate_laid_out_without_overwriting)$'

# Runs one test program of a copy; prints "pass", "timeout" or what failed.
run_program() {
  local dir=$1 program=$2 log=$3 rc failed
  (cd "$dir/build/release/tests" &&
    NORVALEN_TEST_DATA="$dir/tests/data" timeout -k 10 "$test_timeout" "./$program" --gtest_fail_fast) >"$log" 2>&1
  rc=$?
  if [ "$rc" = 0 ]; then
    echo pass
  elif [ "$rc" = 124 ] || [ "$rc" = 137 ]; then
    echo timeout
  else
    failed=$(grep -m1 '^\[  FAILED  \] [^ ]*' "$log" | sed 's/^\[  FAILED  \] \([^ ]*\).*/\1/')
    echo "${failed:-exit status $rc}"
  fi
}

# Runs the CTest script tests of a copy; prints "pass" or the failing test.
run_script_tests() {
  local dir=$1 log=$2 failed
  if ctest --test-dir "$dir/build/release" -R "$script_tests" --timeout "$test_timeout" --output-on-failure >"$log" 2>&1; then
    echo pass
  else
    failed=$(grep -m1 -E '^[[:space:]]*[0-9]+ - ' "$log" | sed 's/^[[:space:]]*[0-9]* - //')
    echo "${failed:-ctest failed}"
  fi
}

# What a failed build of a mutant means: a compiler or linker error is a
# mutant that does not compile; a build step that fails otherwise (the model
# estate generator refusing its own stands) has caught it.
build_failure() {
  local line
  line=$(grep -m1 -E 'error:|undefined reference' "$1")
  if [ -n "$line" ]; then
    printf 'uncompiled\t%s' "$line"
  else
    printf 'caught\tthe build: %s' "$(grep -m1 -E '^FAILED:' "$1")"
  fi
}

# Tries one mutant in a copy; prints its result as "status<TAB>detail".
try_mutant() {
  local w=$1 i=$2 dir=$base/w$1 file outcome first program log=$state/w$1.log
  file=$dir/${m_path[$i]}
  if [ "$(occurrences "${m_orig[$i]}" "$file")" != 1 ]; then
    printf 'refused\tthe fragment is not in the copy once'
    return
  fi
  cp "$file" "$state/original.$w"
  FRAGMENT=${m_orig[$i]} REPLACEMENT=${m_repl[$i]} \
    perl -0777 -i -pe 's/\Q$ENV{FRAGMENT}\E/$ENV{REPLACEMENT}/' "$file"
  first=$(first_program "${m_path[$i]}")
  [ "$first" = ctest ] || grep -qx "$first" <<<"$programs" || first=""
  outcome=""
  if [ "$first" = ctest ]; then
    # shellcheck disable=SC2086
    if ! ninja -C "$dir/build/release" -j "$build_jobs" $targets >"$log" 2>&1; then
      outcome=$(build_failure "$log")
    else
      result=$(run_script_tests "$dir" "$log.test")
      [ "$result" != pass ] && outcome=$(printf 'caught\tctest %s' "$result")
    fi
  elif [ -n "$first" ]; then
    if ! ninja -C "$dir/build/release" -j "$build_jobs" "$first" >"$log" 2>&1; then
      outcome=$(build_failure "$log")
    else
      result=$(run_program "$dir" "$first" "$log.test")
      [ "$result" = timeout ] && outcome=$(printf 'timeout\t%s ran over %s s' "$first" "$test_timeout")
      [ "$result" != pass ] && [ "$result" != timeout ] && outcome=$(printf 'caught\t%s: %s' "$first" "$result")
    fi
  fi
  if [ -z "$outcome" ]; then
    # shellcheck disable=SC2086
    if ! ninja -C "$dir/build/release" -j "$build_jobs" $targets >"$log" 2>&1; then
      outcome=$(build_failure "$log")
    else
      for program in $programs; do
        [ "$program" = "$first" ] && continue
        result=$(run_program "$dir" "$program" "$log.test")
        [ "$result" = pass ] && continue
        if [ "$result" = timeout ]; then
          outcome=$(printf 'timeout\t%s ran over %s s' "$program" "$test_timeout")
        else
          outcome=$(printf 'caught\t%s: %s' "$program" "$result")
        fi
        break
      done
      if [ -z "$outcome" ] && [ "$first" != ctest ]; then
        result=$(run_script_tests "$dir" "$log.test")
        [ "$result" = pass ] || outcome=$(printf 'caught\tctest %s' "$result")
      fi
      [ -n "$outcome" ] || outcome=$(printf 'survives\t%s' "${m_why[$i]}")
    fi
  fi
  cp "$state/original.$w" "$file"
  printf '%s' "$outcome"
}

if [ "$baseline" = 1 ]; then
  echo "running the tests over the unchanged sources"
  for program in $programs; do
    result=$(run_program "$base/w1" "$program" "$state/baseline.log")
    [ "$result" = pass ] || { echo "the unchanged sources fail $program ($result): see $state/baseline.log" >&2; exit 2; }
  done
  result=$(run_script_tests "$base/w1" "$state/baseline.log")
  [ "$result" = pass ] || { echo "the unchanged sources fail $result: see $state/baseline.log" >&2; exit 2; }
fi

echo "trying $total mutants in $copies copies"
echo 0 >"$state/next"
: >"$state/results"
worker() {
  local w=$1 i outcome status detail t0
  # The copy's paths are hashed relative to it, so the copies share the cache.
  export CCACHE_BASEDIR=$base/w$w CCACHE_NOHASHDIR=1
  exec 7>"$state/queue.lock"
  while true; do
    flock 7
    i=$(<"$state/next")
    echo $((i + 1)) >"$state/next"
    flock -u 7
    [ "$i" -lt "$total" ] || break
    t0=$(date +%s)
    outcome=$(try_mutant "$w" "$i")
    status=${outcome%%$'\t'*}
    detail=${outcome#*$'\t'}
    {
      flock 9
      printf '%s\t%s\t%s\n' "${m_line[$i]}" "$status" "${m_path[$i]}" >>"$state/results"
      case $status in
        caught) printf 'L%-4s %-38s caught by %s (%d s)\n' "${m_line[$i]}" "${m_path[$i]}" "$detail" $(($(date +%s) - t0)) ;;
        timeout) printf 'L%-4s %-38s caught by timeout: %s\n' "${m_line[$i]}" "${m_path[$i]}" "$detail" ;;
        uncompiled) printf 'L%-4s %-38s DOES NOT COMPILE: %s\n' "${m_line[$i]}" "${m_path[$i]}" "$detail" ;;
        survives) printf 'L%-4s %-38s SURVIVES: %s  ->  %s%s\n' "${m_line[$i]}" "${m_path[$i]}" "${m_orig[$i]}" \
          "${m_repl[$i]}" "${detail:+  ($detail)}" ;;
        *) printf 'L%-4s %-38s %s: %s\n' "${m_line[$i]}" "${m_path[$i]}" "$status" "$detail" ;;
      esac
    } 9>"$state/print.lock"
  done
}
pids=()
for w in $(seq 1 "$copies"); do
  worker "$w" &
  pids+=($!)
done
trap 'kill "${pids[@]}" 2>/dev/null; echo "stopped; the copies are reset at the next run" >&2; exit 2' INT TERM
wait "${pids[@]}"
trap - INT TERM

elapsed=$(($(date +%s) - started))
caught=$(awk -F'\t' '$2 == "caught" || $2 == "timeout"' "$state/results" | wc -l)
timeouts=$(awk -F'\t' '$2 == "timeout"' "$state/results" | wc -l)
list_of() { awk -F'\t' -v s="$1" '$2 == s { printf "%sL%s %s", sep, $1, $3; sep = ", " }' <(sort -n "$state/results"); }
survivors=$(list_of survives)
uncompiled=$(list_of uncompiled)
refused=$(list_of refused)
echo "run time $((elapsed / 60)) min $((elapsed % 60)) s"
[ "$timeouts" -gt 0 ] && echo "caught by timeout: $timeouts"
[ -n "$uncompiled" ] && echo "do not compile: $uncompiled"
[ -n "$refused" ] && echo "refused: $refused"
echo "caught $caught of $total; survivors: ${survivors:-none}"
[ -z "$survivors" ] && [ -z "$uncompiled" ] && [ -z "$refused" ] && [ "$caught" = "$total" ]
