#!/usr/bin/env bash
# Builds the Debian package in a temporary folder, installs it with apt-get, runs the installed
# programs from an empty folder the way a user would, and removes the package again. Nothing is
# written into the source tree. Needs root (or sudo) for apt-get.
set -euo pipefail
cd "$(dirname "$0")/.."
source="$PWD"
./scripts/install-deps.sh dpkg-dev file
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

work=$(mktemp -d)
package=corvane-scenario-editor
installed=0
cleanup() {
  if [ "$installed" = 1 ]; then
    DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y "$package" >/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

cmake -S "$source" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
  -DCORVANE_BUILD_TESTS=OFF >/dev/null
cmake --build "$work/build" --parallel "$(nproc)"
(cd "$work/build" && cpack -G DEB)
deb=$(ls "$work"/build/"$package"_*.deb)
echo "package: $(basename "$deb")"
dpkg-deb --field "$deb" Package Version Depends
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "$deb"
installed=1

fail() { echo "package check: $*" >&2; exit 1; }
data=/usr/share/corvane-scenario-editor
for file in /usr/bin/corvane-scenario-editor /usr/bin/corvane-scn "$data/Corvane Scenario Editor v109.hlp" \
            "$data/sample/corvane.cfg" /usr/share/applications/org.corvane.ScenarioEditor.desktop \
            /usr/share/metainfo/org.corvane.ScenarioEditor.metainfo.xml \
            /usr/share/mime/packages/org.corvane.ScenarioEditor.xml \
            /usr/share/icons/hicolor/scalable/apps/org.corvane.ScenarioEditor.svg \
            /usr/share/icons/hicolor/256x256/apps/org.corvane.ScenarioEditor.png /usr/share/man/man1/corvane-scn.1; do
  [ -f "$file" ] || fail "missing $file"
done

empty="$work/empty"
config="$work/config"
mkdir -p "$empty" "$config/corvane-scenario-editor"
cd "$empty"
corvane-scn --version
corvane-scn check --sim "$data/sample" "$data/sample/Scenarios/Tutorials/First Launch.scn" \
  "$data/sample/Scenarios/Earth Orbit Rendezvous.scn" || fail "the installed sample does not pass its checks"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$config"
corvane-scenario-editor --version
paths=$(corvane-scenario-editor --print-paths) || fail "the installed editor finds no help file: $paths"
echo "$paths"
grep -qxF "help file: $data/Corvane Scenario Editor v109.hlp" <<<"$paths" || fail "help file not the installed one"
grep -qxF "settings file: $config/corvane-scenario-editor/vex.cfg" <<<"$paths" || fail "settings not in the configuration folder"

# The editor itself, offscreen, on the installed sample with a scenario named on its command line:
# its start rewrites the settings file without the comment, and it writes nothing here.
printf '%s ; package check\r\n' "$data/sample" > "$config/corvane-scenario-editor/vex.cfg"
corvane-scenario-editor "$data/sample/Scenarios/Tutorials/First Launch.scn" &
editor=$!
for _ in $(seq 1 60); do
  [ "$(cat "$config/corvane-scenario-editor/vex.cfg")" = "$data/sample"$'\r' ] && break
  kill -0 "$editor" 2>/dev/null || break
  sleep 0.5
done
[ "$(cat "$config/corvane-scenario-editor/vex.cfg")" = "$data/sample"$'\r' ] || fail "the editor did not start on the sample"
kill -0 "$editor" 2>/dev/null || fail "the editor ended by itself"
kill -TERM "$editor"
for _ in $(seq 1 30); do
  kill -0 "$editor" 2>/dev/null || break
  sleep 0.5
done
if kill -0 "$editor" 2>/dev/null; then
  kill -KILL "$editor"
  fail "the editor did not end when asked to"
fi
# The editor ends the way the signal would have ended it (status 143 in a shell), after writing a
# recovery copy of any unsaved changes; any other status is a fault.
status=0
wait "$editor" || status=$?
[ "$status" = 0 ] || [ "$status" = 143 ] || fail "the editor did not end cleanly (status $status)"
[ -z "$(ls -A "$empty")" ] || fail "the editor wrote into its start folder: $(ls -A "$empty")"
cd "$source"

DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y "$package"
installed=0
[ ! -e /usr/bin/corvane-scenario-editor ] || fail "the package left its editor behind"
echo "package check: passed"
