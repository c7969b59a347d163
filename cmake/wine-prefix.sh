#!/usr/bin/env bash
# Creates the private Wine prefix of WINEARCH (win32 unless set) at WINEPREFIX once; concurrent
# callers wait on a lock. Fails with the reason when that Wine cannot start here.
set -euo pipefail
: "${WINEPREFIX:?}"
prefix=$WINEPREFIX
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
wine_environment "${WINEARCH:-win32}"
export WINEPREFIX=$prefix
wine_check_loader
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$WINEPREFIX/.ready" ]; then
    rm -rf "$WINEPREFIX"
    status=0
    log=$("$wine_loader" wineboot -i 2>&1) || status=$?
    wineserver -w
    if [ $status -ne 0 ] || [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "wineboot could not make the $WINEARCH prefix $WINEPREFIX (exit $status):" >&2
        printf '%s\n' "$log" | tail -n 20 >&2
        exit 1
    fi
    touch "$WINEPREFIX/.ready"
fi
