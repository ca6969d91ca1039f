#!/usr/bin/env bash
# Installs what is missing, builds the game and its data, and starts it.
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"

GAME="$BUILD_DIR/bin/zindo-puzzle"
if [ ! -x "$GAME" ]; then
  echo "The game window is not built yet; the libraries and tools are in $BUILD_DIR."
  exit 0
fi
exec "$GAME" "$@"
