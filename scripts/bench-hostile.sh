#!/usr/bin/env bash
# The "hostile sizes" benchmark: each hostile shape (bench/hostile_shapes.h) generated at 1x, 2x
# and 4x and read by the corvane-scn command that reads it, with CPU seconds and peak memory of
# each run and their ratios to 1x. Linear growth gives ratios near 2 and 4. Uses the Release
# build of scripts/bench.sh (build-bench/); RUNS=n takes the median of n runs (default 3).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -x build-bench/bench/corvane-bench ] || [ ! -x build-bench/corvane-scn ]; then
  ./scripts/install-deps.sh
  cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_BUILD_TESTS=OFF \
    -DCORVANE_BUILD_BENCH=ON >/dev/null
  nice cmake --build build-bench --parallel 2 --target corvane-bench corvane-scn
fi
runs=${RUNS:-3}
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
declare -A cpu mem
shapes=()
for scale in 1 2 4; do
  while IFS= read -r line; do
    IFS=$'\t' read -r -a fields <<<"$line"
    shape=${fields[0]}
    args=("${fields[@]:1}")
    [ "$scale" = 1 ] && shapes+=("$shape")
    samples=()
    for ((r = 0; r < runs; r++)); do
      samples+=("$(/usr/bin/time -f '%U %S %M' build-bench/corvane-scn "${args[@]}" </dev/null 2>&1 >/dev/null | tail -1)")
    done
    median=$(printf '%s\n' "${samples[@]}" | awk '{print $1 + $2, $3}' | sort -n | sed -n "$(((runs + 1) / 2))p")
    cpu[$shape,$scale]=${median% *}
    mem[$shape,$scale]=${median#* }
  done < <(build-bench/bench/corvane-bench --hostile "$data/x$scale" "$scale")
  rm -rf "$data/x$scale"
done
printf '| shape | 1x CPU | 1x peak | 2x / 1x (CPU, peak) | 4x / 1x (CPU, peak) |\n|---|---|---|---|---|\n'
for shape in "${shapes[@]}"; do
  awk -v s="$shape" -v c1="${cpu[$shape,1]}" -v c2="${cpu[$shape,2]}" -v c4="${cpu[$shape,4]}" \
    -v m1="${mem[$shape,1]}" -v m2="${mem[$shape,2]}" -v m4="${mem[$shape,4]}" 'BEGIN {
      d = c1 > 0.01 ? c1 : 0.01
      printf "| %s | %.2f s | %d MiB | %.1f, %.1f | %.1f, %.1f |\n", s, c1, m1 / 1024, c2 / d, m2 / m1, c4 / d, m4 / m1
    }'
done
