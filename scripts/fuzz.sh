#!/usr/bin/env bash
# The sanitizer build in build/sanitize (clang, AddressSanitizer, UBSan and libFuzzer's
# coverage): builds it and runs each libFuzzer target for FUZZ_SECONDS (default 45), two at a
# time, from its committed seed corpus. Fails when any target finds a crash, leak, timeout or
# out-of-memory. Usage: scripts/fuzz.sh [target...]   (default: every target)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build/sanitize"
jobs=${JOBS:-2}
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DTARVEX_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    mapfile -t targets < <(cd "$build" && ctest -N -L fuzz | sed -n 's/^ *Test *#[0-9]*: //p')
fi
cmake --build "$build" -j"$jobs" --target "${targets[@]}" >/dev/null
regex="^($(IFS='|'; echo "${targets[*]}"))\$"
rm -f "$build"/fuzz/*/summary
mkdir -p "$build/fuzz-results"
status=0
(cd "$build" && ctest -j"$jobs" -L fuzz -R "$regex" --output-on-failure \
    --output-junit "$build/fuzz-results/ctest.junit") || status=1
cat "$build"/fuzz/*/summary 2>/dev/null || true
exit $status
