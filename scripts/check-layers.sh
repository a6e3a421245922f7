#!/usr/bin/env bash
# Checks that every subsystem folder under src/ includes only its own folder and those below it.
# Layers, lowest first: a folder may include any folder to its left.
set -euo pipefail
cd "$(dirname "$0")/../src"
layers=(common platform listing gridlist config html ui cli)

status=0
for i in "${!layers[@]}"; do
    folder=${layers[$i]}
    allowed=("${layers[@]:0:$((i + 1))}")
    pattern="#include \"($(IFS='|'; echo "${allowed[*]}"))/"
    while IFS= read -r line; do
        echo "layering: $line" >&2
        status=1
    done < <(grep -Hn '^#include "[a-z_]*/' "$folder"/*.h "$folder"/*.cpp | grep -Ev ":[0-9]+:$pattern" || true)
done
exit $status
