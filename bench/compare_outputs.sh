#!/usr/bin/env bash
# Compares, byte for byte, what two builds of fichorama print and write over the same generated files:
# `list` in every format and with several sorts and settings, the page of a directory (`html`) and the
# combined page of a grid list (`html-list`), with their exit statuses and messages. Run it with the
# binary of the last published build as REFERENCE before and after a change of the listing or the pages.
# Usage: bench/compare_outputs.sh REFERENCE_BINARY CANDIDATE_BINARY [BUILD_DIR] [FILE_COUNT]
#   BUILD_DIR holds bench/make_documents (configured with -DFICHORAMA_BENCH=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/lib.sh
reference="$(realpath "$1")"
candidate="$(realpath "$2")"
build_dir="${3:-build-bench}"
count="${4:-100000}"
make_documents="$build_dir/bench/make_documents"
require_built "$make_documents"

make_work_dir
# Dates are shown in local time: a zone with daylight saving time checks the conversions.
export TZ=Europe/Paris
export LC_ALL=C.UTF-8

"$make_documents" "$work/docs" "$count" --mixed
for i in $(seq 1 12); do "$make_documents" "$work/lists/dossier $i" 500 --mixed; done
mkdir -p "$work/lists/vide" "$work/pages"

# Writes the configuration NAME in settings directory DIR with the given lines of [Configuration] and
# [HTML]; every property column is displayed.
configure() {
    local dir="$1" configuration="$2" html="$3"
    mkdir -p "$dir"
    {
        printf '[Configuration]\r\n%s' "$configuration"
        all_columns_section
        printf '[HTML]\r\n%s' "$html"
    } > "$dir/Fichorama.ini"
}
configure "$work/all" $'InclureTout=1\r\nInclureCaches=1\r\n' $'EffacerAnciensTableaux=0\r\n'
configure "$work/typed" $'InclurePDF=1\r\nInclureHTML=1\r\nLangue=1\r\n' \
    $'EffacerAnciensTableaux=0\r\nRenvoiALaLigne=1\r\nCouleurTitre=255\r\nTexteEnTete=<p>%Date</p>\r\n'
configure "$work/combined" $'InclureCaches=1\r\n' \
    "PathListeTableaux=$work/pages"$'\r\nIndexListes=1\r\nTotalDocuments=1\r\n'
configure "$work/combined-fr" $'InclurePDF=1\r\nLangue=1\r\n' \
    "PathListeTableaux=$work/pages"$'\r\nIndexListes=1\r\nTotalDocuments=1\r\nEffacerAnciensTableaux=0\r\n'
{
    for i in $(seq 1 12); do
        state='#TRUE#'
        ((i % 5 == 0)) && state='#FALSE#'
        printf '"%s",%s\r\n' "$work/lists/dossier $i" "$state"
        ((i == 6)) && printf '"%s",#TRUE#\r\n"%s",#TRUE#\r\n' "$work/lists/disparu" "$work/lists/vide"
    done
    printf '"%s",#FALSE#\r\n' "$work/lists/dossier 1"
} > "$work/combined/Fichorama.txt"
cp "$work/combined/Fichorama.txt" "$work/combined-fr/Fichorama.txt"

failures=0
# Runs one command with both binaries and compares standard output, standard error, the exit status and,
# when given, the file the command writes.
compare() {
    local label="$1" written="$2"
    shift 2
    local side
    for side in reference candidate; do
        local binary="$reference"
        [ "$side" = candidate ] && binary="$candidate"
        local status=0
        "$binary" "$@" > "$work/$side.out" 2> "$work/$side.err" || status=$?
        echo "$status" > "$work/$side.status"
        if [ -n "$written" ] && [ -f "$written" ]; then mv "$written" "$work/$side.page"; else : > "$work/$side.page"; fi
    done
    local part
    for part in out err status page; do
        if ! cmp -s "$work/reference.$part" "$work/candidate.$part"; then
            echo "DIFFERENT: $label ($part)"
            cmp "$work/reference.$part" "$work/candidate.$part" | head -1 || true
            failures=$((failures + 1))
            return
        fi
    done
    echo "same: $label ($(wc -c < "$work/reference.out") + $(wc -c < "$work/reference.page") bytes)"
}

for format in tsv csv json; do
    compare "list $format, every file" "" list "$work/docs" --settings "$work/all" --format "$format"
done
for sort in 0:desc 2 3:desc 11 12:desc 15 18:desc 25; do
    compare "list sorted by $sort" "" list "$work/docs" --settings "$work/all" --sort "$sort"
done
compare "list with PDF and HTML, in French" "" list "$work/docs" --settings "$work/typed" --sort 11:desc
compare "list of a missing directory" "" list "$work/nowhere" --settings "$work/all"
compare "html, every file" "$work/docs/Fichorama.html" html "$work/docs" --settings "$work/all" --sort 3:desc
compare "html, PDF and HTML, wrapped, red titles" "$work/docs/Fichorama.html" html "$work/docs" --settings "$work/typed"
compare "html of an empty directory" "" html "$work/lists/vide" --settings "$work/all"
compare "html-list" "$work/pages/Fichorama.html" html-list --settings "$work/combined" --sort 2
compare "html-list in French" "$work/pages/Fichorama.html" html-list --settings "$work/combined-fr"

# Old pages: both builds delete the same files and leave the others.
for side in reference candidate; do
    binary="$reference"
    [ "$side" = candidate ] && binary="$candidate"
    mkdir -p "$work/old-$side"
    for name in "Fichorama.html" "fichorama 5 mai 2026 - 10 h 00.HTML" "Fichorama fond" "Fichorama pied" \
                "Fichorama notes.txt" "Fichoramas.html" "Fichorama.html.bak" "autre.html"; do
        echo x > "$work/old-$side/$name"
    done
    cp tests/data/ole/report.doc "$work/old-$side/"
    configure "$work/delete" "" ""
    "$binary" html "$work/old-$side" --settings "$work/delete" > /dev/null 2>&1 || true
    (cd "$work/old-$side" && ls -A | LC_ALL=C sort) > "$work/old-$side.names"
done
if cmp -s "$work/old-reference.names" "$work/old-candidate.names"; then
    echo "same: old pages deleted"
else
    echo "DIFFERENT: old pages deleted"
    failures=$((failures + 1))
fi

echo "$failures difference(s)"
[ "$failures" -eq 0 ]
