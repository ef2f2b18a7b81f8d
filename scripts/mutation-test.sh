#!/usr/bin/env bash
# Spoils one file of a copy of the question bank at random (lines deleted,
# duplicated, swapped or indented; bits flipped; bytes inserted; the file cut
# short; odd Unicode, huge numbers, tabs, YAML punctuation) and runs bankc on
# it, N times. Counts the refusals with a clear "file:line: message", the
# acceptances, the unclear refusals, the crashes and the hangs; any of the last
# three fails the test and is kept in the findings folder.
#
#   bash scripts/mutation-test.sh [N] [BANKC] [MUTATOR]
#
# N defaults to 100; BANKC and MUTATOR to the build's (build/tools/bankc/bankc,
# build/tests/bank_mutator). MUTATION_SEED (default 1) is the first seed;
# MUTATION_FINDINGS (default build/mutation-findings) where findings go.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-100}
bankc=${2:-build/tools/bankc/bankc}
mutator=${3:-build/tests/bank_mutator}
first=${MUTATION_SEED:-1}
findings=${MUTATION_FINDINGS:-build/mutation-findings}
work=$(mktemp -d "${TMPDIR:-/tmp}/orbisk-mutation.XXXXXX")
trap 'rm -rf "$work"' EXIT

# A sanitizer's report must not pass for a refusal (both would exit with 1).
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}exitcode=86"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:+$UBSAN_OPTIONS:}exitcode=86"

cp -r bank "$work/pristine"
mapfile -t sources < <(cd bank && ls product.yaml section*/p*.yaml)
refused=0 accepted=0 unclear=0 crashed=0 hung=0

keep() { # keep the finding: the spoiled file, what was done, what bankc said
    local kind=$1 seed=$2 file=$3
    local into="$findings/$kind-$seed"
    mkdir -p "$into"
    cp "$work/bank/$file" "$into/"
    printf 'seed %s, %s: %s\n' "$seed" "$file" "$what" >"$into/mutation.txt"
    cp "$work/stderr" "$into/stderr.txt"
}

# True when every line bankc wrote is "file:line: message" or its closing count,
# in clean UTF-8 without control characters.
readable() {
    local stderr=$1
    if LC_ALL=C grep -qaP '[\x00-\x08\x0B-\x1F\x7F]|\xC2[\x80-\x9F]' "$stderr" ||
        ! iconv -f UTF-8 -t UTF-8 "$stderr" >/dev/null 2>&1; then
        return 1
    fi
    local line pattern='^[^:]+:[0-9]+: .+$' closing='^bankc: [0-9]+ problem\(s\); nothing was written$'
    [ -s "$stderr" ] || return 1
    while IFS= read -r line; do
        [[ $line =~ $pattern || $line =~ $closing ]] || return 1
    done <"$stderr"
}

for ((run = 0; run < runs; run++)); do
    seed=$((first + run))
    file=${sources[$((seed % ${#sources[@]}))]}
    rm -rf "$work/bank" "$work/out"
    cp -r "$work/pristine" "$work/bank"
    what=$("$mutator" "$seed" "$work/bank/$file")
    code=0
    timeout 30 "$bankc" "$work/bank" "$work/out" --skin assets/skin >/dev/null 2>"$work/stderr" || code=$?
    case $code in
    0) accepted=$((accepted + 1)) ;;
    1)
        if readable "$work/stderr"; then
            refused=$((refused + 1))
        else
            unclear=$((unclear + 1))
            keep unclear "$seed" "$file"
        fi
        ;;
    124)
        hung=$((hung + 1))
        keep hang "$seed" "$file"
        ;;
    *)
        crashed=$((crashed + 1))
        keep crash "$seed" "$file"
        ;;
    esac
done

echo "mutation test: $runs runs (seeds $first to $((first + runs - 1))): $refused refused with a clear" \
    "file:line: message, $accepted accepted, $unclear unclear refusals, $crashed crashes, $hung hangs"
if [ $((unclear + crashed + hung)) -gt 0 ]; then
    echo "findings are in $findings" >&2
    exit 1
fi
