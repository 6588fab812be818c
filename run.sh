#!/usr/bin/env bash
# Installs what is missing, builds, and starts Solitaire Quibel.
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"
quibel_install
# Only the game: the program with its sounds and help beside it, no test programs.
quibel_build solitaire-quibel game_assets
exec "$QUIBEL_BUILD/game/solitaire-quibel" "$@"
