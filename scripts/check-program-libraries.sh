#!/usr/bin/env bash
# The program must start without the printing library: it carries the printers
# in a module of its own and loads it only when the learner first prints, so
# the library (and the system's printing stack behind it) costs no start.
# Usage: scripts/check-program-libraries.sh PROGRAM
set -euo pipefail
program=${1:?usage: check-program-libraries.sh PROGRAM}
needed=$(readelf -d "$program" | grep NEEDED || true)
[ -n "$needed" ] || { echo "cannot read the libraries $program needs" >&2; exit 1; }
if grep -q 'libQt6PrintSupport' <<<"$needed"; then
    echo "$program links the printing library; it must come only with the printing module:" >&2
    echo "$needed" >&2
    exit 1
fi
echo "the program starts without the printing library"
