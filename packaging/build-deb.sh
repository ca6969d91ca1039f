#!/usr/bin/env bash
# Builds the Debian package of the game from the committed state of this
# clone: installs the build dependencies that are missing (with sudo unless
# root), builds in a fresh clone with `dpkg-buildpackage -us -uc -b`, checks
# the result with lintian and leaves the .deb in OUTPUT_DIR.
#   packaging/build-deb.sh [OUTPUT_DIR]      (default: build-deb/)
# DEB_BUILD_OPTIONS is passed on (for example "nocheck" skips the tests).
set -euo pipefail

ROOT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
OUTPUT_DIR=$(mkdir -p "${1:-$ROOT_DIR/build-deb}" && cd "${1:-$ROOT_DIR/build-deb}" && pwd)
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

# The packaging tools, then the build dependencies named in debian/control.
tools=(dpkg-dev debhelper fakeroot lintian git)
missing=()
for package in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ] || ! (cd "$ROOT_DIR" && dpkg-checkbuilddeps >/dev/null 2>&1); then
  $SUDO apt-get update
  [ ${#missing[@]} -eq 0 ] ||
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get build-dep -y --no-install-recommends "$ROOT_DIR"
fi

if [ -n "$(git -C "$ROOT_DIR" status --porcelain --untracked-files=no)" ]; then
  echo "Note: changes that are not committed are not in the package."
fi

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
git clone --quiet --no-hardlinks "$ROOT_DIR" "$WORK/zindo-puzzle"
export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-parallel=$(nproc)}"
(cd "$WORK/zindo-puzzle" && dpkg-buildpackage -us -uc -b)

cp "$WORK"/zindo-puzzle_*.deb "$WORK"/zindo-puzzle_*.changes "$WORK"/zindo-puzzle_*.buildinfo "$OUTPUT_DIR"/
deb=$(ls "$OUTPUT_DIR"/zindo-puzzle_*.deb | sort -V | tail -n 1)
echo "lintian:"
lintian --info "$deb"
echo "Built $deb ($(du -h "$deb" | cut -f1))"
echo "Install it with: sudo apt-get install $deb"
