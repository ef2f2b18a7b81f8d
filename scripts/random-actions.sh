#!/usr/bin/env bash
# Walks the real home and practice windows (offscreen) through random learner
# actions, checking the results files after every step; see
# tests/gui/RandomActionsTest.cpp. The test command runs three seeds of 150
# actions; this runs longer walks by hand.
#
#   bash scripts/random-actions.sh [ACTIONS] [FIRST_SEED] [SEEDS]
#
# ACTIONS defaults to 100000, FIRST_SEED to 1, SEEDS to 1. A failure prints its
# seed and every action up to it, and stops. Build first:
#   cmake --build build -j2 --target gui_tests
set -euo pipefail
cd "$(dirname "$0")/.."
actions=${1:-100000}
first=${2:-1}
seeds=${3:-1}
for ((seed = first; seed < first + seeds; seed++)); do
    echo "seed $seed: $actions actions"
    ORBISK_RANDOM_SEED=$seed ORBISK_RANDOM_ACTIONS=$actions QT_QPA_PLATFORM=offscreen \
        build/tests/gui_tests --gtest_filter='Walk/RandomActions.*' --gtest_brief=1
done
