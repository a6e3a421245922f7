#!/usr/bin/env bash
# Builds the Debian package of Fichorama: a Release build installed under /usr, packed by CPack with the
# dependencies that dpkg-shlibdeps finds in the binary. Prints only the package's path on standard output
# (the build's own output goes to standard error).
# Usage: scripts/package.sh [BUILD_DIR]   (default build-package)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build-package}"
{
    scripts/install-deps.sh --package
    scripts/build.sh "$build_dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DFICHORAMA_TESTS=OFF
    rm -f "$build_dir"/fichorama_*.deb
    (cd "$build_dir" && cpack -G DEB)
} >&2
ls "$(cd "$build_dir" && pwd)"/fichorama_*.deb
