#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (the windows on Qt's
# offscreen platform, so no display is needed): once in build/, once more in
# build-asan/ with AddressSanitizer and UndefinedBehaviorSanitizer.
# Set ORBISK_SKIP_SANITIZE=1 to skip the second run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
scripts/build.sh build
ctest --test-dir build --output-on-failure -j"$(nproc)"
if [ "${ORBISK_SKIP_SANITIZE:-0}" != "1" ]; then
    scripts/build.sh build-asan -DORBISK_SANITIZE=ON -DORBISK_BUILD_BENCH=OFF
    # Qt and the font libraries keep some memory to the end on purpose; leaks are not checked.
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -E '^format$'
fi
