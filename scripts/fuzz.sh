#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/ and runs each for SECONDS (default 30) on a seed
# corpus gathered from sample/, tests/data and fuzz/seeds. Fails (exit 1) when any target finds
# an input that crashes it, trips a sanitizer, hangs or breaks the target's property; the input
# is saved as build-fuzz/findings/TARGET/crash-* (or timeout-*, oom-*).
#   ./scripts/fuzz.sh [SECONDS] [TARGET...]   targets: scenario numbers settings system bases
#                                             catalogue description (default: all)
# FUZZ_SANITIZE=0 builds without the sanitizers into build-fuzz-fast/, for long runs.
# Every run is bounded in memory: a single allocation or the whole process beyond
# FUZZ_MALLOC_LIMIT_MB (default 1024) is a finding (oom-*). FUZZ_MAX_LEN sets the largest input
# (libFuzzer's default when unset); a resource run gives a large one, e.g. FUZZ_MAX_LEN=4000000.
# FUZZ_SEED starts every target from that seed, so that a run that found something can be
# repeated on another machine (which, being faster or slower, tries more or less of the same
# sequence); unset, each run takes a seed of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(scenario numbers settings system bases catalogue description)

./scripts/install-deps.sh
missing=()
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
fi

dir=build-fuzz
sanitize=ON
if [ "${FUZZ_SANITIZE:-1}" = "0" ]; then
  dir=build-fuzz-fast
  sanitize=OFF
fi
cmake -S . -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCORVANE_FUZZ=ON -DCORVANE_SANITIZE="$sanitize" -DCORVANE_BUILD_TESTS=OFF >/dev/null
cmake --build "$dir" --target corvane_fuzz --parallel "$(nproc)"

configs=(sample/Config tests/data/editing/sim/Config)

# A packed input: the first file as it is, then each further file behind a line "=== NAME".
pack() {
  local first=$1
  shift
  cat "$first"
  for f in "$@"; do
    printf '\r\n=== %s\r\n' "$(basename "$f")"
    cat "$f"
  done
}

# Copies the seeds of one target into its corpus folder (the corpus keeps what earlier runs found).
seed() {
  local target=$1 corpus=$dir/corpus/$1
  mkdir -p "$corpus"
  local kept
  for kept in "fuzz/seeds/$target" "tests/data/fuzz/$target"; do
    if [ -d "$kept" ]; then cp "$kept"/* "$corpus"/; fi
  done
  case $target in
    scenario)
      find sample tests/data -name '*.scn' -print0 | xargs -0 -I{} sh -c 'cp "{}" "$1/$(cksum < "{}" | cut -d" " -f1).scn"' _ "$corpus" ;;
    settings)
      find sample tests/data -iname 'corvane.cfg' -print0 | xargs -0 -I{} sh -c 'cp "{}" "$1/$(cksum < "{}" | cut -d" " -f1).cfg"' _ "$corpus" ;;
    description)
      find sample tests/data \( -name 'description.txt' -o -name '*.scn' \) -print0 |
        xargs -0 -I{} sh -c 'cp "{}" "$1/$(cksum < "{}" | cut -d" " -f1).txt"' _ "$corpus" ;;
    numbers) ;;
    system)
      for c in "${configs[@]}"; do
        for f in $(grep -l Star1 "$c"/*.cfg); do pack "$f" "$c"/*.cfg > "$corpus/$(basename "$c")-$(basename "$f")"; done
      done ;;
    bases)
      for c in "${configs[@]}"; do
        for f in $(grep -il '^ *base' "$c"/*.cfg); do pack "$f" "$c"/*.cfg > "$corpus/$(basename "$(dirname "$c")")-$(basename "$f")"; done
      done ;;
    catalogue)
      for c in "${configs[@]}"; do
        pack /dev/null "$c"/*.cfg > "$corpus/$(basename "$(dirname "$c")").cfg"
        cp "$c"/*.cfg "$corpus"/
      done ;;
  esac
}

dictionary() {
  case $1 in
    scenario | description) echo fuzz/scenario.dict ;;
    numbers) echo fuzz/numbers.dict ;;
    *) echo fuzz/config.dict ;;
  esac
}

export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/cmake/lsan.supp:print_suppressions=0"
failed=()
summary=()
for t in "${targets[@]}"; do
  seed "$t"
  findings=$dir/findings/$t
  mkdir -p "$findings"
  log=$dir/findings/$t.log
  echo "== fuzz_$t for ${seconds}s"
  limit=${FUZZ_MALLOC_LIMIT_MB:-1024}
  options=()
  [ -n "${FUZZ_MAX_LEN:-}" ] && options=(-max_len="$FUZZ_MAX_LEN")
  [ -n "${FUZZ_SEED:-}" ] && options+=(-seed="$FUZZ_SEED")
  if ! "$dir/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=$((limit + 1024)) \
      -malloc_limit_mb="$limit" "${options[@]}" -print_final_stats=1 \
      -dict="$(dictionary "$t")" -artifact_prefix="$findings/" "$dir/corpus/$t" > "$log" 2>&1; then
    failed+=("$t")
    grep -E -A1 '^\*\*\* |^--- actual:|ERROR: |runtime error|^SUMMARY|Test unit written' "$log" |
      grep -v -E '^(--|    #|--- expected:)' | cut -c1-300 | head -n 20 || true
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  summary+=("fuzz_$t: ${runs:-?} executions, ${rate:-?}/s")
done
printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
  echo "findings in: ${failed[*]} (inputs in $dir/findings/)" >&2
  exit 1
fi
