#!/usr/bin/env bash
# Installs what is missing, builds, and starts Solitaire Quibel.
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"
quibel_install
quibel_build
exec "$QUIBEL_BUILD/game/solitaire-quibel" "$@"
