#!/usr/bin/env bash
# Starts Morvane on a virtual display (Xvfb) with the bundled example and saves pictures of the
# about screen, of the data window, as read and with the normalised values, and of the 3D and 2D
# graph windows to docs/screenshots/ (or the folder given as $1).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
source "$MORVANE_ROOT/tools/xvfb-session.sh"

out="${1:-$MORVANE_ROOT/docs/screenshots}"
mkdir -p "$out"
session="$(mktemp -d)"
export HOME="$session" XDG_CONFIG_HOME="$session/config" XDG_RUNTIME_DIR="$session/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

morvane_start_xvfb
"$MORVANE_BUILD/src/cli/morvane" "$MORVANE_ROOT/examples/gesteine.txt" &
program=$!

# The about screen has no title; at start it is the program's only window.
about="$(morvane_wait_window --class morvane)"
sleep 0.5
import -window "$about" "$out/about-screen.png"
morvane_focus "$about"
xdotool key Return

window="$(morvane_wait_window --name '^gesteine\.txt$')"
morvane_focus "$window"
import -window "$window" "$out/data-window.png"
xdotool key ctrl+alt+n
sleep 0.5
import -window "$window" "$out/data-window-normalised.png"
# The View menu, opened over the window: what is enabled for a data window.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" 95 10 click 1
sleep 0.5
import -window root -crop "420x240+$X+$Y" "$out/view-menu.png"
xdotool key Escape

# The 3D graph, turned a little with the arrow keys (five degrees a step) and with the
# projection of the samples onto the face SiO2 - Al2O3 - FeO, chosen from its pop-up menu.
morvane_focus "$window"
xdotool key ctrl+3
graph3d="$(morvane_wait_window --name '^Grafische Darstellung in 3D$')"
morvane_focus "$graph3d"
xdotool key Left Left Left Left Left Left Up Up Up Up period period
eval "$(xdotool getwindowgeometry --shell "$graph3d")"
menu_bar=$((HEIGHT - 547))
xdotool mousemove --window "$graph3d" 632 $((menu_bar + 24)) click 1
sleep 0.5
xdotool key Down Return
sleep 0.5
import -window "$graph3d" "$out/graph-3d.png"

morvane_focus "$window"
xdotool key ctrl+2
graph2d="$(morvane_wait_window --name '^Grafische Darstellung in 2D$')"
morvane_focus "$graph2d"
sleep 0.5
import -window "$graph2d" "$out/graph-2d.png"

morvane_focus "$window"
xdotool key ctrl+q
morvane_wait_exit "$program"
rm -rf "$session"
echo "Saved about-screen.png, data-window.png, data-window-normalised.png, view-menu.png," \
    "graph-3d.png, graph-2d.png in $out"
