#!/usr/bin/env bash
# The test command: installs what is missing, builds every build, runs every native test and
# the Wine tests of each Windows build this machine can run (both where it runs 32-bit
# programs, else the x64 one, with the i686 deliverables checked statically), the native tests
# again in the sanitizer build and every fuzz target for FUZZ_SECONDS (default 45), and ends
# with one line "N passed, N failed". Exits non-zero when any fails.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
source "$root/cmake/wine-env.sh"

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
cleanup() {
    for arch in win32 win64; do
        (wine_environment $arch && wineserver -k >/dev/null 2>&1) || true
    done
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

# 32-bit Wine starts only where the kernel runs i386 programs.
if (wine_environment win32 && wine_check_loader 2>/dev/null); then
    echo "== this machine runs 32-bit programs: the Wine tests run on both Windows builds"
    windows_builds=(windows:win32 windows-x64:win64)
else
    echo "== this machine runs 64-bit programs only: the Wine tests run on the x64 build," \
        "and the i686 deliverables are checked statically against it"
    windows_builds=(windows-x64:win64)
fi

status=0
results=()
run_tests() {  # folder, ctest options...
    local dir=$1
    shift
    echo "== tests of ${dir#"$root"/} (at ${SECONDS} s)"
    rm -f "$dir"/test-results/*.xml
    results+=("$dir/test-results")
    (cd "$dir" && ctest -j2 --output-on-failure --output-junit "$dir/test-results/ctest.junit" "$@") ||
        status=1
}
run_tests "$root/build/native"
for build in "${windows_builds[@]}"; do
    # A prefix that cannot be made says why here; the tests then fail with the same reason.
    (wine_environment "${build#*:}" && "$root/cmake/wine-prefix.sh") || status=1
    run_tests "$root/build/${build%:*}"
done

# The sanitizer build: the native tests again under AddressSanitizer and UBSan, then every
# fuzz target for a bounded time.
echo "== sanitizer build (at ${SECONDS} s)"
sanitize=$root/build/sanitize
CC=clang CXX=clang++ cmake -S "$root" -B "$sanitize" -DTARVEX_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$sanitize" -j"${JOBS:-2}" >/dev/null
run_tests "$sanitize" -LE fuzz
echo "== fuzzing (${FUZZ_SECONDS:-45} s a target, at ${SECONDS} s)"
bash "$root/scripts/fuzz.sh" || status=1

echo "== done in ${SECONDS} s"
/usr/bin/python3 "$root/scripts/count-tests.py" "${results[@]}" "$sanitize/fuzz-results"
exit $status
