#!/usr/bin/env bash
# Installs the Debian packages that Fichorama's build, tests and tools need, only when some are missing.
# Usage: scripts/install-deps.sh [--bench] [--fuzz] [--desktop] [--package]
#   --bench    also the tools the benchmarks compare against (exiftool, python3-olefile, Google Benchmark)
#   --fuzz     also clang, for the libFuzzer target
#   --desktop  also Xvfb, xdotool and ImageMagick, for looking at the window without a screen
#   --package  also dpkg-dev and file, with which CPack finds the package's library dependencies
set -euo pipefail

# qt6-translations-l10n: Qt's own texts (box buttons, colour chooser) in French, needed at run time.
packages=(cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev libglx-dev
          googletest libgtest-dev libgmock-dev fonts-dejavu-core)
for arg in "$@"; do
    case "$arg" in
    --bench) packages+=(libbenchmark-dev libimage-exiftool-perl python3-olefile python3 bc time) ;;
    --fuzz) packages+=(clang libclang-rt-14-dev) ;;
    --desktop) packages+=(xvfb xauth xdotool imagemagick) ;;
    --package) packages+=(dpkg-dev file) ;;
    *) echo "unknown option: $arg" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
