#!/usr/bin/env bash
# Installs the DTX thumbnailer into a scratch prefix and runs it the way a file manager does:
# through the Exec line of its .thumbnailer entry (tests/tools/mime.sh checks the MIME type).
set -euo pipefail
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cmake --install "$TARVEX_BINARY_DIR" --component dtx-thumbnailer --prefix "$tmp/usr" >/dev/null

entry="$tmp/usr/share/thumbnailers/dtx.thumbnailer"
grep -qx 'MimeType=image/x-dtx;' "$entry"
exec_line=$(sed -n 's/^Exec=//p' "$entry")
[ -n "$exec_line" ]

# A 2 x 1 texture of 32-bit pixels: red, blue. Upper-case extension on purpose.
python3 - "$tmp/Wall.DTX" <<'PY'
import struct, sys
header = struct.pack('<IiHHHHII', 0, -5, 2, 1, 0, 0, 0, 0) + bytes(140)
pixels = bytes([0, 0, 255, 0, 255, 0, 0, 0])
open(sys.argv[1], 'wb').write(header + pixels)
PY

command=${exec_line//%s/64}
command=${command//%i/$tmp/Wall.DTX}
command=${command//%o/$tmp/out.png}
PATH="$tmp/usr/bin:$PATH" eval "$command"
file_type=$(head -c 8 "$tmp/out.png" | od -An -tx1 | tr -d ' \n')
[ "$file_type" = "89504e470d0a1a0a" ] || { echo "not a PNG"; exit 1; }
echo "installed thumbnailer works"
