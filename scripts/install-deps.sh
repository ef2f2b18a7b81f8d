#!/usr/bin/env bash
# Installs the Debian packages the build and the program need (and, with
# --tests, what the tests need), when they are missing. Runs apt-get through
# sudo unless it runs as root. With --tests it also makes the German locale
# (de_DE.UTF-8) available, so the tests can check that a desktop set to a
# decimal comma changes nothing that is stored.
set -euo pipefail

# What building and running the program needs.
tests=0
packages=(
    g++ make cmake git
    qt6-base-dev libgl-dev
    libyaml-cpp-dev
    fonts-liberation fonts-dejavu-core
)
for option in "$@"; do
    case "$option" in
    --tests) # the tests, the benchmarks, the format check and the fuzz targets (clang's libFuzzer)
        tests=1
        packages+=(libgtest-dev libgmock-dev libbenchmark-dev clang-format-14 desktop-file-utils
            clang-14 libclang-rt-14-dev locales) ;;
    --with-display) # screenshots and benchmarks under a real X server (the start benchmark's
        # helper watches the X server through xcb, on a session bus of its own), redrawing the skin
        packages+=(xvfb xauth imagemagick libxcb1-dev dbus-daemon) ;;
    *) echo "usage: install-deps.sh [--tests] [--with-display]" >&2; exit 2 ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
needs_locale=0
if [ "$tests" -eq 1 ] && ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
    needs_locale=1
fi
if [ ${#missing[@]} -eq 0 ] && [ "$needs_locale" -eq 0 ]; then
    exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "These packages are missing: ${missing[*]}" >&2
        echo "Install them as root (apt-get install ${missing[*]}), or install sudo, then run this again." >&2
        exit 1
    fi
    sudo=(sudo)
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
if [ "$needs_locale" -eq 1 ]; then
    echo "Generating the de_DE.UTF-8 locale for the tests"
    if ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
        echo 'de_DE.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    fi
    "${sudo[@]}" locale-gen
fi
