#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the editor need, when any is missing.
# Further package names given as arguments are installed the same way (the package check adds
# the tools that build a .deb).
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev
          fonts-dejavu-core xvfb xauth desktop-file-utils appstream shared-mime-info "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
