#!/usr/bin/env bash
# The test command: installs what is missing, builds both builds, runs every native and Wine
# test, the native tests again in the sanitizer build and every fuzz target for FUZZ_SECONDS
# (default 45), and ends with one line "N passed, N failed". Exits non-zero when any fails.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"

xvfb_pid=
if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 90 120); do
        [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break
    done
    Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=:$n
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
fi
export TARVEX_WINEPREFIX=${TARVEX_WINEPREFIX:-$root/build/wineprefix}
cleanup() {
    WINEPREFIX=$TARVEX_WINEPREFIX wineserver -k >/dev/null 2>&1 || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
WINEPREFIX=$TARVEX_WINEPREFIX "$root/cmake/wine-prefix.sh"

status=0
run_tests() {  # folder, ctest options...
    local dir=$1
    shift
    rm -f "$dir"/test-results/*.xml
    (cd "$dir" && ctest -j2 --output-on-failure --output-junit "$dir/test-results/ctest.junit" "$@") ||
        status=1
}
for build in native windows; do
    if [ -d "$root/build/$build" ]; then run_tests "$root/build/$build"; fi
done

# The sanitizer build: the native tests again under AddressSanitizer and UBSan, then every
# fuzz target for a bounded time.
echo "== sanitizer build"
sanitize=$root/build/sanitize
CC=clang CXX=clang++ cmake -S "$root" -B "$sanitize" -DTARVEX_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$sanitize" -j"${JOBS:-2}" >/dev/null
run_tests "$sanitize" -LE fuzz
echo "== fuzzing (${FUZZ_SECONDS:-45} s a target)"
bash "$root/scripts/fuzz.sh" || status=1

/usr/bin/python3 "$root/scripts/count-tests.py" "$root/build/native/test-results" \
    "$root/build/windows/test-results" "$sanitize/test-results" "$sanitize/fuzz-results"
exit $status
