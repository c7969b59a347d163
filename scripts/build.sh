#!/usr/bin/env bash
# Configures and builds both builds: build/native (g++) and build/windows (MinGW-w64 i686).
# TARVEX_NATIVE_ONLY=1 leaves out the Windows build; TARVEX_WINDOWS_TARGETS="a b" builds only
# those targets of it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=${JOBS:-2}
# Warnings are errors in both builds.
cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEX_WERROR=ON >/dev/null
cmake --build "$root/build/native" -j"$jobs"
(cd "$root/build/native" && cpack -G DEB >/dev/null)  # the Debian package: tarvex_*_amd64.deb
if [ "${TARVEX_NATIVE_ONLY:-0}" != 1 ]; then
    cmake -S "$root" -B "$root/build/windows" -DCMAKE_BUILD_TYPE=Release -DTARVEX_WERROR=ON \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
    targets=()
    for target in ${TARVEX_WINDOWS_TARGETS:-}; do targets+=(--target "$target"); done
    cmake --build "$root/build/windows" -j"$jobs" "${targets[@]}"
fi
