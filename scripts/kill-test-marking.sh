#!/usr/bin/env bash
# Kills a program that answers and marks papers (first and second attempts,
# through the open paper as the practice window does) with kill -9 at random
# moments, N times. After each kill a start-up must leave every paper in one
# consistent state: not marked with its answers kept, or marked with its
# verdicts, score, time and date; and the trend must hold exactly one value per
# marked first attempt, in marking order.
#
#   bash scripts/kill-test-marking.sh [N] [MARKER] [PACK]
#
# N defaults to 30; MARKER and PACK to the build's marking_kill_marker and the
# compiled test bank (build/tests/marking_kill_marker, build/testbank/resources.pack).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-30}
marker=${2:-build/tests/marking_kill_marker}
pack=${3:-build/testbank/resources.pack}
work=$(mktemp -d "${TMPDIR:-/tmp}/orbisk-kill-marking.XXXXXX")
pid=
trap '[ -z "$pid" ] || kill -9 "$pid" 2>/dev/null; rm -rf "$work"' EXIT

"$marker" prepare "$work" "$pack"
journals=0
finished=0
for ((run = 1; run <= runs; run++)); do
    rm -f "$work/marking"
    "$marker" mark "$work" "$pack" &
    pid=$!
    for ((tries = 0; tries < 2000; tries++)); do
        [ -e "$work/marking" ] || [ -e "$work/done" ] && break
        sleep 0.002
    done
    # Half the kills land within a few milliseconds of a marking's writes, the
    # others anywhere among the answering and marking that follow.
    if ((RANDOM % 2)); then
        sleep "0.$(printf '%03d' $((RANDOM % 12)))"
    else
        sleep "0.$(printf '%03d' $((RANDOM % 300)))"
    fi
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=
    if ! found=$("$marker" check "$work" "$pack"); then
        echo "kill $run: a paper was left in a state between marked and not marked" >&2
        exit 1
    fi
    if [ "$found" = journal ]; then
        journals=$((journals + 1))
    fi
    if [ -e "$work/done" ]; then
        # Every paper is marked: start again in a fresh folder.
        finished=$((finished + 1))
        rm -rf "$work"/*
        "$marker" prepare "$work" "$pack"
    fi
done
echo "marking kill test: $runs kills, every paper consistent after each; $journals landed while a marking wrote its files and were completed by the next start; $finished runs marked every paper"
