#!/usr/bin/env bash
# Fails, listing the files, when a C++ source is not formatted as .clang-format says.
# With --fix, formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sources < <(git ls-files -co --exclude-standard -- 'src/*.h' 'src/*.cpp' 'tests/*.h' 'tests/*.cpp' \
    'tools/*.h' 'tools/*.cpp' 'bench/*.h' 'bench/*.cpp' 2>/dev/null || true)
if [ ${#sources[@]} -eq 0 ]; then
    mapfile -t sources < <(find src tests tools bench -name '*.h' -o -name '*.cpp' 2>/dev/null)
fi
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${sources[@]}"
    exit 0
fi
clang-format --dry-run --Werror "${sources[@]}"
echo "format: ${#sources[@]} files checked"
