#!/usr/bin/env bash
# Installs what is missing, builds everything, then runs every test headless.
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"

export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=dummy
cd "$BUILD_DIR"
ctest --output-on-failure --timeout 300 -j 2
