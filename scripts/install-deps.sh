#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when
# they are missing. Runs apt-get through sudo unless it runs as root.
set -euo pipefail

packages=(
    g++ make cmake git
    qt6-base-dev libgl-dev
    libyaml-cpp-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang-format
    fonts-liberation fonts-dejavu-core
)
if [ "${1:-}" = "--with-display" ]; then
    packages+=(xvfb xauth imagemagick)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
