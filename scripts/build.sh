#!/usr/bin/env bash
# Installs what is missing, then configures and builds Fichorama.
# Usage: scripts/build.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build_dir="${1:-build}"
shift || true
# ccache, when installed, lets several build folders and checkouts share compiled objects.
launcher=()
if command -v ccache > /dev/null; then
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}" CCACHE_NOHASHDIR=1
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" > /dev/null
cmake --build "$build_dir" -j "$(nproc)"
