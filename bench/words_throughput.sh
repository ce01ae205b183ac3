#!/usr/bin/env bash
# qev-words beside two peers doing the same two-line job (the echo, then the wording in a letter
# case) on the same million amounts: ICU's spell-out (icu-words) and n2words' toCurrency on
# Node.js. All three run alternately, five times each, in each letter case; medians of CPU time
# (user + system) and wall time, amounts a second and output a second. Then qev-words' peak
# memory from ten thousand to ten million lines. qev-words' output must be byte for byte what it
# has always been.
# words_throughput.sh QEV_WORDS ICU_WORDS [N2WORDS_NODE_MODULES_PARENT]
set -euo pipefail
qev=${1:?usage: words_throughput.sh QEV_WORDS ICU_WORDS [N2WORDS_DIR]}
icu=${2:?}
n2words_dir=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# 1 to 15 integer digits and two decimals, seeded.
awk -v n=1000000 'BEGIN {
    srand(20261206)
    for (i = 0; i < n; i++) {
        digits = 1 + int(rand() * 15)
        s = 1 + int(rand() * 9)
        for (d = 1; d < digits; d++) s = s int(rand() * 10)
        printf "%s.%d%d\n", s, int(rand() * 10), int(rand() * 10)
    }
}' >"$scratch/amounts"

# The SHA-256 of qev-words' output for these amounts in each case, as it has always written it.
declare -A expected=(
    [upper]=26bc15785071db916a29e67dfd055eea6d325b07e20ad2284e5307adfc258945
    [title]=1c7c40e165349e134ca3fb5018be7cd828a1b181e39f7f542d0872115aa05cdc
    [lower]=fbaa65b70ff490fdf6f3ee4cc4af71930addbb8693379a793a47a93c875127d1
)
for style in upper title lower; do
    digest=$("$qev" --case "$style" <"$scratch/amounts" | sha256sum | cut -d' ' -f1)
    if [ "$digest" != "${expected[$style]}" ]; then
        echo "words_throughput: qev-words' $style output differs from what it has always been" >&2
        exit 1
    fi
done
echo "qev-words: output for 1,000,000 amounts byte-identical in all three styles"

programs=(qev-words icu-words)
declare -A command=([qev-words]="$qev --case" [icu-words]="$icu")
if [ -n "$n2words_dir" ] && [ -d "$n2words_dir/node_modules/n2words" ]; then
    programs+=(n2words)
    command[n2words]="env N2WORDS_DIR=$n2words_dir/node_modules node $here/n2words_words.mjs"
else
    echo "(n2words not installed: npm install --prefix DIR n2words@4; skipped)"
fi

TIMEFORMAT='%3U %3S %3R'
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
for style in upper title lower; do
    : >"$scratch/times"
    for run in 1 2 3 4 5; do
        for program in "${programs[@]}"; do
            # shellcheck disable=SC2086 # the command is words by design
            t=$({ time ${command[$program]} "$style" <"$scratch/amounts" >/dev/null; } 2>&1)
            echo "$program $t" >>"$scratch/times"
        done
    done
    echo "--- $style case, 1,000,000 amounts, medians of 5"
    declare -A cpu=()
    for program in "${programs[@]}"; do
        # shellcheck disable=SC2086
        bytes=$(${command[$program]} "$style" <"$scratch/amounts" | wc -c)
        cpu[$program]=$(awk -v p="$program" '$1 == p { print $2 + $3 }' "$scratch/times" | median)
        wall=$(awk -v p="$program" '$1 == p { print $4 }' "$scratch/times" | median)
        awk -v p="$program" -v c="${cpu[$program]}" -v w="$wall" -v b="$bytes" 'BEGIN {
            printf "%-10s CPU %.3f s  %6.2f M amounts/s  %6.1f MB/s | wall %.3f s  %6.2f M/s  %6.1f MB/s\n",
                p, c, 1 / c, b / c / 1e6, w, 1 / w, b / w / 1e6
        }'
    done
    for program in "${programs[@]:1}"; do
        awk -v p="$program" -v q="${cpu[qev-words]}" -v o="${cpu[$program]}" \
            'BEGIN { printf "qev-words is %.1f times faster than %s (CPU time; target 20)\n", o / q, p }'
    done
    awk -v q="${cpu[qev-words]}" -v s="$style" \
        'BEGIN { printf "qev-words: %.2f M amounts/s (target %d)\n", 1 / q, s == "upper" ? 12 : 10 }'
done

# Another form of the wording (the cheque's sub-unit, SAY TOTAL, hyphens) beside the design's, in
# the same run: its words are made once, as the letter styles' are.
form=(--subunit slash --opening say-total --hyphens)
: >"$scratch/forms"
for run in 1 2 3 4 5; do
    t=$({ time "$qev" <"$scratch/amounts" >/dev/null; } 2>&1)
    echo "design $t" >>"$scratch/forms"
    t=$({ time "$qev" "${form[@]}" <"$scratch/amounts" >/dev/null; } 2>&1)
    echo "cheque $t" >>"$scratch/forms"
done
design=$(awk '$1 == "design" { print $2 + $3 }' "$scratch/forms" | median)
cheque=$(awk '$1 == "cheque" { print $2 + $3 }' "$scratch/forms" | median)
awk -v d="$design" -v c="$cheque" 'BEGIN {
    printf "--- qev-words %s: CPU %.3f s beside %.3f s in the design'"'"'s form, %+.1f%% (target: within 10%%)\n",
        "--subunit slash --opening say-total --hyphens", c, d, 100 * (c / d - 1)
}'

echo "--- qev-words peak memory (target: flat, under 8 MiB)"
head -n 10000 "$scratch/amounts" >"$scratch/10k"
for i in 1 2 3 4 5 6 7 8 9 10; do cat "$scratch/amounts"; done >"$scratch/10m"
for input in 10k amounts 10m; do
    /usr/bin/time -f "%M" -o "$scratch/peak" "$qev" <"$scratch/$input" >/dev/null
    printf "%10d lines: %5.1f MiB\n" "$(wc -l <"$scratch/$input")" "$(awk '{ print $1 / 1024 }' "$scratch/peak")"
done
