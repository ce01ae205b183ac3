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

targets=("$build"/fuzz/*_fuzz)
if [ ! -x "${targets[0]}" ]; then
    echo "fuzz: no fuzz targets in $build/fuzz" >&2
    exit 1
fi

failed=()
for target in "${targets[@]}"; do
    name=$(basename "$target" _fuzz)
    if [ ! -d "fuzz/corpus/$name" ]; then
        echo "fuzz: $name has no seeds in fuzz/corpus/$name" >&2
        failed+=("$name")
        continue
    fi
    cp -r "fuzz/corpus/$name" "$scratch/$name"
    log="$out/$name.log"
    echo "fuzz: $name for ${seconds}s"
    if "$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$out/$name-" "$scratch/$name" >"$log" 2>&1; then
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
