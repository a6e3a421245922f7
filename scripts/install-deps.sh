#!/usr/bin/env bash
# Installs the Debian packages that Fichorama's build, tests and tools need, only when some are missing.
# Usage: scripts/install-deps.sh [--bench] [--fuzz] [--desktop] [--browser] [--package]
#   --bench    also the tools the benchmarks compare against or count with (exiftool and the zip module it
#              reads packages with, python3-olefile, Google Benchmark, strace)
#   --fuzz     also clang, for the libFuzzer target
#   --desktop  also Xvfb, xdotool and ImageMagick, for looking at the window without a screen
#   --browser  also Chromium and Python, for checking the pages' links (scripts/check-page-links.py)
#   --package  also dpkg-dev and file, with which CPack finds the package's library dependencies
set -euo pipefail

# qt6-translations-l10n: Qt's own texts (box buttons, colour chooser) in French, needed at run time.
# libqpdf-dev: qpdf reads PDF files (its runtime library, libqpdf29, is then a dependency of the program).
# libgnutls28-dev: the key of AES-256 encrypted PDF files (qpdf's own crypto library, already at run time).
packages=(cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev libglx-dev
          googletest libgtest-dev libgmock-dev fonts-dejavu-core libqpdf-dev libgnutls28-dev zlib1g-dev)
for arg in "$@"; do
    case "$arg" in
    --bench)
        packages+=(libbenchmark-dev libimage-exiftool-perl libarchive-zip-perl python3-olefile python3 bc time strace)
        ;;
    --fuzz) packages+=(clang libclang-rt-14-dev) ;;
    --desktop) packages+=(xvfb xauth xdotool imagemagick) ;;
    --browser) packages+=(chromium python3) ;;
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
