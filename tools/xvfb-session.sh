#!/usr/bin/env bash
# Helpers for running the program on a virtual X display (Xvfb) without a window manager.
# Sourced by tools/screenshot.sh and the end-to-end test. Without a window manager nothing
# activates windows: focus a window (morvane_focus) before sending it keys.

# Starts Xvfb on a free display, exports DISPLAY and stops the server when the shell exits.
morvane_start_xvfb() {
    local fifo
    fifo="$(mktemp -u)"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    MORVANE_XVFB_PID=$!
    local number
    read -r -t 20 number <"$fifo" || true
    rm -f "$fifo"
    if [ -z "$number" ]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$number"
    trap 'kill "$MORVANE_XVFB_PID" 2>/dev/null || true' EXIT
}

# Prints the id of the first visible window that `xdotool search` finds with the given
# arguments ("--name '^gesteine\.txt$'", "--class morvane"), waiting up to
# MORVANE_WAIT_SECONDS (default 20).
morvane_wait_window() {
    local id
    for _ in $(seq $((${MORVANE_WAIT_SECONDS:-20} * 10))); do
        id="$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1 || true)"
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    echo "no window found with: $*" >&2
    return 1
}

# Gives the window the keyboard focus and waits until it has it.
morvane_focus() {
    xdotool windowfocus --sync "$1"
    sleep 0.2
}

# Waits up to $2 seconds (default 20) for process $1 to end; returns its exit code, or 124.
morvane_wait_exit() {
    local pid="$1" seconds="${2:-20}"
    for _ in $(seq $((seconds * 10))); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            return $?
        fi
        sleep 0.1
    done
    return 124
}
