#!/usr/bin/env bash
# Installs what is needed, builds, and runs Quenda on a sample file (examples/sample.csv unless
# a file is given): the batch tool prints what it read and sorts it, then the window shows the
# file (under Xvfb when there is no display) and a screenshot is saved to build/screenshot.png.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
file="${1:-$root/examples/sample.csv}"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build"

"$root/build/bin/quenda-cli" info "$file"
"$root/build/bin/quenda-cli" sort "$file" "$root/build/sample-sorted.csv" --item 3 --header
echo "sorted by the third item: $root/build/sample-sorted.csv"
if [ -x "$root/build/bin/quenda" ]; then
  "$root/scripts/run-viewer.sh" "$file" "$root/build/screenshot.png"
fi
