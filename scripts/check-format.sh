#!/usr/bin/env bash
# Fails, listing the files, when a C++ source is not formatted as .clang-format says.
# With --fix, formats them in place instead.
#
# The style is checked with clang-format 14, the version scripts/install-deps.sh
# installs on Debian 12: other versions format some constructs differently.
# When only another version is found the check is skipped (exit 77, which
# CTest shows as skipped) and says so, instead of failing on those differences;
# under CI (CI set), where the test command has installed clang-format 14, a
# missing formatter is a failure, so the check can never pass by not running.
set -euo pipefail
cd "$(dirname "$0")/.."
wanted=14
formatter=""
for candidate in clang-format-$wanted clang-format; do
    if command -v "$candidate" >/dev/null 2>&1; then
        version=$("$candidate" --version | sed -n 's/.*version \([0-9][0-9]*\)\..*/\1/p')
        if [ "$version" = "$wanted" ]; then
            formatter=$candidate
            break
        fi
        found="$candidate $version"
    fi
done
if [ -z "$formatter" ]; then
    echo "format: clang-format $wanted is needed (found: ${found:-none}); run scripts/install-deps.sh --tests"
    [ -n "${CI:-}" ] && exit 1
    exit 77
fi
mapfile -t sources < <(git ls-files -co --exclude-standard -- 'src/*.h' 'src/*.cpp' 'tests/*.h' 'tests/*.cpp' \
    'tools/*.h' 'tools/*.cpp' 'bench/*.h' 'bench/*.cpp' 'fuzz/*.h' 'fuzz/*.cpp' 2>/dev/null || true)
if [ ${#sources[@]} -eq 0 ]; then
    mapfile -t sources < <(find src tests tools bench fuzz -name '*.h' -o -name '*.cpp' 2>/dev/null)
fi
if [ "${1:-}" = "--fix" ]; then
    "$formatter" -i "${sources[@]}"
    exit 0
fi
"$formatter" --dry-run --Werror "${sources[@]}"
echo "format: ${#sources[@]} files checked with $formatter"
