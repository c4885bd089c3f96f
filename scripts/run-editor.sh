#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor in run/, whose settings file points at
# the bundled sample installation. Without a display it runs under xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
dir=$(./scripts/build.sh | tail -n 1)
mkdir -p run
printf '%s\r\n' "$PWD/sample" > run/vex.cfg
cp help/*.hlp run/
cd run
editor="../$dir/corvane-scenario-editor"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a "$editor" "$@"
fi
exec "$editor" "$@"
