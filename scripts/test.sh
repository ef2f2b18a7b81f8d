#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (the windows on Qt's
# offscreen platform, so no display is needed): once in build/, once more in
# build-asan/ with AddressSanitizer and UndefinedBehaviorSanitizer (leaks are
# checked in every test but the window tests, where Qt keeps memory on purpose).
# Between the two, the fuzz targets are built with clang in build-fuzz/ and run
# over their seed corpora. Set ORBISK_SKIP_FUZZ=1 to skip the fuzz targets and
# ORBISK_SKIP_SANITIZE=1 to skip the sanitizer run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
export QT_QPA_PLATFORM=offscreen
scripts/build.sh build -DBUILD_TESTING=ON -DORBISK_BUILD_BENCH=ON
ctest --test-dir build --output-on-failure -j"$(nproc)"
if [ "${ORBISK_SKIP_FUZZ:-0}" != "1" ]; then
    CXX=$(command -v clang++-14 || command -v clang++) \
        scripts/build.sh build-fuzz -DORBISK_FUZZ=ON -DORBISK_BUILD_GUI=OFF -DBUILD_TESTING=OFF
    ctest --test-dir build-fuzz --output-on-failure -j"$(nproc)"
fi
if [ "${ORBISK_SKIP_SANITIZE:-0}" != "1" ]; then
    scripts/build.sh build-asan -DBUILD_TESTING=ON -DORBISK_SANITIZE=ON -DORBISK_BUILD_BENCH=OFF
    UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -E '^format$'
fi
