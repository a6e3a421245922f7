#!/usr/bin/env bash
# Compares, in one run and on one directory of COUNT PDF files (copies of the sound PDF files of
# tests/data/modern), the PDF reader (bench/pdf_bench: title, subject, author, keywords, created, saved,
# pages, application) with exiftool -T reading the same properties from the information dictionary and
# the XMP metadata: time per file (warm cache, best of three runs; exiftool once) and system calls per
# file (strace -f -c, less those of the same command over an empty directory).
# Usage: bench/pdf_vs_exiftool.sh [BUILD_DIR] [COUNT]
#   BUILD_DIR defaults to build-bench: scripts/build.sh build-bench -DCMAKE_BUILD_TYPE=Release
#   -DFICHORAMA_BENCH=ON -DFICHORAMA_TESTS=OFF
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build-bench}"
count="${2:-3000}"
scripts/install-deps.sh --bench
bench="$build_dir/bench/pdf_bench"
[ -x "$bench" ] || { echo "no $bench: build with -DFICHORAMA_BENCH=ON first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/docs" "$work/empty"
mapfile -t sources < <(find tests/data/modern -name '*.pdf' ! -path '*/malformed/*' | sort)
for ((i = 0; i < count; i++)); do
    cp "${sources[$((i % ${#sources[@]}))]}" "$work/docs/doc$i.pdf"
done
tags=(-PDF:Title -PDF:Subject -PDF:Author -PDF:Keywords -PDF:CreateDate -PDF:ModifyDate -PDF:PageCount
      -PDF:Creator -XMP-dc:Title -XMP-dc:Description -XMP-dc:Creator -XMP-pdf:Keywords -XMP-dc:Subject
      -XMP-xmp:CreateDate -XMP-xmp:ModifyDate -XMP-xmp:CreatorTool)

# Wall time in seconds of one run.
seconds() {
    local start end
    start=$(date +%s.%N)
    "$@" > /dev/null 2>&1 || true
    end=$(date +%s.%N)
    echo "$end - $start" | bc -l
}
best_of_three() {
    "$@" > /dev/null 2>&1 || true
    printf '%s\n' "$(seconds "$@")" "$(seconds "$@")" "$(seconds "$@")" | sort -g | head -1
}
# System calls of one run, from strace's summary.
calls() {
    strace -f -c -o "$work/strace.txt" "$@" > /dev/null 2>&1 || true
    awk '$NF == "total" { print $(NF - 1) ~ /^[0-9]+$/ ? $(NF - 1) : $(NF - 2) }' "$work/strace.txt"
}

rows=$("$bench" "$work/docs" 2> /dev/null | wc -l)
echo "PDF files: $count (pdf_bench read $rows)"
t_reader=$(best_of_three "$bench" "$work/docs")
t_exiftool=$(seconds exiftool -T -q "${tags[@]}" "$work/docs")
c_reader=$(( $(calls "$bench" "$work/docs") - $(calls "$bench" "$work/empty") ))
c_exiftool=$(( $(calls exiftool -T -q "${tags[@]}" "$work/docs") - $(calls exiftool -T -q "${tags[@]}" "$work/empty") ))
printf 'pdf_bench: %.3f s, %.1f us per file, %.1f system calls per file\n' "$t_reader" \
    "$(echo "$t_reader * 1000000 / $count" | bc -l)" "$(echo "$c_reader / $count" | bc -l)"
printf 'exiftool:  %.3f s, %.1f us per file, %.1f system calls per file\n' "$t_exiftool" \
    "$(echo "$t_exiftool * 1000000 / $count" | bc -l)" "$(echo "$c_exiftool / $count" | bc -l)"
printf 'exiftool / pdf_bench: %.1f times the time\n' "$(echo "$t_exiftool / $t_reader" | bc -l)"
