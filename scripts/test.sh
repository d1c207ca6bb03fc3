#!/usr/bin/env bash
# Builds Mirelo with its tests and runs the whole suite (core, command line,
# drawing and windows; the windows run on Qt's off-screen platform).
# Usage: scripts/test.sh [BUILD_DIR [CMAKE_OPTIONS...]]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
shift || true
"$root/scripts/setup.sh" "$build" -DMIRELO_TESTS=ON "$@"
export QT_QPA_PLATFORM=offscreen
cd "$build" && ctest --output-on-failure -j2
