#!/usr/bin/env bash
# Start-up to the first paint: the program and two yardsticks, a bare Qt window and a window that
# draws Chinese in the song face (a label and a line edit: the least a window showing Chinese
# must load, a CJK font among it), started in turn, 20 runs each after one untimed run of each.
# Prints the medians and peak memories, and the program's ratios to each yardstick (targets: 1.3
# times the bare window's, 1.15 times the Chinese window's, in time and in memory).
#
# Each is built with a probe that ends it at its first paint and prints its peak memory. They
# draw on a real X server: the desktop's where DISPLAY is set, otherwise Xvfb through xvfb-run,
# and only failing both the offscreen platform.
set -euo pipefail
usage="usage: startup.sh path/to/qev-first-paint path/to/bare-first-paint [path/to/chinese-first-paint]"
program=${1:?$usage}
bare=${2:?$usage}
chinese=${3:-$(dirname "$bare")/chinese-first-paint}
runs=${RUNS:-20}

if [ -z "${DISPLAY:-}" ] && [ -z "${QEV_STARTUP_XVFB:-}" ] && command -v xvfb-run > /dev/null; then
    QEV_STARTUP_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
if [ -n "${QEV_STARTUP_XVFB:-}" ]; then
    display="Xvfb through xvfb-run, xcb"
elif [ -n "${DISPLAY:-}" ]; then
    display="X display $DISPLAY, xcb"
else
    display="offscreen platform (no X server)"
    export QT_QPA_PLATFORM=offscreen
fi
results=$(mktemp)
runtime=$(mktemp -d)
trap 'rm -rf "$results" "$runtime"' EXIT
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$runtime}
# One start, to its first paint: "name microseconds peak-KiB".
start() {
    local name=$1 tool=$2 begin end peak
    begin=$(date +%s%N)
    peak=$(timeout 30 "$tool" 2> /dev/null) || {
        echo "startup.sh: $tool did not reach its first paint" >&2
        exit 1
    }
    end=$(date +%s%N)
    echo "$name $(((end - begin) / 1000)) $peak"
}
start program "$program" > /dev/null
start bare "$bare" > /dev/null
start chinese "$chinese" > /dev/null
for ((run = 0; run < runs; run++)); do
    start program "$program" >> "$results"
    start bare "$bare" >> "$results"
    start chinese "$chinese" >> "$results"
done

# The median of one column for one name.
median() {
    awk -v name="$1" -v column="$2" '$1 == name { print $column }' "$results" | sort -n |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
awk -v display="$display" -v runs="$runs" \
    -v pt="$(median program 2)" -v bt="$(median bare 2)" -v ct="$(median chinese 2)" \
    -v pm="$(median program 3)" -v bm="$(median bare 3)" -v cm="$(median chinese 3)" 'BEGIN {
    printf "start-up to first paint, %d runs each, on the %s:\n", runs, display
    printf "  program:        median %6.1f ms, peak memory %5.1f MiB\n", pt / 1000, pm / 1024
    printf "  bare window:    median %6.1f ms, peak memory %5.1f MiB\n", bt / 1000, bm / 1024
    printf "  Chinese window: median %6.1f ms, peak memory %5.1f MiB\n", ct / 1000, cm / 1024
    printf "  program / bare window:    start-up %.2f, peak memory %.2f (targets: 1.3)\n", pt / bt, pm / bm
    printf "  program / Chinese window: start-up %.2f, peak memory %.2f (targets: 1.15)\n", pt / ct, pm / cm
}'
