#!/usr/bin/env bash
# Installs every Debian package the project builds, tests or runs with; only what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libgl-dev libxkbcommon-dev
  libsimpleini-dev libxlsxwriter-dev pkgconf unzip
  fonts-dejavu-core xvfb xauth imagemagick desktop-file-utils shared-mime-info
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
