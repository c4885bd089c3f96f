#!/usr/bin/env bash
# Installs what is missing, builds and runs every test (add --sanitize for the
# AddressSanitizer and UndefinedBehaviorSanitizer build).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
dir=$(./scripts/build.sh "$@" | tail -n 1)
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/cmake/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)" --timeout 300
