#!/usr/bin/env bash
# Compares, in one run and on one directory of COUNT PDF files (copies of the PDF files of
# tests/data/modern but the malformed ones), the PDF reader (bench/pdf_bench: title, subject, author,
# keywords, created, saved, pages, application) with exiftool -T reading the same properties from the
# information dictionary and the XMP metadata: wall and processor time per file (warm cache; the reader
# best of three runs, exiftool once) and system calls per file (strace -f -c over the first SAMPLE files,
# less those of the same command over an empty directory). Processor time is the fair figure on a
# machine that other work shares.
# Usage: bench/pdf_vs_exiftool.sh [BUILD_DIR] [COUNT] [SAMPLE]
#   BUILD_DIR defaults to build-bench: scripts/build.sh build-bench -DCMAKE_BUILD_TYPE=Release
#   -DFICHORAMA_BENCH=ON -DFICHORAMA_TESTS=OFF
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/lib.sh
build_dir="${1:-build-bench}"
count="${2:-3000}"
sample="${3:-100}"
scripts/install-deps.sh --bench
bench="$build_dir/bench/pdf_bench"
require_built "$bench"

make_work_dir
mkdir -p "$work/docs" "$work/sample" "$work/empty"
mapfile -t sources < <(find tests/data/modern -name '*.pdf' ! -path '*/malformed/*' | sort)
for ((i = 0; i < count; i++)); do
    cp "${sources[$((i % ${#sources[@]}))]}" "$work/docs/doc$i.pdf"
    if [ "$i" -lt "$sample" ]; then cp "$work/docs/doc$i.pdf" "$work/sample/"; fi
done
tags=(-PDF:Title -PDF:Subject -PDF:Author -PDF:Keywords -PDF:CreateDate -PDF:ModifyDate -PDF:PageCount
      -PDF:Creator -XMP-dc:Title -XMP-dc:Description -XMP-dc:Creator -XMP-pdf:Keywords -XMP-dc:Subject
      -XMP-xmp:CreateDate -XMP-xmp:ModifyDate -XMP-xmp:CreatorTool)

# "wall processor" seconds of one run.
seconds() {
    /usr/bin/time -f '%e %U %S' -o "$work/time.txt" "$@" > /dev/null 2>&1 || true
    awk '{ printf "%s %.3f\n", $1, $2 + $3 }' "$work/time.txt"
}
# The run of three with the least processor time.
best_of_three() {
    "$@" > /dev/null 2>&1 || true
    printf '%s\n' "$(seconds "$@")" "$(seconds "$@")" "$(seconds "$@")" | sort -k2 -g | head -1
}
# System calls of one run, from strace's summary (the calls column of its total line).
calls() {
    strace -f -c -U calls,name -o "$work/strace.txt" "$@" > /dev/null 2>&1 || true
    awk '$2 == "total" { print $1 }' "$work/strace.txt"
}

rows=$("$bench" "$work/docs" 2> /dev/null | wc -l)
echo "PDF files: $count (pdf_bench read properties from $rows; the password-protected copies give none)"
read -r w_reader p_reader <<< "$(best_of_three "$bench" "$work/docs")"
read -r w_exiftool p_exiftool <<< "$(seconds exiftool -T -q "${tags[@]}" "$work/docs")"
c_reader=$(( $(calls "$bench" "$work/sample") - $(calls "$bench" "$work/empty") ))
c_exiftool=$(( $(calls exiftool -T -q "${tags[@]}" "$work/sample") - $(calls exiftool -T -q "${tags[@]}" "$work/empty") ))
report() {
    printf '%-10s %7.3f s wall, %7.3f s processor: %7.1f us processor per file, %5.1f system calls per file\n' \
        "$1" "$2" "$3" "$(echo "$3 * 1000000 / $count" | bc -l)" "$(echo "$4 / $sample" | bc -l)"
}
report pdf_bench "$w_reader" "$p_reader" "$c_reader"
report exiftool "$w_exiftool" "$p_exiftool" "$c_exiftool"
printf 'exiftool / pdf_bench: %.1f times the processor time, %.1f times the wall time\n' \
    "$(echo "$p_exiftool / $p_reader" | bc -l)" "$(echo "$w_exiftool / $w_reader" | bc -l)"
