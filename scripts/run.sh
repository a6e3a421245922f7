#!/usr/bin/env bash
# Installs what is missing, builds Fichorama and starts it; arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh build
exec build/src/fichorama "$@"
