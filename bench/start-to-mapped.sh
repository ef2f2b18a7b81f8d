#!/usr/bin/env bash
# Times the program's start to its home window mapped, as a learner sees it,
# against an empty Qt Widgets window in the same run, on one Xvfb display: in
# turn, the empty window, the program in a folder it has already set up (every
# start after the first) and the program in a fresh folder (the first start
# ever), the disk synced before each start. The time runs from just before the
# process starts to the X server's MapNotify of its window (no polling).
# Prints medians, extremes and the ratios to the empty window; for context, a
# second floor, the same window showing one line of text
# (build/bench/text_window), says what any program pays for text at all.
# Usage: bench/start-to-mapped.sh [BUILD_DIR] [ROUNDS] [OTHER_PROGRAM]
# OTHER_PROGRAM, another build of the program (a copy of it, say, from before
# a change), is timed in turn with this one, to compare the two in one run.
# A learner's desktop has a D-Bus session bus, which Qt's accessibility bridge
# talks to at every start; without one, every Qt program here would try to
# launch a bus of its own at each start (dbus-launch, where installed), and
# that launch, not the programs, would take the second core. So the rounds run
# on a private session bus (dbus-run-session) unless one is given.
# Needs xvfb, xauth and dbus-daemon, and libxcb1-dev to build the helper
# (scripts/install-deps.sh --with-display), and a build with -DORBISK_BUILD_BENCH=ON:
#   cmake --build BUILD_DIR --target start_to_mapped
set -euo pipefail
build=$(readlink -f "${1:-build}")
rounds=${2:-15}
other=()
[ -z "${3:-}" ] || other=("$(readlink -f "$3")")
helper=$build/bench/start_to_mapped
for file in "$helper" "$build/bench/empty_window" "$build/bench/text_window" "$build/orbisk-practice"; do
    [ -x "$file" ] || { echo "$file is missing: cmake --build $build --target start_to_mapped" >&2; exit 2; }
done
# The program's copies go beside the build, so they can be hard links to it.
work=$(mktemp -d "$build/start-to-mapped.XXXXXX")
runtime=$(mktemp -d)
trap 'rm -rf "$work" "$runtime"' EXIT
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$runtime
bus=()
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
    if command -v dbus-run-session >/dev/null; then
        bus=(dbus-run-session --)
        echo "on a private session bus"
    else
        echo "no session bus and no dbus-run-session (package dbus-daemon): timing without a bus" >&2
    fi
fi
"${bus[@]}" xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    "$helper" "$rounds" "$build/bench/empty_window" "$build/orbisk-practice" "$work" "$build/bench/text_window" "${other[@]}"
