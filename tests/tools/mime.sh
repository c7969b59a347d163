#!/usr/bin/env bash
# The MIME types as a file manager finds them: the tools installed into a scratch prefix, its
# MIME database built beside the freedesktop one, and xdg-mime asked with that folder as the
# only data folder. An archive is known by its .rez name and, renamed, by its first 8 bytes; a
# texture by its .dtx name and its header, which tell it from a LaTeX source named .dtx.
#   mime.sh path/to/tarvex
source "$(dirname "${BASH_SOURCE[0]}")/script_common.sh"
for component in tarvex dtx-thumbnailer; do
    cmake --install "$TARVEX_BINARY_DIR" --component $component --prefix "$work/usr" >/dev/null
done
data=$work/usr/share
cp /usr/share/mime/packages/freedesktop.org.xml "$data/mime/packages/"
update-mime-database "$data/mime" >/dev/null 2>&1
export XDG_DATA_HOME=$work/home XDG_DATA_DIRS=$data
# The generic desktop: xdg-mime reads the database itself.
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID

mkdir -p Maps && printf 'map' >Maps/MAP01.DAT
"$tarvex" /C made.rez Maps >/dev/null 2>&1
cp made.rez "made copy"
# The engine's own tool writes its tag where Tarvex writes "Tarvex".
printf '\r\nZovUru resource file\r\n' >engine-archive
printf 'world data, no archive\n' >notes
# A 1 x 1 texture of 32-bit pixels (version -5), and a LaTeX source with the same extension.
{ printf '\0\0\0\0\373\377\377\377\1\0\1\0'; head -c 152 /dev/zero; printf '\0\0\377\0'; } >Wall.DTX
cp Wall.DTX wall-texture
printf '%% \\iffalse meta-comment\n%%<*driver>\n\\documentclass{ltxdoc}\n' >package.dtx

while IFS='|' read -r file type; do
    found=$(xdg-mime query filetype "$file" 2>&1)
    [ "$found" = "$type" ] || fail "$file is $found, expected $type"
done <<'CASES'
made.rez|application/x-lithtech-rez
made copy|application/x-lithtech-rez
engine-archive|application/x-lithtech-rez
notes|text/plain
Wall.DTX|image/x-dtx
wall-texture|image/x-dtx
package.dtx|text/x-tex
CASES
finish "archives and textures are recognised by name and by content"
