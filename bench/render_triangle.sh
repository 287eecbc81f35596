#!/usr/bin/env bash
# Times `morvane render --2d` as a whole process (start-up, reading, drawing, writing the PNG) on
# a generated measurement file, with hyperfine. Usage: bench/render_triangle.sh [ROWS]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../tools/setup.sh"

rows="${1:-100000}"
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT

# Four values with two decimals and a decimal comma, colours 0 to 15, as the instruments write.
awk -v rows="$rows" 'BEGIN {
    srand(6)
    print "Nr\tSiO2\tAl2O3\tFeO\tMgO\tFarbe"
    for (row = 1; row <= rows; row++) {
        line = row
        for (k = 0; k < 4; k++) {
            v = int(rand() * 7500) + 1
            line = sprintf("%s\t%d,%02d", line, int(v / 100), v % 100)
        }
        print line "\t" int(rand() * 16)
    }
}' > "$folder/rows.txt"

morvane="$MORVANE_BUILD/src/cli/morvane"
hyperfine --warmup 3 --runs 20 \
    "$morvane render $folder/rows.txt --2d -o $folder/triangle.png" \
    "$morvane render $folder/rows.txt --2d --face 2 --no-grid --smooth -o $folder/smooth.png"
