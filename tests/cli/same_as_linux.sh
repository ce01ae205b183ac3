#!/usr/bin/env bash
# The Windows qev-words, run under Wine, writes the very bytes the Linux one does: 20,000 seeded
# amounts in each letter case, and a currency chosen by index.
# same_as_linux.sh LINUX_QEV_WORDS WINDOWS_QEV_WORDS_EXE WINE_RUNNER WINE_PREFIX
set -euo pipefail
linux=$1 windows=$2 runner=$3 prefix=$4
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# 1 to 15 integer digits, commas now and then, 0 to 2 decimals; a few lines of junk.
awk 'BEGIN {
    srand(20261207)
    for (i = 0; i < 20000; i++) {
        digits = 1 + int(rand() * 15); s = ""
        for (d = 0; d < digits; d++) {
            s = s int(rand() * 10)
            if (rand() < 0.05) s = s ","
        }
        decimals = int(rand() * 3); if (decimals > 0) s = s "."
        for (d = 0; d < decimals; d++) s = s int(rand() * 10)
        if (rand() < 0.01) s = s "x"
        printf "%s%s\n", s, (rand() < 0.1 ? "\r" : "")
    }
}' >"$scratch/amounts"

compare() {
    "$linux" "$@" <"$scratch/amounts" >"$scratch/linux.out" 2>"$scratch/linux.err" || true
    "$runner" "$prefix" "$windows" "$@" <"$scratch/amounts" >"$scratch/windows.out" \
        2>"$scratch/windows.err" || true
    cmp "$scratch/linux.out" "$scratch/windows.out" && cmp "$scratch/linux.err" "$scratch/windows.err"
}
for style in upper title lower; do
    compare --case "$style"
done
compare --currency 1 2.5
echo "same bytes from both builds: 20,000 amounts in three styles, and --currency 1 2.5"
