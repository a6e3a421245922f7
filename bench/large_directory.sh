#!/usr/bin/env bash
# Large listings and pages, candidate and reference build in the same run: `list`, `html` and `html-list`
# of generated documents (time and peak resident memory, median of REPEATS), and the window listing the
# same directory (window_bench: the longest wait of its event loop and the listing's time).
# Usage: bench/large_directory.sh CANDIDATE_BINARY REFERENCE_BINARY [BUILD_DIR] [DOCUMENT_COUNT] [REPEATS]
#   BUILD_DIR holds bench/make_documents and bench/window_bench (configured with -DFICHORAMA_BENCH=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/lib.sh
candidate="$(realpath "$1")"
reference="$(realpath "$2")"
build_dir="${3:-build-bench}"
count="${4:-100000}"
repeats="${5:-3}"
scripts/install-deps.sh --bench
require_built "$build_dir/bench/make_documents" "$build_dir/bench/window_bench"

make_work_dir
"$build_dir/bench/make_documents" "$work/docs" "$count"
list_dirs=200
per_dir=500
mkdir -p "$work/settings" "$work/pages"
for ((i = 0; i < list_dirs; i++)); do
    "$build_dir/bench/make_documents" "$work/lists/$i" "$per_dir"
    printf '"%s",#TRUE#\r\n' "$work/lists/$i" >> "$work/settings/Fichorama.txt"
done
# Written back before anything is timed: the flush of fresh files would compete with the first runs.
sync
{
    all_columns_section
    printf '[HTML]\r\nPathListeTableaux=%s\r\nIndexListes=1\r\nTotalDocuments=1\r\n' "$work/pages"
} > "$work/settings/Fichorama.ini"

# Prints "seconds kilobytes" of the run with the median time among `repeats` runs (after one warm-up).
measure() {
    "$@" > /dev/null 2>&1 || true
    for ((i = 0; i < repeats; i++)); do
        /usr/bin/time -f '%e %M' -o "$work/time" "$@" > /dev/null 2>&1 || true
        cat "$work/time"
    done | sort -g | awk '{ line[NR] = $0 } END { print line[int((NR + 1) / 2)] }'
}

echo "documents: $count; grid list: $list_dirs directories of $per_dir; cores: $(nproc); repeats: $repeats"
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
declare -A seconds memory
for side in candidate reference; do
    binary="$candidate"
    [ "$side" = reference ] && binary="$reference"
    read -r seconds[$side-list] memory[$side-list] < <(measure "$binary" list "$work/docs" --settings "$work/settings")
    read -r seconds[$side-html] memory[$side-html] < <(measure "$binary" html "$work/docs" --settings "$work/settings")
    read -r seconds[$side-html-list] memory[$side-html-list] < <(measure "$binary" html-list --settings "$work/settings")
done
page_kb=$(($(stat -c %s "$work/docs/Fichorama.html") / 1024))
list_page_kb=$(($(stat -c %s "$work/pages/Fichorama.html") / 1024))
for command in list html html-list; do
    printf '%-9s candidate %7.2f s %7d MB   reference %7.2f s %7d MB\n' "$command" \
        "${seconds[candidate-$command]}" "$((memory[candidate-$command] / 1024))" \
        "${seconds[reference-$command]}" "$((memory[reference-$command] / 1024))"
done
ratio() { echo "scale=2; $1 / $2" | bc -l; }
echo "html: page $((page_kb / 1024)) MB; candidate html / candidate list: $(ratio "${seconds[candidate-html]}" "${seconds[candidate-list]}") (target at most 1.3)"
echo "html: candidate peak $((memory[candidate-html] / 1024)) MB, list peak $((memory[candidate-list] / 1024)) MB;" \
     "peak - list peak - page = $(((memory[candidate-html] - memory[candidate-list]) / 1024 - page_kb / 1024)) MB (target at most 50)"
echo "html-list: page $((list_page_kb / 1024)) MB"

echo "window (median listing against the command line's list):"
QT_QPA_PLATFORM=offscreen "$build_dir/bench/window_bench" "$work/settings" "$work/docs" "$repeats" | tee "$work/window"
window_ms=$(sed -n 's/^listing median \([0-9]*\) ms.*/\1/p' "$work/window")
echo "window listing / command line list: $(ratio "$window_ms" "$(echo "${seconds[candidate-list]} * 1000" | bc -l)") (target at most 1.3)"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
