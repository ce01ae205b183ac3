#!/usr/bin/env bash
# `make run`: the desktop program when it is built and a display can be reached; otherwise
# qev-words on a few sample amounts.
set -euo pipefail
build=${1:-build}
app="$build/app/qev-amount-words"

# Checked here because Qt aborts when it cannot open the display it is given.
display_reachable() {
    if [ -n "${WAYLAND_DISPLAY:-}" ]; then
        local socket=$WAYLAND_DISPLAY
        [[ $socket == /* ]] || socket="${XDG_RUNTIME_DIR:-/run/user/$(id -u)}/$socket"
        [ -S "$socket" ] && return 0
    fi
    if [ -n "${DISPLAY:-}" ]; then
        local host=${DISPLAY%%:*} number=${DISPLAY#*:}
        number=${number%%.*}
        if [ -z "$host" ] || [ "$host" = unix ]; then
            [ -S "/tmp/.X11-unix/X$number" ] && return 0
        else
            timeout 2 bash -c "exec 3<>'/dev/tcp/$host/$((6000 + number))'" 2>/dev/null && return 0
        fi
    fi
    return 1
}

if [ -x "$app" ] && display_reachable; then
    exec "$app"
fi
if [ -x "$app" ]; then
    echo "run: no display to open the window on (DISPLAY='${DISPLAY:-}'," \
        "WAYLAND_DISPLAY='${WAYLAND_DISPLAY:-}'); showing qev-words instead"
fi
"$build/cli/qev-words" 1234567.89 0.5 1001 999999999999999.99 || true
"$build/cli/qev-words" --currency GBP --case title 2.5 || true
