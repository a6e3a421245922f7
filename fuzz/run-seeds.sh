#!/usr/bin/env bash
# Runs the summary fuzz target once over its seed inputs (the OLE documents of tests/data/ole, the
# malformed ones and the inputs that once broke the reader included), then the package target over the
# zip packages of tests/data/modern, without fuzzing.
# Usage: fuzz/run-seeds.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:?usage: fuzz/run-seeds.sh BUILD_DIR}"
target="$build_dir/fuzz/summary_fuzzer"
[ -x "$target" ] || { echo "no fuzz target at $target" >&2; exit 1; }
mapfile -t seeds < <(find tests/data/ole -type f ! -name '*.json' | sort)
"$target" -runs=0 "${seeds[@]}"
mapfile -t packages < <(find tests/data/modern -type f ! -name '*.json' | sort)
"$build_dir/fuzz/package_fuzzer" -runs=0 "${packages[@]}"
