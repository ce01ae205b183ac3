#!/usr/bin/env bash
# Runs a Windows program under Wine in the private prefix PREFIX (made on first use), with Wine's
# own messages off: wine-run.sh PREFIX PROGRAM [ARG...]. CTest runs the Windows tests through it.
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=-all
# No Mono or Gecko: the programs need neither, and their installers would ask.
export WINEDLLOVERRIDES="mscoree=;mshtml="
export WINEARCH=win64
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    # One first start at a time: tests run in parallel.
    (
        flock 9
        [ -f "$WINEPREFIX/system.reg" ] || { wineboot --init && wineserver --wait; } >/dev/null 2>&1
    ) 9>"$WINEPREFIX.lock"
fi
exec wine "$@"
