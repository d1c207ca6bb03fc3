#!/usr/bin/env bash
# Installs the Debian packages Mirelo needs (when missing), then configures and
# builds it. Usage: scripts/setup.sh BUILD_DIR [CMAKE_OPTIONS...]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
shift || true

packages=(build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev libgl-dev xvfb xauth fonts-dejavu-core fonts-wqy-microhei)
packages+=(qt6-charts-dev) # the plots of the curves window
packages+=(nlohmann-json3-dev) # the project files
# The run time of OpenSeesMP and OpenSeesSP (Open MPI with mpiexec, ScaLAPACK),
# which the suite and parallel-run tests start.
packages+=(openmpi-bin libopenmpi3 libscalapack-openmpi2.2 libtcl8.6 liblapack3 libblas3 libgfortran5)
packages+=(qt6-tools-dev qt6-l10n-tools) # lrelease: the captions' translations
packages+=(qt6-translations-l10n) # Qt's own captions (standard buttons) in the user's language
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -eq 0 ]; then
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
  elif command -v sudo >/dev/null 2>&1; then
    sudo apt-get update -qq && sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
  else
    echo "Please install these Debian packages first (as root): ${missing[*]}" >&2
    exit 1
  fi
fi

cmake -S "$root" -B "$build" -G Ninja "$@" >/dev/null
ninja -C "$build"
