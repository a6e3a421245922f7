#!/usr/bin/env bash
# Installs what is missing, builds Fichorama and runs every test.
# Usage: scripts/test.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build}"
shift || true
scripts/check-layers.sh
scripts/build.sh "$build_dir" "$@"
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" --timeout 300
