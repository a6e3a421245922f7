#!/usr/bin/env bash
# Compares, in one run and on the same directory, the whole-process time of `fichorama list` (all eighteen
# columns displayed) with exiftool -T and with a Python loop over python3-olefile reading the same
# properties. Prints each time and the ratios. Warm cache: every tool runs once before it is timed.
# Usage: bench/list_vs_tools.sh [BUILD_DIR] [DOCUMENT_COUNT]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build}"
count="${2:-10000}"
scripts/install-deps.sh --bench
fichorama="$build_dir/src/fichorama"
[ -x "$fichorama" ] || scripts/build.sh "$build_dir"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/docs" "$work/settings"
sources=(tests/data/ole/si_cp1252_tous_pid.doc tests/data/ole/cjk_emoji.doc tests/data/ole/si_lpwstr.doc
         tests/data/ole/tableur_japonais.xls tests/data/ole/titre_vide.doc tests/data/ole/edition_zero.doc)
for ((i = 0; i < count; i++)); do
    src="${sources[$((i % ${#sources[@]}))]}"
    cp "$src" "$work/docs/doc$i.${src##*.}"
done
{
    printf '[Proprietes]\r\n'
    for key in NomCourt Sujet MotsCles Modele Commentaires DernierAuteur Revision Pages Mots Caracteres \
               Securite Cree DerniereSauvegarde DerniereImpression TempsEdition; do
        printf '%s=1\r\n' "$key"
    done
} > "$work/settings/Fichorama.ini"

cat > "$work/olefile_loop.py" <<'PY'
import os, sys, olefile
d = sys.argv[1]
for name in os.listdir(d):
    path = os.path.join(d, name)
    try:
        if not olefile.isOleFile(path):
            continue
        with olefile.OleFileIO(path) as ole:
            if not ole.exists('\x05SummaryInformation'):
                continue
            props = ole.getproperties('\x05SummaryInformation', convert_time=True)
            print(name, *(props.get(pid, '') for pid in (18, 2, 4, 3, 5, 7, 6, 8, 9, 14, 15, 16, 19, 12, 13, 11, 10)), sep='\t')
    except Exception:
        pass
PY

tags=(-FlashPix:Software -FlashPix:Title -FlashPix:Author -FlashPix:Subject -FlashPix:Keywords -FlashPix:Template
      -FlashPix:Comments -FlashPix:LastModifiedBy -FlashPix:RevisionNumber -FlashPix:Pages -FlashPix:Words
      -FlashPix:Characters -FlashPix:Security -FlashPix:CreateDate -FlashPix:ModifyDate -FlashPix:LastPrinted
      -FlashPix:TotalEditTime)

# Prints the best wall time in seconds of three runs of a command (after one warm-up run).
best_of_three() {
    "$@" > /dev/null 2>&1 || true
    local best=""
    for _ in 1 2 3; do
        local start end elapsed
        start=$(date +%s.%N)
        "$@" > /dev/null 2>&1 || true
        end=$(date +%s.%N)
        elapsed=$(echo "$end - $start" | bc -l)
        if [ -z "$best" ] || (( $(echo "$elapsed < $best" | bc -l) )); then best=$elapsed; fi
    done
    echo "$best"
}

# Prints the wall time in seconds of one run of a command (for the slow tools; the files are already cached).
time_once() {
    local start end
    start=$(date +%s.%N)
    "$@" > /dev/null 2>&1 || true
    end=$(date +%s.%N)
    echo "$end - $start" | bc -l
}

rows=$("$fichorama" list "$work/docs" --settings "$work/settings" | wc -l)
echo "documents: $count (fichorama listed $((rows - 1)) rows)"
t_fichorama=$(best_of_three "$fichorama" list "$work/docs" --settings "$work/settings")
t_exiftool=$(time_once exiftool -T -q "${tags[@]}" "$work/docs")
t_olefile=$(best_of_three /usr/bin/python3 "$work/olefile_loop.py" "$work/docs")
printf 'fichorama list : %8.3f s\n' "$t_fichorama"
printf 'exiftool -T    : %8.3f s  (%.1f times fichorama)\n' "$t_exiftool" "$(echo "$t_exiftool / $t_fichorama" | bc -l)"
printf 'olefile loop   : %8.3f s  (%.1f times fichorama)\n' "$t_olefile" "$(echo "$t_olefile / $t_fichorama" | bc -l)"
peak=$( { /usr/bin/time -f '%M' "$fichorama" list "$work/docs" --settings "$work/settings" > /dev/null; } 2>&1 | tail -1)
echo "fichorama list peak resident memory: $((peak / 1024)) MB"
