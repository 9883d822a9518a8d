#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine, only if missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang-format clang libclang-rt-14-dev
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 xvfb xdotool xclip imagemagick x11-utils tesseract-ocr
    nsis zip unzip
    googletest libgtest-dev libbenchmark-dev nlohmann-json3-dev libeigen3-dev
    python3 python3-pil
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi
