#!/usr/bin/env bash
# Installs the Debian packages the game needs (only the missing ones) and
# builds it incrementally into build/. Sourced by run.sh and test.sh.
set -euo pipefail

QUIBEL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QUIBEL_BUILD="$QUIBEL_ROOT/build"

quibel_packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev libqt6svg6 libqt6test6
  kdegames-card-data-kf5 fonts-dejavu-core
)

quibel_install() {
  local missing=()
  for p in "${quibel_packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

# Builds the given targets, or everything when none is given.
quibel_build() {
  if [ ! -f "$QUIBEL_BUILD/build.ninja" ]; then
    cmake -S "$QUIBEL_ROOT" -B "$QUIBEL_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  local targets=()
  for t in "$@"; do targets+=(--target "$t"); done
  cmake --build "$QUIBEL_BUILD" -j "$(nproc)" "${targets[@]}"
}
