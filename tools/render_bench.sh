#!/usr/bin/env bash
# Measures `morvane render --3d` and `morvane render --2d` as a whole process (read, draw, write
# PNG) on generated files of 100,000 and 1,000,000 random rows: wall time with hyperfine, peak
# memory with GNU time.
# Usage: tools/render_bench.sh [ROWS...]   (default: 100000 1000000)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

morvane="$MORVANE_BUILD/src/cli/morvane"
data="$MORVANE_BUILD/bench-data"
mkdir -p "$data"
sizes=("$@")
if [ ${#sizes[@]} -eq 0 ]; then
    sizes=(100000 1000000)
fi

# Random compositions with two decimals (decimal comma) and colour indices 0-15, fixed seed.
generate() {
    awk -v rows="$1" 'BEGIN {
        srand(42)
        print "Nr\tSiO2\tAl2O3\tFeO\tMgO\tFarbe"
        for (i = 1; i <= rows; i++) {
            line = i
            for (c = 0; c < 4; c++) {
                value = sprintf("%.2f", rand() * 100)
                sub(/\./, ",", value)
                line = line "\t" value
            }
            print line "\t" int(rand() * 16)
        }
    }' > "$2"
}

# measure ROWS COMMAND...: wall time of the command, then its peak memory.
measure() {
    local rows="$1"
    shift
    echo "== $rows rows: $*"
    hyperfine --warmup 2 --runs 10 --style basic "$*"
    /usr/bin/time -f "peak memory: %M KB, wall %e s" "$@"
}

for rows in "${sizes[@]}"; do
    file="$data/rows$rows.txt"
    if [ ! -s "$file" ]; then
        generate "$rows" "$file"
    fi
    measure "$rows" "$morvane" render "$file" --3d --angles 55,45,90 --projection 1 \
        -o "$data/rows$rows.png"
    measure "$rows" "$morvane" render "$file" --2d -o "$data/rows$rows-2d.png"
done
