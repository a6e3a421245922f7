#!/usr/bin/env bash
# Reads, in one run and on the same directory, the properties of a few thousand zip packages (copies of
# tests/data/modern) with our reader (bench/package_read) and with exiftool -T; prints each time, the ratio
# and the system calls per file of our reader. Then reads each hostile package of the tests alone and
# prints its time inside the process and the peak resident memory of the process.
# Usage: bench/packages_vs_exiftool.sh [BUILD_DIR] [PACKAGE_COUNT]
#   BUILD_DIR is configured with -DFICHORAMA_BENCH=ON (default build-bench, made when missing).
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/lib.sh
build_dir="${1:-build-bench}"
count="${2:-3000}"
scripts/install-deps.sh --bench
reader="$build_dir/bench/package_read"
if [ ! -x "$reader" ]; then
    scripts/build.sh "$build_dir" -DCMAKE_BUILD_TYPE=Release -DFICHORAMA_BENCH=ON -DFICHORAMA_TESTS=OFF
fi

make_work_dir
mkdir -p "$work/docs" "$work/hostile"
mapfile -t sources < <(find tests/data/modern -type f \( -name '*.docx' -o -name '*.xlsx' -o -name '*.pptx' \
                                                          -o -name '*.odt' -o -name '*.ods' -o -name '*.odp' \) | sort)
for ((i = 0; i < count; i++)); do
    src="${sources[$((i % ${#sources[@]}))]}"
    cp "$src" "$work/docs/doc$i.${src##*.}"
done

tags=(-Title -Subject -Creator -InitialCreator -Keywords -Keyword -Description -Template -LastModifiedBy
      -RevisionNumber -EditingCycles -TotalEditTime -EditingDuration -LastPrinted -PrintDate -CreateDate
      -CreationDate -ModifyDate -Date -Pages -Slides -Words -Characters -Document-statisticPage-count
      -Application -Generator -DocSecurity)

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

time_once() {
    local start end
    start=$(date +%s.%N)
    "$@" > /dev/null 2>&1 || true
    end=$(date +%s.%N)
    echo "$end - $start" | bc -l
}

echo "packages: $count copies of ${#sources[@]} files"
t_reader=$(best_of_three "$reader" "$work/docs")
t_exiftool=$(time_once exiftool -T -q "${tags[@]}" "$work/docs")
printf 'package_read : %8.3f s  (%.1f us per file)\n' "$t_reader" "$(echo "$t_reader * 1000000 / $count" | bc -l)"
printf 'exiftool -T  : %8.3f s  (%.1f times package_read)\n' "$t_exiftool" "$(echo "$t_exiftool / $t_reader" | bc -l)"
"$reader" "$work/docs" 2>&1 > /dev/null | sed 's/^/in process: /'

# System calls per file: those of a run over every package, less those of a run over none.
calls() { strace -f -c -o "$work/strace.txt" "$@" > /dev/null 2>&1; awk '$NF == "total" {print $4}' "$work/strace.txt"; }
empty_calls=$(calls "$reader" "$work/hostile")
all_calls=$(calls "$reader" "$work/docs")
printf 'system calls per file: %.2f\n' "$(echo "($all_calls - $empty_calls) / $count" | bc -l)"
strace -f -c -e trace=openat,fstat,newfstatat,pread64,read,close,lseek,mmap -o "$work/strace.txt" \
    "$reader" "$work/docs" > /dev/null 2>&1
awk -v n="$count" '$NF ~ /^(openat|fstat|newfstatat|pread64|read|close|lseek|mmap)$/ { printf "  %-10s %6.2f per file\n", $NF, $4 / n }' \
    "$work/strace.txt"

echo "hostile packages, each read alone (times inside the process; peak resident memory of the process):"
"$reader" --hostile "$work/hostile" > "$work/hostile.txt"
peak_kb() { /usr/bin/time -f '%M' -o "$work/time.txt" "$@" > /dev/null 2>&1 || true; tail -1 "$work/time.txt"; }
echo "  (a process reading one small file: $(( $(peak_kb "$reader" "$work/hostile/secret.txt") / 1024 )) MB)"
while IFS=$'\t' read -r file name; do
    inside=$("$reader" "$file" 2>&1 > /dev/null | sed -n 's/^files: 1, \(.*\) per file/\1/p')
    printf '  %-36s %-36s  peak %3d MB\n' "$name" "$inside" "$(( $(peak_kb "$reader" "$file") / 1024 ))"
done < "$work/hostile.txt"
