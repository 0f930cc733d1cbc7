#!/usr/bin/env bash
# Installs what building, running and testing Tintra need on Debian, once.
set -euo pipefail

packages=(
    cmake make g++ python3
    clang lld clang-tidy libclang-rt-dev
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    googletest
    wine64 wine
    xvfb xauth x11-utils imagemagick
    fp-utils libchm-bin nsis
    fonts-liberation fonts-dejavu-core fonts-open-sans
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
((${#missing[@]} == 0)) && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
