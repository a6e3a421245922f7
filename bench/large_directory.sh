#!/usr/bin/env bash
# Lists a directory of 100,000 files (one in ten a small document, the others plain files, all listed with
# "InclureTout") and reports the time and the peak resident memory of `fichorama list`.
# Usage: bench/large_directory.sh [BUILD_DIR] [FILE_COUNT]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build}"
count="${2:-100000}"
scripts/install-deps.sh --bench
fichorama="$build_dir/src/fichorama"
[ -x "$fichorama" ] || scripts/build.sh "$build_dir"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/docs" "$work/settings"
printf '[Configuration]\r\nInclureTout=1\r\n' > "$work/settings/Fichorama.ini"
for ((i = 0; i < count; i++)); do
    if ((i % 10 == 0)); then
        cp tests/data/ole/si_cp1252_tous_pid.doc "$work/docs/doc$i.doc"
    else
        : > "$work/docs/file$i.txt"
    fi
done
"$fichorama" list "$work/docs" --settings "$work/settings" > /dev/null
/usr/bin/time -f 'fichorama list: %e s, peak resident memory %M kB' \
    "$fichorama" list "$work/docs" --settings "$work/settings" > "$work/out.tsv"
echo "rows printed: $(($(wc -l < "$work/out.tsv") - 1))"
