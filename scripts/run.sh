#!/usr/bin/env bash
# `make run`: the desktop program when it is built and a display is there; otherwise qev-words on
# a few sample amounts.
set -euo pipefail
build=${1:-build}
app="$build/app/qev-amount-words"
if [ -x "$app" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
    exec "$app"
fi
if [ -x "$app" ]; then
    echo "run: no display (DISPLAY and WAYLAND_DISPLAY are unset); showing qev-words instead"
fi
"$build/cli/qev-words" 1234567.89 0.5 1001 999999999999999.99 || true
"$build/cli/qev-words" --currency GBP --case title 2.5 || true
