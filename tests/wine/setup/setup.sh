#!/usr/bin/env bash
# TarvexSetup.exe end to end in a Wine prefix of its own, copied from a template made once per
# build: the checks program installs, uses, installs again and removes the tool set; then the
# prefix's registry and disk must hold nothing the template did not, and every file's version
# is read back with an independent PE reader.
#   setup.sh CHECKS.exe RESULTS.xml VERSION FILE...
set -euo pipefail
checks=$1 results=$2 version=$3
shift 3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
windows() { printf 'Z:%s' "${1//\//\\}"; }

# Copying the template takes a second where making a prefix takes many.
template=$TARVEX_BINARY_DIR/wineprefix-setup-template
WINEARCH=${TARVEX_WINE_ARCH:-win32} WINEPREFIX=$template "$TARVEX_SOURCE_DIR/cmake/wine-prefix.sh"
work=$(mktemp -d "$TARVEX_BINARY_DIR/setup-test.XXXXXX")
prefix=$work/prefix
cleanup() {
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
cp -a "$template" "$prefix"
mkdir "$work/scratch"

status=0
TARVEX_WINEPREFIX=$prefix TARVEX_WINEPREFIX64=$prefix SETUP_TEST_SCRATCH=$(windows "$work/scratch") \
    GTEST_OUTPUT="xml:$(windows "$results")" \
    "$TARVEX_SOURCE_DIR/cmake/wine-run.sh" "$checks" || status=1
# A restart once every process has ended takes what the uninstaller left to it; the prefix's
# registry reaches its files when its last process has ended.
WINEPREFIX=$prefix wineserver -w
TARVEX_WINEPREFIX=$prefix TARVEX_WINEPREFIX64=$prefix \
    "$TARVEX_SOURCE_DIR/cmake/wine-run.sh" wineboot.exe -r || status=1
WINEPREFIX=$prefix wineserver -w
/usr/bin/python3 "$here/prefix_leftovers.py" "$template" "$prefix" || status=1
/usr/bin/python3 "$here/check_versions.py" "$version" "$@" || status=1
exit $status
