#!/usr/bin/env bash
# Lists, in one run, COUNT modern files (two thirds zip packages, one third PDF files: copies of the
# files of tests/data/modern but the malformed ones) with `fichorama list --columns all` and the PDF
# option, against exiftool -T reading the same properties; and COUNT OLE documents (copies of tests/data/ole
# but the malformed ones) with the same command, as the baseline per file. exiftool takes about 0.1 s of
# processor time per package, so it reads only the first SAMPLE of the modern files (the same mix), and
# the ratio is per file. Prints wall and processor time (warm cache; fichorama best of three runs by
# processor time, exiftool once), the ratios, and the peak resident memory of each run. Processor time is
# the fair figure on a machine that other work shares.
# Usage: bench/modern_vs_exiftool.sh [BUILD_DIR] [COUNT] [SAMPLE]
#   BUILD_DIR holds src/fichorama (default build); COUNT defaults to 10000, SAMPLE to 600.
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/lib.sh
build_dir="${1:-build}"
count="${2:-10000}"
sample="${3:-600}"
scripts/install-deps.sh --bench
fichorama="$build_dir/src/fichorama"
require_built "$fichorama"

make_work_dir
mkdir -p "$work/modern" "$work/sample" "$work/ole" "$work/settings"
printf '[Configuration]\r\nInclurePDF=1\r\n' > "$work/settings/Fichorama.ini"

mapfile -t packages < <(find tests/data/modern/generated tests/data/modern/real -type f \
    \( -name '*.docx' -o -name '*.xlsx' -o -name '*.pptx' -o -name '*.odt' -o -name '*.ods' -o -name '*.odp' \) | sort)
mapfile -t pdfs < <(find tests/data/modern/generated tests/data/modern/real -type f -name '*.pdf' | sort)
mapfile -t oles < <(find tests/data/ole -maxdepth 1 -type f ! -name '*.json' | sort)
for ((i = 0; i < count; i++)); do
    if ((i % 3 == 2)); then
        src="${pdfs[$((i / 3 % ${#pdfs[@]}))]}"
    else
        src="${packages[$((i % ${#packages[@]}))]}"
    fi
    cp "$src" "$work/modern/doc$i.${src##*.}"
    if ((i < sample)); then ln "$work/modern/doc$i.${src##*.}" "$work/sample/"; fi
    src="${oles[$((i % ${#oles[@]}))]}"
    cp "$src" "$work/ole/doc$i.${src##*.}"
done

tags=(-Title -Subject -Author -Creator -InitialCreator -Keywords -Keyword -Description -Template
      -LastModifiedBy -RevisionNumber -EditingCycles -TotalEditTime -EditingDuration -LastPrinted -PrintDate
      -CreateDate -CreationDate -ModifyDate -Date -Pages -Slides -PageCount -Words -Characters
      -Document-statisticPage-count -Application -Generator -CreatorTool -DocSecurity)
list=("$fichorama" list --settings "$work/settings" --columns all)

# "wall processor peak-KB" of one run.
measure() {
    /usr/bin/time -f '%e %U %S %M' -o "$work/time.txt" "$@" > /dev/null 2>&1 || true
    awk '{ printf "%s %.3f %s\n", $1, $2 + $3, $4 }' "$work/time.txt"
}
# The run of three with the least processor time, after one warm-up run.
best_of_three() {
    "$@" > /dev/null 2>&1 || true
    printf '%s\n' "$(measure "$@")" "$(measure "$@")" "$(measure "$@")" | sort -k2 -g | head -1
}
# Per file: processor time of a run over N files.
per_file() { echo "$1 * 1000000 / $2" | bc -l; }
report() {
    printf '%-16s %6d files %8.3f s wall, %8.3f s processor, %8.1f us processor per file, peak %4d MB\n' \
        "$1" "$5" "$2" "$3" "$(per_file "$3" "$5")" "$(($4 / 1024))"
}

rows=$("${list[@]}" "$work/modern" | wc -l)
echo "modern files: $count ($((count - count / 3)) packages, $((count / 3)) PDF; $((rows - 1)) rows listed)"
echo "OLE files: $count"
read -r w_modern p_modern m_modern <<< "$(best_of_three "${list[@]}" "$work/modern")"
read -r w_ole p_ole m_ole <<< "$(best_of_three "${list[@]}" "$work/ole")"
read -r w_exiftool p_exiftool m_exiftool <<< "$(measure exiftool -T -q "${tags[@]}" "$work/sample")"
report "fichorama modern" "$w_modern" "$p_modern" "$m_modern" "$count"
report "fichorama OLE" "$w_ole" "$p_ole" "$m_ole" "$count"
report "exiftool modern" "$w_exiftool" "$p_exiftool" "$m_exiftool" "$sample"
printf 'exiftool / fichorama on modern files, per file: %.1f times the processor time, %.1f times the wall time\n' \
    "$(echo "$p_exiftool * $count / $sample / $p_modern" | bc -l)" \
    "$(echo "$w_exiftool * $count / $sample / $w_modern" | bc -l)"
printf 'modern / OLE listing per file: %.2f times the processor time, %.2f times the wall time\n' \
    "$(echo "$p_modern / $p_ole" | bc -l)" "$(echo "$w_modern / $w_ole" | bc -l)"
