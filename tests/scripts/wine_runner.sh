#!/usr/bin/env bash
# The Wine runner's choices, without starting Wine: the architecture read from a program's PE
# header (built here byte by byte), and a Wine that cannot start on this machine reported with
# its reason instead of a silent exit.
set -euo pipefail
source "$TARVEX_SOURCE_DIR/cmake/wine-env.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/wine-runner.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# MZ, e_lfanew = 0x40 at offset 60, then "PE\0\0" and the machine field.
pe() {  # file machine-bytes
    { printf 'MZ'; head -c 58 /dev/zero; printf '\x40\x00\x00\x00'; printf 'PE\x00\x00'
      printf "$2"; head -c 18 /dev/zero; } >"$1"
}
pe "$work/x64.exe" '\x64\x86'
pe "$work/i386.exe" '\x4c\x01'
printf 'just text\n' >"$work/text.exe"
for case in "x64.exe win64" "i386.exe win32" "text.exe win32" "missing.exe win32"; do
    set -- $case
    [ "$(wine_arch_of "$work/$1")" = "$2" ] || fail "$1 is taken for $(wine_arch_of "$work/$1")"
done

# A loader the kernel refuses, as 32-bit Wine is where only 64-bit programs run.
mkdir "$work/bin"
{ printf '\x7fELF'; head -c 60 /dev/zero; } >"$work/bin/wine"
cp "$work/bin/wine" "$work/bin/wine64"
chmod +x "$work/bin/wine" "$work/bin/wine64"
for arch in win32 win64; do
    message=$(PATH=$work/bin:$PATH; wine_environment $arch && wine_check_loader 2>&1) &&
        fail "$arch: a loader that cannot start passed"
    case $arch:$message in
        win32:"32-bit Wine cannot start on this machine (exit 126: "*"Exec format error"*"run the x64 build's tests under wine64.") ;;
        win64:"wine64 cannot start on this machine (exit 126: "*"Exec format error"*) ;;
        *) fail "$arch: $message" ;;
    esac
done
# The runner itself stops there too, with the reason, before any prefix is made.
status=0
message=$(PATH=$work/bin:$PATH TARVEX_WINEPREFIX=$work/prefix TARVEX_WINE_ARCH=win32 \
    "$TARVEX_SOURCE_DIR/cmake/wine-run.sh" "$work/i386.exe" 2>&1) || status=$?
[ $status -ne 0 ] || fail "the runner succeeded without a Wine"
[[ $message == "32-bit Wine cannot start"* ]] || fail "the runner said: $message"
[ ! -e "$work/prefix" ] || fail "a prefix was made without a Wine"
echo "the runner takes each program's architecture and says why a Wine cannot start"
