#!/usr/bin/env bash
# Runs a Windows test program under 32-bit Wine with the project's private prefix.
# Creates the prefix on first use; needs a display (scripts/test.sh starts Xvfb).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX=${TARVEX_WINEPREFIX:-$(cd "$here/.." && pwd)/build/wineprefix}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml,winemenubuilder.exe="}
"$here/wine-prefix.sh"
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a wine "$@"
fi
exec wine "$@"
