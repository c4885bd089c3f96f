#!/usr/bin/env bash
# Builds the benchmark (Release, into build-bench/) and prints one table of medians of five runs,
# each piece of work beside its baseline (the same files read raw) from the same run.
# --small runs the smallest sizes once (a smoke run; nothing is asserted about the times).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
missing=()
for p in libbenchmark-dev python3 time; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
fi
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_BUILD_TESTS=OFF \
  -DCORVANE_BUILD_BENCH=ON >/dev/null
nice cmake --build build-bench --parallel 2 --target corvane-bench corvane-scn
bench=build-bench/bench/corvane-bench
csv=$(mktemp)
data=$(mktemp -d)
trap 'rm -rf "$csv" "$data"' EXIT
if [ "${1:-}" = "--small" ]; then
  "$bench" --sizes=small --benchmark_format=csv --benchmark_min_time=0.01 2>/dev/null >"$csv"
else
  "$bench" --benchmark_format=csv --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    2>/dev/null >"$csv"
fi
python3 bench/table.py "$csv"

# Whole commands: wall time and peak memory of one run each (use repeated runs for figures).
sizes=(32000 100000)
[ "${1:-}" = "--small" ] && sizes=(500)
for ships in "${sizes[@]}"; do
  scn=$("$bench" --generate "$data/inst" "$ships")
  for command in check dump; do
    args=("$command" "$scn")
    [ "$command" = check ] && args=(check --sim "$data/inst" "$scn")
    /usr/bin/time -f "corvane-scn $command, $ships ships: %e s wall, %M kB peak" \
      build-bench/corvane-scn "${args[@]}" >/dev/null
  done
done
