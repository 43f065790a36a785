#!/usr/bin/env bash
# Set-up, build and run every test.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
shift || true
scripts/setup.sh "$build_dir" "$@"
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
