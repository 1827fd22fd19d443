#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running Quenda need.
# Does nothing when they are all present already.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev libx11-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  # running the window without a display, and a screenshot of it
  xvfb xauth x11-utils imagemagick
  # a fixed-pitch font and a Japanese font, so Japanese text shows as text
  fonts-dejavu-core fonts-noto-cjk
  # benchmarks: peak memory of a run
  time
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}" >&2
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
