#!/usr/bin/env bash
# Runs the document-file fuzz target from its seed corpus for a fixed number of inputs; new
# inputs go to a temporary folder, never into the committed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-clang}
runs=${FUZZ_RUNS:-20000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan.supp"
"$build_dir/tests/fuzz/fuzz_document_file" -runs="$runs" -seed=1 "$work" tests/fuzz/corpus
