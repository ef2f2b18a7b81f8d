#!/usr/bin/env bash
# Times the program's start to its painted home window against an empty Qt
# Widgets window started the same way, in turns, under a real X server (Xvfb):
# once in a fresh application folder each run (the first start ever), once in
# a folder that is already set up (every later start). Prints the medians and
# their ratios. Usage: bench/startup-time.sh [BUILD_DIR] [RUNS]  (needs xvfb, xauth)
set -euo pipefail
build=${1:-build}
runs=${2:-15}
bench=$(readlink -f "$build/bench/startup_bench")
[ -x "$bench" ] || { echo "build $build first (startup_bench missing)" >&2; exit 2; }
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  bench=$1; runs=$2
  export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$(mktemp -d)
  work=$(mktemp -d); trap "rm -rf $work" EXIT
  median() { sort -n | awk "{a[NR]=\$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}"; }
  time_one() { ORBISK_BENCH_T0=$(date +%s%N) "$bench" "$@"; }
  "$bench" empty >/dev/null; "$bench" home "$work/again" >/dev/null   # warm the caches; set up "again"
  for i in $(seq "$runs"); do
    time_one empty >> "$work/empty"
    time_one home "$work/fresh$i" >> "$work/fresh"
    time_one home "$work/again" >> "$work/again.times"
  done
  empty=$(median < "$work/empty"); fresh=$(median < "$work/fresh"); again=$(median < "$work/again.times")
  echo "runs: $runs each (medians)"
  echo "empty Qt window to first paint:        $empty ms"
  echo "home window, fresh folder:             $fresh ms"
  echo "home window, folder already set up:    $again ms"
  awk -v f="$fresh" -v a="$again" -v e="$empty" "BEGIN {printf \"ratio fresh / empty: %.2f, set up / empty: %.2f\n\", f / e, a / e}"
' _ "$bench" "$runs"
