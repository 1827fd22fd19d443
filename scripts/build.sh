#!/usr/bin/env bash
# Configures and builds Quenda into build/ (or the folder given as $1, with any further
# arguments passed to CMake). The programs land in <folder>/bin.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="${1:-$root/build}"
shift || true
cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)"
