#!/usr/bin/env bash
# Checks the Debian package that scripts/package.sh built: its files, its control fields, its dependencies
# (found in the binary by dpkg-shlibdeps, plus the Qt translations) and its manual page against --help.
# Usage: package_test.sh PACKAGE.deb; exit status 77 (skipped) when the package is gone.
set -uo pipefail
deb="$1"
if [ ! -f "$deb" ]; then
    echo "skipped: no package at $deb (scripts/package.sh builds it)"
    exit 77
fi
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for expected in ./usr/bin/fichorama ./usr/libexec/fichorama/fichorama-window ./usr/share/applications/fichorama.desktop \
                ./usr/share/icons/hicolor/scalable/apps/fichorama.svg ./usr/share/man/man1/fichorama.1.gz; do
    grep -qxF "$expected" <<< "$files" || fail "the package lacks $expected"
done
grep -qx '\./usr/lib/.*/fichorama/fichorama-pdf\.so' <<< "$files" || fail "the package lacks the PDF module"
outside=$(grep -v -e '^\./$' -e '^\./usr/' <<< "$files")
[ -z "$outside" ] || fail "files outside /usr: $outside"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = fichorama ] || fail "Package is $(field Package)"
[ "$(field Architecture)" = amd64 ] || fail "Architecture is $(field Architecture)"
[ "$(basename "$deb")" = "fichorama_$(field Version)_amd64.deb" ] || fail "file name $(basename "$deb")"
depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
for expected in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6dbus6 libqpdf29 qt6-translations-l10n; do
    grep -qxF "$expected" <<< "$depends" || fail "Depends lacks $expected: $(field Depends)"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
version=$("$root/usr/bin/fichorama" --version) || fail "fichorama --version failed"
[ "$version" = "Fichorama $(field Version)" ] || fail "--version says \"$version\", the package $(field Version)"
# The installed program finds its PDF module: a PDF file's author is listed.
mkdir -p "$root/pdf" "$root/settings"
cp "$(dirname "$0")/../data/modern/generated/pdf_info_seul.pdf" "$root/pdf/"
printf '[Configuration]\r\nInclurePDF=1\r\n' > "$root/settings/Fichorama.ini"
listing=$("$root/usr/bin/fichorama" list "$root/pdf" --settings "$root/settings" 2>&1)
grep -q "Élodie Müller" <<< "$listing" || fail "the installed program does not read PDF files: $listing"
manual_file="$root/usr/share/man/man1/fichorama.1.gz"
if [ -f "$manual_file" ]; then
    manual=$(gzip -dc "$manual_file")
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS"; do
        grep -qx "\.SH $section" <<< "$manual" || fail "the manual has no section $section"
    done
    # Every option of --help is an entry of the manual's options (hyphens are \- in the manual).
    while read -r option; do
        grep -qF "\\fB${option//-/\\-}" <<< "$manual" || fail "the manual lacks the option $option"
    done < <("$root/usr/bin/fichorama" --help | sed -n 's/^  \(-[^ ,]*\).*/\1/p')
fi

[ "$failures" -eq 0 ] && echo "package ok: $(basename "$deb")"
exit $((failures > 0))
