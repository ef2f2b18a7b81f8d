#!/usr/bin/env bash
# Installs the program from a build folder into a temporary prefix, checks the
# launcher entry and icon are there, and starts the installed program (on Qt's
# offscreen platform) with a fresh home folder: it must keep running and set up
# its files in the per-user data folder, not beside the program.
# Usage: scripts/check-install.sh BUILD_DIR
set -euo pipefail
build=$(readlink -f "${1:?usage: check-install.sh BUILD_DIR}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null
for file in bin/orbisk-practice share/applications/orbisk-practice.desktop \
            share/icons/hicolor/64x64/apps/orbisk-practice.png; do
    [ -f "$work/prefix/$file" ] || { echo "install: $file is missing" >&2; exit 1; }
done
if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$work/prefix/share/applications/orbisk-practice.desktop"
fi
mkdir -p "$work/home"
status=0
HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_RUNTIME_DIR="$work/home" QT_QPA_PLATFORM=offscreen \
    timeout 5 "$work/prefix/bin/orbisk-practice" >"$work/log" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
    echo "install: the installed program ended with status $status instead of running:" >&2
    cat "$work/log" >&2
    exit 1
fi
data="$work/home/data/Orbisk/orbisk-practice"
[ -f "$data/marks2ENG.txt" ] || { echo "install: no results files in $data" >&2; ls -R "$work/home" >&2; exit 1; }
if ls "$work/prefix/bin" | grep -qv '^orbisk-practice$'; then
    echo "install: the program wrote files beside itself:" >&2
    ls "$work/prefix/bin" >&2
    exit 1
fi
echo "install: installed, started, and keeps its files in the per-user data folder"
