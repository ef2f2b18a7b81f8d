#!/usr/bin/env bash
# Fails, naming the lines, when a file under src/core includes a Qt header: the
# core is standard C++ only, so that its rules can be tested and reused without Qt.
set -euo pipefail
cd "$(dirname "$0")/.."
if grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]((Q[A-Za-z0-9]*)|(Qt[A-Za-z]*/.*)|(qt6?/.*)|(q[a-z0-9_]+\.h))[>"]' \
        src/core; then
    echo "core_has_no_qt: the lines above include Qt in src/core" >&2
    exit 1
fi
echo "core_has_no_qt: no Qt include under src/core"
