#!/usr/bin/env bash
# The main job: installs what is missing, builds, and opens the bundled example file in Morvane.
# Without a display it says so, prints the file's list and renders its diagrams to PNG files.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

example="$MORVANE_ROOT/examples/gesteine.txt"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "== morvane $example  (Return closes the about screen, Ctrl+Q quits)"
    exec "$MORVANE_BUILD/src/cli/morvane" "$example"
fi
echo "== No display (DISPLAY is not set): the windows cannot be shown here."
echo "   tools/screenshot.sh saves pictures of them from a virtual display. The data list instead:"
echo "== morvane list $example --normalised"
"$MORVANE_BUILD/src/cli/morvane" list "$example" --normalised

out="$MORVANE_BUILD/diagrams"
mkdir -p "$out"
"$MORVANE_BUILD/src/cli/morvane" render "$example" --3d --angles 55,45,90 --projection 1 -o "$out/tetraeder.png"
"$MORVANE_BUILD/src/cli/morvane" render "$example" --2d -o "$out/dreieck.png"
echo "== The diagrams of the example file: $out/tetraeder.png and $out/dreieck.png"
