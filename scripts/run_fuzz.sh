#!/usr/bin/env bash
# Runs the document-file fuzz target from its seed corpus for a fixed number of inputs.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-clang}
runs=${FUZZ_RUNS:-200000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r tests/fuzz/corpus/. "$work/" 2>/dev/null || true
"$build_dir/tests/fuzz/fuzz_document_file" -runs="$runs" -seed=1 -max_len=65536 "$work"
