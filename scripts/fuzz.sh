#!/usr/bin/env bash
# Builds the libFuzzer targets in build/fuzz with clang and runs each for FUZZ_SECONDS
# (default 60). Corpora grow in build/fuzz/corpus/<target>; crashes land in
# build/fuzz/findings/<target>. Usage: scripts/fuzz.sh [target...]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build/fuzz"
seconds=${FUZZ_SECONDS:-60}
jobs=${JOBS:-2}
# A smaller quarantine keeps the sanitizer's own memory well below the 512 MB limit.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=64}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DTARVEX_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
declare -A max_len=(
    [fuzz_rez_loader]=4096 [fuzz_rez_extract]=4096 [fuzz_dtx_reader]=8192
    [fuzz_string_block]=4096 [fuzz_translation]=4096 [fuzz_command_line]=1024
)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_rez_loader fuzz_rez_extract fuzz_dtx_reader
                                      fuzz_string_block fuzz_translation fuzz_command_line)
cmake --build "$build" -j"$jobs" --target "${targets[@]}" >/dev/null
python3 "$root/tests/fuzz/make_corpus.py" "$build/corpus"

status=0
for target in "${targets[@]}"; do
    findings="$build/findings/$target"
    mkdir -p "$findings"
    echo "== $target: ${seconds}s"
    if ! "$build/tests/fuzz/$target" "$build/corpus/$target" -max_total_time="$seconds" \
        -max_len="${max_len[$target]}" -timeout=5 -rss_limit_mb=512 -malloc_limit_mb=512 \
        -artifact_prefix="$findings/" -print_final_stats=1 2>"$build/$target.log"; then
        echo "   FAILED: see $build/$target.log and $findings"
        status=1
    fi
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$build/$target.log" | sed 's/^/   /'
done
exit $status
