#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every fuzz target of a fuzz build for a number of seconds each, starting from the seed
# corpus in fuzz/corpus/<target>/. New inputs go to <build>/corpus/<target>/ (the seeds stay as
# they are), crashing inputs to <build>/artifacts/. Exit status 1 when any target crashed.
#
#     fuzz/run_fuzzers.sh BUILD_DIR [SECONDS]
set -uo pipefail
build=${1:?usage: fuzz/run_fuzzers.sh BUILD_DIR [SECONDS]}
seconds=${2:-60}
seeds=$(cd "$(dirname "$0")" && pwd)/corpus
targets="ymd_text mdy_year program_text separate_thousands cli_arguments world_calendars record_date"

failed=""
for target in $targets; do
    corpus="$build/corpus/$target"
    artifacts="$build/artifacts"
    mkdir -p "$corpus" "$artifacts"
    echo "== fuzz_$target for ${seconds}s"
    # -rss_limit_mb: the sanitizers' own records (allocation stacks, freed memory held back to
    # catch late use) grow by a few hundred MB per million inputs of the window targets, which
    # allocate Qt strings on every input; the program itself stays flat. 2 GB, libFuzzer's
    # default, would end a run of ten minutes or more.
    if ! "$build/bin/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 -rss_limit_mb=8192 \
            -artifact_prefix="$artifacts/$target-" "$corpus" "$seeds/$target" \
            > "$build/fuzz_$target.log" 2>&1; then
        failed="$failed $target"
        tail -n 40 "$build/fuzz_$target.log"
    fi
    grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$build/fuzz_$target.log" | tr '\n' ' '
    echo
done
if [ -n "$failed" ]; then
    echo "fuzzing found faults in:$failed (inputs in $build/artifacts/)"
    exit 1
fi
echo "fuzzing: no faults in ${seconds}s per target"
