#!/usr/bin/env bash
# Configures and builds every build: build/native (g++), build/windows (MinGW-w64 i686, the
# deliverables as specified) and build/windows-x64 (MinGW-w64 x86_64, for 64-bit Windows,
# whose setup takes the i686 extensions from build/windows). TARVEX_NATIVE_ONLY=1 leaves out
# the Windows builds, TARVEX_WINDOWS_ARCHS="x86_64" makes only that one of them, and
# TARVEX_WINDOWS_TARGETS="a b" builds only those targets of them.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=${JOBS:-2}
# Warnings are errors in every build.
cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEX_WERROR=ON >/dev/null
cmake --build "$root/build/native" -j"$jobs"
(cd "$root/build/native" && cpack -G DEB >/dev/null)  # the Debian package: tarvex_*_amd64.deb
if [ "${TARVEX_NATIVE_ONLY:-0}" != 1 ]; then
    source "$root/cmake/wine-env.sh"
    for arch in ${TARVEX_WINDOWS_ARCHS:-i686 x86_64}; do
        build=$root/build/windows
        [ $arch = i686 ] || build=$root/build/windows-x64
        wanted=${TARVEX_WINDOWS_TARGETS:-}
        # Where 32-bit Wine cannot start, the i686 test programs could never run: only the
        # deliverables are built, for the setup and the static check against the x64 ones.
        if [ -z "$wanted" ] && [ $arch = i686 ] && ! (wine_environment win32 && wine_check_loader) \
            2>/dev/null; then
            wanted="Tarvex Quillet Cravel Glintra tarvex_help tarvex_help_beside_program tarvex_setup"
        fi
        targets=()
        for target in $wanted; do targets+=(--target "$target"); done
        cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTARVEX_WERROR=ON \
            -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" >/dev/null
        cmake --build "$build" -j"$jobs" "${targets[@]}"
    done
fi
