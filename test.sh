#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"
quibel_install
quibel_build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$QUIBEL_BUILD" --output-on-failure -j "$(nproc)"
