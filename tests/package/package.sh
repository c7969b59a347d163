#!/usr/bin/env bash
# The Debian package as a user meets it: its file list and control fields, the tools run from
# the package unpacked into a scratch root (dpkg-deb -x), an install and a purge by dpkg in a
# scratch root of its own, and apt's answer that this system can install it.
#   package.sh tarvex_VERSION_amd64.deb VERSION
set -euo pipefail
deb=$1 version=$2
[ -f "$deb" ] || { echo "no package: $deb"; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Every file, and nothing else, owned by root.
expected='./usr/bin/dtx-thumbnailer
./usr/bin/tarvex
./usr/share/bash-completion/completions/tarvex
./usr/share/doc/tarvex/changelog.gz
./usr/share/doc/tarvex/copyright
./usr/share/man/man1/dtx-thumbnailer.1.gz
./usr/share/man/man1/tarvex.1.gz
./usr/share/mime/packages/tarvex-dtx.xml
./usr/share/mime/packages/tarvex-rez.xml
./usr/share/thumbnailers/dtx.thumbnailer'
files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort)
[ "$files" = "$expected" ] || fail "file list:"$'\n'"$files"
others=$(dpkg-deb -c "$deb" | awk '$2 != "root/root"')
[ -z "$others" ] || fail "not owned by root: $others"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tarvex ] && [ "$(field Version)" = "$version" ] &&
    [ "$(field Architecture)" = amd64 ] || fail "control: $(dpkg-deb -f "$deb")"
depends=$(field Depends)
for library in libc6 libstdc++6; do
    [[ $depends == *"$library ("* ]] || fail "no dependency on $library: $depends"
done
# No maintainer scripts and no conffiles: dpkg removes exactly what it unpacked.
control=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed -n 's|^\./\(.\)|\1|p' | sort | xargs)
[ "$control" = "control md5sums" ] || fail "control members: $control"

# The tools from the unpacked package, found on PATH, on a sample archive.
root=$tmp/root
dpkg-deb -x "$deb" "$root"
export PATH=$root/usr/bin:$PATH
cd "$tmp"
mkdir -p "SAMPLE/WORLDS/MULTI"
printf 'map one\n' >SAMPLE/WORLDS/MAP01.DAT
head -c 20000 /dev/urandom >SAMPLE/WORLDS/MULTI/DM.DAT
tarvex /C sample.rez SAMPLE >/dev/null 2>&1 || fail "tarvex /C from the package"
tarvex /L sample.rez | grep -q '^2 files, 20008 bytes$' || fail "tarvex /L: $(tarvex /L sample.rez)"
tarvex /X sample.rez OUT >/dev/null 2>&1 && diff -r SAMPLE OUT >/dev/null || fail "tarvex /X"
[ "$(tarvex cat sample.rez worlds/map01.dat)" = "map one" ] || fail "tarvex cat"
# A 1 x 1 texture of 32-bit pixels, drawn as the thumbnailer entry for image/x-dtx says.
grep -qx 'MimeType=image/x-dtx;' "$root/usr/share/thumbnailers/dtx.thumbnailer" ||
    fail "the thumbnailer entry is not for image/x-dtx"
{ printf '\0\0\0\0\373\377\377\377\1\0\1\0'; head -c 152 /dev/zero; printf '\0\0\377\0'; } >tex.dtx
dtx-thumbnailer -s 16 tex.dtx tex.png || fail "dtx-thumbnailer from the package"
[ "$(head -c 4 tex.png | od -An -tx1 | tr -d ' \n')" = 89504e47 ] || fail "no PNG written"

# The man pages render, without a warning from man.
for page in tarvex dtx-thumbnailer; do
    file=$root/usr/share/man/man1/$page.1.gz
    warnings=$(MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man $page: $warnings"
    MANWIDTH=80 man -l "$file" 2>/dev/null | grep -Eq "^ +$page +- " || fail "man $page shows no NAME"
done

# dpkg installs it into a root of its own and purges it again: nothing is left outside its
# own records.
admin=$tmp/dpkg-root
mkdir -p "$admin/var/lib/dpkg/info" "$admin/var/lib/dpkg/updates"
: >"$admin/var/lib/dpkg/status"
dpkg --root="$admin" --log=/dev/null --force-depends -i "$deb" >/dev/null 2>&1 ||
    fail "dpkg -i into a scratch root"
[ -x "$admin/usr/bin/tarvex" ] || fail "dpkg installed no tarvex"
dpkg --root="$admin" --log=/dev/null --purge tarvex >/dev/null 2>&1 || fail "dpkg --purge"
left=$(cd "$admin" && find . -mindepth 1 ! -path ./var ! -path ./var/lib ! -path './var/lib/dpkg*')
[ -z "$left" ] || fail "left behind: $left"

# apt finds everything it needs on this system.
apt-get install -s "$deb" 2>/dev/null | grep -q '^Inst tarvex ' ||
    fail "apt cannot install it: $(apt-get install -s "$deb" 2>&1 | tail -3)"
echo "the package holds the tools, installs and goes again"
