#!/usr/bin/env bash
# Runs one libFuzzer target for FUZZ_SECONDS (default 45) from its committed seed corpus and
# prints one line of numbers. New inputs go to <build>/fuzz/<target>/corpus. Fails on a crash,
# a leak, an input that takes longer than 10 s or an out-of-memory; the input is then kept in
# <build>/fuzz/<target>/findings, to become a regression input once the fault is fixed.
# Usage: run_fuzzer.sh <fuzzer> <seed corpus> <max input length>
set -euo pipefail
fuzzer=$1 seeds=$2 max_len=$3
name=$(basename "$fuzzer")
seconds=${FUZZ_SECONDS:-45}
work="$TARVEX_BINARY_DIR/fuzz/$name"
mkdir -p "$work/corpus" "$work/findings"
# A smaller quarantine keeps the sanitizer's own memory well below the limit.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=64}
log="$work/log"
if ! "$fuzzer" "$work/corpus" "$seeds" -max_total_time="$seconds" -max_len="$max_len" \
    -timeout=10 -rss_limit_mb=1024 -malloc_limit_mb=512 -artifact_prefix="$work/findings/" \
    -print_final_stats=1 >"$log" 2>&1; then
    tail -40 "$log"
    echo "$name FAILED: the input is in $work/findings; once the fault is fixed, add it to"
    echo "tests/fuzz/regressions/$name/"
    exit 1
fi
executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
edges=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
corpus=$(ls "$work/corpus" | wc -l)
echo "$name: $executions executions in ${seconds} s, $edges edges covered, $corpus new inputs" |
    tee "$work/summary"
