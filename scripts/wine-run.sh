#!/usr/bin/env bash
# Runs a Windows program under Wine in the private prefix PREFIX (made on first use), with Wine's
# own messages off: wine-run.sh PREFIX PROGRAM [ARG...]. CTest runs the Windows tests through it.
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=-all
# No Mono or Gecko: the programs need neither, and their installers would ask. No entries in the
# Linux desktop's menus for the shortcuts the Windows installer makes.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
if [ ! -f "$WINEPREFIX/.qev-ready" ]; then
    mkdir -p "$WINEPREFIX"
    # One first start at a time: tests run in parallel.
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.qev-ready" ]; then
            {
                wineboot --init
                # The windows' song face: SimSun (宋体) is not there, AR PL UMing has its metrics.
                for face in 宋体 SimSun; do
                    LC_ALL=C.UTF-8 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' \
                        /v "$face" /t REG_SZ /d 'AR PL UMing CN' /f
                done
                # Windows framed by Wine itself: with no window manager on the tests' virtual
                # display, Wine would wait for one at every window it hides.
                wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
                wineserver --wait
            } >/dev/null 2>&1
            touch "$WINEPREFIX/.qev-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
fi
exec wine "$@"
