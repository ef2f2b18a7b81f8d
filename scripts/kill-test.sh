#!/usr/bin/env bash
# Kills a program that rewrites two results files (through the store's
# writers) with kill -9 at random moments, N times. After each kill every file
# must hold exactly one of its two contents, and a start-up afterwards must
# leave no temporary file and set nothing aside.
#
#   bash scripts/kill-test.sh [N] [WRITER] [PACK]
#
# N defaults to 50; WRITER and PACK to the build's results_kill_writer and
# compiled test bank (build/tests/results_kill_writer, build/testbank/resources.pack).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-50}
writer=${2:-build/tests/results_kill_writer}
pack=${3:-build/testbank/resources.pack}
work=$(mktemp -d "${TMPDIR:-/tmp}/orbisk-kill.XXXXXX")
pid=
trap '[ -z "$pid" ] || kill -9 "$pid" 2>/dev/null; rm -rf "$work"' EXIT

"$writer" prepare "$work" "$pack"
left=0
for ((run = 1; run <= runs; run++)); do
    rm -f "$work/writing"
    "$writer" write "$work" &
    pid=$!
    for ((tries = 0; tries < 2000; tries++)); do
        [ -e "$work/writing" ] && break
        sleep 0.002
    done
    sleep "0.$(printf '%03d' $((RANDOM % 40)))"
    kill -9 "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
    if ! found=$("$writer" check "$work"); then
        echo "kill $run: a results file is neither of its two contents" >&2
        exit 1
    fi
    if [ -n "$found" ]; then
        left=$((left + 1))
    fi
    if ! "$writer" startup "$work" "$pack" >/dev/null; then
        echo "kill $run: the start-up after it failed" >&2
        exit 1
    fi
done
echo "kill test: $runs kills, every file whole after each; $left left a temporary file, removed by the next start-up"
