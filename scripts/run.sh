#!/usr/bin/env bash
# Builds Mirelo and opens the example building in the desktop program. Without
# a display it runs under xvfb-run and prints the model's counts instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" "$root/build" -DMIRELO_BENCH=OFF >/dev/null
model=${1:-"$root/examples/rc-frame-building.s2k"}
"$root/build/mirelo-cli" info "$model"
if [ -x "$root/build/mirelo" ]; then
  if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$root/build/mirelo" "$model"
  fi
  echo "No display: the desktop program runs off-screen for a look and closes."
  timeout 5 xvfb-run -a "$root/build/mirelo" "$model" || true
fi
