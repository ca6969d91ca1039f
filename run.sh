#!/usr/bin/env bash
# Installs what is missing, builds the game and its data, and starts it.
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"

exec "$BUILD_DIR/bin/zindo-puzzle" "$@"
