#!/usr/bin/env bash
# How many amounts a second qev-words writes out from a file to /dev/null (target: 1,000,000).
set -euo pipefail
tool=${1:?usage: cli_throughput.sh path/to/qev-words}
count=${COUNT:-1000000}
input=$(mktemp)
trap 'rm -f "$input"' EXIT
# A seeded mix of 1 to 15 integer digits and two decimals.
awk -v n="$count" 'BEGIN {
    srand(20261206)
    for (i = 0; i < n; i++) {
        digits = 1 + int(rand() * 15)
        s = 1 + int(rand() * 9)
        for (d = 1; d < digits; d++) s = s int(rand() * 10)
        printf "%s.%d%d\n", s, int(rand() * 10), int(rand() * 10)
    }
}' > "$input"
best=
for run in 1 2 3; do
    start=$(date +%s%N)
    "$tool" < "$input" > /dev/null
    end=$(date +%s%N)
    elapsed=$((end - start))
    if [ -z "$best" ] || [ "$elapsed" -lt "$best" ]; then best=$elapsed; fi
done
awk -v n="$count" -v ns="$best" 'BEGIN {
    printf "qev-words: %d amounts in %.3f s, %.0f amounts per second (target: 1000000)\n",
        n, ns / 1e9, n / (ns / 1e9)
}'
