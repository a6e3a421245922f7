#!/usr/bin/env bash
# Runs each fuzz target once over its seed inputs, without fuzzing: the summary target over the OLE
# documents of tests/data/ole, the PDF target over the PDF files of tests/data/modern and
# tests/data/pdf_variants, the package target over every file of tests/data/modern (the malformed ones and
# the inputs that once broke a reader included).
# Usage: fuzz/run-seeds.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:?usage: fuzz/run-seeds.sh BUILD_DIR}"
run_over_seeds() {
    local target="$build_dir/fuzz/$1"
    shift
    [ -x "$target" ] || { echo "no fuzz target at $target" >&2; exit 1; }
    mapfile -t seeds < <(find "$@" -type f ! -name '*.json' | sort)
    "$target" -runs=0 "${seeds[@]}"
}
run_over_seeds summary_fuzzer tests/data/ole
run_over_seeds pdf_fuzzer tests/data/modern tests/data/pdf_variants -name '*.pdf'
run_over_seeds package_fuzzer tests/data/modern
