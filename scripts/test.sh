#!/usr/bin/env bash
# Set-up, build and run every test.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
shift || true
scripts/setup.sh "$build_dir" "$@"
# Used by sanitizer builds, ignored otherwise; inherited by the programs the tests start.
export LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
