# Shared by ./run.sh and ./test.sh: installs the Debian packages that are
# missing, then configures and builds the game and its data under build/.
# Sourced, not run: it leaves ROOT_DIR and BUILD_DIR set for the caller.
# With ZINDO_CHECKING_BUILD=1 (./test.sh) it also installs what the sanitizer
# and fuzzing build needs.

set -euo pipefail

ROOT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR="$ROOT_DIR/build"

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev qt6-image-formats-plugins
  qt6-tools-dev qt6-l10n-tools
  libsdl2-dev libxrandr-dev libjpeg62-turbo-dev libfontconfig-dev
  libgtest-dev libgmock-dev libbenchmark-dev libxdamage-dev
  fonts-liberation
  xvfb xauth xdotool imagemagick
  desktop-file-utils appstream
)
# ./test.sh also builds with clang's sanitizers and libFuzzer (build-asan/);
# ./run.sh does without them.
if [ "${ZINDO_CHECKING_BUILD:-0}" = 1 ]; then
  PACKAGES+=(clang-14 libclang-rt-14-dev)
fi

missing=()
for package in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S "$ROOT_DIR" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$BUILD_DIR" -j "$(nproc)"
