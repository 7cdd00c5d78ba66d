#!/usr/bin/env bash
# Builds every benchmark program in Release mode and runs it, printing Google
# Benchmark's table and each program's summary of figures and targets.
#   bench/run-benchmarks.sh [BENCHMARK-ARGS...]   e.g. --benchmark_filter=Open
# Build directory: $MERIDANE_BENCH_BUILD_DIR, default build-bench/ beside bench/.
# A program that answers --datasets with names is run once per name
# (--dataset=NAME); any other program is run once.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${MERIDANE_BENCH_BUILD_DIR:-$top/build-bench}

generator=()
command -v ninja >/dev/null && [ ! -f "$build/CMakeCache.txt" ] && generator=(-G Ninja)
cmake -S "$top" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
  -DMERIDANE_BUILD_BENCH=ON -DMERIDANE_BUILD_TESTS=OFF -DMERIDANE_BUILD_APP=ON >/dev/null

# Every target defined by bench/*.cmake through meridane_add_bench.
mapfile -t targets < <(sed -n 's/^ *meridane_add_bench(\([A-Za-z0-9_]*\).*/\1/p' "$top"/bench/*.cmake)
[ ${#targets[@]} -gt 0 ] || { echo "no benchmarks defined" >&2; exit 1; }
# The start-up benchmark times the program itself, with the demo data beside it.
cmake --build "$build" --target "${targets[@]}" meridane demo_data --parallel 2 >/dev/null

for target in "${targets[@]}"; do
  program="$build/bench/$target"
  mapfile -t datasets < <("$program" --datasets 2>/dev/null || true)
  [ ${#datasets[@]} -gt 0 ] || datasets=("")
  for dataset in "${datasets[@]}"; do
    echo
    echo "=== $target${dataset:+ ($dataset)} ==="
    if [ -n "$dataset" ]; then
      "$program" "--dataset=$dataset" "$@"
    else
      "$program" "$@"
    fi
  done
done
