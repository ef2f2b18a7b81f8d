#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (the windows on Qt's
# offscreen platform, so no display is needed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
