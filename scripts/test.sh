#!/usr/bin/env bash
# The test command: installs what is missing, builds both builds, runs every native and Wine
# test and ends with one line "N passed, N failed". Exits non-zero when any test fails.
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
for build in native windows; do
    dir=$root/build/$build
    [ -d "$dir" ] || continue
    rm -f "$dir"/test-results/*.xml
    (cd "$dir" && ctest -j2 --output-on-failure --output-junit "$dir/test-results/ctest.junit") || status=1
done
/usr/bin/python3 "$root/scripts/count-tests.py" "$root/build/native/test-results" "$root/build/windows/test-results"
exit $status
