#!/usr/bin/env bash
# `make fuzz`: runs every fuzz target in BUILD for SECONDS seconds on a scratch copy of its seeds
# in fuzz/corpus/<target>/, so the committed seeds never grow by themselves. A crash, a failed
# check or a hang fails the run; the input that caused it is kept in fuzz-out/.
set -uo pipefail
build=${1:-build-fuzz}
seconds=${2:-60}
cd "$(dirname "$0")/.."

out=fuzz-out
mkdir -p "$out"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The longest input each target is given: room for what it checks and no more, as libFuzzer
# slows with the length it works at and the corpus grows to match. Very long texts are the
# tests' to check.
declare -A max_len=(
    [amount_digits]=64  # currency byte, 63 amount characters: past 15 digits and 2 decimals
    [amount_text]=128   # currency byte, 63 UTF-16 code units
    [wording_forms]=48  # currency, seven choices and a letter case, 39 amount characters
    [rmb_capital]=40    # 40 amount characters: past 15 digits and 2 decimals
    [amount_input]=128  # caret, 63 code units: more than the box's 22 characters
    [amount_cells]=128  # 64 code units: a few cells of amounts, symbols and codes
    [case_styles]=256   # position, 127 code units: longer than a Result text's line of words
    [form1_presenter]=128 # 64 steps of the clerk's
    [words_lines]=256   # several lines, some past the 64 bytes a rejected amount is quoted to
)

targets=("$build"/fuzz/*_fuzz)
if [ ! -x "${targets[0]}" ]; then
    echo "fuzz: no fuzz targets in $build/fuzz" >&2
    exit 1
fi

failed=()
for target in "${targets[@]}"; do
    name=$(basename "$target" _fuzz)
    if [ ! -d "fuzz/corpus/$name" ] || [ -z "${max_len[$name]:-}" ]; then
        echo "fuzz: $name needs seeds in fuzz/corpus/$name and a maximum length here" >&2
        failed+=("$name")
        continue
    fi
    cp -r "fuzz/corpus/$name" "$scratch/$name"
    log="$out/$name.log"
    echo "fuzz: $name for ${seconds}s, inputs up to ${max_len[$name]} bytes"
    if "$target" -max_total_time="$seconds" -max_len="${max_len[$name]}" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$out/$name-" "$scratch/$name" >"$log" 2>&1; then
        # libFuzzer's last status line: runs, coverage, features, corpus and executions per second.
        grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1
        grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log"
    else
        failed+=("$name")
        tail -n 40 "$log"
        echo "fuzz: $name FAILED (log $log, input in $out/)"
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "fuzz: failed: ${failed[*]}" >&2
    exit 1
fi
echo "fuzz: ${#targets[@]} targets ran ${seconds}s each with no failure"
