#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ and fuzzes each for a set
# time (default 60 seconds), one after the other:
#
#   bash scripts/fuzz.sh [SECONDS] [TARGET...]     e.g. bash scripts/fuzz.sh 600 fuzz_mht
#
# Each target starts from its seed corpus in fuzz/corpus/<target>, grows its own
# copy in build-fuzz/corpus/<target>, and writes what it finds (an input that
# crashes, leaks, hangs for 10 seconds or breaks a property) to
# build-fuzz/findings/. Add such an input to fuzz/corpus/<target> once the fault
# is fixed, so the test run keeps checking it. FUZZ_FLAGS adds libFuzzer options.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(fuzz_mht fuzz_records fuzz_pack fuzz_results_check fuzz_bank_reader fuzz_pictures)
fi

cxx=$(command -v clang++-14 || command -v clang++ || true)
if [ -z "$cxx" ]; then
    echo "fuzz.sh needs clang: bash scripts/install-deps.sh --tests" >&2
    exit 1
fi
CXX=$cxx cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBISK_FUZZ=ON -DORBISK_BUILD_GUI=OFF \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"

mkdir -p build-fuzz/findings
status=0
summary=()
for target in "${targets[@]}"; do
    corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus"
    cp -n fuzz/corpus/"$target"/* "$corpus"/ 2>/dev/null || true
    log=build-fuzz/findings/$target.log
    echo "== $target: $seconds seconds"
    # shellcheck disable=SC2086
    if build-fuzz/fuzz/"$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix=build-fuzz/findings/"$target"- ${FUZZ_FLAGS:-} "$corpus" >"$log" 2>&1; then
        outcome="no finding"
    else
        outcome="FINDING (see $log)"
        status=1
    fi
    runs=$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 executions in \2 s/p' "$log" | tail -1)
    summary+=("$target: ${runs:-stopped early}; $outcome")
done
printf '%s\n' "${summary[@]}"
exit $status
