#!/usr/bin/env bash
# Installs what building and testing Vantrel needs on Debian/Ubuntu. Idempotent: it
# installs only what is missing and refreshes the package lists only then.
set -euo pipefail

packages=(
    cmake ninja-build make
    g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools
    binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
    wine wine32:i386 wine64 fonts-wine
    xvfb xdotool x11-utils imagemagick
    googletest
    clang
    python3
    nsis
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo_cmd[@]}" dpkg --add-architecture i386
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
else
    echo "setup: everything is installed"
fi
