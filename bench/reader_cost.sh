#!/usr/bin/env bash
# Cost of reading documents in a listing, against a baseline build, in one run: `fichorama list` of COUNT
# small Office documents (all eighteen columns) by the baseline program and by this build. Prints, per
# document, the positioned reads, the file status calls (the C library's checks of /etc/localtime among
# them), the opens and the warm wall time (best of three), and the ratios.
# Usage: bench/reader_cost.sh BASELINE [BUILD_DIR] [COUNT]
#   BASELINE  a fichorama executable built from the baseline, or a git revision to build one from
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/lib.sh
baseline="${1:?usage: bench/reader_cost.sh BASELINE [BUILD_DIR] [COUNT]}"
build_dir="${2:-build}"
count="${3:-10000}"
scripts/install-deps.sh --bench
fichorama="$build_dir/src/fichorama"
[ -x "$fichorama" ] || scripts/build.sh "$build_dir"

make_work_dir
if [ ! -x "$baseline" ]; then
    mkdir "$work/baseline"
    git archive "$baseline" | tar -x -C "$work/baseline"
    (cd "$work/baseline" && scripts/build.sh build -DFICHORAMA_TESTS=OFF > /dev/null)
    baseline="$work/baseline/build/src/fichorama"
fi

mkdir -p "$work/docs" "$work/settings"
# Western, Japanese (code page 932) and Unicode texts, with and without dates.
sources=(tests/data/ole/si_cp1252_tous_pid.doc tests/data/ole/cjk_emoji.doc tests/data/ole/si_lpwstr.doc
         tests/data/ole/tableur_japonais.xls tests/data/ole/titre_vide.doc tests/data/ole/edition_zero.doc)
for ((i = 0; i < count; i++)); do
    src="${sources[$((i % ${#sources[@]}))]}"
    cp "$src" "$work/docs/doc$i.${src##*.}"
done
{
    all_columns_section
} > "$work/settings/Fichorama.ini"
list=(list "$work/docs" --settings "$work/settings")

if ! cmp -s <("$baseline" "${list[@]}") <("$fichorama" "${list[@]}"); then
    echo "the two programs list the documents differently" >&2
    exit 1
fi

# Prints the best wall time and the best processor time (user and system) in seconds of three runs of a
# command, after one warm-up run.
best_of_three() {
    "$@" > /dev/null
    local best_wall="" best_cpu=""
    for _ in 1 2 3; do
        local wall user system cpu
        read -r wall user system < <({ /usr/bin/time -f '%e %U %S' "$@" > /dev/null; } 2>&1 | tail -1)
        cpu=$(echo "$user + $system" | bc -l)
        if [ -z "$best_wall" ] || (( $(echo "$wall < $best_wall" | bc -l) )); then best_wall=$wall; fi
        if [ -z "$best_cpu" ] || (( $(echo "$cpu < $best_cpu" | bc -l) )); then best_cpu=$cpu; fi
    done
    echo "$best_wall $best_cpu"
}

# Prints the number of calls of one system call in a strace -c summary.
calls() {
    awk -v name="$2" '$NF == name { print ($4 ~ /^[0-9]+$/ ? $4 : 0) }' "$1" | head -1
}

declare -A figures
for who in baseline current; do
    program=$baseline
    [ "$who" = current ] && program=$fichorama
    strace -f -c -o "$work/$who.calls" "$program" "${list[@]}" > /dev/null
    strace -f -e trace=newfstatat,stat,statx -o "$work/$who.stats" "$program" "${list[@]}" > /dev/null
    figures[$who.pread]=$(calls "$work/$who.calls" pread64)
    figures[$who.fstatat]=$(calls "$work/$who.calls" newfstatat)
    figures[$who.openat]=$(calls "$work/$who.calls" openat)
    figures[$who.localtime]=$(grep -c '/etc/localtime' "$work/$who.stats" || true)
    read -r "figures[$who.wall]" "figures[$who.cpu]" < <(best_of_three "$program" "${list[@]}")
done

echo "documents: $count; load average: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-28s %12s %12s %8s\n' "per document" baseline current ratio
row() {
    local b=$1 c=$2
    printf '%-28s %12.3f %12.3f %8.2f\n' "$3" "$(echo "$b / $count" | bc -l)" "$(echo "$c / $count" | bc -l)" \
        "$(echo "if ($c == 0) 0 else $b / $c" | bc -l)"
}
row "${figures[baseline.pread]}" "${figures[current.pread]}" "positioned reads"
row "${figures[baseline.fstatat]}" "${figures[current.fstatat]}" "file status calls"
row "${figures[baseline.localtime]}" "${figures[current.localtime]}" "  of them /etc/localtime"
row "${figures[baseline.openat]}" "${figures[current.openat]}" "opens"
micro() { echo "$1 * 1000000" | bc -l; }
row "$(micro "${figures[baseline.wall]}")" "$(micro "${figures[current.wall]}")" "wall time (microseconds)"
row "$(micro "${figures[baseline.cpu]}")" "$(micro "${figures[current.cpu]}")" "processor time (microseconds)"
