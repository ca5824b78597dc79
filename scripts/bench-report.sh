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
def fmt(v, unit):
    ns = v * {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[unit]
    if ns >= 1e6: return f"{ns/1e6:.1f} ms"
    if ns >= 1e3: return f"{ns/1e3:.1f} µs"
    return f"{ns:.0f} ns"
for path in sys.argv[1:]:
    for b in json.load(open(path))["benchmarks"]:
        if b.get("aggregate_name") != "median": continue
        name = b["run_name"].replace("/repeats:5", "")
        print(f"| `{name}` | {fmt(b['real_time'], b['time_unit'])} | {fmt(b['cpu_time'], b['time_unit'])} |")
PY
