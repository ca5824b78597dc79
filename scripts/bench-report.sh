#!/usr/bin/env bash
# Runs every benchmark of a Release build (first argument, default
# build/release) five times and prints the medians as a Markdown table.
set -euo pipefail
build=${1:-build/release}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen
for b in norvalen_bench norvalen_bench_windows; do
  "$build/bench/$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_format=json --benchmark_out="$out/$b.json" --benchmark_out_format=json >/dev/null 2>&1
done
python3 - "$out"/*.json <<'PY'
import json, sys
print("| benchmark | median | CPU median |")
print("|---|---:|---:|")
def ns(b):
    return b["real_time"] * {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[b["time_unit"]]
def fmt(v):
    if v >= 1e6: return f"{v/1e6:.1f} ms"
    if v >= 1e3: return f"{v/1e3:.1f} µs"
    return f"{v:.0f} ns"
medians = {}
for path in sys.argv[1:]:
    for b in json.load(open(path))["benchmarks"]:
        if b.get("aggregate_name") != "median": continue
        name = b["run_name"].replace("/repeats:5", "")
        medians[name] = ns(b)
        cpu = b["cpu_time"] / b["real_time"] * ns(b)
        print(f"| `{name}` | {fmt(ns(b))} | {fmt(cpu)} |")
# The slowest steps beside their floors: the part of each that must be done.
floors = [("BM_MeasurementPreview/12000/real_time", "BM_PlaceSampleTrees/12000/real_time"),
          ("BM_RecalculateThinning/stems/12000", "BM_ThinningSortedPass/stems/12000"),
          ("BM_RecalculateThinning/basalArea/12000", "BM_ThinningSortedPass/basalArea/12000"),
          ("BM_RunSelectionCutting/12000", "BM_SelectionSortedPasses/12000")]
print()
print("| step | median | floor | floor median | ratio |")
print("|---|---:|---|---:|---:|")
for step, floor in floors:
    if step in medians and floor in medians:
        print(f"| `{step}` | {fmt(medians[step])} | `{floor}` | {fmt(medians[floor])} | "
              f"{medians[step] / medians[floor]:.1f} |")
PY
