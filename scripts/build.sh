#!/usr/bin/env bash
# Configures and builds into build/ (or build-sanitize/ with --sanitize).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize
  flags=(-DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE=ON)
fi
cmake -S . -B "$dir" -G Ninja "${flags[@]}" >/dev/null
# The build's own output goes to stderr: callers take the folder from the last line of stdout, and
# a compiler's error must still reach the person or the CI log.
cmake --build "$dir" --parallel "$(nproc)" >&2
echo "$dir"
