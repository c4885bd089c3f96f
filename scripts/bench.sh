#!/usr/bin/env bash
# Builds the benchmark (Release, into build-bench/) and prints one table of medians of five runs,
# each piece of work beside its baseline (the same files read raw) from the same run, then times
# whole commands.
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
nice cmake --build build-bench --parallel 2 --target corvane-bench corvane-window-bench corvane-scn
bench=build-bench/bench/corvane-bench
results=$(mktemp)
data=$(mktemp -d)
trap 'rm -rf "$results" "$data"' EXIT
# Runs one Google Benchmark program and prints its table: the smallest sizes once with --small,
# medians of five repetitions otherwise.
table() {
  if [ "$small" = 1 ]; then
    "$1" --sizes=small --benchmark_format=json --benchmark_min_time=0.01 2>/dev/null >"$results"
  else
    "$1" --benchmark_format=json --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
      2>/dev/null >"$results"
  fi
  python3 bench/table.py "$results"
}
small=0
[ "${1:-}" = "--small" ] && small=1
table "$bench"
# The real main window, offscreen: opening a scenario as Load does and the clicks of a user,
# beside a plain read of the scenario file's bytes.
table build-bench/bench/corvane-window-bench

# The start-up catalogue as a whole command beside cat of the same files: medians of five runs
# of user + system seconds, and their ratio.
cpu_median() {
  local out=$1
  shift
  : >"$out"
  for ((r = 0; r < 5; r++)); do /usr/bin/time -a -o "$out" -f '%U %S' "$@" >/dev/null; done
  awk '{print $1 + $2}' "$out" | sort -n | sed -n 3p
}
files=(5000 20000)
[ "${1:-}" = "--small" ] && files=(500)
for n in "${files[@]}"; do
  sim=$("$bench" --installation "$data/cat$n" "$n")
  command=$(cpu_median "$data/times" build-bench/corvane-scn catalogue --sim "$sim")
  baseline=$(cpu_median "$data/times" sh -c 'cat "$0"Config/*.cfg' "$sim")
  # The times are counted in hundredths of a second: below a few of them a ratio means nothing.
  awk -v n="$n" -v c="$command" -v b="$baseline" 'BEGIN {
    ratio = b >= 0.03 ? sprintf("%.2f times", c / b) : "too short to compare"
    printf "corvane-scn catalogue, %d files: %.2f s CPU; cat of the same files: %.2f s (%s)\n", n, c, b, ratio
  }'
  rm -rf "$data/cat$n"
done

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
