#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test: the full build, then the core's tests
# again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"

"$root/scripts/build.sh" "$root/build"
(cd "$root/build" && ctest --output-on-failure -j "$(nproc)")

"$root/scripts/build.sh" "$root/build-sanitize" -DQUENDA_BUILD_GUI=OFF -DQUENDA_SANITIZE=ON \
  -DCMAKE_BUILD_TYPE=Debug
(cd "$root/build-sanitize" && ctest --output-on-failure -j "$(nproc)")
