#!/usr/bin/env bash
# The README's run command: installs what is missing, builds the native tarvex and Tarvex.exe,
# creates, lists and extracts an archive of a generated sample folder with the real tarvex,
# then opens that archive in Tarvex.exe under Wine: the 32-bit one where this machine runs
# 32-bit programs, the x64 one under wine64 where it runs 64-bit programs only. Without a
# display it takes a screenshot of the window with the sample archive instead and prints where
# it is.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

echo "== setup"
bash "$root/scripts/setup.sh"
source "$root/cmake/wine-env.sh"
if (wine_environment win32 && wine_check_loader 2>/dev/null); then
    arch=i686 windows=$root/build/windows
    export TARVEX_WINE_ARCH=win32
else
    arch=x86_64 windows=$root/build/windows-x64
    export TARVEX_WINE_ARCH=win64
    echo "this machine runs 64-bit programs only: Tarvex.exe of the x64 build, under wine64"
fi
echo "== builds: the native tarvex and Tarvex.exe ($arch)"
TARVEX_WINDOWS_ARCHS=$arch \
    TARVEX_WINDOWS_TARGETS="Tarvex tarvex_help_beside_program tarvex_screenshot_host" \
    bash "$root/scripts/build.sh"
tarvex="$root/build/native/programs/native/tarvex/tarvex"
tarvex_exe="$windows/programs/tarvex/Tarvex.exe"

work="$root/build/run-sample"
rm -rf "$work"
mkdir -p "$work"
sample="$work/SAMPLE"
echo "== sample folder: $sample"
bash "$root/scripts/make-sample.sh" "$sample"
find "$sample" -type f | sort | sed "s|$work/||"

cd "$work"
echo "== tarvex /C sample.rez SAMPLE"
"$tarvex" /C sample.rez SAMPLE
ls -l sample.rez
echo "== tarvex /L sample.rez"
"$tarvex" /L sample.rez
echo "== tarvex /X sample.rez EXTRACTED"
"$tarvex" /X sample.rez EXTRACTED
echo "== diff -r SAMPLE EXTRACTED"
diff -r SAMPLE EXTRACTED
echo "The extracted tree is identical to the sample folder ($work)."

if [ -n "${DISPLAY:-}" ]; then
    echo "== Tarvex.exe sample.rez (under Wine; close the window to end)"
    "$root/cmake/wine-run.sh" "$tarvex_exe" "Z:${work//\//\\}\\sample.rez"
else
    echo "== no display: a screenshot of Tarvex.exe with the sample archive"
    TARVEX_SOURCE_DIR=$root TARVEX_BINARY_DIR=$windows \
        bash "$root/tests/wine/tarvex/screenshot.sh" \
        "$windows/tests/wine/tarvex/tarvex_screenshot_host.exe" "$tarvex_exe"
    echo "Tarvex.exe with the sample archive: $windows/screenshots/tarvex-window-details.png"
fi
