#!/usr/bin/env bash
# Starts Morvane on a virtual display (Xvfb) with the bundled example and saves pictures of the
# about screen and of the data window, as read and with the normalised values, to
# docs/screenshots/ (or the folder given as $1).
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
morvane_focus "$window"
xdotool key ctrl+q
morvane_wait_exit "$program"
rm -rf "$session"
echo "Saved about-screen.png, data-window.png, data-window-normalised.png, view-menu.png in $out"
