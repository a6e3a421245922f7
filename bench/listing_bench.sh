#!/usr/bin/env bash
# Times `fichorama list` of generated documents (all eighteen columns) against every baseline in the same
# run: file(1), a python3-olefile loop, exiftool -T, a C loop that only opens, reads 4 KB and closes each
# file on as many threads as the listing has readers, and the reference build (the last published one).
# Warm: every command runs once before it is timed. Cold: the page cache is dropped before every run
# (needs root). Each figure is the median of REPEATS runs; the machine's load is printed around them.
# Usage: bench/listing_bench.sh CANDIDATE_BINARY REFERENCE_BINARY [BUILD_DIR] [DOCUMENT_COUNT] [REPEATS]
#   BUILD_DIR holds bench/make_documents (configured with -DFICHORAMA_BENCH=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/lib.sh
candidate="$(realpath "$1")"
reference="$(realpath "$2")"
build_dir="${3:-build-bench}"
count="${4:-10000}"
repeats="${5:-5}"
scripts/install-deps.sh --bench
make_documents="$build_dir/bench/make_documents"
require_built "$make_documents"

make_work_dir
docs="$work/docs"
"$make_documents" "$docs" "$count"
# Written back before anything is timed: the flush of fresh files would compete with the first runs.
sync
mkdir -p "$work/settings"
{
    all_columns_section
} > "$work/settings/Fichorama.ini"

# The listing's readers: four per core, at least 4 and at most 16 (listing/reader_pool.cpp).
readers=$(($(nproc) * 4))
((readers < 4)) && readers=4
((readers > 16)) && readers=16
cc -O2 -pthread -o "$work/floor_loop" bench/floor_loop.c

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

run_candidate() { "$candidate" list "$docs" --settings "$work/settings"; }
run_reference() { "$reference" list "$docs" --settings "$work/settings"; }
run_file() { file -- "$docs"/*; }
run_olefile() { /usr/bin/python3 "$work/olefile_loop.py" "$docs"; }
run_exiftool() { exiftool -T -q "${tags[@]}" "$docs"; }
run_floor() { "$work/floor_loop" "$docs" "$readers"; }

drop_caches() { sync && echo 3 > /proc/sys/vm/drop_caches; }

# Prints the median wall time in seconds of `runs` runs of a function; cold runs drop the caches first.
median_time() {
    local mode="$1" runs="$2" command="$3"
    [ "$mode" = warm ] && "$command" > /dev/null 2>&1
    local times=()
    for ((i = 0; i < runs; i++)); do
        [ "$mode" = cold ] && drop_caches
        local start end
        start=$(date +%s.%N)
        "$command" > /dev/null 2>&1 || true
        end=$(date +%s.%N)
        times+=("$(echo "$end - $start" | bc -l)")
    done
    printf '%s\n' "${times[@]}" | sort -g | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'
}

ratio() { echo "scale=2; $1 / $2" | bc -l; }

rows=$(run_candidate | wc -l)
echo "documents: $count, listed rows: $((rows - 1)), cores: $(nproc), readers: $readers, repeats: $repeats"
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"

slow=$(((repeats + 1) / 2))
declare -A warm
for tool in candidate reference file floor; do warm[$tool]=$(median_time warm "$repeats" "run_$tool"); done
for tool in olefile exiftool; do warm[$tool]=$(median_time warm "$slow" "run_$tool"); done
echo "warm (median):"
printf '  fichorama list   %8.3f s\n' "${warm[candidate]}"
printf '  reference list   %8.3f s  %6.2f x candidate\n' "${warm[reference]}" "$(ratio "${warm[reference]}" "${warm[candidate]}")"
printf '  file(1)          %8.3f s  %6.2f x candidate (target 4)\n' "${warm[file]}" "$(ratio "${warm[file]}" "${warm[candidate]}")"
printf '  olefile loop     %8.3f s  %6.2f x candidate (target 15)\n' "${warm[olefile]}" "$(ratio "${warm[olefile]}" "${warm[candidate]}")"
printf '  exiftool -T      %8.3f s  %6.2f x candidate (target 150)\n' "${warm[exiftool]}" "$(ratio "${warm[exiftool]}" "${warm[candidate]}")"
printf '  C floor loop     %8.3f s  candidate is %.2f x it (target at most 2.5)\n' "${warm[floor]}" "$(ratio "${warm[candidate]}" "${warm[floor]}")"

if drop_caches 2> /dev/null; then
    declare -A cold
    for tool in candidate reference file floor; do cold[$tool]=$(median_time cold "$repeats" "run_$tool"); done
    echo "cold (median, caches dropped before each run):"
    printf '  fichorama list   %8.3f s\n' "${cold[candidate]}"
    printf '  reference list   %8.3f s  %6.2f x candidate (target 3)\n' "${cold[reference]}" "$(ratio "${cold[reference]}" "${cold[candidate]}")"
    printf '  file(1)          %8.3f s  %6.2f x candidate (target 4)\n' "${cold[file]}" "$(ratio "${cold[file]}" "${cold[candidate]}")"
    printf '  C floor loop     %8.3f s  candidate is %.2f x it\n' "${cold[floor]}" "$(ratio "${cold[candidate]}" "${cold[floor]}")"
else
    echo "cold: skipped, the page cache cannot be dropped (not root)"
fi
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
