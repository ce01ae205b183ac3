#!/usr/bin/env bash
# The Windows qev-words, run under Wine, writes the very bytes the Linux one does: 20,000 seeded
# amounts in each letter case, a currency chosen by index, the amounts read as spreadsheet rows, and
# the words that end a run whose reader went away.
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
compare --cells

# A reader that goes away after two lines, as "| head -2" does, with SIGPIPE ignored on Linux so
# that it does not end the program first: both say why they stopped, in the same words.
# Amounts alone, so that no message comes before the one that ends the run, however far each got.
awk 'BEGIN { for (i = 1; i <= 100000; i++) print i }' >"$scratch/numbers"
stop_early() {
    (trap '' PIPE && "$@" <"$scratch/numbers" | head -2 >/dev/null) || true
}
stop_early "$linux" 2>"$scratch/linux.err"
stop_early "$runner" "$prefix" "$windows" 2>"$scratch/windows.err"
grep -qx "qev-words: write error: Broken pipe" "$scratch/linux.err"
cmp "$scratch/linux.err" "$scratch/windows.err"
echo "same bytes from both builds: 20,000 amounts in three styles, --currency 1 2.5, --cells," \
    "and a reader gone"
