#!/usr/bin/env bash
# Installs what the builds and tests need on Debian 12, when missing. Safe to run again.
set -euo pipefail
packages=(
    g++ cmake make pkg-config python3 python3-pefile nsis
    clang clang-format libclang-rt-14-dev llvm
    googletest libgtest-dev libgmock-dev libpng-dev
    g++-mingw-w64-i686 mingw-w64-tools binutils-mingw-w64-i686
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
    wine wine32 wine64 xvfb xauth x11-utils imagemagick icoutils fp-utils
    dpkg-dev lintian man-db shared-mime-info xdg-utils libfile-mimeinfo-perl bash-completion
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    missing+=(wine32)
fi
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo_cmd[@]}" dpkg --add-architecture i386
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq \
        "${missing[@]}" >/dev/null
fi
