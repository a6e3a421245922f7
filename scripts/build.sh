#!/usr/bin/env bash
# Installs what is missing, then configures and builds Fichorama.
# Usage: scripts/build.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build_dir="${1:-build}"
shift || true
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" > /dev/null
cmake --build "$build_dir" -j "$(nproc)"
