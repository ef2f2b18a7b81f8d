#!/usr/bin/env bash
# Starts a copy of the program (on Qt's offscreen platform) in a folder whose
# name is not UTF-8 (a Latin-1 "é") and holds a space: the program must set up
# its files beside itself there, as in any other folder it may write to, and
# nothing in the per-user data folder.
# Usage: scripts/check-folder-name.sh BUILD_DIR
set -euo pipefail
build=$(readlink -f "${1:?usage: check-folder-name.sh BUILD_DIR}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
folder="$work/$(printf 'caf\xe9 papers')"
mkdir -p "$folder" "$work/home"
cp "$build/orbisk-practice" "$folder/"
status=0
HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_RUNTIME_DIR="$work/home" QT_QPA_PLATFORM=offscreen \
    timeout 5 "$folder/orbisk-practice" >"$work/log" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
    echo "folder name: the program ended with status $status instead of running:" >&2
    cat "$work/log" >&2
    exit 1
fi
[ -f "$folder/marks2ENG.txt" ] || { echo "folder name: no results files beside the program" >&2; ls -Rb "$work" >&2; exit 1; }
if [ -e "$work/home/data" ]; then
    echo "folder name: files were kept somewhere other than beside the program:" >&2
    ls -Rb "$work" >&2
    exit 1
fi
echo "folder name: a folder whose name is not UTF-8 keeps the program's files"
