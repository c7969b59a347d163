#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's private prefix of its architecture: an
# i686 program under 32-bit Wine in a win32 prefix, an x64 one under wine64 in a win64 prefix.
# The architecture is TARVEX_WINE_ARCH (the tests set it), else that of the program named.
# Creates the prefix on first use; needs a display (scripts/test.sh starts Xvfb).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-env.sh"
wine_environment "${TARVEX_WINE_ARCH:-$(wine_arch_of "${1:-}")}"
"$here/wine-prefix.sh"
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a "$wine_loader" "$@"
fi
exec "$wine_loader" "$@"
