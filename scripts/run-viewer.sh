#!/usr/bin/env bash
# Shows FILE (default examples/sample.csv) in the Quenda window, saves a screenshot of the window
# to OUT (default build/screenshot.png) and closes it again. Without a display it runs under a
# private Xvfb. It builds nothing: build/bin/quenda must exist (scripts/build.sh).
# The window runs with fresh settings in a temporary folder, so the picture shows the defaults
# and the user's own settings and recent files are left alone.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
file="${1:-$root/examples/sample.csv}"
out="${2:-$root/build/screenshot.png}"
bin="${QUENDA_BIN:-$root/build/bin/quenda}"
caption="Quenda - CSV/TSV Viewer Quenda"

if [ ! -x "$bin" ]; then
  echo "run-viewer: $bin not found; build first (scripts/build.sh)" >&2
  exit 1
fi
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$file" "$out"
fi

config="$(mktemp -d)"
XDG_CONFIG_HOME="$config" "$bin" "$file" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$config"' EXIT

# Wait for the window to be mapped, then give the load and the first paint a moment.
window=""
for _ in $(seq 100); do
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "run-viewer: quenda exited before its window showed" >&2
    exit 1
  fi
  window="$(xwininfo -name "$caption" 2>/dev/null | awk '/Window id:/ {print $4}')" || true
  [ -n "$window" ] && xwininfo -id "$window" | grep -q 'IsViewable' && break
  window=""
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "run-viewer: no window \"$caption\" after 10 s" >&2
  exit 1
fi
sleep 1

mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "run-viewer: screenshot of $file saved to $out"
