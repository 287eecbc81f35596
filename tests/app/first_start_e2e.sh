#!/usr/bin/env bash
# A new user starts Morvane with a file on a virtual display: Return closes the about screen,
# the data window titled with the file's name appears, Ctrl+3 and Ctrl+2 there open the 3D and
# the 2D graph window, Ctrl+Q quits, and the preferences file exists afterwards. Usage: first_start_e2e.sh MORVANE SOURCE_DIR. Exit 77: skipped.
set -euo pipefail
morvane="$1"
source_dir="$2"

for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (tools/setup.sh installs it)"
        exit 77
    fi
done
source "$source_dir/tools/xvfb-session.sh"
# A busy machine (the LibreOffice tests run beside this one) may take long to show a window.
export MORVANE_WAIT_SECONDS="${MORVANE_WAIT_SECONDS:-60}"

user="$(mktemp -d)"
export HOME="$user/home" XDG_CONFIG_HOME="$user/home/.config" XDG_RUNTIME_DIR="$user/runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
cp "$source_dir/examples/gesteine.txt" "$user/Messreihe 7.txt"

fail() {
    echo "FAIL: $*"
    if kill -0 "$program" 2>/dev/null; then
        echo "(the program is still running)"
    else
        echo "(the program has ended)"
    fi
    echo "--- the program's output:"
    cat "$user/program.log" 2>/dev/null || true
    kill "$program" 2>/dev/null || true
    rm -rf "$user"
    exit 1
}

morvane_start_xvfb
"$morvane" "$user/Messreihe 7.txt" >"$user/program.log" 2>&1 &
program=$!

about="$(morvane_wait_window --class morvane)" || fail "the about screen did not appear"
morvane_focus "$about"
xdotool key Return

window="$(morvane_wait_window --name '^Messreihe 7\.txt$')" ||
    fail "the data window titled \"Messreihe 7.txt\" did not appear"
if xdotool search --onlyvisible --class morvane | grep -qx "$about"; then
    fail "the about screen is still shown"
fi
morvane_focus "$window"
xdotool key ctrl+3
morvane_wait_window --name '^Grafische Darstellung in 3D$' >/dev/null ||
    fail "Ctrl+3 in the data window opened no window titled \"Grafische Darstellung in 3D\""
morvane_focus "$window"
xdotool key ctrl+2
morvane_wait_window --name '^Grafische Darstellung in 2D$' >/dev/null ||
    fail "Ctrl+2 in the data window opened no window titled \"Grafische Darstellung in 2D\""
morvane_focus "$window"
xdotool key ctrl+q

status=0
morvane_wait_exit "$program" || status=$?
[ "$status" -eq 0 ] || fail "the program did not end normally after Ctrl+Q (status $status)"
prefs="$XDG_CONFIG_HOME/Morvane Prefs"
[ -f "$prefs" ] || fail "no preferences file at $prefs"
size="$(stat -c %s "$prefs")"
[ "$size" -ge 5 ] || fail "the preferences file has only $size bytes"
rm -rf "$user"
echo "PASS: about screen, data window, 3D and 2D graph windows, Ctrl+Q, preferences file of $size bytes"
