#!/usr/bin/env bash
# Installs everything the build and the tests need on Debian 12 (run as root), then builds.
# Quick when everything is present already.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config git
  libgtest-dev libgmock-dev libbenchmark-dev
  libzxing-dev libqrencode-dev qrencode libpng-dev libjpeg-dev libtiff-dev libgif-dev zlib1g-dev
  libfreetype-dev libfontconfig-dev libglib2.0-dev libgsf-1-dev fonts-liberation2
  python3 python3-olefile imagemagick libwmf-bin fonts-urw-base35 zint clang clang-format nodejs npm
  man-db lintian file valgrind libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev xvfb xauth
  libcairo2-dev librsvg2-bin poppler-utils shared-mime-info desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# nodejs from other sources brings its own npm; accept any working npm.
if command -v npm >/dev/null 2>&1; then
  missing=("${missing[@]/npm}")
fi
if [ -n "$(echo "${missing[@]}" | tr -d ' ')" ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends ${missing[@]}
fi

# Test-only reader (zxing-cpp 2.x as WebAssembly) from the npm registry.
if [ ! -d tools/zxing-wasm/node_modules/zxing-wasm ]; then
  (cd tools/zxing-wasm && npm ci --no-audit --no-fund)
fi

build_dir=${1:-build}
shift || true
cmake -S . -B "$build_dir" -G Ninja "$@"
cmake --build "$build_dir" -j "$(nproc)"
